#include "share/browsepicture.h"

#include "app/processstate.h"
#include "foundation/services/files.h"
#include "foundation/services/imagesize.h"
#include "foundation/services/openfiledialog.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/values/operations.h"
#include "foundation/windows/window.h"
#include "share/previewtexts.h"
#include "share/sharenames.h"

namespace zanvik::share {

void browsePressed(Window& window) {
    if (OpenFileDialog* dialog = window.control(fileDialog).attached<OpenFileDialog>()) {
        dialog->title = gbkFromUtf8(dialogTitle);
        dialog->filter = gbkFromUtf8(dialogFilter);
        if (chooseOpenFile(*dialog)) {
            window.control(pathBox).setText(dialog->fileName);
        }
    }
    ProcessState& state = processState();
    state.uploadBuffer = readFileBytes(window.control(pathBox).text());

    Control& picture = window.control(preview);
    picture.setPicture(state.uploadBuffer);
    picture.setDisplayMode(displayModeStretch);

    window.control(sizeLabel).setText(sizeLabelText(byteLength(state.uploadBuffer)));
    // Both measured from the file, the path read from the box for each.
    const std::int32_t width = imageWidth(window.control(pathBox).text());
    const std::int32_t height = imageHeight(window.control(pathBox).text());
    window.control(resolutionLabel).setText(resolutionLabelText(width, height));
}

} // namespace zanvik::share
