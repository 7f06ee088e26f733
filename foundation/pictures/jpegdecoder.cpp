#include "foundation/pictures/jpegdecoder.h"

// clang-format off
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on
#include "foundation/pictures/picturelimits.h"

#include <algorithm>
#include <vector>

namespace zanvik {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void failDecoding(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings are silent, except that data ending early (the file, or a scan at a marker) fails the
// picture: libjpeg would fill the rest with grey and call it a success.
void onMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) {
        failDecoding(info);
    }
}

void outputNothing(j_common_ptr) {}

void limitScans(j_common_ptr info) {
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > maximumJpegScans) {
        failDecoding(info);
    }
}

std::uint32_t cmykToArgb(const std::uint8_t* cmyk, bool inverted) {
    std::uint32_t c = cmyk[0];
    std::uint32_t m = cmyk[1];
    std::uint32_t y = cmyk[2];
    std::uint32_t k = cmyk[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    const auto channel = [k](std::uint32_t value) { return (value * k + 127) / 255; };
    return 0xFF000000u | channel(c) << 16 | channel(m) << 8 | channel(y);
}

// Owns one libjpeg decompressor. decode() holds the only setjmp; nothing with a destructor lives
// in the frames that libjpeg's errors jump over.
class JpegDecompressor final {
public:
    JpegDecompressor() {
        info_.err = jpeg_std_error(&errors_.base);
        errors_.base.error_exit = failDecoding;
        errors_.base.emit_message = onMessage;
        errors_.base.output_message = outputNothing;
        progress_.progress_monitor = limitScans;
    }
    ~JpegDecompressor() {
        if (created_) {
            jpeg_destroy_decompress(&info_);
        }
    }
    JpegDecompressor(const JpegDecompressor&) = delete;
    JpegDecompressor& operator=(const JpegDecompressor&) = delete;

    // Reads the header, then the pixels into `bitmap` unless it is null; `size` is set from a
    // header that passes the limits.
    bool decode(std::span<const std::uint8_t> bytes, Bitmap* bitmap, PictureSize& size);

private:
    void growFor(Bitmap& bitmap, std::size_t rows) const;

    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
    jpeg_progress_mgr progress_{};
    std::vector<std::uint8_t> cmykRow_;
    bool created_ = false;
};

// Makes room for `rows` rows. A large picture grows its buffer geometrically as rows arrive.
void JpegDecompressor::growFor(Bitmap& bitmap, std::size_t rows) const {
    const std::size_t width = static_cast<std::size_t>(bitmap.width);
    const std::size_t needed = rows * width;
    if (bitmap.pixels.size() >= needed) {
        return;
    }
    const std::size_t all = width * static_cast<std::size_t>(bitmap.height);
    bitmap.pixels.resize(std::min(all, std::max(needed, bitmap.pixels.size() * 2)));
}

bool JpegDecompressor::decode(std::span<const std::uint8_t> bytes, Bitmap* target,
                              PictureSize& size) {
    if (setjmp(errors_.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info_);
    created_ = true;
    info_.progress = &progress_;
    info_.mem->max_memory_to_use = jpegDecoderMemory;
    jpeg_mem_src(&info_, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info_, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    const std::int64_t pixels = std::int64_t{info_.image_width} * info_.image_height;
    if (pixels == 0 || pixels > maximumPicturePixels) {
        return false;
    }
    size = {static_cast<std::int32_t>(info_.image_width),
            static_cast<std::int32_t>(info_.image_height)};
    if (target == nullptr) {
        return true;
    }
    Bitmap& bitmap = *target;
    const bool cmyk = info_.jpeg_color_space == JCS_CMYK || info_.jpeg_color_space == JCS_YCCK;
    info_.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&info_);
    bitmap.width = static_cast<std::int32_t>(info_.output_width);
    bitmap.height = static_cast<std::int32_t>(info_.output_height);
    const std::size_t width = info_.output_width;
    if (width * 4 * info_.output_height <= jpegEagerAllocationBytes) {
        bitmap.pixels.resize(width * info_.output_height);
    }
    if (cmyk) {
        cmykRow_.resize(width * 4);
    }
    const bool inverted = info_.saw_Adobe_marker;
    while (info_.output_scanline < info_.output_height) {
        const std::size_t y = info_.output_scanline;
        growFor(bitmap, y + 1);
        std::uint32_t* out = bitmap.pixels.data() + y * width;
        JSAMPROW row = cmyk ? cmykRow_.data() : reinterpret_cast<JSAMPROW>(out);
        if (jpeg_read_scanlines(&info_, &row, 1) != 1) {
            return false;
        }
        if (cmyk) {
            for (std::size_t x = 0; x < width; ++x) {
                out[x] = cmykToArgb(cmykRow_.data() + 4 * x, inverted);
            }
        }
    }
    return true;
}

} // namespace

std::optional<Bitmap> decodeJpeg(std::span<const std::uint8_t> bytes) {
    Bitmap bitmap;
    PictureSize size;
    JpegDecompressor decompressor;
    if (!decompressor.decode(bytes, &bitmap, size)) {
        return std::nullopt;
    }
    return bitmap;
}

std::optional<PictureSize> jpegSize(std::span<const std::uint8_t> bytes) {
    PictureSize size;
    JpegDecompressor decompressor;
    if (!decompressor.decode(bytes, nullptr, size)) {
        return std::nullopt;
    }
    return size;
}

} // namespace zanvik
