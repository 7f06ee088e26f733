#pragma once

#include <cstdint>
#include <vector>

namespace zanvik {

// A decoded picture: width × height pixels, top row first, each pixel 0xAARRGGBB (the layout of
// QImage::Format_ARGB32, not premultiplied). A plain value: copies share nothing.
struct Bitmap {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels; // width * height entries

    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

// One frame of an animation, already composed onto the full canvas, with how long it stays.
struct AnimationFrame {
    Bitmap bitmap;
    std::int32_t delayMilliseconds = 0;
};

struct Animation {
    std::vector<AnimationFrame> frames; // at least one
    std::int32_t loopCount = 0;         // 0: for ever
};

} // namespace zanvik
