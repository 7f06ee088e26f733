#pragma once

#include "foundation/values/text.h"

#include <cstdint>

namespace zanvik::share {

// The size label's text for a file of byteCount bytes: its size in kilobytes of 1024 bytes,
// rounded to 2 places (halves away from zero), with no trailing zeros and no point for whole
// values, then " kb": 1000 gives "0.98 kb", 1024 "1 kb", 1536 "1.5 kb".
Text sizeLabelText(std::int32_t byteCount);

// The resolution label's text: width, " x ", height, each in plain decimal ("640 x 480").
Text resolutionLabelText(std::int32_t width, std::int32_t height);

} // namespace zanvik::share
