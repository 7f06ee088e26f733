#include "foundation/windows/window.h"

#include "foundation/values/gbkcodec.h"
#include "foundation/windows/colours.h"
#include "foundation/windows/controlfactory.h"
#include "foundation/windows/layerstate.h"
#include "foundation/windows/picturebytes.h"
#include "foundation/windows/qtstring.h"
#include "foundation/windows/windowwidget.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zanvik {
namespace {

// The frame of a fixed window with a title bar: 3 pixels left, right and bottom, 25 on top
// (title bar and border). The client area is the outer size less these.
constexpr int frameSide = 3;
constexpr int frameTop = 25;

Qt::WindowFlags flagsFor(const WindowDefinition& definition) {
    if (definition.border == WindowBorder::None) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (definition.closeButton) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (definition.minimiseButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (definition.maximiseButton) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

} // namespace

Window::Window(const WindowDefinition& definition)
    : definition_(&definition), widget_(std::make_unique<WindowWidget>(*this)) {
    widget_->setWindowFlags(flagsFor(definition));
    widget_->setWindowTitle(qstringFromUtf8(definition.caption));
    widget_->setBackColour(resolveColour(definition.backColour, buttonFaceColour()));
    const QSize client(definition.outerSize.width - 2 * frameSide,
                       definition.outerSize.height - frameTop - frameSide);
    if (definition.border == WindowBorder::Resizable) {
        widget_->resize(client);
    } else {
        widget_->setFixedSize(client);
    }
    if (!definition.backgroundPicture.empty()) {
        widget_->setBackground(
            imageFromPictureBytes(readPictureBytes(definition.backgroundPicture)),
            definition.backgroundMode);
    }
    if (!definition.icon.empty()) {
        const QImage icon = imageFromPictureBytes(readPictureBytes(definition.icon));
        if (!icon.isNull()) {
            widget_->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
        }
    }
}

Window::~Window() {
    controls_.clear(); // attached objects and the layer's records go before the widgets
    widget_.reset();
}

QWidget* Window::widget() const {
    return widget_.get();
}

void Window::buildControls() {
    LayerState& layer = WindowLayer::instance().state();
    controls_.reserve(definition_->controls.size());
    for (const ControlDefinition& row : definition_->controls) {
        QWidget* parent = widget_.get();
        if (!row.parent.empty()) {
            Control* container = findControl(row.parent);
            if (container == nullptr || container->widget() == nullptr) {
                std::fprintf(stderr, "window layer: control %.*s names an unknown parent\n",
                             static_cast<int>(row.name.size()), row.name.data());
                std::abort();
            }
            parent = container->widget();
        }
        QWidget* widget = createControlWidget(row, parent, *this, layer);
        controls_.push_back(std::make_unique<Control>(row, widget, *this));
        if (row.kind == ControlKind::NonVisual && row.setUp) {
            row.setUp(*this, *controls_.back());
        }
    }
    // Only the current page's controls of each tab control are shown.
    for (const auto& control : controls_) {
        const std::string_view parent = control->definition().parent;
        if (parent.empty()) {
            continue;
        }
        const Control* container = findControl(parent);
        if (container != nullptr && container->kind() == ControlKind::TabControl) {
            control->setOnCurrentPage(control->definition().page == container->currentPage());
        }
    }
}

Control& Window::control(std::string_view name) const {
    Control* found = findControl(name);
    if (found == nullptr) {
        std::fprintf(stderr, "window layer: no control named %.*s\n", static_cast<int>(name.size()),
                     name.data());
        std::abort();
    }
    return *found;
}

Control* Window::findControl(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

void Window::setCaption(const Text& caption) {
    widget_->setWindowTitle(QString::fromStdString(utf8FromGbk(caption)));
}

Text Window::caption() const {
    return gbkFromUtf8(widget_->windowTitle().toStdString());
}

void Window::setVisible(bool visible) {
    widget_->setVisible(visible);
    if (visible) {
        widget_->activateWindow(); // as showing a window does on the original platform
    }
}

bool Window::visible() const {
    return widget_->isVisible();
}

void Window::setDisabled(bool disabled) {
    disabled_ = disabled;
}

void Window::close() {
    WindowLayer::instance().state().closeWindow(*this);
}

void Window::showCentred() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect whole = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    const int left = whole.left() + (whole.width() - definition_->outerSize.width) / 2;
    const int top = whole.top() + (whole.height() - definition_->outerSize.height) / 2;
    // setGeometry places the client area; the frame lies around it.
    widget_->setGeometry(QRect(QPoint(left + frameSide, top + frameTop), widget_->size()));
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

} // namespace zanvik
