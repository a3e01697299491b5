#include "controls/TXPManifest.h"

#include "controls/VisualStyles.h"

TXPManifest::TXPManifest(QObject* owner)
    : QObject(owner) {
    VisualStyles::enable();
}
