#include "link/batchreader.h"

#include "link/linklimits.h"

#include <algorithm>
#include <cerrno>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <vector>

namespace zanvik::link {

Batch readAvailable(int fd, std::size_t limit) {
    Batch batch;
    int readable = 0;
    if (::ioctl(fd, FIONREAD, &readable) != 0) {
        return batch;
    }
    std::vector<std::uint8_t> taken;
    std::size_t want = std::max<std::size_t>(1, static_cast<std::size_t>(std::max(readable, 0)));
    // Each pass reads at least one byte or ends the loop, and the total is capped by limit.
    while (taken.size() < limit) {
        want = std::min(want, limit - taken.size());
        const std::size_t before = taken.size();
        taken.resize(before + want);
        const ssize_t got = ::recv(fd, taken.data() + before, want, MSG_DONTWAIT);
        taken.resize(before + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got == 0) {
            batch.peerClosed = true;
            break;
        }
        if (got < 0) {
            // Nothing more readable now, or an interrupted read (the notice comes again while
            // bytes wait); every other error means the connection is gone.
            batch.peerClosed = errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR;
            break;
        }
        want = readPieceSize;
    }
    batch.bytes = ByteBuffer(taken);
    return batch;
}

} // namespace zanvik::link
