#include "foundation/services/clipboard.h"

#include "foundation/pictures/decodepicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>

namespace zanvik {

QImage imageFromBitmap(const Bitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() !=
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return {};
    }
    QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
    if (image.isNull()) {
        return {};
    }
    const std::size_t rowBytes = static_cast<std::size_t>(bitmap.width) * sizeof(std::uint32_t);
    for (std::int32_t y = 0; y < bitmap.height; ++y) {
        std::memcpy(image.scanLine(y),
                    bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width, rowBytes);
    }
    return image;
}

void copyPictureToClipboard(const ByteBuffer& pictureBytes) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const std::optional<Bitmap> bitmap =
        pictureBytes.empty() ? std::nullopt : decodePicture(pictureBytes);
    const QImage image = bitmap ? imageFromBitmap(*bitmap) : QImage();
    if (image.isNull()) {
        clipboard->clear();
    } else {
        clipboard->setImage(image);
    }
}

} // namespace zanvik
