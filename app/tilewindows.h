#pragma once

// The seam where the windows that MainWindow's tiles open plug in. Each window's folder provides
// a function giving its definition:
//   designer/designerwindow.h: const WindowDefinition& designerWindowDefinition();  (tile 1)
//   gallery/gallerywindow.h:   const WindowDefinition& galleryWindowDefinition();   (tile 3)
//   share/sharewindow.h:       const WindowDefinition& shareWindowDefinition();     (tile 4)
// and is linked in when its library (zanvik_designer, zanvik_gallery, zanvik_share) is part of
// the build. Until then the tile finds no window and opens nothing.

#include "foundation/windows/windowdefinition.h"

namespace zanvik {

// Null while the window's folder is not part of the build.
const WindowDefinition* designerWindow();
const WindowDefinition* galleryWindow();
const WindowDefinition* shareWindow();

} // namespace zanvik
