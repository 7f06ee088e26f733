#include "foundation/values/gbkcodec.h"
#include "share/previewtexts.h"
#include "share/uploadprogress.h"

#include <gtest/gtest.h>
#include <string>

namespace zanvik::share {
namespace {

TEST(SizeLabelTest, KilobytesRoundedWithoutTrailingZeros) {
    const struct {
        std::int32_t bytes;
        std::string expected;
    } cases[] = {
        {1000, "0.98 kb"},
        {1024, "1 kb"},
        {5000, "4.88 kb"},
        {1, "0 kb"},
        {51200, "50 kb"},
        {1536, "1.5 kb"},
        {0, "0 kb"},
        {5, "0 kb"},
        {1029, "1 kb"},
        {1034, "1.01 kb"},
        {2147483647, "2097152 kb"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sizeLabelText(c.bytes).bytes(), c.expected) << c.bytes;
    }
}

TEST(ResolutionLabelTest, WidthTimesHeight) {
    EXPECT_EQ(resolutionLabelText(640, 480).bytes(), "640 x 480");
    EXPECT_EQ(resolutionLabelText(0, 0).bytes(), "0 x 0");
}

TEST(ProgressCaptionTest, TotalRemainingAndPercent) {
    const struct {
        std::int32_t total;
        std::int32_t remaining;
        std::string expected; // UTF-8
    } cases[] = {
        {5000, 3000, "已发送：5000/3000/40%"},
        {5000, 1000, "已发送：5000/1000/80%"},
        {5000, 0, "已发送：5000/0/100%"},
        {4001, 2001, "已发送：4001/2001/49.99%"},
        {4001, 1, "已发送：4001/1/99.98%"},
        {4001, 0, "已发送：4001/0/100%"},
        {3000, 1000, "已发送：3000/1000/66.67%"},
        {3000, 0, "已发送：3000/0/100%"},
        {2000, 0, "已发送：2000/0/100%"},
        // A picture chosen anew during an upload: more left than the total, the share is
        // negative and shown so.
        {3000, 8000, "已发送：3000/8000/-166.67%"},
        // No total (the title was accepted for an empty buffer): never an infinite or
        // undefined figure.
        {0, 1000, "已发送：0/1000/0%"},
        {0, 0, "已发送：0/0/100%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8FromGbk(progressCaption(c.total, c.remaining)), c.expected)
            << c.total << " " << c.remaining;
    }
}

} // namespace
} // namespace zanvik::share
