#pragma once

#include "server/limits.h"
#include "server/picturecatalog.h"
#include "server/uploadassembler.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zanvik::server {

// The protocol state machine of one connection, without the network: it takes the bytes of
// each read and gives the replies to send, each of them one send, in order, and whether to close
// the connection. It never throws on any input and holds at most maxBufferedBytes of input
// it has not consumed, plus the picture being uploaded (at most maxPictureBytes).
class Session {
public:
    // One reply: a message of its own, or a download part that refers to the stored picture
    // (kept alive by `source`) instead of copying it.
    struct Reply {
        std::string text;
        PictureBytes source;
        std::size_t offset = 0;
        std::size_t length = 0;

        static Reply message(std::string_view text) { return {std::string(text), nullptr, 0, 0}; }
        std::span<const std::uint8_t> bytes() const {
            return source
                       ? std::span(*source).subspan(offset, length)
                       : std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        }
    };
    struct Output {
        std::vector<Reply> replies;
        std::vector<std::string> events;    // one log line each: downloads, uploads, refusals
        std::optional<std::string> refusal; // set: close the connection, for this reason
    };

    Session(PictureCatalog& catalog, const Limits& limits) : catalog_(catalog), limits_(limits) {}

    Output consume(std::span<const std::uint8_t> bytes);

private:
    enum class Phase { idle, titleAccepted, uploading };

    void consumeMessages(Output& out);
    void consumeUpload(std::span<const std::uint8_t> bytes, Output& out);
    void requestPicture(std::string title, Output& out);
    void sendNextPart(Output& out);
    void acceptTitle(std::string title, Output& out);
    void finishUpload(Output& out);

    PictureCatalog& catalog_;
    const Limits& limits_;
    Phase phase_ = Phase::idle;
    std::vector<std::uint8_t> pending_; // input of the idle phases not yet consumed
    std::string title_;                 // of the upload under way
    std::optional<UploadAssembler> upload_;
    PictureBytes download_; // of the download under way, or null
    std::string downloadTitle_;
    std::size_t downloadOffset_ = 0;
};

} // namespace zanvik::server
