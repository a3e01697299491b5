#pragma once

#include <QList>
#include <QString>

namespace norvik {

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

    // The process that owns one of the viewer's windows, waiting at most timeoutMs for a window
    // that names its process (the toolkit's hidden leader window names none); 0 when none did.
    qint64 waitForProcess(int timeoutMs) const;

    // Ends every viewer that owns a window found or has openedFile on its command line (a window
    // does not always name its process), waits at most timeoutMs for the windows to go, and
    // kills what is left; false when a window outlived the polite request.
    bool closeAll(int timeoutMs, const QString& openedFile) const;

private:
    QList<qint64> viewerProcesses(const QString& openedFile) const;
    void signalAll(const QString& openedFile, int signal) const;

    QString title_;
};

} // namespace norvik
