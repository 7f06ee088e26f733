#pragma once

#include "foundation/values/text.h"
#include "link/imageserverlink.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zanvik::gallery {

// Where a gallery connects: none means the program's image server (SERVER_ADDRESS,
// SERVER_PORT); tests and tools name another one.
struct ServerEndpoint {
    Text address;
    std::int32_t port = 0;
};

// What the control "客户1" holds: the window's link to the image server and what the window
// remembers of its own exchange. Made with the window, destroyed with it.
struct GalleryClient {
    explicit GalleryClient(std::optional<ServerEndpoint> endpointOverride)
        : endpoint(std::move(endpointOverride)) {}

    // Connects (or reconnects) the link; gives whether it is connected.
    bool connect();

    std::optional<ServerEndpoint> endpoint;
    ImageServerLink link;
    // The last connect succeeded and the server has not closed the connection since.
    bool connectionOpen = false;
    // The list's entries as GBK bytes exactly as they arrived, one per entry in list order. The
    // list box shows them as Unicode, which cannot hold bytes that do not decode; titles are
    // sent and checked from here so that they stay byte for byte what the server sent.
    std::vector<Text> listTitles;
    // The title of the download under way, kept from its request to its end so that the
    // picture is stored and named under the title that was asked for, whatever the list shows
    // by then. None when no download of this window is under way.
    std::optional<Text> requestedTitle;
};

} // namespace zanvik::gallery
