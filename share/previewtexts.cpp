#include "share/previewtexts.h"

#include "foundation/values/operations.h"

namespace zanvik::share {

Text sizeLabelText(std::int32_t byteCount) {
    const double kilobytes = static_cast<double>(byteCount) / 1024.0;
    return concatText(doubleToText(roundToDecimals(kilobytes, 2)), Text(" kb"));
}

Text resolutionLabelText(std::int32_t width, std::int32_t height) {
    return concatText(intToText(width), Text(" x "), intToText(height));
}

} // namespace zanvik::share
