#include "foundation/services/bmpfile.h"

#include "foundation/services/servicelimits.h"

#include <array>
#include <vector>

namespace zanvik {

namespace {

constexpr std::int64_t fileHeaderBytes = 14;
constexpr std::int64_t infoHeaderBytes = 40;

void put16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::uint8_t* at, std::uint32_t value) {
    put16(at, value);
    put16(at + 2, value >> 16);
}

// Writes the pixels (0xAARRGGBB) as blue, green, red bytes: the low three bytes of each value,
// four pixels at a time packed into three little-endian 32-bit words.
void packRow(const std::uint32_t* pixels, std::int32_t width, std::uint8_t* out) {
    std::int32_t x = 0;
    for (; x + 4 <= width; x += 4, out += 12) {
        const std::uint32_t p0 = pixels[x];
        const std::uint32_t p1 = pixels[x + 1];
        const std::uint32_t p2 = pixels[x + 2];
        const std::uint32_t p3 = pixels[x + 3];
        const std::uint32_t words[3] = {(p0 & 0xFFFFFFU) | (p1 << 24),
                                        ((p1 >> 8) & 0xFFFFU) | (p2 << 16),
                                        ((p2 >> 16) & 0xFFU) | (p3 << 8)};
        for (int i = 0; i < 3; ++i) {
            put32(out + 4 * i, words[i]);
        }
    }
    for (; x < width; ++x, out += 3) {
        out[0] = static_cast<std::uint8_t>(pixels[x]);
        out[1] = static_cast<std::uint8_t>(pixels[x] >> 8);
        out[2] = static_cast<std::uint8_t>(pixels[x] >> 16);
    }
}

} // namespace

std::int64_t bmpRowBytes(std::int32_t width) {
    return (24 * std::int64_t{width} + 31) / 32 * 4;
}

ByteBuffer encodeBmp24(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        return {};
    }
    const std::int32_t width = image.width();
    const std::int32_t height = image.height();
    const std::int64_t rowBytes = bmpRowBytes(width);
    const std::int64_t pixelBytes = rowBytes * height;
    const std::int64_t headerBytes = fileHeaderBytes + infoHeaderBytes;
    if (headerBytes + pixelBytes > services::maximumCaptureBytes) {
        return {};
    }
    const QImage rgb =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    std::array<std::uint8_t, fileHeaderBytes + infoHeaderBytes> header{};
    header[0] = 'B';
    header[1] = 'M';
    put32(&header[2], static_cast<std::uint32_t>(headerBytes + pixelBytes));
    put32(&header[10], static_cast<std::uint32_t>(headerBytes));
    put32(&header[14], static_cast<std::uint32_t>(infoHeaderBytes));
    put32(&header[18], static_cast<std::uint32_t>(width));
    put32(&header[22], static_cast<std::uint32_t>(height));
    put16(&header[26], 1);
    put16(&header[28], 24);
    put32(&header[34], static_cast<std::uint32_t>(pixelBytes));

    ByteBuffer file;
    file.reserve(static_cast<std::size_t>(headerBytes + pixelBytes));
    file.append(header);
    // One row at a time through a small buffer: the file is written once, with no zero fill.
    std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
    for (std::int32_t y = height - 1; y >= 0; --y) {
        packRow(reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y)), width, row.data());
        file.append(row);
    }
    return file;
}

} // namespace zanvik
