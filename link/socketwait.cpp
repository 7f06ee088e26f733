#include "link/socketwait.h"

#include <cerrno>
#include <poll.h>

namespace zanvik::link {

bool waitWritable(int fd, std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd entry{fd, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

} // namespace zanvik::link
