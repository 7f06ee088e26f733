#include "foundation/services/files.h"
#include "foundation/values/gbkcodec.h"
#include "tests/foundation/services/scratchfolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace zanvik {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

void writeNative(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readNative(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ByteBuffer bytesOf(std::string_view text) {
    return ByteBuffer::fromString(text);
}

class FileServicesTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    void SetUp() override {
        writeNative(folder.native("picture.jpg"), std::string("\xFF\xD8\0\x01zz", 6));
        writeNative(folder.native("empty.bin"), "");
        writeNative(folder.native("图片[1].jpg"), "chinese");
        fs::create_directory(folder.native("images"));
    }
};

TEST_F(FileServicesTest, ReadGivesTheWholeFileZeroBytesIncluded) {
    EXPECT_EQ(readFileBytes(folder.text("picture.jpg")),
              bytesOf(std::string_view("\xFF\xD8\0\x01zz", 6)));
}

TEST_F(FileServicesTest, PathTextIsGbkAndNamesTheUtf8FileOnDisk) {
    const Text path = folder.text("图片[1].jpg");
    ASSERT_NE(path.bytes().find('\xCD'), std::string_view::npos) << "the path Text must be GBK";
    EXPECT_EQ(readFileBytes(path), bytesOf("chinese"));
    ASSERT_TRUE(writeFileBytes(folder.text("写.bin"), bytesOf("x")));
    EXPECT_EQ(readNative(folder.native("写.bin")), "x");
}

TEST_F(FileServicesTest, ReadFailuresGiveAnEmptyBuffer) {
    const struct {
        const char* what;
        Text path;
    } cases[] = {
        {"missing file", folder.text("missing.jpg")},
        {"folder", folder.text("images")},
        {"empty path", Text()},
        {"empty file", folder.text("empty.bin")},
        {"file inside a missing folder", folder.text("nowhere/picture.jpg")},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(readFileBytes(c.path).empty()) << c.what;
    }
}

TEST_F(FileServicesTest, WriteJoinsTheBuffersSkippingEmptyOnesAndTruncates) {
    const Text path = folder.text("picture.jpg");
    ASSERT_TRUE(
        writeFileBytes(path, bytesOf("ab"), ByteBuffer(), bytesOf(std::string_view("\0c", 2))));
    EXPECT_EQ(readNative(folder.native("picture.jpg")), std::string("ab\0c", 4));
    ASSERT_TRUE(writeFileBytes(path, bytesOf("z")));
    EXPECT_EQ(readNative(folder.native("picture.jpg")), "z");
}

TEST_F(FileServicesTest, WritingAnEmptyBufferCreatesAnEmptyFile) {
    EXPECT_TRUE(writeFileBytes(folder.text("new.bin"), ByteBuffer()));
    ASSERT_TRUE(fs::exists(folder.native("new.bin")));
    EXPECT_EQ(fs::file_size(folder.native("new.bin")), 0U);
}

TEST_F(FileServicesTest, WriteFailuresGiveFalseAndCreateNothing) {
    const struct {
        const char* what;
        Text path;
    } cases[] = {
        {"missing folder", folder.text("nowhere/new.bin")},
        {"folder", folder.text("images")},
        {"empty path", Text()},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(writeFileBytes(c.path, bytesOf("data"))) << c.what;
    }
    EXPECT_FALSE(fs::exists(folder.native("nowhere")));
    EXPECT_TRUE(fs::is_directory(folder.native("images")));
}

TEST_F(FileServicesTest, DeleteRemovesFilesOnly) {
    EXPECT_TRUE(deleteFile(folder.text("picture.jpg")));
    EXPECT_FALSE(fs::exists(folder.native("picture.jpg")));
    EXPECT_FALSE(deleteFile(folder.text("picture.jpg"))) << "already gone";
    EXPECT_FALSE(deleteFile(folder.text("images")));
    EXPECT_TRUE(fs::is_directory(folder.native("images")));
    EXPECT_FALSE(deleteFile(Text()));
}

TEST_F(FileServicesTest, ExistsFindsFilesFoldersAndWildcardMatches) {
    const struct {
        std::string name;
        bool exists;
    } cases[] = {
        {"picture.jpg", true}, {"images", true},      {"missing.jpg", false}, {"*.jpg", true},
        {"*.png", false},      {"pic?ure.jpg", true}, {"图片?1?.jpg", true},  {"图?[1].jpg", true},
        {"图片[1].jpg", true}, {"图片1.jpg", false},  {"??", false},          {"nowhere/*", false},
        {"images/*", false},   {"*", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fileExists(folder.text(c.name)), c.exists) << c.name;
    }
    EXPECT_FALSE(fileExists(Text()));
}

} // namespace
} // namespace zanvik
