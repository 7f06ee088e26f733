#include "drawings.h"

namespace zanvik::assets {

void drawShareBackground(const QDir& /*out*/) {}

} // namespace zanvik::assets
