#include "gallery/galleryhandlers.h"

#include "app/processstate.h"
#include "foundation/pictures/decodepicture.h"
#include "foundation/services/clipboard.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/values/operations.h"
#include "gallery/gallerylimits.h"
#include "gallery/galleryroutines.h"
#include "gallery/gallerytexts.h"
#include "gallery/picturecache.h"
#include "link/arrivals.h"
#include "link/messages.h"
#include "link/protocolconstants.h"

#include <cstdint>

namespace zanvik::gallery {

namespace {

void connectAndPull(Window& window) {
    if (!clientOf(window).connect()) {
        setCaptionText(window, caption::connectFailed);
        return;
    }
    setCaptionText(window, caption::connected);
    pullTitleList(window);
    window.control(reconnectButtonName).setDisabled(true);
}

Text arrivalCaption(std::int32_t arrivalLength, std::int32_t loadedLength) {
    return concatText(gbkFromUtf8(caption::arrivalLength), intToText(arrivalLength),
                      gbkFromUtf8(caption::arrivalLoaded), intToText(loadedLength));
}

} // namespace

void windowCreated(Window& window) {
    connectAndPull(window);
    window.control(pictureBoxName).setDisplayMode(displayModeStretch);
}

void reconnectClicked(Window& window) {
    connectAndPull(window);
}

void pullListClicked(Window& window) {
    pullTitleList(window);
}

void titleSelected(Window& window) {
    const Text title = selectedTitle(window);
    ByteBuffer cached = readCachedPicture(title);
    // A cache file that holds no picture (empty, cut short, damaged) is a miss: the download
    // then replaces it, instead of an empty picture being served for good.
    if (!cached.empty() && decodePicture(cached)) {
        ProcessState& state = processState();
        state.downloadBuffer = std::move(cached);
        window.control(pictureBoxName).setPicture(state.downloadBuffer);
        copyPictureToClipboard(state.downloadBuffer);
        window.setCaption(copiedCaption(title));
        return;
    }
    if (requestPicture(window, title)) {
        setBusy(window, true);
    } else {
        // Nothing can answer a request that never left: waiting would lock the list for good.
        processState().downloadFinished = true;
        clientOf(window).requestedTitle.reset();
        setCaptionText(window, caption::notConnected);
    }
}

void dataArrived(Window& window) {
    GalleryClient& client = clientOf(window);
    ProcessState& state = processState();
    const ByteBuffer data = client.link.arrivalBytes();
    window.setCaption(arrivalCaption(byteLength(data), byteLength(state.downloadBuffer)));

    if (protocol::hasTag(data, protocol::endOfPictureTag)) {
        if (state.downloadFinished) {
            return; // the end tag acts once per request
        }
        if (finishDownload(window) == DownloadOutcome::Broken) {
            failDownload(window, caption::pictureBroken);
        } else {
            setBusy(window, false);
        }
        return;
    }
    if (protocol::hasTag(data, protocol::titleListTag)) {
        fillTitleList(window, protocol::titleListFrom(data));
        return;
    }
    if (static_cast<std::int64_t>(state.downloadBuffer.length()) + data.length() >
        maxDownloadBytes) {
        failDownload(window, caption::pictureTooLarge); // and asks for no more
        return;
    }
    state.downloadBuffer.append(data.bytes());
    client.link.sendBytes(protocol::nextPartRequest());
}

void serverDisconnected(Window& window) {
    clientOf(window).connectionOpen = false;
    abandonDownload(window);
    window.control(reconnectButtonName).setDisabled(false);
    setCaptionText(window, caption::disconnected);
}

} // namespace zanvik::gallery
