#include "foundation/pictures/decodepicture.h"

#include <cstddef>
#include <cstdint>

// Any bytes, through the format sniffing into whichever decoder they choose, as a still, as an
// animation and as a header-only size. Sanitizers report any read or write outside a buffer; a
// decoder must never abort; the three answers must agree.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zanvik::ByteBuffer bytes(data, size);
    const auto still = zanvik::decodePicture(bytes);
    const auto animation = zanvik::decodeAnimation(bytes);
    const auto probed = zanvik::pictureSize(bytes);
    if (still && (!probed || probed->width != still->width || probed->height != still->height)) {
        __builtin_trap();
    }
    if (still && still->pixels.size() != static_cast<std::size_t>(still->width) *
                                             static_cast<std::size_t>(still->height)) {
        __builtin_trap();
    }
    if (animation &&
        (animation->frames.empty() || (still && animation->frames.front().bitmap != *still))) {
        __builtin_trap();
    }
    return 0;
}
