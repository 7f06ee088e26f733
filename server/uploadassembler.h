#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zanvik::server {

// Puts an upload back together from the bytes a client sends after "[img]", and tells its
// chunks from its end tag "[/img]".
//
// The client sends chunks of exactly CHUNK_SIZE bytes except the last (1 to CHUNK_SIZE), each
// only after a "[nextimg]", and "[/img]" after the last. The rule:
// - A chunk is answered once: as soon as CHUNK_SIZE bytes of it are in, or, when a read leaves it
//   shorter, at once (the client's last chunk, or the first piece of a chunk that TCP split: the
//   rest is then collected without a second answer).
// - "[/img]" ends the upload when it is all the client sent at a chunk boundary (nothing pending
//   and no answer owed), or when it ends what arrived after an early answer and at least the
//   answered bytes come before it: those bytes, and any between, are the end of the picture.
// - "[/img]" directly followed in the same read by the start of one of the client's messages
//   ("[title]", "[reqimgtitle]", ...) is the end too, where it can stand: at a chunk boundary, or
//   after the early-answered bytes of a chunk. The rest is that next message.
// So "[/img]" inside a picture is data wherever it lies, as long as each chunk reaches the server
// whole or cut only by segments that do not end exactly with those six bytes. The one picture
// that cannot be told apart is one whose last chunk is exactly the six bytes "[/img]" (or a split
// chunk whose piece ends with them); a JPEG ends with its end-of-image marker, so no picture
// that passes the content check is affected. See server/README.md.
class UploadAssembler {
public:
    enum class State { needMore, complete, bad };
    struct Step {
        State state = State::needMore;
        int answers = 0;   // how many "[nextimg]" to send for these bytes
        std::string fault; // why, when bad
    };

    explicit UploadAssembler(std::size_t maxPictureBytes) : maxPictureBytes_(maxPictureBytes) {}

    // Takes the bytes of one read. After complete or bad, nothing more is taken.
    Step consume(std::span<const std::uint8_t> bytes);
    // The picture, once complete.
    const std::vector<std::uint8_t>& picture() const { return picture_; }
    // Bytes that came after the end tag in the same read: the client's next message.
    std::vector<std::uint8_t> takeLeftover() { return std::move(leftover_); }
    // Bytes received but not yet known to be whole chunks (at most two chunks and the end tag).
    std::size_t heldBytes() const { return current_.size(); }

private:
    bool endsWithEndTag() const;
    // Where an end tag that is followed by the start of a client message begins, at or after
    // `from`; npos when there is none.
    std::size_t endTagThenMessage(std::size_t from) const;

    std::size_t maxPictureBytes_;
    std::vector<std::uint8_t> picture_; // chunks known to be whole
    std::vector<std::uint8_t> current_; // bytes of the chunk being received, maybe + "[/img]"
    std::vector<std::uint8_t> leftover_;
    std::size_t answeredBytes_ = 0; // bytes of current_ answered early; 0 when none
    State state_ = State::needMore;
};

} // namespace zanvik::server
