#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturelimits.h"
#include "foundation/values/bytebuffer.h"

#include <optional>

namespace zanvik {

// Turns picture bytes into a bitmap, telling the format by the first bytes only, never by a file
// name: BMP, JPEG, PNG, icon, cursor, GIF (its first frame), PCX. Fewer than 6 bytes, an unknown
// format or bytes that do not decode give no picture. Never aborts, never reads or writes outside
// its buffers, whatever the bytes.
std::optional<Bitmap> decodePicture(const ByteBuffer& bytes);

// Every frame of a GIF with its delay; a still picture of any format gives one frame.
std::optional<Animation> decodeAnimation(const ByteBuffer& bytes);

} // namespace zanvik
