#include "windowtesting.h"

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace zanvik::testing {
namespace {

QWindow* windowOf(QWidget* widget, QPoint at, QPoint& inWindow) {
    QWidget* top = widget->window();
    inWindow = widget->mapTo(top, at);
    return top->windowHandle();
}

} // namespace

WindowLayer& layer() {
    static int argc = 1;
    static char name[] = "zanvik-test";
    static char* argv[] = {name, nullptr};
    // Reachable for the whole run; the process ends without tearing Qt down.
    static WindowLayer* const made = new WindowLayer(argc, argv);
    return *made;
}

QPoint centreOf(const QWidget* widget) {
    return {widget->width() / 2, widget->height() / 2};
}

void pressLeft(QWidget* widget, QPoint at) {
    QPoint inWindow;
    QWindow* window = windowOf(widget, at, inWindow);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow);
}

void releaseLeft(QWidget* widget, QPoint at) {
    QPoint inWindow;
    QWindow* window = windowOf(widget, at, inWindow);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow);
}

void moveMouse(QWidget* widget, QPoint at, bool /*leftHeld*/) {
    QPoint inWindow;
    QWindow* window = windowOf(widget, at, inWindow);
    QTest::mouseMove(window, inWindow);
}

void later(std::function<void()> step) {
    QMetaObject::invokeMethod(qApp, std::move(step), Qt::QueuedConnection);
}

void afterLoopStarts(std::function<void()> step) {
    // Long enough for the handler that starts the loop to run first.
    QTimer::singleShot(50, qApp, std::move(step));
}

Window& openedWindow(const WindowDefinition& definition) {
    Window* window = openWindow(definition);
    if (window == nullptr) {
        std::fprintf(stderr, "expected window \"%.*s\" to be open\n",
                     static_cast<int>(definition.caption.size()), definition.caption.data());
        std::abort();
    }
    return *window;
}

} // namespace zanvik::testing
