#include "testclient.h"

#include "link/protocolconstants.h"

#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zanvik::server::testing {
namespace {

using namespace zanvik::protocol;

bool waitReadable(int fd, std::chrono::milliseconds wait) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, static_cast<int>(wait.count())) > 0;
}

// The gallery's classification: does the text of an arrival (up to its first zero byte) hold tag?
bool textHolds(std::string_view arrival, std::string_view tag) {
    return arrival.substr(0, arrival.find('\0')).find(tag) != std::string_view::npos;
}

} // namespace

TestClient::TestClient(std::uint16_t port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    const int on = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

TestClient::~TestClient() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool TestClient::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

std::string TestClient::receive(std::chrono::milliseconds wait) {
    if (fd_ < 0 || !waitReadable(fd_, wait)) {
        return {};
    }
    std::string arrival;
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const auto got = ::recv(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (got <= 0) {
            break;
        }
        arrival.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return arrival;
}

bool TestClient::closedByServer(std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::array<char, 64 * 1024> buffer{};
    while (std::chrono::steady_clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (!waitReadable(fd_, left)) {
            return false;
        }
        const auto got = ::recv(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
            return true;
        }
    }
    return false;
}

bool TestClient::silentFor(std::chrono::milliseconds wait) {
    return fd_ >= 0 && !waitReadable(fd_, wait);
}

std::string TestClient::titleList() {
    send(titleListTag);
    return receive();
}

std::optional<std::string> TestClient::download(std::string_view title) {
    std::string picture;
    if (!send(std::string(pictureRequestTag) + std::string(title))) {
        return std::nullopt;
    }
    // A bound on the parts: the largest test picture needs far fewer.
    for (int part = 0; part < 100000; ++part) {
        const std::string arrival = receive();
        if (arrival.empty()) {
            return std::nullopt;
        }
        if (arrival == endOfPictureTag) {
            return picture;
        }
        if (textHolds(arrival, endOfPictureTag) || textHolds(arrival, titleListTag)) {
            return std::nullopt; // the client would misread this part
        }
        picture += arrival;
        send(nextPartTag);
    }
    return std::nullopt;
}

bool TestClient::upload(std::string_view title, std::string_view picture) {
    if (!send(std::string(uploadTitleTag) + std::string(title)) || receive() != titleAcceptedTag) {
        return false;
    }
    if (!send(uploadStartTag) || receive() != nextChunkTag) {
        return false;
    }
    const auto chunkSize = static_cast<std::size_t>(CHUNK_SIZE);
    for (std::size_t at = 0; at < picture.size(); at += chunkSize) {
        if (!send(picture.substr(at, chunkSize)) || receive() != nextChunkTag) {
            return false;
        }
    }
    if (!send(endOfUploadTag)) {
        return false;
    }
    // Like the desktop client, send nothing more until a moment has passed; whatever the server
    // does next (nothing, or close on a refusal) is left for the caller to see.
    pollfd entry{fd_, POLLIN, 0};
    ::poll(&entry, 1, 30);
    return true;
}

} // namespace zanvik::server::testing
