#include "foundation/pictures/pcxdecoder.h"

#include "foundation/pictures/bytereader.h"
#include "foundation/pictures/picturelimits.h"

#include <vector>

namespace zanvik {

namespace {

constexpr std::size_t headerSize = 128;
constexpr std::size_t paletteSize = 1 + 256 * 3;
constexpr std::uint8_t paletteMarker = 0x0C;

struct PcxHeader {
    int bits = 0;
    int planes = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t bytesPerLine = 0;
};

std::optional<PcxHeader> readHeader(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    const std::uint8_t manufacturer = reader.u8();
    reader.skip(1);
    const std::uint8_t encoding = reader.u8();
    PcxHeader header;
    header.bits = reader.u8();
    const std::int32_t left = reader.u16();
    const std::int32_t top = reader.u16();
    const std::int32_t right = reader.u16();
    const std::int32_t bottom = reader.u16();
    reader.skip(65 - 12);
    header.planes = reader.u8();
    header.bytesPerLine = reader.u16();
    if (!reader.ok() || bytes.size() < headerSize || manufacturer != 0x0A || encoding != 1 ||
        right < left || bottom < top) {
        return std::nullopt;
    }
    header.width = right - left + 1;
    header.height = bottom - top + 1;
    const bool known = (header.bits == 8 && (header.planes == 1 || header.planes == 3)) ||
                       (header.bits == 1 && header.planes == 1);
    const std::size_t needed = (static_cast<std::size_t>(header.width) * header.bits + 7) / 8;
    if (!known || header.bytesPerLine < needed ||
        std::int64_t{header.width} * header.height > maximumPicturePixels) {
        return std::nullopt;
    }
    return header;
}

// Expands PCX runs: a byte of 0xC0 and above repeats the next byte (its low six bits) times.
class RunReader {
public:
    explicit RunReader(std::span<const std::uint8_t> data) : data_(data) {}

    // Fills `line` whole; false when the data ends first. A run of length 0 gives nothing.
    bool fill(std::vector<std::uint8_t>& line) {
        for (std::uint8_t& out : line) {
            while (repeats_ == 0) {
                if (!nextCode()) {
                    return false;
                }
            }
            out = value_;
            --repeats_;
        }
        return true;
    }

private:
    bool nextCode() {
        if (position_ >= data_.size()) {
            return false;
        }
        const std::uint8_t byte = data_[position_++];
        if (byte < 0xC0) {
            repeats_ = 1;
            value_ = byte;
            return true;
        }
        if (position_ >= data_.size()) {
            return false;
        }
        repeats_ = byte & 0x3F;
        value_ = data_[position_++];
        return true;
    }

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    std::uint32_t repeats_ = 0;
    std::uint8_t value_ = 0;
};

} // namespace

std::optional<PictureSize> pcxSize(std::span<const std::uint8_t> bytes) {
    const auto header = readHeader(bytes);
    if (!header) {
        return std::nullopt;
    }
    return PictureSize{header->width, header->height};
}

std::optional<Bitmap> decodePcx(std::span<const std::uint8_t> bytes) {
    const auto header = readHeader(bytes);
    if (!header) {
        return std::nullopt;
    }
    std::span<const std::uint8_t> data = bytes.subspan(headerSize);
    std::vector<std::uint32_t> palette;
    if (header->bits == 8 && header->planes == 1) {
        if (data.size() < paletteSize || data[data.size() - paletteSize] != paletteMarker) {
            return std::nullopt;
        }
        const std::uint8_t* entries = data.data() + data.size() - paletteSize + 1;
        for (std::size_t i = 0; i < 256; ++i) {
            palette.push_back(0xFF000000u | std::uint32_t{entries[3 * i]} << 16 |
                              std::uint32_t{entries[3 * i + 1]} << 8 | entries[3 * i + 2]);
        }
        data = data.first(data.size() - paletteSize);
    }
    const std::size_t lineBytes = header->bytesPerLine * static_cast<std::size_t>(header->planes);
    if (static_cast<std::int64_t>(lineBytes) * header->height >
        static_cast<std::int64_t>(data.size()) * maximumPcxRunLength) {
        return std::nullopt;
    }
    Bitmap bitmap;
    bitmap.width = header->width;
    bitmap.height = header->height;
    bitmap.pixels.resize(static_cast<std::size_t>(header->width) * header->height);
    RunReader runs(data);
    std::vector<std::uint8_t> line(lineBytes);
    const std::size_t plane = header->bytesPerLine;
    for (std::int32_t y = 0; y < header->height; ++y) {
        if (!runs.fill(line)) {
            return std::nullopt;
        }
        std::uint32_t* out = bitmap.pixels.data() + static_cast<std::size_t>(y) * header->width;
        for (std::int32_t x = 0; x < header->width; ++x) {
            const auto i = static_cast<std::size_t>(x);
            if (header->bits == 1) {
                out[x] = (line[i / 8] >> (7 - i % 8) & 1) != 0 ? 0xFFFFFFFFu : 0xFF000000u;
            } else if (header->planes == 1) {
                out[x] = palette[line[i]];
            } else {
                out[x] = 0xFF000000u | std::uint32_t{line[i]} << 16 |
                         std::uint32_t{line[plane + i]} << 8 | line[2 * plane + i];
            }
        }
    }
    return bitmap;
}

} // namespace zanvik
