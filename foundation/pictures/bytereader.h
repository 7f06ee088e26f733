#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zanvik {

// Reads little-endian fields from a byte span. Every read is bounds-checked: a read past the end
// gives 0 and makes ok() false for good, so a parser reads a whole header and checks once.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t position = 0)
        : bytes_(bytes), position_(position), ok_(position <= bytes.size()) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return ok_ ? bytes_.size() - position_ : 0; }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
    std::int32_t s32() { return static_cast<std::int32_t>(u32()); }
    void skip(std::size_t count) {
        if (!ok_ || count > bytes_.size() - position_) {
            ok_ = false;
            return;
        }
        position_ += count;
    }

private:
    std::uint64_t take(std::size_t count) {
        if (!ok_ || count > bytes_.size() - position_) {
            ok_ = false;
            return 0;
        }
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            value |= std::uint64_t{bytes_[position_ + i]} << (8 * i);
        }
        position_ += count;
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_;
    bool ok_;
};

} // namespace zanvik
