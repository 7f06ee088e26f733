#pragma once

#include "foundation/values/bytebuffer.h"
#include "foundation/values/text.h"
#include "link/linklimits.h"
#include "link/linksender.h"

#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace zanvik {

// A TCP client connection to the image server that carries raw bytes: it adds no framing to
// what it sends and does not split, join or interpret what it receives. It never retries a send
// and never reconnects by itself.
//
// Its owner (a window) makes it, gives it the two handlers, and destroys it with itself:
// - dataArrival runs after a batch of bytes was read: everything that was readable when the
//   read notice was handled (1 byte up to link::maxArrivalBytes), with no regard to how the
//   server sent it. arrivalBytes() gives that batch while the handler runs.
// - disconnected runs once when the server closes or resets the connection, after the
//   dataArrival of any bytes that came before the close.
// Both run on the thread that called connectTo (the UI thread), from its Qt event loop: the
// main loop, a nested QEventLoop or QCoreApplication::processEvents. A handler runs to its end
// before the next notice is handled unless it lets events run itself; a nested arrival then runs
// inside it, and arrivalBytes() gives the outer batch again once the nested handler returns.
// No event fires for a connection that connectTo replaced or that ended with the link, and the
// owner may destroy the link or call connectTo from inside either handler.
//
// Threads: connectTo, the handlers, arrivalBytes and destruction belong to the UI thread.
// sendBytes may be called from any thread, also at the same time as other sends; each call's
// bytes leave together. A thread that may outlive the link sends through sender() instead.
class ImageServerLink final {
public:
    explicit ImageServerLink(link::LinkTimeouts timeouts = {});
    ~ImageServerLink();

    ImageServerLink(const ImageServerLink&) = delete;
    ImageServerLink& operator=(const ImageServerLink&) = delete;
    ImageServerLink(ImageServerLink&&) = delete;
    ImageServerLink& operator=(ImageServerLink&&) = delete;

    void setDataArrivalHandler(std::function<void()> handler);
    void setDisconnectedHandler(std::function<void()> handler);

    // Closes the current connection silently (no disconnected event), then connects to address
    // (a dotted IPv4 address or a host name) and port. Blocks for the name lookup and for at
    // most the connect time-out of the handshake. True when connected; false, with no
    // connection left, when the address is empty or unusable, the name does not resolve, the
    // server refuses or does not answer in time, or this thread runs no Qt event loop to take
    // the notices. Never two sockets at once.
    bool connectTo(const Text& address, std::int32_t port);

    // Hands all the bytes to the connection. False, sending nothing, when not connected; true at
    // once for the empty buffer. The socket is non-blocking, but a full send buffer does not fail
    // the call at once: it waits for room, for at most the send time-out in all, so a message
    // is never silently cut short by a momentarily busy socket. False on a send error or when
    // that time passes; bytes already taken stay sent. After the server closed the connection
    // the socket stays until connectTo or destruction, and sends on it just report the error.
    bool sendBytes(const ByteBuffer& bytes);

    // A copy of the batch being delivered, inside a dataArrival handler (the same bytes on
    // every call); the empty buffer anywhere else.
    ByteBuffer arrivalBytes() const { return arrival_; }

    // Whether the last connectTo succeeded (a close by the server does not clear it).
    bool connected() const;

    // A thread-safe handle for sending on this link that stays safe after the link is gone.
    link::LinkSender sender() const { return link::LinkSender(channel_); }

private:
    void closeConnection();
    void handleReadNotice();
    void deliverArrival(ByteBuffer batch);

    std::shared_ptr<link::SendChannel> channel_;
    std::unique_ptr<QSocketNotifier> notifier_;
    // Cleared when the link is destroyed; handlers' callers hold a copy to notice that.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::uint64_t connectionNumber_ = 0; // counts connectTo calls
    bool closeReported_ = false;         // disconnected ran for the current connection
    ByteBuffer arrival_;
    std::function<void()> dataArrival_;
    std::function<void()> disconnected_;
    link::LinkTimeouts timeouts_;
};

} // namespace zanvik
