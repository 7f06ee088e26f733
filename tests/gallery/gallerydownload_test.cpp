// Downloads in the gallery window against a scripted server on loopback: parts, end tags,
// broken and oversized downloads, lost connections.
#include "app/processstate.h"
#include "foundation/values/gbkcodec.h"
#include "gallery/gallerylimits.h"
#include "gallery/gallerytexts.h"
#include "tests/gallery/gallerytestfixture.h"
#include "tests/link/eventpump.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zanvik::testing {
namespace {

namespace names = gallery;

const std::string firstTitle = "110吗这里有人装逼场面控制不住了";

std::string copiedCaption(std::string_view title) {
    return "已将【" + std::string(title) + "】复制到剪切板";
}

TEST_F(GalleryTest, PartsOf1000And1000And500AreCountedCachedShownAndCopied) {
    const std::string picture = jpegOfSize(2500);
    select(0);
    EXPECT_EQ(sent(), "[reqimgdata]" + gbk(firstTitle));
    EXPECT_FALSE(listEnabled());
    EXPECT_EQ(caption(), "正在请求图片数据，请勿关闭本窗口！");
    EXPECT_TRUE(window->control(names::reconnectButtonName).disabled());
    EXPECT_FALSE(window->control(names::pullListButtonName).disabled());

    const std::vector<std::pair<std::size_t, std::size_t>> parts{
        {0, 1000}, {1000, 1000}, {2000, 500}};
    for (const auto& [start, length] : parts) {
        const std::vector<std::string> seen = arrive(picture.substr(start, length));
        EXPECT_EQ(seen, std::vector<std::string>{"加载图片碎片长度：" + std::to_string(length) +
                                                 "，已加载：" + std::to_string(start)});
        EXPECT_EQ(sent(), "[nextimgdata]") << "exactly one request per part";
    }
    const std::vector<std::string> seen = arrive("[/nextimgdata]");
    EXPECT_EQ(seen, (std::vector<std::string>{"加载图片碎片长度：14，已加载：2500",
                                              copiedCaption(firstTitle), "图片已经下载完毕！"}));
    EXPECT_EQ(readWholeFile(cache.fileOf(firstTitle)), picture);
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
    EXPECT_TRUE(listEnabled());
    EXPECT_TRUE(processState().downloadFinished);
    EXPECT_EQ(sent(), "");
}

TEST_F(GalleryTest, BytesBeforeTheEndTagAreNotPartOfThePicture) {
    const std::string picture = jpegOfSize(1500);
    select(1);
    sent();
    arrive(picture);
    EXPECT_EQ(sent(), "[nextimgdata]");
    arrive("tail bytes[/nextimgdata]");
    EXPECT_EQ(readWholeFile(cache.fileOf("duang的一下就冷场了就像加了特效一样")), picture);
    EXPECT_EQ(caption(), "图片已经下载完毕！");
}

TEST_F(GalleryTest, ASecondEndTagOnlyWritesItsArrivalCaption) {
    download(0, {jpegOfSize(2500)});
    std::filesystem::remove(cache.fileOf(firstTitle));
    QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardMarker));
    EXPECT_EQ(arrive("[/nextimgdata]"),
              std::vector<std::string>{"加载图片碎片长度：14，已加载：2500"});
    EXPECT_FALSE(std::filesystem::exists(cache.fileOf(firstTitle)));
    EXPECT_TRUE(clipboardUntouched());
    EXPECT_EQ(sent(), "");
}

TEST_F(GalleryTest, StrayBytesAreAppendedAndAnsweredOnce) {
    processState().downloadBuffer = ByteBuffer::fromString("abc");
    EXPECT_EQ(arrive(std::string("\0[/nextimgdata]", 15)),
              std::vector<std::string>{"加载图片碎片长度：15，已加载：3"})
        << "a tag after a zero byte is picture data";
    EXPECT_EQ(sent(), "[nextimgdata]");
    EXPECT_EQ(processState().downloadBuffer.length(), 18);
}

TEST_F(GalleryTest, PictureIsStoredUnderTheRequestedTitleWhenAListArrivesMeanwhile) {
    const std::string picture = jpegOfSize(1200);
    select(2);
    sent();
    arrive(picture);
    sent();
    fillList("另一个,再一个");
    EXPECT_FALSE(listEnabled()) << "a title list does not end the busy state";
    const std::vector<std::string> seen = arrive("[/nextimgdata]");
    EXPECT_EQ(readWholeFile(cache.fileOf("duang的一下，很亮，很柔")), picture);
    EXPECT_EQ(cache.names(), std::vector<std::string>{"duang的一下，很亮，很柔.jpg"});
    EXPECT_EQ(seen.at(1), copiedCaption("duang的一下，很亮，很柔"));
    EXPECT_TRUE(listEnabled());
}

