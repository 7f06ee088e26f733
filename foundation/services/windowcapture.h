#pragma once

#include "foundation/values/bytebuffer.h"
#include "foundation/windows/controlhandle.h"

namespace zanvik {

// The pixels a control shows on screen inside its whole rectangle, captions and other controls
// stacked above it included, cut at the rectangle, as a 24-bit bottom-up BMP file of exactly the
// control's size in logical pixels (see widgetcapture.h and bmpfile.h for the layout). Empty
// when the handle names no live control (none, destroyed, non-visual) or the control has no
// area.
ByteBuffer captureWindowImage(ControlHandle control);

} // namespace zanvik
