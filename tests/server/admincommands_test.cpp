#include "server/admincommands.h"
#include "serverfixture.h"
#include "testpictures.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace zanvik::server::testing {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int run(PictureStore& store, std::vector<std::string> arguments, std::string* output = nullptr) {
    const auto parsed = parseOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<Options>(parsed));
    std::ostringstream out;
    std::ostringstream err;
    const int code = runAdminCommand(std::get<Options>(parsed), store, out, err);
    if (output != nullptr) {
        *output = out.str();
    }
    return code;
}

TEST(AdminCommands, ImportListExportDelete) {
    TempFolder data;
    TempFolder in;
    TempFolder outFolder;
    PictureStore store(data.path().string());
    const std::string cat = jpegOfSize(900, "c");
    const std::string dog = jpegOfSize(1300, "d");
    writeFile(in.path() / "猫.jpg", cat);
    writeFile(in.path() / "dog.jpg", dog);
    writeFile(in.path() / "notes.txt", "not a picture");
    writeFile(in.path() / "broken.jpg", "not a JPEG");

    EXPECT_EQ(run(store, {"import", in.path().string()}), 1) << "broken.jpg is reported";
    std::string listing;
    EXPECT_EQ(run(store, {"list"}, &listing), 0);
    EXPECT_NE(listing.find("900\t猫\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("1300\tdog\n"), std::string::npos) << listing;
    EXPECT_EQ(store.entries().size(), 2u);

    EXPECT_EQ(run(store, {"export", outFolder.path().string()}), 0);
    EXPECT_EQ(readFile(outFolder.path() / "猫.jpg"), cat);
    EXPECT_EQ(readFile(outFolder.path() / "dog.jpg"), dog);

    EXPECT_EQ(run(store, {"delete", "猫"}), 0);
    EXPECT_EQ(run(store, {"delete", "猫"}), 1) << "already gone";
    ASSERT_EQ(store.entries().size(), 1u);
    EXPECT_TRUE(store.titleTaken("\xc3\xa8")) << "a deleted title is retired (GBK of 猫)";
}

TEST(AdminCommands, CommandLineMistakesAreReported) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"delete"},          {"import", "a", "b"},       {"frobnicate"},
        {"--port", "70000"}, {"--max-connections", "0"}, {"--idle-timeout-ms", "soon"},
        {"--data"},
    };
    for (const auto& arguments : mistakes) {
        EXPECT_TRUE(std::holds_alternative<UsageError>(parseOptions(arguments)))
            << arguments.front();
    }
    const auto parsed = parseOptions({"--port", "0", "--max-title-bytes", "40", "--no-samples"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    EXPECT_EQ(std::get<Options>(parsed).port, 0);
    EXPECT_EQ(std::get<Options>(parsed).limits.maxTitleBytes, 40u);
    EXPECT_FALSE(std::get<Options>(parsed).seedSamples);
}

} // namespace
} // namespace zanvik::server::testing
