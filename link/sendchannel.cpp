#include "link/sendchannel.h"

#include "link/socketwait.h"

#include <cerrno>
#include <sys/socket.h>

namespace zanvik::link {

void SendChannel::open(SocketHandle socket) {
    const std::lock_guard lock(mutex_);
    socket_ = std::move(socket);
}

void SendChannel::close() {
    // Only this thread changes socket_, so reading it here without the lock is safe. Shutting
    // the socket down makes a sender waiting on it fail at once and give up the lock.
    if (socket_.valid()) {
        ::shutdown(socket_.get(), SHUT_RDWR);
    }
    const std::lock_guard lock(mutex_);
    socket_.reset();
}

bool SendChannel::sendBytes(const ByteBuffer& bytes) {
    const std::lock_guard lock(mutex_);
    if (!socket_.valid()) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + sendTimeout_;
    const std::uint8_t* next = bytes.data();
    std::size_t left = bytes.bytes().size();
    // Each pass takes at least one byte, or waits (bounded by the deadline), or ends the call.
    while (left > 0) {
        const ssize_t sent = ::send(socket_.get(), next, left, MSG_NOSIGNAL);
        if (sent > 0) {
            next += sent;
            left -= static_cast<std::size_t>(sent);
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            if (!waitWritable(socket_.get(), deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

} // namespace zanvik::link
