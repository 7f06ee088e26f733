#pragma once

#include "foundation/pictures/picturelimits.h"

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace zanvik::server {

// Every limit of the server, with its default and the reason for it. Each one has a command-line
// flag (see options.cpp); the tests run the server with tiny values to trip each limit quickly.
struct Limits {
    // The largest picture an upload may carry. Phone photos saved as JPEG stay well below it;
    // a download of this size is 256 parts of `downloadPartBytes`.
    std::size_t maxPictureBytes = 8 * 1024 * 1024;
    // The longest title in bytes (GBK). 120 GBK bytes become at most 180 bytes of UTF-8, so the
    // title plus ".jpg" stays a valid file name (255 bytes) in every client's cache folder.
    std::size_t maxTitleBytes = 120;
    // The largest picture in pixels: what the desktop program's decoders accept, since a picture
    // the clients cannot show is not worth storing. It also bounds the memory of the content
    // check (4 bytes per pixel, one upload at a time).
    std::int64_t maxPicturePixels = maximumPicturePixels;
    // Connections served at once; a connection beyond it is closed at once. Each idle
    // connection costs a few kilobytes, so the default fits in well under 100 MB.
    std::size_t maxConnections = 12000;
    // A connection that sends nothing for this long is closed. The gallery keeps its connection
    // open while the user looks at pictures, so this is minutes, not seconds.
    std::chrono::milliseconds idleTimeout = std::chrono::minutes(10);
    // Bytes a connection may hold received but not yet consumed, this read included: the largest
    // honest message is one upload chunk (2000 bytes) or a title request, far below this. Below
    // about 4 KiB it refuses honest uploads; the tests set it that low on purpose.
    std::size_t maxBufferedBytes = 64 * 1024;
};

// Fixed choices of the protocol that are not limits a user tunes.
//
// Size of one download part: the largest that still travels as one TCP segment over loopback
// (its MSS is 65483 bytes), so the client takes each part as one arrival; 1 MiB needs 18 round
// trips. Over other links a part is one burst well inside a TCP window; see server/README.md
// for what happens when the client splits one.
inline constexpr std::size_t downloadPartBytes = 60 * 1024;
// The title list is cut, at a title's end, so that the whole message stays within this many
// bytes, for the same reason as the part size: the client takes it as one batch or not at all.
inline constexpr std::size_t maxTitleListBytes = 32 * 1024;
// Memory for recently downloaded pictures, so that a popular picture is not read from the
// database for every client; a picture larger than a quarter of it is never kept.
inline constexpr std::size_t pictureCacheBytes = 64 * 1024 * 1024;
// How many titles of requested pictures that the store does not hold are remembered (see
// server/README.md, "Unknown titles"), so that the table cannot grow without end.
inline constexpr std::size_t maxRetiredTitles = 100000;

} // namespace zanvik::server
