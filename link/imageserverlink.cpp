#include "link/imageserverlink.h"

#include "link/batchreader.h"
#include "link/tcpconnect.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <utility>

namespace zanvik {

ImageServerLink::ImageServerLink(link::LinkTimeouts timeouts)
    : channel_(std::make_shared<link::SendChannel>(timeouts.send)), timeouts_(timeouts) {}

ImageServerLink::~ImageServerLink() {
    *alive_ = false;
    closeConnection();
}

void ImageServerLink::setDataArrivalHandler(std::function<void()> handler) {
    dataArrival_ = std::move(handler);
}

void ImageServerLink::setDisconnectedHandler(std::function<void()> handler) {
    disconnected_ = std::move(handler);
}

void ImageServerLink::closeConnection() {
    // The notifier goes first, so that no notice is handled for a closed descriptor. Deleting
    // it from inside its own activation (a handler that reconnects or destroys the link) is
    // safe: QSocketNotifier checks that it still exists after emitting.
    notifier_.reset();
    channel_->close();
    ++connectionNumber_;
    closeReported_ = false;
}

bool ImageServerLink::connectTo(const Text& address, std::int32_t port) {
    closeConnection();
    if (QAbstractEventDispatcher::instance() == nullptr) {
        return false;
    }
    link::SocketHandle socket = link::connectTcp(address, port, timeouts_.connect);
    if (!socket.valid()) {
        return false;
    }
    notifier_ = std::make_unique<QSocketNotifier>(socket.get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { handleReadNotice(); });
    channel_->open(std::move(socket));
    return true;
}

bool ImageServerLink::sendBytes(const ByteBuffer& bytes) {
    return channel_->sendBytes(bytes);
}

bool ImageServerLink::connected() const {
    return channel_->fd() >= 0;
}

void ImageServerLink::handleReadNotice() {
    const int fd = channel_->fd();
    if (fd < 0 || closeReported_) {
        return;
    }
    link::Batch batch = link::readAvailable(fd, link::maxArrivalBytes);
    if (batch.peerClosed) {
        // A closed socket stays readable for good; no further notices are wanted from it.
        notifier_->setEnabled(false);
    }
    const std::shared_ptr<bool> alive = alive_;
    const std::uint64_t connection = connectionNumber_;
    if (!batch.bytes.empty()) {
        deliverArrival(std::move(batch.bytes));
        if (!*alive || connection != connectionNumber_) {
            return; // the handler destroyed the link or replaced the connection
        }
    }
    if (batch.peerClosed && !closeReported_) {
        closeReported_ = true;
        const auto handler = disconnected_; // the handler may destroy the link, and this copy
        if (handler) {
            handler();
        }
    }
}

void ImageServerLink::deliverArrival(ByteBuffer batch) {
    const std::shared_ptr<bool> alive = alive_;
    ByteBuffer outer = std::exchange(arrival_, std::move(batch));
    const auto handler = dataArrival_;
    if (handler) {
        handler();
    }
    if (*alive) {
        arrival_ = std::move(outer);
    }
}

} // namespace zanvik
