#include "foundation/values/outofmemory.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace zanvik {
namespace {

void writeToStandardError(std::size_t bytesAsked) {
    std::fprintf(stderr, "Zanvik: out of memory: could not allocate %zu bytes.\n", bytesAsked);
}

// Set once at start-up, before any other thread exists; atomic so that a late worker thread
// reads a whole pointer.
std::atomic<OutOfMemoryReporter> currentReporter{&writeToStandardError};

} // namespace

void setOutOfMemoryReporter(OutOfMemoryReporter reporter) {
    currentReporter.store(reporter != nullptr ? reporter : &writeToStandardError);
}

void failOutOfMemory(std::size_t bytesAsked) {
    currentReporter.load()(bytesAsked);
    std::_Exit(-1);
}

} // namespace zanvik
