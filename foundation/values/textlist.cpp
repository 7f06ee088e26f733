#include "foundation/values/textlist.h"

namespace zanvik {

Text TextList::at(std::int32_t position) const {
    if (position < 1 || position > count()) {
        return {};
    }
    return items_[static_cast<std::size_t>(position - 1)];
}

} // namespace zanvik
