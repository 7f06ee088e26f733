#include "foundation/services/windowcapture.h"

#include "foundation/services/widgetcapture.h"

namespace zanvik {

ByteBuffer captureWindowImage(ControlHandle control) {
    return captureWidgetImage(widgetFromHandle(control));
}

} // namespace zanvik
