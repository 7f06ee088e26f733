#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace zanvik::testing {

// One end of a TCP connection on loopback, driven by a test as a scripted server or client.
// Every wait is bounded by the given time.
class LoopbackPeer final {
public:
    LoopbackPeer() = default;
    explicit LoopbackPeer(int fd) : fd_(fd) {}
    ~LoopbackPeer();
    LoopbackPeer(LoopbackPeer&& other) noexcept;
    LoopbackPeer& operator=(LoopbackPeer&& other) noexcept;
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    // Connects to 127.0.0.1:port (blocking); invalid when refused.
    static LoopbackPeer connectTo(int port);

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    // Sends every byte (blocking); false on an error.
    bool send(std::string_view bytes);
    // Reads until count bytes came, the peer closed, or the limit passed.
    std::string receive(std::size_t count, std::chrono::milliseconds limit);
    // Reads whatever comes until nothing came for quiet, or the peer closed.
    std::string receiveUntilQuiet(std::chrono::milliseconds quiet);
    // True when the other side closed (a read gives end of stream) within the limit; bytes still
    // on the way are read and dropped.
    bool seesClose(std::chrono::milliseconds limit);
    // Closes normally (FIN).
    void close();
    // Closes with a reset (RST), as a crashed server would.
    void reset();

private:
    int fd_ = -1;
};

} // namespace zanvik::testing
