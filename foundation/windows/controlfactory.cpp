#include "foundation/windows/controlfactory.h"

#include "foundation/windows/colours.h"
#include "foundation/windows/fontsubstitutions.h"
#include "foundation/windows/labelwidget.h"
#include "foundation/windows/layerstate.h"
#include "foundation/windows/listboxwidget.h"
#include "foundation/windows/pictureboxwidget.h"
#include "foundation/windows/picturebytes.h"
#include "foundation/windows/qtstring.h"
#include "foundation/windows/tabcontrolwidget.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <climits>

namespace zanvik {
namespace {

Qt::Alignment horizontalFlag(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Centre:
        return Qt::AlignHCenter;
    case HorizontalAlignment::Right:
        return Qt::AlignRight;
    case HorizontalAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Mouse presses run their handler once Qt has finished with the press, so that a handler that
// opens a modal window or runs the move loop never does so inside Qt's own delivery.
std::function<void(const MouseEvent&)> postedMouseHandler(const MouseHandler& handler,
                                                          Window& window, LayerState& layer) {
    if (!handler) {
        return {};
    }
    return [&handler, &window, &layer](const MouseEvent& event) {
        layer.postHandler(window, [&handler, &window, event] { handler(window, event); });
    };
}

QWidget* makePictureBox(const ControlDefinition& row, QWidget* parent, Window& window,
                        LayerState& layer) {
    auto* box =
        new PictureBoxWidget(parent, row.border != Border::None,
                             resolveColour(row.backColour, buttonFaceColour()), row.playAnimation);
    box->setDisplayMode(row.displayMode);
    box->setPicture(readPictureBytes(row.picture));
    box->leftButtonDown = postedMouseHandler(row.leftButtonDown, window, layer);
    return box;
}

QWidget* makeLabel(const ControlDefinition& row, QWidget* parent, Window& window,
                   LayerState& layer) {
    const bool transparent = row.kind == ControlKind::TransparentLabel;
    auto* label =
        new LabelWidget(parent, transparent, row, resolveColour(row.textColour, Qt::black),
                        resolveColour(row.backColour, buttonFaceColour()));
    label->setText(qstringFromUtf8(row.text));
    if (transparent && row.leftButtonDown) {
        label->setLeftButtonDown(postedMouseHandler(row.leftButtonDown, window, layer));
    }
    return label;
}

QWidget* makeEditBox(const ControlDefinition& row, QWidget* parent, Window& window,
                     LayerState& layer) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(INT_MAX);
    edit->setFrame(row.border != Border::None);
    edit->setReadOnly(row.readOnly);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, resolveColour(row.textColour, Qt::black));
    palette.setColor(QPalette::Base, resolveColour(row.backColour, Qt::white));
    edit->setPalette(palette);
    edit->setText(qstringFromUtf8(row.text));
    if (row.textChanged) {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [&row, &window, &layer] {
            layer.runHandler(window, [&row, &window] { row.textChanged(window); });
        });
    }
    return edit;
}

QWidget* makeButton(const ControlDefinition& row, QWidget* parent, Window& window,
                    LayerState& layer) {
    auto* button = new QPushButton(qstringFromUtf8(row.text), parent);
    button->setAutoDefault(false);
    if (row.clicked) {
        QObject::connect(button, &QPushButton::clicked, button, [&row, &window, &layer] {
            layer.runHandler(window, [&row, &window] { row.clicked(window); });
        });
    }
    return button;
}

QWidget* makeGroupBox(const ControlDefinition& row, QWidget* parent) {
    auto* group = new QGroupBox(qstringFromUtf8(row.text), parent);
    group->setAlignment(horizontalFlag(row.horizontalAlignment));
    return group;
}

QWidget* makeTabControl(const ControlDefinition& row, QWidget* parent, Window& window) {
    auto* tabs = new TabControlWidget(parent);
    for (std::string_view title : row.pageTitles) {
        tabs->addPage(qstringFromUtf8(title));
    }
    tabs->setCurrentPage(row.currentPage);
    tabs->tabBar()->setFocusPolicy(row.tabStop ? Qt::TabFocus : Qt::NoFocus);
    tabs->pageChanged = [&row, &window](std::int32_t page) {
        for (const auto& control : window.controls()) {
            if (control->definition().parent == row.name) {
                control->setOnCurrentPage(control->definition().page == page);
            }
        }
    };
    return tabs;
}

QWidget* makeListBox(const ControlDefinition& row, QWidget* parent, Window& window,
                     LayerState& layer) {
    auto* list = new ListBoxWidget(parent);
    list->setFrameShape(row.border == Border::None ? QFrame::NoFrame : QFrame::StyledPanel);
    if (row.font) {
        list->setFont(fontFromSpec(row.font)); // item heights follow the font
    }
    for (std::string_view item : row.items) {
        list->addItem(qstringFromUtf8(item));
    }
    if (row.listItemSelected) {
        list->userChangedSelection = [&row, &window, &layer] {
            layer.runHandler(window, [&row, &window] { row.listItemSelected(window); });
        };
    }
    return list;
}

QWidget* makeWidget(const ControlDefinition& row, QWidget* parent, Window& window,
                    LayerState& layer) {
    switch (row.kind) {
    case ControlKind::PictureBox:
        return makePictureBox(row, parent, window, layer);
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
        return makeLabel(row, parent, window, layer);
    case ControlKind::EditBox:
        return makeEditBox(row, parent, window, layer);
    case ControlKind::Button:
        return makeButton(row, parent, window, layer);
    case ControlKind::GroupBox:
        return makeGroupBox(row, parent);
    case ControlKind::TabControl:
        return makeTabControl(row, parent, window);
    case ControlKind::ListBox:
        return makeListBox(row, parent, window, layer);
    case ControlKind::NonVisual:
        break;
    }
    return nullptr;
}

} // namespace

QWidget* createControlWidget(const ControlDefinition& row, QWidget* parent, Window& window,
                             LayerState& layer) {
    QWidget* widget = makeWidget(row, parent, window, layer);
    if (widget == nullptr) {
        return nullptr;
    }
    widget->setFont(fontFromSpec(row.font));
    widget->setGeometry(row.place.left, row.place.top, row.place.width, row.place.height);
    widget->setCursor(row.cursor == CursorShape::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    const bool takesKeys = row.kind == ControlKind::EditBox || row.kind == ControlKind::Button ||
                           row.kind == ControlKind::ListBox;
    if (takesKeys) {
        widget->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    } else if (row.kind != ControlKind::TabControl) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    return widget;
}

} // namespace zanvik
