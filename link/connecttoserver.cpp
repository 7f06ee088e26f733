#include "link/connecttoserver.h"

#include "link/protocolconstants.h"
#include "link/serveraddress.h"

namespace zanvik::protocol {

bool connectToServer(ImageServerLink& link) {
    return link.connectTo(Text(SERVER_ADDRESS), SERVER_PORT);
}

} // namespace zanvik::protocol
