#pragma once

#include <cstdint>

namespace zanvik {

// A picture's width and height in pixels, as its header gives them.
struct PictureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

} // namespace zanvik
