#pragma once

#include <cstdint>
#include <gif_lib.h>
#include <span>

namespace zanvik {

// Owns a giflib decoder reading from a byte span (which must outlive it). get() is null when
// giflib refused the header.
class GifFile final {
public:
    explicit GifFile(std::span<const std::uint8_t> bytes);
    ~GifFile();
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;

    GifFileType* get() const { return gif_; }

private:
    static int read(GifFileType* gif, GifByteType* out, int count);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    GifFileType* gif_ = nullptr;
};

} // namespace zanvik
