#include "controls/winxp/WinXP.h"

#include "controls/forms/TForm.h"
#include "controls/winxp/VisualStyles.h"

#include <stdexcept>

namespace norvik {

TWinXP::TWinXP(QObject* owner)
    : QObject(owner) {
    // Already one of the owner's children here, so a throw below also takes it out again.
    if (qobject_cast<TForm*>(owner) == nullptr) {
        throw std::runtime_error("Control parent must be a form!");
    }
    if (owner->findChildren<TWinXP*>(Qt::FindDirectChildrenOnly).size() >= 2) {
        throw std::runtime_error("Only one instance of TWinXP allowed on form");
    }
    visualstyles::enable();
}

} // namespace norvik
