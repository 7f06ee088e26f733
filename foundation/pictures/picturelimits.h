#pragma once

#include <cstddef>
#include <cstdint>

// Every limit that the picture decoders apply, in one place. Pictures come from the network and
// from any file the user picks, so each limit bounds what hostile bytes can make us allocate or
// compute.
namespace zanvik {

// Every decoder refuses a picture of more pixels than this (64 megapixels, 256 MB as ARGB32),
// and any picture whose header claims more data than its bytes hold, before allocating for it.
inline constexpr std::int64_t maximumPicturePixels = 64LL * 1000 * 1000;

// An animation keeps every frame composed on the full canvas: its frames together may hold this
// many pixels (512 MB as ARGB32). Frames past the limit are left out; the animation keeps the
// frames before them.
inline constexpr std::int64_t maximumAnimationPixels = 128LL * 1000 * 1000;

// No animation keeps more frames than this, however small they are.
inline constexpr std::int32_t maximumAnimationFrames = 10000;

// Deflate cannot expand a byte into more than 1032 bytes; a PNG whose rows need more than this
// many times its own size cannot hold them and is refused before its pixels are allocated.
inline constexpr std::int64_t maximumDeflateRatio = 1032;

// A PCX run byte repeats its value at most 63 times: the same kind of bound for PCX.
inline constexpr std::int64_t maximumPcxRunLength = 63;

// A progressive JPEG may split its data into many scans, each pass costing a full decode of the
// coefficients; more scans than this is an attack, not a picture (libjpeg-turbo's own advice).
inline constexpr int maximumJpegScans = 500;

// libjpeg's own working memory for one picture: a progressive picture keeps all its coefficients,
// 2 bytes a sample, up to 4 samples a pixel. Enough for maximumPicturePixels; a picture asking
// for more fails inside libjpeg instead of allocating.
inline constexpr long jpegDecoderMemory = 640L << 20;

// JPEG rows are written straight into a buffer allocated whole up to this size; a larger picture
// grows its buffer as rows arrive, so that a small file claiming a large picture fails on its
// missing data before the whole buffer exists.
inline constexpr std::size_t jpegEagerAllocationBytes = std::size_t{32} << 20;

} // namespace zanvik
