#include "foundation/pictures/decodepicture.h"
#include "foundation/pictures/icondecoder.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::ByteFixture;
using testing::encodeWithImageMagick;
using testing::HostileCase;
using testing::onWhite;
using testing::patched;
using testing::testPattern;
using testing::truncated;

struct EncodedCase {
    const char* name;
    Bitmap picture;
    std::string arguments;
    bool asCursor = false;
};

void PrintTo(const EncodedCase& c, std::ostream* out) {
    *out << c.name;
}

class IconFromImageMagick : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(IconFromImageMagick, DrawsTheImageAtItsOwnSizeOntoWhite) {
    const EncodedCase& c = GetParam();
    ByteBuffer bytes = encodeWithImageMagick(c.picture, c.arguments);
    ASSERT_FALSE(bytes.empty());
    if (c.asCursor) {
        bytes = patched(bytes, 2, 2, 2);
    }
    const auto bitmap = decodeIcon(bytes.bytes());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(*bitmap, onWhite(c.picture));
    EXPECT_EQ(decodePicture(bytes), bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, IconFromImageMagick,
    ::testing::Values(EncodedCase{"Opaque", testPattern(16, 16, 256), "ICO:out.ico"},
                      EncodedCase{"Alpha", testPattern(16, 16, 256, true), "ICO:out.ico"},
                      EncodedCase{"TwoColoursWithMask", testPattern(16, 16, 2),
                                  "-type palette ICO:out.ico"},
                      EncodedCase{"PngInside", testPattern(256, 256, 1000, true), "ICO:out.ico"},
                      EncodedCase{"Cursor", testPattern(32, 32, 256), "ICO:out.ico", true},
                      EncodedCase{"LargestOfSeveral", testPattern(48, 48, 2),
                                  "-type palette -define icon:auto-resize=16,48,32 ICO:out.ico"}),
    testing::rowName);

// A one-image icon whose image is a 2 × 2, 4-bit bitmap with a mask, built by hand.
ByteBuffer maskedIcon(std::uint16_t type, std::vector<std::uint8_t> colourRows,
                      std::vector<std::uint8_t> maskRows) {
    ByteFixture image;
    image.u32(40).u32(2).u32(4).u16(1).u16(4).u32(0).u32(0).u32(0).u32(0).u32(4).u32(0);
    image.u32(0x00000000).u32(0x00FF0000).u32(0x0000FF00).u32(0x000000FF);
    for (std::uint8_t byte : colourRows) {
        image.u8(byte);
    }
    for (std::uint8_t byte : maskRows) {
        image.u8(byte);
    }
    ByteFixture file;
    file.u16(0).u16(type).u16(1);
    file.bytes({2, 2, 4, 0}).u16(1).u16(4).u32(static_cast<std::uint32_t>(image.size())).u32(22);
    return file.bytes(image.buffer()).buffer();
}

// Rows bottom-up, 4 bytes each: the bottom row is black, red; the top row green, blue.
const std::vector<std::uint8_t> colours = {0x01, 0, 0, 0, 0x23, 0, 0, 0};
// The mask sets the bottom-left (black) and bottom-right (red) pixels.
const std::vector<std::uint8_t> mask = {0xC0, 0, 0, 0, 0x00, 0, 0, 0};

TEST(IconDecoder, DrawsTheMaskAsTheSystemDoesOntoWhite) {
    for (std::uint16_t type : {1, 2}) {
        const auto bitmap = decodeIcon(maskedIcon(type, colours, mask).bytes());
        ASSERT_TRUE(bitmap.has_value()) << type;
        // Masked black shows white; masked red turns white into cyan.
        EXPECT_EQ(*bitmap, (Bitmap{2, 2, {0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF00FFFF}}))
            << type;
    }
}

class HostileIcon : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileIcon, IsNoPicture) {
    EXPECT_FALSE(decodeIcon(GetParam().bytes.bytes()).has_value());
    EXPECT_FALSE(decodePicture(GetParam().bytes).has_value());
}

const ByteBuffer good = maskedIcon(1, colours, mask);

INSTANTIATE_TEST_SUITE_P(
    Headers, HostileIcon,
    ::testing::Values(
        // The directory's size is made to agree with the cut, so that the image itself is short.
        HostileCase{"MaskCut",
                    patched(truncated(good, 22 + 40 + 16 + 8 + 7), 14, 40 + 16 + 8 + 7, 4)},
        HostileCase{"ColoursCut", patched(truncated(good, 22 + 40 + 16 + 4), 14, 40 + 16 + 4, 4)},
        HostileCase{"FileShorterThanTheDirectorySays", truncated(good, good.bytes().size() - 1)},
        HostileCase{"OffsetPastTheEnd", patched(good, 18, 0x10000, 4)},
        HostileCase{"OffsetIntoTheDirectory", patched(good, 18, 6, 4)},
        HostileCase{"SizePastTheEnd", patched(good, 14, 0x10000, 4)},
        HostileCase{"ZeroSize", patched(good, 14, 0, 4)},
        HostileCase{"MoreEntriesThanTheDirectoryHolds", patched(good, 4, 200, 2)},
        HostileCase{"HugeImage", patched(patched(good, 22 + 4, 65535, 4), 22 + 8, 131070, 4)},
        HostileCase{"RleImage", patched(good, 22 + 16, 2, 4)},
        HostileCase{"TypeThree", patched(good, 2, 3, 2)}),
    testing::rowName);

} // namespace
} // namespace zanvik
