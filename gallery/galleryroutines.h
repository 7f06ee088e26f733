#pragma once

// The gallery window's routines, shared by its event handlers. All run on the UI thread with
// the gallery window whose control "客户1" holds a GalleryClient.

#include "foundation/values/text.h"
#include "foundation/values/textlist.h"
#include "foundation/windows/window.h"
#include "gallery/galleryclient.h"

#include <cstdint>
#include <string_view>

namespace zanvik::gallery {

GalleryClient& clientOf(Window& window);
// Writes a caption given as a UTF-8 literal.
void setCaptionText(Window& window, std::string_view utf8);
// "已将【" + title + "】复制到剪切板" (GBK).
Text copiedCaption(const Text& title);

// The title of the list's selected entry, as its bytes arrived; the empty Text when nothing is
// selected.
Text selectedTitle(Window& window);

// Caption "正在拉取数据中...." and sends the title-list request (whether connected or not).
void pullTitleList(Window& window);

// Busy: the list disabled, caption "正在请求图片数据，请勿关闭本窗口！". Idle: the list enabled,
// caption "图片已经下载完毕！". Nothing else is disabled.
void setBusy(Window& window, bool busy);

// Empties downloadBuffer, remembers the title, sends the picture request and clears
// downloadFinished. False when the request could not go out (no open connection, or the send
// failed): the window should then not wait for an answer.
bool requestPicture(Window& window, const Text& title);

// Replaces the list's entries with the titles, caption "列表处理完毕！" after each one.
void fillTitleList(Window& window, const TextList& titles);

// How a download ended.
enum class DownloadOutcome : std::uint8_t {
    Copied,    // shown, cached when its title is safe, on the clipboard
    NotCached, // shown, but its cache file could not be written: not copied
    Broken,    // empty or undecodable: nothing shown, cached or copied
};

// Handles the end of a download: sets downloadFinished and forgets the requested title; a
// picture that decodes is shown, stored under the requested title (when there is one and it is
// safe as a file name) and copied to the clipboard with the caption "已将【title】复制到剪切板".
DownloadOutcome finishDownload(Window& window);

// Ends the download under way without a picture: drops downloadBuffer, sets downloadFinished
// (a late end tag then does nothing), empties the picture box, enables the list and shows the
// caption given (UTF-8).
void failDownload(Window& window, std::string_view captionUtf8);

// Leaves a download whose connection is gone: nothing is stored, the list is enabled again.
// Does nothing when no download is under way.
void abandonDownload(Window& window);

} // namespace zanvik::gallery
