#include "server/connection.h"

#include "server/logline.h"

namespace zanvik::server {

Connection::Connection(asio::ip::tcp::socket socket, PictureCatalog& catalog, const Limits& limits,
                       std::span<std::uint8_t> readBuffer, std::uint64_t id, Closed closed)
    : socket_(std::move(socket)), idleTimer_(socket_.get_executor()), session_(catalog, limits),
      limits_(limits), id_(id), closed_(std::move(closed)), readBuffer_(readBuffer) {}

void Connection::start() {
    std::error_code error;
    const auto peer = socket_.remote_endpoint(error);
    socket_.set_option(asio::ip::tcp::no_delay(true), error);
    socket_.non_blocking(true, error);
    // Room for a whole part and more in the send buffer, so that each reply leaves with one
    // send() and reaches the client as one batch. The size is a ceiling, not memory taken.
    socket_.set_option(asio::socket_base::send_buffer_size(static_cast<int>(4 * downloadPartBytes)),
                       error);
    logLine("#" + std::to_string(id_) + " connected from " +
            (error ? std::string("?")
                   : peer.address().to_string() + ":" + std::to_string(peer.port())));
    armIdleTimer();
    read();
}

void Connection::close(std::string_view reason) {
    if (!open_) {
        return;
    }
    open_ = false;
    logLine("#" + std::to_string(id_) + " closed: " + std::string(reason));
    std::error_code ignored;
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
    idleTimer_.cancel();
    closed_(this);
}

void Connection::armIdleTimer() {
    idleTimer_.expires_after(limits_.idleTimeout);
    idleTimer_.async_wait([self = shared_from_this()](std::error_code error) {
        if (!error) {
            self->close("refused: idle for " + std::to_string(self->limits_.idleTimeout.count()) +
                        " ms");
        }
    });
}

void Connection::read() {
    socket_.async_wait(asio::ip::tcp::socket::wait_read,
                       [self = shared_from_this()](std::error_code error) {
                           if (!self->open_) {
                               return;
                           }
                           if (error) {
                               self->close(error.message());
                               return;
                           }
                           self->handleReadable();
                       });
}

void Connection::handleReadable() {
    std::error_code error;
    const auto length =
        socket_.read_some(asio::buffer(readBuffer_.data(), readBuffer_.size()), error);
    if (error == asio::error::would_block || error == asio::error::try_again) {
        read();
        return;
    }
    if (error) {
        close(error == asio::error::eof ? "by the client" : error.message());
        return;
    }
    armIdleTimer();
    auto out = session_.consume(readBuffer_.first(length));
    for (const auto& event : out.events) {
        logLine("#" + std::to_string(id_) + " " + event);
    }
    if (out.refusal) {
        // Nothing the client sent in this exchange is kept; the replies owed so far are dropped
        // too, since the client learns of the refusal from the closed connection.
        close("refused: " + *out.refusal);
        return;
    }
    for (auto& reply : out.replies) {
        replies_.push_back(std::move(reply));
    }
    if (replies_.empty()) {
        read();
    } else {
        writeNext();
    }
}

void Connection::writeNext() {
    const auto bytes = replies_.front().bytes();
    asio::async_write(socket_, asio::buffer(bytes.data(), bytes.size()),
                      [self = shared_from_this()](std::error_code error, std::size_t) {
                          if (!self->open_) {
                              return;
                          }
                          if (error) {
                              self->close(error.message());
                              return;
                          }
                          self->replies_.pop_front();
                          if (self->replies_.empty()) {
                              self->read();
                          } else {
                              self->writeNext();
                          }
                      });
}

} // namespace zanvik::server
