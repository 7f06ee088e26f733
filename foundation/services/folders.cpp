#include "foundation/services/folders.h"

#include "foundation/services/nativepath.h"

#include <QCoreApplication>
#include <QDir>

namespace zanvik {

Text folderOfProgramFile(const Text& programFile) {
    const std::string_view bytes = programFile.bytes();
    const std::size_t slash = bytes.rfind('/');
    return slash == std::string_view::npos ? Text() : Text(bytes.substr(0, slash));
}

Text withOneTrailingSeparator(const Text& folder) {
    std::string_view bytes = folder.bytes();
    if (bytes.empty()) {
        return {};
    }
    while (!bytes.empty() && bytes.back() == '/') {
        bytes.remove_suffix(1);
    }
    return Text(std::string(bytes) + '/');
}

Text tempFolder() {
    return withOneTrailingSeparator(services::pathTextFromNative(QDir::tempPath().toStdString()));
}

Text runDirectory() {
    const Text programFile =
        services::pathTextFromNative(QCoreApplication::applicationFilePath().toStdString());
    return folderOfProgramFile(programFile);
}

} // namespace zanvik
