// The sample pictures compiled into the server, and the title file the gallery shares.
#include "foundation/values/gbkcodec.h"
#include "server/jpegcheck.h"
#include "server/limits.h"
#include "server/samplepictures.h"
#include "server/titlecheck.h"

#include <fstream>
#include <gtest/gtest.h>

namespace zanvik::server {
namespace {

// The samples are stored without the upload checks, so each must pass them here: a good title
// (as GBK), a JPEG that decodes, and small enough for the default limits.
TEST(Samples, EverySamplePassesTheUploadChecks) {
    const Limits limits;
    const auto samples = samplePictures();
    ASSERT_EQ(samples.size(), 30u);
    for (const auto& sample : samples) {
        const Text title = gbkFromUtf8(sample.titleUtf8);
        EXPECT_EQ(utf8FromGbk(title), sample.titleUtf8) << "GBK holds every character";
        EXPECT_FALSE(titleFault(title.bytes(), limits.maxTitleBytes).has_value())
            << sample.titleUtf8;
        EXPECT_FALSE(jpegFault(sample.bytes, limits.maxPicturePixels).has_value())
            << sample.titleUtf8;
        EXPECT_LT(sample.bytes.size(), 64u * 1024) << sample.titleUtf8;
    }
}

TEST(Samples, TitleFileOpensWithTheGalleryFirstEntries) {
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
    for (std::size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(samplePictures()[i].titleUtf8, titles[i]) << "compiled in the file's order";
    }
}

} // namespace
} // namespace zanvik::server
