#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturesize.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zanvik {

// Decodes a Windows bitmap file ("BM", a 14-byte file header, then a device-independent bitmap):
// 1, 4, 8, 16, 24 and 32 bits a pixel, bottom-up and top-down, RLE4 and RLE8, bit-field masks.
// Pixels come out as they are stored, opaque unless the header gives an alpha mask. Gives
// nothing for a header it does not know, a pixel offset outside the file, or pixel data shorter
// than the header claims. The file size field is not trusted.
std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> bytes);

// The width and height from a bitmap file's headers, checked as decodeBmp checks them.
std::optional<PictureSize> bmpSize(std::span<const std::uint8_t> bytes);

} // namespace zanvik
