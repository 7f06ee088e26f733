#pragma once

#include <string_view>

namespace zanvik::services {

// Whether a file name (UTF-8) matches a pattern in which "*" stands for any run of characters,
// empty included, and "?" for exactly one character; every other character, "[" included,
// stands for itself. Characters, not bytes, are counted, so "?" matches one Chinese character.
// Comparison is exact (case-sensitive), as the file system is.
bool matchesWildcard(std::string_view name, std::string_view pattern);

// Whether the text holds "*" or "?".
bool hasWildcard(std::string_view pattern);

} // namespace zanvik::services
