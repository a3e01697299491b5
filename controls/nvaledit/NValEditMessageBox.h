#pragma once

#include "controls/nvaledit/rules/NValEditDesignReporter.h"

namespace norvik {

// The reports of a numeric edit in a form designer: a beep and a plain message box.
class TNValEditMessageBox : public NValEditDesignReporter {
public:
    void beep() override;
    void showMessage(const std::string& message) override;
};

} // namespace norvik
