#include "foundation/services/widgetcapture.h"

#include "foundation/services/bmpfile.h"

#include <QWidget>

namespace zanvik {

QImage renderWidgetArea(const QWidget* widget) {
    if (widget == nullptr || widget->width() <= 0 || widget->height() <= 0) {
        return {};
    }
    QWidget* window = widget->window();
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    QImage image(widget->size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    image.fill(window->palette().color(QPalette::Window));
    window->render(&image, QPoint(0, 0), QRegion(area),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

ByteBuffer captureWidgetImage(const QWidget* widget) {
    return encodeBmp24(renderWidgetArea(widget));
}

} // namespace zanvik
