#pragma once

#include "link/imageserverlink.h"

namespace zanvik::protocol {

// Connects the link to the image server at SERVER_ADDRESS, port SERVER_PORT; gives connectTo's
// result. Both network windows use it on creation and from their reconnect buttons.
bool connectToServer(ImageServerLink& link);

} // namespace zanvik::protocol
