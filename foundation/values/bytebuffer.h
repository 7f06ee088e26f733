#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
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
    // A copy holds only the kept bytes; a moved-from buffer is empty.
    ByteBuffer(const ByteBuffer& other) : ByteBuffer(other.data(), other.bytes().size()) {}
    ByteBuffer(ByteBuffer&& other) noexcept
        : bytes_(std::move(other.bytes_)), start_(std::exchange(other.start_, 0)) {
        other.bytes_.clear();
    }
    ByteBuffer& operator=(const ByteBuffer& other) {
        if (this != &other) {
            *this = ByteBuffer(other);
        }
        return *this;
    }
    ByteBuffer& operator=(ByteBuffer&& other) noexcept {
        if (this != &other) {
            bytes_ = std::move(other.bytes_);
            start_ = std::exchange(other.start_, 0);
            other.bytes_.clear();
        }
        return *this;
    }
    ~ByteBuffer() = default;
    // The bytes of a string, taken as they are (zero bytes included).
    static ByteBuffer fromString(std::string_view bytes);

    std::int32_t length() const { return static_cast<std::int32_t>(bytes_.size() - start_); }
    bool empty() const { return bytes_.size() == start_; }
    const std::uint8_t* data() const { return bytes_.data() + start_; }
    std::span<const std::uint8_t> bytes() const { return {data(), bytes_.size() - start_}; }
    std::string_view asStringView() const {
        return {reinterpret_cast<const char*>(data()), bytes_.size() - start_};
    }
    std::uint8_t operator[](std::size_t index) const { return bytes_[start_ + index]; }

    // Appends in place; growth is geometric, so building a buffer part by part costs time
    // linear in its final length.
    void append(std::span<const std::uint8_t> more);
    void reserve(std::size_t capacity);
    // Forgets the first count bytes (all of them when count is larger) without moving the rest,
    // so that cutting a buffer piece by piece off its front costs time linear in its length.
    void dropFront(std::size_t count);

    friend bool operator==(const ByteBuffer& a, const ByteBuffer& b) {
        return a.asStringView() == b.asStringView();
    }

private:
    // Moves the kept bytes to the front of the storage before it grows.
    void compact();

    std::vector<std::uint8_t> bytes_;
    std::size_t start_ = 0; // bytes_[0, start_) were dropped from the front
};

} // namespace zanvik
