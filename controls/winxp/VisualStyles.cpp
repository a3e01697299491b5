#include "controls/winxp/VisualStyles.h"

#include <QCoreApplication>
#include <QVariant>

namespace norvik::visualstyles {

namespace {

constexpr const char* kProperty = "norvikVisualStyles";

void setActive(bool on) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->setProperty(kProperty, on);
    }
}

} // namespace

void enable() {
    setActive(true);
}

void disable() {
    setActive(false);
}

bool active() {
    const QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr && application->property(kProperty).toBool();
}

} // namespace norvik::visualstyles
