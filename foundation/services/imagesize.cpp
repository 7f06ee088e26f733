#include "foundation/services/imagesize.h"

#include "foundation/pictures/decodepicture.h"
#include "foundation/services/files.h"

namespace zanvik {

namespace {

std::optional<Bitmap> pictureInFile(const Text& path) {
    const ByteBuffer bytes = readFileBytes(path);
    return bytes.empty() ? std::nullopt : decodePicture(bytes);
}

} // namespace

std::int32_t imageWidth(const Text& path) {
    const std::optional<Bitmap> picture = pictureInFile(path);
    return picture ? picture->width : 0;
}

std::int32_t imageHeight(const Text& path) {
    const std::optional<Bitmap> picture = pictureInFile(path);
    return picture ? picture->height : 0;
}

} // namespace zanvik
