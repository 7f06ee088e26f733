#include "foundation/values/bytebuffer.h"

#include "foundation/values/allocation.h"

#include <algorithm>

namespace zanvik {

ByteBuffer::ByteBuffer(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    detail::allocating(size, [&] { bytes_.assign(data, data + size); });
}

ByteBuffer::ByteBuffer(std::span<const std::uint8_t> bytes)
    : ByteBuffer(bytes.data(), bytes.size()) {}

ByteBuffer ByteBuffer::fromString(std::string_view bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

void ByteBuffer::append(std::span<const std::uint8_t> more) {
    if (more.empty()) {
        return;
    }
    compact();
    const std::size_t total = bytes_.size() + more.size();
    detail::allocating(total, [&] {
        if (total > bytes_.capacity()) {
            bytes_.reserve(std::max(total, bytes_.capacity() * 2));
        }
        bytes_.insert(bytes_.end(), more.begin(), more.end());
    });
}

void ByteBuffer::reserve(std::size_t capacity) {
    compact();
    detail::allocating(capacity, [&] { bytes_.reserve(capacity); });
}

void ByteBuffer::dropFront(std::size_t count) {
    start_ += std::min(count, bytes_.size() - start_);
    if (start_ == bytes_.size()) {
        // Nothing is left: give the storage back, as a fresh empty buffer holds none.
        std::vector<std::uint8_t>().swap(bytes_);
        start_ = 0;
    }
}

void ByteBuffer::compact() {
    if (start_ != 0) {
        bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(start_));
        start_ = 0;
    }
}

} // namespace zanvik
