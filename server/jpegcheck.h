#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zanvik::server {

// Checks that bytes are a JPEG that decodes cleanly within maxPixels pixels. Gives nothing for a
// good picture, or the reason it is refused: not a JPEG, a header that does not parse, more pixels
// than allowed, or entropy data that does not decode without error (a truncated file included).
// The whole stream is decoded at 1/8 scale, so the check reads every byte but allocates only a
// sixty-fourth of the picture. Never throws; safe on any bytes.
std::optional<std::string> jpegFault(std::span<const std::uint8_t> bytes, std::int64_t maxPixels);

} // namespace zanvik::server
