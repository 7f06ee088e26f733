#include "foundation/windows/pictureboxwidget.h"

#include "foundation/windows/picturebytes.h"
#include "foundation/windows/picturelayout.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace zanvik {
namespace {

// Frame delays below this are shown for this long, as browsers do: many GIFs say 0 or 10 ms
// and mean "as fast as is sensible".
constexpr std::int32_t shortestFrameDelayMilliseconds = 20;
constexpr std::int32_t defaultFrameDelayMilliseconds = 100;

} // namespace

std::int32_t modifierBits(Qt::KeyboardModifiers modifiers) {
    std::int32_t bits = 0;
    if (modifiers & Qt::ControlModifier) {
        bits += MouseEvent::ctrl;
    }
    if (modifiers & Qt::ShiftModifier) {
        bits += MouseEvent::shift;
    }
    if (modifiers & Qt::AltModifier) {
        bits += MouseEvent::alt;
    }
    return bits;
}

MouseEvent mouseEventFrom(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y(), modifierBits(event.modifiers())};
}

PictureBoxWidget::PictureBoxWidget(QWidget* parent, bool border, const QColor& backColour,
                                   bool playAnimation)
    : QWidget(parent), border_(border), backColour_(backColour), playAnimation_(playAnimation) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PictureBoxWidget::showNextFrame);
}

void PictureBoxWidget::setPicture(const ByteBuffer& bytes) {
    timer_.stop();
    frame_ = 0;
    DecodedFrames decoded = framesFromPictureBytes(bytes);
    if (!playAnimation_ && decoded.frames.size() > 1) {
        decoded.frames.resize(1);
        decoded.delaysMilliseconds.resize(1);
    }
    frames_ = std::move(decoded.frames);
    delays_ = std::move(decoded.delaysMilliseconds);
    loopsLeft_ = decoded.loopCount;
    if (frames_.size() > 1) {
        const std::int32_t delay = delays_[0] > 0 ? delays_[0] : defaultFrameDelayMilliseconds;
        timer_.start(std::max(delay, shortestFrameDelayMilliseconds));
    }
    update();
}

void PictureBoxWidget::setDisplayMode(std::int32_t mode) {
    mode_ = std::clamp(mode, 0, 2);
    update();
}

QImage PictureBoxWidget::currentFrame() const {
    return frames_.empty() ? QImage() : frames_[frame_];
}

void PictureBoxWidget::showNextFrame() {
    if (frames_.size() < 2) {
        return;
    }
    if (frame_ + 1 == frames_.size()) {
        if (loopsLeft_ == 1) {
            return; // the last loop has been shown; stay on its last frame
        }
        if (loopsLeft_ > 1) {
            --loopsLeft_;
        }
        frame_ = 0;
    } else {
        ++frame_;
    }
    const std::int32_t delay =
        delays_[frame_] > 0 ? delays_[frame_] : defaultFrameDelayMilliseconds;
    timer_.start(std::max(delay, shortestFrameDelayMilliseconds));
    update();
}

void PictureBoxWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), backColour_);
    const QRect inside = border_ ? rect().adjusted(1, 1, -1, -1) : rect();
    if (!frames_.empty()) {
        const QImage& picture = frames_[frame_];
        painter.save();
        painter.setClipRect(inside);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        switch (mode_) {
        case 0:
            painter.drawImage(inside.topLeft(), picture);
            break;
        case 1:
            painter.drawImage(inside, picture);
            break;
        default:
            painter.drawImage(fitCentred(picture.size(), inside), picture);
            break;
        }
        painter.restore();
    }
    if (border_) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && leftButtonDown) {
        leftButtonDown(mouseEventFrom(*event));
    }
    event->accept();
}

} // namespace zanvik
