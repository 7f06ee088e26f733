#pragma once

// A list box: single selection, not sorted, items one font height + 1 pixel high. It reports
// selection changes made by the user only; the program's own changes (adding, clearing) are
// not reported.

#include <QListWidget>
#include <cstdint>
#include <functional>

namespace zanvik {

class ListBoxWidget final : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget* parent);

    std::int32_t addItem(const QString& text);
    void clearItems();
    std::int32_t selection() const;

    std::function<void()> userChangedSelection;

private:
    void selectionMayHaveChanged();

    bool programChanging_ = false;
    std::int32_t lastSelection_ = -1;
};

} // namespace zanvik
