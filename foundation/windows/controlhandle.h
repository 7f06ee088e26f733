#pragma once

// Opaque handles for controls and windows, as services keep them, and the way back to the
// widget. A handle stays unique for the life of the process; the handle of a destroyed control
// maps to null.

#include <cstdint>

class QWidget;

namespace zanvik {

class Control;
class Window;

enum class ControlHandle : std::uintptr_t { none = 0 };

ControlHandle controlHandle(const Control& control);
ControlHandle controlHandle(const Window& window);
// The widget behind a handle; null for ControlHandle::none, a destroyed control or a
// non-visual control.
QWidget* widgetFromHandle(ControlHandle handle);

} // namespace zanvik
