// Round trips of 2000-byte messages (one upload chunk) through ImageServerLink against a
// loopback echo peer, next to the same ping-pong over a plain blocking socket as the baseline.
// The link's figure includes what the program pays per message: the send, the read notice on
// the Qt event loop, the batch read and the dataArrival handler.

#include "bench/link/echopeer.h"
#include "link/imageserverlink.h"
#include "link/protocolconstants.h"

#include <QCoreApplication>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using zanvik::ByteBuffer;
using zanvik::ImageServerLink;
using zanvik::Text;
using zanvik::bench::EchoPeer;

constexpr std::size_t messageSize = zanvik::protocol::CHUNK_SIZE;
constexpr auto roundTripLimit = std::chrono::seconds(5);

void plainPingPong(benchmark::State& state) {
    EchoPeer echo;
    const int fd = zanvik::bench::connectPlainSocket(echo.port());
    if (fd < 0) {
        state.SkipWithError("no loopback connection");
        return;
    }
    const std::string message(messageSize, 'x');
    std::string answer(messageSize, '\0');
    for (auto _ : state) {
        if (::send(fd, message.data(), message.size(), MSG_NOSIGNAL) != ssize_t(message.size()) ||
            ::recv(fd, answer.data(), answer.size(), MSG_WAITALL) != ssize_t(answer.size())) {
            state.SkipWithError("echo failed");
            break;
        }
    }
    ::close(fd);
    state.SetItemsProcessed(state.iterations());
}

void linkRoundTrip(benchmark::State& state) {
    EchoPeer echo;
    ImageServerLink link;
    std::size_t received = 0;
    link.setDataArrivalHandler([&] { received += link.arrivalBytes().bytes().size(); });
    if (!link.connectTo(Text("127.0.0.1"), echo.port())) {
        state.SkipWithError("no loopback connection");
        return;
    }
    // Wakes the event loop now and then, so that a lost answer ends the run instead of hanging.
    QTimer wakeUp;
    wakeUp.start(100);
    const ByteBuffer message = ByteBuffer::fromString(std::string(messageSize, 'x'));
    for (auto _ : state) {
        received = 0;
        const auto deadline = std::chrono::steady_clock::now() + roundTripLimit;
        if (!link.sendBytes(message)) {
            state.SkipWithError("send failed");
            break;
        }
        while (received < messageSize && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        if (received != messageSize) {
            state.SkipWithError("echo failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(plainPingPong)
    ->Name("round trip 2000 B / plain blocking socket (baseline)")
    ->UseRealTime();
BENCHMARK(linkRoundTrip)->Name("round trip 2000 B / ImageServerLink")->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
