#include "foundation/pictures/decodepicture.h"
#include "foundation/pictures/jpegdecoder.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <gtest/gtest.h>
#include <string>

namespace zanvik {
namespace {

using testing::encodeWithImageMagick;
using testing::enlarged;
using testing::greyed;
using testing::HostileCase;
using testing::largestChannelDifference;
using testing::patched;
using testing::testPattern;
using testing::truncated;

// Blocks of one colour, aligned on the encoder's blocks, so that the lossy round trip stays close.
const Bitmap blocks8 = enlarged(testPattern(5, 3, 15), 8);
const Bitmap blocks16 = enlarged(testPattern(3, 2, 6), 16);

struct EncodedCase {
    const char* name;
    Bitmap picture;
    std::string arguments;
    int tolerance;
};

void PrintTo(const EncodedCase& c, std::ostream* out) {
    *out << c.name;
}

class JpegFromImageMagick : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(JpegFromImageMagick, DecodesCloseToTheColours) {
    const EncodedCase& c = GetParam();
    const ByteBuffer bytes = encodeWithImageMagick(c.picture, c.arguments);
    ASSERT_FALSE(bytes.empty());
    const auto bitmap = decodeJpeg(bytes.bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_LE(largestChannelDifference(*bitmap, c.picture), c.tolerance);
    EXPECT_EQ(decodePicture(bytes), bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, JpegFromImageMagick,
    ::testing::Values(
        EncodedCase{"Baseline444", blocks8, "-quality 100 -sampling-factor 1x1 JPEG:out.jpg", 3},
        // Greys keep one chroma everywhere, so that smoothing subsampled chroma changes nothing.
        EncodedCase{"Baseline420", greyed(blocks16),
                    "-quality 95 -sampling-factor 2x2 JPEG:out.jpg", 3},
        EncodedCase{"Progressive", blocks8,
                    "-quality 100 -sampling-factor 1x1 -interlace JPEG JPEG:out.jpg", 3},
        EncodedCase{"Arithmetic", blocks8,
                    "-quality 100 -sampling-factor 1x1 -define jpeg:arithmetic-coding=true "
                    "JPEG:out.jpg",
                    3},
        EncodedCase{"Grey", greyed(blocks8), "-quality 100 -colorspace Gray JPEG:out.jpg", 2},
        EncodedCase{"GreyProgressive", greyed(blocks8),
                    "-quality 100 -colorspace Gray -interlace JPEG JPEG:out.jpg", 2},
        EncodedCase{"Cmyk", blocks8,
                    "-quality 100 -sampling-factor 1x1 -colorspace CMYK JPEG:out.jpg", 4},
        EncodedCase{"CmykProgressive", blocks8,
                    "-quality 100 -sampling-factor 1x1 -colorspace CMYK -interlace JPEG "
                    "JPEG:out.jpg",
                    4},
        EncodedCase{"OddSize", Bitmap{21, 7, std::vector<std::uint32_t>(21 * 7, 0xFF336699)},
                    "-quality 95 JPEG:out.jpg", 3}),
    testing::rowName);

// Stray bytes after the last scan only draw a warning from libjpeg; many real files have them.
TEST(JpegDecoder, StrayBytesBeforeTheEndMarkerStillDecode) {
    const ByteBuffer jpeg = encodeWithImageMagick(blocks8, "-quality 90 JPEG:out.jpg");
    const std::size_t end = jpeg.bytes().size() - 2;
    testing::ByteFixture stray;
    stray.bytes(testing::truncated(jpeg, end)).bytes({0x12, 0x34, 0x56, 0xFF, 0xD9});
    const auto original = decodeJpeg(jpeg.bytes());
    const auto withStrayBytes = decodeJpeg(stray.buffer().bytes());
    ASSERT_TRUE(original.has_value());
    ASSERT_TRUE(withStrayBytes.has_value());
    EXPECT_EQ(*withStrayBytes, *original);
}

// The offset of the frame header's height field: the byte after a start-of-frame marker and
// its length and precision.
std::size_t frameSizeOffset(const ByteBuffer& jpeg) {
    for (std::size_t i = 2; i + 1 < jpeg.bytes().size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            return i + 5;
        }
    }
    return 0;
}

ByteBuffer withSize(const ByteBuffer& jpeg, std::uint16_t width, std::uint16_t height) {
    const std::size_t at = frameSizeOffset(jpeg);
    const auto bigEndian = [](std::uint16_t value) {
        return static_cast<std::uint32_t>((value >> 8) | (value & 0xFF) << 8);
    };
    return patched(patched(jpeg, at, bigEndian(height), 2), at + 2, bigEndian(width), 2);
}

class HostileJpeg : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileJpeg, IsNoPicture) {
    EXPECT_FALSE(decodeJpeg(GetParam().bytes.bytes()).has_value());
    EXPECT_FALSE(decodePicture(GetParam().bytes).has_value());
}

const ByteBuffer baseline = encodeWithImageMagick(blocks16, "-quality 90 JPEG:out.jpg");
const ByteBuffer progressive =
    encodeWithImageMagick(blocks16, "-quality 90 -interlace JPEG JPEG:out.jpg");

INSTANTIATE_TEST_SUITE_P(
    Headers, HostileJpeg,
    ::testing::Values(
        HostileCase{"CutInHalf", truncated(baseline, baseline.bytes().size() / 2)},
        HostileCase{"ProgressiveCutInHalf", truncated(progressive, progressive.bytes().size() / 2)},
        HostileCase{"OnlyTheHeaders", truncated(baseline, frameSizeOffset(baseline) + 20)},
        HostileCase{"StartMarkerOnly",
                    ByteBuffer(std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xD9, 0, 0})},
        HostileCase{"Huge", withSize(baseline, 65535, 65535)},
        HostileCase{"HugeProgressive", withSize(progressive, 65535, 65535)},
        HostileCase{"JustOverTheLimit", withSize(baseline, 8000, 8001)},
        HostileCase{"ClaimsMoreRowsThanItHolds", withSize(baseline, 48, 4000)},
        HostileCase{"ZeroWidth", withSize(baseline, 0, 32)}),
    testing::rowName);

} // namespace
} // namespace zanvik
