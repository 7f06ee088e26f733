#include "foundation/windows/picturebytes.h"

#include "foundation/pictures/decodepicture.h"

#include <QFile>

namespace zanvik {
namespace {

QImage imageFromBitmap(const Bitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() !=
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return {};
    }
    const QImage view(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width,
                      bitmap.height, bitmap.width * 4, QImage::Format_ARGB32);
    return view.copy();
}

} // namespace

QImage imageFromPictureBytes(const ByteBuffer& bytes) {
    auto bitmap = decodePicture(bytes);
    return bitmap ? imageFromBitmap(*bitmap) : QImage();
}

DecodedFrames framesFromPictureBytes(const ByteBuffer& bytes) {
    DecodedFrames result;
    auto animation = decodeAnimation(bytes);
    if (!animation) {
        return result;
    }
    for (const AnimationFrame& frame : animation->frames) {
        QImage image = imageFromBitmap(frame.bitmap);
        if (image.isNull()) {
            return {};
        }
        result.frames.push_back(std::move(image));
        result.delaysMilliseconds.push_back(frame.delayMilliseconds);
    }
    result.loopCount = animation->loopCount;
    return result;
}

ByteBuffer readPictureBytes(std::string_view path) {
    if (path.empty()) {
        return {};
    }
    QFile file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray content = file.readAll();
    return ByteBuffer(reinterpret_cast<const std::uint8_t*>(content.constData()),
                      static_cast<std::size_t>(content.size()));
}

} // namespace zanvik
