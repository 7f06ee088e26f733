#pragma once

#include "foundation/values/bytebuffer.h"
#include "foundation/values/text.h"

#include <array>
#include <span>

// Files and folders by path. A path is a Text (GBK), converted to the file system's names here.
// Every operation runs on the calling thread, never throws and reports failure only through its
// result.
namespace zanvik {

// The whole file. Empty when the path is empty, the file cannot be opened, is not a regular
// file (a folder, say), is empty, is larger than services::maximumFileBytes, or when the first
// read fails. When the file shrinks while it is read, what arrived is kept.
ByteBuffer readFileBytes(const Text& path);

// Creates the file, or truncates an existing one, and writes the buffers one after another,
// skipping empty ones. True when every byte was written and the file was closed. False for an
// empty path, a missing folder (no folder is created), a path that names a folder, or any
// error while opening, writing or closing.
bool writeFileBytes(const Text& path, std::span<const ByteBuffer* const> buffers);
template <class... More>
bool writeFileBytes(const Text& path, const ByteBuffer& first, const More&... more) {
    const std::array<const ByteBuffer*, 1 + sizeof...(More)> buffers{&first, &more...};
    return writeFileBytes(path, std::span<const ByteBuffer* const>(buffers));
}

// Removes the file; true when it was removed. A folder is not removed and gives false.
bool deleteFile(const Text& path);

// True when at least one directory entry matches: a file or a folder of that name, or, when
// the last part of the path holds "*" or "?", any entry of its folder that the pattern matches
// (wildcards in earlier parts are taken literally). The entries "." and ".." never match.
bool fileExists(const Text& path);

} // namespace zanvik
