#include "tests/link/loopbacklistener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zanvik::testing {

LoopbackListener::LoopbackListener(int backlog, int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof address;
    // Connections it accepts inherit the option, so that the TIME_WAIT they leave on a fixed
    // port does not keep the next test's server (which sets it too) from listening there.
    const int reuse = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&address), size) == 0 &&
        ::listen(fd_, backlog) == 0 &&
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port_ = ntohs(address.sin_port);
    }
}

LoopbackListener::~LoopbackListener() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

LoopbackPeer LoopbackListener::accept(std::chrono::milliseconds limit) {
    pollfd entry{fd_, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(limit.count())) <= 0) {
        return {};
    }
    return LoopbackPeer(::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC));
}

int LoopbackListener::unusedPort() {
    const LoopbackListener probe;
    return probe.port();
}

} // namespace zanvik::testing
