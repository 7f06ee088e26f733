#include "foundation/values/gbkcodec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";

struct RoundTrip {
    std::string utf8;
    std::string gbk;
};

TEST(GbkCodec, RoundTripsRealText) {
    const std::vector<RoundTrip> cases = {
        {"", ""},
        {"Zanvik1.2", "Zanvik1.2"},
        {"设计图", "\xC9\xE8\xBC\xC6\xCD\xBC"},
        {"复制图片", "\xB8\xB4\xD6\xC6\xCD\xBC\xC6\xAC"},
        {"duang的一下，很亮，很柔",
         "duang\xB5\xC4\xD2\xBB\xCF\xC2\xA3\xAC\xBA\xDC\xC1\xC1\xA3\xAC\xBA\xDC\xC8\xE1"},
        {"€", "\x80"}, // code page 936 maps 0x80 to the euro sign
    };
    for (const RoundTrip& c : cases) {
        EXPECT_EQ(gbkFromUtf8(c.utf8).bytes(), c.gbk) << c.utf8;
        EXPECT_EQ(utf8FromGbk(Text(c.gbk)), c.utf8) << c.utf8;
    }
}

// The corners of the two-byte ranges: GBK/1 (A1-A9), GBK/2 (B0-F7), GBK/3 (81-A0 lead),
// GBK/4 (AA-FE lead, 40-A0 trail), GBK/5 (A8-A9 lead, 40-A0 trail).
TEST(GbkCodec, RangeEdgesRoundTrip) {
    const std::vector<std::string> pairs = {
        "\xA1\xA1", "\xA9\xEF", "\xB0\xA1", "\xF7\xFE", "\x81\x40", "\xA0\xFE",
        "\xAA\x40", "\xFE\x4F", "\xA8\x40", "\xA9\x96", "\x81\x80", "\xFD\xA0",
    };
    for (const std::string& pair : pairs) {
        const std::string utf8 = utf8FromGbk(Text(pair));
        EXPECT_EQ(utf8.find(replacement), std::string::npos) << std::hex << pair;
        EXPECT_EQ(gbkFromUtf8(utf8).bytes(), pair);
    }
}

struct BadCase {
    std::string gbk;
    std::string utf8;
};

TEST(GbkCodec, InvalidBytesBecomeReplacementCharacters) {
    const std::string r(replacement);
    const std::vector<BadCase> cases = {
        {"\xB0", r}, // lone lead byte at the end
        {"a\xB0", "a" + r},
        {"\xB0(", r + "("}, // a lead byte before a non-trail byte costs only itself
        {"\xB0"
         "a",
         "\xE7\x99\xAE"}, // but B0 61 is a character (U+766E)
        {"\xFF"
         "a",
         r + "a"},
        {"\xB0\x7F", r + "\x7F"},      // 0x7F is no trail byte
        {"x\xFE\x50y", "x" + r + "y"}, // well-formed pairs that the code page refuses
        {"\xA2\xE3", r},
        {"\xB0\xA1\xB0", "啊" + r},
    };
    for (const BadCase& c : cases) {
        EXPECT_EQ(utf8FromGbk(Text(c.gbk)), c.utf8);
    }
}

TEST(GbkCodec, WhatGbkCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(gbkFromUtf8("a😀b").bytes(), "a?b");
    EXPECT_EQ(gbkFromUtf8("\xC3(b").bytes(), "?(b");  // broken sequence keeps what follows
    EXPECT_EQ(gbkFromUtf8("\xE4\xB8").bytes(), "??"); // cut short at the end
    EXPECT_EQ(gbkFromUtf8(std::string_view("a\0b", 3)).bytes(), "ab");
}

} // namespace
} // namespace zanvik
