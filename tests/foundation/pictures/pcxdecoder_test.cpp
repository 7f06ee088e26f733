#include "foundation/pictures/decodepicture.h"
#include "foundation/pictures/pcxdecoder.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::ByteFixture;
using testing::encodeWithImageMagick;
using testing::HostileCase;
using testing::patched;
using testing::testPattern;

struct EncodedCase {
    const char* name;
    Bitmap picture;
    std::string arguments;
    int planes;
};

void PrintTo(const EncodedCase& c, std::ostream* out) {
    *out << c.name;
}

class PcxFromImageMagick : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(PcxFromImageMagick, DecodesEveryPixel) {
    const ByteBuffer bytes = encodeWithImageMagick(GetParam().picture, GetParam().arguments);
    ASSERT_GT(bytes.length(), 128);
    ASSERT_EQ(bytes[65], GetParam().planes) << "ImageMagick chose another layout";
    const auto bitmap = decodePcx(bytes.bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(*bitmap, GetParam().picture);
    EXPECT_EQ(decodePicture(bytes), bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PcxFromImageMagick,
    ::testing::Values(EncodedCase{"EightBitsWithPalette", testPattern(7, 5, 35),
                                  "-type palette PCX:out.pcx", 1},
                      EncodedCase{"EightBitsWithRuns", testing::enlarged(testPattern(3, 2, 6), 30),
                                  "-type palette PCX:out.pcx", 1},
                      EncodedCase{"ThreePlanes", testPattern(7, 5, 35), "PCX:out.pcx", 3}),
    testing::rowName);

struct PcxFields {
    std::uint8_t version = 5;
    std::uint8_t bits = 8;
    std::uint8_t planes = 1;
    std::uint16_t right = 1; // width - 1
    std::uint16_t bottom = 0;
    std::uint16_t bytesPerLine = 2;
    std::vector<std::uint8_t> data;
    bool palette = true;
};

// A PCX file built by hand; its colour table maps index i to (i, 255 - i, 7).
ByteBuffer pcxFile(const PcxFields& f) {
    ByteFixture file;
    file.bytes({0x0A, f.version, 1, f.bits}).u16(0).u16(0).u16(f.right).u16(f.bottom);
    file.zeros(65 - 12).u8(f.planes).u16(f.bytesPerLine).zeros(128 - 68);
    for (std::uint8_t byte : f.data) {
        file.u8(byte);
    }
    if (f.palette) {
        file.u8(0x0C);
        for (int i = 0; i < 256; ++i) {
            file.bytes({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7});
        }
    }
    return file.buffer();
}

std::uint32_t entry(std::uint32_t i) {
    return 0xFF000007u | i << 16 | (255 - i) << 8;
}

TEST(PcxDecoder, OneBitSetIsWhite) {
    const ByteBuffer bytes = pcxFile({.version = 3,
                                      .bits = 1,
                                      .right = 9,
                                      .bottom = 1,
                                      .data = {0xA0, 0x40, 0xC2, 0xFF},
                                      .palette = false});
    const auto bitmap = decodePicture(bytes);
    ASSERT_TRUE(bitmap.has_value());
    constexpr std::uint32_t w = 0xFFFFFFFF;
    constexpr std::uint32_t b = 0xFF000000;
    EXPECT_EQ(*bitmap,
              (Bitmap{10, 2, {w, b, w, b, b, b, b, b, b, w, w, w, w, w, w, w, w, w, w, w}}));
}

TEST(PcxDecoder, RunsMayCrossRowsAndBeEmpty) {
    // Two rows of two: a run of three 5s crosses into the second row; a run of none adds nothing.
    const ByteBuffer bytes = pcxFile({.bottom = 1, .data = {0xC3, 5, 0xC0, 9, 0xC1, 200}});
    const auto bitmap = decodePcx(bytes.bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(*bitmap, (Bitmap{2, 2, {entry(5), entry(5), entry(5), entry(200)}}));
}

class HostilePcx : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostilePcx, IsNoPicture) {
    EXPECT_FALSE(decodePcx(GetParam().bytes.bytes()).has_value());
    EXPECT_FALSE(decodePicture(GetParam().bytes).has_value());
}

const PcxFields twoPixels{.data = {1, 2}};

PcxFields with(PcxFields fields, auto change) {
    change(fields);
    return fields;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HostilePcx,
    ::testing::Values(
        HostileCase{"NoPalette", pcxFile(with(twoPixels, [](auto& f) { f.palette = false; }))},
        HostileCase{"PaletteMarkerWrong", patched(pcxFile(twoPixels), 128 + 2, 0x0B, 1)},
        HostileCase{"DataEndsEarly", pcxFile(with(twoPixels, [](auto& f) { f.data = {1}; }))},
        HostileCase{"RunCutInHalf", pcxFile(with(twoPixels,
                                                 [](auto& f) {
                                                     f.data = {1, 0xC1};
                                                 }))},
        HostileCase{"RowsLongerThanTheData",
                    pcxFile(with(twoPixels, [](auto& f) { f.bottom = 4000; }))},
        HostileCase{"Huge", pcxFile(with(twoPixels,
                                         [](auto& f) {
                                             f.right = f.bottom = 65535;
                                             f.bytesPerLine = 65535;
                                         }))},
        HostileCase{"RightBeforeLeft", patched(pcxFile(twoPixels), 4, 5, 2)},
        HostileCase{"RowBytesTooFewForTheWidth",
                    pcxFile(with(twoPixels, [](auto& f) { f.bytesPerLine = 1; }))},
        HostileCase{"TwoPlanes", pcxFile(with(twoPixels, [](auto& f) { f.planes = 2; }))},
        HostileCase{"OneBitFourPlanes", pcxFile(with(twoPixels,
                                                     [](auto& f) {
                                                         f.version = 3;
                                                         f.bits = 1;
                                                         f.planes = 4;
                                                     }))},
        HostileCase{"HeaderOnly", testing::truncated(pcxFile(twoPixels), 100)}),
    testing::rowName);

} // namespace
} // namespace zanvik
