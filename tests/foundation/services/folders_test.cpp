#include "foundation/services/folders.h"
#include "foundation/values/gbkcodec.h"
#include "tests/foundation/services/qtapplication.h"
#include "tests/foundation/services/scratchfolder.h"

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zanvik {
namespace {

// Sets TMPDIR for one case and restores it afterwards.
class TemporaryTmpdir final {
public:
    explicit TemporaryTmpdir(const char* value) {
        if (const char* old = std::getenv("TMPDIR")) {
            old_ = old;
        }
        ::setenv("TMPDIR", value, 1);
    }
    TemporaryTmpdir(const TemporaryTmpdir&) = delete;
    TemporaryTmpdir& operator=(const TemporaryTmpdir&) = delete;
    ~TemporaryTmpdir() {
        if (old_) {
            ::setenv("TMPDIR", old_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

private:
    std::optional<std::string> old_;
};

TEST(FoldersTest, TempFolderEndsWithExactlyOneSeparator) {
    const testing::ScratchFolder scratch;
    std::filesystem::create_directories(scratch.native("用户/临时"));
    std::filesystem::create_directories(scratch.native("\xF0\x9F\x98\x80")); // outside GBK
    const std::string base = std::filesystem::canonical(scratch.path()).string();
    const struct {
        std::string tmpdir;   // UTF-8
        std::string expected; // UTF-8; empty for the empty Text
    } cases[] = {
        {"/", "/"},
        {base, base + "/"},
        {base + "/", base + "/"},
        {base + "///", base + "/"},
        {base + "/用户/临时", base + "/用户/临时/"},
        {base + "/\xF0\x9F\x98\x80", ""},
        {base + "/missing", ""},
    };
    for (const auto& c : cases) {
        const TemporaryTmpdir tmpdir(c.tmpdir.c_str());
        EXPECT_EQ(tempFolder(), gbkFromUtf8(c.expected)) << c.tmpdir;
    }
}

TEST(FoldersTest, ProgramFileFolderIsCutAtTheLastSeparator) {
    const struct {
        Text programFile;
        Text folder;
    } cases[] = {
        {"/x/y", "/x"}, {"/y", ""}, {"/usr/local/bin/zanvik", "/usr/local/bin"},
        {"zanvik", ""}, {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folderOfProgramFile(c.programFile), c.folder) << c.programFile.c_str();
    }
}

TEST(FoldersTest, RunDirectoryIsTheFolderOfThisProgram) {
    testing::qtApplication();
    const Text folder = runDirectory();
    EXPECT_EQ(utf8FromGbk(folder), QCoreApplication::applicationDirPath().toStdString());
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.bytes().back(), '/');
}

} // namespace
} // namespace zanvik
