#include "controls/winxp/TXPManifest.h"

#include "controls/winxp/VisualStyles.h"

namespace norvik {

TXPManifest::TXPManifest(QObject* owner)
    : QObject(owner) {
    visualstyles::enable();
}

} // namespace norvik
