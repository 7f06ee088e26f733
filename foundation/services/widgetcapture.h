#pragma once

#include "foundation/values/bytebuffer.h"

#include <QImage>

class QWidget;

namespace zanvik {

// What the widget's window shows inside the widget's rectangle, at exactly the widget's size in
// logical pixels (device pixel ratio 1, also on a high-density screen): the widget, its
// children and every sibling or other widget of the same window stacked above it (the
// transparent captions over a picture), cut at the rectangle. Rendered from the widget tree, so
// other programs' windows in front of it are never included. A null image for no widget or an
// empty one.
QImage renderWidgetArea(const QWidget* widget);

// renderWidgetArea as a 24-bit BMP file (encodeBmp24); empty on failure.
ByteBuffer captureWidgetImage(const QWidget* widget);

} // namespace zanvik
