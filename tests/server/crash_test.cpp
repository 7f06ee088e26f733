// kill -9 of the real server program while uploads run: after a restart every picture whose
// storing the clients saw confirmed is there and intact, and no partial picture is listed.
#include "serverfixture.h"
#include "testclient.h"
#include "testpictures.h"

#include <atomic>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <set>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zanvik::server::testing {
namespace {

using namespace std::chrono_literals;

// The server program as a child process, its log in a file; port() reads the port it logged.
class ServerProcess final {
public:
    ServerProcess(const std::filesystem::path& data, const std::string& logName)
        : log_(data / logName) {
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            ::dup2(fd, STDERR_FILENO);
            ::execl(ZANVIK_SERVER_PROGRAM, ZANVIK_SERVER_PROGRAM, "--port", "0", "--data",
                    data.c_str(), "--no-samples", static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~ServerProcess() { kill(SIGKILL); }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // The port of its "listening on" line, waiting up to 20 s for it.
    std::uint16_t port() {
        for (int tries = 0; tries < 400; ++tries) {
            std::ifstream log(log_);
            std::string line;
            std::uint16_t found = 0;
            while (std::getline(log, line)) {
                const auto at = line.find("listening on 127.0.0.1:");
                if (at != std::string::npos) {
                    found = static_cast<std::uint16_t>(std::stoi(line.substr(at + 23)));
                }
            }
            if (found != 0) {
                return found;
            }
            std::this_thread::sleep_for(50ms);
        }
        return 0;
    }
    // Sends the signal and waits for the end; gives the wait status.
    int kill(int signal) {
        int status = -1;
        if (pid_ > 0) {
            ::kill(pid_, signal);
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        return status;
    }
    std::string log() const {
        std::ifstream file(log_);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path log_;
    pid_t pid_ = -1;
};

std::vector<std::string> titlesOf(const std::string& list) {
    std::vector<std::string> titles;
    std::stringstream rest(list.substr(std::min<std::size_t>(13, list.size())));
    for (std::string title; std::getline(rest, title, ',');) {
        titles.push_back(title);
    }
    return titles;
}

TEST(Crash, KillDuringUploadsLosesNothingStoredAndKeepsNoPartialPicture) {
    TempFolder data;
    std::map<std::string, std::string> sent; // every picture any uploader began, by title
    std::set<std::string> confirmed;         // listed to its uploader before the kill
    std::mutex mutex;
    {
        ServerProcess server(data.path(), "first.log");
        const auto port = server.port();
        ASSERT_NE(port, 0);
        std::atomic<bool> stop{false};
        std::vector<std::thread> uploaders;
        for (int u = 0; u < 6; ++u) {
            uploaders.emplace_back([&, u] {
                for (int n = 0; n < 200 && !stop; ++n) { // bounded: the kill comes much earlier
                    const std::string title = "u" + std::to_string(u) + "n" + std::to_string(n);
                    const std::string picture =
                        jpegOfSize(3000 + static_cast<std::size_t>(n % 7) * 4000, title);
                    {
                        std::lock_guard lock(mutex);
                        sent[title] = picture;
                    }
                    TestClient client(port);
                    if (!client.upload(title, picture)) {
                        return;
                    }
                    // Messages of one connection are handled in order: once the list answers,
                    // the upload before it has been committed (or refused).
                    const auto titles = titlesOf(client.titleList());
                    if (std::find(titles.begin(), titles.end(), title) != titles.end()) {
                        std::lock_guard lock(mutex);
                        confirmed.insert(title);
                    }
                }
            });
        }
        std::this_thread::sleep_for(1500ms);
        server.kill(SIGKILL);
        stop = true;
        for (auto& thread : uploaders) {
            thread.join();
        }
    }
    ASSERT_GT(confirmed.size(), 3u) << "the kill came before any upload finished";

    ServerProcess restarted(data.path(), "restarted.log");
    const auto port = restarted.port();
    ASSERT_NE(port, 0);
    TestClient client(port);
    const auto listed = titlesOf(client.titleList());
    for (const auto& title : confirmed) {
        EXPECT_NE(std::find(listed.begin(), listed.end(), title), listed.end()) << title;
    }
    for (const auto& title : listed) {
        ASSERT_TRUE(sent.count(title)) << title;
        EXPECT_TRUE(client.download(title) == sent[title]) << title << " is whole";
    }
    restarted.kill(SIGTERM);
}

// SIGTERM and SIGINT close the acceptor, every connection and the store, and end with 0.
TEST(Crash, TerminationSignalsShutDownCleanly) {
    for (const int signal : {SIGTERM, SIGINT}) {
        TempFolder data;
        ServerProcess server(data.path(), "server.log");
        const auto port = server.port();
        ASSERT_NE(port, 0);
        TestClient client(port);
        ASSERT_EQ(client.titleList(), "[reqimgtitle]");
        TestClient refused(port);
        refused.send("[title]a,b");
        EXPECT_TRUE(refused.closedByServer());
        const int status = server.kill(signal);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << signal;
        EXPECT_TRUE(client.closedByServer(2s));
        EXPECT_NE(server.log().find("closed: server shutting down"), std::string::npos);
        EXPECT_NE(server.log().find("closed: refused: title \"a,b\" holds the character ','"),
                  std::string::npos)
            << "every refusal is logged with its reason";
        EXPECT_NE(server.log().find("stopped"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(data.path() / "pictures.db-wal"))
            << "the store was closed: its write-ahead log is merged and removed";
    }
}

} // namespace
} // namespace zanvik::server::testing
