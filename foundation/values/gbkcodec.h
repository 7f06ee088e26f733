#pragma once

#include "foundation/values/text.h"

#include <string>
#include <string_view>

namespace zanvik {

// Code page 936 (GBK) to and from UTF-8: the one place where the program's Text meets the
// Unicode of the toolkit and of the file system.
//
// Decoding never fails: bytes that are not valid GBK (a lone lead byte, an unassigned pair)
// each become U+FFFD and decoding goes on after them. Encoding never fails either: a
// character that GBK cannot hold, and bytes that are not valid UTF-8, become "?".
std::string utf8FromGbk(const Text& gbk);
Text gbkFromUtf8(std::string_view utf8);

} // namespace zanvik
