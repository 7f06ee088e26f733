#include "foundation/pictures/gifcanvas.h"

#include <algorithm>

namespace zanvik {

namespace {
constexpr int disposeToTransparent = 2;
constexpr int disposeToPrevious = 3;

// The part of a frame that lies on the screen, as [begin, end) in frame coordinates.
struct Span {
    std::int32_t begin;
    std::int32_t end;
};

Span visible(std::int32_t offset, std::int32_t length, std::int32_t screen) {
    const std::int64_t begin = std::max<std::int64_t>(0, -std::int64_t{offset});
    const std::int64_t end = std::min<std::int64_t>(length, std::int64_t{screen} - offset);
    return {static_cast<std::int32_t>(begin), static_cast<std::int32_t>(std::max(begin, end))};
}
} // namespace

GifCanvas::GifCanvas(std::int32_t width, std::int32_t height) {
    canvas_.width = width;
    canvas_.height = height;
    canvas_.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

void GifCanvas::fill(const GifFrame& frame, std::uint32_t colour) {
    const Span columns = visible(frame.left, frame.width, canvas_.width);
    const Span rows = visible(frame.top, frame.height, canvas_.height);
    for (std::int32_t y = rows.begin; y < rows.end; ++y) {
        const std::size_t row = static_cast<std::size_t>(frame.top + y) * canvas_.width;
        for (std::int32_t x = columns.begin; x < columns.end; ++x) {
            canvas_.pixels[row + static_cast<std::size_t>(frame.left + x)] = colour;
        }
    }
}

void GifCanvas::disposePrevious() {
    if (previousPlace_.disposal == disposeToTransparent) {
        fill(previousPlace_, 0);
    } else if (previousPlace_.disposal == disposeToPrevious && !saved_.pixels.empty()) {
        canvas_ = saved_;
    }
}

const Bitmap& GifCanvas::draw(const GifFrame& frame) {
    disposePrevious();
    if (frame.disposal == disposeToPrevious) {
        saved_ = canvas_;
    }
    const Span columns = visible(frame.left, frame.width, canvas_.width);
    const Span rows = visible(frame.top, frame.height, canvas_.height);
    for (std::int32_t y = rows.begin; y < rows.end; ++y) {
        const std::size_t in = static_cast<std::size_t>(y) * frame.width;
        const std::size_t out = static_cast<std::size_t>(frame.top + y) * canvas_.width;
        for (std::int32_t x = columns.begin; x < columns.end; ++x) {
            const int index = frame.indices[in + static_cast<std::size_t>(x)];
            if (index != frame.transparentIndex &&
                static_cast<std::size_t>(index) < frame.colours.size()) {
                canvas_.pixels[out + static_cast<std::size_t>(frame.left + x)] =
                    frame.colours[static_cast<std::size_t>(index)];
            }
        }
    }
    previousPlace_ =
        GifFrame{frame.left, frame.top, frame.width, frame.height, {}, {}, -1, frame.disposal, 0};
    return canvas_;
}

} // namespace zanvik
