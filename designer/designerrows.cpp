#include "designer/designerrows.h"

#include "foundation/windows/window.h"
#include "foundation/windows/windowlayer.h"

namespace zanvik::designer {

namespace {

constexpr Colour black = Colour::rgb(0, 0, 0);
constexpr FontSpec captionFont{.face = "微软雅黑", .height = 16, .weight = 700, .gb2312 = true};

} // namespace

ControlDefinition pictureRow(std::string_view name, std::int32_t page, Rect place,
                             std::string_view picture, std::int32_t displayMode) {
    return {.kind = ControlKind::PictureBox,
            .name = name,
            .parent = tabControlName,
            .page = page,
            .place = place,
            .backColour = Colour::buttonFace(),
            .border = Border::None,
            .picture = picture,
            .displayMode = displayMode,
            .playAnimation = true};
}

ControlDefinition captionRow(std::string_view name, std::int32_t page, Rect place,
                             std::string_view text) {
    return {.kind = ControlKind::TransparentLabel,
            .name = name,
            .parent = tabControlName,
            .page = page,
            .place = place,
            .text = text,
            .font = captionFont,
            .textColour = black,
            .horizontalAlignment = HorizontalAlignment::Centre,
            .wordWrap = true,
            .border = Border::None,
            // The move loop: the caption follows the mouse until the button is released.
            .leftButtonDown = [name](Window& window, const MouseEvent&) {
                sendControlMessage(window.control(name), WM_NCLBUTTONDOWN, HTCAPTION, 0);
            }};
}

ControlDefinition propertiesRow(std::string_view name, std::int32_t page) {
    return {.kind = ControlKind::GroupBox,
            .name = name,
            .parent = tabControlName,
            .page = page,
            .place = {8, 272, 512, 136},
            .text = "属性",
            .horizontalAlignment = HorizontalAlignment::Centre};
}

ControlDefinition captionEditRow(std::string_view name, std::string_view group, Rect place,
                                 std::string_view text, std::string_view drivenCaption) {
    return {.kind = ControlKind::EditBox,
            .name = name,
            .parent = group,
            .place = place,
            .tabStop = true,
            .text = text,
            .textColour = black,
            .backColour = Colour::rgb(255, 255, 255),
            .border = Border::Sunken,
            // One-way binding: the whole text, untrimmed, on every change.
            .textChanged = [name, drivenCaption](Window& window) {
                window.control(drivenCaption).setText(window.control(name).text());
            }};
}

ControlDefinition pathBoxRow(std::string_view name, std::string_view group) {
    return {.kind = ControlKind::EditBox,
            .name = name,
            .parent = group,
            .place = {16, 96, 360, 24},
            .tabStop = true,
            .textColour = black,
            .backColour = Colour::buttonFace(),
            .border = Border::None,
            .readOnly = true};
}

ControlDefinition copyButtonRow(std::string_view name, std::string_view group, Handler clicked) {
    return {.kind = ControlKind::Button,
            .name = name,
            .parent = group,
            .place = {384, 96, 88, 24},
            .tabStop = true,
            .text = "复制图片",
            .clicked = std::move(clicked)};
}

ControlDefinition noteRow(std::string_view name, std::string_view group, Rect place,
                          std::string_view text) {
    return {.kind = ControlKind::TransparentLabel,
            .name = name,
            .parent = group,
            .place = place,
            .text = text,
            .textColour = black,
            .horizontalAlignment = HorizontalAlignment::Left,
            .verticalAlignment = VerticalAlignment::Centre};
}

} // namespace zanvik::designer
