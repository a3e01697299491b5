#include "controls/TXPManifest.h"

#include "controls/VisualStyles.h"

namespace norvik {

TXPManifest::TXPManifest(QObject* owner)
    : QObject(owner) {
    visualstyles::enable();
}

} // namespace norvik
