#pragma once

#include "server/limits.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace zanvik::server {

// The command line of zanvik-server:
//   zanvik-server [serve] [--address A] [--port P] [--data DIR] [--no-samples] [limit flags]
//   zanvik-server list|delete TITLE|import FOLDER|export FOLDER --data DIR
// Titles on the command line are UTF-8 and are stored as GBK.
struct Options {
    std::string command = "serve";
    std::vector<std::string> arguments; // the command's own: a title or a folder
    std::string address = "127.0.0.1";
    std::uint16_t port = 11342;
    std::string dataFolder = "zanvik-server-data";
    bool seedSamples = true;
    Limits limits;
};

struct UsageError {
    std::string message;
};

// Gives the options, or what is wrong with the command line. Numbers must be whole, within their
// type and at least 1 (the port at least 0: any free port).
std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments);

// The help text, naming every flag with its default.
std::string usageText();

} // namespace zanvik::server
