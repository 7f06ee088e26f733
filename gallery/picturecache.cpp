#include "gallery/picturecache.h"

#include "foundation/services/files.h"
#include "foundation/services/folders.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/values/operations.h"
#include "gallery/gallerylimits.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace zanvik::gallery {

namespace {

constexpr std::string_view cacheFolder = "/images/";
constexpr std::string_view cacheSuffix = ".jpg";

bool isControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

bool isSafeCacheTitle(const Text& title) {
    if (title.empty()) {
        return false;
    }
    // Bytes that do not decode come back as U+FFFD, which GBK cannot hold: the round trip then
    // differs. This also refuses the few code points the system's codec cannot convert, whose
    // file names could not be written faithfully either.
    const std::string utf8 = utf8FromGbk(title);
    if (gbkFromUtf8(utf8) != title) {
        return false;
    }
    if (utf8.front() == '.' || std::ranges::any_of(utf8, isControlCharacter) ||
        utf8.find_first_of("/\\") != std::string::npos) {
        return false;
    }
    return utf8.size() + cacheSuffix.size() <= static_cast<std::size_t>(maxCacheFileNameBytes);
}

std::optional<Text> cachePath(const Text& title) {
    const Text folder = runDirectory();
    if (!isSafeCacheTitle(title) || folder.empty()) {
        return std::nullopt;
    }
    return concatText(folder, Text(cacheFolder), title, Text(cacheSuffix));
}

ByteBuffer readCachedPicture(const Text& title) {
    const std::optional<Text> path = cachePath(title);
    // readFileBytes opens exactly this name: no pattern matching, and a missing, empty or
    // unreadable file gives the empty buffer, which is a miss.
    return path ? readFileBytes(*path) : ByteBuffer();
}

bool writeCachedPicture(const Text& title, const ByteBuffer& picture) {
    const std::optional<Text> path = cachePath(title);
    return path && writeFileBytes(*path, picture);
}

} // namespace zanvik::gallery
