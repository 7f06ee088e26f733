// ShareWindow's look, its connection captions, and choosing and previewing a picture through
// the real open-file dialog.
#include "foundation/values/operations.h"
#include "foundation/windows/window.h"
#include "share/sharenames.h"
#include "share/shareupload.h"
#include "tests/link/eventpump.h"
#include "tests/share/sharewindowfixture.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <fstream>

namespace zanvik::testing {
namespace {

using namespace std::chrono_literals;

void writeFile(const std::filesystem::path& path, const ByteBuffer& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.length());
}

// A real JPEG of the given size made by ImageMagick; false when it is not installed.
bool makeJpeg(const std::filesystem::path& path, int width, int height) {
    const std::string command = "/usr/bin/convert -size " + std::to_string(width) + "x" +
                                std::to_string(height) + " gradient:red-blue '" + path.string() +
                                "' 2>/dev/null";
    return std::system(command.c_str()) == 0 && std::filesystem::exists(path);
}

TEST_F(ShareWindowTest, OpensWithItsControlsAndReportsTheConnection) {
    EXPECT_EQ(caption(), "连接图片服务器成功");
    EXPECT_EQ(window->widget()->size(), QSize(423 - 6, 367 - 28));
    EXPECT_TRUE(window->widget()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    const struct {
        const char* name;
        const char* text;
    } texts[] = {
        {"标签1", "标题(描述："},
        {"标签3", "标题不超过10个字符（含中文）"},
        {"标签2", "选择图片："},
        {"按钮1", "浏览（&F）"},
        {"标签4", "图片大小："},
        {"标签5", "分辨率："},
        {"按钮2", "发送分享（&S）"},
        {"按钮3", "重连（&R）"},
        {"透明标签1", "发送前请认真填好图片上文字描述。禁黄！"},
        {"编辑框_标题", ""},
        {"编辑框_图片路径", ""},
        {"标签_大小", ""},
        {"标签_分辨率", ""},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(text(t.name), t.text) << t.name;
    }
    EXPECT_TRUE(qobject_cast<QLineEdit*>(widget(share::pathBox))->isReadOnly());
    EXPECT_FALSE(qobject_cast<QLineEdit*>(widget(share::titleBox))->isReadOnly());
    EXPECT_EQ(widget(share::preview)->geometry(), QRect(170, 152, 160, 130));
    EXPECT_EQ(window->control(share::preview).displayMode(), displayModeStretch);
    EXPECT_EQ(receiveUntilQuiet(), "") << "connecting sends nothing";
    // The background illustration is stretched over the client area: a pale blue sky at the
    // top right, where no control stands, not the plain button face.
    const QColor sky = window->widget()->grab().toImage().pixelColor(400, 6);
    EXPECT_GT(sky.blue(), sky.red() + 20) << sky.name().toStdString();
}

TEST_F(ShareWindowTest, StartsFromTheDefinitionButKeepsTheUploadBuffer) {
    const ByteBuffer left = patternBytes(3);
    processState().uploadBuffer = left;
    setText(share::titleBox, "x");
    window->close();
    processPendingEvents();
    openWindowConnectingTo(server.port());
    EXPECT_EQ(text(share::titleBox), "");
    EXPECT_EQ(text(share::pathBox), "");
    EXPECT_EQ(text(share::sizeLabel), "");
    EXPECT_EQ(processState().uploadBuffer, left);
}

TEST_F(ShareWindowTest, ReconnectReplacesTheConnectionAndReportsEachOutcome) {
    press(share::reconnectButton);
    LoopbackPeer second = server.accept(2s);
    ASSERT_TRUE(second.valid());
    EXPECT_EQ(caption(), "连接图片服务器成功");
    EXPECT_TRUE(peer.seesClose(2s)) << "the old connection ends";

    // A server that is gone: the reconnect fails and says so.
    const int unused = LoopbackListener::unusedPort();
    window->close();
    processPendingEvents();
    openWindowConnectingTo(unused);
    EXPECT_EQ(caption(), "连接图片服务器失败");
    press(share::reconnectButton);
    EXPECT_EQ(caption(), "连接图片服务器失败");
}

TEST_F(ShareWindowTest, BrowseShowsSizeOfEachFile) {
    const struct {
        std::int32_t bytes;
        const char* label;
    } cases[] = {
        {1000, "0.98 kb"}, {1024, "1 kb"},   {5000, "4.88 kb"},
        {1, "0 kb"},       {51200, "50 kb"}, {1536, "1.5 kb"},
    };
    for (const auto& c : cases) {
        const auto path = folder.native("文件" + std::to_string(c.bytes) + ".jpg");
        writeFile(path, patternBytes(c.bytes));
        browseChoosing(path.string());
        EXPECT_EQ(text(share::sizeLabel), c.label) << c.bytes;
        EXPECT_EQ(text(share::pathBox), path.string());
        EXPECT_EQ(processState().uploadBuffer, patternBytes(c.bytes));
        EXPECT_EQ(text(share::resolutionLabel), "0 x 0") << "not a picture";
    }
}

TEST_F(ShareWindowTest, BrowsePreviewsAPictureWithItsResolution) {
    const auto path = folder.native("照片.jpg");
    if (!makeJpeg(path, 640, 480)) {
        GTEST_SKIP() << "/usr/bin/convert could not make a JPEG";
    }
    const DialogSeen seen = browseChoosing(path.string());
    EXPECT_EQ(seen.title, "选择图片(仅支持jpg格式)");
    EXPECT_EQ(seen.filters, "jpg图像文件(*.jpg) (*.jpg)");
    EXPECT_EQ(text(share::resolutionLabel), "640 x 480");
    EXPECT_EQ(processState().uploadBuffer.length(),
              static_cast<std::int32_t>(std::filesystem::file_size(path)));
    // The preview shows the picture: its pixels are not the empty box's.
    const QImage shown = widget(share::preview)->grab().toImage();
    EXPECT_NE(shown.pixelColor(10, 10), shown.pixelColor(150, 120))
        << "a red-to-blue gradient, stretched over the box";
}

TEST_F(ShareWindowTest, CancellingReadsWhatThePathBoxHolds) {
    // Right after opening: the empty path empties the buffer and zeroes the labels.
    processState().uploadBuffer = patternBytes(10);
    browseChoosing("");
    EXPECT_TRUE(processState().uploadBuffer.empty());
    EXPECT_EQ(text(share::sizeLabel), "0 kb");
    EXPECT_EQ(text(share::resolutionLabel), "0 x 0");
    EXPECT_EQ(text(share::pathBox), "");

    // After a file was chosen: the same file is read again, whole.
    const auto path = folder.native("a.jpg");
    writeFile(path, patternBytes(5000));
    browseChoosing(path.string());
    processState().uploadBuffer = ByteBuffer(); // as after an upload
    browseChoosing("");
    EXPECT_EQ(text(share::pathBox), path.string());
    EXPECT_EQ(processState().uploadBuffer, patternBytes(5000));

    // A file that vanished: empty buffer, labels at 0.
    std::filesystem::remove(path);
    browseChoosing("");
    EXPECT_TRUE(processState().uploadBuffer.empty());
    EXPECT_EQ(text(share::sizeLabel), "0 kb");
}

// Presses send and counts the message boxes that appear (each is closed with OK).
struct BoxesSeen {
    int count = 0;
    std::string text;
    std::string caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool ownerless = false;
};

TEST_F(ShareWindowTest, IncompleteInputShowsOneMessageBoxAndSendsNothing) {
    const auto existing = folder.native("有.jpg");
    writeFile(existing, patternBytes(10));
    const struct {
        const char* title;
        std::string path;
        bool valid;
    } cases[] = {
        {"", existing.string(), false},
        {"标题", folder.native("无.jpg").string(), false},
        {"", folder.native("无.jpg").string(), false},
        {"标题", "", false},
        {"   ", existing.string(), true},
        {"二十个汉字二十个汉字二十个汉字二十个汉字", existing.string(), true},
    };
    for (const auto& c : cases) {
        setText(share::titleBox, c.title);
        window->control(share::pathBox).setText(gbkFromUtf8(c.path));
        EXPECT_EQ(share::validateShare(*window), c.valid) << c.title << " " << c.path;
        BoxesSeen seen;
        QPointer<QTimer> watcher = whenDialogAppears<QMessageBox>([&seen](QMessageBox& box) {
            ++seen.count;
            seen.text = box.text().toStdString();
            seen.caption = box.windowTitle().toStdString();
            seen.icon = box.icon();
            seen.ownerless = box.parentWidget() == nullptr;
            box.button(QMessageBox::Ok)->click();
        });
        processState().uploadBuffer = ByteBuffer();
        press(share::sendButton);
        pumpFor(100ms);
        if (c.valid) {
            const std::string title(gbkFromUtf8(c.title).bytes());
            EXPECT_EQ(receive(7 + title.size()), "[title]" + title) << "sent whole, as typed";
            EXPECT_EQ(seen.count, 0) << c.title;
            delete watcher.data();
            // End this upload, so that the next press may start another.
            serverSends("[nexttitle]");
            EXPECT_EQ(receive(5), "[img]");
            serverSends("[nextimg]");
            EXPECT_EQ(receive(6), "[/img]");
        } else {
            EXPECT_EQ(seen.count, 1);
            EXPECT_EQ(seen.text, "图片不存在或者标题不完整！");
            EXPECT_EQ(seen.caption, "温馨提示");
            EXPECT_EQ(seen.icon, QMessageBox::Critical);
            EXPECT_TRUE(seen.ownerless);
            EXPECT_EQ(receiveUntilQuiet(), "") << "nothing is sent";
        }
    }
}

} // namespace
} // namespace zanvik::testing
