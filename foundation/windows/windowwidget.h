#pragma once

// The top-level widget of a Window: its client area with the back colour and the background
// picture, the close button and Esc.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace zanvik {

class Window;

class WindowWidget final : public QWidget {
    Q_OBJECT
public:
    explicit WindowWidget(Window& window);

    // Mode 0 own size at the top-left, 1 tiled, 2 centred and shrunk to fit, 3 stretched;
    // other values are clamped.
    void setBackground(const QImage& picture, std::int32_t mode);
    void setBackColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Window& window_;
    QImage background_;
    std::int32_t mode_ = 0;
    QColor backColour_;
};

} // namespace zanvik
