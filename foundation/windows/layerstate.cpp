#include "foundation/windows/layerstate.h"

#include <QCoreApplication>
#include <algorithm>

namespace zanvik {

LayerState::LayerState() = default;
LayerState::~LayerState() {
    destroyAllWindows();
}

Window& LayerState::adopt(std::unique_ptr<Window> window) {
    windows_.push_back(std::move(window));
    return *windows_.back();
}

bool LayerState::isOpen(const Window* window) const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [window](const auto& open) { return open.get() == window; });
}

Window* LayerState::newestWindowOf(const WindowDefinition& definition) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (&(*it)->definition() == &definition && !(*it)->closing()) {
            return it->get();
        }
    }
    return nullptr;
}

Window* LayerState::windowOfTopLevel(const QWidget* topLevel) const {
    for (const auto& window : windows_) {
        if (window->widget() == topLevel) {
            return window.get();
        }
    }
    return nullptr;
}

Control* LayerState::controlOf(const QWidget* widget) const {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (auto it = controlsByWidget_.find(widget); it != controlsByWidget_.end()) {
            return it.value();
        }
    }
    return nullptr;
}

void LayerState::registerControl(const QWidget* widget, Control* control) {
    if (widget != nullptr) {
        controlsByWidget_.insert(widget, control);
    }
}

void LayerState::forgetControl(const QWidget* widget, const void* object) {
    controlsByWidget_.remove(widget);
    if (auto it = handlesByObject_.find(object); it != handlesByObject_.end()) {
        widgetsByHandle_.erase(static_cast<std::uintptr_t>(it->second));
        handlesByObject_.erase(it);
    }
}

ControlHandle LayerState::handleOf(const void* object, QWidget* widget) {
    if (auto it = handlesByObject_.find(object); it != handlesByObject_.end()) {
        return it->second;
    }
    const auto handle = static_cast<ControlHandle>(nextHandle_++);
    handlesByObject_.emplace(object, handle);
    widgetsByHandle_.emplace(static_cast<std::uintptr_t>(handle), widget);
    return handle;
}

QWidget* LayerState::widgetOf(ControlHandle handle) const {
    auto it = widgetsByHandle_.find(static_cast<std::uintptr_t>(handle));
    return it != widgetsByHandle_.end() ? it->second.data() : nullptr;
}

void LayerState::runHandler(Window& window, const std::function<void()>& handler) {
    if (!handler) {
        return;
    }
    const Window* key = &window;
    ++handlerDepth_[key];
    handler();
    if (--handlerDepth_[key] == 0) {
        handlerDepth_.erase(key);
        if (window.closing()) {
            destroyWhenIdle(&window);
        }
    }
}

void LayerState::postHandler(Window& window, std::function<void()> handler) {
    Window* target = &window;
    QMetaObject::invokeMethod(
        this,
        [this, target, handler = std::move(handler)] {
            if (isOpen(target) && !target->closing() && exitCode < 0) {
                runHandler(*target, handler);
            }
        },
        Qt::QueuedConnection);
}

void LayerState::closeWindow(Window& window) {
    if (window.closing() || !isOpen(&window)) {
        return;
    }
    window.markClosing();
    window.widget()->hide();
    emit windowClosed(&window);
    Window* target = &window;
    // Destroyed once the event that closed it has been handled, never inside its own handler.
    QMetaObject::invokeMethod(
        this, [this, target] { destroyWhenIdle(target); }, Qt::QueuedConnection);
}

void LayerState::destroyWhenIdle(Window* window) {
    if (!isOpen(window) || handlerDepth_.count(window) != 0) {
        return; // gone already, or the last handler of it to return comes back here
    }
    const auto& goodbye = window->definition().willBeDestroyed;
    if (goodbye) {
        ++handlerDepth_[window];
        goodbye(*window);
        handlerDepth_.erase(window);
    }
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [window](const auto& open) { return open.get() == window; });
    if (it == windows_.end()) {
        return;
    }
    std::unique_ptr<Window> doomed = std::move(*it);
    windows_.erase(it);
    doomed.reset();
    emit windowDestroyed(window);
}

void LayerState::destroyAllWindows() {
    while (!windows_.empty()) {
        std::unique_ptr<Window> doomed = std::move(windows_.back());
        windows_.pop_back();
        Window* key = doomed.get();
        doomed.reset();
        emit windowDestroyed(key);
    }
}

} // namespace zanvik
