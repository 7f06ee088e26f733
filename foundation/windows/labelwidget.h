#pragma once

// A label or a transparent label. Both draw their text by the same rules: horizontal
// alignment; without word wrap one line placed by the vertical alignment; with word wrap as
// many lines as needed from the top. A label fills its area with its back colour first; a
// transparent label fills nothing, so the controls behind it show through.

#include "foundation/windows/windowdefinition.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

namespace zanvik {

class LabelWidget final : public QWidget {
    Q_OBJECT
public:
    LabelWidget(QWidget* parent, bool transparent, const ControlDefinition& definition,
                const QColor& textColour, const QColor& backColour);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    // The flags the text is drawn with; for tests.
    int drawingFlags() const;

    // Set only for a control that handles leftButtonDown; without it the label lets the mouse
    // through to what lies below, as a static control does.
    void setLeftButtonDown(std::function<void(const MouseEvent&)> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool transparent_;
    HorizontalAlignment horizontal_;
    VerticalAlignment vertical_;
    bool wordWrap_;
    QColor textColour_;
    QColor backColour_;
    QString text_;
    std::function<void(const MouseEvent&)> leftButtonDown_;
};

} // namespace zanvik
