#include "controls/HelpFile.h"

#include <QCoreApplication>
#include <QDir>

QUrl helpFileBesideProgram() {
    return QUrl::fromLocalFile(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("norvik.CHM")));
}
