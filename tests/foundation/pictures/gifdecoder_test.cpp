#include "foundation/pictures/decodepicture.h"
#include "foundation/pictures/gifdecoder.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::ByteFixture;
using testing::encodeAnimationWithImageMagick;
using testing::encodeWithImageMagick;
using testing::HostileCase;
using testing::testPattern;
using testing::truncated;

// Pixels whose alpha is 0 become 0x00000000: what a transparent GIF pixel decodes to.
Bitmap withHoles(Bitmap bitmap) {
    for (std::size_t i = 0; i < bitmap.pixels.size(); i += 3) {
        bitmap.pixels[i] = 0;
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

class GifFromImageMagick : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(GifFromImageMagick, DecodesEveryPixel) {
    const ByteBuffer bytes = encodeWithImageMagick(GetParam().picture, GetParam().arguments);
    const auto bitmap = decodeGif(bytes.bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(*bitmap, GetParam().picture);
    EXPECT_EQ(decodePicture(bytes), bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Stills, GifFromImageMagick,
    ::testing::Values(
        EncodedCase{"Still", testPattern(7, 5, 35), "+dither GIF:out.gif"},
        EncodedCase{"Interlaced", testPattern(9, 19, 171), "+dither -interlace GIF GIF:out.gif"},
        EncodedCase{"Transparent", withHoles(testPattern(7, 5, 35)), "+dither GIF:out.gif"},
        EncodedCase{"Gif87a", testPattern(6, 2, 12), "+dither GIF87:out.gif"}),
    testing::rowName);

TEST(GifDecoder, GivesEveryFrameWithItsDelayAndLoopCount) {
    const std::vector<Bitmap> frames = {testPattern(6, 4, 24), testPattern(6, 4, 5),
                                        testPattern(6, 4, 13)};
    const ByteBuffer bytes =
        encodeAnimationWithImageMagick(frames, {20, 50, 7}, "-loop 3 +dither GIF:out.gif");
    const auto animation = decodeAnimation(bytes);
    ASSERT_TRUE(animation.has_value());
    ASSERT_EQ(animation->frames.size(), 3u);
    const std::int32_t delays[] = {200, 500, 70};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(animation->frames[i].bitmap, frames[i]) << i;
        EXPECT_EQ(animation->frames[i].delayMilliseconds, delays[i]) << i;
    }
    EXPECT_EQ(animation->loopCount, 3) << "plays three times: the stored repeat count is 2";
    EXPECT_EQ(decodePicture(bytes), frames[0]);
}

// A GIF built by hand. Its LZW data sends a clear code before every pixel, so that the code
// width never grows: valid, if not small.
struct FrameSpec {
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 1;
    std::uint16_t height = 1;
    std::vector<std::uint8_t> indices;
    int disposal = 0;
    int transparent = -1;
    std::uint16_t delay = 0;
};

class GifBuilder {
public:
    GifBuilder(std::uint16_t width, std::uint16_t height, std::vector<std::uint32_t> palette) {
        file_.bytes({'G', 'I', 'F', '8', '9', 'a'}).u16(width).u16(height);
        if (palette.empty()) {
            file_.bytes({0x00, 0, 0});
            return;
        }
        file_.bytes({0xF1, 0, 0}); // global table of 4 entries
        palette.resize(4, 0);
        for (std::uint32_t colour : palette) {
            file_.bytes({static_cast<std::uint8_t>(colour >> 16),
                         static_cast<std::uint8_t>(colour >> 8),
                         static_cast<std::uint8_t>(colour)});
        }
    }

    GifBuilder& frame(const FrameSpec& f) {
        const int flags = f.disposal << 2 | (f.transparent >= 0 ? 1 : 0);
        file_.bytes({0x21, 0xF9, 4, static_cast<std::uint8_t>(flags)}).u16(f.delay);
        file_.bytes({static_cast<std::uint8_t>(std::max(f.transparent, 0)), 0});
        file_.u8(0x2C).u16(f.left).u16(f.top).u16(f.width).u16(f.height).u8(0);
        file_.u8(3); // code size: 4-bit codes, clear 8, end 9; literals up to 7, past the table
        std::vector<std::uint8_t> data;
        std::uint32_t bits = 0;
        int count = 0;
        const auto put = [&](std::uint32_t code) {
            bits |= code << count;
            count += 4;
            while (count >= 8) {
                data.push_back(static_cast<std::uint8_t>(bits));
                bits >>= 8;
                count -= 8;
            }
        };
        for (std::uint8_t index : f.indices) {
            put(8);
            put(index);
        }
        put(9);
        if (count > 0) {
            data.push_back(static_cast<std::uint8_t>(bits));
        }
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t length = std::min<std::size_t>(255, data.size() - at);
            file_.u8(static_cast<std::uint8_t>(length));
            for (std::size_t i = 0; i < length; ++i) {
                file_.u8(data[at + i]);
            }
        }
        file_.u8(0);
        return *this;
    }

    ByteBuffer end() {
        file_.u8(0x3B);
        return file_.buffer();
    }

private:
    ByteFixture file_;
};

constexpr std::uint32_t red = 0xFFFF0000;
constexpr std::uint32_t green = 0xFF00FF00;
constexpr std::uint32_t blue = 0xFF0000FF;
constexpr std::uint32_t clear = 0;

TEST(GifDecoder, ComposesFramesOnTheCanvasWithTheirDisposal) {
    const ByteBuffer bytes =
        GifBuilder(3, 1, {red, green, blue})
            .frame({.width = 3, .indices = {0, 0, 0}, .disposal = 1})
            .frame({.left = 1, .width = 1, .indices = {1}, .disposal = 2}) // then cleared
            .frame({.left = 2, .width = 1, .indices = {2}, .disposal = 3}) // then undone
            .frame({.width = 2, .indices = {3, 1}, .transparent = 3})
            .end();
    const auto animation = decodeAnimation(bytes);
    ASSERT_TRUE(animation.has_value());
    ASSERT_EQ(animation->frames.size(), 4u);
    EXPECT_EQ(animation->frames[0].bitmap.pixels, (std::vector<std::uint32_t>{red, red, red}));
    EXPECT_EQ(animation->frames[1].bitmap.pixels, (std::vector<std::uint32_t>{red, green, red}));
    EXPECT_EQ(animation->frames[2].bitmap.pixels, (std::vector<std::uint32_t>{red, clear, blue}));
    EXPECT_EQ(animation->frames[3].bitmap.pixels, (std::vector<std::uint32_t>{red, green, red}));
    EXPECT_EQ(animation->loopCount, 1) << "without a NETSCAPE2.0 block it plays once";
}

TEST(GifDecoder, CutsAFrameOutsideTheScreenAndSkipsIndicesPastTheTable) {
    const ByteBuffer bytes =
        GifBuilder(2, 2, {red, green})
            .frame({.left = 1, .top = 1, .width = 2, .height = 2, .indices = {1, 1, 1, 1}})
            .frame({.left = 60000, .top = 60000, .indices = {0}})
            .frame({.width = 2, .indices = {0, 7}})
            .end();
    const auto animation = decodeAnimation(bytes);
    ASSERT_TRUE(animation.has_value());
    ASSERT_EQ(animation->frames.size(), 3u);
    const std::vector<std::uint32_t> cut = {clear, clear, clear, green};
    EXPECT_EQ(animation->frames[0].bitmap.pixels, cut);
    EXPECT_EQ(animation->frames[1].bitmap.pixels, cut);
    // Index 7 lies past a table of four entries: that pixel stays as it was.
    EXPECT_EQ(animation->frames[2].bitmap.pixels,
              (std::vector<std::uint32_t>{red, clear, clear, green}));
}

TEST(GifDecoder, AnAnimationCutAfterItsFirstFrameKeepsTheWholeFrames) {
    const ByteBuffer whole = GifBuilder(2, 1, {red, green})
                                 .frame({.width = 2, .indices = {0, 1}})
                                 .frame({.width = 2, .indices = {1, 0}})
                                 .end();
    const ByteBuffer cut = truncated(whole, whole.bytes().size() - 6);
    const auto animation = decodeAnimation(cut);
    ASSERT_TRUE(animation.has_value());
    ASSERT_EQ(animation->frames.size(), 1u);
    EXPECT_EQ(animation->frames[0].bitmap.pixels, (std::vector<std::uint32_t>{red, green}));
}

class HostileGif : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileGif, IsNoPicture) {
    EXPECT_FALSE(decodeGif(GetParam().bytes.bytes()).has_value());
    EXPECT_FALSE(decodePicture(GetParam().bytes).has_value());
    EXPECT_FALSE(decodeAnimation(GetParam().bytes).has_value());
}

const ByteBuffer oneFrame =
    GifBuilder(2, 2, {red, green}).frame({.width = 2, .height = 2, .indices = {0, 1, 1, 0}}).end();

INSTANTIATE_TEST_SUITE_P(
    Headers, HostileGif,
    ::testing::Values(
        HostileCase{"FirstFrameCut", truncated(oneFrame, oneFrame.bytes().size() - 5)},
        HostileCase{"ScreenOnly", truncated(oneFrame, 13)},
        HostileCase{"NoFrames", GifBuilder(2, 2, {red}).end()},
        HostileCase{"NoColourTable", GifBuilder(1, 1, {}).frame({.indices = {0}}).end()},
        HostileCase{"HugeScreen", GifBuilder(65535, 65535, {red}).frame({.indices = {0}}).end()},
        HostileCase{"EmptyScreen", GifBuilder(0, 0, {red}).frame({.indices = {0}}).end()},
        HostileCase{"FrameClaimsMoreRowsThanItHolds",
                    GifBuilder(4000, 4000, {red})
                        .frame({.width = 4000, .height = 4000, .indices = {0, 0}})
                        .end()},
        HostileCase{"EmptyFrame",
                    GifBuilder(2, 2, {red}).frame({.width = 0, .indices = {}}).end()}),
    testing::rowName);

} // namespace
} // namespace zanvik
