#pragma once

#include "foundation/values/bytebuffer.h"

#include <QImage>

namespace zanvik {

// The byte count of one row of 24-bit pixels in a BMP file: 3 bytes a pixel, rounded up to a
// multiple of 4.
std::int64_t bmpRowBytes(std::int32_t width);

// The image as a complete 24-bit BMP file: the 14-byte file header ("BM", file size, two zero
// reserved fields, pixel data offset 54), the 40-byte information header (width, positive
// height for bottom-up rows, 1 plane, 24 bits, no compression, the pixel data size, zero
// resolutions and colour counts), then the rows from the bottom up, each pixel blue, green,
// red, each row padded with zero bytes to a multiple of 4. No colour table. Alpha is dropped.
// Empty for an empty image or one whose file would exceed services::maximumCaptureBytes.
ByteBuffer encodeBmp24(const QImage& image);

} // namespace zanvik
