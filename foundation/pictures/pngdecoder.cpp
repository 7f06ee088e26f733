#include "foundation/pictures/pngdecoder.h"

#include "foundation/pictures/picturelimits.h"
#include "foundation/pictures/whiteblend.h"

#include <algorithm>
#include <cstring>
#include <png.h>
#include <vector>

namespace zanvik {

namespace {

[[noreturn]] void failDecoding(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Chunks that cannot change the pixels we give: libpng skips them unread, text and colour
// profiles (which it would otherwise inflate) included.
constexpr png_byte ignoredChunks[] = {'i', 'C', 'C', 'P', 0, 'i', 'T', 'X', 't', 0,
                                      't', 'E', 'X', 't', 0, 'z', 'T', 'X', 't', 0,
                                      's', 'P', 'L', 'T', 0, 'e', 'X', 'I', 'f', 0};

// Owns one libpng reader over a byte span. decode() holds the only setjmp; nothing with a
// destructor lives in the frames that libpng's errors jump over.
class PngReader final {
public:
    explicit PngReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes),
          png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failDecoding, ignoreWarning)),
          info_(png_ ? png_create_info_struct(png_) : nullptr) {}
    ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    bool decode(Bitmap& bitmap);
    // Whether a pixel may be less than opaque: an alpha channel or a transparency chunk.
    bool mayHaveAlpha() const { return mayHaveAlpha_; }

private:
    static void readBytes(png_structp png, png_bytep out, std::size_t count) {
        auto* self = static_cast<PngReader*>(png_get_io_ptr(png));
        if (count > self->bytes_.size() - self->position_) {
            png_error(png, "data ends early");
        }
        std::memcpy(out, self->bytes_.data() + self->position_, count);
        self->position_ += count;
    }

    void setTransforms(int depth, int colourType);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    png_structp png_;
    png_infop info_;
    std::vector<png_bytep> rows_;
    bool mayHaveAlpha_ = false;
};

// Every colour type comes out as 8-bit B, G, R, A bytes: one ARGB32 pixel each.
void PngReader::setTransforms(int depth, int colourType) {
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png_);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) {
        png_set_expand_gray_1_2_4_to_8(png_);
    }
    if (png_get_valid(png_, info_, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png_);
    }
    if (depth == 16) {
        png_set_scale_16(png_);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png_);
    }
    png_set_bgr(png_);
    png_set_filler(png_, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png_);
}

bool PngReader::decode(Bitmap& bitmap) {
    if (png_ == nullptr || info_ == nullptr) {
        return false;
    }
    if (setjmp(png_jmpbuf(png_)) != 0) {
        return false;
    }
    png_set_read_fn(png_, this, readBytes);
    // Every chunk's CRC already guards the compressed rows; zlib's own checksum over the
    // inflated rows repeats that check at a cost of about 3% of the decoding time.
    png_set_option(png_, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_NEVER, ignoredChunks,
                                sizeof ignoredChunks / 5);
    png_read_info(png_, info_);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    png_get_IHDR(png_, info_, &width, &height, &depth, &colourType, nullptr, nullptr, nullptr);
    const std::int64_t pixels = std::int64_t{width} * height;
    const std::int64_t rawBytes = std::int64_t{height} * (png_get_rowbytes(png_, info_) + 1);
    if (pixels == 0 || pixels > maximumPicturePixels ||
        rawBytes / maximumDeflateRatio > static_cast<std::int64_t>(bytes_.size())) {
        return false;
    }
    mayHaveAlpha_ =
        (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png_, info_, PNG_INFO_tRNS) != 0;
    setTransforms(depth, colourType);
    png_read_update_info(png_, info_);
    if (png_get_rowbytes(png_, info_) != std::size_t{width} * 4) {
        return false;
    }
    bitmap.width = static_cast<std::int32_t>(width);
    bitmap.height = static_cast<std::int32_t>(height);
    bitmap.pixels.resize(static_cast<std::size_t>(pixels));
    rows_.resize(height);
    for (std::size_t y = 0; y < height; ++y) {
        rows_[y] = reinterpret_cast<png_bytep>(bitmap.pixels.data() + y * width);
    }
    png_read_image(png_, rows_.data());
    return true;
}

} // namespace

std::optional<PictureSize> pngSize(std::span<const std::uint8_t> bytes) {
    constexpr std::uint8_t start[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                      0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    if (bytes.size() < sizeof start + 8 ||
        !std::equal(std::begin(start), std::end(start), bytes.begin())) {
        return std::nullopt;
    }
    const auto bigEndian = [&bytes](std::size_t at) {
        return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
               std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
    };
    const std::uint32_t width = bigEndian(16);
    const std::uint32_t height = bigEndian(20);
    // Each side is bounded first: two 32-bit sides multiply past 64 bits.
    if (width == 0 || height == 0 || width > maximumPicturePixels ||
        height > maximumPicturePixels || std::int64_t{width} * height > maximumPicturePixels) {
        return std::nullopt;
    }
    return PictureSize{static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

std::optional<Bitmap> decodePng(std::span<const std::uint8_t> bytes) {
    Bitmap bitmap;
    PngReader reader(bytes);
    if (!reader.decode(bitmap)) {
        return std::nullopt;
    }
    if (reader.mayHaveAlpha()) {
        blendOntoWhite(bitmap.pixels);
    }
    return bitmap;
}

} // namespace zanvik
