#pragma once

#include <cstddef>

namespace zanvik::testing {

// Records the largest single heap allocation (malloc, new, libjpeg's and libpng's allocators
// alike) made while a probe lives. It relies on AddressSanitizer's allocation hooks:
// available() is false in a build without it, and largest() then stays 0.
class LargestAllocationProbe final {
public:
    LargestAllocationProbe();
    ~LargestAllocationProbe();
    LargestAllocationProbe(const LargestAllocationProbe&) = delete;
    LargestAllocationProbe& operator=(const LargestAllocationProbe&) = delete;

    std::size_t largest() const;
    static bool available();
};

} // namespace zanvik::testing
