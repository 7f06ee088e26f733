#include "tests/link/loopbackpeer.h"

#include <arpa/inet.h>
#include <array>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace zanvik::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Waits until fd is readable or the deadline passed.
bool readableBefore(int fd, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, static_cast<int>(left.count())) > 0;
}

} // namespace

LoopbackPeer::~LoopbackPeer() {
    close();
}

LoopbackPeer::LoopbackPeer(LoopbackPeer&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

LoopbackPeer& LoopbackPeer::operator=(LoopbackPeer&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

LoopbackPeer LoopbackPeer::connectTo(int port) {
    LoopbackPeer peer(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(peer.fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        peer.close();
    }
    return peer;
}

bool LoopbackPeer::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

std::string LoopbackPeer::receive(std::size_t count, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    std::string got;
    std::array<char, 65536> piece{};
    while (got.size() < count && readableBefore(fd_, deadline)) {
        const ssize_t n = ::recv(fd_, piece.data(), std::min(piece.size(), count - got.size()), 0);
        if (n <= 0) {
            break;
        }
        got.append(piece.data(), static_cast<std::size_t>(n));
    }
    return got;
}

std::string LoopbackPeer::receiveUntilQuiet(std::chrono::milliseconds quiet) {
    std::string got;
    std::array<char, 65536> piece{};
    while (readableBefore(fd_, Clock::now() + quiet)) {
        const ssize_t n = ::recv(fd_, piece.data(), piece.size(), 0);
        if (n <= 0) {
            break;
        }
        got.append(piece.data(), static_cast<std::size_t>(n));
    }
    return got;
}

bool LoopbackPeer::seesClose(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    std::array<char, 65536> piece{};
    while (readableBefore(fd_, deadline)) {
        const ssize_t n = ::recv(fd_, piece.data(), piece.size(), 0);
        if (n <= 0) {
            return true;
        }
    }
    return false;
}

void LoopbackPeer::close() {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
    }
}

void LoopbackPeer::reset() {
    if (fd_ >= 0) {
        const linger abortive{1, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
        close();
    }
}

} // namespace zanvik::testing
