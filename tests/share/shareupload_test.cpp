// The upload exchange of ShareWindow against a scripted loopback server: the exact bytes on the
// wire, the progress captions, disconnection, and one upload at a time.
#include "foundation/values/operations.h"
#include "foundation/windows/window.h"
#include "share/sharenames.h"
#include "share/shareupload.h"
#include "tests/link/eventpump.h"
#include "tests/share/sharewindowfixture.h"

#include <atomic>
#include <fstream>
#include <thread>
#include <vector>

namespace zanvik::testing {
namespace {

using namespace std::chrono_literals;

std::string bytesOf(const ByteBuffer& buffer, std::int32_t from, std::int32_t count) {
    return std::string(buffer.asStringView().substr(static_cast<std::size_t>(from),
                                                    static_cast<std::size_t>(count)));
}

class ShareUploadTest : public ShareWindowTest {
protected:
    // A title in the box and a file at the path, so that the input is valid.
    void fillInput(std::string_view title) {
        setText(share::titleBox, title);
        const auto path = folder.native("p.jpg");
        std::ofstream(path) << "x";
        window->control(share::pathBox).setText(gbkFromUtf8(path.string()));
    }
    // Presses send and checks that exactly the title message arrives.
    void startUpload(std::string_view title) {
        fillInput(title);
        press(share::sendButton);
        const std::string expected = "[title]" + std::string(gbkFromUtf8(title).bytes());
        ASSERT_EQ(receive(expected.size()), expected);
    }
};

TEST_F(ShareUploadTest, ChunksOfAtMost2000BytesWithProgressCaptions) {
    const struct {
        std::int32_t size;
        std::vector<std::string> captions; // one per chunk, UTF-8
    } cases[] = {
        {0, {}},
        {2000, {"已发送：2000/0/100%"}},
        {3000, {"已发送：3000/1000/66.67%", "已发送：3000/0/100%"}},
        {4001, {"已发送：4001/2001/49.99%", "已发送：4001/1/99.98%", "已发送：4001/0/100%"}},
        {5000, {"已发送：5000/3000/40%", "已发送：5000/1000/80%", "已发送：5000/0/100%"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const ByteBuffer picture = patternBytes(c.size);
        processState().uploadBuffer = picture;
        startUpload("图" + std::to_string(c.size));
        const std::string captionBefore = caption();
        serverSends("[nexttitle]");
        EXPECT_EQ(receive(5), "[img]");
        EXPECT_EQ(processState().uploadTotal, c.size);
        std::int32_t sent = 0;
        for (const std::string& expectedCaption : c.captions) {
            serverSends("[nextimg]");
            const std::int32_t chunk = std::min(2000, c.size - sent);
            EXPECT_EQ(receive(static_cast<std::size_t>(chunk)), bytesOf(picture, sent, chunk));
            sent += chunk;
            EXPECT_TRUE(captionBecomes(expectedCaption)) << caption();
            EXPECT_EQ(processState().uploadBuffer.length(), c.size - sent);
        }
        serverSends("[nextimg]");
        EXPECT_EQ(receive(6), "[/img]");
        if (c.captions.empty()) {
            EXPECT_EQ(caption(), captionBefore) << "no progress caption for an empty picture";
        }
        // Every later request is answered with the end again; the caption stays.
        const std::string last = caption();
        serverSends("[nextimg]");
        EXPECT_EQ(receive(6), "[/img]");
        EXPECT_EQ(receiveUntilQuiet(), "");
        EXPECT_EQ(caption(), last);
    }
}

TEST_F(ShareUploadTest, OneArrivalWithBothTagsSendsStartThenFirstChunk) {
    const ByteBuffer picture = patternBytes(2500);
    processState().uploadBuffer = picture;
    startUpload("两个");
    serverSends("[nexttitle][nextimg]");
    EXPECT_EQ(receive(5 + 2000), "[img]" + bytesOf(picture, 0, 2000));
    EXPECT_TRUE(captionBecomes("已发送：2500/500/80%"));
}

TEST_F(ShareUploadTest, ArrivalsWithoutItsTagsAreIgnored) {
    processState().uploadBuffer = patternBytes(100);
    startUpload("t");
    const std::string arrivals[] = {
        std::string("\0[nexttitle]", 12), "[reqimgtitle]a,b", "[NEXTIMG]", "x",
        std::string("ab\0[nextimg]", 12),
    };
    for (const std::string& arrival : arrivals) {
        serverSends(arrival);
        EXPECT_EQ(receiveUntilQuiet(), "") << arrival;
    }
    EXPECT_EQ(processState().uploadBuffer.length(), 100);
}

TEST_F(ShareUploadTest, DisconnectionIsShownAndTheRestStays) {
    const ByteBuffer picture = patternBytes(5000);
    processState().uploadBuffer = picture;
    startUpload("断");
    serverSends("[nexttitle][nextimg]");
    receive(5 + 2000);
    peer.close();
    EXPECT_TRUE(captionBecomes("与图片服务器连接断开"));
    EXPECT_EQ(processState().uploadBuffer, ByteBuffer::fromString(bytesOf(picture, 2000, 3000)));
    EXPECT_EQ(processState().uploadTotal, 5000);
}

// A second press while chunks go out would put a second title among them and corrupt both
// pictures: it is refused until the upload has ended.
TEST_F(ShareUploadTest, SecondPressDuringAnUploadStartsNoOtherOne) {
    const ByteBuffer picture = patternBytes(3000);
    processState().uploadBuffer = picture;
    startUpload("一");
    // Before the server answered the title.
    press(share::sendButton);
    EXPECT_EQ(caption(), "正在上传，请稍候");
    EXPECT_EQ(receiveUntilQuiet(), "");
    serverSends("[nexttitle][nextimg]");
    EXPECT_EQ(receive(5 + 2000), "[img]" + bytesOf(picture, 0, 2000));
    // While the chunks go out.
    press(share::sendButton);
    EXPECT_EQ(caption(), "正在上传，请稍候");
    EXPECT_EQ(receiveUntilQuiet(), "") << "no second title among the chunks";
    serverSends("[nextimg]");
    EXPECT_EQ(receive(1000), bytesOf(picture, 2000, 1000));
    serverSends("[nextimg]");
    EXPECT_EQ(receive(6), "[/img]");
    // Ended: the button starts the next upload again.
    press(share::sendButton);
    EXPECT_EQ(receive(7 + 2), "[title]" + std::string(gbkFromUtf8("一").bytes()));
}

TEST_F(ShareUploadTest, LostConnectionOrUnsentTitleFreesTheSendButton) {
    startUpload("甲");
    peer.close();
    ASSERT_TRUE(captionBecomes("与图片服务器连接断开"));
    press(share::reconnectButton);
    peer = server.accept(2s);
    ASSERT_TRUE(peer.valid());
    startUpload("乙"); // on the new connection
    serverSends("[nexttitle][nextimg]");
    EXPECT_EQ(receive(5 + 6), "[img][/img]");

    // Not connected: the title cannot go out, no answer will come, so the button stays free.
    ASSERT_FALSE(share::shareClient(*window).link().connectTo(Text(), 0));
    press(share::sendButton);
    ASSERT_TRUE(pumpUntil([&] { return !share::shareClient(*window).uploadUnderWay(); }, 5s));
    press(share::sendButton);
    EXPECT_NE(caption(), "正在上传，请稍候");
}

TEST_F(ShareUploadTest, NoTotalGivesASaneFigure) {
    processState().uploadBuffer = ByteBuffer();
    startUpload("空");
    serverSends("[nexttitle]");
    EXPECT_EQ(receive(5), "[img]");
    EXPECT_EQ(processState().uploadTotal, 0);
    // A picture chosen after the title was accepted for an empty buffer.
    const ByteBuffer picture = patternBytes(3000);
    processState().uploadBuffer = picture;
    serverSends("[nextimg]");
    EXPECT_EQ(receive(2000), bytesOf(picture, 0, 2000));
    EXPECT_TRUE(captionBecomes("已发送：0/1000/0%")) << caption();
    serverSends("[nextimg]");
    EXPECT_EQ(receive(1000), bytesOf(picture, 2000, 1000));
    EXPECT_TRUE(captionBecomes("已发送：0/0/100%")) << caption();
}

TEST_F(ShareUploadTest, TitleIsReadWhenTheWorkerRuns) {
    fillInput("早");
    auto client = share::shareClient(*window).anchor();
    const link::LinkSender sender = share::shareClient(*window).link().sender();
    setText(share::titleBox, "晚");
    std::atomic<bool> done = false;
    std::thread worker([&] {
        share::sendTitleWorker(client, sender, 0);
        done = true;
    });
    EXPECT_TRUE(pumpUntil([&] { return done.load(); }, 5s));
    worker.join();
    EXPECT_EQ(receive(9), "[title]" + std::string(gbkFromUtf8("晚").bytes()));
}

// The worker may outlive its window: it then reads nothing of it and sends nothing.
TEST_F(ShareUploadTest, WorkerOutlivingTheWindowSendsNothing) {
    fillInput("迟");
    auto anchor = share::shareClient(*window).anchor();
    const link::LinkSender sender = share::shareClient(*window).link().sender();
    window->close();
    processPendingEvents();
    ASSERT_EQ(openWindow(*definition), nullptr);
    std::atomic<bool> done = false;
    std::thread worker([&] {
        share::sendTitleWorker(anchor, sender, 1);
        done = true;
    });
    EXPECT_TRUE(pumpUntil([&] { return done.load(); }, 5s));
    worker.join();
    pumpFor(50ms);
    EXPECT_TRUE(peer.seesClose(2s));
    EXPECT_FALSE(sender.sendBytes(ByteBuffer::fromString("x"))) << "the link is gone";
}

// Pressing send and closing the window at once: the detached worker finds the window gone.
TEST_F(ShareUploadTest, ClosingRightAfterThePressIsSafe) {
    for (int round = 0; round < 20; ++round) {
        fillInput("关");
        press(share::sendButton);
        window->close();
        processPendingEvents();
        pumpFor(20ms);
        openWindowConnectingTo(server.port());
        peer = server.accept(2s);
        ASSERT_TRUE(peer.valid());
    }
}

} // namespace
} // namespace zanvik::testing
