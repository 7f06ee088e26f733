#include "server/jpegcheck.h"

#include "server/turbojpeghandle.h"

#include <turbojpeg.h>
#include <vector>

namespace zanvik::server {

std::optional<std::string> jpegFault(std::span<const std::uint8_t> bytes, std::int64_t maxPixels) {
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) {
        return "is not a JPEG";
    }
    TurboJpegHandle decoder;
    if (!decoder) {
        return "cannot be checked (no decoder)";
    }
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    const auto size = static_cast<unsigned long>(bytes.size());
    if (tjDecompressHeader3(decoder.get(), bytes.data(), size, &width, &height, &subsampling,
                            &colorspace) != 0 ||
        width <= 0 || height <= 0) {
        return "has a JPEG header that does not parse";
    }
    if (static_cast<std::int64_t>(width) * height > maxPixels) {
        return "has " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels, more than " + std::to_string(maxPixels);
    }
    const tjscalingfactor eighth{1, 8};
    const int scaledWidth = TJSCALED(width, eighth);
    const int scaledHeight = TJSCALED(height, eighth);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(scaledWidth) *
                                     static_cast<std::size_t>(scaledHeight));
    if (tjDecompress2(decoder.get(), bytes.data(), size, pixels.data(), scaledWidth, 0,
                      scaledHeight, TJPF_GRAY, TJFLAG_STOPONWARNING) != 0) {
        return std::string("does not decode: ") + tjGetErrorStr2(decoder.get());
    }
    return std::nullopt;
}

} // namespace zanvik::server
