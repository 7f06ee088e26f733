#include "server/logline.h"

#include <chrono>
#include <ctime>
#include <string>
#include <unistd.h>

namespace zanvik::server {

void logLine(std::string_view text) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    const auto length = std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ ", &utc);
    std::string line(stamp, length);
    line += text;
    line += '\n';
    const auto written = ::write(STDERR_FILENO, line.data(), line.size());
    static_cast<void>(written); // a log that cannot be written is not a reason to stop serving
}

} // namespace zanvik::server
