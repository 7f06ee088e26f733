#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zanvik::server {

// Checks that bytes are a JPEG that decodes cleanly within maxPixels pixels, with the decoder the
// desktop program uses, so that every stored picture shows in every client. Gives nothing for a
// good picture, or the reason it is refused: not a JPEG, a header that does not parse, more pixels
// than allowed, or data that does not decode (a truncated file included). The size is checked
// from the header before anything is decoded; decoding then takes 4 bytes per pixel for a moment.
// Never throws; safe on any bytes.
std::optional<std::string> jpegFault(std::span<const std::uint8_t> bytes, std::int64_t maxPixels);

} // namespace zanvik::server
