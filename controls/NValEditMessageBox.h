#pragma once

#include "controls/NValEditDesignReporter.h"

// The reports of a numeric edit in a form designer: a beep and a plain message box.
class TNValEditMessageBox : public norvik::NValEditDesignReporter {
public:
    void Beep() override;
    void ShowMessage(const std::string& message) override;
};
