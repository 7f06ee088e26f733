#pragma once

// A picture box: back colour, optional one-pixel border, a still picture or a GIF animation
// shown by display mode 0 (own size, top-left), 1 (stretched) or 2 (centred, shrunk to fit).

#include "foundation/values/bytebuffer.h"
#include "foundation/windows/windowdefinition.h"

#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

namespace zanvik {

class PictureBoxWidget final : public QWidget {
    Q_OBJECT
public:
    PictureBoxWidget(QWidget* parent, bool border, const QColor& backColour, bool playAnimation);

    // Undecodable bytes leave only the back colour.
    void setPicture(const ByteBuffer& bytes);
    void setDisplayMode(std::int32_t mode); // clamped to 0..2
    std::int32_t displayMode() const { return mode_; }
    // The frame shown now (null when there is no picture); for tests and services.
    QImage currentFrame() const;
    std::size_t frameCount() const { return frames_.size(); }

    std::function<void(const MouseEvent&)> leftButtonDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showNextFrame();

    bool border_;
    QColor backColour_;
    bool playAnimation_;
    std::int32_t mode_ = 0;
    std::vector<QImage> frames_;
    std::vector<std::int32_t> delays_;
    std::int32_t loopsLeft_ = 0; // 0: for ever
    std::size_t frame_ = 0;
    QTimer timer_;
};

// Modifier keys as the mouse events carry them: 1 Ctrl, 2 Shift, 4 Alt.
std::int32_t modifierBits(Qt::KeyboardModifiers modifiers);
// What leftButtonDown carries for a press on a widget.
MouseEvent mouseEventFrom(const QMouseEvent& event);

} // namespace zanvik
