#include "foundation/windows/moveloop.h"

#include "foundation/windows/layerstate.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace zanvik {
namespace {

class MoveTracker final : public QObject {
public:
    MoveTracker(QWidget& moving, QPoint anchor, QEventLoop& loop)
        : moving_(&moving), anchor_(anchor), start_(moving.pos()), loop_(loop) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (finished_) {
            return false; // the loop is ending; what follows is ordinary input again
        }
        if (moving_.isNull()) {
            finish();
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseMove:
            if (receiver->isWindowType()) {
                follow(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (receiver->isWindowType() &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                follow(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
                finish();
            }
            return false;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                moving_->move(start_);
                finish();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    void finish() {
        finished_ = true;
        loop_.quit();
    }

    // The pointer is held inside the parent, so the control's top-left may leave it by at
    // most the distance between the press and the control's top-left.
    void follow(QPoint global) {
        QWidget* const moving = moving_.data();
        if (moving == nullptr) {
            return;
        }
        const QWidget* parent = moving->parentWidget();
        QPoint pointer = global;
        if (parent != nullptr) {
            const QRect area(parent->mapToGlobal(QPoint(0, 0)), parent->size());
            pointer.setX(std::clamp(pointer.x(), area.left(), area.right()));
            pointer.setY(std::clamp(pointer.y(), area.top(), area.bottom()));
        }
        moving->move(start_ + (pointer - anchor_));
    }

    QPointer<QWidget> moving_;
    QPoint anchor_;
    QPoint start_;
    QEventLoop& loop_;
    bool finished_ = false;
};

} // namespace

void runMoveLoop(Control& control, LayerState& layer) {
    QWidget* widget = control.widget();
    if (widget == nullptr || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        return;
    }
    QEventLoop loop;
    MoveTracker tracker(*widget, layer.lastLeftPress, loop);
    QObject::connect(widget, &QObject::destroyed, &loop, &QEventLoop::quit);
    qApp->installEventFilter(&tracker);
    loop.exec();
    qApp->removeEventFilter(&tracker);
}

} // namespace zanvik
