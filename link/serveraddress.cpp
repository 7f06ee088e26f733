#include "link/serveraddress.h"

#ifndef ZANVIK_SERVER_ADDRESS
#error "ZANVIK_SERVER_ADDRESS must come from the build (CMake cache variable SERVER_ADDRESS)"
#endif

namespace zanvik::protocol {

constexpr std::string_view SERVER_ADDRESS = ZANVIK_SERVER_ADDRESS;

} // namespace zanvik::protocol
