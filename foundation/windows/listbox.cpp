#include "foundation/windows/listbox.h"

#include "foundation/values/gbkcodec.h"
#include "foundation/windows/control.h"
#include "foundation/windows/listboxwidget.h"

namespace zanvik {
namespace {

ListBoxWidget* listOf(const Control& control) {
    return qobject_cast<ListBoxWidget*>(control.widget());
}

} // namespace

std::int32_t listAddItem(Control& listBox, const Text& item) {
    ListBoxWidget* list = listOf(listBox);
    return list != nullptr ? list->addItem(QString::fromStdString(utf8FromGbk(item))) : -1;
}

void listClear(Control& listBox) {
    if (ListBoxWidget* list = listOf(listBox)) {
        list->clearItems();
    }
}

Text listItemText(const Control& listBox, std::int32_t index) {
    ListBoxWidget* list = listOf(listBox);
    if (list == nullptr || index < 0 || index >= list->count()) {
        return {};
    }
    return gbkFromUtf8(list->item(index)->text().toStdString());
}

std::int32_t listItemCount(const Control& listBox) {
    ListBoxWidget* list = listOf(listBox);
    return list != nullptr ? list->count() : 0;
}

std::int32_t listSelection(const Control& listBox) {
    ListBoxWidget* list = listOf(listBox);
    return list != nullptr ? list->selection() : -1;
}

} // namespace zanvik
