#include "drawings.h"

namespace zanvik::assets {

void drawTemplateSet(const QDir& /*out*/) {}

} // namespace zanvik::assets
