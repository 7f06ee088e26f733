#pragma once

#include <chrono>

namespace zanvik::link {

// Waits until the socket can take more bytes (or has an error or hang-up to report, which the
// next call on it will give), or until the deadline passes. True when the socket is ready.
// Interrupted waits resume with the time that is left, so the wait never outlasts the deadline.
bool waitWritable(int fd, std::chrono::steady_clock::time_point deadline);

} // namespace zanvik::link
