#include "foundation/pictures/decodepicture.h"
#include "foundation/pictures/pngdecoder.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <zlib.h>

namespace zanvik {
namespace {

using testing::encodeWithImageMagick;
using testing::greyed;
using testing::HostileCase;
using testing::onWhite;
using testing::patched;
using testing::testPattern;
using testing::truncated;

// Grey levels that a depth of `bits` holds exactly.
Bitmap greyLevels(std::int32_t width, std::int32_t height, int bits) {
    Bitmap bitmap{width, height, {}};
    const std::uint32_t levels = (1u << bits) - 1;
    for (std::uint32_t n = 0; n < static_cast<std::uint32_t>(width * height); ++n) {
        const std::uint32_t level = (n * 7 + 1) % (levels + 1) * 255 / levels;
        bitmap.pixels.push_back(0xFF000000u | level << 16 | level << 8 | level);
    }
    return bitmap;
}

// Some pixels fully transparent, the others opaque: what a palette's transparency chunk holds.
Bitmap withHoles(Bitmap bitmap) {
    for (std::size_t i = 0; i < bitmap.pixels.size(); i += 3) {
        bitmap.pixels[i] &= 0x00FFFFFF;
    }
    return bitmap;
}

struct EncodedCase {
    const char* name;
    Bitmap picture;
    std::string arguments;
};

void PrintTo(const EncodedCase& c, std::ostream* out) {
    *out << c.name;
}

class PngFromImageMagick : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(PngFromImageMagick, DecodesEveryPixelOntoWhite) {
    const EncodedCase& c = GetParam();
    const ByteBuffer bytes = encodeWithImageMagick(c.picture, c.arguments);
    ASSERT_FALSE(bytes.empty());
    const auto bitmap = decodePng(bytes.bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(*bitmap, onWhite(c.picture));
    EXPECT_EQ(decodePicture(bytes), bitmap);
}

std::string grey(int bits) {
    return "-define png:color-type=0 -define png:bit-depth=" + std::to_string(bits) +
           " PNG:out.png";
}

INSTANTIATE_TEST_SUITE_P(
    ColourTypes, PngFromImageMagick,
    ::testing::Values(
        EncodedCase{"Rgb8", testPattern(5, 3, 15), "PNG24:out.png"},
        EncodedCase{"Rgb16", testPattern(5, 3, 15), "PNG48:out.png"},
        EncodedCase{"Palette", testPattern(7, 5, 35), "PNG8:out.png"},
        EncodedCase{"PaletteWithTransparency", withHoles(testPattern(7, 5, 35)), "PNG8:out.png"},
        EncodedCase{"Rgba8", testPattern(9, 5, 45, true), "PNG32:out.png"},
        EncodedCase{"Rgba16", testPattern(9, 5, 45, true), "PNG64:out.png"},
        EncodedCase{"Grey1", greyLevels(11, 3, 1), grey(1)},
        EncodedCase{"Grey2", greyLevels(7, 3, 2), grey(2)},
        EncodedCase{"Grey4", greyLevels(7, 3, 4), grey(4)},
        EncodedCase{"Grey8", greyed(testPattern(7, 3, 21)), grey(8)},
        EncodedCase{"Grey16", greyed(testPattern(7, 3, 21)), grey(16)},
        EncodedCase{"GreyAlpha8", greyed(testPattern(7, 3, 21, true)),
                    "-define png:color-type=4 -define png:bit-depth=8 PNG:out.png"},
        EncodedCase{"Interlaced", testPattern(13, 11, 143), "-interlace PNG PNG24:out.png"},
        EncodedCase{"InterlacedWithAlpha", testPattern(13, 11, 143, true),
                    "-interlace PNG PNG32:out.png"}),
    testing::rowName);

TEST(PngDecoder, BlendsOntoWhiteByTheRule) {
    // alpha 128 over red 200: 128/255 × 200 + 127/255 × 255 = 227.4 → 227; blue 0 → 127.
    const Bitmap half{1, 1, {0x80C8FF00}};
    const auto bitmap = decodePng(encodeWithImageMagick(half, "PNG32:out.png").bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->pixels, std::vector<std::uint32_t>{0xFFE3FF7F});
}

// The same PNG with a new width and height written into its header, and the header's checksum
// made right again so that libpng reads on.
ByteBuffer withSize(const ByteBuffer& png, std::uint32_t width, std::uint32_t height) {
    const auto bigEndian = [](std::uint32_t value) { return __builtin_bswap32(value); };
    ByteBuffer resized = patched(patched(png, 16, bigEndian(width), 4), 20, bigEndian(height), 4);
    const auto crc = static_cast<std::uint32_t>(crc32(0, resized.data() + 12, 17));
    return patched(resized, 29, bigEndian(crc), 4);
}

class HostilePng : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostilePng, IsNoPicture) {
    EXPECT_FALSE(decodePng(GetParam().bytes.bytes()).has_value());
    EXPECT_FALSE(decodePicture(GetParam().bytes).has_value());
}

const ByteBuffer small = encodeWithImageMagick(testPattern(40, 30, 1200), "PNG24:out.png");

INSTANTIATE_TEST_SUITE_P(
    Headers, HostilePng,
    ::testing::Values(HostileCase{"CutInHalf", truncated(small, small.bytes().size() / 2)},
                      HostileCase{"CutBeforeThePixels", truncated(small, 33)},
                      HostileCase{"SignatureOnly", truncated(small, 8)},
                      HostileCase{"Huge", withSize(small, 65535, 65535)},
                      HostileCase{"JustOverTheLimit", withSize(small, 8000, 8001)},
                      HostileCase{"MoreRowsThanDeflateCanHold", withSize(small, 4000, 4000)},
                      HostileCase{"ClaimsMoreRowsThanItHolds", withSize(small, 40, 60)},
                      HostileCase{"ZeroWidth", withSize(small, 0, 30)},
                      HostileCase{"HeaderChecksumWrong",
                                  patched(withSize(small, 40, 30), 29, 0, 1)},
                      HostileCase{"BitDepthThree", patched(small, 24, 3, 1)}),
    testing::rowName);

} // namespace
} // namespace zanvik
