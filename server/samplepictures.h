#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zanvik::server {

// A sample picture compiled into the server (assets/samples: titles.txt and the JPEGs drawn by
// the asset generator), so that a fresh install has a gallery to show.
struct SamplePicture {
    std::string_view titleUtf8;
    std::span<const std::uint8_t> bytes;
};

// In the order of titles.txt, the first being the one the gallery lists first.
std::span<const SamplePicture> samplePictures();

} // namespace zanvik::server
