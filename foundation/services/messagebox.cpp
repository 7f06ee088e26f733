#include "foundation/services/messagebox.h"

#include "foundation/values/gbkcodec.h"

#include <QMessageBox>
#include <QString>

namespace zanvik {

namespace {

QString fromText(const Text& text) {
    return QString::fromStdString(utf8FromGbk(text));
}

QMessageBox::Icon iconOf(std::int32_t style) {
    switch (style & 0xF0) {
    case messagebox::iconError:
        return QMessageBox::Critical;
    case messagebox::iconQuestion:
        return QMessageBox::Question;
    case messagebox::iconWarning:
        return QMessageBox::Warning;
    case messagebox::iconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(std::int32_t style) {
    switch (style & 0x0F) {
    case messagebox::okCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case messagebox::yesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case messagebox::yesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

std::int32_t resultOf(int pressed) {
    switch (pressed) {
    case QMessageBox::Cancel:
        return messagebox::pressedCancel;
    case QMessageBox::Yes:
        return messagebox::pressedYes;
    case QMessageBox::No:
        return messagebox::pressedNo;
    default:
        return messagebox::pressedOk;
    }
}

} // namespace

Text defaultMessageBoxCaption() {
    return gbkFromUtf8("信息：");
}

std::int32_t showMessageBox(const Text& text, std::int32_t style, const Text& caption) {
    QMessageBox box(iconOf(style), fromText(caption.empty() ? defaultMessageBoxCaption() : caption),
                    fromText(text), buttonsOf(style));
    box.setWindowModality(Qt::ApplicationModal);
    if (box.standardButtons() & QMessageBox::Cancel) {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return resultOf(box.exec());
}

} // namespace zanvik
