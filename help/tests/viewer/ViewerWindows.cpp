#include "ViewerWindows.h"

#include <QProcess>
#include <QTest>

#include <csignal>
#include <utility>

namespace {

// Every query ends within a few seconds, so a broken display can never hang the test.
QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

ViewerWindows::ViewerWindows(QString title)
    : title_(std::move(title)) {}

QList<qulonglong> ViewerWindows::find() const {
    QList<qulonglong> windows;
    const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--name"), title_});
    for (const QString& line : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        windows.append(line.toULongLong());
    }
    return windows;
}

bool ViewerWindows::waitForOne(int timeoutMs) const {
    return QTest::qWaitFor([this] { return !find().isEmpty(); }, timeoutMs);
}

qint64 ViewerWindows::processOf(qulonglong window) const {
    return xdotool({QStringLiteral("getwindowpid"), QString::number(window)}).toLongLong();
}

bool ViewerWindows::closeAll(int timeoutMs) const {
    for (const qulonglong window : find()) {
        const qint64 pid = processOf(window);
        if (pid > 0) {
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        }
    }
    if (QTest::qWaitFor([this] { return find().isEmpty(); }, timeoutMs)) {
        return true;
    }
    for (const qulonglong window : find()) {
        const qint64 pid = processOf(window);
        if (pid > 0) {
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        }
    }
    return false;
}
