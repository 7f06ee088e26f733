#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturesize.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zanvik {

// Decodes a JPEG through libjpeg-turbo: greyscale, YCbCr/RGB and CMYK/YCCK (Adobe's inverted
// CMYK when the file carries Adobe's marker), baseline, progressive or arithmetic. Gives nothing
// for a picture beyond maximumPicturePixels (checked on the header, before any pixel buffer),
// for more than maximumJpegScans scans, for data that ends before the picture does, or for any
// error libjpeg reports. Never exits the process: libjpeg's errors come back here.
std::optional<Bitmap> decodeJpeg(std::span<const std::uint8_t> bytes);

// The width and height from the JPEG's frame header, read by libjpeg without decoding pixels;
// nothing when the header does not read or is beyond maximumPicturePixels.
std::optional<PictureSize> jpegSize(std::span<const std::uint8_t> bytes);

} // namespace zanvik
