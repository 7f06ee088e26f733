#include "painting.h"

#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace zanvik::assets {

QImage canvas(int width, int height, QColor background) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void enableSmoothPainting(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void save(const QImage& image, const QString& path, int jpegQuality) {
    const bool isJpeg = path.endsWith(".jpg", Qt::CaseInsensitive);
    const QImage out = isJpeg ? image : image.convertToFormat(QImage::Format_RGB888);
    if (!out.save(path, nullptr, isJpeg ? jpegQuality : -1)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

} // namespace zanvik::assets
