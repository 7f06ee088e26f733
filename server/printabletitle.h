#pragma once

#include <string>
#include <string_view>

namespace zanvik::server {

// A title (GBK bytes from the network, possibly malformed) as UTF-8 for a log line or a file
// name: control bytes become "?", bytes that are not GBK become U+FFFD, and a title longer than
// 200 bytes is cut there and marked with "...".
std::string printableTitle(std::string_view gbk);

} // namespace zanvik::server
