// Reads arbitrary bytes as an arrival from the image server. Checks that nothing crashes and
// that the title list is exactly the arrival's text after the list tag, cut at commas: joining
// the titles with "," gives that text back, less at most one trailing comma.

#include "foundation/values/operations.h"
#include "link/arrivals.h"
#include "link/protocolconstants.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zanvik;
    const ByteBuffer arrival(data, size);
    for (const std::string_view tag : {protocol::titleListTag, protocol::endOfPictureTag,
                                       protocol::titleAcceptedTag, protocol::nextChunkTag}) {
        const bool found = protocol::hasTag(arrival, tag);
        // A tag can only be found where its bytes stand before the first zero byte.
        if (found && textFromBytes(arrival).bytes().find(tag) == std::string_view::npos) {
            std::abort();
        }
    }

    const Text text = textFromBytes(arrival);
    const std::string_view rest =
        text.bytes().substr(std::min(text.bytes().size(), protocol::titleListTag.size()));
    std::string joined;
    bool first = true;
    for (const Text& title : protocol::titleListFrom(arrival)) {
        joined += first ? "" : ",";
        joined += title.bytes();
        first = false;
    }
    if (joined != rest && joined + "," != rest) {
        std::abort();
    }
    return 0;
}
