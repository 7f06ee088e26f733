#include "foundation/pictures/bmpdecoder.h"
#include "foundation/pictures/decodepicture.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::ByteFixture;
using testing::encodeWithImageMagick;
using testing::enlarged;
using testing::HostileCase;
using testing::patched;
using testing::testPattern;
using testing::truncated;

struct EncodedCase {
    const char* name;
    Bitmap picture;
    std::string arguments;
    int bits;
    int compression;
    int tolerance = 0; // ImageMagick rounds down to 5 or 6 bits; we widen to the nearest
};

void PrintTo(const EncodedCase& c, std::ostream* out) {
    *out << c.name;
}

class BmpFromImageMagick : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(BmpFromImageMagick, DecodesEveryPixelExactly) {
    const EncodedCase& c = GetParam();
    const ByteBuffer bytes = encodeWithImageMagick(c.picture, c.arguments);
    ASSERT_GT(bytes.length(), 54);
    ASSERT_EQ(bytes[28] | bytes[29] << 8, c.bits) << "ImageMagick chose another depth";
    ASSERT_EQ(bytes[30], c.compression) << "ImageMagick chose another compression";
    const auto bitmap = decodeBmp(bytes.bytes());
    ASSERT_TRUE(bitmap.has_value());
    if (c.tolerance == 0) {
        EXPECT_EQ(*bitmap, c.picture);
    } else {
        EXPECT_LE(testing::largestChannelDifference(*bitmap, c.picture), c.tolerance);
    }
    EXPECT_EQ(decodePicture(bytes), bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, BmpFromImageMagick,
    ::testing::Values(
        EncodedCase{"TwentyFourBits", testPattern(5, 3, 15), "BMP3:out.bmp", 24, 0},
        EncodedCase{"EightBits", testPattern(7, 5, 35), "-type palette -compress None BMP3:out.bmp",
                    8, 0},
        EncodedCase{"FourBits", testPattern(9, 3, 10), "-type palette BMP3:out.bmp", 4, 0},
        EncodedCase{"OneBit", testPattern(11, 3, 2), "-type palette BMP3:out.bmp", 1, 0},
        EncodedCase{"Rle8", enlarged(testPattern(6, 4, 24), 5),
                    "-type palette -compress RLE BMP3:out.bmp", 8, 1},
        EncodedCase{"Rgb565", testPattern(5, 3, 15), "-define bmp:subtype=RGB565 BMP:out.bmp", 16,
                    3, 8},
        EncodedCase{"Rgb555", testPattern(5, 3, 15), "-define bmp:subtype=RGB555 BMP:out.bmp", 16,
                    3, 8},
        EncodedCase{"Argb8888WithAlpha", testPattern(5, 3, 15, true),
                    "-define bmp:subtype=ARGB8888 BMP:out.bmp", 32, 3}),
    testing::rowName);

// A bitmap file built field by field, with a 40-byte header unless told otherwise.
struct BmpFields {
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> masks;
    std::vector<std::uint8_t> pixels;
};

ByteBuffer bmpFile(const BmpFields& f) {
    ByteFixture info;
    info.u32(40).u32(static_cast<std::uint32_t>(f.width)).u32(static_cast<std::uint32_t>(f.height));
    info.u16(1).u16(f.bits).u32(f.compression).u32(0).u32(0).u32(0).u32(f.coloursUsed).u32(0);
    for (std::uint32_t mask : f.masks) {
        info.u32(mask);
    }
    for (std::uint32_t colour : f.palette) {
        info.u32(colour);
    }
    const auto offset = static_cast<std::uint32_t>(14 + info.size());
    ByteFixture file;
    file.bytes({'B', 'M'}).u32(static_cast<std::uint32_t>(offset + f.pixels.size())).u32(0);
    file.u32(offset).bytes(info.buffer());
    for (std::uint8_t byte : f.pixels) {
        file.u8(byte);
    }
    return file.buffer();
}

Bitmap picture(std::int32_t width, std::int32_t height, std::vector<std::uint32_t> pixels) {
    return Bitmap{width, height, std::move(pixels)};
}

struct FixtureCase {
    const char* name;
    BmpFields fields;
    Bitmap expected;
};

void PrintTo(const FixtureCase& c, std::ostream* out) {
    *out << c.name;
}

class BmpFixtures : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(BmpFixtures, DecodesAsExpected) {
    const auto bitmap = decodeBmp(bmpFile(GetParam().fields).bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(*bitmap, GetParam().expected);
}

constexpr std::uint32_t red = 0xFFFF0000;
constexpr std::uint32_t green = 0xFF00FF00;
constexpr std::uint32_t blue = 0xFF0000FF;
constexpr std::uint32_t white = 0xFFFFFFFF;
constexpr std::uint32_t black = 0xFF000000;

INSTANTIATE_TEST_SUITE_P(
    Layouts, BmpFixtures,
    ::testing::Values(
        // Negative height: rows stored from the top down.
        FixtureCase{"TopDown24",
                    {.width = 1, .height = -2, .pixels = {0, 0, 255, 0, 255, 0, 0, 0}},
                    picture(1, 2, {red, blue})},
        FixtureCase{"BottomUp24",
                    {.width = 1, .height = 2, .pixels = {0, 0, 255, 0, 255, 0, 0, 0}},
                    picture(1, 2, {blue, red})},
        FixtureCase{"TopDown8",
                    {.width = 2,
                     .height = -2,
                     .bits = 8,
                     .coloursUsed = 3,
                     .palette = {0x00FF0000, 0x0000FF00, 0x000000FF},
                     .pixels = {0, 1, 0, 0, 2, 2, 0, 0}},
                    picture(2, 2, {red, green, blue, blue})},
        // Bit fields after a 40-byte header: 10 bits a channel.
        FixtureCase{"TenBitFields",
                    {.width = 2,
                     .height = 1,
                     .bits = 32,
                     .compression = 3,
                     .masks = {0x3FF00000, 0x000FFC00, 0x000003FF},
                     .pixels = {0xFF, 0x03, 0, 0, 0, 0, 0xF0, 0x3F}},
                    picture(2, 1, {blue, red})},
        FixtureCase{"Bgr32IgnoresTheFourthByte",
                    {.width = 1, .height = 1, .bits = 32, .pixels = {1, 2, 3, 0}},
                    picture(1, 1, {0xFF030201})},
        FixtureCase{"Default555",
                    {.width = 2, .height = 1, .bits = 16, .pixels = {0x00, 0x7C, 0x1F, 0x00}},
                    picture(2, 1, {red, blue})},
        // An index past the colour table is drawn black, never read outside it.
        FixtureCase{"IndexPastPalette",
                    {.width = 2,
                     .height = 1,
                     .bits = 8,
                     .coloursUsed = 1,
                     .palette = {0x00FFFFFF},
                     .pixels = {0, 200, 0, 0}},
                    picture(2, 1, {white, black})},
        // RLE4: a run of alternating indices, then an absolute run of three.
        FixtureCase{"Rle4",
                    {.width = 5,
                     .height = 1,
                     .bits = 4,
                     .compression = 2,
                     .coloursUsed = 3,
                     .palette = {0x00FF0000, 0x0000FF00, 0x000000FF},
                     .pixels = {2, 0x01, 0, 3, 0x21, 0x00, 0, 1}},
                    picture(5, 1, {red, green, blue, green, red})},
        // RLE8 with a jump: the skipped pixels stay black.
        FixtureCase{"Rle8Jump",
                    {.width = 3,
                     .height = 2,
                     .bits = 8,
                     .compression = 1,
                     .coloursUsed = 2,
                     .palette = {0x00FF0000, 0x0000FF00},
                     .pixels = {1, 1, 0, 2, 1, 1, 1, 0, 0, 1}},
                    picture(3, 2, {black, black, red, green, black, black})},
        // RLE pixels outside the picture are dropped, never written: ImageMagick runs its rows
        // into their padding.
        FixtureCase{"Rle8RunPastTheRowIsCut",
                    {.width = 2,
                     .height = 2,
                     .bits = 8,
                     .compression = 1,
                     .coloursUsed = 2,
                     .palette = {0x00FF0000, 0x0000FF00},
                     .pixels = {3, 1, 0, 0, 1, 0, 0, 1}},
                    picture(2, 2, {red, black, green, green})},
        FixtureCase{"Rle8AbsolutePastTheRowIsCut",
                    {.width = 1,
                     .height = 1,
                     .bits = 8,
                     .compression = 1,
                     .coloursUsed = 2,
                     .palette = {0x00FF0000, 0x0000FF00},
                     .pixels = {0, 3, 1, 0, 0, 0, 0, 1}},
                    picture(1, 1, {green})},
        FixtureCase{"Rle8RowsPastThePictureAreDropped",
                    {.width = 1,
                     .height = 1,
                     .bits = 8,
                     .compression = 1,
                     .coloursUsed = 2,
                     .palette = {0x00FF0000, 0x0000FF00},
                     .pixels = {1, 0, 0, 0, 1, 1, 0, 0, 9, 1}},
                    picture(1, 1, {red})},
        FixtureCase{"Rle8JumpPastThePicture",
                    {.width = 2,
                     .height = 2,
                     .bits = 8,
                     .compression = 1,
                     .coloursUsed = 1,
                     .palette = {0x00FF0000},
                     .pixels = {1, 0, 0, 2, 200, 200, 5, 0, 0, 1}},
                    picture(2, 2, {black, black, red, black})},
        // RLE8 whose data ends after its last row without the end-of-picture code.
        FixtureCase{"Rle8WithoutEndCode",
                    {.width = 2,
                     .height = 1,
                     .bits = 8,
                     .compression = 1,
                     .coloursUsed = 1,
                     .palette = {0x000000FF},
                     .pixels = {2, 0, 0, 0}},
                    picture(2, 1, {blue, blue})}),
    testing::rowName);

TEST(BmpDecoder, ReadsTheOs2CoreHeader) {
    ByteFixture file;
    file.bytes({'B', 'M'}).u32(0).u32(0).u32(14 + 12 + 6);
    file.u32(12).u16(2).u16(1).u16(1).u16(1);
    file.bytes({0, 0, 255, 255, 0, 0}); // colour table: red, blue (3 bytes each)
    file.bytes({0x40, 0, 0, 0});
    const auto bitmap = decodeBmp(file.buffer().bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(*bitmap, picture(2, 1, {red, blue}));
}

class HostileBmp : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileBmp, IsNoPicture) {
    EXPECT_FALSE(decodeBmp(GetParam().bytes.bytes()).has_value());
    EXPECT_FALSE(decodePicture(GetParam().bytes).has_value());
}

const BmpFields twoByTwo{.pixels = std::vector<std::uint8_t>(16, 0x80)};

BmpFields with(BmpFields fields, auto change) {
    change(fields);
    return fields;
}

ByteBuffer rle8(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> codes) {
    return bmpFile({.width = width,
                    .height = height,
                    .bits = 8,
                    .compression = 1,
                    .coloursUsed = 1,
                    .palette = {0},
                    .pixels = std::move(codes)});
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HostileBmp,
    ::testing::Values(
        HostileCase{"PixelsOneByteShort", truncated(bmpFile(twoByTwo), 14 + 40 + 15)},
        HostileCase{"OnlyTheFileHeader", truncated(bmpFile(twoByTwo), 14)},
        HostileCase{"InfoHeaderCut", truncated(bmpFile(twoByTwo), 30)},
        HostileCase{"PixelOffsetPastTheEnd", patched(bmpFile(twoByTwo), 10, 0x10000, 4)},
        HostileCase{"PixelOffsetInsideTheHeader", patched(bmpFile(twoByTwo), 10, 4, 4)},
        HostileCase{"ZeroWidth", bmpFile(with(twoByTwo, [](auto& f) { f.width = 0; }))},
        HostileCase{"NegativeWidth", bmpFile(with(twoByTwo, [](auto& f) { f.width = -2; }))},
        HostileCase{"ZeroHeight", bmpFile(with(twoByTwo, [](auto& f) { f.height = 0; }))},
        HostileCase{"SmallestHeight",
                    bmpFile(with(twoByTwo, [](auto& f) { f.height = INT32_MIN; }))},
        HostileCase{"Huge", bmpFile(with(twoByTwo, [](auto& f) { f.width = f.height = 65535; }))},
        HostileCase{"JustOverTheLimit", bmpFile(with(twoByTwo,
                                                     [](auto& f) {
                                                         f.width = 8000;
                                                         f.height = 8001;
                                                     }))},
        HostileCase{"UnknownHeaderSize", patched(bmpFile(twoByTwo), 14, 64, 4)},
        HostileCase{"ThreeBits", bmpFile(with(twoByTwo, [](auto& f) { f.bits = 3; }))},
        HostileCase{"Rle8On24Bits", bmpFile(with(twoByTwo, [](auto& f) { f.compression = 1; }))},
        HostileCase{"JpegInside", bmpFile(with(twoByTwo, [](auto& f) { f.compression = 4; }))},
        HostileCase{"TooManyColours", bmpFile(with(twoByTwo,
                                                   [](auto& f) {
                                                       f.bits = 8;
                                                       f.coloursUsed = 100000;
                                                   }))},
        HostileCase{"PaletteCut",
                    truncated(bmpFile({.bits = 8, .coloursUsed = 256}), 14 + 40 + 100)},
        HostileCase{"ScatteredMask",
                    bmpFile(with(twoByTwo,
                                 [](auto& f) {
                                     f.bits = 32;
                                     f.compression = 3;
                                     f.masks = {0x00FF00FF, 0x0000FF00, 0x000000FF};
                                 }))},
        HostileCase{"TopDownRle", rle8(2, -1, {2, 0, 0, 1})},
        HostileCase{"RleAbsolutePastTheData", rle8(4, 1, {0, 4, 1, 1})},
        HostileCase{"RleJumpCut", rle8(2, 2, {0, 2, 1})},
        HostileCase{"RleEndsEarly", rle8(2, 2, {2, 0, 0, 0})},
        HostileCase{"RleEmpty", rle8(2, 2, {})}),
    testing::rowName);

} // namespace
} // namespace zanvik
