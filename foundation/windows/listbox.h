#pragma once

// The list-box operations. Called with a control of another kind they do nothing and give -1
// or the empty Text. None of them raises listItemSelected: that event is for the user's changes.

#include "foundation/values/text.h"

#include <cstdint>

namespace zanvik {

class Control;

// Appends the item as the last entry; gives its index from 0, or -1 when refused.
std::int32_t listAddItem(Control& listBox, const Text& item);
// Removes every entry; the selection goes with them.
void listClear(Control& listBox);
// The entry's text; the empty Text for an index that is negative or not below the count.
Text listItemText(const Control& listBox, std::int32_t index);
std::int32_t listItemCount(const Control& listBox);
// The selected entry from 0, or -1 when none is selected.
std::int32_t listSelection(const Control& listBox);

} // namespace zanvik
