#pragma once

#include <QList>
#include <QString>

// The help viewer's top-level windows on the X display, found by the title the help gives
// them. Asked through xdotool, as the windows belong to another process.
class ViewerWindows {
public:
    explicit ViewerWindows(QString title);

    QList<qulonglong> find() const;

    // Waits at most timeoutMs for a window to appear; false when none did.
    bool waitForOne(int timeoutMs) const;

    // The process that owns a window, or 0 when the window does not say.
    qint64 processOf(qulonglong window) const;

    // Ends the viewer that owns every window found and waits at most timeoutMs for the windows
    // to go; false when some stayed.
    bool closeAll(int timeoutMs) const;

private:
    QString title_;
};
