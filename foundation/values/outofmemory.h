#pragma once

#include <cstddef>

namespace zanvik {

// Running out of memory for a new value is fatal: the reporter is told how many bytes were
// asked for, then the process ends with exit code -1 (255 as the shell sees it).
using OutOfMemoryReporter = void (*)(std::size_t bytesAsked);

// Installed once at start-up by the program (a message box); the default writes to stderr.
void setOutOfMemoryReporter(OutOfMemoryReporter reporter);

[[noreturn]] void failOutOfMemory(std::size_t bytesAsked);

} // namespace zanvik
