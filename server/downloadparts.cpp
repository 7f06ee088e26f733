#include "server/downloadparts.h"

#include "link/protocolconstants.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zanvik::server {

std::size_t nextPartLength(std::span<const std::uint8_t> rest, std::size_t maxPartBytes) {
    const std::size_t length = std::min(rest.size(), maxPartBytes);
    const auto part = rest.first(length);
    const auto zero = std::find(part.begin(), part.end(), std::uint8_t{0});
    const std::string_view text(reinterpret_cast<const char*>(part.data()),
                                static_cast<std::size_t>(zero - part.begin()));
    std::size_t cut = length;
    for (const auto tag : std::array{protocol::endOfPictureTag, protocol::titleListTag}) {
        const auto at = text.find(tag);
        if (at != std::string_view::npos) {
            cut = std::min(cut, at + 1);
        }
    }
    return cut;
}

} // namespace zanvik::server
