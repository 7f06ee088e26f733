// The gallery window against the real image server, in this process on a free loopback port.
#include "gallery/gallerytexts.h"
#include "server/samplepictures.h"
#include "tests/gallery/gallerytestfixture.h"
#include "tests/link/eventpump.h"
#include "tests/server/serverfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace zanvik::testing {
namespace {

class GalleryServerTest : public GalleryTest {
protected:
    void SetUp() override {
        QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardMarker));
        openWindow(imageServer.port(), false);
        ASSERT_TRUE(pumpUntil([this] { return caption() == "列表处理完毕！"; }, 10s));
    }

    bool waitForCaption(std::string_view text) {
        return pumpUntil([this, text] { return caption() == text; }, 20s);
    }

    server::testing::RunningServer imageServer{server::Limits{}, true};
};

TEST_F(GalleryServerTest, ListsTheSamplesAndDownloadsOneIntoTheCacheAndTheClipboard) {
    const auto samples = server::samplePictures();
    ASSERT_EQ(list()->count(), static_cast<int>(samples.size()));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(listEntries().at(i), samples[i].titleUtf8);
    }
    const std::size_t pick = 4;
    select(static_cast<int>(pick));
    ASSERT_TRUE(waitForCaption("图片已经下载完毕！"));
    const std::string expected(reinterpret_cast<const char*>(samples[pick].bytes.data()),
                               samples[pick].bytes.size());
    EXPECT_EQ(readWholeFile(cache.fileOf(samples[pick].titleUtf8)), expected);
    const QImage sample = QImage::fromData(reinterpret_cast<const uchar*>(expected.data()),
                                           static_cast<int>(expected.size()));
    ASSERT_FALSE(sample.isNull());
    EXPECT_EQ(clipboardImage().size(), sample.size());
    EXPECT_TRUE(listEnabled());
}

TEST_F(GalleryServerTest, ATitleTheServerNoLongerHoldsIsReportedAndNotCached) {
    const std::string title(server::samplePictures()[1].titleUtf8);
    {
        server::PictureStore admin(imageServer.folder().string());
        ASSERT_TRUE(admin.remove(gbk(title)));
    }
    select(1);
    ASSERT_TRUE(waitForCaption("图片不存在或已损坏"));
    EXPECT_TRUE(cache.names().empty());
    EXPECT_TRUE(clipboardUntouched());
    EXPECT_TRUE(listEnabled());
}

} // namespace
} // namespace zanvik::testing
