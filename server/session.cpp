#include "server/session.h"

#include "link/protocolconstants.h"
#include "server/downloadparts.h"
#include "server/jpegcheck.h"
#include "server/printabletitle.h"
#include "server/titlecheck.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zanvik::server {
namespace {

using namespace zanvik::protocol;

bool startsWith(std::span<const std::uint8_t> bytes, std::string_view tag) {
    return bytes.size() >= tag.size() &&
           std::equal(tag.begin(), tag.end(), bytes.begin(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

// True when bytes could still grow into one of the client's tags.
bool isTagPrefix(std::span<const std::uint8_t> bytes) {
    constexpr std::array tags{titleListTag,   pictureRequestTag, nextPartTag,
                              uploadTitleTag, uploadStartTag,    endOfUploadTag};
    return std::any_of(tags.begin(), tags.end(), [&](std::string_view tag) {
        return bytes.size() < tag.size() &&
               startsWith(std::span(bytes), tag.substr(0, bytes.size()));
    });
}

std::string restAsString(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

Session::Output Session::consume(std::span<const std::uint8_t> bytes) {
    Output out;
    const std::size_t held = pending_.size() + (upload_ ? upload_->heldBytes() : 0);
    if (held + bytes.size() > limits_.maxBufferedBytes) {
        out.refusal = "more than " + std::to_string(limits_.maxBufferedBytes) +
                      " bytes buffered without a whole message";
        return out;
    }
    if (phase_ == Phase::uploading) {
        consumeUpload(bytes, out);
        return out;
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    consumeMessages(out);
    return out;
}

// Messages of the idle phases. A message with a title takes the rest of what arrived as its
// title: the client sends each message with one send and waits for the answer.
void Session::consumeMessages(Output& out) {
    std::size_t used = 0;
    while (used < pending_.size() && !out.refusal && phase_ != Phase::uploading) {
        const auto rest = std::span(pending_).subspan(used);
        if (startsWith(rest, titleListTag)) {
            out.replies.push_back(Reply::message(*catalog_.titleListMessage()));
            used += titleListTag.size();
        } else if (startsWith(rest, nextPartTag)) {
            sendNextPart(out);
            used += nextPartTag.size();
        } else if (startsWith(rest, pictureRequestTag)) {
            requestPicture(restAsString(rest.subspan(pictureRequestTag.size())), out);
            used = pending_.size();
        } else if (startsWith(rest, uploadTitleTag)) {
            acceptTitle(restAsString(rest.subspan(uploadTitleTag.size())), out);
            used = pending_.size();
        } else if (startsWith(rest, uploadStartTag)) {
            used += uploadStartTag.size();
            if (phase_ != Phase::titleAccepted) {
                out.refusal = "upload start without an accepted title";
                break;
            }
            phase_ = Phase::uploading;
            upload_.emplace(limits_.maxPictureBytes);
            out.replies.push_back(Reply::message(nextChunkTag));
            const auto after = std::span(pending_).subspan(used);
            const std::vector<std::uint8_t> early(after.begin(), after.end());
            pending_.clear();
            consumeUpload(early, out);
            return;
        } else if (startsWith(rest, endOfUploadTag)) {
            used += endOfUploadTag.size(); // a repeated end of upload: the client expects nothing
        } else if (isTagPrefix(rest)) {
            break; // need more
        } else {
            out.refusal = "unknown message";
        }
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
}

void Session::requestPicture(std::string title, Output& out) {
    const bool possible = !titleFault(title, limits_.maxTitleBytes);
    download_ = possible ? catalog_.picture(title) : nullptr;
    downloadOffset_ = 0;
    if (download_ == nullptr || download_->empty()) {
        // The end tag alone lets the client leave its busy state; the title is retired so that
        // the empty file the client caches for it never hides a picture stored later. A title
        // that fails the checks can never be stored, so it needs no retiring.
        download_.reset();
        if (possible) {
            catalog_.retire(title);
        }
        out.events.push_back("download of unknown title \"" + printableTitle(title) + "\"");
        out.replies.push_back(Reply::message(endOfPictureTag));
        return;
    }
    downloadTitle_ = std::move(title);
    out.events.push_back("download \"" + printableTitle(downloadTitle_) + "\" " +
                         std::to_string(download_->size()) + " bytes");
    sendNextPart(out);
}

// Answers a "[nextimgdata]" (and starts a download): the next part, or the end tag alone once
// every part was sent, also when no download is under way.
void Session::sendNextPart(Output& out) {
    if (download_ == nullptr || downloadOffset_ >= download_->size()) {
        download_.reset();
        out.replies.push_back(Reply::message(endOfPictureTag));
        return;
    }
    const auto rest = std::span(*download_).subspan(downloadOffset_);
    const auto length = nextPartLength(rest, downloadPartBytes);
    out.replies.push_back({{}, download_, downloadOffset_, length});
    downloadOffset_ += length;
}

void Session::acceptTitle(std::string title, Output& out) {
    if (auto fault = titleFault(title, limits_.maxTitleBytes)) {
        out.refusal = "title \"" + printableTitle(title) + "\" " + *fault;
        return;
    }
    if (catalog_.titleTaken(title)) {
        out.refusal = "title \"" + printableTitle(title) + "\" is taken";
        return;
    }
    title_ = std::move(title);
    phase_ = Phase::titleAccepted;
    out.replies.push_back(Reply::message(titleAcceptedTag));
}

void Session::consumeUpload(std::span<const std::uint8_t> bytes, Output& out) {
    const auto step = upload_->consume(bytes);
    for (int i = 0; i < step.answers; ++i) {
        out.replies.push_back(Reply::message(nextChunkTag));
    }
    if (step.state == UploadAssembler::State::bad) {
        out.refusal = "upload \"" + printableTitle(title_) + "\": " + step.fault;
    } else if (step.state == UploadAssembler::State::complete) {
        pending_ = upload_->takeLeftover();
        finishUpload(out);
        if (!out.refusal) {
            consumeMessages(out);
        }
    }
}

void Session::finishUpload(Output& out) {
    const auto& picture = upload_->picture();
    const std::string what =
        "upload \"" + printableTitle(title_) + "\" of " + std::to_string(picture.size()) + " bytes";
    if (auto fault = jpegFault(picture, limits_.maxPicturePixels)) {
        out.refusal = what + " " + *fault;
    } else {
        switch (catalog_.store(title_, picture)) {
        case PictureCatalog::StoreResult::stored:
            out.events.push_back(what + " stored");
            break;
        case PictureCatalog::StoreResult::titleTaken:
            out.refusal = what + ": title taken meanwhile";
            break;
        case PictureCatalog::StoreResult::failed:
            out.refusal = what + ": the store failed";
            break;
        }
    }
    upload_.reset();
    title_.clear();
    phase_ = Phase::idle;
}

} // namespace zanvik::server
