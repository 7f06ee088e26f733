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

} // namespace
} // namespace zanvik::server
