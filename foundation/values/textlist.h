#pragma once

#include "foundation/values/text.h"

#include <cstdint>
#include <vector>

namespace zanvik {

// An ordered list of Text, read by position from 1 to count().
class TextList {
public:
    TextList() = default;
    explicit TextList(std::vector<Text> items) : items_(std::move(items)) {}

    std::int32_t count() const { return static_cast<std::int32_t>(items_.size()); }
    // The Text at a 1-based position; the empty Text outside 1..count().
    Text at(std::int32_t position) const;
    void add(Text item) { items_.push_back(std::move(item)); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    const std::vector<Text>& items() const { return items_; }

    friend bool operator==(const TextList&, const TextList&) = default;

private:
    std::vector<Text> items_;
};

} // namespace zanvik
