#include "server/options.h"

#include <charconv>
#include <limits>
#include <optional>

namespace zanvik::server {
namespace {

template <typename Number>
std::optional<Number> wholeNumber(const std::string& text, Number smallest) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < smallest) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string usageText() {
    const Limits defaults;
    return "usage: zanvik-server [serve] [--address A] [--port P] [--data DIR] [--no-samples]\n"
           "                     [--max-picture-bytes N] [--max-title-bytes N]\n"
           "                     [--max-picture-pixels N] [--max-connections N]\n"
           "                     [--idle-timeout-ms N] [--max-buffered-bytes N]\n"
           "       zanvik-server list --data DIR           titles with their sizes, newest first\n"
           "       zanvik-server delete TITLE --data DIR   removes a picture\n"
           "       zanvik-server import FOLDER --data DIR  stores each *.jpg (title = file name)\n"
           "       zanvik-server export FOLDER --data DIR  writes every picture as TITLE.jpg\n"
           "defaults: --address 127.0.0.1 --port 11342 --data zanvik-server-data"
           " --max-picture-bytes " +
           std::to_string(defaults.maxPictureBytes) + " --max-title-bytes " +
           std::to_string(defaults.maxTitleBytes) + " --max-picture-pixels " +
           std::to_string(defaults.maxPicturePixels) + " --max-connections " +
           std::to_string(defaults.maxConnections) + " --idle-timeout-ms " +
           std::to_string(defaults.idleTimeout.count()) + " --max-buffered-bytes " +
           std::to_string(defaults.maxBufferedBytes) + "\n";
}

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool commandSeen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            if (!commandSeen) {
                options.command = argument;
                commandSeen = true;
            } else {
                options.arguments.push_back(argument);
            }
            continue;
        }
        if (argument == "--no-samples") {
            options.seedSamples = false;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            return UsageError{argument + " needs a value"};
        }
        const std::string& value = arguments[++i];
        bool good = true;
        auto take = [&](auto& field, int smallest = 1) {
            using Field = std::remove_reference_t<decltype(field)>;
            if (const auto number = wholeNumber<Field>(value, static_cast<Field>(smallest))) {
                field = *number;
            } else {
                good = false;
            }
        };
        if (argument == "--address") {
            options.address = value;
        } else if (argument == "--data") {
            options.dataFolder = value;
        } else if (argument == "--port") {
            take(options.port, 0); // 0: any free port, logged at start
        } else if (argument == "--max-picture-bytes") {
            take(options.limits.maxPictureBytes);
        } else if (argument == "--max-title-bytes") {
            take(options.limits.maxTitleBytes);
        } else if (argument == "--max-picture-pixels") {
            take(options.limits.maxPicturePixels);
        } else if (argument == "--max-connections") {
            take(options.limits.maxConnections);
        } else if (argument == "--max-buffered-bytes") {
            take(options.limits.maxBufferedBytes);
        } else if (argument == "--idle-timeout-ms") {
            std::int64_t milliseconds = 0;
            take(milliseconds);
            options.limits.idleTimeout = std::chrono::milliseconds(milliseconds);
        } else {
            return UsageError{"unknown flag " + argument};
        }
        if (!good) {
            return UsageError{argument +
                              " needs a whole number (at least 1; for --port at least 0), not \"" +
                              value + "\""};
        }
    }
    const std::size_t wanted =
        options.command == "delete" || options.command == "import" || options.command == "export"
            ? 1
            : 0;
    if (options.command != "serve" && options.command != "list" && wanted == 0) {
        return UsageError{"unknown command " + options.command};
    }
    if (options.arguments.size() != wanted) {
        return UsageError{options.command + " takes " + std::to_string(wanted) + " argument(s)"};
    }
    return options;
}

} // namespace zanvik::server
