#include "link/sockethandle.h"

#include <unistd.h>
#include <utility>

namespace zanvik::link {

SocketHandle::SocketHandle(SocketHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SocketHandle& SocketHandle::operator=(SocketHandle&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void SocketHandle::reset() {
    if (fd_ >= 0) {
        // Linux releases the descriptor even when close reports EINTR, so it is never retried.
        ::close(std::exchange(fd_, -1));
    }
}

} // namespace zanvik::link
