#include "foundation/windows/control.h"

#include "foundation/values/gbkcodec.h"
#include "foundation/windows/labelwidget.h"
#include "foundation/windows/layerstate.h"
#include "foundation/windows/pictureboxwidget.h"
#include "foundation/windows/tabcontrolwidget.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

namespace zanvik {
namespace {

QString qstringFromText(const Text& text) {
    return QString::fromStdString(utf8FromGbk(text));
}
Text textFromQString(const QString& string) {
    return gbkFromUtf8(string.toStdString());
}

} // namespace

Control::Control(const ControlDefinition& definition, QWidget* widget, Window& window)
    : definition_(&definition), widget_(widget), window_(&window), visible_(definition.visible),
      disabled_(definition.disabled) {
    WindowLayer::instance().state().registerControl(widget_, this);
    if (widget_ != nullptr) {
        widget_->setEnabled(!disabled_);
    }
    applyVisibility();
}

Control::~Control() {
    attached_.reset();
    WindowLayer::instance().state().forgetControl(widget_, this);
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    applyVisibility();
}

void Control::setOnCurrentPage(bool current) {
    onCurrentPage_ = current;
    applyVisibility();
}

void Control::applyVisibility() {
    if (widget_ != nullptr) {
        widget_->setVisible(visible_ && onCurrentPage_);
    }
}

void Control::setDisabled(bool disabled) {
    disabled_ = disabled;
    if (widget_ != nullptr) {
        widget_->setEnabled(!disabled);
    }
}

void Control::setText(const Text& text) {
    const QString string = qstringFromText(text);
    if (auto* label = qobject_cast<LabelWidget*>(widget_)) {
        label->setText(string);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        edit->setText(string);
    } else if (auto* button = qobject_cast<QPushButton*>(widget_)) {
        button->setText(string);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget_)) {
        group->setTitle(string);
    }
}

Text Control::text() const {
    if (widget_ == nullptr) {
        return {};
    }
    if (QThread::currentThread() != widget_->thread()) {
        // A worker thread's read is carried out on the UI thread while the worker waits.
        Text result;
        QMetaObject::invokeMethod(
            widget_, [this, &result] { result = text(); }, Qt::BlockingQueuedConnection);
        return result;
    }
    if (auto* label = qobject_cast<LabelWidget*>(widget_)) {
        return textFromQString(label->text());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        return textFromQString(edit->text());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget_)) {
        return textFromQString(button->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget_)) {
        return textFromQString(group->title());
    }
    return {};
}

void Control::setPicture(const ByteBuffer& bytes) {
    if (auto* box = qobject_cast<PictureBoxWidget*>(widget_)) {
        box->setPicture(bytes);
    }
}

void Control::setDisplayMode(std::int32_t mode) {
    if (auto* box = qobject_cast<PictureBoxWidget*>(widget_)) {
        box->setDisplayMode(mode);
    }
}

std::int32_t Control::displayMode() const {
    auto* box = qobject_cast<PictureBoxWidget*>(widget_);
    return box != nullptr ? box->displayMode() : 0;
}

void Control::setCurrentPage(std::int32_t page) {
    if (auto* tabs = qobject_cast<TabControlWidget*>(widget_)) {
        tabs->setCurrentPage(page);
    }
}

std::int32_t Control::currentPage() const {
    auto* tabs = qobject_cast<TabControlWidget*>(widget_);
    return tabs != nullptr ? tabs->currentPage() : -1;
}

} // namespace zanvik
