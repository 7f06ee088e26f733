#pragma once

#include "foundation/windows/windowdefinition.h"

#include <string_view>

// Row makers for the designer's definition table: each gives one control row with the style its
// kind has in the designer, so that the table itself lists only what differs from row to row
// (name, parent, place, text, behaviour).
namespace zanvik::designer {

inline constexpr std::string_view tabControlName = "高级选择夹1";

// A template picture on a tab page: no border, button-face back colour, animation on.
ControlDefinition pictureRow(std::string_view name, std::int32_t page, Rect place,
                             std::string_view picture, std::int32_t displayMode);

// A caption over a picture: transparent, black bold "微软雅黑" 16 pixels, centred, word wrap.
// Pressing the left button on it drags it within the tab control.
ControlDefinition captionRow(std::string_view name, std::int32_t page, Rect place,
                             std::string_view text);

// The group box "属性" of a page, title centred, at (8, 272), 512 × 136.
ControlDefinition propertiesRow(std::string_view name, std::int32_t page);

// An edit box inside a group box that copies its whole text into the caption it drives on
// every change: sunken, black on white, one line, a tab stop.
ControlDefinition captionEditRow(std::string_view name, std::string_view group, Rect place,
                                 std::string_view text, std::string_view drivenCaption);

// The read-only path box of a group box at (16, 96), 360 × 24: no border, the window's back
// colour, so it reads as plain text; starts empty.
ControlDefinition pathBoxRow(std::string_view name, std::string_view group);

// The "复制图片" button of a group box at (384, 96), 88 × 24.
ControlDefinition copyButtonRow(std::string_view name, std::string_view group, Handler clicked);

// A plain transparent label of a group box: left-aligned, vertically centred, black, one line,
// the default GUI font, no behaviour.
ControlDefinition noteRow(std::string_view name, std::string_view group, Rect place,
                          std::string_view text);

} // namespace zanvik::designer
