// Feeds arbitrary reads to one connection's protocol state machine over an in-memory store.
// Input: a sequence of reads, each a length byte (0: the rest of the input) and that many bytes.
#include "link/protocolconstants.h"
#include "server/memorycatalog.h"
#include "server/session.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace {

using namespace zanvik::server;

// One stored picture whose bytes hold the client's tags, so that downloads reach the cutting.
void storeTrickyPicture(MemoryCatalog& catalog) {
    const std::string bytes =
        "\xff\xd8\xff[/nextimgdata]ab[reqimgtitle]cd" + std::string(70000, 'p');
    catalog.store("pic",
                  std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryCatalog catalog;
    storeTrickyPicture(catalog);
    Limits limits;
    limits.maxPictureBytes = 20000;
    limits.maxPicturePixels = 4096;
    Session session(catalog, limits);
    std::span<const std::uint8_t> input(data, size);
    while (!input.empty()) {
        const std::size_t length =
            input[0] == 0 ? input.size() - 1 : std::min<std::size_t>(input[0], input.size() - 1);
        const auto out = session.consume(input.subspan(1, length));
        for (const auto& reply : out.replies) {
            // Every reply is one of the server's messages or a part of 1 to 32 KiB.
            if (reply.bytes().empty() ||
                reply.bytes().size() > downloadPartBytes + maxTitleListBytes) {
                __builtin_trap();
            }
        }
        if (out.refusal) {
            break; // the connection would be closed here
        }
        input = input.subspan(1 + length);
    }
    return 0;
}
