#include "foundation/services/wildcardmatch.h"

#include <cstddef>

namespace zanvik::services {

namespace {

// The byte length of the UTF-8 character that starts at text[at]; a byte that is not a valid
// lead counts as a character of its own, so matching never stalls on bad bytes.
std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = lead < 0xF0 ? 3 : 1;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    if (at + length > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

} // namespace

bool hasWildcard(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}

// Greedy matching with one remembered star: linear in practice, and at worst
// name length × pattern length steps, never exponential.
bool matchesWildcard(std::string_view name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starPattern = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = ++p;
            starName = n;
            continue;
        }
        if (p < pattern.size()) {
            const std::size_t nameChar = characterLength(name, n);
            if (pattern[p] == '?') {
                n += nameChar;
                ++p;
                continue;
            }
            const std::size_t patternChar = characterLength(pattern, p);
            if (patternChar == nameChar &&
                name.substr(n, nameChar) == pattern.substr(p, nameChar)) {
                n += nameChar;
                p += patternChar;
                continue;
            }
        }
        if (starPattern == std::string_view::npos) {
            return false;
        }
        p = starPattern;
        starName += characterLength(name, starName);
        n = starName;
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace zanvik::services
