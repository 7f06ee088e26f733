#include "server/jpegcheck.h"

#include "foundation/pictures/decodepicture.h"

namespace zanvik::server {

std::optional<std::string> jpegFault(std::span<const std::uint8_t> bytes, std::int64_t maxPixels) {
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) {
        return "is not a JPEG";
    }
    const ByteBuffer picture(bytes);
    const auto size = pictureSize(picture);
    if (!size) {
        return "has a JPEG header that does not parse";
    }
    if (static_cast<std::int64_t>(size->width) * size->height > maxPixels) {
        return "has " + std::to_string(size->width) + " x " + std::to_string(size->height) +
               " pixels, more than " + std::to_string(maxPixels);
    }
    if (!decodePicture(picture)) {
        return "does not decode";
    }
    return std::nullopt;
}

} // namespace zanvik::server
