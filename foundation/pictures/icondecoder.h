#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturesize.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zanvik {

// Decodes an icon (type 1) or cursor (type 2) file: of the images listed in its directory it
// takes the one of most pixels (then most bits a pixel, then the first), and draws it at its own
// size onto white. A PNG image is blended onto white as every PNG is. A bitmap image with alpha
// (32 bits a pixel, some alpha not 0) is blended onto white by its alpha; any other is drawn as
// the system draws icons: white AND mask XOR colour. Gives nothing when no directory entry points
// inside the file, or the chosen image does not decode (a bitmap whose mask is cut off included).
std::optional<Bitmap> decodeIcon(std::span<const std::uint8_t> bytes);

// The size of the image that decodeIcon would draw, from its own header.
std::optional<PictureSize> iconSize(std::span<const std::uint8_t> bytes);

} // namespace zanvik
