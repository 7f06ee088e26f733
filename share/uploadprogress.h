#pragma once

#include "foundation/values/text.h"

#include <cstdint>

namespace zanvik::share {

// The share already sent, in percent, rounded to 2 places: ((total - remaining) / total) × 100
// in double arithmetic. It falls below 0 when more bytes remain than the total (a picture
// chosen anew during an upload) and is kept so. A total of 0 (the title was accepted while no
// picture was loaded, and one was chosen before the chunks were asked for) has no share to
// divide by: the figure is then 100 once nothing remains and 0 before, never an infinite or
// undefined value.
double uploadPercent(std::int32_t total, std::int32_t remaining);

// The window's caption after a chunk: "已发送：" total "/" remaining "/" percent "%", the
// numbers written as intToText and doubleToText give them ("已发送：5000/3000/40%").
Text progressCaption(std::int32_t total, std::int32_t remaining);

} // namespace zanvik::share
