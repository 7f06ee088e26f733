// What cutting the upload buffer costs: each chunk of an upload is cut off the front of
// uploadBuffer (bytesLeft, then bytesRight of the rest). Copying the rest every time would copy
// about n² / 4000 bytes for a picture of n bytes; the upload gives the old buffer up, so the cut
// drops the front in place. Measured against copying the same chunks out of a buffer that stays
// whole (one pass over the picture), and against the copying cut, in the same run.
// Run: build/debug/bench/share/share_upload_bench (a release build gives the honest figures).
#include "foundation/values/operations.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

constexpr std::int32_t chunkSize = 2000;

zanvik::ByteBuffer picture(std::int64_t size) {
    return zanvik::ByteBuffer::fromString(std::string(static_cast<std::size_t>(size), '\x5a'));
}

// Sends a whole picture chunk by chunk, each cut off the front of the buffer; `cut` gives the
// rest of the buffer after one chunk.
template <class Cut>
void uploadByCutting(benchmark::State& state, Cut cut) {
    const zanvik::ByteBuffer whole = picture(state.range(0));
    for (auto _ : state) {
        zanvik::ByteBuffer buffer = whole;
        while (true) {
            const zanvik::ByteBuffer chunk = zanvik::bytesLeft(buffer, chunkSize);
            if (chunk.empty()) {
                break;
            }
            benchmark::DoNotOptimize(chunk.data());
            const std::int32_t rest =
                zanvik::truncateToInt(zanvik::byteLength(buffer) - double{chunkSize});
            buffer = cut(buffer, rest);
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The upload as the window does it: the old buffer is given up, so its front is dropped in place.
void CutOffTheFront(benchmark::State& state) {
    uploadByCutting(state, [](zanvik::ByteBuffer& buffer, std::int32_t rest) {
        return zanvik::bytesRight(std::move(buffer), rest);
    });
}

// The cut that copies what stays every time: quadratic, kept here to show what the in-place cut
// saves.
void CutOffTheFrontByCopying(benchmark::State& state) {
    uploadByCutting(state, [](const zanvik::ByteBuffer& buffer, std::int32_t rest) {
        return zanvik::bytesRight(buffer, rest);
    });
}

// Baseline: the same chunks copied out of the whole picture, an offset moving along.
void CopyChunksFromWhole(benchmark::State& state) {
    const zanvik::ByteBuffer whole = picture(state.range(0));
    for (auto _ : state) {
        zanvik::ByteBuffer buffer = whole;
        for (std::int32_t offset = 0; offset < buffer.length(); offset += chunkSize) {
            const std::int32_t count = std::min(chunkSize, buffer.length() - offset);
            const zanvik::ByteBuffer chunk(buffer.data() + offset, static_cast<std::size_t>(count));
            benchmark::DoNotOptimize(chunk.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(CutOffTheFront)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Arg(8 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CutOffTheFrontByCopying)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Arg(8 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CopyChunksFromWhole)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Arg(8 << 20)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
