#include "server/uploadassembler.h"

#include "link/protocolconstants.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zanvik::server {
namespace {

constexpr auto chunkSize = static_cast<std::size_t>(protocol::CHUNK_SIZE);
constexpr auto endTag = protocol::endOfUploadTag;

// The messages a client may send once an upload has ended.
constexpr std::array followers{protocol::uploadTitleTag, protocol::titleListTag,
                               protocol::pictureRequestTag, protocol::nextPartTag};

} // namespace

std::size_t UploadAssembler::endTagThenMessage(std::size_t from) const {
    const std::string_view bytes(reinterpret_cast<const char*>(current_.data()), current_.size());
    for (auto at = bytes.find(endTag, from); at != std::string_view::npos && at <= chunkSize;
         at = bytes.find(endTag, at + 1)) {
        const auto after = bytes.substr(at + endTag.size());
        const bool message =
            !after.empty() &&
            std::any_of(followers.begin(), followers.end(), [&](std::string_view tag) {
                return after.substr(0, tag.size()) == tag.substr(0, after.size());
            });
        if (message) {
            return at;
        }
        if (answeredBytes_ == 0) {
            break; // at a chunk boundary the tag can only stand first
        }
    }
    return std::string_view::npos;
}

bool UploadAssembler::endsWithEndTag() const {
    return current_.size() >= endTag.size() &&
           std::equal(endTag.begin(), endTag.end(), current_.end() - endTag.size(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

UploadAssembler::Step UploadAssembler::consume(std::span<const std::uint8_t> bytes) {
    Step step;
    if (state_ != State::needMore) {
        step.state = state_;
        return step;
    }
    current_.insert(current_.end(), bytes.begin(), bytes.end());
    for (;;) {
        if (answeredBytes_ > 0 && endsWithEndTag() &&
            current_.size() - endTag.size() >= answeredBytes_ &&
            current_.size() - endTag.size() <= chunkSize) {
            // The rest of an early-answered chunk, then the end tag.
            picture_.insert(picture_.end(), current_.begin(), current_.end() - endTag.size());
            current_.clear();
            state_ = State::complete;
        } else if (const auto at = endTagThenMessage(answeredBytes_);
                   at != std::string_view::npos && (answeredBytes_ > 0 || at == 0)) {
            const auto end = current_.begin() + static_cast<std::ptrdiff_t>(at);
            picture_.insert(picture_.end(), current_.begin(), end);
            leftover_.assign(end + static_cast<std::ptrdiff_t>(endTag.size()), current_.end());
            current_.clear();
            state_ = State::complete;
        } else if (current_.size() >= chunkSize) {
            // A whole chunk: answer it unless its first piece was answered already.
            picture_.insert(picture_.end(), current_.begin(), current_.begin() + chunkSize);
            current_.erase(current_.begin(), current_.begin() + chunkSize);
            if (answeredBytes_ == 0) {
                ++step.answers;
            }
            answeredBytes_ = 0;
            if (picture_.size() <= maxPictureBytes_) {
                continue;
            }
        } else if (answeredBytes_ == 0 && current_.size() == endTag.size() && endsWithEndTag()) {
            current_.clear();
            state_ = State::complete;
        } else if (answeredBytes_ == 0 && !current_.empty()) {
            ++step.answers; // a short chunk, or the first piece of a split one
            answeredBytes_ = current_.size();
        }
        break;
    }
    if (state_ == State::complete) {
        step.answers = 0; // nothing is sent after the end tag
    }
    if (picture_.size() + (state_ == State::complete ? 0 : current_.size()) >
        maxPictureBytes_ + (state_ == State::complete ? 0 : endTag.size())) {
        state_ = State::bad;
        step.answers = 0;
        step.fault = "picture larger than " + std::to_string(maxPictureBytes_) + " bytes";
    }
    step.state = state_;
    return step;
}

} // namespace zanvik::server
