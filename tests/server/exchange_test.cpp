// The protocol's exchanges against the real server over loopback, byte for byte.
#include "link/protocolconstants.h"
#include "serverfixture.h"
#include "testclient.h"
#include "testpictures.h"

#include <gtest/gtest.h>

namespace zanvik::server::testing {
namespace {

using namespace std::chrono_literals;
using namespace zanvik::protocol;

std::string listMessage(std::initializer_list<std::string_view> titles) {
    std::string message(titleListTag);
    bool first = true;
    for (const auto title : titles) {
        message += first ? "" : ",";
        message += title;
        first = false;
    }
    return message;
}

TEST(Exchange, EmptyStoreListsNoTitles) {
    RunningServer server;
    TestClient client(server.port());
    EXPECT_EQ(client.titleList(), "[reqimgtitle]");
}

TEST(Exchange, EveryMessageOfAnUploadIsAnsweredExactly) {
    RunningServer server;
    TestClient client(server.port());
    const std::string picture = jpegOfSize(4001);
    ASSERT_TRUE(client.send("[title]\xc4\xe3\xba\xc3")); // "你好" in GBK
    EXPECT_EQ(client.receive(), "[nexttitle]");
    ASSERT_TRUE(client.send("[img]"));
    EXPECT_EQ(client.receive(), "[nextimg]");
    for (const std::size_t at : {0, 2000, 4000}) {
        ASSERT_TRUE(client.send(picture.substr(at, 2000)));
        EXPECT_EQ(client.receive(), "[nextimg]") << "after the chunk at " << at;
    }
    ASSERT_TRUE(client.send("[/img]"));
    EXPECT_TRUE(client.silentFor(300ms)) << "nothing answers the end of an upload";
    EXPECT_EQ(client.titleList(), listMessage({"\xc4\xe3\xba\xc3"}));
}

TEST(Exchange, DownloadEndsWithTheEndTagAloneAndRepeatsItWhenAskedAgain) {
    RunningServer server;
    TestClient uploader(server.port());
    const std::string picture = jpegOfSize(100 * 1024);
    ASSERT_TRUE(uploader.upload("big", picture));
    ASSERT_EQ(uploader.titleList(), listMessage({"big"}));

    TestClient client(server.port());
    ASSERT_TRUE(client.send("[reqimgdata]big"));
    std::string received;
    int parts = 0;
    for (std::string arrival = client.receive(); arrival != "[/nextimgdata]" && parts < 100;
         arrival = client.receive()) {
        ASSERT_FALSE(arrival.empty());
        EXPECT_LE(arrival.size(), 60u * 1024);
        received += arrival;
        ++parts;
        client.send("[nextimgdata]");
    }
    EXPECT_TRUE(received == picture);
    EXPECT_EQ(parts, 2) << "100 KiB in parts of 60 KiB";
    client.send("[nextimgdata]");
    EXPECT_EQ(client.receive(), "[/nextimgdata]");
}

// Each size is uploaded, then listed first and downloaded byte for byte.
TEST(Exchange, UploadsOfEverySizeComeBackIdentical) {
    RunningServer server;
    TestClient client(server.port());
    const std::size_t sizes[] = {1999, 2000, 2001, 4000, 4001, 1024 * 1024};
    for (const auto size : sizes) {
        const std::string title = "size" + std::to_string(size);
        const std::string picture = jpegOfSize(size, "[/img]\xff\xd9");
        ASSERT_EQ(picture.size(), size);
        ASSERT_TRUE(client.upload(title, picture)) << size;
        const std::string list = client.titleList();
        EXPECT_EQ(list.substr(0, 13 + title.size()), "[reqimgtitle]" + title) << size;
        TestClient reader(server.port());
        EXPECT_TRUE(reader.download(title) == picture) << size;
    }
}

// "[/img]" inside a picture is data wherever it lies: at the start of a chunk, across two
// chunks, ending a chunk, and as the last bytes before the picture's own end.
TEST(Exchange, EndTagInsideAPictureIsData) {
    RunningServer server;
    TestClient client(server.port());
    std::string picture = paddedSmallJpeg(6007, 'x');
    for (const std::size_t at : {2000, 3997, 5994, 6001}) {
        picture.replace(at, 6, "[/img]");
    }
    ASSERT_TRUE(client.upload("tags", picture));
    EXPECT_EQ(client.titleList(), listMessage({"tags"}));
    EXPECT_TRUE(TestClient(server.port()).download("tags") == picture);
}

// A picture whose bytes hold the client's tags (before any zero byte of a part) is cut so that
// no part would be taken for the end of the picture or for a title list.
TEST(Exchange, PartsNeverLookLikeTheEndOrATitleList) {
    RunningServer server;
    std::string picture = paddedSmallJpeg(80 * 1024, 'y');
    picture.replace(60 * 1024 + 10, 14, "[/nextimgdata]");
    picture.replace(62 * 1024 - 5, 13, "[reqimgtitle]");
    picture.replace(70 * 1024, 14, "[/nextimgdata]");
    TestClient client(server.port());
    ASSERT_TRUE(client.upload("tricky", picture));
    ASSERT_EQ(client.titleList(), listMessage({"tricky"}));
    EXPECT_TRUE(TestClient(server.port()).download("tricky") == picture);
}

TEST(Exchange, TitlesAreListedNewestFirst) {
    RunningServer server;
    TestClient client(server.port());
    for (const auto* title : {"a", "b", "c"}) {
        ASSERT_TRUE(client.upload(title, jpegOfSize(900)));
    }
    EXPECT_EQ(client.titleList(), listMessage({"c", "b", "a"}));
}

// An unknown title gets the end tag alone so the client leaves its busy state; the title is
// then retired, so the empty file the client caches can never hide a later picture.
TEST(Exchange, UnknownTitleEndsAtOnceAndIsRetired) {
    RunningServer server;
    TestClient client(server.port());
    ASSERT_TRUE(client.send("[reqimgdata]ghost"));
    EXPECT_EQ(client.receive(), "[/nextimgdata]");
    ASSERT_TRUE(client.send("[reqimgdata]"));
    EXPECT_EQ(client.receive(), "[/nextimgdata]") << "the empty title";
    TestClient uploader(server.port());
    ASSERT_TRUE(uploader.send("[title]ghost"));
    EXPECT_TRUE(uploader.closedByServer());
    EXPECT_EQ(client.titleList(), "[reqimgtitle]");
}

// A duplicate title is refused by closing the connection (the one thing the client shows);
// the picture stored first stays.
TEST(Exchange, DuplicateTitleIsRefusedAndTheFirstPictureStays) {
    RunningServer server;
    const std::string first = jpegOfSize(700);
    TestClient client(server.port());
    ASSERT_TRUE(client.upload("same", first));
    ASSERT_EQ(client.titleList(), listMessage({"same"}));
    TestClient second(server.port());
    ASSERT_TRUE(second.send("[title]same"));
    EXPECT_TRUE(second.closedByServer());
    EXPECT_TRUE(TestClient(server.port()).download("same") == first);
}

// Zero bytes, one byte and bytes that are not a JPEG are refused after "[/img]": the server
// closes the connection and stores nothing.
TEST(Exchange, UploadsThatAreNotJpegsAreRefused) {
    const struct {
        const char* name;
        std::string picture;
    } cases[] = {
        {"empty", ""},
        {"one byte", "x"},
        {"text of 2001 bytes", std::string(2001, 't')},
        {"JPEG cut short", makeJpeg(64, 64).substr(0, 1500)},
        {"JPEG start then noise", "\xff\xd8\xff" + std::string(3000, '\x13')},
    };
    RunningServer server;
    for (const auto& row : cases) {
        TestClient client(server.port());
        ASSERT_TRUE(client.upload(row.name, row.picture)) << row.name;
        EXPECT_TRUE(client.closedByServer()) << row.name;
    }
    EXPECT_EQ(TestClient(server.port()).titleList(), "[reqimgtitle]");
}

TEST(Exchange, RepeatedEndOfUploadIsIgnored) {
    RunningServer server;
    TestClient client(server.port());
    ASSERT_TRUE(client.upload("once", jpegOfSize(900)));
    ASSERT_TRUE(client.send("[/img]"));
    EXPECT_TRUE(client.silentFor(200ms));
    EXPECT_EQ(client.titleList(), listMessage({"once"}));
}

TEST(Exchange, UploadStartWithoutATitleIsRefused) {
    RunningServer server;
    TestClient client(server.port());
    ASSERT_TRUE(client.send("[img]"));
    EXPECT_TRUE(client.closedByServer());
}

// The admin commands work on the store while the server runs; the server's cached title list and
// pictures must follow at once.
TEST(Exchange, ChangesByAnotherProcessAreSeenAtOnce) {
    RunningServer server;
    TestClient client(server.port());
    const std::string picture = jpegOfSize(900);
    ASSERT_TRUE(client.upload("keep", picture));
    ASSERT_TRUE(client.upload("drop", picture));
    ASSERT_EQ(client.titleList(), listMessage({"drop", "keep"}));
    ASSERT_TRUE(client.download("drop") == picture);
    {
        PictureStore admin(server.folder().string());
        ASSERT_TRUE(admin.remove("drop"));
        ASSERT_EQ(
            admin.store("added", std::span(reinterpret_cast<const std::uint8_t*>(picture.data()),
                                           picture.size())),
            PictureCatalog::StoreResult::stored);
    }
    EXPECT_EQ(client.titleList(), listMessage({"added", "keep"}));
    EXPECT_EQ(client.download("drop"), "") << "deleted: the end tag alone";
    EXPECT_TRUE(client.download("added") == picture);
}

TEST(Exchange, SeededStoreListsTheSamplesInOrder) {
    RunningServer server({}, true);
    TestClient client(server.port());
    const std::string list = client.titleList();
    // "110吗这里有人装逼场面控制不住了" in GBK opens the list.
    EXPECT_EQ(list.rfind("[reqimgtitle]110\xc2\xf0", 0), 0u);
    EXPECT_EQ(std::count(list.begin(), list.end(), ','), 29);
}

} // namespace
} // namespace zanvik::server::testing
