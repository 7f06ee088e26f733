#pragma once

#include "foundation/windows/windowdefinition.h"

#include <QColor>

namespace zanvik {

// The system's button-face colour.
QColor buttonFaceColour();
// The colour a definition names; kindDefault stands for Colour{} (Source::KindDefault).
QColor resolveColour(const Colour& colour, const QColor& kindDefault);

} // namespace zanvik
