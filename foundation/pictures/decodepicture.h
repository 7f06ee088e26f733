#pragma once

#include <optional>

#include "foundation/pictures/bitmap.h"
#include "foundation/values/bytebuffer.h"

namespace zanvik {

// Every decoder refuses a picture of more pixels than this (64 megapixels), and any picture whose
// header claims more data than its bytes hold, before allocating for it.
inline constexpr std::int64_t maximumPicturePixels = 64LL * 1000 * 1000;

// Turns picture bytes into a bitmap, telling the format by the first bytes only, never by a file
// name: BMP, JPEG, PNG, icon, cursor, GIF (its first frame), PCX. Fewer than 6 bytes, an unknown
// format or bytes that do not decode give no picture. Never aborts, never reads or writes outside
// its buffers, whatever the bytes.
std::optional<Bitmap> decodePicture(const ByteBuffer& bytes);

// Every frame of a GIF with its delay; a still picture of any format gives one frame.
std::optional<Animation> decodeAnimation(const ByteBuffer& bytes);

} // namespace zanvik
