// Stands in for the program's own picture decoders until zanvik_pictures is part of the build:
// Qt's readers, within the same pixel limit. Built only when that library does not exist.
#include <QBuffer>
#include <QImageReader>

#include "foundation/pictures/decodepicture.h"

namespace zanvik {
namespace {

std::optional<Bitmap> bitmapFrom(QImage image) {
    if (image.isNull()) {
        return std::nullopt;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    Bitmap bitmap{image.width(), image.height(), {}};
    bitmap.pixels.resize(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(row, row + image.width(),
                  bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width());
    }
    return bitmap;
}

} // namespace

std::optional<Animation> decodeAnimation(const ByteBuffer& bytes) {
    if (bytes.length() < 6) {
        return std::nullopt;
    }
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), bytes.length());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() ||
        static_cast<std::int64_t>(size.width()) * size.height() > maximumPicturePixels) {
        return std::nullopt;
    }
    Animation animation;
    animation.loopCount = reader.loopCount() < 0 ? 0 : reader.loopCount();
    QImage frame;
    while (reader.read(&frame)) {
        auto bitmap = bitmapFrom(frame);
        if (!bitmap) {
            break;
        }
        animation.frames.push_back({std::move(*bitmap), reader.nextImageDelay()});
        if (!reader.supportsAnimation()) {
            break;
        }
    }
    if (animation.frames.empty()) {
        return std::nullopt;
    }
    return animation;
}

std::optional<Bitmap> decodePicture(const ByteBuffer& bytes) {
    auto animation = decodeAnimation(bytes);
    if (!animation) {
        return std::nullopt;
    }
    return std::move(animation->frames.front().bitmap);
}

} // namespace zanvik
