#include "DocumentsFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace baritemp {

QString UserDocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    folder = QDir::toNativeSeparators(folder);
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

} // namespace baritemp
