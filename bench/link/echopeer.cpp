#include "bench/link/echopeer.h"

#include <arpa/inet.h>
#include <array>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zanvik::bench {
namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

void turnOffNagle(int fd) {
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

} // namespace

EchoPeer::EchoPeer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t size = sizeof address;
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), size) == 0 &&
        ::listen(listener_, 1) == 0 &&
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
}

EchoPeer::~EchoPeer() {
    ::shutdown(listener_, SHUT_RDWR); // ends a wait for a client that never came
    if (thread_.joinable()) {
        thread_.join();
    }
    ::close(listener_);
}

void EchoPeer::serve() {
    pollfd waiting{listener_, POLLIN, 0};
    if (::poll(&waiting, 1, 30000) <= 0) {
        return;
    }
    const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) {
        return;
    }
    turnOffNagle(client);
    const timeval idle{30, 0};
    ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &idle, sizeof idle);
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t got = ::recv(client, buffer.data(), buffer.size(), 0);
        if (got <= 0) {
            break;
        }
        if (::send(client, buffer.data(), static_cast<std::size_t>(got), MSG_NOSIGNAL) != got) {
            break;
        }
    }
    ::close(client);
}

int connectPlainSocket(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    turnOffNagle(fd);
    return fd;
}

} // namespace zanvik::bench
