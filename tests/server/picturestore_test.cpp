#include "server/limits.h"
#include "server/picturestore.h"
#include "serverfixture.h"

#include <gtest/gtest.h>

namespace zanvik::server::testing {
namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The list is newest first and cut at a title's end so that it stays within one arrival.
TEST(PictureStore, TitleListIsNewestFirstAndCutAtATitleEnd) {
    TempFolder folder;
    PictureStore store(folder.path().string());
    ASSERT_EQ(store.error(), "");
    std::vector<std::string> titles;
    for (int i = 0; i < 300; ++i) { // 300 titles of about 120 bytes: more than the cap
        titles.push_back(std::to_string(1000 + i) + std::string(116, 'x'));
        ASSERT_EQ(store.store(titles.back(), bytesOf("picture")),
                  PictureCatalog::StoreResult::stored);
    }
    const std::string list = *store.titleListMessage();
    EXPECT_LE(list.size(), maxTitleListBytes);
    EXPECT_GT(list.size(), maxTitleListBytes - 121) << "as many titles as fit";
    EXPECT_EQ(list.rfind("[reqimgtitle]" + titles[299] + "," + titles[298] + ",", 0), 0u);
    const std::string last = list.substr(list.rfind(',') + 1);
    EXPECT_EQ(last.size(), 120u) << "the last title is whole";
    EXPECT_NE(list.back(), ',');
}

TEST(PictureStore, StoredAndRetiredTitlesAreTaken) {
    TempFolder folder;
    PictureStore store(folder.path().string());
    EXPECT_FALSE(store.titleTaken("a"));
    ASSERT_EQ(store.store("a", bytesOf("1")), PictureCatalog::StoreResult::stored);
    EXPECT_EQ(store.store("a", bytesOf("2")), PictureCatalog::StoreResult::titleTaken);
    EXPECT_EQ(*store.picture("a"), std::vector<std::uint8_t>{'1'});
    store.retire("b");
    EXPECT_TRUE(store.titleTaken("b"));
    EXPECT_EQ(store.store("b", bytesOf("3")), PictureCatalog::StoreResult::titleTaken);
    EXPECT_EQ(store.picture("b"), nullptr);
}

TEST(PictureStore, SeedsOnlyOnTheFirstStart) {
    TempFolder folder;
    {
        PictureStore store(folder.path().string());
        EXPECT_TRUE(store.needsSeeding());
        store.markSeeded();
        EXPECT_FALSE(store.needsSeeding());
    }
    PictureStore reopened(folder.path().string());
    EXPECT_FALSE(reopened.needsSeeding()) << "an emptied store stays empty";
}

TEST(PictureStore, ReportsAFolderItCannotUse) {
    PictureStore store("/nonexistent-folder/for-sure");
    EXPECT_NE(store.error(), "");
}

} // namespace
} // namespace zanvik::server::testing
