#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zanvik::server::testing {

// A blocking loopback client that sees the server the way the desktop client does: every send
// is one message, every batch that arrives is one arrival. Every wait is bounded.
class TestClient final {
public:
    explicit TestClient(std::uint16_t port);
    ~TestClient();
    TestClient(const TestClient&) = delete;
    TestClient& operator=(const TestClient&) = delete;

    bool connected() const { return fd_ >= 0; }
    bool send(std::string_view bytes);
    // The next arrival: what is readable once the first byte is in. Empty when nothing came
    // within the time, or when the server closed the connection.
    std::string receive(std::chrono::milliseconds wait = std::chrono::seconds(10));
    // True when the server closes the connection within the time (data before the close is
    // read and dropped).
    bool closedByServer(std::chrono::milliseconds wait = std::chrono::seconds(10));
    // True when nothing at all arrives within the time and the connection stays open.
    bool silentFor(std::chrono::milliseconds wait);

    // The protocol's exchanges, done as the desktop client does them.
    std::string titleList();
    // The picture's bytes, or nullopt when an arrival was not a clean part or the exchange did
    // not end; each part is checked the way the gallery classifies arrivals.
    std::optional<std::string> download(std::string_view title);
    // Sends the title, "[img]", chunks of 2000 bytes and "[/img]", checking every answer, then
    // waits 30 ms. False when an answer was wrong or missing; a refusal after "[/img]" shows as
    // the server closing (closedByServer).
    bool upload(std::string_view title, std::string_view picture);

private:
    int fd_ = -1;
};

} // namespace zanvik::server::testing
