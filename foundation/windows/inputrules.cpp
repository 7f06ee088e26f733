#include "foundation/windows/inputrules.h"

#include "foundation/windows/layerstate.h"
#include "foundation/windows/pictureboxwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zanvik {
namespace {

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

QWidget* topLevelOf(QObject* window) {
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->windowHandle() == window) {
            return topLevel;
        }
    }
    return nullptr;
}

} // namespace

InputRules::InputRules(LayerState& layer) : layer_(layer) {}

bool InputRules::blockedByDisabledWindow(QObject* receiver) const {
    if (!receiver->isWidgetType()) {
        return false;
    }
    const QWidget* widget = static_cast<QWidget*>(receiver)->window();
    const Window* window = widget != nullptr ? layer_.windowOfTopLevel(widget) : nullptr;
    return window != nullptr && window->disabled();
}

bool InputRules::eventFilter(QObject* receiver, QEvent* event) {
    if (!isInput(event->type())) {
        return false;
    }
    // Mouse events reach the QWindow once before Qt picks the widget (and before its implicit
    // grab decides where a release goes); the layer's own rules act there. Nothing is blocked
    // at this level, so that Qt's own bookkeeping of buttons and grabs always completes.
    if (receiver->isWindowType()) {
        const bool pressOrRelease = event->type() == QEvent::MouseButtonPress ||
                                    event->type() == QEvent::MouseButtonRelease;
        if (!pressOrRelease) {
            return false;
        }
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            layer_.lastLeftPress = mouse->globalPosition().toPoint();
        } else {
            releaseLeftButton(receiver, mouse->globalPosition(), mouse->modifiers());
        }
        return false;
    }
    if (blockedByDisabledWindow(receiver)) {
        if (event->type() == QEvent::MouseButtonPress) {
            bringEnabledWindowForward();
        }
        return true;
    }
    return false;
}

void InputRules::bringEnabledWindowForward() const {
    // A click on a window that a modal window disabled brings the modal window forward.
    const auto& windows = layer_.windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (!(*it)->disabled() && (*it)->visible()) {
            (*it)->widget()->raise();
            (*it)->widget()->activateWindow();
            return;
        }
    }
}

void InputRules::releaseLeftButton(QObject* window, const QPointF& globalPosition,
                                   Qt::KeyboardModifiers modifiers) {
    const QPoint global = globalPosition.toPoint();
    QWidget* under = QApplication::widgetAt(global);
    if (under == nullptr) {
        if (QWidget* topLevel = topLevelOf(window)) {
            const QPoint local = topLevel->mapFromGlobal(global);
            under = topLevel->childAt(local);
        }
    }
    Control* control = layer_.controlOf(under);
    if (control == nullptr || control->kind() != ControlKind::PictureBox ||
        !control->definition().leftButtonUp || !control->widget()->isEnabled() ||
        control->window().disabled()) {
        return;
    }
    const QPoint at = control->widget()->mapFromGlobal(global);
    const MouseEvent mouseEvent{at.x(), at.y(), modifierBits(modifiers)};
    const MouseHandler& handler = control->definition().leftButtonUp;
    Window& target = control->window();
    layer_.postHandler(target, [&handler, &target, mouseEvent] { handler(target, mouseEvent); });
}

} // namespace zanvik
