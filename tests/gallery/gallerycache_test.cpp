// The gallery's local cache: which titles may name a file, literal look-ups, hits that never
// touch the network, and titles from the network that must not reach the file system.
#include "app/processstate.h"
#include "foundation/services/folders.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/values/operations.h"
#include "gallery/gallerylimits.h"
#include "gallery/gallerytexts.h"
#include "gallery/picturecache.h"
#include "tests/gallery/gallerytestfixture.h"
#include "tests/link/eventpump.h"

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>

namespace zanvik::testing {
namespace {

namespace names = gallery;
namespace fs = std::filesystem;

const std::string firstTitle = "110吗这里有人装逼场面控制不住了";

struct TitleCase {
    const char* name;
    std::string gbkBytes;
    bool safe;
    bool inList = true; // usable as a list entry followed by ",other"
};

// Longest safe title: with ".jpg", exactly the limit in UTF-8 (a Chinese character is 3 bytes
// in UTF-8, 2 in GBK).
std::string chineseOfUtf8Bytes(std::size_t bytes) {
    std::string utf8;
    while (utf8.size() + 3 <= bytes) {
        utf8 += "图";
    }
    utf8 += std::string(bytes - utf8.size(), 'a');
    return gbk(utf8);
}

const std::vector<TitleCase> titleCases{
    {"chinese", gbk("我竟无言以对"), true},
    {"wildcards", "*?", true},
    {"innerDots", "a..b", true},
    {"secondByte5C", "\x95\x5C", true}, // a GBK character ending in 0x5C
    {"longest", chineseOfUtf8Bytes(gallery::maxCacheFileNameBytes - 4), true},
    {"empty", "", false},
    {"slash", "a/b", false},
    {"backslash", "a\\b", false},
    {"parentPath", "../evil", false},
    {"dot", ".", false},
    {"dotDot", "..", false},
    {"hidden", ".hidden", false},
    {"tab", "a\tb", false},
    {"delete", "a\x7F", false},
    {"loneLeadByte", "a\x81", false, false}, // would take the comma after it
    {"badTrailByte7F", "\x81\x7F", false},
    {"badTrailByte", "\x81\x20", false},
    {"tooLong", chineseOfUtf8Bytes(gallery::maxCacheFileNameBytes - 3), false},
};

class SafeTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(SafeTitleTest, OnlyTitlesThatAreOneHarmlessFileNameGetACachePath) {
    const TitleCase& row = GetParam();
    EXPECT_EQ(gallery::isSafeCacheTitle(Text(row.gbkBytes)), row.safe);
    const std::optional<Text> path = gallery::cachePath(Text(row.gbkBytes));
    ASSERT_EQ(path.has_value(), row.safe);
    if (row.safe) {
        EXPECT_EQ(*path,
                  concatText(runDirectory(), Text("/images/"), Text(row.gbkBytes), Text(".jpg")));
    }
}

INSTANTIATE_TEST_SUITE_P(Titles, SafeTitleTest, ::testing::ValuesIn(titleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GalleryTest, ACachedPictureIsShownAndCopiedWithoutTheNetwork) {
    const std::string picture = jpegOfSize(1800);
    writeWholeFile(cache.fileOf(firstTitle), picture);
    select(0);
    EXPECT_EQ(sent(), "");
    EXPECT_EQ(caption(), "已将【" + firstTitle + "】复制到剪切板");
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
    EXPECT_EQ(processState().downloadBuffer.asStringView(), picture);
    EXPECT_TRUE(listEnabled());
}

TEST_F(GalleryTest, ACachedPictureNeedsNoConnection) {
    writeWholeFile(cache.fileOf(firstTitle), jpegOfSize(1800));
    server.close();
    ASSERT_TRUE(pumpUntil([this] { return caption() == "服务器连接已断开。"; }, 5s));
    select(0);
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));

    openWindow(LoopbackListener::unusedPort(), false);
    QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardMarker));
    select(0);
    EXPECT_EQ(caption(), "已将【" + firstTitle + "】复制到剪切板");
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
}

