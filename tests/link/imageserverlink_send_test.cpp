#include "link/imageserverlink.h"
#include "link/messages.h"
#include "tests/link/linkconnection.h"
#include "tests/link/loopbacklistener.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace zanvik {
namespace {

using namespace std::chrono_literals;
using testing::connectAndAccept;
using testing::LoopbackListener;
using testing::LoopbackPeer;

// A link connected to a scripted peer on loopback.
struct Connected {
    explicit Connected(link::LinkTimeouts timeouts = {})
        : link(timeouts), peer(connectAndAccept(link, server)) {}
    LoopbackListener server;
    ImageServerLink link;
    LoopbackPeer peer;
};

struct WireCase {
    const char* name;
    ByteBuffer message;
    std::size_t length;
};

TEST(ImageServerLinkSend, PutsExactlyTheGivenBytesOnTheWire) {
    using namespace std::string_literals;
    std::string chunk(2000, '\0');
    for (std::size_t i = 0; i < chunk.size(); ++i) {
        chunk[i] = static_cast<char>(i * 7);
    }
    const WireCase cases[] = {
        {"title list request", protocol::titleListRequest(), 13},
        {"picture request, 4-byte title", protocol::pictureRequest(Text("abcd")), 16},
        {"bytes with zeros", ByteBuffer::fromString("\0a\0\0b\0"s), 6},
        {"a full chunk", ByteBuffer::fromString(chunk), 2000},
    };
    Connected c;
    ASSERT_TRUE(c.peer.valid());
    for (const WireCase& w : cases) {
        ASSERT_EQ(static_cast<std::size_t>(w.message.length()), w.length) << w.name;
        EXPECT_TRUE(c.link.sendBytes(w.message)) << w.name;
        // Exactly these bytes arrive and nothing after them.
        EXPECT_EQ(c.peer.receiveUntilQuiet(100ms), w.message.asStringView()) << w.name;
    }
}

TEST(ImageServerLinkSend, EmptyBufferSucceedsAndSendsNothing) {
    Connected c;
    ASSERT_TRUE(c.peer.valid());
    EXPECT_TRUE(c.link.sendBytes(ByteBuffer()));
    EXPECT_EQ(c.peer.receiveUntilQuiet(100ms), "");
}

TEST(ImageServerLinkSend, FailsBeforeAnyConnection) {
    ImageServerLink link;
    EXPECT_FALSE(link.sendBytes(ByteBuffer::fromString("[img]")));
    EXPECT_FALSE(link.sendBytes(ByteBuffer()));
    EXPECT_FALSE(link.sender().sendBytes(ByteBuffer::fromString("[img]")));
}

// Two threads send at once, one through the link and one through a sender handle, messages
// large enough that the socket takes each in several pieces. Every message must arrive whole,
// never with another message's bytes inside it.
TEST(ImageServerLinkSend, ConcurrentSendsNeverInterleave) {
    constexpr std::size_t messageSize = 1 << 20;
    constexpr int messagesPerThread = 8;
    Connected c;
    ASSERT_TRUE(c.peer.valid());

    std::string received;
    std::thread reader(
        [&] { received = c.peer.receive(messageSize * messagesPerThread * 2, 30s); });
    const auto sendAll = [&](auto&& sender, int threadNumber, int& successes) {
        for (int i = 0; i < messagesPerThread; ++i) {
            const char fill = static_cast<char>(threadNumber * 64 + i);
            successes += sender.sendBytes(ByteBuffer::fromString(std::string(messageSize, fill)));
        }
    };
    int workerSuccesses = 0;
    int uiSuccesses = 0;
    std::thread worker([&, sender = c.link.sender()] { sendAll(sender, 1, workerSuccesses); });
    sendAll(c.link, 2, uiSuccesses);
    worker.join();
    reader.join();

    EXPECT_EQ(workerSuccesses, messagesPerThread);
    EXPECT_EQ(uiSuccesses, messagesPerThread);
    ASSERT_EQ(received.size(), messageSize * messagesPerThread * 2);
    std::set<char> seen;
    for (std::size_t start = 0; start < received.size(); start += messageSize) {
        const char fill = received[start];
        const std::string_view message = std::string_view(received).substr(start, messageSize);
        EXPECT_EQ(message.find_first_not_of(fill), std::string_view::npos)
            << "message at byte " << start << " is mixed";
        EXPECT_TRUE(seen.insert(fill).second) << "message sent twice";
    }
}

TEST(ImageServerLinkSend, StalledPeerMakesTheSendFailAfterTheTimeout) {
    Connected c(link::LinkTimeouts{.send = 300ms});
    ASSERT_TRUE(c.peer.valid());
    // The peer reads nothing: more than the socket buffers hold cannot leave.
    const ByteBuffer tooMuch = ByteBuffer::fromString(std::string(64 * 1024 * 1024, 'x'));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(c.link.sendBytes(tooMuch));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(ImageServerLinkSend, DestroyingTheLinkReleasesABlockedSenderAndLaterSendsFail) {
    LoopbackListener server;
    auto link = std::make_unique<ImageServerLink>(link::LinkTimeouts{.send = 60s});
    LoopbackPeer peer = connectAndAccept(*link, server);
    ASSERT_TRUE(peer.valid());
    const link::LinkSender sender = link->sender();

    bool blockedSendResult = true;
    std::thread worker([&] {
        blockedSendResult = sender.sendBytes(ByteBuffer::fromString(std::string(64 << 20, 'x')));
    });
    std::this_thread::sleep_for(200ms); // the worker now waits for the peer, which never reads
    const auto start = std::chrono::steady_clock::now();
    link.reset();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30s) << "closing waited for the sender";
    EXPECT_FALSE(blockedSendResult);
    EXPECT_FALSE(sender.sendBytes(ByteBuffer::fromString("[img]")));
}

} // namespace
} // namespace zanvik
