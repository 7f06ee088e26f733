#include "foundation/values/operations.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

ByteBuffer bytes(std::string_view s) {
    return ByteBuffer::fromString(s);
}

std::vector<std::string> fieldsOf(const TextList& list) {
    std::vector<std::string> out;
    for (std::int32_t i = 1; i <= list.count(); ++i) {
        out.emplace_back(list.at(i).bytes());
    }
    return out;
}

TEST(TextFromBytes, StopsAtTheFirstZeroByte) {
    const Text t = textFromBytes(bytes(std::string_view("\x5B\x61\x00\x62", 4)));
    EXPECT_EQ(t.bytes(), "[a");
    EXPECT_EQ(textLength(t), 2);
    EXPECT_TRUE(textFromBytes(bytes(std::string_view("\0abc", 4))).empty());
    EXPECT_TRUE(textFromBytes(ByteBuffer()).empty());
    EXPECT_EQ(textFromBytes(bytes("[img]")).bytes(), "[img]");
}

TEST(BytesFromText, AddsNothing) {
    EXPECT_EQ(byteLength(bytesFromText(Text())), 0);
    EXPECT_EQ(byteLength(bytesFromText("[img]")), 5);
    EXPECT_EQ(bytesFromText("[reqimgtitle]").asStringView(), "[reqimgtitle]");
}

TEST(TextLength, CountsBytesNotCharacters) {
    EXPECT_EQ(textLength("\xC4\xE3\xBA\xC3\xB0\xA1"), 6); // three GBK characters
    EXPECT_EQ(textLength(Text()), 0);
}

TEST(TextConstruction, CutsAtAZeroByte) {
    EXPECT_EQ(Text(std::string_view("ab\0cd", 5)).bytes(), "ab");
    EXPECT_TRUE(Text(static_cast<const char*>(nullptr)).empty());
}

struct FindCase {
    std::string haystack;
    std::string needle;
    std::int32_t expected;
};

TEST(FindText, FollowsCharacterBoundaries) {
    const std::vector<FindCase> cases = {
        {"[reqimgtitle]abc", "[reqimgtitle]", 1},
        {"[reqimgtitle]abc", "[nextimg]", -1},
        {"xx[img]", "[img]", 3},
        {"\xB0[img]", "[img]", -1},    // the tag is taken as the trail of a two-byte character
        {"a[img]", "[img]", 2},        // after an ASCII byte it is found
        {"\xB0\xA1[img]", "[img]", 3}, // after a whole two-byte character it is found
        {"ab\xB0", "zz", -1},          // lone lead byte before the end
        {"[IMG]", "[img]", -1},        // case matters
        {"[im", "[img]", -1},          // fewer bytes than the needle
        {"abc", "", 1},
        {"", "", -1},
        {"", "a", -1},
        {"[/nextimgdata][reqimgtitle]", "[reqimgtitle]", 15},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(findText(Text(c.haystack), Text(c.needle)), c.expected)
            << "haystack " << c.haystack << " needle " << c.needle;
    }
}

TEST(TextRight, ClampsTheCount) {
    EXPECT_TRUE(textRight("abc", 0).empty());
    EXPECT_TRUE(textRight("abc", -4).empty());
    EXPECT_EQ(textRight("abc", 2).bytes(), "bc");
    EXPECT_EQ(textRight("abc", 3).bytes(), "abc");
    EXPECT_EQ(textRight("abc", 99).bytes(), "abc");
    EXPECT_TRUE(textRight(Text(), 3).empty());
}

struct SplitCase {
    std::string text;
    std::string separator;
    std::vector<std::string> fields;
};

