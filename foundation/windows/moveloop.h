#pragma once

// The move loop of a control: while the left button stays down, the control follows the pointer
// within its parent; it ends when the button is released (Esc puts the control back).

namespace zanvik {

class Control;
class LayerState;

void runMoveLoop(Control& control, LayerState& layer);

} // namespace zanvik
