#include "foundation/pictures/decodepicture.h"
#include "tests/foundation/pictures/largestallocation.h"
#include "tests/foundation/pictures/picturefiles.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <zlib.h>

namespace zanvik {
namespace {

using testing::ByteFixture;
using testing::encodeWithImageMagick;
using testing::LargestAllocationProbe;
using testing::patched;
using testing::testPattern;

// A picture that claims a size it cannot hold is refused before anything near its size is
// allocated: hostile bytes must not make us ask for gigabytes.
constexpr std::size_t smallAllocation = std::size_t{4} << 20;

std::uint32_t bigEndian32(std::uint32_t value) {
    return __builtin_bswap32(value);
}
std::uint32_t bigEndian16(std::uint32_t value) {
    return (value >> 8 & 0xFF) | (value & 0xFF) << 8;
}

ByteBuffer pngClaiming(std::uint32_t width, std::uint32_t height) {
    const ByteBuffer png = encodeWithImageMagick(testPattern(8, 8, 64), "PNG24:out.png");
    ByteBuffer resized =
        patched(patched(png, 16, bigEndian32(width), 4), 20, bigEndian32(height), 4);
    const auto crc = static_cast<std::uint32_t>(crc32(0, resized.data() + 12, 17));
    return patched(resized, 29, bigEndian32(crc), 4);
}

ByteBuffer jpegClaiming(const std::string& arguments, std::uint16_t width, std::uint16_t height) {
    const ByteBuffer jpeg = encodeWithImageMagick(testPattern(16, 16, 256), arguments);
    for (std::size_t i = 2; i + 8 < jpeg.bytes().size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            return patched(patched(jpeg, i + 5, bigEndian16(height), 2), i + 7, bigEndian16(width),
                           2);
        }
    }
    return {};
}

ByteBuffer bmpClaiming(std::int32_t width, std::int32_t height) {
    const ByteBuffer bmp = encodeWithImageMagick(testPattern(8, 8, 64), "BMP3:out.bmp");
    return patched(patched(bmp, 18, static_cast<std::uint32_t>(width), 4), 22,
                   static_cast<std::uint32_t>(height), 4);
}

// An RLE8 bitmap whose codes stop after one row of a picture that claims many.
ByteBuffer rleBmpClaiming(std::int32_t width, std::int32_t height) {
    ByteFixture file;
    file.bytes({'B', 'M'}).u32(0).u32(0).u32(14 + 40 + 4);
    file.u32(40).u32(static_cast<std::uint32_t>(width)).u32(static_cast<std::uint32_t>(height));
    file.u16(1).u16(8).u32(1).u32(0).u32(0).u32(0).u32(1).u32(0).u32(0);
    return file.bytes({255, 0, 255, 0, 0, 0}).buffer();
}

ByteBuffer gifClaiming(std::uint16_t width, std::uint16_t height) {
    const ByteBuffer gif = encodeWithImageMagick(testPattern(8, 8, 64), "GIF:out.gif");
    // The screen and the first frame (its descriptor follows the screen's colour table).
    std::size_t frame = 13 + 3 * (std::size_t{2} << (gif[10] & 0x07));
    while (frame < gif.bytes().size() && gif[frame] != 0x2C) {
        frame += 2; // skip an extension: introducer and label, then its blocks
        while (frame < gif.bytes().size() && gif[frame] != 0) {
            frame += gif[frame] + 1u;
        }
        ++frame;
    }
    ByteBuffer claimed = patched(patched(gif, 6, width, 2), 8, height, 2);
    return patched(patched(claimed, frame + 5, width, 2), frame + 7, height, 2);
}

ByteBuffer pcxClaiming(std::uint16_t width, std::uint16_t height) {
    const ByteBuffer pcx = encodeWithImageMagick(testPattern(8, 8, 64), "PCX:out.pcx");
    return patched(patched(patched(pcx, 8, width - 1u, 2), 10, height - 1u, 2), 66, width, 2);
}

struct ClaimCase {
    const char* name;
    std::function<ByteBuffer()> make;
};

void PrintTo(const ClaimCase& c, std::ostream* out) {
    *out << c.name;
}

class OversizedClaims : public ::testing::TestWithParam<ClaimCase> {};

TEST_P(OversizedClaims, AreRefusedBeforeAnyLargeAllocation) {
    const ByteBuffer bytes = GetParam().make();
    ASSERT_FALSE(bytes.empty());
    LargestAllocationProbe probe;
    EXPECT_FALSE(decodePicture(bytes).has_value());
    EXPECT_FALSE(decodeAnimation(bytes).has_value());
    if (LargestAllocationProbe::available()) {
        EXPECT_LT(probe.largest(), smallAllocation);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, OversizedClaims,
    ::testing::Values(
        ClaimCase{"Png65535", [] { return pngClaiming(65535, 65535); }},
        ClaimCase{"Png100000", [] { return pngClaiming(100000, 100000); }},
        ClaimCase{"PngWithinTheLimitButTiny", [] { return pngClaiming(8000, 8000); }},
        ClaimCase{"Jpeg65535", [] { return jpegClaiming("JPEG:out.jpg", 65535, 65535); }},
        ClaimCase{"ProgressiveJpeg65535",
                  [] { return jpegClaiming("-interlace JPEG JPEG:out.jpg", 65535, 65535); }},
        ClaimCase{"JpegWithinTheLimitButTiny",
                  [] { return jpegClaiming("JPEG:out.jpg", 8000, 8000); }},
        ClaimCase{"Bmp65535", [] { return bmpClaiming(65535, 65535); }},
        ClaimCase{"BmpWithinTheLimitButTiny", [] { return bmpClaiming(8000, 8000); }},
        ClaimCase{"RleBmpWithinTheLimitButTiny", [] { return rleBmpClaiming(8000, 8000); }},
        ClaimCase{"Gif65535", [] { return gifClaiming(65535, 65535); }},
        ClaimCase{"GifWithinTheLimitButTiny", [] { return gifClaiming(8000, 8000); }},
        ClaimCase{"Pcx65535", [] { return pcxClaiming(65535, 65535); }},
        ClaimCase{"PcxWithinTheLimitButTiny", [] { return pcxClaiming(8000, 8000); }}),
    testing::rowName);

TEST(LargestAllocationProbe, SeesALargeAllocation) {
    if (!LargestAllocationProbe::available()) {
        GTEST_SKIP() << "needs AddressSanitizer's allocation hooks";
    }
    LargestAllocationProbe probe;
    const std::vector<std::uint8_t> large(smallAllocation * 2);
    EXPECT_GE(probe.largest(), large.size());
}

} // namespace
} // namespace zanvik
