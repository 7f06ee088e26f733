// zanvik-server-load: a loopback load client for the image server, used by bench/server/run.sh.
//   zanvik-server-load list PORT CONNECTIONS SECONDS   title lists per second over N connections
//   zanvik-server-load download PORT TITLE REPEATS      median ms to connect and download a picture
//   zanvik-server-load idle PORT COUNT SECONDS          holds COUNT idle connections open
// Every loop is bounded by its count or its time. Only 127.0.0.1 is ever contacted.
#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int connectLoopback(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

bool sendAll(int fd, const std::string& bytes) {
    return ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
}

// One arrival, waiting at most 5 s for its first byte.
std::string receiveArrival(int fd) {
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 5000) <= 0) {
        return {};
    }
    std::string arrival;
    char buffer[65536];
    for (;;) {
        const auto got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got <= 0) {
            break;
        }
        arrival.append(buffer, static_cast<std::size_t>(got));
    }
    return arrival;
}

int titleLists(int port, int connections, double seconds) {
    const std::string request = "[reqimgtitle]";
    // The size of one answer, learnt once, tells where each answer ends.
    const int probe = connectLoopback(port);
    sendAll(probe, request);
    const std::size_t answerSize = receiveArrival(probe).size();
    ::close(probe);
    if (answerSize == 0) {
        std::fprintf(stderr, "no answer\n");
        return 1;
    }
    const int poller = ::epoll_create1(0);
    std::vector<int> fds;
    std::vector<std::size_t> got(static_cast<std::size_t>(connections), 0);
    for (int i = 0; i < connections; ++i) {
        const int fd = connectLoopback(port);
        if (fd < 0) {
            std::fprintf(stderr, "connect failed\n");
            return 1;
        }
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u32 = static_cast<std::uint32_t>(i);
        ::epoll_ctl(poller, EPOLL_CTL_ADD, fd, &event);
        fds.push_back(fd);
        sendAll(fd, request);
    }
    long long answers = 0;
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    std::vector<epoll_event> events(static_cast<std::size_t>(connections));
    char buffer[65536];
    while (Clock::now() < end) {
        const int ready = ::epoll_wait(poller, events.data(), connections, 100);
        for (int e = 0; e < ready; ++e) {
            const auto index = events[static_cast<std::size_t>(e)].data.u32;
            const auto got_now = ::recv(fds[index], buffer, sizeof buffer, 0);
            if (got_now <= 0) {
                std::fprintf(stderr, "connection lost\n");
                return 1;
            }
            got[index] += static_cast<std::size_t>(got_now);
            while (got[index] >= answerSize) {
                got[index] -= answerSize;
                ++answers;
                sendAll(fds[index], request);
            }
        }
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%.0f\n", static_cast<double>(answers) / elapsed);
    for (const int fd : fds) {
        ::close(fd);
    }
    ::close(poller);
    return 0;
}

int download(int port, const std::string& title, int repeats) {
    std::vector<double> times;
    std::size_t size = 0;
    for (int r = 0; r < repeats; ++r) {
        const auto start = Clock::now();
        const int fd = connectLoopback(port);
        sendAll(fd, "[reqimgdata]" + title);
        size = 0;
        for (int part = 0; part < 100000; ++part) {
            const std::string arrival = receiveArrival(fd);
            if (arrival.empty()) {
                std::fprintf(stderr, "download stalled\n");
                return 1;
            }
            if (arrival == "[/nextimgdata]") {
                break;
            }
            size += arrival.size();
            sendAll(fd, "[nextimgdata]");
        }
        ::close(fd);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.3f %zu\n", times[times.size() / 2], size);
    return 0;
}

int idle(int port, int count, double seconds) {
    std::vector<int> fds;
    for (int i = 0; i < count; ++i) {
        const int fd = connectLoopback(port);
        if (fd < 0) {
            std::fprintf(stderr, "connection %d failed: %s\n", i, std::strerror(errno));
            break;
        }
        fds.push_back(fd);
    }
    // One exchange on the last connection shows that the server took them all.
    const bool answered = !fds.empty() && sendAll(fds.back(), "[reqimgtitle]") &&
                          receiveArrival(fds.back()).rfind("[reqimgtitle]", 0) == 0;
    std::printf("%zu %s\n", fds.size(), answered ? "answered" : "unanswered");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    for (const int fd : fds) {
        ::close(fd);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "list") == 0) {
        return titleLists(std::atoi(argv[2]), std::atoi(argv[3]), std::atof(argv[4]));
    }
    if (argc == 5 && std::strcmp(argv[1], "download") == 0) {
        return download(std::atoi(argv[2]), argv[3], std::atoi(argv[4]));
    }
    if (argc == 5 && std::strcmp(argv[1], "idle") == 0) {
        return idle(std::atoi(argv[2]), std::atoi(argv[3]), std::atof(argv[4]));
    }
    std::fprintf(stderr, "usage: see the comment at the top of loadclient.cpp\n");
    return 2;
}
