#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/values/bytebuffer.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace zanvik::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TemporaryFolder final {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::filesystem::path path(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

ByteBuffer readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const ByteBuffer& bytes);

// A picture of `width` × `height` pixels whose colours differ from pixel to pixel (as far as
// `colours` distinct colours allow), opaque unless `withAlpha`.
Bitmap testPattern(std::int32_t width, std::int32_t height, int colours, bool withAlpha = false);

// The same picture with every channel set to its grey level (r = g = b), opacity kept.
Bitmap greyed(const Bitmap& bitmap);

// The picture as it looks on white, by the rule alpha / 255 × c + (1 − alpha / 255) × 255,
// computed in floating point and rounded to the nearest integer.
Bitmap onWhite(Bitmap bitmap);

// The picture made `factor` times larger by repeating pixels: blocks of one colour, which lossy
// and run-length encoders keep well.
Bitmap enlarged(const Bitmap& small, std::int32_t factor);

// Encodes `bitmap` with ImageMagick (/usr/bin/convert, an encoder independent of ours): the
// picture goes in as PAM, `arguments` (options, then the output format and name such as
// "BMP3:out.bmp") are added, and the bytes written come back. Empty when convert fails.
ByteBuffer encodeWithImageMagick(const Bitmap& bitmap, const std::string& arguments);

// As above, for animations: each frame with its delay in hundredths of a second.
ByteBuffer encodeAnimationWithImageMagick(const std::vector<Bitmap>& frames,
                                          const std::vector<int>& delays,
                                          const std::string& arguments);

// The largest difference of any channel between two pictures of the same size; 256 when the
// sizes differ.
int largestChannelDifference(const Bitmap& a, const Bitmap& b);

// A row of a table of bytes that must not decode.
struct HostileCase {
    const char* name;
    ByteBuffer bytes;
};
void PrintTo(const HostileCase& row, std::ostream* out);

// Names each test of a table after its row's `name`.
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

// Builds little-endian byte fixtures.
class ByteFixture {
public:
    ByteFixture& u8(std::uint8_t value);
    ByteFixture& u16(std::uint16_t value);
    ByteFixture& u32(std::uint32_t value);
    ByteFixture& bytes(std::initializer_list<std::uint8_t> values);
    ByteFixture& bytes(const ByteBuffer& more);
    ByteFixture& zeros(std::size_t count);
    std::size_t size() const { return bytes_.size(); }
    void patch32(std::size_t offset, std::uint32_t value);
    ByteBuffer buffer() const { return ByteBuffer(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// The bytes with `count` bytes from `offset` replaced by `value`, little-endian.
ByteBuffer patched(const ByteBuffer& bytes, std::size_t offset, std::uint32_t value, int count);
// The first `length` bytes.
ByteBuffer truncated(const ByteBuffer& bytes, std::size_t length);

} // namespace zanvik::testing

namespace zanvik {
// Prints a bitmap's size and its pixels in hexadecimal when a test fails.
void PrintTo(const Bitmap& bitmap, std::ostream* out);
} // namespace zanvik
