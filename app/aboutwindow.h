#pragma once

#include "foundation/windows/windowdefinition.h"

namespace zanvik {

// Four lines of text over the launcher background; no behaviour of its own.
const WindowDefinition& aboutWindowDefinition();

} // namespace zanvik
