#include "drawings.h"

namespace zanvik::assets {

void drawBackgroundSet(const QDir& /*out*/) {}

} // namespace zanvik::assets
