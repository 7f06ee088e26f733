#include "tests/foundation/pictures/picturefiles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace zanvik::testing {

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zanvik-pictures-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

ByteBuffer readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return ByteBuffer(bytes);
}

void writeBytes(const std::filesystem::path& path, const ByteBuffer& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.length());
}

Bitmap testPattern(std::int32_t width, std::int32_t height, int colours, bool withAlpha) {
    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const auto n = static_cast<std::uint32_t>((y * width + x) % colours);
            const std::uint32_t red = (n * 97 + 13) & 0xFF;
            const std::uint32_t green = (n * 57 + 200) & 0xFF;
            const std::uint32_t blue = (n * 151 + 71) & 0xFF;
            const std::uint32_t alpha = withAlpha ? (n * 73 + 5) & 0xFF : 0xFF;
            bitmap.pixels.push_back(alpha << 24 | red << 16 | green << 8 | blue);
        }
    }
    return bitmap;
}

Bitmap greyed(const Bitmap& bitmap) {
    Bitmap grey = bitmap;
    for (std::uint32_t& pixel : grey.pixels) {
        const std::uint32_t level = (pixel >> 8) & 0xFF;
        pixel = (pixel & 0xFF000000u) | level << 16 | level << 8 | level;
    }
    return grey;
}

Bitmap onWhite(Bitmap bitmap) {
    for (std::uint32_t& pixel : bitmap.pixels) {
        const double alpha = (pixel >> 24) / 255.0;
        std::uint32_t result = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const double colour = (pixel >> shift) & 0xFF;
            const long value = std::lround(alpha * colour + (1 - alpha) * 255);
            result |= static_cast<std::uint32_t>(std::clamp(value, 0L, 255L)) << shift;
        }
        pixel = result;
    }
    return bitmap;
}

Bitmap enlarged(const Bitmap& small, std::int32_t factor) {
    Bitmap big;
    big.width = small.width * factor;
    big.height = small.height * factor;
    for (std::int32_t y = 0; y < big.height; ++y) {
        for (std::int32_t x = 0; x < big.width; ++x) {
            big.pixels.push_back(
                small.pixels[static_cast<std::size_t>((y / factor) * small.width + x / factor)]);
        }
    }
    return big;
}

namespace {

// Writes an opaque picture as PPM and any other as PAM with alpha; gives the file's name.
std::string writeNetpbm(const TemporaryFolder& folder, const std::string& stem,
                        const Bitmap& bitmap) {
    const bool opaque = std::all_of(bitmap.pixels.begin(), bitmap.pixels.end(),
                                    [](std::uint32_t pixel) { return pixel >> 24 == 0xFF; });
    const std::string name = stem + (opaque ? ".ppm" : ".pam");
    std::ofstream out(folder.path(name), std::ios::binary);
    if (opaque) {
        out << "P6\n" << bitmap.width << " " << bitmap.height << "\n255\n";
    } else {
        out << "P7\nWIDTH " << bitmap.width << "\nHEIGHT " << bitmap.height
            << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    }
    for (std::uint32_t pixel : bitmap.pixels) {
        const char rgba[] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8),
                             static_cast<char>(pixel), static_cast<char>(pixel >> 24)};
        out.write(rgba, opaque ? 3 : 4);
    }
    return name;
}

ByteBuffer runConvert(const TemporaryFolder& folder, const std::string& inputs,
                      const std::string& arguments) {
    // The output name is the last word of the arguments, after an optional "FORMAT:" prefix.
    const std::string last = arguments.substr(arguments.find_last_of(' ') + 1);
    const std::string name = last.substr(last.find(':') + 1);
    const std::string command = "cd '" + folder.path("").string() + "' && /usr/bin/convert " +
                                inputs + " " + arguments + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    return readBytes(folder.path(name));
}

} // namespace

ByteBuffer encodeWithImageMagick(const Bitmap& bitmap, const std::string& arguments) {
    TemporaryFolder folder;
    return runConvert(folder, writeNetpbm(folder, "in", bitmap), arguments);
}

ByteBuffer encodeAnimationWithImageMagick(const std::vector<Bitmap>& frames,
                                          const std::vector<int>& delays,
                                          const std::string& arguments) {
    TemporaryFolder folder;
    std::ostringstream inputs;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        inputs << " -delay " << delays[i] << " "
               << writeNetpbm(folder, "frame" + std::to_string(i), frames[i]);
    }
    return runConvert(folder, inputs.str(), arguments);
}

int largestChannelDifference(const Bitmap& a, const Bitmap& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size()) {
        return 256;
    }
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            const int one = static_cast<int>((a.pixels[i] >> shift) & 0xFF);
            const int other = static_cast<int>((b.pixels[i] >> shift) & 0xFF);
            largest = std::max(largest, std::abs(one - other));
        }
    }
    return largest;
}

void PrintTo(const HostileCase& row, std::ostream* out) {
    *out << row.name;
}

ByteFixture& ByteFixture::u8(std::uint8_t value) {
    bytes_.push_back(value);
    return *this;
}
ByteFixture& ByteFixture::u16(std::uint16_t value) {
    return u8(static_cast<std::uint8_t>(value)).u8(static_cast<std::uint8_t>(value >> 8));
}
ByteFixture& ByteFixture::u32(std::uint32_t value) {
    return u16(static_cast<std::uint16_t>(value)).u16(static_cast<std::uint16_t>(value >> 16));
}
ByteFixture& ByteFixture::bytes(std::initializer_list<std::uint8_t> values) {
    bytes_.insert(bytes_.end(), values);
    return *this;
}
ByteFixture& ByteFixture::bytes(const ByteBuffer& more) {
    bytes_.insert(bytes_.end(), more.bytes().begin(), more.bytes().end());
    return *this;
}
ByteFixture& ByteFixture::zeros(std::size_t count) {
    bytes_.insert(bytes_.end(), count, 0);
    return *this;
}
void ByteFixture::patch32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes_.at(offset + static_cast<std::size_t>(i)) =
            static_cast<std::uint8_t>(value >> (8 * i));
    }
}

ByteBuffer patched(const ByteBuffer& bytes, std::size_t offset, std::uint32_t value, int count) {
    std::vector<std::uint8_t> copy(bytes.bytes().begin(), bytes.bytes().end());
    for (int i = 0; i < count; ++i) {
        copy.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return ByteBuffer(copy);
}

ByteBuffer truncated(const ByteBuffer& bytes, std::size_t length) {
    return ByteBuffer(bytes.bytes().first(std::min<std::size_t>(length, bytes.bytes().size())));
}

} // namespace zanvik::testing

namespace zanvik {
void PrintTo(const Bitmap& bitmap, std::ostream* out) {
    *out << bitmap.width << "x" << bitmap.height << " {" << std::hex;
    const std::size_t shown = std::min<std::size_t>(bitmap.pixels.size(), 64);
    for (std::size_t i = 0; i < shown; ++i) {
        *out << (i == 0 ? "" : " ") << bitmap.pixels[i];
    }
    *out << (shown < bitmap.pixels.size() ? " ...}" : "}") << std::dec;
}
} // namespace zanvik
