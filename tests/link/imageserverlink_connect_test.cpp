#include "link/connecttoserver.h"
#include "link/imageserverlink.h"
#include "link/protocolconstants.h"
#include "link/serveraddress.h"
#include "tests/link/eventpump.h"
#include "tests/link/linkconnection.h"
#include "tests/link/loopbacklistener.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace zanvik {
namespace {

using namespace std::chrono_literals;
using testing::connectAndAccept;
using testing::LoopbackListener;
using testing::LoopbackPeer;
using testing::pumpFor;

// Counts the events a link raises.
struct EventCounts {
    int arrivals = 0;
    int disconnects = 0;
};

void countEvents(ImageServerLink& link, EventCounts& counts) {
    link.setDataArrivalHandler([&counts] { ++counts.arrivals; });
    link.setDisconnectedHandler([&counts] { ++counts.disconnects; });
}

TEST(ImageServerLinkConnect, ConnectsByAddressOrLocalName) {
    for (const char* address : {"127.0.0.1", "localhost"}) {
        LoopbackListener server;
        ImageServerLink link;
        ASSERT_TRUE(link.connectTo(Text(address), server.port())) << address;
        EXPECT_TRUE(link.connected());
        LoopbackPeer peer = server.accept(2s);
        ASSERT_TRUE(peer.valid()) << address;
        EXPECT_TRUE(link.sendBytes(ByteBuffer::fromString("hi")));
        EXPECT_EQ(peer.receive(2, 2s), "hi");
    }
}

struct UnusableTarget {
    const char* name;
    std::string address;
    int port;
};

TEST(ImageServerLinkConnect, UnusableAddressOrPortFailsWithoutTouchingTheNetwork) {
    LoopbackListener server;
    const UnusableTarget cases[] = {
        {"empty address", "", server.port()},
        {"space in name", "bad host", server.port()},
        {"GBK name", "\xB7\xFE\xCE\xF1\xC6\xF7", server.port()},
        {"slash in name", "a/b", server.port()},
        {"IPv6 literal", "::1", server.port()},
        {"too long a name", std::string(300, 'a'), server.port()},
        {"port 0", "127.0.0.1", 0},
        {"negative port", "127.0.0.1", -1},
        {"port above 65535", "127.0.0.1", 65536 + server.port()},
    };
    for (const UnusableTarget& c : cases) {
        ImageServerLink link;
        EXPECT_FALSE(link.connectTo(Text(c.address), c.port)) << c.name;
        EXPECT_FALSE(link.connected()) << c.name;
        EXPECT_FALSE(link.sendBytes(ByteBuffer::fromString("x"))) << c.name;
    }
    // A port above 65535 must not wrap around onto the listener's port.
    EXPECT_FALSE(server.accept(100ms).valid());
}

TEST(ImageServerLinkConnect, RefusedConnectionFailsWithoutWaitingForTheTimeout) {
    ImageServerLink link(link::LinkTimeouts{.connect = 20s});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link.connectTo(Text("127.0.0.1"), LoopbackListener::unusedPort()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    EXPECT_FALSE(link.connected());
    EXPECT_FALSE(link.sendBytes(ByteBuffer::fromString("x")));
}

TEST(ImageServerLinkConnect, UnansweredHandshakeGivesUpAfterTheTimeout) {
    // The listener's queue holds one connection that is never accepted; after that the system
    // ignores further handshakes, as an unreachable server would.
    LoopbackListener full(0);
    LoopbackPeer filler = LoopbackPeer::connectTo(full.port());
    ASSERT_TRUE(filler.valid());

    const auto timeout = 300ms;
    ImageServerLink link(link::LinkTimeouts{.connect = timeout});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link.connectTo(Text("127.0.0.1"), full.port()));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, timeout - 20ms); // it did wait for the handshake...
    EXPECT_LT(waited, timeout + 10s);  // ...and gave up instead of waiting for the system
    EXPECT_FALSE(link.connected());
    EXPECT_FALSE(link.sendBytes(ByteBuffer::fromString("x")));
}

TEST(ImageServerLinkConnect, ThreadWithoutAnEventLoopCannotConnect) {
    // Its notices could never be handled there, so the link would wait for answers for good.
    LoopbackListener server;
    bool connected = true;
    std::thread plain([&] {
        ImageServerLink link;
        connected = link.connectTo(Text("127.0.0.1"), server.port());
    });
    plain.join();
    EXPECT_FALSE(connected);
    EXPECT_FALSE(server.accept(100ms).valid());
}

TEST(ImageServerLinkConnect, ReconnectingClosesTheOldConnectionSilently) {
    LoopbackListener first;
    LoopbackListener second;
    ImageServerLink link;
    EventCounts counts;
    countEvents(link, counts);
    LoopbackPeer oldPeer = connectAndAccept(link, first);
    ASSERT_TRUE(oldPeer.valid());
    ASSERT_TRUE(oldPeer.send("unread")); // bytes the old connection never delivers

    ASSERT_TRUE(link.connectTo(Text("127.0.0.1"), second.port()));
    EXPECT_TRUE(oldPeer.seesClose(2s));
    LoopbackPeer newPeer = second.accept(2s);
    ASSERT_TRUE(newPeer.valid());
    EXPECT_FALSE(first.accept(50ms).valid()) << "never two sockets";

    EXPECT_TRUE(link.sendBytes(ByteBuffer::fromString("[img]")));
    EXPECT_EQ(newPeer.receive(5, 2s), "[img]");
    pumpFor(100ms);
    EXPECT_EQ(counts.arrivals, 0);
    EXPECT_EQ(counts.disconnects, 0);
}

TEST(ImageServerLinkConnect, FailedReconnectLeavesNoConnection) {
    LoopbackListener server;
    ImageServerLink link;
    EventCounts counts;
    countEvents(link, counts);
    LoopbackPeer peer = connectAndAccept(link, server);
    ASSERT_TRUE(peer.valid());

    EXPECT_FALSE(link.connectTo(Text("127.0.0.1"), LoopbackListener::unusedPort()));
    EXPECT_TRUE(peer.seesClose(2s));
    EXPECT_FALSE(link.connected());
    EXPECT_FALSE(link.sendBytes(ByteBuffer::fromString("x")));
    pumpFor(100ms);
    EXPECT_EQ(counts.disconnects, 0);
}

TEST(ImageServerLinkConnect, DestroyingTheLinkEndsTheConnectionWithoutEvents) {
    LoopbackListener server;
    EventCounts counts;
    LoopbackPeer peer;
    {
        ImageServerLink link;
        countEvents(link, counts);
        peer = connectAndAccept(link, server);
        ASSERT_TRUE(peer.valid());
        ASSERT_TRUE(peer.send("pending")); // readable, but not yet handled
    }
    EXPECT_TRUE(peer.seesClose(2s));
    pumpFor(100ms);
    EXPECT_EQ(counts.arrivals, 0);
    EXPECT_EQ(counts.disconnects, 0);
}

TEST(ImageServerLinkConnect, ConnectToServerUsesTheBuildAddressAndPort) {
    const std::string_view address = protocol::SERVER_ADDRESS;
    if (address != "127.0.0.1" && address != "localhost") {
        GTEST_SKIP() << "tests connect to loopback only; this build's server is elsewhere";
    }
    LoopbackListener server(16, protocol::SERVER_PORT);
    if (server.port() == 0) {
        GTEST_SKIP() << "the server port is taken on this machine";
    }
    ImageServerLink link;
    EXPECT_TRUE(protocol::connectToServer(link));
    EXPECT_TRUE(server.accept(2s).valid());
}

} // namespace
} // namespace zanvik
