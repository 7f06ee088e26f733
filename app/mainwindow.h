#pragma once

#include "foundation/windows/windowdefinition.h"

namespace zanvik {

// The start window and launcher: four picture tiles, each opening one window modally.
// Closing it ends the program with exit code 0.
const WindowDefinition& mainWindowDefinition();

} // namespace zanvik
