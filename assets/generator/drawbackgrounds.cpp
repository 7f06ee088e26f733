#include "drawings.h"

namespace zanvik::assets {

void drawBackgroundSet(const QDir& out) {
    drawGalleryBackground(out);
    drawShareBackground(out);
}

} // namespace zanvik::assets
