#include "testpictures.h"

#include <stdexcept>
#include <turbojpeg.h>
#include <vector>

namespace zanvik::server::testing {

std::string makeJpeg(int width, int height, int quality) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
    unsigned state = 12345;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        state = state * 1103515245 + 12345;
        pixels[i] =
            static_cast<unsigned char>((i / 3 % static_cast<std::size_t>(width)) ^ (state >> 24));
    }
    tjhandle encoder = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int result = tjCompress2(encoder, pixels.data(), width, 0, height, TJPF_RGB, &jpeg, &size,
                                   TJSAMP_420, quality, 0);
    std::string bytes = result == 0 ? std::string(reinterpret_cast<char*>(jpeg), size) : "";
    tjFree(jpeg);
    tjDestroy(encoder);
    return bytes;
}

std::string paddedSmallJpeg(std::size_t size, char filler) {
    std::string bytes = makeJpeg(16, 16, 50);
    bytes.resize(size, filler);
    return bytes;
}

std::string jpegOfSize(std::size_t size, const std::string& filler) {
    int start = 8;
    while (start < 1024 && static_cast<std::size_t>(start) * start * 2 < size) {
        start *= 2;
    }
    for (int side = start; side >= 8; side /= 2) {
        std::string bytes = makeJpeg(side, side, side > 16 ? 85 : 30);
        if (!bytes.empty() && bytes.size() <= size) {
            for (std::size_t i = bytes.size(); i < size; ++i) {
                bytes += filler[i % filler.size()];
            }
            return bytes;
        }
    }
    throw std::runtime_error("no JPEG small enough for " + std::to_string(size) + " bytes");
}

} // namespace zanvik::server::testing
