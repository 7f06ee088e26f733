#include "foundation/pictures/dibpixels.h"

namespace zanvik {

namespace {

std::uint32_t paletteColour(const DibHeader& header, std::uint32_t index) {
    return index < header.palette.size() ? header.palette[index] : missingPaletteColour;
}

void decodeIndexedRow(const DibHeader& header, const std::uint8_t* row, std::uint32_t* out) {
    const int bits = header.bitsPerPixel;
    const int perByte = 8 / bits;
    const std::uint32_t mask = (1u << bits) - 1;
    for (std::int32_t x = 0; x < header.width; ++x) {
        const std::uint8_t byte = row[x / perByte];
        const int shift = 8 - bits * (x % perByte + 1);
        out[x] = paletteColour(header, (byte >> shift) & mask);
    }
}

std::uint32_t maskedColour(const DibHeader& header, std::uint32_t pixel) {
    return header.alpha.extract(pixel, 255) << 24 | header.red.extract(pixel, 0) << 16 |
           header.green.extract(pixel, 0) << 8 | header.blue.extract(pixel, 0);
}

void decodeRow(const DibHeader& header, const std::uint8_t* row, std::uint32_t* out) {
    switch (header.bitsPerPixel) {
    case 24:
        for (std::int32_t x = 0; x < header.width; ++x, row += 3) {
            out[x] =
                0xFF000000u | std::uint32_t{row[2]} << 16 | std::uint32_t{row[1]} << 8 | row[0];
        }
        return;
    case 32:
        for (std::int32_t x = 0; x < header.width; ++x, row += 4) {
            const std::uint32_t pixel = std::uint32_t{row[0]} | std::uint32_t{row[1]} << 8 |
                                        std::uint32_t{row[2]} << 16 | std::uint32_t{row[3]} << 24;
            out[x] = maskedColour(header, pixel);
        }
        return;
    case 16:
        for (std::int32_t x = 0; x < header.width; ++x, row += 2) {
            out[x] = maskedColour(header, std::uint32_t{row[0]} | std::uint32_t{row[1]} << 8);
        }
        return;
    default:
        decodeIndexedRow(header, row, out);
        return;
    }
}

} // namespace

std::optional<Bitmap> decodeDibPixels(const DibHeader& header,
                                      std::span<const std::uint8_t> pixels) {
    if (header.compression == DibCompression::rle8 || header.compression == DibCompression::rle4) {
        return decodeDibRle(header, pixels);
    }
    const std::int64_t stride = header.rowStride();
    if (static_cast<std::int64_t>(pixels.size()) / header.height < stride) {
        return std::nullopt;
    }
    Bitmap bitmap;
    bitmap.width = header.width;
    bitmap.height = header.height;
    bitmap.pixels.resize(static_cast<std::size_t>(header.width) *
                         static_cast<std::size_t>(header.height));
    for (std::int32_t y = 0; y < header.height; ++y) {
        const std::int32_t target = header.topDown ? y : header.height - 1 - y;
        decodeRow(header, pixels.data() + y * stride,
                  bitmap.pixels.data() + static_cast<std::size_t>(target) * header.width);
    }
    return bitmap;
}

} // namespace zanvik
