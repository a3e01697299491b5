#include "controls/forms/DesktopIcon.h"

#include <QDirIterator>

namespace norvik {

// The resource file carries the hicolor folder as the generator lays it out, one folder a size.
QIcon desktopIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/images/hicolor"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next() + QStringLiteral("/apps/norvik.png"));
    }
    return icon;
}

} // namespace norvik
