#pragma once

#include "foundation/values/text.h"
#include "link/sockethandle.h"

#include <chrono>
#include <cstdint>

namespace zanvik::link {

// Opens a TCP connection over IPv4 to address:port and gives its socket, in non-blocking mode
// with Nagle's delay turned off (each message leaves as soon as it is handed over). Gives an
// invalid handle, with nothing left open, when the address is empty or is neither a dotted IPv4
// address nor a plausible host name (letters, digits, '.', '-', '_'; nothing else is looked
// up), when the name cannot be resolved, when the port is outside 1..65535, when the server
// refuses, or when the handshake has not finished within the time-out. The name lookup blocks
// for as long as the system resolver takes.
SocketHandle connectTcp(const Text& address, std::int32_t port, std::chrono::milliseconds timeout);

} // namespace zanvik::link
