// zanvik-server: the image server. See server/README.md and `zanvik-server --help`.
#include "server/admincommands.h"
#include "server/logline.h"
#include "server/options.h"
#include "server/picturestore.h"
#include "server/seeding.h"
#include "server/server.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace zanvik::server;

// Each connection needs a descriptor: take the hard limit so maxConnections can be reached.
void raiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

int serve(const Options& options, PictureStore& store) {
    if (options.seedSamples) {
        seedSamplesOnFirstStart(store);
    }
    raiseDescriptorLimit();
    std::signal(SIGPIPE, SIG_IGN);
    asio::io_context io(1);
    Server server(io, options.address, options.port, store, options.limits);
    if (!server.error().empty()) {
        logLine(server.error());
        return 1;
    }
    asio::signal_set signals(io, SIGINT, SIGTERM);
    signals.async_wait([&](std::error_code error, int number) {
        if (!error) {
            logLine("signal " + std::to_string(number) + ": shutting down");
            server.stop();
        }
    });
    server.start();
    io.run();
    return 0; // the store closes its database as it goes out of scope
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const auto& argument : arguments) {
        if (argument == "--help" || argument == "-h" || argument == "help") {
            std::cout << usageText();
            return 0;
        }
    }
    const auto parsed = parseOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << "zanvik-server: " << error->message << '\n' << usageText();
        return 2;
    }
    const auto& options = std::get<Options>(parsed);
    std::error_code error;
    std::filesystem::create_directories(options.dataFolder, error);
    PictureStore store(options.dataFolder);
    if (!store.error().empty()) {
        std::cerr << "zanvik-server: " << store.error() << '\n';
        return 1;
    }
    if (options.command == "serve") {
        return serve(options, store);
    }
    return runAdminCommand(options, store, std::cout, std::cerr);
}
