#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace zanvik {

// A length and exactly that many bytes of any value, zero bytes included. The empty buffer
// (length 0) is also the value of a buffer that was never filled. Copies never share storage.
// The length is a 32-bit count: a buffer never holds more than INT32_MAX bytes.
class ByteBuffer {
public:
    ByteBuffer() = default;
    ByteBuffer(const std::uint8_t* data, std::size_t size);
    explicit ByteBuffer(std::span<const std::uint8_t> bytes);
    // The bytes of a string, taken as they are (zero bytes included).
    static ByteBuffer fromString(std::string_view bytes);

    std::int32_t length() const { return static_cast<std::int32_t>(bytes_.size()); }
    bool empty() const { return bytes_.empty(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::string_view asStringView() const {
        return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
    }
    std::uint8_t operator[](std::size_t index) const { return bytes_[index]; }

    // Appends in place; growth is geometric, so building a buffer part by part costs time
    // linear in its final length.
    void append(std::span<const std::uint8_t> more);
    void reserve(std::size_t capacity);

    friend bool operator==(const ByteBuffer&, const ByteBuffer&) = default;

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace zanvik
