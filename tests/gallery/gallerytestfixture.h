#pragma once

#include "foundation/values/text.h"
#include "foundation/windows/windowlayer.h"
#include "gallery/gallerywindow.h"
#include "tests/link/loopbacklistener.h"

#include <QImage>
#include <QListWidget>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zanvik::testing {

using namespace std::chrono_literals;

// The cache folder "images" beside the test program (the run directory cannot be moved),
// made empty for a test and removed with everything in it afterwards.
class CacheFolder final {
public:
    CacheFolder();
    ~CacheFolder();
    CacheFolder(const CacheFolder&) = delete;
    CacheFolder& operator=(const CacheFolder&) = delete;

    static std::filesystem::path runDirectory();
    const std::filesystem::path& path() const { return path_; }
    // The cache file of a title given in UTF-8.
    std::filesystem::path fileOf(std::string_view titleUtf8) const;
    // The names in the folder, sorted.
    std::vector<std::string> names() const;

private:
    std::filesystem::path path_;
};

// A JPEG of exactly `size` bytes (at least about 700) that decodes to width × height pixels:
// a small encoded picture padded with a comment segment.
std::string jpegOfSize(std::size_t size, int width = 40, int height = 30);
std::string readWholeFile(const std::filesystem::path& path);
void writeWholeFile(const std::filesystem::path& path, std::string_view bytes);
// GBK bytes of a UTF-8 text, as a string for the wire.
std::string gbk(std::string_view utf8);

// Opens a gallery window that connects to a scripted server on loopback (or to the given
// port), records every caption it writes, and closes it at the end. The clipboard holds a text
// marker at the start of each test, so a test sees whether a picture was put there.
class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the window against the port; when `expectConnection`, accepts its connection and
    // checks that the title list was requested.
    void openWindow(int port, bool expectConnection);
    void closeWindow();

    // Sends one server message and runs the UI thread until the window has handled it (it
    // writes its arrival caption first); gives the captions written while it was handled.
    std::vector<std::string> arrive(std::string_view bytes);
    // What the window sent to the server, read until the line is quiet.
    std::string sent(std::chrono::milliseconds quiet = 150ms);
    // Clicks the list's entry, as the user would.
    void select(int index);
    void fillList(std::string_view titlesUtf8); // "[reqimgtitle]" + the titles
    // Selects the entry and answers its request with the picture in parts, then the end tag.
    void download(int index, const std::vector<std::string>& parts);

    std::string caption() const;
    QListWidget* list() const;
    bool listEnabled() const;
    std::vector<std::string> listEntries() const;
    QImage clipboardImage() const;
    bool clipboardUntouched() const;
    void clickButton(std::string_view name);

    static inline const std::string clipboardMarker = "gallery test marker";

    CacheFolder cache;
    LoopbackListener listener;
    LoopbackPeer server;
    std::optional<WindowDefinition> definition;
    Window* window = nullptr;
    std::vector<std::string> captions;
};

} // namespace zanvik::testing
