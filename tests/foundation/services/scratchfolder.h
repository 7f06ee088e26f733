#pragma once

#include "foundation/values/gbkcodec.h"
#include "foundation/values/text.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zanvik::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// fixture ends. Paths are given both as file-system paths and as the program's GBK Text.
class ScratchFolder final {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zanvik-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    // The file-system path of a name (UTF-8) inside the folder.
    std::filesystem::path native(const std::string& utf8Name) const { return path_ / utf8Name; }
    // The same path as the program's GBK Text.
    Text text(const std::string& utf8Name) const { return gbkFromUtf8(native(utf8Name).string()); }

private:
    std::filesystem::path path_;
};

} // namespace zanvik::testing
