#include "foundation/windows/tabcontrolwidget.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace zanvik {

TabControlWidget::TabControlWidget(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    connect(bar_, &QTabBar::currentChanged, this, [this](int page) {
        if (pageChanged) {
            pageChanged(page);
        }
    });
}

void TabControlWidget::addPage(const QString& title) {
    bar_->addTab(title);
    bar_->resize(bar_->sizeHint().width(), bar_->sizeHint().height());
}

void TabControlWidget::setCurrentPage(std::int32_t page) {
    if (page >= 0 && page < bar_->count()) {
        bar_->setCurrentIndex(page);
    }
}

void TabControlWidget::resizeEvent(QResizeEvent* /*event*/) {
    bar_->resize(std::min(bar_->sizeHint().width(), width()), bar_->sizeHint().height());
}

void TabControlWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, bar_->height() - 1, 0, 0);
    frame.tabBarSize = bar_->size();
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace zanvik
