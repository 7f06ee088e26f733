#include "gallery/galleryroutines.h"

#include "app/processstate.h"
#include "foundation/pictures/decodepicture.h"
#include "foundation/services/clipboard.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/values/operations.h"
#include "foundation/windows/listbox.h"
#include "gallery/gallerytexts.h"
#include "gallery/picturecache.h"
#include "link/messages.h"

#include <utility>

namespace zanvik::gallery {

GalleryClient& clientOf(Window& window) {
    // The row's setUp attaches it; a gallery window without it is a programming error.
    return *window.control(clientName).attached<GalleryClient>();
}

void setCaptionText(Window& window, std::string_view utf8) {
    window.setCaption(gbkFromUtf8(utf8));
}

Text copiedCaption(const Text& title) {
    return concatText(gbkFromUtf8(caption::copiedBefore), title, gbkFromUtf8(caption::copiedAfter));
}

Text selectedTitle(Window& window) {
    const std::vector<Text>& listTitles = clientOf(window).listTitles;
    const std::int32_t selection = listSelection(window.control(listBoxName));
    return selection >= 0 && static_cast<std::size_t>(selection) < listTitles.size()
               ? listTitles[static_cast<std::size_t>(selection)]
               : Text();
}

void pullTitleList(Window& window) {
    setCaptionText(window, caption::pullingList);
    clientOf(window).link.sendBytes(protocol::titleListRequest());
}

void setBusy(Window& window, bool busy) {
    window.control(listBoxName).setDisabled(busy);
    setCaptionText(window, busy ? caption::requesting : caption::downloadDone);
}

bool requestPicture(Window& window, const Text& title) {
    GalleryClient& client = clientOf(window);
    ProcessState& state = processState();
    state.downloadBuffer = ByteBuffer();
    client.requestedTitle = title;
    const bool sent =
        client.connectionOpen && client.link.sendBytes(protocol::pictureRequest(title));
    state.downloadFinished = false;
    return sent;
}

void fillTitleList(Window& window, const TextList& titles) {
    Control& list = window.control(listBoxName);
    std::vector<Text>& listTitles = clientOf(window).listTitles;
    listClear(list);
    listTitles.clear();
    for (const Text& title : titles) {
        listAddItem(list, title);
        listTitles.push_back(title);
        setCaptionText(window, caption::listEntryAdded);
    }
}

DownloadOutcome finishDownload(Window& window) {
    ProcessState& state = processState();
    state.downloadFinished = true;
    const std::optional<Text> title = std::exchange(clientOf(window).requestedTitle, std::nullopt);
    const ByteBuffer& picture = state.downloadBuffer;
    // An empty download is the server's answer for a title it does not hold; neither it nor
    // bytes that do not decode may reach the cache, where they would stand for the title for
    // good.
    if (picture.empty() || !decodePicture(picture)) {
        return DownloadOutcome::Broken;
    }
    window.control(pictureBoxName).setPicture(picture);
    if (title && isSafeCacheTitle(*title) && !writeCachedPicture(*title, picture)) {
        return DownloadOutcome::NotCached;
    }
    copyPictureToClipboard(picture);
    window.setCaption(copiedCaption(title.value_or(Text())));
    return DownloadOutcome::Copied;
}

void failDownload(Window& window, std::string_view captionUtf8) {
    ProcessState& state = processState();
    state.downloadBuffer = ByteBuffer();
    state.downloadFinished = true;
    clientOf(window).requestedTitle.reset();
    window.control(pictureBoxName).setPicture(ByteBuffer());
    window.control(listBoxName).setDisabled(false);
    setCaptionText(window, captionUtf8);
}

void abandonDownload(Window& window) {
    Control& list = window.control(listBoxName);
    if (!list.disabled()) {
        return;
    }
    processState().downloadFinished = true;
    clientOf(window).requestedTitle.reset();
    list.setDisabled(false);
}

} // namespace zanvik::gallery
