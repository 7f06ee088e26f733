#include "foundation/pictures/icondecoder.h"

#include "foundation/pictures/bytereader.h"
#include "foundation/pictures/dibheader.h"
#include "foundation/pictures/dibpixels.h"
#include "foundation/pictures/pngdecoder.h"
#include "foundation/pictures/whiteblend.h"

#include <algorithm>

namespace zanvik {

namespace {

constexpr std::size_t iconHeaderSize = 6;
constexpr std::size_t directoryEntrySize = 16;
constexpr std::uint8_t pngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

struct DirectoryEntry {
    std::int32_t pixels = 0; // as the directory claims: used only to choose
    int bits = 0;
    std::span<const std::uint8_t> image;
};

bool better(const DirectoryEntry& candidate, const DirectoryEntry& best) {
    return candidate.pixels > best.pixels ||
           (candidate.pixels == best.pixels && candidate.bits > best.bits);
}

std::optional<DirectoryEntry> chooseImage(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    const std::uint16_t reserved = reader.u16();
    const std::uint16_t type = reader.u16();
    const std::uint16_t count = reader.u16();
    if (!reader.ok() || reserved != 0 || (type != 1 && type != 2) || count == 0) {
        return std::nullopt;
    }
    std::optional<DirectoryEntry> best;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::int32_t width = reader.u8();
        const std::int32_t height = reader.u8();
        reader.skip(4);
        const std::uint16_t bits = reader.u16(); // a cursor keeps its hot spot here
        const std::uint32_t size = reader.u32();
        const std::uint32_t offset = reader.u32();
        if (!reader.ok()) {
            return std::nullopt;
        }
        if (offset < iconHeaderSize + directoryEntrySize || offset > bytes.size() ||
            size > bytes.size() - offset || size == 0) {
            continue;
        }
        DirectoryEntry entry{(width == 0 ? 256 : width) * (height == 0 ? 256 : height),
                             type == 1 ? bits : 0, bytes.subspan(offset, size)};
        if (!best || better(entry, *best)) {
            best = entry;
        }
    }
    return best;
}

bool isPng(std::span<const std::uint8_t> image) {
    return image.size() >= sizeof pngSignature &&
           std::equal(std::begin(pngSignature), std::end(pngSignature), image.begin());
}

bool hasAlpha(const Bitmap& bitmap) {
    return std::any_of(bitmap.pixels.begin(), bitmap.pixels.end(),
                       [](std::uint32_t pixel) { return (pixel >> 24) != 0; });
}

// White AND mask XOR colour: a set mask bit shows white turned by the colour, a clear one the
// colour itself.
std::optional<Bitmap> drawWithMask(Bitmap colour, const DibHeader& header,
                                   std::span<const std::uint8_t> mask) {
    const std::size_t stride = (static_cast<std::size_t>(header.width) + 31) / 32 * 4;
    if (mask.size() / stride < static_cast<std::size_t>(header.height)) {
        return std::nullopt;
    }
    for (std::int32_t y = 0; y < header.height; ++y) {
        const std::uint8_t* bits =
            mask.data() + static_cast<std::size_t>(header.height - 1 - y) * stride;
        std::uint32_t* row = colour.pixels.data() + static_cast<std::size_t>(y) * header.width;
        for (std::int32_t x = 0; x < header.width; ++x) {
            const bool set = (bits[x / 8] >> (7 - x % 8) & 1) != 0;
            row[x] = 0xFF000000u | ((set ? 0x00FFFFFFu : 0u) ^ (row[x] & 0x00FFFFFFu));
        }
    }
    return colour;
}

std::optional<Bitmap> decodeIconBitmap(std::span<const std::uint8_t> image) {
    const auto header = readDibHeader(image, DibUse::iconImage);
    if (!header || header->topDown || header->compression == DibCompression::rle4 ||
        header->compression == DibCompression::rle8) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> pixels = image.subspan(header->end);
    auto colour = decodeDibPixels(*header, pixels);
    if (!colour) {
        return std::nullopt;
    }
    if (header->alpha.mask != 0 && hasAlpha(*colour)) {
        blendOntoWhite(colour->pixels);
        return colour;
    }
    const auto colourBytes = static_cast<std::size_t>(header->rowStride() * header->height);
    return drawWithMask(std::move(*colour), *header, pixels.subspan(colourBytes));
}

} // namespace

std::optional<Bitmap> decodeIcon(std::span<const std::uint8_t> bytes) {
    const auto entry = chooseImage(bytes);
    if (!entry) {
        return std::nullopt;
    }
    if (isPng(entry->image)) {
        return decodePng(entry->image);
    }
    return decodeIconBitmap(entry->image);
}

std::optional<PictureSize> iconSize(std::span<const std::uint8_t> bytes) {
    const auto entry = chooseImage(bytes);
    if (!entry) {
        return std::nullopt;
    }
    if (isPng(entry->image)) {
        return pngSize(entry->image);
    }
    const auto header = readDibHeader(entry->image, DibUse::iconImage);
    if (!header) {
        return std::nullopt;
    }
    return PictureSize{header->width, header->height};
}

} // namespace zanvik
