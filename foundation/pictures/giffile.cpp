#include "foundation/pictures/giffile.h"

#include <algorithm>
#include <cstring>

namespace zanvik {

GifFile::GifFile(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
    int error = 0;
    gif_ = DGifOpen(this, read, &error);
}

GifFile::~GifFile() {
    if (gif_ != nullptr) {
        int error = 0;
        DGifCloseFile(gif_, &error);
    }
}

// Gives giflib what is left, up to `count` bytes; fewer bytes than asked is giflib's sign of
// the end.
int GifFile::read(GifFileType* gif, GifByteType* out, int count) {
    auto* self = static_cast<GifFile*>(gif->UserData);
    const std::size_t available = self->bytes_.size() - self->position_;
    const std::size_t taken = std::min(available, static_cast<std::size_t>(std::max(count, 0)));
    std::memcpy(out, self->bytes_.data() + self->position_, taken);
    self->position_ += taken;
    return static_cast<int>(taken);
}

} // namespace zanvik
