#pragma once

// Input rules of the original platform that differ from Qt's, applied to every event of the
// application: a disabled window takes no input while it keeps its look, and a left-button
// release goes to the control under the pointer, wherever the button went down.

#include <QObject>

namespace zanvik {

class LayerState;

class InputRules final : public QObject {
    Q_OBJECT
public:
    explicit InputRules(LayerState& layer);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool blockedByDisabledWindow(QObject* receiver) const;
    void bringEnabledWindowForward() const;
    void releaseLeftButton(QObject* window, const QPointF& globalPosition,
                           Qt::KeyboardModifiers modifiers);

    LayerState& layer_;
};

} // namespace zanvik
