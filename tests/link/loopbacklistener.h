#pragma once

#include "tests/link/loopbackpeer.h"

#include <chrono>

namespace zanvik::testing {

// A listening socket on 127.0.0.1 at a free port, accepting only when the test asks.
class LoopbackListener final {
public:
    // backlog 0 makes a listener whose queue is full after one connection that nobody accepts:
    // further connection attempts then get no answer at all. Port 0 takes a free port; port()
    // is 0 when the socket could not be set up (a fixed port in use).
    explicit LoopbackListener(int backlog = 16, int port = 0);
    ~LoopbackListener();
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    int port() const { return port_; }
    // The next connection, or an invalid peer when none came within the limit.
    LoopbackPeer accept(std::chrono::milliseconds limit);

    // A loopback port on which nothing listens (it was free a moment ago).
    static int unusedPort();

private:
    int fd_ = -1;
    int port_ = 0;
};

} // namespace zanvik::testing
