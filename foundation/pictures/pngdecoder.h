#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturesize.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zanvik {

// Decodes a PNG through libpng: every colour type and bit depth, interlaced or not, with a
// transparency chunk or an alpha channel. A pixel that is not fully opaque is blended onto white
// (blendOntoWhite), so the bitmap is opaque. Gives nothing for a picture beyond
// maximumPicturePixels, for rows that need more than maximumDeflateRatio times the file's size
// (both checked before any pixel buffer), for data that ends early, and for any libpng error.
std::optional<Bitmap> decodePng(std::span<const std::uint8_t> bytes);

// The width and height from the PNG's header chunk (signature, then IHDR), without libpng;
// nothing for a size of no pixels or beyond maximumPicturePixels.
std::optional<PictureSize> pngSize(std::span<const std::uint8_t> bytes);

} // namespace zanvik
