#include "assets/templates/templatepictures.h"

#include <QFile>
#include <QString>

namespace zanvik::assets::templates {

bool templatePicturesLinked() {
    return QFile::exists(QString::fromUtf8(a.data(), a.size()));
}

} // namespace zanvik::assets::templates
