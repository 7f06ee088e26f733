#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/pictures/picturesize.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zanvik {

// Decodes a GIF through giflib, walking its records one by one. Each frame is drawn onto a canvas
// of the logical screen's size that starts fully transparent (0x00000000): its transparent colour
// leaves the canvas as it was, a colour index past its colour table likewise, and the parts of a
// frame outside the screen are cut off. Frames are disposed of as their control block says (keep,
// clear to transparent, restore the canvas as it was before).
//
// Gives nothing for a screen or frame of no pixels or beyond maximumPicturePixels, a frame
// without a colour table, or data that ends before the first frame is whole. A frame's pixels
// are read before the canvas is allocated, so a small file claiming a large picture fails first.

// The first frame as a still picture.
std::optional<Bitmap> decodeGif(std::span<const std::uint8_t> bytes);

// Every frame with its delay (the stored hundredths of a second × 10) and how many times the
// animation plays: the NETSCAPE2.0 block's repeat count plus one, 0 (for ever) when that count is
// 0, and 1 when the block is absent. Data that ends or
// breaks after a whole frame ends the animation there; frames past maximumAnimationFrames or
// maximumAnimationPixels are left out.
std::optional<Animation> decodeGifAnimation(std::span<const std::uint8_t> bytes);

// The logical screen's width and height: the size of every frame that decodeGif gives.
std::optional<PictureSize> gifSize(std::span<const std::uint8_t> bytes);

} // namespace zanvik
