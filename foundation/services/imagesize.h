#pragma once

#include "foundation/values/text.h"

#include <cstdint>

namespace zanvik {

// The width and height in pixels of the picture in the file at the path, in any format that
// decodePicture knows (told by its first bytes, never by the file name). 0 for an empty path, a
// missing or unreadable file, and bytes that are not a picture.
std::int32_t imageWidth(const Text& path);
std::int32_t imageHeight(const Text& path);

} // namespace zanvik
