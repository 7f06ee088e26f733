#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zanvik::server {

// Checks a title received from the network (GBK bytes) before it is stored, retired or used as
// a file name. Gives nothing for a good title, or the reason it is refused:
// empty; longer than maxTitleBytes; not well-formed GBK (a lead byte 0x81-0xFE must be followed
// by a trail byte 0x40-0xFE other than 0x7F); holds a zero byte, a control character, ",",
// "/", "\", "..", one of * ? " < > | : (patterns and names no file system takes), or a protocol
// tag (it would change how the title list is read). Characters are checked, not bytes: a "\"
// byte that is the second half of a GBK character is part of that character.
std::optional<std::string> titleFault(std::string_view title, std::size_t maxTitleBytes);

} // namespace zanvik::server
