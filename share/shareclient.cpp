#include "share/shareclient.h"

#include "foundation/values/gbkcodec.h"
#include "foundation/windows/window.h"
#include "share/sharenames.h"

#include <cstdio>
#include <cstdlib>

namespace zanvik::share {

ShareClient::ShareClient(Window& window, ConnectRoutine connect)
    : window_(window), connect_(std::move(connect)),
      anchor_(std::make_shared<WindowAnchor>(WindowAnchor{&window, this})) {}

ShareClient::~ShareClient() {
    anchor_->window = nullptr;
    anchor_->client = nullptr;
}

bool ShareClient::connect() {
    endUpload();
    const bool connected = connect_ && connect_(link_);
    window_.setCaption(gbkFromUtf8(connected ? connectedCaption : connectFailedCaption));
    return connected;
}

std::uint64_t ShareClient::beginUpload() {
    underWay_ = true;
    return ++uploadNumber_;
}

void ShareClient::endUpload(std::uint64_t number) {
    if (number == uploadNumber_) {
        underWay_ = false;
    }
}

void ShareClient::endUpload() {
    underWay_ = false;
}

ShareClient& shareClient(const Window& window) {
    ShareClient* found = window.control(clientControl).attached<ShareClient>();
    if (found == nullptr) {
        std::fprintf(stderr, "ShareWindow: control 客户1 holds no ShareClient\n");
        std::abort();
    }
    return *found;
}

} // namespace zanvik::share
