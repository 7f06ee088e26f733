// 200 clients at once, mixing title lists, downloads and uploads: every answer right and every
// picture intact afterwards.
#include "serverfixture.h"
#include "testclient.h"
#include "testpictures.h"

#include <atomic>
#include <gtest/gtest.h>
#include <latch>
#include <thread>
#include <vector>

namespace zanvik::server::testing {
namespace {

constexpr int clients = 200;

TEST(Load, TwoHundredClientsAtOnce) {
    RunningServer server;
    const std::string shared = jpegOfSize(70 * 1024, "s");
    {
        TestClient setup(server.port());
        ASSERT_TRUE(setup.upload("shared", shared));
        ASSERT_EQ(setup.titleList(), "[reqimgtitle]shared");
    }
    std::vector<std::string> pictures;
    for (int i = 0; i < clients; ++i) {
        pictures.push_back(jpegOfSize(2000 + static_cast<std::size_t>(i) * 37,
                                      std::string(1, static_cast<char>('a' + i % 26))));
    }
    std::atomic<int> failures{0};
    std::latch allConnected(clients);
    std::vector<std::thread> threads;
    for (int i = 0; i < clients; ++i) {
        threads.emplace_back([&, i] {
            TestClient client(server.port());
            allConnected.arrive_and_wait(); // every connection is open before any exchange
            bool good = client.connected();
            switch (i % 3) {
            case 0:
                good = good && client.titleList().rfind("[reqimgtitle]", 0) == 0;
                break;
            case 1:
                good = good && client.download("shared") == shared;
                break;
            default:
                good = good && client.upload("up" + std::to_string(i),
                                             pictures[static_cast<std::size_t>(i)]);
                good =
                    good && client.titleList().find("up" + std::to_string(i)) != std::string::npos;
                break;
            }
            if (!good) {
                ++failures;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures.load(), 0);
    TestClient reader(server.port());
    for (int i = 2; i < clients; i += 3) {
        EXPECT_TRUE(reader.download("up" + std::to_string(i)) ==
                    pictures[static_cast<std::size_t>(i)])
            << i;
    }
}

} // namespace
} // namespace zanvik::server::testing
