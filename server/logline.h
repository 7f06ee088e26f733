#pragma once

#include <string_view>

namespace zanvik::server {

// Writes one line to standard error: the UTC time, then the text. Lines from one thread never
// interleave (one write call each).
void logLine(std::string_view text);

} // namespace zanvik::server
