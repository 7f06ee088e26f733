#include "link/imageserverlink.h"
#include "tests/link/eventpump.h"
#include "tests/link/linkconnection.h"
#include "tests/link/loopbacklistener.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using namespace std::chrono_literals;
using testing::connectAndAccept;
using testing::LoopbackListener;
using testing::LoopbackPeer;
using testing::pumpFor;
using testing::pumpUntil;

// A link connected to a scripted server on loopback, recording the events in their order:
// each arrival's bytes, and "<closed>" for a disconnected event.
class LinkEvents : public ::testing::Test {
protected:
    void SetUp() override {
        link = std::make_unique<ImageServerLink>();
        link->setDataArrivalHandler(
            [this] { events.emplace_back(link->arrivalBytes().asStringView()); });
        link->setDisconnectedHandler([this] { events.emplace_back(closed); });
        peer = connectAndAccept(*link, server);
        ASSERT_TRUE(peer.valid());
    }

    std::string joinedArrivals() const {
        std::string all;
        for (const std::string& e : events) {
            all += e == closed ? "" : e;
        }
        return all;
    }

    static inline const std::string closed = "<closed>";
    LoopbackListener server;
    LoopbackPeer peer;
    std::unique_ptr<ImageServerLink> link;
    std::vector<std::string> events;
};

TEST_F(LinkEvents, MessagesReadableTogetherArriveAsOne) {
    // Both are in the link's receive queue before its event loop runs.
    ASSERT_TRUE(peer.send("[nexttitle]"));
    ASSERT_TRUE(peer.send("[nextimg]"));
    ASSERT_TRUE(pumpUntil([&] { return !events.empty(); }, 2s));
    pumpFor(50ms);
    EXPECT_EQ(events, std::vector<std::string>{"[nexttitle][nextimg]"});
}

TEST_F(LinkEvents, MessageInPiecesArrivesAsSeveralNoneEmpty) {
    const std::vector<std::string> pieces = {"[reqimgtitle]a", ",b", ",c"};
    for (const std::string& piece : pieces) {
        ASSERT_TRUE(peer.send(piece));
        const std::size_t before = events.size();
        ASSERT_TRUE(pumpUntil([&] { return events.size() > before; }, 2s));
    }
    pumpFor(50ms);
    EXPECT_EQ(events, pieces);
}

TEST_F(LinkEvents, LargeArrivalKeepsEveryByteInOrder) {
    std::string picture(300000, '\0');
    for (std::size_t i = 0; i < picture.size(); ++i) {
        picture[i] = static_cast<char>((i * 31) ^ (i >> 8));
    }
    ASSERT_TRUE(peer.send(picture));
    ASSERT_TRUE(pumpUntil([&] { return joinedArrivals().size() >= picture.size(); }, 5s));
    EXPECT_EQ(joinedArrivals(), picture);
    for (const std::string& e : events) {
        EXPECT_FALSE(e.empty());
    }
}

TEST_F(LinkEvents, ArrivalBytesAreStableInsideAndEmptyOutsideTheHandler) {
    std::vector<std::string> firstCalls;
    std::vector<std::string> secondCalls;
    link->setDataArrivalHandler([&] {
        firstCalls.emplace_back(link->arrivalBytes().asStringView());
        secondCalls.emplace_back(link->arrivalBytes().asStringView());
    });
    EXPECT_TRUE(link->arrivalBytes().empty());
    ASSERT_TRUE(peer.send(std::string("pic\0ture", 8)));
    ASSERT_TRUE(pumpUntil([&] { return !firstCalls.empty(); }, 2s));
    EXPECT_EQ(firstCalls, std::vector<std::string>{std::string("pic\0ture", 8)});
    EXPECT_EQ(secondCalls, firstCalls);
    EXPECT_TRUE(link->arrivalBytes().empty());
}

