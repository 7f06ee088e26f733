#include "designer/copyimage.h"

#include "foundation/services/clipboard.h"
#include "foundation/services/files.h"
#include "foundation/services/folders.h"
#include "foundation/services/windowcapture.h"
#include "foundation/values/operations.h"
#include "foundation/windows/controlhandle.h"
#include "foundation/windows/window.h"
#include "foundation/windows/windowlayer.h"

namespace zanvik {

Text temporaryPath(const CopyTarget& target) {
    return concatText(tempFolder(), Text(target.tempName));
}

void copyImage(Window& window, const CopyTarget& target) {
    {
        const ByteBuffer capture =
            captureWindowImage(controlHandle(window.control(target.pictureBox)));
        writeFileBytes(temporaryPath(target), capture);
    }
    window.control(target.pathBox).setText(temporaryPath(target));
    copyPictureToClipboard(readFileBytes(temporaryPath(target)));
    processPendingEvents();
    deleteFile(temporaryPath(target));
}

} // namespace zanvik
