#pragma once

// Every limit of the gallery window, with its reason, in one place.

#include <cstdint>

namespace zanvik::gallery {

// The most bytes one download may gather in downloadBuffer. The server's pictures are at most a
// few MiB (its own limit is 8 MiB); a peer that streams without end would otherwise grow the
// buffer until memory runs out. A download that would pass it fails and its bytes are dropped.
inline constexpr std::int32_t maxDownloadBytes = 64 * 1024 * 1024;

// The longest cache file name, title and ".jpg" together, in the file system's UTF-8 bytes: the
// usual limit of one name in a folder (NAME_MAX). A longer title is shown but not cached.
inline constexpr std::int32_t maxCacheFileNameBytes = 255;

} // namespace zanvik::gallery
