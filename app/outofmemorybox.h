#pragma once

#include <cstddef>

namespace zanvik {

// The out-of-memory reporter of the program: a message box (and a line on stderr, in case
// the box cannot be shown any more).
void showOutOfMemoryBox(std::size_t bytesAsked);

} // namespace zanvik
