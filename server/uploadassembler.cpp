#include "server/uploadassembler.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "link/protocolconstants.h"

namespace zanvik::server {
namespace {

constexpr auto chunkSize = static_cast<std::size_t>(protocol::CHUNK_SIZE);
constexpr auto endTag = protocol::endOfUploadTag;

// The messages a client may send once an upload has ended.
constexpr std::array followers{protocol::uploadTitleTag, protocol::titleListTag,
                               protocol::pictureRequestTag, protocol::nextPartTag};

} // namespace

bool UploadAssembler::endTagThenMessage() const {
    if (current_.size() <= endTag.size() ||
        !std::equal(endTag.begin(), endTag.end(), current_.begin(),
                    [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; })) {
        return false;
    }
    const std::string_view after(reinterpret_cast<const char*>(current_.data()) + endTag.size(),
                                 current_.size() - endTag.size());
    return std::any_of(followers.begin(), followers.end(), [&](std::string_view tag) {
        return after.substr(0, tag.size()) == tag.substr(0, after.size());
    });
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
        } else if (answeredBytes_ == 0 && endTagThenMessage()) {
            leftover_.assign(current_.begin() + endTag.size(), current_.end());
            current_.clear();
            state_ = State::complete;
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
