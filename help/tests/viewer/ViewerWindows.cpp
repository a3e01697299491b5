#include "ViewerWindows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <utility>

namespace norvik {

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

qint64 ViewerWindows::waitForProcess(int timeoutMs) const {
    qint64 owner = 0;
    const auto named = [this, &owner] {
        for (const qulonglong window : find()) {
            owner = processOf(window);
            if (owner > 0) {
                return true;
            }
        }
        return false;
    };
    return QTest::qWaitFor(named, timeoutMs) ? owner : 0;
}

qint64 ViewerWindows::processOf(qulonglong window) const {
    return xdotool({QStringLiteral("getwindowpid"), QString::number(window)}).toLongLong();
}

QList<qint64> ViewerWindows::viewerProcesses(const QString& openedFile) const {
    QList<qint64> processes;
    for (const qulonglong window : find()) {
        if (const qint64 pid = processOf(window); pid > 0 && !processes.contains(pid)) {
            processes.append(pid);
        }
    }
    const QByteArray wanted = openedFile.toLocal8Bit();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool isProcess = false;
        const qint64 pid = entry.toLongLong(&isProcess);
        if (!isProcess || pid == QCoreApplication::applicationPid() || processes.contains(pid)) {
            continue;
        }
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(wanted)) {
            processes.append(pid);
        }
    }
    return processes;
}

void ViewerWindows::signalAll(const QString& openedFile, int signal) const {
    for (const qint64 pid : viewerProcesses(openedFile)) {
        ::kill(static_cast<pid_t>(pid), signal);
    }
}

bool ViewerWindows::closeAll(int timeoutMs, const QString& openedFile) const {
    const auto gone = [this] { return find().isEmpty(); };
    signalAll(openedFile, SIGTERM);
    if (QTest::qWaitFor(gone, timeoutMs)) {
        return true;
    }
    signalAll(openedFile, SIGKILL);
    static_cast<void>(QTest::qWaitFor(gone, 5000));
    return false;
}

} // namespace norvik
