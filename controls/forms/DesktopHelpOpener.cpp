#include "controls/forms/DesktopHelpOpener.h"

#include <QDesktopServices>

namespace norvik {

void DesktopHelpOpener::open(const QUrl& file) {
    // The result is deliberately ignored: the program shows nothing of its own if the desktop
    // cannot open the file.
    QDesktopServices::openUrl(file);
}

} // namespace norvik
