// The protocol state machine on its own: how it splits and joins what arrives into messages.
#include "server/memorycatalog.h"
#include "server/session.h"

#include <gtest/gtest.h>

namespace zanvik::server {
namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string joined(const Session::Output& out) {
    std::string all;
    for (const auto& reply : out.replies) {
        all += "<" + std::string(reply.bytes().begin(), reply.bytes().end()) + ">";
    }
    return all;
}

// Each row: the reads of one connection, and the replies (each in <>) to each read, or "closed".
TEST(Session, SplitsAndJoinsMessages) {
    const struct {
        const char* name;
        std::vector<std::string> reads;
        std::vector<std::string> replies;
    } rows[] = {
        {"a tag in two reads", {"[reqimg", "title]"}, {"", "<[reqimgtitle]>"}},
        {"two requests in one read",
         {"[reqimgtitle][reqimgtitle]"},
         {"<[reqimgtitle]><[reqimgtitle]>"}},
        {"a title takes the rest of its read",
         {"[title]a[x]", "[img]"},
         {"<[nexttitle]>", "<[nextimg]>"}},
        {"a title holding a tag is refused", {"[title]a[img]"}, {"closed"}},
        {"the upload start after the title",
         {"[title]t", "[img]"},
         {"<[nexttitle]>", "<[nextimg]>"}},
        {"upload start without a title", {"[img]"}, {"closed"}},
        {"unknown bytes", {"hello"}, {"closed"}},
        {"a repeated end of upload", {"[/img]", "[reqimgtitle]"}, {"", "<[reqimgtitle]>"}},
        {"next part with no download", {"[nextimgdata]"}, {"<[/nextimgdata]>"}},
        {"unknown title",
         {"[reqimgdata]none", "[nextimgdata]"},
         {"<[/nextimgdata]>", "<[/nextimgdata]>"}},
        {"title too long for a request",
         {"[reqimgdata]" + std::string(200, 'a')},
         {"<[/nextimgdata]>"}},
        {"too many bytes at once", {std::string(5000, '[')}, {"closed"}},
    };
    for (const auto& row : rows) {
        MemoryCatalog catalog;
        Limits limits;
        limits.maxBufferedBytes = 4096;
        Session session(catalog, limits);
        for (std::size_t i = 0; i < row.reads.size(); ++i) {
            const auto out = session.consume(bytesOf(row.reads[i]));
            EXPECT_EQ(out.refusal ? "closed" : joined(out), row.replies[i])
                << row.name << ", read " << i;
        }
    }
}

TEST(Session, DownloadsInPartsThenEnds) {
    MemoryCatalog catalog;
    const std::string picture(150 * 1024, 'p');
    catalog.store("pic", bytesOf(picture));
    Limits limits;
    Session session(catalog, limits);
    std::string received;
    auto out = session.consume(bytesOf("[reqimgdata]pic"));
    for (int parts = 0; parts < 10 && joined(out) != "<[/nextimgdata]>"; ++parts) {
        ASSERT_EQ(out.replies.size(), 1u);
        received += std::string(out.replies[0].bytes().begin(), out.replies[0].bytes().end());
        out = session.consume(bytesOf("[nextimgdata]"));
    }
    EXPECT_TRUE(received == picture);
}

} // namespace
} // namespace zanvik::server
