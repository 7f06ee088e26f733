#include "foundation/pictures/bmpdecoder.h"

#include "foundation/pictures/bytereader.h"
#include "foundation/pictures/dibheader.h"
#include "foundation/pictures/dibpixels.h"

namespace zanvik {

namespace {
constexpr std::size_t fileHeaderSize = 14;
} // namespace

namespace {
std::optional<DibHeader> readBmpHeader(std::span<const std::uint8_t> bytes,
                                       std::uint32_t& pixelOffset) {
    ByteReader reader(bytes);
    const std::uint16_t magic = reader.u16();
    reader.skip(8);
    pixelOffset = reader.u32();
    if (!reader.ok() || magic != 0x4D42) {
        return std::nullopt;
    }
    auto header = readDibHeader(bytes.subspan(fileHeaderSize), DibUse::file);
    if (!header || pixelOffset > bytes.size() || pixelOffset < fileHeaderSize + 12) {
        return std::nullopt;
    }
    return header;
}
} // namespace

std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> bytes) {
    std::uint32_t pixelOffset = 0;
    const auto header = readBmpHeader(bytes, pixelOffset);
    if (!header) {
        return std::nullopt;
    }
    return decodeDibPixels(*header, bytes.subspan(pixelOffset));
}

std::optional<PictureSize> bmpSize(std::span<const std::uint8_t> bytes) {
    std::uint32_t pixelOffset = 0;
    const auto header = readBmpHeader(bytes, pixelOffset);
    if (!header) {
        return std::nullopt;
    }
    return PictureSize{header->width, header->height};
}

} // namespace zanvik
