#include "link/arrivals.h"

#include "foundation/values/operations.h"
#include "link/protocolconstants.h"

namespace zanvik::protocol {

bool hasTag(const ByteBuffer& arrival, std::string_view tag) {
    return findText(textFromBytes(arrival), Text(tag)) != -1;
}

TextList titleListFrom(const ByteBuffer& arrival) {
    const Text text = textFromBytes(arrival);
    const auto tagLength = static_cast<std::int32_t>(titleListTag.size());
    return splitText(textRight(text, textLength(text) - tagLength), Text(","));
}

} // namespace zanvik::protocol
