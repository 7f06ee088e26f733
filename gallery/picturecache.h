#pragma once

// The local picture cache: one file per title in the folder "images" of the run directory,
// named after the title with ".jpg" added, holding the picture's bytes as downloaded. The
// program never creates the folder, and never deletes a cache file; a file that holds no
// picture is downloaded again and replaced.
//
// A title comes from the network, so it reaches the file system only when it is safe as one
// file name (isSafeCacheTitle); every other title is never looked up nor stored. Look-ups are
// literal: "*" and "?" in a title name only the file of exactly that name.

#include "foundation/values/bytebuffer.h"
#include "foundation/values/text.h"

#include <optional>

namespace zanvik::gallery {

// True when the title (GBK) can be one file name inside the cache folder: not empty, every
// byte decodes as GBK, no "/" or "\" (whole characters: a double-byte character whose second
// byte is 0x5C is fine), no control character, not "." or "..", not starting with "." (no
// hidden files), and with ".jpg" added at most maxCacheFileNameBytes in UTF-8.
bool isSafeCacheTitle(const Text& title);

// runDirectory, "/images/", the title and ".jpg"; none for a title that is not safe or when
// the run directory is unknown.
std::optional<Text> cachePath(const Text& title);

// The cached picture of the title: the file's bytes, or the empty buffer when the title is not
// safe, or the file is missing, empty, unreadable or not a regular file. No wildcard matching.
ByteBuffer readCachedPicture(const Text& title);

// Creates or replaces the title's cache file with the bytes. False when the title is not safe,
// the folder "images" is missing, or the write fails.
bool writeCachedPicture(const Text& title, const ByteBuffer& picture);

} // namespace zanvik::gallery
