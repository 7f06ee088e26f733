#include "foundation/windows/colours.h"

#include <QApplication>
#include <QPalette>

namespace zanvik {

QColor buttonFaceColour() {
    return QApplication::palette().color(QPalette::Button);
}

QColor resolveColour(const Colour& colour, const QColor& kindDefault) {
    switch (colour.source) {
    case Colour::Source::KindDefault:
        return kindDefault;
    case Colour::Source::ButtonFace:
        return buttonFaceColour();
    case Colour::Source::Rgb:
        return {colour.red, colour.green, colour.blue};
    }
    return kindDefault;
}

} // namespace zanvik
