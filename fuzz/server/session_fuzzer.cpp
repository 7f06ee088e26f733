// Feeds arbitrary reads to one connection's protocol state machine over an in-memory store.
// Input: a sequence of reads, each a length byte (0: the rest of the input) and that many bytes.
#include "link/protocolconstants.h"
#include "server/session.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace {

using namespace zanvik::server;

class MemoryCatalog final : public PictureCatalog {
public:
    std::shared_ptr<const std::string> titleListMessage() override {
        std::string message(zanvik::protocol::titleListTag);
        for (const auto& [title, bytes] : pictures_) {
            message += title + ",";
        }
        return std::make_shared<const std::string>(message);
    }
    PictureBytes picture(std::string_view title) override {
        const auto found = pictures_.find(std::string(title));
        return found == pictures_.end() ? nullptr : found->second;
    }
    bool titleTaken(std::string_view title) override {
        return pictures_.count(std::string(title)) != 0 || retired_.count(std::string(title)) != 0;
    }
    StoreResult store(std::string_view title, std::span<const std::uint8_t> bytes) override {
        if (titleTaken(title)) {
            return StoreResult::titleTaken;
        }
        pictures_[std::string(title)] =
            std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
        return StoreResult::stored;
    }
    void retire(std::string_view title) override { retired_[std::string(title)] = true; }

    MemoryCatalog() {
        // One stored picture whose bytes hold the client's tags, so downloads reach the cutting.
        const std::string bytes =
            "\xff\xd8\xff[/nextimgdata]ab[reqimgtitle]cd" + std::string(40000, 'p');
        pictures_["pic"] =
            std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
    }

private:
    std::map<std::string, PictureBytes> pictures_;
    std::map<std::string, bool> retired_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryCatalog catalog;
    Limits limits;
    limits.maxPictureBytes = 20000;
    limits.maxPicturePixels = 4096;
    Session session(catalog, limits);
    std::span<const std::uint8_t> input(data, size);
    while (!input.empty()) {
        const std::size_t length =
            input[0] == 0 ? input.size() - 1 : std::min<std::size_t>(input[0], input.size() - 1);
        const auto out = session.consume(input.subspan(1, length));
        for (const auto& reply : out.replies) {
            // Every reply is one of the server's messages or a part of 1 to 32 KiB.
            if (reply.bytes().empty() ||
                reply.bytes().size() > downloadPartBytes + maxTitleListBytes) {
                __builtin_trap();
            }
        }
        if (out.refusal) {
            break; // the connection would be closed here
        }
        input = input.subspan(1 + length);
    }
    return 0;
}
