#pragma once

// Reading one arrival from the image server. The protocol has no framing: each arrival is taken
// as one server message. Both functions accept any bytes (zero bytes, broken GBK, any length)
// and never fail; they only look at the arrival's text, the bytes before its first zero byte.

#include "foundation/values/bytebuffer.h"
#include "foundation/values/textlist.h"

#include <string_view>

namespace zanvik::protocol {

// True when the tag occurs anywhere in the arrival's text, matched case-sensitively on a
// character boundary (a tag right after a lone byte of 0x80 or above is taken as the second
// half of a two-byte character and is not found). Bytes after the first zero byte are never
// searched.
bool hasTag(const ByteBuffer& arrival, std::string_view tag);

// The titles of a title-list answer: the arrival's text without its first 13 bytes (the length
// of the title-list tag, dropped whatever they hold: the tag is expected at the very start),
// split at ",". Two commas in a row give an empty title, a trailing comma adds none, and a text
// of 13 bytes or fewer gives the empty list.
TextList titleListFrom(const ByteBuffer& arrival);

} // namespace zanvik::protocol
