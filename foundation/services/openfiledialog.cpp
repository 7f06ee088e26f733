#include "foundation/services/openfiledialog.h"

#include "foundation/services/nativepath.h"
#include "foundation/values/gbkcodec.h"

#include <QFileDialog>
#include <QStringList>

namespace zanvik {

QString qtFilterFromFilterText(const Text& filter) {
    const QString text = QString::fromStdString(utf8FromGbk(filter));
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) {
        --end;
    }
    const QStringList parts = text.left(end).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts.at(i + 1).isEmpty()) {
            filters.append(parts.at(i) + QStringLiteral(" (") + parts.at(i + 1) + QLatin1Char(')'));
        }
    }
    return filters.join(QStringLiteral(";;"));
}

bool chooseOpenFile(OpenFileDialog& dialog) {
    QFileDialog box(nullptr, QString::fromStdString(utf8FromGbk(dialog.title)));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontUseNativeDialog, true);
    box.setWindowModality(Qt::ApplicationModal);
    const QString filters = qtFilterFromFilterText(dialog.filter);
    if (!filters.isEmpty()) {
        box.setNameFilter(filters);
    }
    if (!dialog.fileName.empty()) {
        box.selectFile(QString::fromStdString(services::nativePath(dialog.fileName)));
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return false;
    }
    const Text chosen =
        services::pathTextFromNative(box.selectedFiles().constFirst().toStdString());
    if (chosen.empty()) {
        return false;
    }
    dialog.fileName = chosen;
    return true;
}

} // namespace zanvik
