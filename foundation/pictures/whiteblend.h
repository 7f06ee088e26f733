#pragma once

#include <cstdint>
#include <span>

namespace zanvik {

// Puts a pixel that is not fully opaque onto white, channel by channel:
// alpha / 255 × colour + (1 − alpha / 255) × 255, rounded to the nearest integer. The result is
// opaque. An opaque pixel comes back unchanged.
inline std::uint32_t blendOntoWhite(std::uint32_t argb) {
    const std::uint32_t alpha = argb >> 24;
    if (alpha == 255) {
        return argb;
    }
    const auto channel = [alpha](std::uint32_t colour) {
        return (alpha * colour + (255 - alpha) * 255 + 127) / 255;
    };
    return 0xFF000000u | channel((argb >> 16) & 0xFF) << 16 | channel((argb >> 8) & 0xFF) << 8 |
           channel(argb & 0xFF);
}

inline void blendOntoWhite(std::span<std::uint32_t> pixels) {
    for (std::uint32_t& pixel : pixels) {
        pixel = blendOntoWhite(pixel);
    }
}

} // namespace zanvik
