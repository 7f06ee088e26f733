#pragma once

#include "server/limits.h"
#include "server/picturestore.h"
#include "server/server.h"

#include <filesystem>
#include <memory>
#include <string>
#include <thread>

namespace zanvik::server::testing {

// A fresh temporary folder, removed with everything in it at the end.
class TempFolder final {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The real server, in this process, on an ephemeral loopback port, over a store in a temporary
// folder, on a thread of its own. Stopped (acceptor and connections closed) by the destructor.
class RunningServer final {
public:
    explicit RunningServer(const Limits& limits = {}, bool seed = false);
    ~RunningServer();
    RunningServer(const RunningServer&) = delete;
    RunningServer& operator=(const RunningServer&) = delete;

    std::uint16_t port() const { return server_->port(); }
    // Stops the server; the store may then be read from the test's thread.
    void stop();
    PictureStore& store() { return *store_; }
    const std::filesystem::path& folder() const { return folder_.path(); }

private:
    TempFolder folder_;
    Limits limits_;
    std::unique_ptr<PictureStore> store_;
    asio::io_context io_;
    std::unique_ptr<Server> server_;
    std::thread thread_;
};

} // namespace zanvik::server::testing
