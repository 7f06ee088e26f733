#include "server/downloadparts.h"

#include <gtest/gtest.h>
#include <string>

namespace zanvik::server {
namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(DownloadParts, CutsBeforeATagThatTheClientWouldSee) {
    const struct {
        const char* name;
        std::string rest;
        std::size_t maxPart;
        std::size_t expected;
    } cases[] = {
        {"nothing left", "", 10, 0},
        {"shorter than a part", "abc", 10, 3},
        {"longer than a part", std::string(50, 'x'), 10, 10},
        {"end tag inside", "ab[/nextimgdata]cd", 100, 3},
        {"title tag first", "[reqimgtitle]x", 100, 1},
        {"both: the earlier wins", "x[reqimgtitle][/nextimgdata]", 100, 2},
        {"tag after a zero byte is unseen", std::string("ab\0[/nextimgdata]", 17), 100, 17},
        {"tag cut by the part's end is harmless", "abc[/nextimgdata]", 8, 8},
        {"part starting inside a tag", "/nextimgdata]zz", 100, 15},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(nextPartLength(bytesOf(row.rest), row.maxPart), row.expected) << row.name;
    }
}

} // namespace
} // namespace zanvik::server
