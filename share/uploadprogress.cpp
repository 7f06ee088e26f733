#include "share/uploadprogress.h"

#include "foundation/values/gbkcodec.h"
#include "foundation/values/operations.h"
#include "share/sharenames.h"

namespace zanvik::share {

double uploadPercent(std::int32_t total, std::int32_t remaining) {
    if (total == 0) {
        return remaining == 0 ? 100.0 : 0.0;
    }
    const double whole = static_cast<double>(total);
    const double left = static_cast<double>(remaining);
    return roundToDecimals((whole - left) / whole * 100.0, 2);
}

Text progressCaption(std::int32_t total, std::int32_t remaining) {
    return concatText({gbkFromUtf8(progressPrefix), intToText(total), Text("/"),
                       intToText(remaining), Text("/"),
                       doubleToText(uploadPercent(total, remaining)), Text("%")});
}

} // namespace zanvik::share
