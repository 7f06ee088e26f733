#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/dibheader.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zanvik {

// A colour index past the end of the colour table is drawn in this colour.
inline constexpr std::uint32_t missingPaletteColour = 0xFF000000;

// Decodes the pixels of a device-independent bitmap whose header is `header`, from `pixels`
// (which starts at the first pixel byte and may run past the last one). Uncompressed pixels give
// nothing when `pixels` holds fewer than rowStride() × height bytes. RLE pixels that land outside
// the picture (runs into a row's padding, jumps past the edge) are dropped, as the system's own
// decoder does; RLE gives nothing when the data ends inside a code, or before the end-of-picture
// code when the rows are not all there yet.
std::optional<Bitmap> decodeDibPixels(const DibHeader& header,
                                      std::span<const std::uint8_t> pixels);

// The RLE4 and RLE8 part of decodeDibPixels.
std::optional<Bitmap> decodeDibRle(const DibHeader& header, std::span<const std::uint8_t> pixels);

} // namespace zanvik
