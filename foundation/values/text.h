#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zanvik {

// A sequence of bytes in code page 936 (GBK) that never holds a zero byte. The length counts
// bytes, not characters. The absent Text and the empty Text are the same value.
class Text {
public:
    Text() = default;
    // Takes the bytes up to, not including, the first zero byte.
    Text(const char* bytes); // NOLINT(google-explicit-constructor): literals are Texts
    Text(std::string_view bytes);
    Text(const std::string& bytes) : Text(std::string_view(bytes)) {}

    std::int32_t length() const { return static_cast<std::int32_t>(bytes_.size()); }
    bool empty() const { return bytes_.empty(); }
    std::string_view bytes() const { return bytes_; }
    // The bytes with their terminating zero, for C interfaces.
    const char* c_str() const { return bytes_.c_str(); }
    std::uint8_t at(std::size_t index) const { return static_cast<std::uint8_t>(bytes_[index]); }

    friend bool operator==(const Text&, const Text&) = default;

private:
    friend class TextBuilder;
    std::string bytes_;
};

// Assembles a Text from pieces that are known to hold no zero byte.
class TextBuilder {
public:
    void reserve(std::size_t size);
    void append(std::string_view bytesWithoutZero);
    Text take();

private:
    Text text_;
};

} // namespace zanvik
