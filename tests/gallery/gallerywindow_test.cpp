// The gallery window's start, its title list and its connection: against a scripted server on
// loopback, driven with QTest under the offscreen platform.
#include "foundation/values/gbkcodec.h"
#include "gallery/gallerytexts.h"
#include "tests/gallery/gallerytestfixture.h"
#include "tests/link/eventpump.h"

#include <QListWidget>
#include <algorithm>
#include <fstream>

namespace zanvik::testing {
namespace {

namespace names = gallery;

std::vector<std::string> sampleTitlesFromFile() {
    std::ifstream in(ZANVIK_SAMPLE_TITLES);
    std::vector<std::string> titles;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            titles.push_back(line);
        }
    }
    return titles;
}

TEST_F(GalleryTest, OpensConnectedWithTheServersSampleTitlesAndAStretchingPictureBox) {
    EXPECT_EQ(caption(), "正在拉取数据中....");
    EXPECT_TRUE(window->control(names::reconnectButtonName).disabled());
    EXPECT_FALSE(window->control(names::pullListButtonName).disabled());
    EXPECT_EQ(window->control(names::pictureBoxName).displayMode(), displayModeStretch);
    const std::vector<std::string> samples = sampleTitlesFromFile();
    ASSERT_EQ(samples.size(), 30u);
    EXPECT_EQ(listEntries(), samples);
    EXPECT_TRUE(list()->selectedItems().empty());
    EXPECT_TRUE(listEnabled());
    EXPECT_EQ(utf8FromGbk(window->control(names::reconnectButtonName).text()), "手动重连(&R)");
    EXPECT_EQ(utf8FromGbk(window->control(names::pullListButtonName).text()), "手动拉取列表(&U)");
    EXPECT_EQ(utf8FromGbk(window->control(names::noteLabelName).text()),
              "自动复制选定图片-粘贴即可发送");
}

TEST(GalleryDefinition, BackgroundIsTheCompiledIn640By640Illustration) {
    const QString path = QString::fromUtf8(
        galleryWindowDefinition().backgroundPicture.data(),
        static_cast<qsizetype>(galleryWindowDefinition().backgroundPicture.size()));
    const QImage background(path);
    EXPECT_EQ(background.size(), QSize(640, 640)) << path.toStdString();
    EXPECT_EQ(galleryWindowDefinition().backgroundMode, backgroundStretch);
    EXPECT_EQ(galleryWindowDefinition().outerSize, (Size{558, 410}));
}

TEST_F(GalleryTest, WithoutAServerItSaysSoAndKeepsTheSamplesAndTheReconnectButton) {
    openWindow(LoopbackListener::unusedPort(), false);
    EXPECT_EQ(caption(), "连接图片服务器失败");
    EXPECT_FALSE(window->control(names::reconnectButtonName).disabled());
    EXPECT_EQ(list()->count(), 30);
    EXPECT_EQ(window->control(names::pictureBoxName).displayMode(), displayModeStretch);
    clickButton(names::reconnectButtonName);
    EXPECT_EQ(caption(), "连接图片服务器失败");
    EXPECT_FALSE(window->control(names::reconnectButtonName).disabled());
}

struct TitleListCase {
    const char* name;
    std::string titlesUtf8; // after the tag
    std::vector<std::string> entries;
};

class TitleListTest : public GalleryTest, public ::testing::WithParamInterface<TitleListCase> {};

TEST_P(TitleListTest, ReplacesTheEntriesWithOneCaptionPerEntry) {
    const TitleListCase& row = GetParam();
    const std::vector<std::string> seen = arrive("[reqimgtitle]" + gbk(row.titlesUtf8));
    EXPECT_EQ(listEntries(), row.entries);
    EXPECT_TRUE(listEnabled());
    // The window's title only reports changes: repeats of "列表处理完毕！" show as one.
    const std::string arrivalCaption =
        "加载图片碎片长度：" + std::to_string(13 + gbk(row.titlesUtf8).size()) + "，已加载：0";
    std::vector<std::string> expected{arrivalCaption};
    if (!row.entries.empty()) {
        expected.emplace_back("列表处理完毕！");
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(sent(), "") << "a title list is not answered";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TitleListTest,
    ::testing::Values(TitleListCase{"three", "甲,乙乙,丙", {"甲", "乙乙", "丙"}},
                      TitleListCase{"empty", "", {}},
                      TitleListCase{"twoCommas", "a,,b", {"a", "", "b"}},
                      TitleListCase{"trailingComma", "a,b,", {"a", "b"}},
                      TitleListCase{"leadingComma", ",a", {"", "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GalleryTest, PullListButtonAsksAgain) {
    clickButton(names::pullListButtonName);
    EXPECT_EQ(sent(), "[reqimgtitle]");
    EXPECT_EQ(caption(), "正在拉取数据中....");
}

TEST_F(GalleryTest, DisconnectionEnablesReconnectWhichConnectsAndPullsAgain) {
    server.close();
    ASSERT_TRUE(pumpUntil([this] { return caption() == "服务器连接已断开。"; }, 5s));
    EXPECT_FALSE(window->control(names::reconnectButtonName).disabled());

    captions.clear();
    clickButton(names::reconnectButtonName);
    server = listener.accept(2s);
    ASSERT_TRUE(server.valid());
    EXPECT_EQ(server.receive(13, 2s), "[reqimgtitle]");
    EXPECT_EQ(captions, (std::vector<std::string>{"连接图片服务器成功", "正在拉取数据中...."}));
    EXPECT_TRUE(window->control(names::reconnectButtonName).disabled());
    fillList("新的");
    EXPECT_EQ(listEntries(), std::vector<std::string>{"新的"});
}

} // namespace
} // namespace zanvik::testing
