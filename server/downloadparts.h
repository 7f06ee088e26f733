#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zanvik::server {

// Length of the next download part to send from the front of `rest` (the bytes of the picture
// not yet sent): at most maxPartBytes, at least 1 when rest is not empty, 0 when it is.
//
// The client reads an arrival as text up to its first zero byte and takes it as the end of the
// picture, or as a title list, when that text holds "[/nextimgdata]" or "[reqimgtitle]". So a
// part whose text would hold one of them is cut just after the tag's first byte; the next part
// then starts inside the tag. Every part therefore reaches the client as picture bytes.
std::size_t nextPartLength(std::span<const std::uint8_t> rest, std::size_t maxPartBytes);

} // namespace zanvik::server
