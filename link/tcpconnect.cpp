#include "link/tcpconnect.h"

#include "link/linklimits.h"
#include "link/socketwait.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <string_view>
#include <sys/socket.h>

namespace zanvik::link {
namespace {

bool isPlausibleHostName(std::string_view name) {
    if (name.empty() || name.size() > maxHostNameLength) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-' || c == '_';
    });
}

std::optional<in_addr> resolveIPv4(const Text& address) {
    if (address.empty()) {
        return std::nullopt;
    }
    in_addr numeric{};
    if (::inet_pton(AF_INET, address.c_str(), &numeric) == 1) {
        return numeric;
    }
    if (!isPlausibleHostName(address.bytes())) {
        return std::nullopt;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(address.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    // getaddrinfo with AF_INET gives sockaddr_in entries only.
    sockaddr_in first{};
    std::copy_n(reinterpret_cast<const unsigned char*>(found->ai_addr), sizeof first,
                reinterpret_cast<unsigned char*>(&first));
    ::freeaddrinfo(found);
    return first.sin_addr;
}

// Finishes a non-blocking connect: true once the handshake succeeded before the deadline.
bool handshakeSucceeded(int fd, std::chrono::steady_clock::time_point deadline) {
    if (!waitWritable(fd, deadline)) {
        return false;
    }
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

} // namespace

SocketHandle connectTcp(const Text& address, std::int32_t port, std::chrono::milliseconds timeout) {
    if (port < 1 || port > 65535) {
        return {};
    }
    const std::optional<in_addr> host = resolveIPv4(address);
    if (!host) {
        return {};
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    SocketHandle socket(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.valid()) {
        return {};
    }
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(static_cast<std::uint16_t>(port));
    server.sin_addr = *host;
    const int started =
        ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&server), sizeof server);
    // EINTR leaves the handshake running in the background, like EINPROGRESS.
    if (started != 0 &&
        !((errno == EINPROGRESS || errno == EINTR) && handshakeSucceeded(socket.get(), deadline))) {
        return {};
    }
    const int noDelay = 1;
    ::setsockopt(socket.get(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    return socket;
}

} // namespace zanvik::link
