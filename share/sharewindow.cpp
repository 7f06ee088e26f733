#include "share/sharewindow.h"

#include "foundation/services/openfiledialog.h"
#include "foundation/windows/control.h"
#include "foundation/windows/window.h"
#include "link/connecttoserver.h"
#include "share/browsepicture.h"
#include "share/sharenames.h"
#include "share/shareupload.h"

namespace zanvik {

namespace {

using namespace share;

void created(Window& window) {
    shareClient(window).connect();
}

void reconnectPressed(Window& window) {
    shareClient(window).connect();
}

// Attaches the window's ShareClient to 客户1 and gives its link the window's two handlers.
NonVisualSetUp clientSetUp(ShareClient::ConnectRoutine connect) {
    return [connect = std::move(connect)](Window& window, Control& control) {
        ImageServerLink& link = control.attach<ShareClient>(window, connect).link();
        link.setDataArrivalHandler([&window] { dataArrived(window); });
        link.setDisconnectedHandler([&window] { connectionLost(window); });
    };
}

void dialogSetUp(Window& /*window*/, Control& control) {
    control.attach<OpenFileDialog>();
}

} // namespace

WindowDefinition shareWindowDefinitionWith(ShareClient::ConnectRoutine connect) {
    using H = HorizontalAlignment;
    constexpr auto label = ControlKind::Label;
    constexpr auto edit = ControlKind::EditBox;
    constexpr auto button = ControlKind::Button;
    constexpr Colour face = Colour::buttonFace();
    constexpr Colour white = Colour::rgb(255, 255, 255);
    // One control a row, to read side by side with the window's description.
    // clang-format off
    return WindowDefinition{
        .caption = "",
        .outerSize = {423, 367},
        .border = WindowBorder::Fixed,
        .closeButton = true,
        .minimiseButton = true,
        .maximiseButton = false,
        .backColour = face,
        .backgroundPicture = ":/share/share.jpg",
        .backgroundMode = backgroundStretch,
        .escCloses = true,
        .created = created,
        .controls = {
            {.kind = label, .name = "标签1", .place = {14, 16, 66, 32}, .text = "标题(描述：",
             .backColour = face, .horizontalAlignment = H::Right},
            {.kind = edit, .name = titleBox, .place = {106, 20, 224, 24}, .tabStop = true,
             .backColour = white, .border = Border::Sunken},
            {.kind = label, .name = "标签3", .place = {16, 56, 314, 24},
             .text = "标题不超过10个字符（含中文）", .backColour = face,
             .horizontalAlignment = H::Right, .wordWrap = true},
            {.kind = label, .name = "标签2", .place = {14, 81, 66, 32}, .text = "选择图片：",
             .backColour = face, .horizontalAlignment = H::Right},
            {.kind = edit, .name = pathBox, .place = {106, 85, 224, 24}, .tabStop = true,
             .backColour = white, .border = Border::Sunken, .readOnly = true},
            {.kind = button, .name = browseButton, .place = {250, 112, 80, 26}, .tabStop = true,
             .text = "浏览（&F）", .clicked = browsePressed},
            {.kind = ControlKind::NonVisual, .name = fileDialog, .setUp = dialogSetUp},
            {.kind = label, .name = "标签4", .place = {14, 136, 66, 32}, .text = "图片大小：",
             .backColour = face, .horizontalAlignment = H::Right},
            {.kind = label, .name = sizeLabel, .place = {88, 140, 80, 24}, .backColour = face,
             .horizontalAlignment = H::Left},
            {.kind = ControlKind::PictureBox, .name = preview, .place = {170, 152, 160, 130},
             .border = Border::None, .displayMode = displayModeStretch},
            {.kind = label, .name = "标签5", .place = {14, 176, 66, 32}, .text = "分辨率：",
             .backColour = face, .horizontalAlignment = H::Right},
            {.kind = label, .name = resolutionLabel, .place = {88, 180, 80, 24},
             .backColour = face, .horizontalAlignment = H::Left},
            {.kind = button, .name = sendButton, .place = {32, 216, 96, 32}, .tabStop = true,
             .text = "发送分享（&S）", .clicked = sendPressed},
            {.kind = button, .name = reconnectButton, .place = {48, 256, 80, 32}, .tabStop = true,
             .text = "重连（&R）", .clicked = reconnectPressed},
            {.kind = ControlKind::TransparentLabel, .name = "透明标签1",
             .place = {32, 304, 344, 24}, .text = "发送前请认真填好图片上文字描述。禁黄！",
             .font = FontSpec{.face = "SimSun", .height = 12, .weight = 700},
             .textColour = Colour::rgb(255, 0, 0), .horizontalAlignment = H::Left},
            {.kind = ControlKind::NonVisual, .name = clientControl,
             .setUp = clientSetUp(std::move(connect))},
        }};
    // clang-format on
}

const WindowDefinition& shareWindowDefinition() {
    static const WindowDefinition definition = shareWindowDefinitionWith(
        [](ImageServerLink& link) { return protocol::connectToServer(link); });
    return definition;
}

} // namespace zanvik
