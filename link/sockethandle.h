#pragma once

namespace zanvik::link {

// Owns one socket file descriptor and closes it when destroyed or reset. Move-only.
class SocketHandle final {
public:
    SocketHandle() = default;
    explicit SocketHandle(int fd) : fd_(fd) {}
    ~SocketHandle() { reset(); }

    SocketHandle(SocketHandle&& other) noexcept;
    SocketHandle& operator=(SocketHandle&& other) noexcept;
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Closes the descriptor, if any; the handle is then invalid.
    void reset();

private:
    int fd_ = -1;
};

} // namespace zanvik::link
