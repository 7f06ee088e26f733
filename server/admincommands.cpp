#include "server/admincommands.h"

#include "foundation/values/gbkcodec.h"
#include "server/jpegcheck.h"
#include "server/titlecheck.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace zanvik::server {
namespace {

namespace fs = std::filesystem;

int listTitles(PictureStore& store, std::ostream& out) {
    for (const auto& entry : store.entries()) {
        out << entry.size << '\t' << utf8FromGbk(Text(entry.title)) << '\n';
    }
    return 0;
}

int deleteTitle(PictureStore& store, const std::string& titleUtf8, std::ostream& out,
                std::ostream& err) {
    const Text title = gbkFromUtf8(titleUtf8);
    if (!store.remove(title.bytes())) {
        err << "no picture titled \"" << titleUtf8 << "\"\n";
        return 1;
    }
    out << "deleted \"" << titleUtf8 << "\"\n";
    return 0;
}

int importFolder(PictureStore& store, const Limits& limits, const fs::path& folder,
                 std::ostream& out, std::ostream& err) {
    std::error_code error;
    fs::directory_iterator files(folder, error);
    if (error) {
        err << "cannot read " << folder.string() << ": " << error.message() << '\n';
        return 1;
    }
    int faults = 0;
    for (const auto& file : files) {
        const auto path = file.path();
        if (!file.is_regular_file(error) ||
            (path.extension() != ".jpg" && path.extension() != ".JPG")) {
            continue;
        }
        const std::string nameUtf8 = path.stem().string();
        const Text title = gbkFromUtf8(nameUtf8);
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
        std::optional<std::string> fault;
        if (utf8FromGbk(title) != nameUtf8) {
            fault = "has characters that GBK cannot hold";
        } else if (auto titleProblem = titleFault(title.bytes(), limits.maxTitleBytes)) {
            fault = "title " + *titleProblem;
        } else if (bytes.size() > limits.maxPictureBytes) {
            fault = "is larger than " + std::to_string(limits.maxPictureBytes) + " bytes";
        } else if (auto pictureProblem = jpegFault(bytes, limits.maxPicturePixels)) {
            fault = *pictureProblem;
        } else if (store.store(title.bytes(), bytes) != PictureCatalog::StoreResult::stored) {
            fault = "was not stored: the title is taken or the store failed";
        }
        if (fault) {
            err << path.string() << ": " << *fault << '\n';
            ++faults;
        } else {
            out << "imported \"" << nameUtf8 << "\" (" << bytes.size() << " bytes)\n";
        }
    }
    return faults == 0 ? 0 : 1;
}

int exportFolder(PictureStore& store, const fs::path& folder, std::ostream& out,
                 std::ostream& err) {
    std::error_code error;
    fs::create_directories(folder, error);
    int faults = 0;
    store.forEachPicture([&](std::string_view title, std::span<const std::uint8_t> bytes) {
        // Stored titles passed the title check, so each is a plain file name.
        const auto path = folder / (utf8FromGbk(Text(title)) + ".jpg");
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            err << "cannot write " << path.string() << '\n';
            ++faults;
        } else {
            out << "exported " << path.string() << '\n';
        }
        return true;
    });
    return faults == 0 ? 0 : 1;
}

} // namespace

int runAdminCommand(const Options& options, PictureStore& store, std::ostream& out,
                    std::ostream& err) {
    if (options.command == "list") {
        return listTitles(store, out);
    }
    if (options.command == "delete") {
        return deleteTitle(store, options.arguments.at(0), out, err);
    }
    if (options.command == "import") {
        return importFolder(store, options.limits, options.arguments.at(0), out, err);
    }
    if (options.command == "export") {
        return exportFolder(store, options.arguments.at(0), out, err);
    }
    err << "unknown command " << options.command << '\n';
    return 2;
}

} // namespace zanvik::server
