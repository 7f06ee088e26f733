#include "server/seeding.h"

#include "foundation/values/gbkcodec.h"
#include "server/logline.h"
#include "server/samplepictures.h"

namespace zanvik::server {

int seedSamplesOnFirstStart(PictureStore& store) {
    if (!store.needsSeeding()) {
        return 0;
    }
    int stored = 0;
    const auto samples = samplePictures();
    // The last stored is listed first: store in reverse so that the list keeps the file's order.
    for (auto sample = samples.rbegin(); sample != samples.rend(); ++sample) {
        const Text title = gbkFromUtf8(sample->titleUtf8);
        if (store.store(title.bytes(), sample->bytes) == PictureCatalog::StoreResult::stored) {
            ++stored;
        } else {
            logLine("sample \"" + std::string(sample->titleUtf8) + "\" not stored");
        }
    }
    store.markSeeded();
    logLine("stored " + std::to_string(stored) + " sample pictures");
    return stored;
}

} // namespace zanvik::server
