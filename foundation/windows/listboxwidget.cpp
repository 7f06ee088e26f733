#include "foundation/windows/listboxwidget.h"

#include <QFontMetrics>

namespace zanvik {
namespace {

// A list holds at most this many entries, as a system list box's 32-bit item count with
// its memory would; more is refused.
constexpr int maximumListItems = 1 << 20;

} // namespace

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this,
            &ListBoxWidget::selectionMayHaveChanged);
}

std::int32_t ListBoxWidget::addItem(const QString& text) {
    if (count() >= maximumListItems) {
        return -1;
    }
    programChanging_ = true;
    auto* item = new QListWidgetItem(text); // owned by the list from the next line on
    item->setSizeHint(QSize(-1, QFontMetrics(font()).height() + 1));
    QListWidget::addItem(item);
    programChanging_ = false;
    lastSelection_ = selection();
    return count() - 1;
}

void ListBoxWidget::clearItems() {
    programChanging_ = true;
    clear();
    programChanging_ = false;
    lastSelection_ = -1;
}

std::int32_t ListBoxWidget::selection() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ListBoxWidget::selectionMayHaveChanged() {
    const std::int32_t now = selection();
    if (programChanging_ || now == lastSelection_) {
        lastSelection_ = now;
        return;
    }
    lastSelection_ = now;
    if (userChangedSelection) {
        userChangedSelection();
    }
}

} // namespace zanvik
