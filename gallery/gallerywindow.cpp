#include "gallery/gallerywindow.h"

#include "foundation/values/gbkcodec.h"
#include "gallery/galleryhandlers.h"
#include "gallery/gallerytexts.h"
#include "gallery/sampletitles.h"

namespace zanvik {

namespace gallery {

namespace {

// Attaches the window's GalleryClient to "客户1" and routes its link's events to the handlers.
NonVisualSetUp attachClient(std::optional<ServerEndpoint> endpoint) {
    return [endpoint](Window& window, Control& control) {
        auto& client = control.attach<GalleryClient>(endpoint);
        for (const std::string_view title : sampleTitles()) {
            client.listTitles.push_back(gbkFromUtf8(title));
        }
        client.link.setDataArrivalHandler([&window] { dataArrived(window); });
        client.link.setDisconnectedHandler([&window] { serverDisconnected(window); });
    };
}

} // namespace

WindowDefinition galleryWindowDefinitionFor(std::optional<ServerEndpoint> endpoint) {
    // clang-format off
    WindowDefinition definition{
        .caption = caption::initial,
        .outerSize = {558, 410},
        .border = WindowBorder::Fixed,
        .closeButton = true,
        .minimiseButton = false,
        .maximiseButton = false,
        .backColour = Colour::buttonFace(),
        .backgroundPicture = ":/gallery/gallery.jpg",
        .backgroundMode = backgroundStretch,
        .escCloses = true,
        .created = windowCreated,
        .controls = {
            {.kind = ControlKind::ListBox,
             .name = listBoxName,
             .place = {16, 32, 208, 256},
             .tabStop = true,
             .border = Border::Sunken,
             .items = sampleTitles(),
             .listItemSelected = titleSelected},
            {.kind = ControlKind::PictureBox,
             .name = pictureBoxName,
             .place = {232, 32, 296, 264},
             .border = Border::None,
             .displayMode = displayModeNatural},
            {.kind = ControlKind::Button,
             .name = reconnectButtonName,
             .place = {16, 304, 80, 32},
             .tabStop = true,
             .text = "手动重连(&R)",
             .clicked = reconnectClicked},
            {.kind = ControlKind::Button,
             .name = pullListButtonName,
             .place = {120, 304, 128, 32},
             .tabStop = true,
             .text = "手动拉取列表(&U)",
             .clicked = pullListClicked},
            {.kind = ControlKind::TransparentLabel,
             .name = noteLabelName,
             .place = {48, 352, 176, 24},
             .text = "自动复制选定图片-粘贴即可发送",
             .textColour = Colour::rgb(0xFF, 0x00, 0x00),
             .horizontalAlignment = HorizontalAlignment::Left,
             .wordWrap = false},
            {.kind = ControlKind::NonVisual,
             .name = clientName,
             .setUp = attachClient(std::move(endpoint))},
        }};
    // clang-format on
    return definition;
}

} // namespace gallery

const WindowDefinition& galleryWindowDefinition() {
    static const WindowDefinition definition = gallery::galleryWindowDefinitionFor(std::nullopt);
    return definition;
}

} // namespace zanvik
