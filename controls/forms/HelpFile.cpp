#include "controls/forms/HelpFile.h"

#include <QCoreApplication>
#include <QDir>

namespace norvik {

QUrl helpFileBesideProgram() {
    return QUrl::fromLocalFile(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("norvik.CHM")));
}

} // namespace norvik
