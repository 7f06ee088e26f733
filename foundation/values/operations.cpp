#include "foundation/values/operations.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace zanvik {
namespace {

bool startsDoubleByteCharacter(std::uint8_t byte) {
    return byte >= 0x80;
}

// Where the scan of findText and splitText goes next from position p of bytes: over one
// character. Gives npos when a lead byte is followed by the end of the text.
constexpr std::size_t endOfScan = std::string_view::npos;
std::size_t nextCharacter(std::string_view bytes, std::size_t p) {
    if (!startsDoubleByteCharacter(static_cast<std::uint8_t>(bytes[p]))) {
        return p + 1;
    }
    if (p + 1 >= bytes.size()) {
        return endOfScan;
    }
    return p + 2;
}

} // namespace

Text concatText(std::initializer_list<Text> pieces) {
    std::size_t total = 0;
    for (const Text& piece : pieces) {
        total += piece.bytes().size();
    }
    TextBuilder builder;
    builder.reserve(total);
    for (const Text& piece : pieces) {
        builder.append(piece.bytes());
    }
    return builder.take();
}

ByteBuffer concatBytes(const ByteBuffer& a, const ByteBuffer& b) {
    ByteBuffer result;
    result.reserve(a.bytes().size() + b.bytes().size());
    result.append(a.bytes());
    result.append(b.bytes());
    return result;
}

ByteBuffer concatBytes(ByteBuffer&& a, const ByteBuffer& b) {
    ByteBuffer result = std::move(a);
    result.append(b.bytes());
    return result;
}

Text textFromBytes(const ByteBuffer& buffer) {
    return Text(buffer.asStringView());
}

ByteBuffer bytesFromText(const Text& text) {
    return ByteBuffer::fromString(text.bytes());
}

std::int32_t textLength(const Text& text) {
    return text.length();
}

std::int32_t byteLength(const ByteBuffer& buffer) {
    return buffer.length();
}

std::int32_t findText(const Text& haystack, const Text& needle) {
    const std::string_view h = haystack.bytes();
    const std::string_view s = needle.bytes();
    if (h.empty()) {
        return -1;
    }
    std::size_t p = 0;
    while (h.size() - p >= s.size()) {
        if (h.compare(p, s.size(), s) == 0) {
            return static_cast<std::int32_t>(p + 1);
        }
        p = nextCharacter(h, p);
        if (p == endOfScan || p > h.size()) {
            return -1;
        }
    }
    return -1;
}

Text textRight(const Text& text, std::int32_t n) {
    if (n <= 0) {
        return {};
    }
    if (n >= text.length()) {
        return text;
    }
    const std::string_view bytes = text.bytes();
    return Text(bytes.substr(bytes.size() - static_cast<std::size_t>(n)));
}

TextList splitText(const Text& text, const Text& separator) {
    const std::string_view t = text.bytes();
    const std::string_view sep = separator.bytes();
    TextList fields;
    if (t.empty()) {
        return fields;
    }
    if (sep.empty()) {
        fields.add(text);
        return fields;
    }
    std::size_t fieldStart = 0;
    std::size_t p = 0;
    while (p <= t.size() && t.size() - p >= sep.size()) {
        if (t.compare(p, sep.size(), sep) == 0) {
            fields.add(Text(t.substr(fieldStart, p - fieldStart)));
            p += sep.size();
            fieldStart = p;
            continue;
        }
        p = nextCharacter(t, p);
        if (p == endOfScan) {
            break;
        }
    }
    if (fieldStart < t.size()) {
        fields.add(Text(t.substr(fieldStart)));
    }
    return fields;
}

ByteBuffer bytesLeft(const ByteBuffer& buffer, std::int32_t n) {
    const std::int32_t k = std::clamp(n, 0, buffer.length());
    return {buffer.data(), static_cast<std::size_t>(k)};
}

ByteBuffer bytesRight(const ByteBuffer& buffer, std::int32_t n) {
    const std::int32_t k = std::clamp(n, 0, buffer.length());
    return {buffer.data() + (buffer.length() - k), static_cast<std::size_t>(k)};
}

ByteBuffer bytesRight(ByteBuffer&& buffer, std::int32_t n) {
    const std::int32_t k = std::clamp(n, 0, buffer.length());
    ByteBuffer result = std::move(buffer);
    result.dropFront(static_cast<std::size_t>(result.length() - k));
    return result;
}

std::int32_t compareText(const Text& a, const Text& b) {
    const int order = a.bytes().compare(b.bytes()); // char_traits<char> compares as unsigned
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool bytesEqual(const ByteBuffer& a, const ByteBuffer& b) {
    return a == b;
}

Text intToText(std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    return Text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

Text doubleToText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    if (value == 0) {
        return "0"; // negative zero too: "-0" would read as a fault to a user
    }
    char printed[48];
    std::snprintf(printed, sizeof printed, "%.13g", value);
    std::string text(printed);
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        // "%g" gives at least two exponent digits; the program shows at least three.
        const std::size_t digitsStart = e + 2; // after 'e' and the sign
        const std::size_t digitCount = text.size() - digitsStart;
        if (digitCount < 3) {
            text.insert(digitsStart, 3 - digitCount, '0');
        }
    }
    return Text(text);
}

// Every step is its own double operation: no fused multiply-add may merge them (gcc in ISO mode
// does not contract; clang needs telling).
#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#endif
double roundToDecimals(double x, std::int32_t n) {
    if (x == 0 || std::isnan(x)) {
        return x;
    }
    const bool negative = std::signbit(x);
    const double a = std::fabs(x);
    double scaled = a;
    double scale = 1.0;
    if (n > 0) {
        scale = std::pow(10.0, n);
        scaled = a * scale;
    } else if (n < 0) {
        scale = std::pow(10.0, -n);
        scaled = a / scale;
    }
    const double nudged = scaled + 1e-12;
    double integerPart = 0;
    const double fraction = std::modf(nudged, &integerPart);
    const double roundedUnits = fraction >= 0.5 ? integerPart + 1 : integerPart;
    double result = roundedUnits;
    if (n > 0) {
        result = roundedUnits / scale;
    } else if (n < 0) {
        result = roundedUnits * scale;
    }
    return negative ? -result : result;
}

std::int32_t truncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double whole = std::trunc(value);
    std::int64_t wide = 0;
    if (whole >= 9223372036854775808.0) {
        wide = std::numeric_limits<std::int64_t>::max();
    } else if (whole < -9223372036854775808.0) {
        wide = std::numeric_limits<std::int64_t>::min();
    } else {
        wide = static_cast<std::int64_t>(whole);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

} // namespace zanvik
