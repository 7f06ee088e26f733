#pragma once

#include <cstdint>
#include <limits>

// The limits of the desktop and file services, each with its reason, in one place.
namespace zanvik::services {

// A file is read whole into one ByteBuffer, whose length is a 32-bit count. A larger file reads
// as a failure (an empty buffer) instead of a truncated one.
inline constexpr std::int64_t maximumFileBytes = std::numeric_limits<std::int32_t>::max();

// Files are read through a buffer of this size (256 KiB): large enough that a capture or a
// photo takes few system calls, small enough to keep on hand for every read.
inline constexpr std::int64_t fileReadChunkBytes = 256 * 1024;

// A capture is one 24-bit BMP in one ByteBuffer; its pixel data must fit a 32-bit count along
// with the 54-byte header. Any on-screen control is far below this.
inline constexpr std::int64_t maximumCaptureBytes = std::numeric_limits<std::int32_t>::max();

} // namespace zanvik::services
