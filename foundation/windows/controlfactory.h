#pragma once

// Makes the widget of one control row, with its stored settings, and wires its events to the
// row's handlers.

class QWidget;

namespace zanvik {

struct ControlDefinition;
class LayerState;
class Window;

// The new widget, a child of parent; null for a non-visual control.
QWidget* createControlWidget(const ControlDefinition& row, QWidget* parent, Window& window,
                             LayerState& layer);

} // namespace zanvik
