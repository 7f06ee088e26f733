#include "foundation/windows/windowwidget.h"

#include "foundation/windows/picturelayout.h"
#include "foundation/windows/window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace zanvik {

WindowWidget::WindowWidget(Window& window) : window_(window) {
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void WindowWidget::setBackground(const QImage& picture, std::int32_t mode) {
    background_ = picture;
    mode_ = std::clamp(mode, 0, 3);
    update();
}

void WindowWidget::setBackColour(const QColor& colour) {
    backColour_ = colour;
    update();
}

void WindowWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), backColour_);
    if (background_.isNull()) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    switch (mode_) {
    case 0:
        painter.drawImage(QPoint(0, 0), background_);
        break;
    case 1:
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(background_));
        break;
    case 2:
        painter.drawImage(fitCentred(background_.size(), rect()), background_);
        break;
    default:
        painter.drawImage(rect(), background_);
        break;
    }
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // The layer destroys the window itself; Qt must not close it underneath.
    event->ignore();
    if (!window_.disabled()) {
        window_.close();
    }
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        window_.definition().escCloses) {
        event->accept();
        window_.close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zanvik
