#pragma once

#include "app/processstate.h"
#include "foundation/values/bytebuffer.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/windows/windowlayer.h"
#include "share/sharewindow.h"
#include "tests/foundation/services/scratchfolder.h"
#include "tests/link/loopbacklistener.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

namespace zanvik::testing {

// Runs `act` on the first application-modal dialog of type T that appears while a handler
// waits for it (the open-file dialog, the message box), as a user would.
// Gives the watcher, which a test deletes when no dialog is due any more.
template <class T> QPointer<QTimer> whenDialogAppears(std::function<void(T&)> act) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start(10);
    return poll;
}

// Bytes of every value, zero bytes included, different for each length.
ByteBuffer patternBytes(std::int32_t length);

// A ShareWindow, opened modeless for each test, whose link connects to a scripted server on a
// loopback port instead of the image server: `peer` is the server's end of that connection.
// The process state starts fresh.
class ShareWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The window's definition connecting to this port (kept until the test ends).
    void openWindowConnectingTo(int port);

    QWidget* widget(std::string_view name) const;
    std::string text(std::string_view name) const; // UTF-8
    std::string caption() const;                   // UTF-8
    void setText(std::string_view name, std::string_view utf8);
    void press(std::string_view button);
    // Presses the browse button and, in the dialog that opens, chooses this path (or cancels
    // when it is empty). Gives the dialog's title and filter list as the user saw them.
    struct DialogSeen {
        std::string title;
        std::string filters;
    };
    DialogSeen browseChoosing(const std::string& nativePath);

    // The scripted server's side, with the window's events handled meanwhile.
    void serverSends(std::string_view bytes);
    std::string receive(std::size_t count,
                        std::chrono::milliseconds limit = std::chrono::seconds(5));
    // Everything that arrives until nothing came for `quiet`.
    std::string receiveUntilQuiet(std::chrono::milliseconds quiet = std::chrono::milliseconds(150));
    // Waits (bounded) until the caption is this text.
    bool captionBecomes(std::string_view utf8);

    LoopbackListener server;
    LoopbackPeer peer;
    ScratchFolder folder;
    std::unique_ptr<WindowDefinition> definition;
    Window* window = nullptr;
};

} // namespace zanvik::testing
