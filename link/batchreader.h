#pragma once

#include "foundation/values/bytebuffer.h"

#include <cstddef>

namespace zanvik::link {

// What one read notice found on a connected socket.
struct Batch {
    ByteBuffer bytes;        // everything read, in order; may be empty
    bool peerClosed = false; // the peer closed or reset the connection
};

// Takes everything that is readable now from a non-blocking socket: asks how many bytes are
// waiting, reads that many (at least 1), then reads in pieces of readPieceSize until nothing more
// is readable, the peer has closed (a read gives 0), the connection failed (reset and the like,
// reported as closed too), or limit bytes were taken (the rest stays readable). When the
// readable-count question fails, nothing is read. Never blocks.
Batch readAvailable(int fd, std::size_t limit);

} // namespace zanvik::link
