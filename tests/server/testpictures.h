#pragma once

#include <cstddef>
#include <string>

namespace zanvik::server::testing {

// A real JPEG (a width × height picture with some texture) made with libjpeg-turbo.
std::string makeJpeg(int width, int height, int quality = 85);
// A JPEG of exactly `size` bytes: a small picture followed, after its end-of-image marker, by
// filler bytes (decoders stop at the marker). Each filler byte is filler[i % filler.size()].
// The picture is made smaller until it fits; size must be at least a few hundred bytes.
std::string jpegOfSize(std::size_t size, const std::string& filler = "z");
// A 16 × 16 JPEG of well under 1000 bytes followed by `filler` repeated up to `size` bytes: a
// picture whose bytes after the first kilobyte a test may shape as it likes.
std::string paddedSmallJpeg(std::size_t size, char filler);

} // namespace zanvik::server::testing
