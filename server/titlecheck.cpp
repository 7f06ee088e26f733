#include "server/titlecheck.h"

#include "link/protocolconstants.h"

#include <array>

namespace zanvik::server {
namespace {

bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

std::optional<std::string> singleByteFault(unsigned char byte) {
    if (byte == 0) {
        return "holds a zero byte";
    }
    if (byte < 0x20 || byte == 0x7F) {
        return "holds a control character";
    }
    constexpr std::string_view refused = ",/\\*?\"<>|:";
    if (refused.find(static_cast<char>(byte)) != std::string_view::npos) {
        return std::string("holds the character '") + static_cast<char>(byte) + "'";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> titleFault(std::string_view title, std::size_t maxTitleBytes) {
    if (title.empty()) {
        return "is empty";
    }
    if (title.size() > maxTitleBytes) {
        return "is longer than " + std::to_string(maxTitleBytes) + " bytes";
    }
    for (std::size_t i = 0; i < title.size(); ++i) {
        const auto byte = static_cast<unsigned char>(title[i]);
        if (isLeadByte(byte)) {
            if (i + 1 >= title.size() || !isTrailByte(static_cast<unsigned char>(title[i + 1]))) {
                return "is not valid GBK";
            }
            ++i; // a double-byte character: its trail byte may be any of 0x40-0xFE, "\" included
            continue;
        }
        if (byte == 0xFF) {
            return "is not valid GBK";
        }
        if (auto fault = singleByteFault(byte)) {
            return fault;
        }
        if (byte == '.' && i + 1 < title.size() && title[i + 1] == '.') {
            return "holds \"..\"";
        }
    }
    constexpr std::array tags{
        protocol::titleListTag,    protocol::pictureRequestTag, protocol::nextPartTag,
        protocol::endOfPictureTag, protocol::uploadTitleTag,    protocol::titleAcceptedTag,
        protocol::uploadStartTag,  protocol::nextChunkTag,      protocol::endOfUploadTag};
    for (const auto tag : tags) {
        if (title.find(tag) != std::string_view::npos) {
            return "holds a protocol tag";
        }
    }
    return std::nullopt;
}

} // namespace zanvik::server
