#include "foundation/pictures/icondecoder.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Any bytes straight into the decoder, without the sniffing in front of it, so that every
// header field is reached. A picture it gives must hold exactly width × height pixels.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bitmap = zanvik::decodeIcon(std::span<const std::uint8_t>(data, size));
    if (bitmap && bitmap->pixels.size() != static_cast<std::size_t>(bitmap->width) *
                                               static_cast<std::size_t>(bitmap->height)) {
        __builtin_trap();
    }
    return 0;
}
