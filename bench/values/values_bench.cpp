// The value operations on the gallery's hot paths: splitting a large title list, and assembling
// a download part by part the way the gallery does (buffer = concatBytes(buffer, part)).
#include "foundation/values/operations.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <string>
#include <vector>

namespace zanvik {
namespace {

Text largeTitleList() {
    // 10,000 GBK titles of about 30 bytes each (~300 KB), comma-separated.
    std::string list = "[reqimgtitle]";
    const std::string title = "\xB6\xB7\xCD\xBC\xC4\xA3\xCA\xBD\xC6\xF4\xB6\xAF"
                              "duang\xB5\xC4\xD2\xBB\xCF\xC2";
    for (int i = 0; i < 10000; ++i) {
        list += title + std::to_string(i) + ",";
    }
    return Text(list);
}

void BM_SplitTextTenThousandTitles(benchmark::State& state) {
    const Text list = largeTitleList();
    for (auto _ : state) {
        TextList fields = splitText(list, ",");
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(state.iterations() * list.length());
}
BENCHMARK(BM_SplitTextTenThousandTitles)->Unit(benchmark::kMillisecond);

constexpr std::size_t downloadSize = 10 * 1024 * 1024;
constexpr std::size_t partSize = 1024;

// Run at 1 MiB and 10 MiB: time per byte must stay flat (linear assembly, not quadratic).
void BM_AssembleFromOneKiBParts(benchmark::State& state) {
    const auto total = static_cast<std::size_t>(state.range(0));
    const std::vector<std::uint8_t> partBytes(partSize, 0x5A);
    const ByteBuffer part(partBytes.data(), partBytes.size());
    for (auto _ : state) {
        ByteBuffer downloadBuffer;
        for (std::size_t received = 0; received < total; received += partSize) {
            downloadBuffer = concatBytes(std::move(downloadBuffer), part);
        }
        benchmark::DoNotOptimize(downloadBuffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
}
BENCHMARK(BM_AssembleFromOneKiBParts)
    ->Arg(1024 * 1024)
    ->Arg(downloadSize)
    ->Unit(benchmark::kMillisecond);

// The baseline: one memcpy of the same 10 MiB into a fresh buffer.
void BM_BaselineOneMemcpyOfTenMiB(benchmark::State& state) {
    const std::vector<std::uint8_t> source(downloadSize, 0x5A);
    for (auto _ : state) {
        std::vector<std::uint8_t> target(downloadSize);
        std::memcpy(target.data(), source.data(), downloadSize);
        benchmark::DoNotOptimize(target.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * downloadSize));
}
BENCHMARK(BM_BaselineOneMemcpyOfTenMiB)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zanvik

BENCHMARK_MAIN();
