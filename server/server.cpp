#include "server/server.h"

#include "server/logline.h"

namespace zanvik::server {
namespace {

// Large enough for any honest message and a burst of them in one read.
constexpr std::size_t readBufferBytes = 64 * 1024;

} // namespace

Server::Server(asio::io_context& io, const std::string& address, std::uint16_t port,
               PictureCatalog& catalog, const Limits& limits)
    : acceptor_(io), acceptPause_(io), catalog_(catalog), limits_(limits),
      readBuffer_(readBufferBytes) {
    std::error_code error;
    const auto ip = asio::ip::make_address(address, error);
    if (error) {
        error_ = "bad address " + address + ": " + error.message();
        return;
    }
    const asio::ip::tcp::endpoint endpoint(ip, port);
    if (acceptor_.open(endpoint.protocol(), error) ||
        acceptor_.set_option(asio::ip::tcp::acceptor::reuse_address(true), error) ||
        acceptor_.bind(endpoint, error) ||
        acceptor_.listen(asio::socket_base::max_listen_connections, error)) {
        error_ =
            "cannot listen on " + address + ":" + std::to_string(port) + ": " + error.message();
        return;
    }
    port_ = acceptor_.local_endpoint(error).port();
}

void Server::start() {
    logLine("listening on " + acceptor_.local_endpoint().address().to_string() + ":" +
            std::to_string(port_));
    accept();
}

void Server::accept() {
    acceptor_.async_accept([this](std::error_code error, asio::ip::tcp::socket socket) {
        if (error == asio::error::operation_aborted || !acceptor_.is_open()) {
            return;
        }
        if (!error) {
            const auto id = nextId_++;
            if (connections_.size() >= limits_.maxConnections) {
                logLine("#" + std::to_string(id) + " refused: more than " +
                        std::to_string(limits_.maxConnections) + " connections");
                std::error_code ignored;
                socket.close(ignored);
            } else {
                auto connection = std::make_shared<Connection>(
                    std::move(socket), catalog_, limits_, std::span(readBuffer_), id,
                    [this](Connection* closed) { connections_.erase(closed); });
                connections_.emplace(connection.get(), connection);
                connection->start();
            }
        } else {
            // Out of file descriptors and the like: log it and go on accepting after a pause so
            // that a burst does not spin.
            logLine("accept failed: " + error.message());
            acceptPause_.expires_after(std::chrono::milliseconds(100));
            acceptPause_.async_wait([this](std::error_code waitError) {
                if (!waitError) {
                    accept();
                }
            });
            return;
        }
        accept();
    });
}

void Server::stop() {
    std::error_code ignored;
    acceptor_.close(ignored);
    acceptPause_.cancel();
    // close() removes each connection from the map through its callback.
    std::vector<std::shared_ptr<Connection>> open;
    for (auto& [pointer, connection] : connections_) {
        open.push_back(connection);
    }
    for (auto& connection : open) {
        connection->close("server shutting down");
    }
    logLine("stopped");
}

} // namespace zanvik::server
