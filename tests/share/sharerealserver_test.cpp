// A whole upload from ShareWindow to the real image server, then the picture is listed and
// downloads byte for byte; and a refusal by the server shows as the lost connection.
#include "foundation/windows/window.h"
#include "share/sharenames.h"
#include "tests/link/eventpump.h"
#include "tests/server/serverfixture.h"
#include "tests/server/testclient.h"
#include "tests/share/sharewindowfixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace zanvik::testing {
namespace {

using namespace std::chrono_literals;
using server::testing::RunningServer;
using server::testing::TestClient;

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ShareRealServerTest : public ShareWindowTest {
protected:
    // The window connects to the real server instead of the scripted one.
    void SetUp() override {
        resetProcessState();
        openWindowConnectingTo(imageServer.port());
        ASSERT_EQ(caption(), "连接图片服务器成功");
    }
    bool listed(const std::string& title) {
        return pumpUntil(
            [&] {
                TestClient client(imageServer.port());
                return client.titleList().find(title) != std::string::npos;
            },
            5s);
    }
    RunningServer imageServer;
};

TEST_F(ShareRealServerTest, UploadedPictureIsListedAndDownloadsIdentical) {
    const auto path = folder.native("大图.jpg");
    const std::string command =
        "/usr/bin/convert -size 300x200 plasma:fractal -quality 95 '" + path.string() + "'";
    if (std::system(command.c_str()) != 0) {
        GTEST_SKIP() << "/usr/bin/convert could not make a JPEG";
    }
    const std::string picture = fileBytes(path);
    ASSERT_GT(picture.size(), 4000u) << "several chunks";
    browseChoosing(path.string());
    EXPECT_EQ(text(share::resolutionLabel), "300 x 200");
    setText(share::titleBox, "分享测试");
    press(share::sendButton);
    const std::string done = "已发送：" + std::to_string(picture.size()) + "/0/100%";
    ASSERT_TRUE(captionBecomes(done)) << caption();

    const std::string title(gbkFromUtf8("分享测试").bytes());
    ASSERT_TRUE(listed(title));
    TestClient client(imageServer.port());
    EXPECT_EQ(client.download(title), picture);
    EXPECT_FALSE(share::shareClient(*window).uploadUnderWay()) << "ended with the end message";
}

TEST_F(ShareRealServerTest, RefusedUploadShowsTheLostConnection) {
    // Not a JPEG: the server closes the connection after the end of the upload.
    processState().uploadBuffer = ByteBuffer::fromString("plain text, not a picture");
    const auto path = folder.native("x.jpg");
    std::ofstream(path) << "x";
    window->control(share::pathBox).setText(gbkFromUtf8(path.string()));
    setText(share::titleBox, "文本");
    press(share::sendButton);
    EXPECT_TRUE(captionBecomes("与图片服务器连接断开")) << caption();
    EXPECT_FALSE(listed(std::string(gbkFromUtf8("文本").bytes())));
}

} // namespace
} // namespace zanvik::testing
