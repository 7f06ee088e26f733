#include "foundation/values/operations.h"
#include "foundation/values/outofmemory.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <vector>

// This test program's allocator refuses any single allocation of 64 MiB or more, so that a real
// allocation inside the value code fails as it would when memory runs out.
namespace {
constexpr std::size_t refusedSize = std::size_t{64} << 20;
}

void* operator new(std::size_t size) {
    if (size >= refusedSize) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return ::operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace zanvik {
namespace {

// A buffer longer than a 32-bit length can count is refused like a failed allocation: the
// program names the size it asked for and ends with exit code -1.
TEST(OutOfMemoryDeathTest, BeyondThirtyTwoBitsNamesTheSizeAndExitsWithMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ByteBuffer b;
            b.reserve(std::size_t{1} << 31);
        },
        testing::ExitedWithCode(255), "2147483648 bytes");
}

TEST(OutOfMemoryDeathTest, AFailedAllocationGoesToTheReporter) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setOutOfMemoryReporter(
                [](std::size_t asked) { std::fprintf(stderr, "reporter saw %zu bytes\n", asked); });
            const std::vector<std::uint8_t> part(1000, 7);
            ByteBuffer assembled(part.data(), part.size());
            assembled.reserve(100'000'000);
        },
        testing::ExitedWithCode(255), "reporter saw 100000000 bytes");
}

} // namespace
} // namespace zanvik
