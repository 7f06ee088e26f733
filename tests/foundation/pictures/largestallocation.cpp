#include "tests/foundation/pictures/largestallocation.h"

#include <atomic>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZANVIK_HAS_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZANVIK_HAS_ASAN 1
#endif

#ifdef ZANVIK_HAS_ASAN
#include <sanitizer/allocator_interface.h>
#endif

namespace zanvik::testing {

namespace {

// The sanitizer calls plain functions, once installed for the life of the process; the probe
// switches recording on and off around them.
std::atomic<bool> recording{false};
std::atomic<std::size_t> largestSeen{0};

#ifdef ZANVIK_HAS_ASAN
void onAllocation(const volatile void*, std::size_t size) {
    if (!recording.load(std::memory_order_relaxed)) {
        return;
    }
    std::size_t seen = largestSeen.load(std::memory_order_relaxed);
    while (size > seen && !largestSeen.compare_exchange_weak(seen, size)) {
    }
}
void onFree(const volatile void*) {}

bool installHooks() {
    return __sanitizer_install_malloc_and_free_hooks(onAllocation, onFree) != 0;
}
#else
bool installHooks() {
    return false;
}
#endif

bool hooksInstalled() {
    static const bool installed = installHooks();
    return installed;
}

} // namespace

LargestAllocationProbe::LargestAllocationProbe() {
    hooksInstalled();
    largestSeen = 0;
    recording = true;
}

LargestAllocationProbe::~LargestAllocationProbe() {
    recording = false;
}

std::size_t LargestAllocationProbe::largest() const {
    return largestSeen;
}

bool LargestAllocationProbe::available() {
    return hooksInstalled();
}

} // namespace zanvik::testing
