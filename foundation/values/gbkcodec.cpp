#include "foundation/values/gbkcodec.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>

namespace zanvik {
namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter final {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one whole unit (a character); false when iconv refuses any part of it.
    bool convert(std::string_view in, std::string& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr); // reset the shift state
        std::array<char, 16> buffer{};
        char* inPointer = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPointer = buffer.data();
        std::size_t outLeft = buffer.size();
        if (iconv(handle_, &inPointer, &inLeft, &outPointer, &outLeft) ==
                static_cast<std::size_t>(-1) ||
            inLeft != 0) {
            return false;
        }
        if (iconv(handle_, nullptr, nullptr, &outPointer, &outLeft) ==
            static_cast<std::size_t>(-1)) {
            return false;
        }
        out.append(buffer.data(), static_cast<std::size_t>(outPointer - buffer.data()));
        return true;
    }

private:
    iconv_t handle_;
};

bool isTrailByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x40 && value <= 0xFE && value != 0x7F;
}

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence that starts with lead, or 0 when lead cannot start one.
std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

} // namespace

std::string utf8FromGbk(const Text& gbk) {
    const std::string_view bytes = gbk.bytes();
    std::string utf8;
    utf8.reserve(bytes.size() * 3 / 2);
    Converter converter("UTF-8", "CP936");
    std::size_t p = 0;
    while (p < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[p]);
        if (lead < 0x80) {
            utf8.push_back(static_cast<char>(lead));
            ++p;
            continue;
        }
        // 0x80 alone is the euro sign in code page 936; every other byte of 0x81..0xFE leads a
        // two-byte character. A lead byte without a valid trail byte after it is replaced on its
        // own, so that the character after it is still read; a well-formed pair that the code
        // page leaves unassigned is replaced as a whole.
        const std::size_t width = (lead == 0x80 || lead == 0xFF) ? 1 : 2;
        if (converter.valid() && p + width <= bytes.size() &&
            converter.convert(bytes.substr(p, width), utf8)) {
            p += width;
            continue;
        }
        utf8.append(replacementCharacter);
        p += (width == 2 && p + 1 < bytes.size() && isTrailByte(bytes[p + 1])) ? 2 : 1;
    }
    return utf8;
}

Text gbkFromUtf8(std::string_view utf8) {
    std::string gbk;
    gbk.reserve(utf8.size());
    Converter converter("CP936", "UTF-8");
    std::size_t p = 0;
    while (p < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[p]);
        if (lead < 0x80) {
            if (lead != 0) {
                gbk.push_back(static_cast<char>(lead));
            }
            ++p;
            continue;
        }
        const std::size_t width = utf8SequenceLength(lead);
        bool wellFormed = width != 0 && p + width <= utf8.size();
        for (std::size_t i = 1; wellFormed && i < width; ++i) {
            wellFormed = isContinuationByte(utf8[p + i]);
        }
        if (!wellFormed) {
            gbk.push_back('?'); // a broken sequence costs one byte; what follows is still read
            ++p;
            continue;
        }
        if (!converter.valid() || !converter.convert(utf8.substr(p, width), gbk)) {
            gbk.push_back('?'); // a character that GBK cannot hold
        }
        p += width;
    }
    return Text(gbk);
}

} // namespace zanvik
