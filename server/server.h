#pragma once

#include "server/connection.h"
#include "server/limits.h"
#include "server/picturecatalog.h"

#include <asio.hpp>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace zanvik::server {

// Accepts connections on one address and port and serves each with a Connection, all on the
// thread that runs the io_context. A connection beyond maxConnections is closed at once and
// logged; the others go on being served.
class Server final {
public:
    // Binds and listens at once; check error(). Port 0 picks a free port (see port()).
    Server(asio::io_context& io, const std::string& address, std::uint16_t port,
           PictureCatalog& catalog, const Limits& limits);

    const std::string& error() const { return error_; }
    std::uint16_t port() const { return port_; }
    // Starts accepting; runs on the io_context.
    void start();
    // Closes the acceptor and every connection; the io_context then runs out of work.
    void stop();

private:
    void accept();

    asio::ip::tcp::acceptor acceptor_;
    asio::steady_timer acceptPause_;
    PictureCatalog& catalog_;
    const Limits& limits_;
    std::string error_;
    std::uint16_t port_ = 0;
    std::uint64_t nextId_ = 1;
    std::vector<std::uint8_t> readBuffer_;
    std::unordered_map<Connection*, std::shared_ptr<Connection>> connections_;
};

} // namespace zanvik::server
