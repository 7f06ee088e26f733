#pragma once

// Where a picture goes in a box, by the display rules shared by picture boxes and window
// backgrounds.

#include <QRect>
#include <QSize>

namespace zanvik {

// Centred in the box; shrunk to fit with its aspect ratio kept when larger, never enlarged.
QRect fitCentred(QSize picture, QRect box);

} // namespace zanvik
