#pragma once

#include <QString>
#include <string_view>

namespace zanvik {

// A definition's stored text (UTF-8) as Qt's string.
inline QString qstringFromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace zanvik
