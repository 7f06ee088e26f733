#include "foundation/pictures/decodepicture.h"

#include "foundation/pictures/bmpdecoder.h"
#include "foundation/pictures/gifdecoder.h"
#include "foundation/pictures/icondecoder.h"
#include "foundation/pictures/jpegdecoder.h"
#include "foundation/pictures/pcxdecoder.h"
#include "foundation/pictures/pictureformat.h"
#include "foundation/pictures/pngdecoder.h"

namespace zanvik {

std::optional<Bitmap> decodePicture(const ByteBuffer& bytes) {
    const std::span<const std::uint8_t> view = bytes.bytes();
    switch (sniffPictureFormat(view)) {
    case PictureFormat::bmp:
        return decodeBmp(view);
    case PictureFormat::jpeg:
        return decodeJpeg(view);
    case PictureFormat::png:
        return decodePng(view);
    case PictureFormat::icon:
    case PictureFormat::cursor:
        return decodeIcon(view);
    case PictureFormat::gif:
        return decodeGif(view);
    case PictureFormat::pcx8:
    case PictureFormat::pcx1:
        return decodePcx(view);
    case PictureFormat::unknown:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<PictureSize> pictureSize(const ByteBuffer& bytes) {
    const std::span<const std::uint8_t> view = bytes.bytes();
    switch (sniffPictureFormat(view)) {
    case PictureFormat::bmp:
        return bmpSize(view);
    case PictureFormat::jpeg:
        return jpegSize(view);
    case PictureFormat::png:
        return pngSize(view);
    case PictureFormat::icon:
    case PictureFormat::cursor:
        return iconSize(view);
    case PictureFormat::gif:
        return gifSize(view);
    case PictureFormat::pcx8:
    case PictureFormat::pcx1:
        return pcxSize(view);
    case PictureFormat::unknown:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Animation> decodeAnimation(const ByteBuffer& bytes) {
    if (sniffPictureFormat(bytes.bytes()) == PictureFormat::gif) {
        return decodeGifAnimation(bytes.bytes());
    }
    auto still = decodePicture(bytes);
    if (!still) {
        return std::nullopt;
    }
    Animation animation;
    animation.frames.push_back({std::move(*still), 0});
    return animation;
}

} // namespace zanvik
