#pragma once

#include "foundation/values/bytebuffer.h"
#include "link/sendchannel.h"

#include <memory>

namespace zanvik::link {

// A handle for sending on an ImageServerLink from another thread (the upload's worker thread).
// It shares the link's sending side, not a socket: it sends on whatever connection the link
// holds at the moment of the call, and once the link is destroyed its sends return false, so a
// worker that outlives its window never touches freed memory or a closed descriptor. Copies
// refer to the same link.
class LinkSender final {
public:
    explicit LinkSender(std::shared_ptr<SendChannel> channel) : channel_(std::move(channel)) {}

    // As ImageServerLink::sendBytes.
    bool sendBytes(const ByteBuffer& bytes) const { return channel_->sendBytes(bytes); }

private:
    std::shared_ptr<SendChannel> channel_;
};

} // namespace zanvik::link
