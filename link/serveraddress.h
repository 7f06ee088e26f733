#pragma once

#include <string_view>

namespace zanvik::protocol {

// The image server's address: a dotted IPv4 address or a host name, fixed when the program is
// built (the CMake cache variable SERVER_ADDRESS, 127.0.0.1 unless set). The program reads it
// from nowhere else.
extern const std::string_view SERVER_ADDRESS;

} // namespace zanvik::protocol
