#include "foundation/pictures/dibheader.h"

#include "foundation/pictures/bytereader.h"
#include "foundation/pictures/picturelimits.h"

#include <bit>

namespace zanvik {

namespace {

constexpr std::uint32_t coreHeaderSize = 12;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t alphaBitFields = 6;
constexpr std::size_t maximumPaletteEntries = 256;

bool isKnownHeaderSize(std::uint32_t size) {
    return size == coreHeaderSize || size == 40 || size == 52 || size == 56 || size == 108 ||
           size == 124;
}

bool depthFitsCompression(int bits, std::uint32_t compression) {
    switch (compression) {
    case 0:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case 1:
        return bits == 8;
    case 2:
        return bits == 4;
    case 3:
    case alphaBitFields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

bool setMasks(DibHeader& header, std::uint32_t red, std::uint32_t green, std::uint32_t blue,
              std::uint32_t alpha) {
    const auto r = ChannelMask::from(red);
    const auto g = ChannelMask::from(green);
    const auto b = ChannelMask::from(blue);
    const auto a = ChannelMask::from(alpha);
    if (!r || !g || !b || !a) {
        return false;
    }
    header.red = *r;
    header.green = *g;
    header.blue = *b;
    header.alpha = *a;
    return true;
}

void setDefaultMasks(DibHeader& header, DibUse use) {
    if (header.bitsPerPixel == 16) {
        setMasks(header, 0x7C00, 0x03E0, 0x001F, 0);
    } else if (header.bitsPerPixel == 32) {
        // A 32-bit file keeps its fourth byte for nothing; an icon keeps its alpha there.
        setMasks(header, 0x00FF0000, 0x0000FF00, 0x000000FF,
                 use == DibUse::iconImage ? 0xFF000000 : 0);
    }
}

} // namespace

std::optional<ChannelMask> ChannelMask::from(std::uint32_t mask) {
    ChannelMask channel;
    if (mask == 0) {
        return channel;
    }
    channel.mask = mask;
    channel.shift = std::countr_zero(mask);
    const std::uint32_t shifted = mask >> channel.shift;
    if ((shifted & (shifted + 1)) != 0) {
        return std::nullopt;
    }
    channel.maximum = shifted;
    return channel;
}

std::optional<DibHeader> readDibHeader(std::span<const std::uint8_t> dib, DibUse use) {
    ByteReader reader(dib);
    const std::uint32_t headerSize = reader.u32();
    if (!reader.ok() || !isKnownHeaderSize(headerSize) || headerSize > dib.size()) {
        return std::nullopt;
    }
    DibHeader header;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    if (headerSize == coreHeaderSize) {
        width = reader.u16();
        height = reader.u16();
        reader.skip(2);
        header.bitsPerPixel = reader.u16();
    } else {
        width = reader.s32();
        height = reader.s32();
        reader.skip(2);
        header.bitsPerPixel = reader.u16();
        compression = reader.u32();
        reader.skip(12);
        coloursUsed = reader.u32();
        reader.skip(4);
    }
    if (!reader.ok() || !depthFitsCompression(header.bitsPerPixel, compression)) {
        return std::nullopt;
    }
    header.compression =
        static_cast<DibCompression>(compression == alphaBitFields ? 3 : compression);
    header.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (use == DibUse::iconImage) {
        height /= 2;
    }
    if (width <= 0 || height <= 0 || width * height > maximumPicturePixels) {
        return std::nullopt;
    }
    const bool compressed =
        header.compression == DibCompression::rle8 || header.compression == DibCompression::rle4;
    if (compressed && header.topDown) {
        return std::nullopt;
    }
    header.width = static_cast<std::int32_t>(width);
    header.height = static_cast<std::int32_t>(height);

    setDefaultMasks(header, use);
    if (header.compression == DibCompression::bitFields) {
        // The masks follow a 40-byte header, or lie inside a longer one.
        ByteReader masks(dib, infoHeaderSize);
        const std::uint32_t red = masks.u32();
        const std::uint32_t green = masks.u32();
        const std::uint32_t blue = masks.u32();
        const bool alphaGiven = compression == alphaBitFields || headerSize >= 56;
        const std::uint32_t alpha = alphaGiven ? masks.u32() : 0;
        if (!masks.ok() || !setMasks(header, red, green, blue, alpha)) {
            return std::nullopt;
        }
        reader = ByteReader(dib, std::max<std::size_t>(headerSize, masks.position()));
    } else {
        reader = ByteReader(dib, headerSize);
    }

    if (coloursUsed > maximumPaletteEntries) {
        return std::nullopt;
    }
    std::size_t entries = coloursUsed;
    if (header.bitsPerPixel <= 8 && entries == 0) {
        entries = std::size_t{1} << header.bitsPerPixel;
    }
    const std::size_t entrySize = headerSize == coreHeaderSize ? 3 : 4;
    const std::size_t used =
        header.bitsPerPixel <= 8 ? std::min(entries, std::size_t{1} << header.bitsPerPixel) : 0;
    header.palette.reserve(used);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint32_t blue = reader.u8();
        const std::uint32_t green = reader.u8();
        const std::uint32_t red = reader.u8();
        reader.skip(entrySize - 3);
        if (i < used) {
            header.palette.push_back(0xFF000000u | red << 16 | green << 8 | blue);
        }
    }
    if (!reader.ok()) {
        return std::nullopt;
    }
    header.end = reader.position();
    return header;
}

} // namespace zanvik
