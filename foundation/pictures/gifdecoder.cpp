#include "foundation/pictures/gifdecoder.h"

#include "foundation/pictures/gifcanvas.h"
#include "foundation/pictures/giffile.h"
#include "foundation/pictures/picturelimits.h"

#include <cstring>

namespace zanvik {

namespace {

constexpr std::int32_t millisecondsPerDelayUnit = 10;
constexpr std::int32_t playedOnce = 1;

// Walks the records of a GIF, handing each whole frame to a canvas.
class GifWalker {
public:
    GifWalker(std::span<const std::uint8_t> bytes, bool firstFrameOnly)
        : file_(bytes), firstFrameOnly_(firstFrameOnly) {}

    std::optional<Animation> run();

private:
    bool readExtension();
    bool readFrame(GifFrame& frame);
    bool roomForAnotherFrame(const Animation& animation) const;

    GifFile file_;
    bool firstFrameOnly_;
    GifFrame control_; // what the last graphic control block said, for the next frame
    std::int32_t loopCount_ = playedOnce;
};

bool GifWalker::readExtension() {
    GifFileType* gif = file_.get();
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return false;
    }
    bool netscape = false;
    for (bool first = true; block != nullptr; first = false) {
        const int length = block[0];
        if (first && code == GRAPHICS_EXT_FUNC_CODE && length >= 4) {
            control_.disposal = (block[1] >> 2) & 0x07;
            control_.delayMilliseconds = (block[2] | block[3] << 8) * millisecondsPerDelayUnit;
            control_.transparentIndex = (block[1] & 0x01) != 0 ? block[4] : -1;
        } else if (first && code == APPLICATION_EXT_FUNC_CODE && length == 11) {
            netscape = std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0;
        } else if (netscape && length >= 3 && block[1] == 1) {
            const int repeats = block[2] | block[3] << 8;
            loopCount_ = repeats == 0 ? 0 : repeats + 1;
        }
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

// Reads the next frame's description and all its rows, putting interlaced rows in place.
bool GifWalker::readFrame(GifFrame& frame) {
    GifFileType* gif = file_.get();
    if (DGifGetImageDesc(gif) == GIF_ERROR) {
        return false;
    }
    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    const std::int64_t pixels = std::int64_t{desc.Width} * desc.Height;
    if (map == nullptr || pixels <= 0 || pixels > maximumPicturePixels) {
        return false;
    }
    frame.left = desc.Left;
    frame.top = desc.Top;
    frame.width = desc.Width;
    frame.height = desc.Height;
    frame.colours.clear();
    for (int i = 0; i < map->ColorCount; ++i) {
        const GifColorType& c = map->Colors[i];
        frame.colours.push_back(0xFF000000u | std::uint32_t{c.Red} << 16 |
                                std::uint32_t{c.Green} << 8 | c.Blue);
    }
    // Rows are read into a buffer that grows with them, so that missing data fails before a
    // large frame is allocated whole.
    const std::size_t width = static_cast<std::size_t>(desc.Width);
    std::vector<std::uint8_t> stored;
    for (std::int32_t row = 0; row < desc.Height; ++row) {
        stored.resize(stored.size() + width);
        if (DGifGetLine(gif, stored.data() + stored.size() - width, desc.Width) == GIF_ERROR) {
            return false;
        }
    }
    if (!desc.Interlace) {
        frame.indices = std::move(stored);
        return true;
    }
    frame.indices.assign(stored.size(), 0);
    constexpr std::int32_t starts[] = {0, 4, 2, 1};
    constexpr std::int32_t steps[] = {8, 8, 4, 2};
    std::size_t next = 0;
    for (int pass = 0; pass < 4; ++pass) {
        for (std::int32_t y = starts[pass]; y < desc.Height; y += steps[pass]) {
            std::memcpy(frame.indices.data() + static_cast<std::size_t>(y) * width,
                        stored.data() + next * width, width);
            ++next;
        }
    }
    return true;
}

bool GifWalker::roomForAnotherFrame(const Animation& animation) const {
    const std::int64_t canvasPixels = std::int64_t{file_.get()->SWidth} * file_.get()->SHeight;
    const auto frames = static_cast<std::int64_t>(animation.frames.size());
    return frames < maximumAnimationFrames && (frames + 1) * canvasPixels <= maximumAnimationPixels;
}

std::optional<Animation> GifWalker::run() {
    GifFileType* gif = file_.get();
    if (gif == nullptr) {
        return std::nullopt;
    }
    const std::int64_t screenPixels = std::int64_t{gif->SWidth} * gif->SHeight;
    if (screenPixels <= 0 || screenPixels > maximumPicturePixels) {
        return std::nullopt;
    }
    std::optional<GifCanvas> canvas;
    Animation animation;
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(gif, &type) != GIF_ERROR && type != TERMINATE_RECORD_TYPE) {
        if (type == EXTENSION_RECORD_TYPE) {
            if (!readExtension()) {
                break;
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE || !roomForAnotherFrame(animation)) {
            break;
        }
        GifFrame frame = control_;
        control_ = GifFrame{};
        if (!readFrame(frame)) {
            break;
        }
        if (!canvas) {
            canvas.emplace(gif->SWidth, gif->SHeight);
        }
        animation.frames.push_back({canvas->draw(frame), frame.delayMilliseconds});
        if (firstFrameOnly_) {
            break;
        }
    }
    if (animation.frames.empty()) {
        return std::nullopt;
    }
    animation.loopCount = loopCount_;
    return animation;
}

} // namespace

std::optional<Bitmap> decodeGif(std::span<const std::uint8_t> bytes) {
    auto animation = GifWalker(bytes, true).run();
    if (!animation) {
        return std::nullopt;
    }
    return std::move(animation->frames.front().bitmap);
}

std::optional<Animation> decodeGifAnimation(std::span<const std::uint8_t> bytes) {
    return GifWalker(bytes, false).run();
}

std::optional<PictureSize> gifSize(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t screenFields = 10;
    if (bytes.size() < screenFields) {
        return std::nullopt;
    }
    const std::int32_t width = bytes[6] | bytes[7] << 8;
    const std::int32_t height = bytes[8] | bytes[9] << 8;
    if (width == 0 || height == 0 || std::int64_t{width} * height > maximumPicturePixels) {
        return std::nullopt;
    }
    return PictureSize{width, height};
}

} // namespace zanvik
