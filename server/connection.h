#pragma once

#include "server/limits.h"
#include "server/session.h"

#include <asio.hpp>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace zanvik::server {

// One client connection: reads what arrives, hands it to its Session, and writes each reply
// with one write of its own. It reads again only when every reply has been written, so a client
// that does not read its answers cannot make the server buffer without end. Closed on a
// refusal, on the client's close, after the idle time-out, and by close().
class Connection final : public std::enable_shared_from_this<Connection> {
public:
    using Closed = std::function<void(Connection*)>;

    // readBuffer is shared by every connection of one thread: a connection reads into it only
    // once its socket is readable and hands the bytes on before it returns, so an idle
    // connection holds no buffer of its own.
    Connection(asio::ip::tcp::socket socket, PictureCatalog& catalog, const Limits& limits,
               std::span<std::uint8_t> readBuffer, std::uint64_t id, Closed closed);

    void start();
    // Ends the connection at once (server shutdown). Safe to call more than once.
    void close(std::string_view reason);

private:
    void read();
    void handleReadable();
    void writeNext();
    void armIdleTimer();

    asio::ip::tcp::socket socket_;
    asio::steady_timer idleTimer_;
    Session session_;
    const Limits& limits_;
    std::uint64_t id_;
    Closed closed_;
    std::span<std::uint8_t> readBuffer_;
    std::deque<Session::Reply> replies_;
    bool open_ = true;
};

} // namespace zanvik::server
