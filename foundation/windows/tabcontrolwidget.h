#pragma once

// A tab control: a strip of page titles at the top and a frame around the page area. Its child
// controls are children of this widget itself, placed relative to its whole rectangle (the strip
// included); the layer shows only those of the current page.

#include <QTabBar>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace zanvik {

class TabControlWidget final : public QWidget {
    Q_OBJECT
public:
    explicit TabControlWidget(QWidget* parent);

    void addPage(const QString& title);
    void setCurrentPage(std::int32_t page);
    std::int32_t currentPage() const { return bar_->currentIndex(); }
    QTabBar* tabBar() const { return bar_; }

    std::function<void(std::int32_t page)> pageChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* bar_;
};

} // namespace zanvik
