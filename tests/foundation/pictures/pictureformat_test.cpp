#include "foundation/pictures/decodepicture.h"
#include "foundation/pictures/pictureformat.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::encodeWithImageMagick;
using testing::testPattern;
using testing::truncated;

struct SniffCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    PictureFormat expected;
};

class SniffTable : public ::testing::TestWithParam<SniffCase> {};

TEST_P(SniffTable, TellsTheFormatByTheFirstBytesOnly) {
    EXPECT_EQ(sniffPictureFormat(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FirstBytes, SniffTable,
    ::testing::Values(
        SniffCase{"Bitmap", {'B', 'M', 0, 0, 0, 0}, PictureFormat::bmp},
        SniffCase{"LowerCaseBitmapIsNothing", {'b', 'm', 0, 0, 0, 0}, PictureFormat::unknown},
        SniffCase{"Jpeg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, PictureFormat::jpeg},
        SniffCase{"JpegNeedsOnlyTwoBytes", {0xFF, 0xD8, 'B', 'M', 0, 0}, PictureFormat::jpeg},
        SniffCase{"Png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A}, PictureFormat::png},
        SniffCase{
            "PngWithoutItsFirstByte", {'P', 'N', 'G', 0x0D, 0x0A, 0x1A}, PictureFormat::unknown},
        SniffCase{"Icon", {0, 0, 1, 0, 1, 0}, PictureFormat::icon},
        SniffCase{"IconCountInHighByte", {0, 0, 1, 0, 0, 1}, PictureFormat::icon},
        SniffCase{"IconWithoutImages", {0, 0, 1, 0, 0, 0}, PictureFormat::unknown},
        SniffCase{"Cursor", {0, 0, 2, 0, 3, 0}, PictureFormat::cursor},
        SniffCase{"CursorWithoutImages", {0, 0, 2, 0, 0, 0}, PictureFormat::unknown},
        SniffCase{"TypeThreeIsNeither", {0, 0, 3, 0, 1, 0}, PictureFormat::unknown},
        SniffCase{"Gif87a", {'G', 'I', 'F', '8', '7', 'a'}, PictureFormat::gif},
        SniffCase{"Gif89a", {'G', 'I', 'F', '8', '9', 'a'}, PictureFormat::gif},
        SniffCase{"Gif88a", {'G', 'I', 'F', '8', '8', 'a'}, PictureFormat::unknown},
        SniffCase{"Gif89b", {'G', 'I', 'F', '8', '9', 'b'}, PictureFormat::unknown},
        SniffCase{"Pcx8Version0", {0x0A, 0, 1, 8, 0, 0}, PictureFormat::pcx8},
        SniffCase{"Pcx8Version5", {0x0A, 5, 1, 8, 0, 0}, PictureFormat::pcx8},
        SniffCase{"Pcx8Version6", {0x0A, 6, 1, 8, 0, 0}, PictureFormat::unknown},
        SniffCase{"Pcx8Uncompressed", {0x0A, 5, 0, 8, 0, 0}, PictureFormat::unknown},
        SniffCase{"Pcx1Version3", {0x0A, 3, 1, 1, 0, 0}, PictureFormat::pcx1},
        SniffCase{"Pcx1Version5", {0x0A, 5, 1, 1, 0, 0}, PictureFormat::unknown},
        SniffCase{"Pcx4Bits", {0x0A, 3, 1, 4, 0, 0}, PictureFormat::unknown},
        SniffCase{"Text", {'h', 'e', 'l', 'l', 'o', '\n'}, PictureFormat::unknown},
        SniffCase{"FiveBytesOfBitmap", {'B', 'M', 0, 0, 0}, PictureFormat::unknown},
        SniffCase{"FiveBytesOfJpeg", {0xFF, 0xD8, 0xFF, 0xE0, 0}, PictureFormat::unknown},
        SniffCase{"FiveBytesOfIcon", {0, 0, 1, 0, 1}, PictureFormat::unknown},
        SniffCase{"Nothing", {}, PictureFormat::unknown}),
    testing::rowName);

// The first bytes choose the decoder; bytes that only start like a format are no picture.
struct StartsLikeCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

class StartsLikeAFormat : public ::testing::TestWithParam<StartsLikeCase> {};

TEST_P(StartsLikeAFormat, IsNoPicture) {
    const ByteBuffer bytes(GetParam().bytes);
    ASSERT_NE(sniffPictureFormat(bytes.bytes()), PictureFormat::unknown);
    EXPECT_FALSE(decodePicture(bytes).has_value());
    EXPECT_FALSE(decodeAnimation(bytes).has_value());
}

std::vector<std::uint8_t> startingWith(std::vector<std::uint8_t> prefix) {
    for (int i = 0; i < 200; ++i) {
        prefix.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    }
    return prefix;
}

INSTANTIATE_TEST_SUITE_P(
    Garbage, StartsLikeAFormat,
    ::testing::Values(StartsLikeCase{"Bitmap", startingWith({'B', 'M'})},
                      StartsLikeCase{"Jpeg", startingWith({0xFF, 0xD8})},
                      StartsLikeCase{"Png", startingWith({0x89, 'P', 'N', 'G'})},
                      StartsLikeCase{"Icon", startingWith({0, 0, 1, 0, 1, 0})},
                      StartsLikeCase{"Cursor", startingWith({0, 0, 2, 0, 1, 0})},
                      StartsLikeCase{"Gif", startingWith({'G', 'I', 'F', '8', '9', 'a'})},
                      StartsLikeCase{"Pcx8", startingWith({0x0A, 5, 1, 8})},
                      StartsLikeCase{"Pcx1", startingWith({0x0A, 3, 1, 1})},
                      StartsLikeCase{"BitmapOfSixBytes", {'B', 'M', 0, 0, 0, 0}},
                      StartsLikeCase{"JpegOfSixBytes", {0xFF, 0xD8, 0xFF, 0xD9, 0, 0}}),
    testing::rowName);

// Picture bytes are told apart by what they hold: the same JPEG decodes whatever it is called,
// and a picture of another format is not taken for a JPEG.
TEST(DecodePicture, ChoosesTheDecoderByContent) {
    const Bitmap pattern = testPattern(4, 2, 8);
    const ByteBuffer bmp = encodeWithImageMagick(pattern, "BMP3:picture.jpg");
    const ByteBuffer jpeg = encodeWithImageMagick(pattern, "JPEG:picture.bmp");
    ASSERT_EQ(sniffPictureFormat(bmp.bytes()), PictureFormat::bmp);
    ASSERT_EQ(sniffPictureFormat(jpeg.bytes()), PictureFormat::jpeg);
    const auto fromBmp = decodePicture(bmp);
    const auto fromJpeg = decodePicture(jpeg);
    ASSERT_TRUE(fromBmp.has_value());
    ASSERT_TRUE(fromJpeg.has_value());
    EXPECT_EQ(*fromBmp, pattern);
    EXPECT_EQ(fromJpeg->width, 4);
    EXPECT_EQ(fromJpeg->height, 2);
}

TEST(DecodePicture, EmptyAndTooShortBytesAreNoPicture) {
    const ByteBuffer bmp = encodeWithImageMagick(testPattern(1, 1, 1), "BMP3:out.bmp");
    ASSERT_TRUE(decodePicture(bmp).has_value());
    for (std::size_t length = 0; length < minimumPictureBytes; ++length) {
        EXPECT_FALSE(decodePicture(truncated(bmp, length)).has_value()) << length;
    }
}

struct SizeCase {
    const char* name;
    std::string arguments;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.name;
}

class PictureSizeOfEachFormat : public ::testing::TestWithParam<SizeCase> {};

// The header-only size agrees with the decoded picture, for every format.
TEST_P(PictureSizeOfEachFormat, IsTheDecodedSize) {
    const ByteBuffer bytes = encodeWithImageMagick(testPattern(37, 21, 50), GetParam().arguments);
    const auto bitmap = decodePicture(bytes);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(pictureSize(bytes), (PictureSize{bitmap->width, bitmap->height}));
    EXPECT_EQ(bitmap->width, 37);
    EXPECT_EQ(bitmap->height, 21);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PictureSizeOfEachFormat,
    ::testing::Values(SizeCase{"Bmp", "BMP3:out.bmp"}, SizeCase{"Jpeg", "JPEG:out.jpg"},
                      SizeCase{"ProgressiveJpeg", "-interlace JPEG JPEG:out.jpg"},
                      SizeCase{"Png", "PNG24:out.png"}, SizeCase{"Gif", "GIF:out.gif"},
                      SizeCase{"Icon", "ICO:out.ico"}, SizeCase{"Pcx", "PCX:out.pcx"}),
    testing::rowName);

TEST(PictureSize, IsNothingForBytesThatAreNoPicture) {
    EXPECT_FALSE(pictureSize(ByteBuffer::fromString("hello, world")).has_value());
    EXPECT_FALSE(pictureSize(ByteBuffer::fromString("BM")).has_value());
    const ByteBuffer png = encodeWithImageMagick(testPattern(2, 2, 4), "PNG24:out.png");
    EXPECT_FALSE(pictureSize(testing::truncated(png, 20)).has_value());
    // Big-endian 65535 × 65535: beyond the pixel limit, though the header is well formed.
    const ByteBuffer huge =
        testing::patched(testing::patched(png, 16, 0xFFFF0000, 4), 20, 0xFFFF0000, 4);
    EXPECT_FALSE(pictureSize(huge).has_value());
    // Sides whose product overflows 64 bits (found by fuzzing).
    const ByteBuffer overflowing =
        testing::patched(testing::patched(png, 16, 0xFFFFFFFF, 4), 20, 0x00FFFFFF, 4);
    EXPECT_FALSE(pictureSize(overflowing).has_value());
}

TEST(DecodeAnimation, AStillPictureIsOneFrame) {
    const Bitmap pattern = testPattern(3, 3, 9);
    const auto animation = decodeAnimation(encodeWithImageMagick(pattern, "PNG24:out.png"));
    ASSERT_TRUE(animation.has_value());
    ASSERT_EQ(animation->frames.size(), 1u);
    EXPECT_EQ(animation->frames[0].bitmap, pattern);
}

} // namespace
} // namespace zanvik
