#include "app/mainwindow.h"

#include "app/aboutwindow.h"
#include "app/launcherpictures.h"
#include "app/processstate.h"
#include "app/tilewindows.h"
#include "foundation/windows/windowlayer.h"

namespace zanvik {
namespace {

using WindowSource = const WindowDefinition* (*)();

const WindowDefinition* aboutWindow() {
    return &aboutWindowDefinition();
}

void armTile(Window& /*main*/, const MouseEvent& /*event*/) {
    processState().tileArmed = true;
}

// Tiles 1 to 3, on release: when armed, hide MainWindow, open the tile's window modally and
// show MainWindow again where it was. A window not yet in the build opens nothing.
MouseHandler openOnRelease(WindowSource target) {
    return [target](Window& main, const MouseEvent& /*event*/) {
        ProcessState& state = processState();
        if (!state.tileArmed) {
            return;
        }
        state.tileArmed = false;
        main.setVisible(false);
        processPendingEvents();
        if (const WindowDefinition* window = target()) {
            loadWindow(*window, Modality::Modal);
        }
        main.setVisible(true);
    };
}

// Tile 4, on press: the share window, modally, with MainWindow left visible.
void openShareWindow(Window& /*main*/, const MouseEvent& /*event*/) {
    if (const WindowDefinition* window = shareWindow()) {
        loadWindow(*window, Modality::Modal);
    }
}

void mainWindowDestroyed(Window& /*main*/) {
    endProgram(0);
}

} // namespace

const WindowDefinition& mainWindowDefinition() {
    using H = HorizontalAlignment;
    using V = VerticalAlignment;
    constexpr auto picture = ControlKind::PictureBox;
    constexpr auto label = ControlKind::Label;
    constexpr auto hand = CursorShape::Hand;
    constexpr Colour grey = Colour::rgb(96, 96, 96);
    constexpr Colour white = Colour::rgb(255, 255, 255);
    constexpr Colour red = Colour::rgb(255, 0, 0);
    constexpr FontSpec yaHei{.face = "微软雅黑", .height = 12, .gb2312 = true};
    // One control a row, to read side by side with the window's description.
    // clang-format off
    static const WindowDefinition definition{
        .caption = "Zanvik1.2",
        .outerSize = {469, 302},
        .backgroundPicture = launcherBackground,
        .backgroundMode = backgroundStretch,
        .willBeDestroyed = mainWindowDestroyed,
        .controls = {
            {.kind = label, .name = "标签4", .place = {8, 8, 440, 24},
             .text = "请先选择一个系列然后继续", .font = yaHei, .textColour = white,
             .backColour = grey, .horizontalAlignment = H::Centre,
             .verticalAlignment = V::Centre},
            {.kind = picture, .name = "图片框1", .place = {8, 40, 100, 120}, .cursor = hand,
             .border = Border::Single, .picture = tile1Picture,
             .displayMode = displayModeStretch, .leftButtonDown = armTile,
             .leftButtonUp = openOnRelease(designerWindow)},
            {.kind = label, .name = "标签1", .place = {8, 161, 100, 24}, .text = "设计图",
             .font = yaHei, .textColour = red, .backColour = grey,
             .horizontalAlignment = H::Centre, .verticalAlignment = V::Centre},
            {.kind = picture, .name = "图片框3", .place = {112, 40, 100, 120}, .cursor = hand,
             .border = Border::Single, .picture = tile3Picture,
             .displayMode = displayModeStretch, .leftButtonDown = armTile,
             .leftButtonUp = openOnRelease(galleryWindow)},
            {.kind = label, .name = "标签3", .place = {112, 161, 100, 24},
             .text = "斗图模式启动", .font = yaHei, .textColour = red, .backColour = grey,
             .horizontalAlignment = H::Centre, .verticalAlignment = V::Centre},
            {.kind = picture, .name = "图片框2", .place = {216, 40, 100, 120}, .cursor = hand,
             .border = Border::Single, .picture = tile2Picture,
             .displayMode = displayModeStretch, .leftButtonDown = armTile,
             .leftButtonUp = openOnRelease(aboutWindow)},
            {.kind = label, .name = "标签2", .place = {216, 161, 100, 24},
             .text = "关于Zanvik", .font = yaHei, .textColour = red, .backColour = grey,
             .horizontalAlignment = H::Centre, .verticalAlignment = V::Centre},
            {.kind = picture, .name = "图片框4", .place = {320, 40, 104, 120}, .cursor = hand,
             .border = Border::Single, .picture = tile4Picture,
             .displayMode = displayModeStretch, .leftButtonDown = openShareWindow},
            {.kind = label, .name = "标签5", .place = {320, 160, 104, 24}, .text = "上传分享",
             .font = yaHei, .textColour = red, .backColour = grey,
             .horizontalAlignment = H::Centre, .verticalAlignment = V::Centre},
            {.kind = picture, .name = "图片框5", .place = {8, 208, 80, 64},
             .picture = decorationPicture, .displayMode = displayModeStretch},
            {.kind = ControlKind::TransparentLabel, .name = "透明标签1",
             .place = {336, 240, 112, 24}, .text = "待更新......",
             .textColour = Colour::rgb(0, 0, 0), .horizontalAlignment = H::Left,
             .verticalAlignment = V::Centre},
        }};
    // clang-format on
    return definition;
}

} // namespace zanvik
