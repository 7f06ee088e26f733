#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturesize.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zanvik {

// Decodes a run-length encoded PCX file of one of three kinds: 8 bits a pixel in one plane with
// the 256-colour table at the end of the file (marker 0x0C), 8 bits in three planes (red, green,
// blue), or 1 bit in one plane (set bits white, clear bits black). Runs may cross from one row to
// the next. Gives nothing for any other kind, a missing colour table, a row length too short for
// the width, rows that need more than maximumPcxRunLength times the data's size (checked before
// allocating), a picture beyond maximumPicturePixels, or data that ends before the last row.
std::optional<Bitmap> decodePcx(std::span<const std::uint8_t> bytes);

// The width and height from a PCX header, checked as decodePcx checks it.
std::optional<PictureSize> pcxSize(std::span<const std::uint8_t> bytes);

} // namespace zanvik
