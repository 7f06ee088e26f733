#pragma once

#include <cstdint>
#include <limits>

// The limits of the desktop and file services, each with its reason, in one place.
namespace zanvik::services {

// A file is read whole into one ByteBuffer, whose length is a 32-bit count. A larger file reads
// as a failure (an empty buffer) instead of a truncated one.
inline constexpr std::int64_t maximumFileBytes = std::numeric_limits<std::int32_t>::max();

// A capture is one 24-bit BMP in one ByteBuffer; its pixel data must fit a 32-bit count along
// with the 54-byte header. Any on-screen control is far below this.
inline constexpr std::int64_t maximumCaptureBytes = std::numeric_limits<std::int32_t>::max();

} // namespace zanvik::services