TEST(SplitText, FieldsAsTheTableGivesThem) {
    const std::vector<SplitCase> cases = {
        {"a,b", ",", {"a", "b"}},
        {"a,,b", ",", {"a", "", "b"}},
        {",a", ",", {"", "a"}},
        {"a,b,", ",", {"a", "b"}},
        {",", ",", {""}},
        {"a", ",", {"a"}},
        {"", ",", {}},
        {"a,b", "", {"a,b"}},
        // A comma byte inside a two-byte character is not a separator.
        {"\x81,x,y", ",", {"\x81,x", "y"}},
        // A lead byte at the very end ends the scan; the rest is the last field.
        {"ab,c\xB0", ",", {"ab", "c\xB0"}},
        {"\xC4\xE3,\xBA\xC3", ",", {"\xC4\xE3", "\xBA\xC3"}},
        {"a::b::", "::", {"a", "b"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(fieldsOf(splitText(Text(c.text), Text(c.separator))), c.fields)
            << "text " << c.text;
    }
    EXPECT_EQ(splitText(Text(), ",").count(), 0);
}

TEST(TextList, ReadsByOneBasedPosition) {
    const TextList list = splitText("a,b", ",");
    EXPECT_EQ(list.at(1).bytes(), "a");
    EXPECT_EQ(list.at(2).bytes(), "b");
    EXPECT_TRUE(list.at(0).empty());
    EXPECT_TRUE(list.at(3).empty());
}

struct CutCase {
    std::int32_t length;
    std::int32_t n;
    std::int32_t expected;
};

TEST(BytesLeftAndRight, ClampTheCountAndCopy) {
    std::string content(1500, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<char>(i * 7);
    }
    const std::vector<CutCase> cases = {
        {1500, 2000, 1500}, {1500, -500, 0}, {1500, 0, 0}, {1500, 1500, 1500},
        {1500, 10, 10},     {0, 5, 0},       {0, -1, 0},
    };
    for (const CutCase& c : cases) {
        const ByteBuffer b =
            bytes(std::string_view(content).substr(0, static_cast<std::size_t>(c.length)));
        const ByteBuffer left = bytesLeft(b, c.n);
        const ByteBuffer right = bytesRight(b, c.n);
        ASSERT_EQ(byteLength(left), c.expected);
        ASSERT_EQ(byteLength(right), c.expected);
        EXPECT_EQ(left.asStringView(),
                  b.asStringView().substr(0, static_cast<std::size_t>(c.expected)));
        EXPECT_EQ(right.asStringView(),
                  b.asStringView().substr(static_cast<std::size_t>(c.length - c.expected)));
        if (c.expected > 0) {
            EXPECT_NE(left.data(), b.data()) << "a result never shares storage with its input";
        }
    }
}

// An upload cuts its chunks off the front of the buffer it gives up; every state along the way,
// and copies and appends of it, must hold exactly the bytes not yet cut.
TEST(BytesRight, CuttingTheFrontOfAGivenUpBufferKeepsTheRestExactly) {
    std::string content(4001, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<char>(i * 13 + 1);
    }
    ByteBuffer buffer = bytes(content);
    std::size_t cut = 0;
    for (const std::int32_t chunk : {2000, 2000, 1}) {
        EXPECT_EQ(bytesLeft(buffer, 2000).asStringView(), std::string_view(content).substr(cut, 2000));
        buffer = bytesRight(std::move(buffer), byteLength(buffer) - chunk);
        cut += static_cast<std::size_t>(chunk);
        const std::string_view rest = std::string_view(content).substr(cut);
        EXPECT_EQ(buffer.asStringView(), rest);
        const ByteBuffer copy = buffer;
        EXPECT_EQ(copy, buffer);
        EXPECT_EQ(concatBytes(copy, bytes("z")).asStringView(), std::string(rest) + "z");
        ByteBuffer appended = buffer;
        appended.append(bytes("xy").bytes());
        EXPECT_EQ(appended.asStringView(), std::string(rest) + "xy");
    }
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(buffer, ByteBuffer());
    EXPECT_TRUE(bytesRight(std::move(buffer), -5).empty());

    ByteBuffer source = bytes("abcdef");
    ByteBuffer moved = std::move(source);
    EXPECT_EQ(moved.asStringView(), "abcdef");
    EXPECT_TRUE(source.empty()); // NOLINT(bugprone-use-after-move): a moved-from buffer is empty
    EXPECT_EQ(byteLength(source), 0);
}

TEST(Concatenation, JoinsInOrderAndEmptyStaysEmpty) {
    EXPECT_TRUE(concatText(Text(), "", Text()).empty());
    EXPECT_EQ(concatText("[title]", "\xC4\xE3").bytes(), "[title]\xC4\xE3");
    EXPECT_EQ(concatText("a", "b", "c", "d", "e", "f", "g").bytes(), "abcdefg");
    EXPECT_TRUE(concatBytes(ByteBuffer(), ByteBuffer()).empty());
    const ByteBuffer joined = concatBytes(bytes(std::string_view("a\0", 2)), bytes("b"));
    EXPECT_EQ(joined.asStringView(), std::string_view("a\0b", 3));
}

TEST(Concatenation, MovingVersionKeepsTheBytesOfBoth) {
    ByteBuffer assembled;
    std::string expected;
    for (int part = 0; part < 50; ++part) {
        const std::string piece(static_cast<std::size_t>(part + 1), static_cast<char>(part));
        assembled = concatBytes(std::move(assembled), bytes(piece));
        expected += piece;
    }
    EXPECT_EQ(assembled.asStringView(), expected);
}

TEST(CompareText, UnsignedBytesAndAbsentEqualsEmpty) {
    EXPECT_EQ(compareText(Text(), ""), 0);
    EXPECT_LT(compareText("a", "b"), 0);
    EXPECT_GT(compareText("b", "a"), 0);
    EXPECT_LT(compareText("ab", "abc"), 0);
    EXPECT_GT(compareText("\xB0", "a"), 0) << "bytes compare as unsigned values";
}

TEST(BytesEqual, LengthAndBytes) {
    EXPECT_TRUE(bytesEqual(ByteBuffer(), bytes("")));
    EXPECT_TRUE(bytesEqual(bytes(std::string_view("a\0b", 3)), bytes(std::string_view("a\0b", 3))));
    EXPECT_FALSE(
        bytesEqual(bytes(std::string_view("a\0b", 3)), bytes(std::string_view("a\0c", 3))));
    EXPECT_FALSE(bytesEqual(bytes("a"), bytes("ab")));
}

} // namespace
} // namespace zanvik
