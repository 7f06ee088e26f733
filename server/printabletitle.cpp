#include "server/printabletitle.h"

#include "foundation/values/gbkcodec.h"

namespace zanvik::server {

std::string printableTitle(std::string_view gbk) {
    constexpr std::size_t longest = 200;
    std::string bytes(gbk.substr(0, longest));
    for (auto& byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x20 || value == 0x7F) {
            byte = '?';
        }
    }
    std::string result = utf8FromGbk(Text(bytes));
    if (gbk.size() > longest) {
        result += "...";
    }
    return result;
}

} // namespace zanvik::server
