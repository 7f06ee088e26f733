#pragma once

#include "foundation/values/outofmemory.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

namespace zanvik::detail {

// Runs an allocating step; running out of memory (or asking for more than a 32-bit length can
// count) ends the program through failOutOfMemory with the number of bytes asked for.
template <class Step> decltype(auto) allocating(std::size_t bytesAsked, Step&& step) {
    if (bytesAsked > static_cast<std::size_t>(INT32_MAX)) {
        failOutOfMemory(bytesAsked);
    }
    try {
        return std::forward<Step>(step)();
    } catch (const std::bad_alloc&) {
        failOutOfMemory(bytesAsked);
    }
}

} // namespace zanvik::detail
