#include "TestFuseMount.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

bool IsMountPoint(const QString &path)
{
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    const QByteArray needle = ' ' + QFile::encodeName(path) + ' ';
    return mounts.readAll().contains(needle);
}

} // namespace

TFuseMount::TFuseMount()
{
    const QString bindfs = QStandardPaths::findExecutable(QStringLiteral("bindfs"));
    if (bindfs.isEmpty()) {
        FReason = QStringLiteral("bindfs is not installed (scripts/setup.sh installs it)");
        return;
    }
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        FReason = QStringLiteral("/dev/fuse is missing or not usable here");
        return;
    }
    if (!FDir.isValid() || !QDir().mkpath(Source()) || !QDir().mkpath(Mount())) {
        FReason = QStringLiteral("no temporary folder for the mount");
        return;
    }
    // In the foreground, so that the process started here is the file system itself and only it
    // is ever stopped or ended.
    FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FProcess.start(bindfs, {QStringLiteral("-f"), QStringLiteral("--no-allow-other"), Source(), Mount()});
    if (!FProcess.waitForStarted(10000)) {
        FReason = QStringLiteral("bindfs did not start");
        return;
    }
    FPid = FProcess.processId();
    ServeEventsUntil([&] { return IsMountPoint(Mount()) || FProcess.state() == QProcess::NotRunning; }, 10000);
    FMounted = IsMountPoint(Mount());
    if (!FMounted)
        FReason = QStringLiteral("bindfs could not mount (no FUSE permission here?)");
}

TFuseMount::~TFuseMount()
{
    Thaw();
    if (FProcess.state() == QProcess::NotRunning)
        return;
    QString fusermount = QStandardPaths::findExecutable(QStringLiteral("fusermount3"));
    if (fusermount.isEmpty())
        fusermount = QStandardPaths::findExecutable(QStringLiteral("fusermount"));
    if (FMounted && !fusermount.isEmpty())
        QProcess::execute(fusermount, {QStringLiteral("-u"), QStringLiteral("-z"), Mount()});
    if (!FProcess.waitForFinished(5000) && FPid > 0) {
        ::kill(static_cast<pid_t>(FPid), SIGTERM);
        FProcess.waitForFinished(5000);
    }
}

void TFuseMount::Freeze(int safetyMs)
{
    if (FFrozen || FPid <= 0 || FProcess.state() == QProcess::NotRunning || ::kill(static_cast<pid_t>(FPid), SIGSTOP) != 0)
        return;
    FFrozen = true;
    FSafetyStop = false;
    const pid_t pid = static_cast<pid_t>(FPid);
    FSafety = std::thread([this, pid, safetyMs] {
        std::unique_lock lock(FSafetyLock);
        if (!FSafetyWake.wait_for(lock, std::chrono::milliseconds(safetyMs), [this] { return FSafetyStop; })) {
            FThawedBySafety.store(true);
            ::kill(pid, SIGCONT);
        }
    });
}

void TFuseMount::Thaw()
{
    if (!FFrozen)
        return;
    {
        const std::lock_guard guard(FSafetyLock);
        FSafetyStop = true;
    }
    FSafetyWake.notify_all();
    if (FSafety.joinable())
        FSafety.join();
    if (FPid > 0)
        ::kill(static_cast<pid_t>(FPid), SIGCONT);
    FFrozen = false;
}
