#include "foundation/values/gbkcodec.h"
#include "server/titlecheck.h"

#include <fstream>
#include <gtest/gtest.h>

namespace zanvik::server {
namespace {

TEST(TitleCheck, AcceptsAndRefusesByCharacterNotByByte) {
    const struct {
        std::string title;
        bool good;
    } cases[] = {
        {"cat", true},
        {"\xc4\xe3\xba\xc3", true}, // 你好
        {"\x95\x5c", true},         // a GBK character whose trail byte is "\"
        {"duang\xb5\xc4\xd2\xbb\xcf\xc2\xa3\xac\xba\xdc\xc1\xc1", true}, // full-width comma
        {"a b.c", true},
        {"\x80", true}, // the euro sign of code page 936
        {"", false},
        {"a,b", false},
        {"a/b", false},
        {"a\\b", false},
        {"..", false},
        {"x..y", false},
        {std::string("a\0b", 3), false},
        {"tab\there", false},
        {"del\x7f", false},
        {"what?", false},
        {"star*", false},
        {"a:b", false},
        {"lone lead \xc4", false},
        {"\xc4\x30", false}, // trail byte out of range
        {"\xff", false},
        {"x[/nextimgdata]", false},
        {"[reqimgtitle]", false},
        {std::string(120, 'a'), true},
        {std::string(121, 'a'), false},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(!titleFault(row.title, 120).has_value(), row.good) << row.title;
    }
}

// The sample titles are stored as they are: every one must pass the check, and the first four
// are the ones the gallery shows before the first list arrives.
TEST(TitleCheck, SampleTitlesPass) {
    std::ifstream file(ZANVIK_SAMPLE_TITLES);
    std::vector<std::string> titles;
    for (std::string line; std::getline(file, line);) {
        titles.push_back(line);
    }
    ASSERT_EQ(titles.size(), 30u);
    EXPECT_EQ(titles[0], "110吗这里有人装逼场面控制不住了");
    EXPECT_EQ(titles[1], "duang的一下就冷场了就像加了特效一样");
    EXPECT_EQ(titles[2], "duang的一下，很亮，很柔");
    EXPECT_EQ(titles[3], "一句话不说上去就是一锤子");
    for (const auto& title : titles) {
        const Text gbk = gbkFromUtf8(title);
        EXPECT_EQ(utf8FromGbk(gbk), title);
        EXPECT_FALSE(titleFault(gbk.bytes(), 120).has_value()) << title;
    }
}

} // namespace
} // namespace zanvik::server
