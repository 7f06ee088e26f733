#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturelimits.h"
#include "foundation/pictures/picturesize.h"
#include "foundation/values/bytebuffer.h"

#include <optional>

namespace zanvik {

// Turns picture bytes into a bitmap, telling the format by the first bytes only, never by a file
// name: BMP, JPEG, PNG, icon, cursor, GIF (its first frame), PCX. Fewer than 6 bytes, an unknown
// format or bytes that do not decode give no picture. Never aborts, never reads or writes outside
// its buffers, whatever the bytes.
std::optional<Bitmap> decodePicture(const ByteBuffer& bytes);

// The width and height that decodePicture would give, read from the headers only: cheap, and
// nothing is allocated for the pixels. Tells the format as decodePicture does and applies the same
// header checks and limits; a size does not promise that the pixels decode. Nothing for bytes
// that are no picture by their headers.
std::optional<PictureSize> pictureSize(const ByteBuffer& bytes);

// Every frame of a GIF with its delay; a still picture of any format gives one frame.
std::optional<Animation> decodeAnimation(const ByteBuffer& bytes);

} // namespace zanvik
