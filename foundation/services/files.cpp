#include "foundation/services/files.h"

#include "foundation/services/nativepath.h"
#include "foundation/services/servicelimits.h"
#include "foundation/services/wildcardmatch.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zanvik {

namespace {

// Owns one open file descriptor.
class FileDescriptor final {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and tells whether the close succeeded (a late write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};

bool writeAll(int fd, const ByteBuffer& buffer) {
    const std::uint8_t* data = buffer.data();
    std::size_t left = static_cast<std::size_t>(buffer.length());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool anyEntryMatches(const std::string& folder, const std::string& pattern) {
    const std::unique_ptr<DIR, DirectoryCloser> directory(
        ::opendir(folder.empty() ? "." : folder.c_str()));
    if (!directory) {
        return false;
    }
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != ".." && services::matchesWildcard(name, pattern)) {
            return true;
        }
    }
    return false;
}

} // namespace

ByteBuffer readFileBytes(const Text& path) {
    if (path.empty()) {
        return {};
    }
    FileDescriptor file(::open(services::nativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size <= 0 || status.st_size > services::maximumFileBytes) {
        return {};
    }
    // Read in chunks straight into the buffer reserved for the whole file: no zero fill and no
    // second copy of a large file.
    ByteBuffer bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(
        std::min<std::int64_t>(status.st_size, services::fileReadChunkBytes)));
    std::int64_t left = status.st_size;
    while (left > 0) {
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size())));
        const ssize_t got = ::read(file.get(), chunk.data(), want);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        bytes.append(std::span<const std::uint8_t>(chunk.data(), static_cast<std::size_t>(got)));
        left -= got;
    }
    return bytes;
}

bool writeFileBytes(const Text& path, std::span<const ByteBuffer* const> buffers) {
    if (path.empty()) {
        return false;
    }
    FileDescriptor file(
        ::open(services::nativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!file.valid()) {
        return false;
    }
    for (const ByteBuffer* buffer : buffers) {
        if (!writeAll(file.get(), *buffer)) {
            return false;
        }
    }
    return file.close();
}

bool deleteFile(const Text& path) {
    return !path.empty() && ::unlink(services::nativePath(path).c_str()) == 0;
}

bool fileExists(const Text& path) {
    if (path.empty()) {
        return false;
    }
    const std::string native = services::nativePath(path);
    const std::size_t slash = native.rfind('/');
    const std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
    if (services::hasWildcard(name)) {
        const std::string folder = slash == std::string::npos ? "" : native.substr(0, slash + 1);
        return anyEntryMatches(folder, name);
    }
    struct stat status {};
    return ::stat(native.c_str(), &status) == 0;
}

} // namespace zanvik
