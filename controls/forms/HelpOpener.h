#pragma once

#include <QUrl>

namespace norvik {

// Hands a help file to whatever the desktop opens it with. The windows never look at the
// outcome: a missing file or viewer leaves them exactly as they were.
class HelpOpener {
public:
    virtual ~HelpOpener() = default;
    virtual void open(const QUrl& file) = 0;
};

} // namespace norvik
