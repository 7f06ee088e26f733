#pragma once

// Helpers for tests that drive windows of the layer with QTest under the offscreen platform.
// Mouse input goes through the QWindow, as the window system's would, so that Qt's own
// routing (implicit grab included) takes part.

#include "foundation/windows/windowlayer.h"

#include <QPoint>
#include <functional>

class QWidget;

namespace zanvik::testing {

// The process's window layer, made on first use and kept until the process ends.
WindowLayer& layer();

// The centre of a widget, in its own coordinates.
QPoint centreOf(const QWidget* widget);
void pressLeft(QWidget* widget, QPoint at);
void releaseLeft(QWidget* widget, QPoint at);
void moveMouse(QWidget* widget, QPoint at, bool leftHeld);
inline void pressLeft(QWidget* widget) {
    pressLeft(widget, centreOf(widget));
}
inline void releaseLeft(QWidget* widget) {
    releaseLeft(widget, centreOf(widget));
}

// Runs the step once the current call has gone back to an event loop (for instance inside the
// nested loop of a modal window).
void later(std::function<void()> step);
// Runs the step a little later, on a timer: from inside a nested loop that an event handler
// starts meanwhile (QTest's mouse functions may run the handlers before they return).
void afterLoopStarts(std::function<void()> step);

// The open window made from this definition; fails the test when there is none.
Window& openedWindow(const WindowDefinition& definition);

} // namespace zanvik::testing
