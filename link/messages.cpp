#include "link/messages.h"

#include "foundation/values/operations.h"
#include "link/protocolconstants.h"

namespace zanvik::protocol {

ByteBuffer messageWith(std::string_view tag, const Text& payload) {
    return bytesFromText(concatText(Text(tag), payload));
}

ByteBuffer titleListRequest() {
    return messageWith(titleListTag);
}

ByteBuffer pictureRequest(const Text& title) {
    return messageWith(pictureRequestTag, title);
}

ByteBuffer nextPartRequest() {
    return messageWith(nextPartTag);
}

ByteBuffer uploadTitleMessage(const Text& title) {
    return messageWith(uploadTitleTag, title);
}

ByteBuffer uploadStartMessage() {
    return messageWith(uploadStartTag);
}

ByteBuffer endOfUploadMessage() {
    return messageWith(endOfUploadTag);
}

} // namespace zanvik::protocol
