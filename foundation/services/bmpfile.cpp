#include "foundation/services/bmpfile.h"

#include "foundation/services/servicelimits.h"

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
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint8_t> file(static_cast<std::size_t>(headerBytes + pixelBytes), 0);
    std::uint8_t* header = file.data();
    header[0] = 'B';
    header[1] = 'M';
    put32(header + 2, static_cast<std::uint32_t>(headerBytes + pixelBytes));
    put32(header + 10, static_cast<std::uint32_t>(headerBytes));
    put32(header + 14, static_cast<std::uint32_t>(infoHeaderBytes));
    put32(header + 18, static_cast<std::uint32_t>(width));
    put32(header + 22, static_cast<std::uint32_t>(height));
    put16(header + 26, 1);
    put16(header + 28, 24);
    put32(header + 34, static_cast<std::uint32_t>(pixelBytes));
    for (std::int32_t y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - y));
        std::uint8_t* row = file.data() + headerBytes + rowBytes * y;
        for (std::int32_t x = 0; x < width; ++x) {
            const QRgb pixel = source[x];
            row[3 * x] = static_cast<std::uint8_t>(qBlue(pixel));
            row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(pixel));
            row[3 * x + 2] = static_cast<std::uint8_t>(qRed(pixel));
        }
    }
    return ByteBuffer(file.data(), file.size());
}

} // namespace zanvik
