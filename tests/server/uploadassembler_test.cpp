#include "server/uploadassembler.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik::server {
namespace {

using State = UploadAssembler::State;

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string pattern(std::size_t size, char first = 'a') {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        bytes += static_cast<char>(first + i % 23);
    }
    return bytes;
}

// Each row is the reads the server sees after "[img]", with the answers it must give to each
// and the picture it must end with. The client sends a chunk only after an answer; TCP may
// split a chunk into several reads, or join the rest of a chunk with the next message.
struct Row {
    const char* name;
    std::vector<std::string> reads;
    std::vector<int> answers;
    State end;
    std::string picture;
};

TEST(UploadAssembler, TellsChunksFromTheEndTag) {
    const std::string full = pattern(2000);
    const std::string short1 = pattern(1, 'q');
    const std::string last6 = pattern(1994) + "[/img]";
    const Row rows[] = {
        {"empty picture", {"[/img]"}, {0}, State::complete, ""},
        {"one byte", {"x", "[/img]"}, {1, 0}, State::complete, "x"},
        {"exactly one chunk", {full, "[/img]"}, {1, 0}, State::complete, full},
        {"two chunks and one byte",
         {full, full, short1, "[/img]"},
         {1, 1, 1, 0},
         State::complete,
         full + full + short1},
        {"chunk that ends with the end tag", {last6, "[/img]"}, {1, 0}, State::complete, last6},
        {"chunk that starts with the end tag",
         {"[/img]" + pattern(1994), "[/img]"},
         {1, 0},
         State::complete,
         "[/img]" + pattern(1994)},
        {"short chunk that is a prefix of the tag",
         {"[/i", "[/img]"},
         {1, 0},
         State::complete,
         "[/i"},
        {"full chunk split in two reads",
         {full.substr(0, 1448), full.substr(1448), "[/img]"},
         {1, 0, 0},
         State::complete,
         full},
        {"split full chunk, rest joined with next chunk's start",
         {full.substr(0, 1000), full.substr(1000) + short1, "[/img]"},
         {1, 1, 0},
         State::complete,
         full + short1},
        {"short chunk split, rest joined with the end tag",
         {"abc", "def[/img]"},
         {1, 0},
         State::complete,
         "abcdef"},
        {"short chunk split, end tag of its own",
         {"abc", "def", "[/img]"},
         {1, 0, 0},
         State::complete,
         "abcdef"},
        {"end tag, then the next message in the same read",
         {full, "[/img][reqimgtitle]"},
         {1, 0},
         State::complete,
         full},
        {"short chunk, then the end tag and the next message in one read",
         {"abc", "[/img][reqimgtitle]"},
         {1, 0},
         State::complete,
         "abc"},
        {"chunk that starts with the end tag and a non-tag",
         {"[/img]x", "[/img]"},
         {1, 0},
         State::complete,
         "[/img]x"},
        {"no end yet", {full, "abc"}, {1, 1}, State::needMore, ""},
        {"larger than allowed", {full, full, full}, {1, 1, 0}, State::bad, ""},
    };
    for (const auto& row : rows) {
        UploadAssembler assembler(5000);
        UploadAssembler::Step step;
        for (std::size_t i = 0; i < row.reads.size(); ++i) {
            step = assembler.consume(bytesOf(row.reads[i]));
            EXPECT_EQ(step.answers, row.answers[i]) << row.name << ", read " << i;
        }
        EXPECT_EQ(step.state, row.end) << row.name;
        if (std::string(row.name).find("next message") != std::string::npos) {
            const auto leftover = assembler.takeLeftover();
            EXPECT_EQ(std::string(leftover.begin(), leftover.end()), "[reqimgtitle]");
        }
        if (row.end == State::complete) {
            EXPECT_EQ(std::string(assembler.picture().begin(), assembler.picture().end()),
                      row.picture)
                << row.name;
        }
    }
}

TEST(UploadAssembler, TakesNothingAfterTheEnd) {
    UploadAssembler assembler(100);
    ASSERT_EQ(assembler.consume(bytesOf("ab")).answers, 1);
    ASSERT_EQ(assembler.consume(bytesOf("[/img]")).state, State::complete);
    const auto after = assembler.consume(bytesOf("more"));
    EXPECT_EQ(after.state, State::complete);
    EXPECT_EQ(after.answers, 0);
    EXPECT_EQ(assembler.picture().size(), 2u);
}

} // namespace
} // namespace zanvik::server
