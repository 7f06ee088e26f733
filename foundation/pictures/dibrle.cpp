#include "foundation/pictures/dibpixels.h"

#include <algorithm>

namespace zanvik {

namespace {

// Walks RLE4 or RLE8 codes, writing colour indices through the palette. Rows run bottom-up.
class RleWalker {
public:
    // With no bitmap, only checks that the codes are whole.
    RleWalker(const DibHeader& header, std::span<const std::uint8_t> data, Bitmap* bitmap)
        : header_(header), data_(data), bitmap_(bitmap),
          fourBits_(header.compression == DibCompression::rle4) {}

    bool run() {
        while (true) {
            if (!has(2)) {
                // Data that stops without the end-of-picture code is whole only after its last row.
                return y_ >= header_.height;
            }
            const std::uint8_t count = data_[position_];
            const std::uint8_t value = data_[position_ + 1];
            position_ += 2;
            if (count > 0) {
                repeat(count, value);
                continue;
            }
            switch (value) {
            case 0: // end of row
                nextRow();
                break;
            case 1: // end of picture
                return true;
            case 2: // jump right and up
                if (!jump()) {
                    return false;
                }
                break;
            default:
                if (!absolute(value)) {
                    return false;
                }
                break;
            }
        }
    }

private:
    bool has(std::size_t count) const { return count <= data_.size() - position_; }

    // Pixels outside the picture are dropped: common encoders run rows into their padding.
    // The position stops at the edge, so it never overflows.
    void put(std::uint32_t index) {
        if (x_ >= header_.width || y_ >= header_.height) {
            return;
        }
        if (bitmap_ != nullptr) {
            const std::size_t row = static_cast<std::size_t>(header_.height - 1 - y_);
            bitmap_->pixels[row * static_cast<std::size_t>(header_.width) +
                            static_cast<std::size_t>(x_)] =
                index < header_.palette.size() ? header_.palette[index] : missingPaletteColour;
        }
        ++x_;
    }

    void nextRow() {
        x_ = 0;
        y_ = std::min(y_ + 1, header_.height);
    }

    void repeat(std::int32_t count, std::uint8_t value) {
        for (std::int32_t i = 0; i < count; ++i) {
            put(fourBits_ ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
        }
    }

    bool jump() {
        if (!has(2)) {
            return false;
        }
        x_ = std::min(x_ + data_[position_], header_.width);
        y_ = std::min(y_ + data_[position_ + 1], header_.height);
        position_ += 2;
        return true;
    }

    bool absolute(std::int32_t count) {
        const std::size_t bytes =
            fourBits_ ? (static_cast<std::size_t>(count) + 1) / 2 : static_cast<std::size_t>(count);
        const std::size_t padded = (bytes + 1) / 2 * 2;
        if (!has(padded)) {
            return false;
        }
        for (std::int32_t i = 0; i < count; ++i) {
            const std::uint8_t byte =
                data_[position_ + static_cast<std::size_t>(fourBits_ ? i / 2 : i)];
            put(fourBits_ ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
        }
        position_ += padded;
        return true;
    }

    const DibHeader& header_;
    std::span<const std::uint8_t> data_;
    Bitmap* bitmap_;
    bool fourBits_;
    std::size_t position_ = 0;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

} // namespace

std::optional<Bitmap> decodeDibRle(const DibHeader& header, std::span<const std::uint8_t> pixels) {
    // The codes are walked once without pixels, so that data that stops short fails before the
    // picture is allocated.
    if (!RleWalker(header, pixels, nullptr).run()) {
        return std::nullopt;
    }
    Bitmap bitmap;
    bitmap.width = header.width;
    bitmap.height = header.height;
    // Pixels that the codes jump over stay black, as on a fresh system bitmap.
    bitmap.pixels.assign(static_cast<std::size_t>(header.width) *
                             static_cast<std::size_t>(header.height),
                         0xFF000000u);
    RleWalker(header, pixels, &bitmap).run();
    return bitmap;
}

} // namespace zanvik
