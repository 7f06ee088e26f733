#include "foundation/pictures/decodepicture.h"

#include "foundation/pictures/bmpdecoder.h"
#include "foundation/pictures/gifdecoder.h"
#include "foundation/pictures/icondecoder.h"
#include "foundation/pictures/jpegdecoder.h"
#include "foundation/pictures/pcxdecoder.h"
#include "foundation/pictures/pictureformat.h"
#include "foundation/pictures/pngdecoder.h"

namespace zanvik {

namespace {

using Bytes = std::span<const std::uint8_t>;

// What reads one format: its decoder and its header-only size probe.
struct FormatReader {
    std::optional<Bitmap> (*decode)(Bytes);
    std::optional<PictureSize> (*size)(Bytes);
};

std::optional<FormatReader> readerFor(PictureFormat format) {
    switch (format) {
    case PictureFormat::bmp:
        return FormatReader{decodeBmp, bmpSize};
    case PictureFormat::jpeg:
        return FormatReader{decodeJpeg, jpegSize};
    case PictureFormat::png:
        return FormatReader{decodePng, pngSize};
    case PictureFormat::icon:
    case PictureFormat::cursor:
        return FormatReader{decodeIcon, iconSize};
    case PictureFormat::gif:
        return FormatReader{decodeGif, gifSize};
    case PictureFormat::pcx8:
    case PictureFormat::pcx1:
        return FormatReader{decodePcx, pcxSize};
    case PictureFormat::unknown:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<Bitmap> decodePicture(const ByteBuffer& bytes) {
    const auto reader = readerFor(sniffPictureFormat(bytes.bytes()));
    return reader ? reader->decode(bytes.bytes()) : std::nullopt;
}

std::optional<PictureSize> pictureSize(const ByteBuffer& bytes) {
    const auto reader = readerFor(sniffPictureFormat(bytes.bytes()));
    return reader ? reader->size(bytes.bytes()) : std::nullopt;
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
