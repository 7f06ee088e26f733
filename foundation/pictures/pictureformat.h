#pragma once

#include <cstdint>
#include <span>

namespace zanvik {

enum class PictureFormat { unknown, bmp, jpeg, png, icon, cursor, gif, pcx8, pcx1 };

// Fewer bytes than this are no picture, whatever they start with.
inline constexpr std::size_t minimumPictureBytes = 6;

// Tells the format of picture bytes by their first bytes only, testing the formats in a fixed
// order: "BM" bitmap, 0xFF 0xD8 JPEG, 0x89 "PNG", icon and cursor (with a non-zero image count),
// "GIF87a"/"GIF89a", 8-bit PCX (version 0 to 5), 1-bit PCX (version 3). Says nothing about
// whether the rest of the bytes decode.
PictureFormat sniffPictureFormat(std::span<const std::uint8_t> bytes);

} // namespace zanvik
