#include "serverfixture.h"

#include "server/seeding.h"

#include <atomic>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zanvik::server::testing {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zanvik-server-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

RunningServer::RunningServer(const Limits& limits, bool seed)
    : limits_(limits), store_(std::make_unique<PictureStore>(folder_.path().string())) {
    EXPECT_EQ(store_->error(), "");
    if (seed) {
        seedSamplesOnFirstStart(*store_);
    }
    server_ = std::make_unique<Server>(io_, "127.0.0.1", 0, *store_, limits_);
    EXPECT_EQ(server_->error(), "");
    server_->start();
    thread_ = std::thread([this] { io_.run(); });
}

void RunningServer::stop() {
    if (thread_.joinable()) {
        asio::post(io_, [this] { server_->stop(); });
        thread_.join();
    }
}

RunningServer::~RunningServer() {
    stop();
}

} // namespace zanvik::server::testing
