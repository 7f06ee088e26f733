#pragma once

// The layer's own bookkeeping, private to foundation/windows: the open windows, the exit
// routines, the handles, the controls by widget, and the running of handlers so that a window
// is never destroyed under a handler of its own.

#include "foundation/windows/controlhandle.h"
#include "foundation/windows/windowlayer.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zanvik {

class LayerState final : public QObject {
    Q_OBJECT
public:
    LayerState();
    ~LayerState() override;

    Window& adopt(std::unique_ptr<Window> window);
    bool isOpen(const Window* window) const;
    Window* newestWindowOf(const WindowDefinition& definition) const;
    const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }
    Window* windowOfTopLevel(const QWidget* topLevel) const;
    // The control whose widget is this one or holds it; null when none.
    Control* controlOf(const QWidget* widget) const;

    void registerControl(const QWidget* widget, Control* control);
    void forgetControl(const QWidget* widget, const void* object);

    ControlHandle handleOf(const void* object, QWidget* widget);
    QWidget* widgetOf(ControlHandle handle) const;

    // Runs a handler of the window now; the window outlives the call.
    void runHandler(Window& window, const std::function<void()>& handler);
    // Runs it once the event that raised it has been handled, if the window is still open.
    void postHandler(Window& window, std::function<void()> handler);

    // The close button, Esc or Window::close: hides the window, raises windowClosed, and
    // destroys it (willBeDestroyed first) as soon as no handler of it is running.
    void closeWindow(Window& window);
    // Destroys every open window without raising events (endProgram).
    void destroyAllWindows();

    std::vector<ExitRoutine> exitRoutines;
    std::int32_t exitCode = -1;
    // Where the left button last went down, in global coordinates: the move loop's anchor.
    QPoint lastLeftPress;

signals:
    void windowClosed(zanvik::Window* window);
    void windowDestroyed(zanvik::Window* window);

private:
    void destroyWhenIdle(Window* window);

    std::vector<std::unique_ptr<Window>> windows_;
    QHash<const QWidget*, Control*> controlsByWidget_;
    std::unordered_map<const void*, ControlHandle> handlesByObject_;
    std::unordered_map<std::uintptr_t, QPointer<QWidget>> widgetsByHandle_;
    std::uintptr_t nextHandle_ = 1;
    std::unordered_map<const Window*, int> handlerDepth_;
};

} // namespace zanvik
