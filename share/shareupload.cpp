#include "share/shareupload.h"

#include "app/processstate.h"
#include "foundation/services/files.h"
#include "foundation/services/messagebox.h"
#include "foundation/services/workerthread.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/values/operations.h"
#include "foundation/windows/window.h"
#include "link/arrivals.h"
#include "link/messages.h"
#include "link/protocolconstants.h"
#include "share/sharenames.h"
#include "share/uploadprogress.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <optional>

namespace zanvik::share {

bool validateShare(const Window& window) {
    std::int32_t faults = 0;
    if (compareText(window.control(titleBox).text(), Text()) == 0) {
        ++faults;
    }
    if (!fileExists(window.control(pathBox).text())) {
        ++faults;
    }
    return faults == 0;
}

void sendPressed(Window& window) {
    if (!validateShare(window)) {
        showMessageBox(gbkFromUtf8(incompleteInputText), messagebox::iconError,
                       gbkFromUtf8(incompleteInputCaption));
        return;
    }
    ShareClient& client = shareClient(window);
    if (client.uploadUnderWay()) {
        window.setCaption(gbkFromUtf8(busyCaption));
        return;
    }
    const std::uint64_t upload = client.beginUpload();
    const bool started =
        startWorkerThread([anchor = client.anchor(), sender = client.link().sender(), upload] {
            sendTitleWorker(anchor, sender, upload);
        });
    if (!started) {
        client.endUpload(upload);
    }
}

void sendTitleWorker(const std::shared_ptr<WindowAnchor>& anchor, const link::LinkSender& sender,
                     std::uint64_t uploadNumber) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return;
    }
    // The title box is read now, on the UI thread, and only while the window still exists.
    std::optional<Text> title;
    QMetaObject::invokeMethod(
        application,
        [&anchor, &title] {
            if (anchor->window != nullptr) {
                title = anchor->window->control(titleBox).text();
            }
        },
        Qt::BlockingQueuedConnection);
    if (!title) {
        return;
    }
    if (!sender.sendBytes(protocol::uploadTitleMessage(*title))) {
        // No answer will come for a title that did not go out: free the send button again.
        QMetaObject::invokeMethod(
            application,
            [anchor, uploadNumber] {
                if (anchor->client != nullptr) {
                    anchor->client->endUpload(uploadNumber);
                }
            },
            Qt::QueuedConnection);
    }
}

void dataArrived(Window& window) {
    ShareClient& client = shareClient(window);
    const ByteBuffer data = client.link().arrivalBytes();
    if (protocol::hasTag(data, protocol::titleAcceptedTag)) {
        client.link().sendBytes(protocol::uploadStartMessage());
        processState().uploadTotal = byteLength(processState().uploadBuffer);
        if (!client.uploadUnderWay()) {
            client.beginUpload();
        }
    }
    if (protocol::hasTag(data, protocol::nextChunkTag)) {
        sendNextChunk(window);
    }
}

void sendNextChunk(Window& window) {
    ShareClient& client = shareClient(window);
    ProcessState& state = processState();
    const ByteBuffer chunk = bytesLeft(state.uploadBuffer, protocol::CHUNK_SIZE);
    if (bytesEqual(chunk, ByteBuffer())) {
        client.link().sendBytes(protocol::endOfUploadMessage());
        client.endUpload();
        return;
    }
    client.link().sendBytes(chunk);
    const std::int32_t rest =
        truncateToInt(byteLength(state.uploadBuffer) - static_cast<double>(protocol::CHUNK_SIZE));
    // The old buffer is given up here, so the cut moves no bytes: linear in the picture's size.
    state.uploadBuffer = bytesRight(std::move(state.uploadBuffer), rest);
    window.setCaption(progressCaption(state.uploadTotal, byteLength(state.uploadBuffer)));
}

void connectionLost(Window& window) {
    window.setCaption(gbkFromUtf8(disconnectedCaption));
    shareClient(window).endUpload();
}

} // namespace zanvik::share
