#pragma once

// Fonts of the window definitions on this system. Fontconfig would map the Windows faces the
// windows name to a Latin face; these substitutions send each to an installed face that has
// the glyphs (WenQuanYi Micro Hei for the sans faces, AR PL KaitiM GB for the brush script).

#include "foundation/windows/windowdefinition.h"

#include <optional>

class QFont;

namespace zanvik {

// The brush-script face the About window names for its slogan line.
inline constexpr std::string_view brushScriptFace = "华文行楷";

// Installs the substitutions (once per process; later calls do nothing).
void installFontSubstitutions();
// The QFont for a definition's font; none gives the default GUI font (SimSun, 12 pixels).
QFont fontFromSpec(const std::optional<FontSpec>& spec);

} // namespace zanvik
