#include "foundation/windows/labelwidget.h"

#include "foundation/windows/pictureboxwidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace zanvik {

LabelWidget::LabelWidget(QWidget* parent, bool transparent, const ControlDefinition& definition,
                         const QColor& textColour, const QColor& backColour)
    : QWidget(parent), transparent_(transparent), horizontal_(definition.horizontalAlignment),
      vertical_(definition.verticalAlignment), wordWrap_(definition.wordWrap),
      textColour_(textColour), backColour_(backColour) {
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    if (!transparent_) {
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    }
}

void LabelWidget::setText(const QString& text) {
    text_ = text;
    update();
}

void LabelWidget::setLeftButtonDown(std::function<void(const MouseEvent&)> handler) {
    leftButtonDown_ = std::move(handler);
    setAttribute(Qt::WA_TransparentForMouseEvents, !leftButtonDown_);
}

int LabelWidget::drawingFlags() const {
    int flags = 0;
    switch (horizontal_) {
    case HorizontalAlignment::Left:
        flags |= Qt::AlignLeft;
        break;
    case HorizontalAlignment::Centre:
        flags |= Qt::AlignHCenter;
        break;
    case HorizontalAlignment::Right:
        flags |= Qt::AlignRight;
        break;
    }
    if (wordWrap_) {
        return flags | Qt::TextWordWrap | Qt::AlignTop;
    }
    flags |= Qt::TextSingleLine;
    switch (vertical_) {
    case VerticalAlignment::Top:
        return flags | Qt::AlignTop;
    case VerticalAlignment::Centre:
        return flags | Qt::AlignVCenter;
    case VerticalAlignment::Bottom:
        return flags | Qt::AlignBottom;
    }
    return flags;
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), backColour_);
    }
    painter.setFont(font());
    painter.setPen(textColour_);
    painter.drawText(rect(), drawingFlags(), text_);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && leftButtonDown_) {
        leftButtonDown_(mouseEventFrom(*event));
    }
    event->accept();
}

} // namespace zanvik
