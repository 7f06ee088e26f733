#include "tests/link/linkconnection.h"

namespace zanvik::testing {

LoopbackPeer connectAndAccept(ImageServerLink& link, LoopbackListener& server) {
    using namespace std::chrono_literals;
    if (!link.connectTo(Text("127.0.0.1"), server.port())) {
        return {};
    }
    return server.accept(2s);
}

} // namespace zanvik::testing
