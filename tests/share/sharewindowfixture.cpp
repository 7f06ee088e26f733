#include "tests/share/sharewindowfixture.h"

#include "foundation/windows/window.h"
#include "tests/link/eventpump.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QTest>

namespace zanvik::testing {

using namespace std::chrono_literals;

ByteBuffer patternBytes(std::int32_t length) {
    std::string bytes(static_cast<std::size_t>(length), '\0');
    for (std::int32_t i = 0; i < length; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((i * 7 + length) % 256);
    }
    return ByteBuffer::fromString(bytes);
}

void ShareWindowTest::SetUp() {
    resetProcessState();
    ASSERT_GT(server.port(), 0);
    openWindowConnectingTo(server.port());
    peer = server.accept(2s);
    ASSERT_TRUE(peer.valid()) << "the window did not connect";
}

void ShareWindowTest::openWindowConnectingTo(int port) {
    definition = std::make_unique<WindowDefinition>(shareWindowDefinitionWith(
        [port](ImageServerLink& link) { return link.connectTo(Text("127.0.0.1"), port); }));
    ASSERT_TRUE(loadWindow(*definition, Modality::Modeless));
    window = openWindow(*definition);
    ASSERT_NE(window, nullptr);
}

void ShareWindowTest::TearDown() {
    if (definition && openWindow(*definition) != nullptr) {
        window->close();
    }
    processPendingEvents();
}

QWidget* ShareWindowTest::widget(std::string_view name) const {
    return window->control(name).widget();
}

std::string ShareWindowTest::text(std::string_view name) const {
    return utf8FromGbk(window->control(name).text());
}

std::string ShareWindowTest::caption() const {
    return utf8FromGbk(window->caption());
}

void ShareWindowTest::setText(std::string_view name, std::string_view utf8) {
    window->control(name).setText(gbkFromUtf8(utf8));
}

void ShareWindowTest::press(std::string_view button) {
    QTest::mouseClick(widget(button), Qt::LeftButton);
}

ShareWindowTest::DialogSeen ShareWindowTest::browseChoosing(const std::string& nativePath) {
    DialogSeen seen;
    whenDialogAppears<QFileDialog>([&seen, nativePath](QFileDialog& box) {
        seen.title = box.windowTitle().toStdString();
        seen.filters = box.nameFilters().join(";;").toStdString();
        if (nativePath.empty()) {
            box.reject();
            return;
        }
        box.selectFile(QString::fromStdString(nativePath));
        static_cast<QDialog&>(box).accept(); // QFileDialog::accept, as the Open button does
    });
    press("按钮1");
    return seen;
}

void ShareWindowTest::serverSends(std::string_view bytes) {
    ASSERT_TRUE(peer.send(bytes));
}

std::string ShareWindowTest::receive(std::size_t count, std::chrono::milliseconds limit) {
    std::string got;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        got += peer.receive(count - got.size(), 2ms);
    }
    return got;
}

std::string ShareWindowTest::receiveUntilQuiet(std::chrono::milliseconds quiet) {
    std::string got;
    auto lastByte = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - lastByte < quiet) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const std::string more = peer.receive(1 << 16, 2ms);
        if (!more.empty()) {
            got += more;
            lastByte = std::chrono::steady_clock::now();
        }
    }
    return got;
}

bool ShareWindowTest::captionBecomes(std::string_view utf8) {
    return pumpUntil([&] { return caption() == utf8; }, 5s);
}

} // namespace zanvik::testing
