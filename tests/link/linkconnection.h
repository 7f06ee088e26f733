#pragma once

#include "link/imageserverlink.h"
#include "tests/link/loopbacklistener.h"

namespace zanvik::testing {

// Connects the link to the listener on loopback and gives the server's end of the connection;
// an invalid peer when the link could not connect or the connection did not show up in time.
LoopbackPeer connectAndAccept(ImageServerLink& link, LoopbackListener& server);

} // namespace zanvik::testing
