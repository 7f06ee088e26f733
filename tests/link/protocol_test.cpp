#include "foundation/values/operations.h"
#include "link/arrivals.h"
#include "link/messages.h"
#include "link/protocolconstants.h"
#include "link/serveraddress.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik::protocol {
namespace {

ByteBuffer bytes(std::string_view raw) {
    return ByteBuffer::fromString(raw);
}

std::vector<std::string> titles(const TextList& list) {
    std::vector<std::string> out;
    for (const Text& title : list) {
        out.emplace_back(title.bytes());
    }
    return out;
}

struct MessageCase {
    const char* name;
    ByteBuffer message;
    std::string wire;
};

TEST(ProtocolMessages, AreTheTagThenThePayloadWithNothingAdded) {
    const std::string gbkTitle = "\xB1\xED\xC7\xE9"; // two Chinese characters, 4 bytes
    const MessageCase cases[] = {
        {"title list", titleListRequest(), "[reqimgtitle]"},
        {"picture, 4-byte title", pictureRequest(Text("abcd")), "[reqimgdata]abcd"},
        {"picture, GBK title", pictureRequest(Text(gbkTitle)), "[reqimgdata]" + gbkTitle},
        {"picture, empty title", pictureRequest(Text()), "[reqimgdata]"},
        {"next part", nextPartRequest(), "[nextimgdata]"},
        {"upload title", uploadTitleMessage(Text(gbkTitle)), "[title]" + gbkTitle},
        {"upload title, empty", uploadTitleMessage(Text()), "[title]"},
        {"upload start", uploadStartMessage(), "[img]"},
        {"end of upload", endOfUploadMessage(), "[/img]"},
        {"server answer", messageWith(titleListTag, Text("a,b")), "[reqimgtitle]a,b"},
    };
    for (const MessageCase& c : cases) {
        EXPECT_EQ(c.message.asStringView(), c.wire) << c.name;
    }
    EXPECT_EQ(titleListRequest().length(), 13);
    EXPECT_EQ(pictureRequest(Text("abcd")).length(), 16);
}

struct TagCase {
    const char* name;
    std::string arrival;
    std::string_view tag;
    bool found;
};

TEST(ProtocolHasTag, SearchesOnlyTheTextBeforeTheFirstZeroByte) {
    using namespace std::string_literals;
    const TagCase cases[] = {
        {"tag alone", "[nextimg]", nextChunkTag, true},
        {"tag inside", "xx[nextimg]yy", nextChunkTag, true},
        {"tag at the end", "abc[/nextimgdata]", endOfPictureTag, true},
        {"other tag", "[nexttitle]", nextChunkTag, false},
        {"case matters", "[NEXTIMG]", nextChunkTag, false},
        {"first byte zero", "\0[nextimg]"s, nextChunkTag, false},
        {"tag after a zero", "ab\0[nextimg]"s, nextChunkTag, false},
        {"tag before a zero", "[nextimg]\0junk"s, nextChunkTag, true},
        {"tag cut by a zero", "[next\0img]"s, nextChunkTag, false},
        {"after a lone lead byte", "\xB0[img]", uploadStartTag, false},
        {"after a whole GBK character", "\xB1\xED[img]", uploadStartTag, true},
        {"after ASCII", "a[img]", uploadStartTag, true},
        {"empty arrival", "", titleListTag, false},
        {"shorter than the tag", "[reqimg", titleListTag, false},
        // "[/img]" holds no "[img]", but "[nextimg]" does not hold "[/img]" either.
        {"end tag is not start tag", "[/img]", uploadStartTag, false},
        {"end of picture holds no list tag", "[/nextimgdata]", titleListTag, false},
    };
    for (const TagCase& c : cases) {
        EXPECT_EQ(hasTag(bytes(c.arrival), c.tag), c.found) << c.name;
    }
}

TEST(ProtocolHasTag, FindsBothTagsOfAnArrivalThatHoldsTwo) {
    const ByteBuffer both = bytes("[/nextimgdata][reqimgtitle]");
    EXPECT_TRUE(hasTag(both, endOfPictureTag));
    EXPECT_TRUE(hasTag(both, titleListTag));
    const ByteBuffer share = bytes("[nexttitle][nextimg]");
    EXPECT_TRUE(hasTag(share, titleAcceptedTag));
    EXPECT_TRUE(hasTag(share, nextChunkTag));
}

struct TitleListCase {
    const char* name;
    std::string arrival;
    std::vector<std::string> titles;
};

TEST(ProtocolTitleListFrom, DropsThirteenBytesAndSplitsAtCommas) {
    using namespace std::string_literals;
    const TitleListCase cases[] = {
        {"tag alone", "[reqimgtitle]", {}},
        {"shorter than the tag", "[reqimg", {}},
        {"empty", "", {}},
        {"one title", "[reqimgtitle]cat", {"cat"}},
        {"titles", "[reqimgtitle]cat,dog,fish", {"cat", "dog", "fish"}},
        {"two commas", "[reqimgtitle]a,,b", {"a", "", "b"}},
        {"trailing comma", "[reqimgtitle]a,b,", {"a", "b"}},
        {"leading comma", "[reqimgtitle],a", {"", "a"}},
        {"comma only", "[reqimgtitle],", {""}},
        {"two bytes before the tag", "xx[reqimgtitle]a,b", {"e]a", "b"}},
        {"zero byte ends the text", "[reqimgtitle]a,b\0,c"s, {"a", "b"}},
        {"first byte zero", "\0[reqimgtitle]a"s, {}},
        {"GBK titles", "[reqimgtitle]\xB1\xED\xC7\xE9,\xB0\xA1", {"\xB1\xED\xC7\xE9", "\xB0\xA1"}},
        // A comma byte inside a two-byte character is part of the character, not a separator.
        {"comma as second byte", "[reqimgtitle]\x81,x", {"\x81,x"}},
    };
    for (const TitleListCase& c : cases) {
        EXPECT_EQ(titles(titleListFrom(bytes(c.arrival))), c.titles) << c.name;
    }
}

TEST(ProtocolSettings, ServerAddressIsTheBuildSetting) {
    EXPECT_EQ(SERVER_ADDRESS, ZANVIK_EXPECTED_SERVER_ADDRESS);
    EXPECT_EQ(SERVER_PORT, 11342);
    EXPECT_EQ(CHUNK_SIZE, 2000);
}

} // namespace
} // namespace zanvik::protocol