TEST_F(LinkEvents, ServerCloseAfterDataGivesTheDataThenOneDisconnect) {
    ASSERT_TRUE(peer.send("[/nextimgdata]"));
    peer.close();
    ASSERT_TRUE(pumpUntil([&] { return events.size() >= 2; }, 2s));
    pumpFor(100ms);
    EXPECT_EQ(events, (std::vector<std::string>{"[/nextimgdata]", closed}));

    // The socket stays; a send on it raises no event and the flag stays set.
    EXPECT_TRUE(link->connected());
    link->sendBytes(ByteBuffer::fromString("[nextimgdata]"));
    pumpFor(100ms);
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(LinkEvents, ServerResetGivesOneDisconnect) {
    peer.reset();
    ASSERT_TRUE(pumpUntil([&] { return !events.empty(); }, 2s));
    pumpFor(100ms);
    EXPECT_EQ(events, std::vector<std::string>{closed});
}

TEST_F(LinkEvents, OwnerMayDestroyTheLinkInsideEitherHandler) {
    link->setDataArrivalHandler([&] {
        events.emplace_back(link->arrivalBytes().asStringView());
        link.reset();
    });
    ASSERT_TRUE(peer.send("bye"));
    peer.close(); // the close is read in the same batch as the data
    ASSERT_TRUE(pumpUntil([&] { return link == nullptr; }, 2s));
    pumpFor(100ms);
    EXPECT_EQ(events, std::vector<std::string>{"bye"});

    // And inside the disconnected handler.
    link = std::make_unique<ImageServerLink>();
    int disconnects = 0;
    link->setDisconnectedHandler([&] {
        ++disconnects;
        link.reset();
    });
    LoopbackPeer second = connectAndAccept(*link, server);
    ASSERT_TRUE(second.valid());
    second.close();
    ASSERT_TRUE(pumpUntil([&] { return link == nullptr; }, 2s));
    pumpFor(100ms);
    EXPECT_EQ(disconnects, 1);
}

TEST_F(LinkEvents, ReconnectInsideAHandlerDropsTheOldConnectionsEvents) {
    LoopbackListener other;
    bool reconnected = false;
    link->setDataArrivalHandler([&] {
        events.emplace_back(link->arrivalBytes().asStringView());
        if (!reconnected) {
            reconnected = link->connectTo(Text("127.0.0.1"), other.port());
        }
    });
    ASSERT_TRUE(peer.send("old"));
    peer.close(); // read together with "old": the old connection's close must not be reported
    ASSERT_TRUE(pumpUntil([&] { return reconnected; }, 2s));
    LoopbackPeer newPeer = other.accept(2s);
    ASSERT_TRUE(newPeer.valid());
    ASSERT_TRUE(newPeer.send("new"));
    ASSERT_TRUE(pumpUntil([&] { return events.size() >= 2; }, 2s));
    pumpFor(100ms);
    EXPECT_EQ(events, (std::vector<std::string>{"old", "new"}));
}

TEST_F(LinkEvents, ArrivalsRunInsideANestedLoopOfAHandler) {
    // The first arrival's handler opens a nested loop (as a modal window does) that waits for the
    // second arrival; afterwards the outer handler still sees its own bytes.
    std::string outerAfterNested;
    bool nestedDone = false;
    link->setDataArrivalHandler([&] {
        const std::string mine(link->arrivalBytes().asStringView());
        events.push_back(mine);
        if (mine != "first") {
            nestedDone = true;
            return;
        }
        QEventLoop nested;
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &nested, &QEventLoop::quit);
        giveUp.start(2000);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &nested, [&] {
            if (nestedDone) {
                nested.quit();
            }
        });
        poll.start(1);
        EXPECT_TRUE(peer.send("second"));
        nested.exec();
        outerAfterNested = std::string(link->arrivalBytes().asStringView());
    });
    ASSERT_TRUE(peer.send("first"));
    ASSERT_TRUE(pumpUntil([&] { return !outerAfterNested.empty(); }, 5s));
    EXPECT_EQ(events, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(outerAfterNested, "first");
}

TEST_F(LinkEvents, ArrivalsRunInsideProcessEventsOfAHandler) {
    bool inside = false;
    std::vector<bool> deliveredInside;
    link->setDataArrivalHandler([&] {
        deliveredInside.push_back(inside);
        if (deliveredInside.size() == 1) {
            inside = true;
            EXPECT_TRUE(peer.send("more"));
            pumpUntil([&] { return deliveredInside.size() == 2; }, 2s);
            inside = false;
        }
    });
    ASSERT_TRUE(peer.send("start"));
    ASSERT_TRUE(pumpUntil([&] { return deliveredInside.size() == 2; }, 5s));
    EXPECT_EQ(deliveredInside, (std::vector<bool>{false, true}));
}

} // namespace
} // namespace zanvik
