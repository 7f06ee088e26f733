#pragma once

#include "foundation/pictures/bitmap.h"

#include <cstdint>
#include <vector>

namespace zanvik {

// One decoded GIF frame: its place on the screen, its colour indices row by row (top row first)
// and how it is drawn and disposed of.
struct GifFrame {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> indices;  // width × height
    std::vector<std::uint32_t> colours; // the colour table, 0xFFRRGGBB
    int transparentIndex = -1;          // -1: none
    int disposal = 0;                   // 2: clear to transparent, 3: restore the previous canvas
    std::int32_t delayMilliseconds = 0;
};

// The logical screen that frames are drawn onto, in order, each after the previous one's
// disposal. Starts fully transparent; draws only inside the screen.
class GifCanvas {
public:
    GifCanvas(std::int32_t width, std::int32_t height);

    // Draws the frame and gives the canvas as it then shows.
    const Bitmap& draw(const GifFrame& frame);

private:
    void disposePrevious();
    void fill(const GifFrame& frame, std::uint32_t colour);

    Bitmap canvas_;
    Bitmap saved_;
    GifFrame previousPlace_; // the previous frame's place and disposal; no pixels
};

} // namespace zanvik
