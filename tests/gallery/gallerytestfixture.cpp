#include "tests/gallery/gallerytestfixture.h"

#include "app/processstate.h"
#include "foundation/services/folders.h"
#include "foundation/values/gbkcodec.h"
#include "gallery/gallerytexts.h"
#include "tests/link/eventpump.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace zanvik::testing {

namespace fs = std::filesystem;

CacheFolder::CacheFolder() : path_(runDirectory() / "images") {
    fs::remove_all(path_);
    fs::create_directory(path_);
}

CacheFolder::~CacheFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path CacheFolder::runDirectory() {
    return fs::path(utf8FromGbk(zanvik::runDirectory()));
}

fs::path CacheFolder::fileOf(std::string_view titleUtf8) const {
    return path_ / (std::string(titleUtf8) + ".jpg");
}

std::vector<std::string> CacheFolder::names() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

std::string jpegOfSize(std::size_t size, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(30, 140, 200));
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 80);
    // A comment segment right after the start marker: FF FE, a two-byte length that counts
    // itself, then the filling.
    const std::size_t segment = size - static_cast<std::size_t>(encoded.size());
    EXPECT_GE(segment, 4u);
    EXPECT_LE(segment, 65537u);
    const std::size_t length = segment - 2;
    std::string jpeg(encoded.constData(), 2);
    jpeg += "\xFF\xFE";
    jpeg += static_cast<char>(length >> 8);
    jpeg += static_cast<char>(length & 0xFF);
    jpeg += std::string(length - 2, 'z');
    jpeg.append(encoded.constData() + 2, static_cast<std::size_t>(encoded.size()) - 2);
    EXPECT_EQ(jpeg.size(), size);
    return jpeg;
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeWholeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string gbk(std::string_view utf8) {
    return std::string(gbkFromUtf8(utf8).bytes());
}

void GalleryTest::SetUp() {
    resetProcessState();
    QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardMarker));
    ASSERT_NE(listener.port(), 0);
    openWindow(listener.port(), true);
}

void GalleryTest::TearDown() {
    closeWindow();
}

void GalleryTest::openWindow(int port, bool expectConnection) {
    closeWindow();
    definition.emplace(
        gallery::galleryWindowDefinitionFor(gallery::ServerEndpoint{"127.0.0.1", port}));
    ASSERT_TRUE(loadWindow(*definition, Modality::Modeless));
    window = zanvik::openWindow(*definition);
    ASSERT_NE(window, nullptr);
    captions.clear();
    QObject::connect(window->widget(), &QWidget::windowTitleChanged, window->widget(),
                     [this](const QString& title) { captions.push_back(title.toStdString()); });
    window->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    if (expectConnection) {
        server = listener.accept(2s);
        ASSERT_TRUE(server.valid());
        ASSERT_EQ(server.receive(13, 2s), "[reqimgtitle]");
    }
}

void GalleryTest::closeWindow() {
    if (window != nullptr && zanvik::openWindow(*definition) == window) {
        window->close();
    }
    processPendingEvents();
    window = nullptr;
}

std::vector<std::string> GalleryTest::arrive(std::string_view bytes) {
    window->setCaption(Text("-"));
    captions.clear();
    EXPECT_TRUE(server.send(bytes));
    EXPECT_TRUE(pumpUntil([this] { return !captions.empty(); }, 5s)) << "no arrival handled";
    processPendingEvents();
    return captions;
}

std::string GalleryTest::sent(std::chrono::milliseconds quiet) {
    return server.receiveUntilQuiet(quiet);
}

void GalleryTest::select(int index) {
    QListWidget* box = list();
    ASSERT_LT(index, box->count());
    box->scrollToItem(box->item(index));
    const QRect place = box->visualItemRect(box->item(index));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, place.center());
    processPendingEvents();
}

void GalleryTest::fillList(std::string_view titlesUtf8) {
    arrive("[reqimgtitle]" + gbk(titlesUtf8));
}

void GalleryTest::download(int index, const std::vector<std::string>& parts) {
    select(index);
    ASSERT_EQ(sent().substr(0, 12), "[reqimgdata]");
    for (const std::string& part : parts) {
        arrive(part);
        ASSERT_EQ(server.receive(13, 2s), "[nextimgdata]");
    }
    arrive("[/nextimgdata]");
}

std::string GalleryTest::caption() const {
    return window->widget()->windowTitle().toStdString();
}

QListWidget* GalleryTest::list() const {
    return qobject_cast<QListWidget*>(window->control(gallery::listBoxName).widget());
}

bool GalleryTest::listEnabled() const {
    return !window->control(gallery::listBoxName).disabled() && list()->isEnabled();
}

std::vector<std::string> GalleryTest::listEntries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < list()->count(); ++i) {
        entries.push_back(list()->item(i)->text().toStdString());
    }
    return entries;
}

QImage GalleryTest::clipboardImage() const {
    return QGuiApplication::clipboard()->image();
}

bool GalleryTest::clipboardUntouched() const {
    return QGuiApplication::clipboard()->text().toStdString() == clipboardMarker;
}

void GalleryTest::clickButton(std::string_view name) {
    auto* button = qobject_cast<QPushButton*>(window->control(name).widget());
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    processPendingEvents();
}

} // namespace zanvik::testing
