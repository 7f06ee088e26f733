#pragma once

#include <thread>

namespace zanvik::bench {

// A loopback server on a free port that accepts one connection and sends back every byte it
// receives, on its own thread, until the client closes (or nothing comes for 30 s).
class EchoPeer final {
public:
    EchoPeer();
    ~EchoPeer();
    EchoPeer(const EchoPeer&) = delete;
    EchoPeer& operator=(const EchoPeer&) = delete;

    int port() const { return port_; }

private:
    void serve();

    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
};

// A plain blocking TCP client socket connected to 127.0.0.1:port, with Nagle's delay off like
// the link's; -1 on failure. The caller closes it.
int connectPlainSocket(int port);

} // namespace zanvik::bench
