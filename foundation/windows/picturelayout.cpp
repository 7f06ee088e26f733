#include "foundation/windows/picturelayout.h"

namespace zanvik {

QRect fitCentred(QSize picture, QRect box) {
    QSize shown = picture;
    if (shown.width() > box.width() || shown.height() > box.height()) {
        shown = picture.scaled(box.size(), Qt::KeepAspectRatio);
    }
    return {box.left() + (box.width() - shown.width()) / 2,
            box.top() + (box.height() - shown.height()) / 2, shown.width(), shown.height()};
}

} // namespace zanvik
