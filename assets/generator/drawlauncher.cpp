#include "drawings.h"

namespace zanvik::assets {

void drawLauncherSet(const QDir& /*out*/) {}

} // namespace zanvik::assets
