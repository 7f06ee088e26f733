#include "foundation/pictures/pictureformat.h"

namespace zanvik {

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> prefix) {
    std::size_t i = 0;
    for (std::uint8_t expected : prefix) {
        if (i >= bytes.size() || bytes[i] != expected) {
            return false;
        }
        ++i;
    }
    return true;
}

bool hasImageCount(std::span<const std::uint8_t> bytes) {
    return bytes[4] != 0 || bytes[5] != 0;
}

} // namespace

PictureFormat sniffPictureFormat(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < minimumPictureBytes) {
        return PictureFormat::unknown;
    }
    if (startsWith(bytes, {'B', 'M'})) {
        return PictureFormat::bmp;
    }
    if (startsWith(bytes, {0xFF, 0xD8})) {
        return PictureFormat::jpeg;
    }
    if (startsWith(bytes, {0x89, 'P', 'N', 'G'})) {
        return PictureFormat::png;
    }
    if (startsWith(bytes, {0x00, 0x00, 0x01, 0x00}) && hasImageCount(bytes)) {
        return PictureFormat::icon;
    }
    if (startsWith(bytes, {0x00, 0x00, 0x02, 0x00}) && hasImageCount(bytes)) {
        return PictureFormat::cursor;
    }
    if (startsWith(bytes, {'G', 'I', 'F', '8'}) && (bytes[4] == '7' || bytes[4] == '9') &&
        bytes[5] == 'a') {
        return PictureFormat::gif;
    }
    if (bytes[0] == 0x0A && bytes[1] <= 5 && bytes[2] == 0x01 && bytes[3] == 0x08) {
        return PictureFormat::pcx8;
    }
    if (startsWith(bytes, {0x0A, 0x03, 0x01, 0x01})) {
        return PictureFormat::pcx1;
    }
    return PictureFormat::unknown;
}

} // namespace zanvik