struct BrokenCacheCase {
    const char* name;
    std::string (*bytes)(); // made in the test, once Qt is up
};

class BrokenCacheFileTest : public GalleryTest,
                            public ::testing::WithParamInterface<BrokenCacheCase> {};

TEST_P(BrokenCacheFileTest, IsAMissAndTheDownloadReplacesIt) {
    writeWholeFile(cache.fileOf(firstTitle), GetParam().bytes());
    const std::string picture = jpegOfSize(1300);
    download(0, {picture});
    EXPECT_EQ(readWholeFile(cache.fileOf(firstTitle)), picture);
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
}

INSTANTIATE_TEST_SUITE_P(
    CacheFiles, BrokenCacheFileTest,
    ::testing::Values(BrokenCacheCase{"empty", [] { return std::string(); }},
                      BrokenCacheCase{"notAPicture", [] { return std::string("text"); }},
                      BrokenCacheCase{"cutShort", [] { return jpegOfSize(1000).substr(0, 500); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GalleryTest, WildcardTitlesMatchOnlyTheirOwnFile) {
    writeWholeFile(cache.fileOf("anything"), jpegOfSize(900));
    fillList("*,a?,x");
    const std::string picture = jpegOfSize(1000);
    download(0, {picture});
    EXPECT_EQ(readWholeFile(cache.fileOf("*")), picture) << "stored under its literal name";
    select(1);
    EXPECT_EQ(sent(), "[reqimgdata]a?") << "\"a?\" matches neither \"anything\" nor \"*\"";
}

class UnsafeTitleTest : public GalleryTest, public ::testing::WithParamInterface<TitleCase> {};

// Each title comes first in a list from the server; a picture file waits where its cache path
// would lead, so that a look-up would be seen.
TEST_P(UnsafeTitleTest, IsShownAndCopiedButNeverLooksUpNorWritesAFile) {
    const TitleCase& row = GetParam();
    const fs::path runDirectory = CacheFolder::runDirectory();
    const fs::path bait = runDirectory / "evil.jpg";
    writeWholeFile(bait, jpegOfSize(900));
    arrive("[reqimgtitle]" + row.gbkBytes + ",other");
    const auto before = fs::directory_iterator(runDirectory);
    std::vector<fs::path> runDirectoryBefore(begin(before), end(before));

    const std::string picture = jpegOfSize(1100);
    select(0);
    EXPECT_EQ(sent(), "[reqimgdata]" + row.gbkBytes) << "the title goes out as it came";
    arrive(picture);
    sent();
    const std::vector<std::string> seen = arrive("[/nextimgdata]");
    fs::remove(bait);

    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1], "已将【" + utf8FromGbk(Text(row.gbkBytes)) + "】复制到剪切板");
    EXPECT_EQ(seen[2], "图片已经下载完毕！");
    EXPECT_TRUE(cache.names().empty());
    const auto after = fs::directory_iterator(runDirectory);
    std::vector<fs::path> runDirectoryAfter(begin(after), end(after));
    runDirectoryBefore.erase(
        std::remove(runDirectoryBefore.begin(), runDirectoryBefore.end(), bait),
        runDirectoryBefore.end());
    std::ranges::sort(runDirectoryBefore);
    std::ranges::sort(runDirectoryAfter);
    EXPECT_EQ(runDirectoryAfter, runDirectoryBefore) << "nothing new beside the program";
    EXPECT_TRUE(listEnabled());
}

std::vector<TitleCase> unsafeCases() {
    std::vector<TitleCase> unsafe;
    for (const TitleCase& row : titleCases) {
        if (!row.safe && row.inList) {
            unsafe.push_back(row);
        }
    }
    return unsafe;
}

INSTANTIATE_TEST_SUITE_P(Titles, UnsafeTitleTest, ::testing::ValuesIn(unsafeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zanvik::testing
