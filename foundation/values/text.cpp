#include "foundation/values/text.h"

#include "foundation/values/allocation.h"

namespace zanvik {

Text::Text(const char* bytes)
    : Text(bytes == nullptr ? std::string_view() : std::string_view(bytes)) {}

Text::Text(std::string_view bytes) {
    const std::size_t zero = bytes.find('\0');
    const std::string_view kept = bytes.substr(0, zero);
    if (!kept.empty()) {
        detail::allocating(kept.size() + 1, [&] { bytes_.assign(kept); });
    }
}

void TextBuilder::reserve(std::size_t size) {
    detail::allocating(size + 1, [&] { text_.bytes_.reserve(size); });
}

void TextBuilder::append(std::string_view bytesWithoutZero) {
    const std::size_t total = text_.bytes_.size() + bytesWithoutZero.size();
    detail::allocating(total + 1, [&] { text_.bytes_.append(bytesWithoutZero); });
}

Text TextBuilder::take() {
    Text result = std::move(text_);
    text_ = Text();
    return result;
}

} // namespace zanvik
