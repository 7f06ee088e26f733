// Each limit tripped once against a server run with tiny limits: the offending client is
// disconnected, nothing it sent is stored, and the server goes on answering everyone else.
#include "serverfixture.h"
#include "testclient.h"
#include "testpictures.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

namespace zanvik::server::testing {
namespace {

using namespace std::chrono_literals;

Limits tinyLimits() {
    Limits limits;
    limits.maxPictureBytes = 5000;
    limits.maxTitleBytes = 8;
    limits.maxPicturePixels = 64 * 64;
    limits.maxConnections = 4;
    limits.idleTimeout = 400ms;
    limits.maxBufferedBytes = 4096;
    return limits;
}

// Uploads the title and picture step by step; gives whether the server closed on the client
// at some point (the exchange stops there).
bool uploadIsRefused(std::uint16_t port, const std::string& title, const std::string& picture) {
    TestClient client(port);
    client.upload(title, picture);
    return client.closedByServer(5s);
}

struct Row {
    const char* name;
    std::function<bool(std::uint16_t port)> tripsLimit; // true when the server disconnected
};

TEST(Limits, EachLimitDisconnectsStoresNothingAndServesOthers) {
    const Row rows[] = {
        {"picture larger than the limit",
         [](std::uint16_t port) { return uploadIsRefused(port, "big", jpegOfSize(6001)); }},
        {"picture with too many pixels",
         [](std::uint16_t port) { return uploadIsRefused(port, "wide", makeJpeg(65, 64, 30)); }},
        {"title longer than the limit",
         [](std::uint16_t port) { return uploadIsRefused(port, "ninebytes", jpegOfSize(900)); }},
        {"title with a comma",
         [](std::uint16_t port) { return uploadIsRefused(port, "a,b", jpegOfSize(900)); }},
        {"title that is not GBK",
         [](std::uint16_t port) { return uploadIsRefused(port, "\xc4", jpegOfSize(900)); }},
        {"title with a slash",
         [](std::uint16_t port) { return uploadIsRefused(port, "../x", jpegOfSize(900)); }},
        {"empty title",
         [](std::uint16_t port) { return uploadIsRefused(port, "", jpegOfSize(900)); }},
        {"picture that is not a JPEG",
         [](std::uint16_t port) { return uploadIsRefused(port, "text", std::string(2500, 'x')); }},
        {"more bytes at once than may be buffered",
         [](std::uint16_t port) {
             TestClient client(port);
             client.send("[title]ok");
             client.receive();
             client.send("[img]");
             client.receive();
             client.send(std::string(4097, 'x'));
             return client.closedByServer(5s);
         }},
        {"a message the server does not know",
         [](std::uint16_t port) {
             TestClient client(port);
             client.send("GET / HTTP/1.0\r\n\r\n");
             return client.closedByServer(5s);
         }},
        {"idle in the middle of an upload",
         [](std::uint16_t port) {
             TestClient client(port);
             client.send("[title]idle");
             client.receive();
             client.send("[img]");
             client.receive();
             client.send(jpegOfSize(900).substr(0, 500));
             client.receive();
             return client.closedByServer(5s); // the time-out is 400 ms
         }},
        {"more connections than allowed",
         [](std::uint16_t port) {
             std::vector<std::unique_ptr<TestClient>> open;
             for (int i = 0; i < 4; ++i) {
                 open.push_back(std::make_unique<TestClient>(port));
                 open.back()->titleList(); // served, so counted by the server
             }
             TestClient extra(port);
             const bool refused = extra.closedByServer(5s);
             open.clear(); // the others leave: the server serves the next client again
             return refused;
         }},
    };
    for (const auto& row : rows) {
        RunningServer server(tinyLimits());
        EXPECT_TRUE(row.tripsLimit(server.port())) << row.name;
        std::this_thread::sleep_for(50ms); // let the server see the closes of that row
        TestClient other(server.port());
        EXPECT_EQ(other.titleList(), "[reqimgtitle]") << row.name << ": nothing stored, served";
        const std::string picture = jpegOfSize(1200);
        EXPECT_TRUE(other.upload("fine", picture)) << row.name;
        EXPECT_EQ(other.titleList(), "[reqimgtitle]fine") << row.name;
    }
}

TEST(Limits, IdleConnectionIsClosedButABusyOneIsNot) {
    Limits limits = tinyLimits();
    RunningServer server(limits);
    TestClient idle(server.port());
    TestClient busy(server.port());
    for (int i = 0; i < 6; ++i) { // 6 × 150 ms: well past the 400 ms time-out
        std::this_thread::sleep_for(150ms);
        ASSERT_EQ(busy.titleList(), "[reqimgtitle]");
    }
    EXPECT_TRUE(idle.closedByServer(2s));
}

} // namespace
} // namespace zanvik::server::testing
