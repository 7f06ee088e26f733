#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zanvik {

// One colour channel of a bit-field pixel: where it lies and how to widen it to 8 bits.
struct ChannelMask {
    std::uint32_t mask = 0; // 0: the channel is absent
    int shift = 0;
    std::uint64_t maximum = 0; // the largest value the channel can hold, after the shift

    // A mask whose bits are not one contiguous run gives nothing.
    static std::optional<ChannelMask> from(std::uint32_t mask);
    // The channel of a pixel widened to 0..255; an absent channel gives `absent`.
    std::uint32_t extract(std::uint32_t pixel, std::uint32_t absent) const {
        if (mask == 0) {
            return absent;
        }
        const std::uint64_t value = (pixel & mask) >> shift;
        return maximum == 255 ? static_cast<std::uint32_t>(value)
                              : static_cast<std::uint32_t>((value * 255 + maximum / 2) / maximum);
    }
};

enum class DibCompression : std::uint32_t { rgb = 0, rle8 = 1, rle4 = 2, bitFields = 3 };

// Where a device-independent bitmap comes from: a BMP file, or an image inside an icon or cursor
// (whose height counts the colour rows and the mask rows, and whose 32-bit pixels carry alpha).
enum class DibUse { file, iconImage };

// The header of a device-independent bitmap, with its bit-field masks and colour table read.
struct DibHeader {
    std::int32_t width = 0;  // > 0
    std::int32_t height = 0; // > 0: the picture's own height (the mask rows of an icon not counted)
    bool topDown = false;
    int bitsPerPixel = 0;
    DibCompression compression = DibCompression::rgb;
    ChannelMask red, green, blue, alpha; // alpha absent: every pixel opaque
    std::vector<std::uint32_t> palette;  // 0xFFRRGGBB entries
    std::size_t end = 0;                 // the offset just after the header, masks and palette

    // The bytes of one uncompressed row, padded to a multiple of 4.
    std::int64_t rowStride() const { return (std::int64_t{width} * bitsPerPixel + 31) / 32 * 4; }
};

// Reads a header of 12 (OS/2 core), 40, 52, 56, 108 or 124 bytes at the start of `dib`, its
// masks and its colour table. Gives nothing for any other size, a combination of depth and
// compression that is not 1/4/8/16/24/32-bit uncompressed, 4-bit RLE4, 8-bit RLE8 or 16/32-bit
// bit fields, a top-down RLE picture, a size beyond maximumPicturePixels, or a header, mask or
// colour table cut off by the end of the bytes.
std::optional<DibHeader> readDibHeader(std::span<const std::uint8_t> dib, DibUse use);

} // namespace zanvik
