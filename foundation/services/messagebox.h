#pragma once

#include "foundation/values/text.h"

#include <cstdint>

namespace zanvik {

// Style bits of a message box, the classic values: one button set plus one icon.
namespace messagebox {
inline constexpr std::int32_t okOnly = 0x0;
inline constexpr std::int32_t okCancel = 0x1;
inline constexpr std::int32_t yesNoCancel = 0x3;
inline constexpr std::int32_t yesNo = 0x4;
inline constexpr std::int32_t iconError = 0x10;
inline constexpr std::int32_t iconQuestion = 0x20;
inline constexpr std::int32_t iconWarning = 0x30;
inline constexpr std::int32_t iconInformation = 0x40;
// The buttons a box reports.
inline constexpr std::int32_t pressedOk = 1;
inline constexpr std::int32_t pressedCancel = 2;
inline constexpr std::int32_t pressedYes = 6;
inline constexpr std::int32_t pressedNo = 7;
} // namespace messagebox

// The caption a box gets when none is given: "信息：" in GBK.
Text defaultMessageBoxCaption();

// Shows a message box with no owner window, modal to the whole application, and waits for the
// user. An empty caption becomes defaultMessageBoxCaption(). Returns the button pressed (the
// values above); closing the box counts as its cancel button, or OK when it has none.
std::int32_t showMessageBox(const Text& text, std::int32_t style, const Text& caption);

} // namespace zanvik
