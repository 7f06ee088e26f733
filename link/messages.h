#pragma once

// The messages the client sends, as the bytes that go on the wire: the tag's bytes, then the
// payload's bytes where there is one. No length prefix, separator, line ending or terminating
// zero byte is ever added. Titles are sent exactly as given (GBK bytes, never converted).

#include "foundation/values/bytebuffer.h"
#include "foundation/values/text.h"

#include <string_view>

namespace zanvik::protocol {

// A tag followed directly by a payload (the empty payload adds nothing).
ByteBuffer messageWith(std::string_view tag, const Text& payload = Text());

ByteBuffer titleListRequest();                    // "[reqimgtitle]"
ByteBuffer pictureRequest(const Text& title);     // "[reqimgdata]" + title
ByteBuffer nextPartRequest();                     // "[nextimgdata]"
ByteBuffer uploadTitleMessage(const Text& title); // "[title]" + title
ByteBuffer uploadStartMessage();                  // "[img]"
ByteBuffer endOfUploadMessage();                  // "[/img]"

} // namespace zanvik::protocol
