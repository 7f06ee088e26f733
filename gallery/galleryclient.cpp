#include "gallery/galleryclient.h"

#include "link/connecttoserver.h"

namespace zanvik::gallery {

bool GalleryClient::connect() {
    connectionOpen = endpoint ? link.connectTo(endpoint->address, endpoint->port)
                              : protocol::connectToServer(link);
    return connectionOpen;
}

} // namespace zanvik::gallery