struct BrokenCase {
    const char* name;
    std::vector<std::string> (*parts)(); // made in the test, once Qt is up
};

class BrokenDownloadTest : public GalleryTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenDownloadTest, IsNeitherCachedNorCopiedAndLeavesTheListUsable) {
    download(0, GetParam().parts());
    EXPECT_EQ(caption(), "图片不存在或已损坏");
    EXPECT_TRUE(cache.names().empty());
    EXPECT_TRUE(clipboardUntouched());
    EXPECT_TRUE(listEnabled());
    EXPECT_TRUE(processState().downloadBuffer.empty());
    select(1);
    EXPECT_EQ(sent(), "[reqimgdata]" + gbk("duang的一下就冷场了就像加了特效一样"))
        << "the list takes the next choice";
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, BrokenDownloadTest,
    ::testing::Values(
        BrokenCase{"endTagAlone", [] { return std::vector<std::string>{}; }},
        BrokenCase{"notAPicture", [] { return std::vector<std::string>{"hello"}; }},
        BrokenCase{"truncatedJpeg",
                   [] { return std::vector<std::string>{jpegOfSize(2000).substr(0, 600)}; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GalleryTest, DisconnectionDuringADownloadLeavesTheBusyStateAndCachesNothing) {
    select(0);
    sent();
    arrive(jpegOfSize(1000).substr(0, 500));
    sent();
    server.close();
    ASSERT_TRUE(pumpUntil([this] { return caption() == "服务器连接已断开。"; }, 5s));
    EXPECT_TRUE(listEnabled());
    EXPECT_FALSE(window->control(names::reconnectButtonName).disabled());
    EXPECT_TRUE(cache.names().empty());

    select(1);
    EXPECT_EQ(caption(), "未连接图片服务器，请手动重连");
    EXPECT_TRUE(listEnabled()) << "a request that cannot leave does not lock the list";
}

TEST_F(GalleryTest, SelectingWithoutAConnectionKeepsTheListUsable) {
    openWindow(LoopbackListener::unusedPort(), false);
    select(0);
    EXPECT_EQ(caption(), "未连接图片服务器，请手动重连");
    EXPECT_TRUE(listEnabled());
}

struct LimitCase {
    const char* name;
    std::int32_t arrivalBytes; // arriving on top of a buffer 100 bytes below the limit
    bool accepted;
};

class DownloadLimitTest : public GalleryTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(DownloadLimitTest, APictureLargerThanTheLimitFailsAndAsksForNoMore) {
    const LimitCase& row = GetParam();
    select(0);
    sent();
    arrive("x");
    sent();
    const std::int32_t held = gallery::maxDownloadBytes - 100;
    processState().downloadBuffer = ByteBuffer(std::vector<std::uint8_t>(held, 0x41));
    arrive(std::string(static_cast<std::size_t>(row.arrivalBytes), 'y'));
    if (row.accepted) {
        EXPECT_EQ(sent(), "[nextimgdata]");
        EXPECT_EQ(processState().downloadBuffer.length(), gallery::maxDownloadBytes);
        EXPECT_FALSE(listEnabled());
        return;
    }
    EXPECT_EQ(sent(), "") << "a failed download asks for nothing more";
    EXPECT_EQ(caption(), "图片数据过大，已停止下载");
    EXPECT_TRUE(processState().downloadBuffer.empty());
    EXPECT_TRUE(listEnabled());
    EXPECT_EQ(arrive("[/nextimgdata]").size(), 1u) << "the late end tag finishes nothing";
    EXPECT_TRUE(cache.names().empty());
}

INSTANTIATE_TEST_SUITE_P(Limits, DownloadLimitTest,
                         ::testing::Values(LimitCase{"exactlyTheLimit", 100, true},
                                           LimitCase{"oneByteMore", 101, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GalleryTest, AnEndTagNoRequestAskedForShowsAndCopiesButStoresNothing) {
    processState().downloadBuffer = ByteBuffer::fromString(jpegOfSize(900));
    arrive("[/nextimgdata]");
    EXPECT_EQ(clipboardImage().size(), QSize(40, 30));
    EXPECT_TRUE(cache.names().empty());
    EXPECT_EQ(caption(), "图片已经下载完毕！");
}

} // namespace
} // namespace zanvik::testing
