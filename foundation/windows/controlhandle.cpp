#include "foundation/windows/controlhandle.h"

#include "foundation/windows/layerstate.h"

namespace zanvik {

ControlHandle controlHandle(const Control& control) {
    return WindowLayer::instance().state().handleOf(&control, control.widget());
}

ControlHandle controlHandle(const Window& window) {
    return WindowLayer::instance().state().handleOf(&window, window.widget());
}

QWidget* widgetFromHandle(ControlHandle handle) {
    if (handle == ControlHandle::none) {
        return nullptr;
    }
    return WindowLayer::instance().state().widgetOf(handle);
}

} // namespace zanvik
