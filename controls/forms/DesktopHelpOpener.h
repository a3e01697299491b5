#pragma once

#include "controls/forms/HelpOpener.h"

namespace norvik {

// Opens the help file through the desktop's own file associations.
class DesktopHelpOpener final : public HelpOpener {
public:
    void open(const QUrl& file) override;
};

} // namespace norvik
