#include "foundation/services/imagesize.h"
#include "tests/foundation/services/scratchfolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace zanvik {
namespace {

class ImageSizeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = std::make_unique<testing::ScratchFolder>();
        // A real JPEG made by ImageMagick, stored under a name that does not say JPEG.
        const std::string command = "/usr/bin/convert -size 640x480 gradient:red-blue jpeg:" +
                                    folder->native("photo.dat").string();
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ofstream(folder->native("notes.txt")) << "a text file, not a picture\n";
    }
    static void TearDownTestSuite() { folder.reset(); }
    static inline std::unique_ptr<testing::ScratchFolder> folder;
};

TEST_F(ImageSizeTest, SizesOfAPictureAndZeroForEverythingElse) {
    const struct {
        const char* what;
        Text path;
        std::int32_t width;
        std::int32_t height;
    } cases[] = {
        {"640 × 480 JPEG", folder->text("photo.dat"), 640, 480},
        {"text file", folder->text("notes.txt"), 0, 0},
        {"missing file", folder->text("missing.jpg"), 0, 0},
        {"folder", folder->text(""), 0, 0},
        {"empty path", Text(), 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(imageWidth(c.path), c.width) << c.what;
        EXPECT_EQ(imageHeight(c.path), c.height) << c.what;
    }
}

} // namespace
} // namespace zanvik
