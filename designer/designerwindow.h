#pragma once

#include "designer/copyimage.h"
#include "foundation/windows/windowdefinition.h"

namespace zanvik {

// The meme designer, "设计区": a tab control with six template pages ("A" to "F") and an empty
// page "G". Each template is a picture with one or two draggable captions, the edit boxes that
// drive them, a path box and a "复制图片" button. It keeps no data of its own: every opening
// starts from this definition. Open it with loadWindow(designerWindowDefinition(), Modal).
const WindowDefinition& designerWindowDefinition();

// The six templates' copy targets, in page order "A" to "F".
namespace designer {
inline constexpr CopyTarget templateA{"a", "a5", "a1.jpg"};
inline constexpr CopyTarget templateB{"b", "b3", "b1.jpg"};
inline constexpr CopyTarget templateC{"C", "C3", "c1.jpg"};
inline constexpr CopyTarget templateD{"d", "D3", "d1.jpg"};
inline constexpr CopyTarget templateE{"e", "e3", "e1.jpg"};
inline constexpr CopyTarget templateF{"F", "F3", "F1.jpg"};
} // namespace designer

} // namespace zanvik
