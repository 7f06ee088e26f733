#pragma once

// Picture bytes to Qt images, through the program's own decoder.

#include "foundation/values/bytebuffer.h"

#include <QImage>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zanvik {

struct DecodedFrames {
    std::vector<QImage> frames; // empty: no picture
    std::vector<std::int32_t> delaysMilliseconds;
    std::int32_t loopCount = 0;
};

// A still picture; null when the bytes do not decode.
QImage imageFromPictureBytes(const ByteBuffer& bytes);
// Every frame of an animation (one for a still picture).
DecodedFrames framesFromPictureBytes(const ByteBuffer& bytes);
// The whole content of a resource (":/...") or file path; empty when it cannot be read.
ByteBuffer readPictureBytes(std::string_view path);

} // namespace zanvik
