#pragma once

#include "controls/forms/HelpOpener.h"

#include <QList>

namespace norvik {

// Remembers every help file the window asks the desktop to open.
class RecordingHelpOpener final : public norvik::HelpOpener {
public:
    void open(const QUrl& file) override { opened.append(file); }

    QList<QUrl> opened;
};

} // namespace norvik
