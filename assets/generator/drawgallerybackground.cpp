#include "drawings.h"

namespace zanvik::assets {

void drawGalleryBackground(const QDir& /*out*/) {}

} // namespace zanvik::assets
