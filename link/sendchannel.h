#pragma once

#include "foundation/values/bytebuffer.h"
#include "link/sockethandle.h"

#include <chrono>
#include <mutex>

namespace zanvik::link {

// The sending side of a link's socket, shared by the link and the threads that send on it.
//
// Threads: sendBytes may run on any thread; open, close and fd belong to the link's own (UI)
// thread, the only one that replaces or closes the socket. One lock serialises sends and the
// replacement of the socket, so the bytes of one sendBytes call leave together, never
// interleaved with another call's, and a sender never writes to a closed (or reused) descriptor.
class SendChannel final {
public:
    explicit SendChannel(std::chrono::milliseconds sendTimeout) : sendTimeout_(sendTimeout) {}

    SendChannel(const SendChannel&) = delete;
    SendChannel& operator=(const SendChannel&) = delete;

    // Takes a connected socket: from now on sends go to it.
    void open(SocketHandle socket);
    // Closes the socket, if any. A send blocked on a full buffer is woken first (it then fails),
    // so closing never waits for a stalled peer.
    void close();
    // The socket's descriptor for reading, or -1. Link thread only.
    int fd() const { return socket_.get(); }

    // Hands every byte to the socket. False, with nothing sent, when no connected socket is
    // open. True at once for the empty buffer. Waits while the send buffer is full, but for at
    // most the send time-out in all; false when that passes or the socket reports an error,
    // in which case the bytes already taken stay sent.
    bool sendBytes(const ByteBuffer& bytes);

private:
    const std::chrono::milliseconds sendTimeout_;
    std::mutex mutex_;
    SocketHandle socket_; // written by the link thread under mutex_
};

} // namespace zanvik::link
