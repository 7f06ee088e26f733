#include "app/tilewindows.h"

#ifdef ZANVIK_HAS_DESIGNER
#include "designer/designerwindow.h"
#endif
#ifdef ZANVIK_HAS_GALLERY
#include "gallery/gallerywindow.h"
#endif
#ifdef ZANVIK_HAS_SHARE
#include "share/sharewindow.h"
#endif

namespace zanvik {

const WindowDefinition* designerWindow() {
#ifdef ZANVIK_HAS_DESIGNER
    return &designerWindowDefinition();
#else
    return nullptr;
#endif
}

const WindowDefinition* galleryWindow() {
#ifdef ZANVIK_HAS_GALLERY
    return &galleryWindowDefinition();
#else
    return nullptr;
#endif
}

const WindowDefinition* shareWindow() {
#ifdef ZANVIK_HAS_SHARE
    return &shareWindowDefinition();
#else
    return nullptr;
#endif
}

} // namespace zanvik
