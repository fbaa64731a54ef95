#include "UnitThreadDirectory.h"
#include "UnitTextFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMutexLocker>

#include <cerrno>
#include <climits>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Names, creation and deletion of entries, and last-write times (a write, or a time set by touch).
constexpr uint32_t WatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB |
                               IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;

// The folder view rewrites the folder's cache after each refresh; that write (and the temporary
// file of the atomic write) is the program's own bookkeeping, not a change worth a refresh.
bool IsOwnCacheFile(const char *name)
{
    static const QByteArray cache = QByteArrayLiteral("cache.vcc");
    const QByteArray n(name);
    return n == cache || n.startsWith(cache + '.') ||
           (n.startsWith('.' + cache + '.') && IsTemporarySaveName(QFile::decodeName(n)));
}

// An unnamed temporary file (opened with O_TMPFILE, as atomic writes do) shows in events as
// "#<inode>"; it is no entry of the folder.
bool IsUnnamedTemporary(const char *name)
{
    if (name[0] != '#' || name[1] == 0)
        return false;
    for (const char *c = name + 1; *c; ++c)
        if (*c < '0' || *c > '9')
            return false;
    return true;
}

bool Readable(int fd, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    int r;
    do
        r = ::poll(&p, 1, timeoutMs);
    while (r < 0 && errno == EINTR);
    return r > 0 && (p.revents & POLLIN);
}

void ResetEvent(int fd)
{
    uint64_t value;
    while (::read(fd, &value, sizeof value) > 0) {
    }
}

} // namespace

TThreadDirectory::TThreadDirectory(const QString &folder, QObject *parent) : QThread(parent), FFolder(folder)
{
    FWakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

TThreadDirectory::~TThreadDirectory()
{
    Stop();
    if (FWakeFd >= 0)
        ::close(FWakeFd);
}

void TThreadDirectory::Start() { start(QThread::LowestPriority); }

void TThreadDirectory::SetFolder(const QString &folder)
{
    {
        QMutexLocker lock(&FLock);
        FFolder = folder;
    }
    Wake();
}

QString TThreadDirectory::GetFolder() const
{
    QMutexLocker lock(&FLock);
    return FFolder;
}

void TThreadDirectory::Wake()
{
    const uint64_t one = 1;
    if (FWakeFd >= 0) {
        ssize_t written;
        do
            written = ::write(FWakeFd, &one, sizeof one);
        while (written < 0 && errno == EINTR);
    }
}

void TThreadDirectory::Stop()
{
    FTerminated.store(true);
    Wake();
    if (!isRunning() && !isFinished())
        return;
    if (QThread::currentThread() != thread()) {
        wait();
        return;
    }
    // A report may be waiting to run on this thread: keep serving it while the watcher ends.
    while (!wait(QDeadlineTimer(20)))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TThreadDirectory::DeleteAfterNotice()
{
    FTerminated.store(true);
    Wake();
    FDeleteAfterNotice = true;
}

TThreadDirectory::TWakeReason TThreadDirectory::WaitFor(int inotifyFd, int timeoutMs)
{
    if (FWakeFd < 0)
        return TWakeReason::Error;
    pollfd fds[2] = {{FWakeFd, POLLIN, 0}, {inotifyFd, POLLIN, 0}};
    const nfds_t count = inotifyFd >= 0 ? 2 : 1;
    QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs));
    for (;;) {
        if (FTerminated.load())
            return TWakeReason::Terminated;
        const qint64 left = deadline.remainingTime();
        const int r = ::poll(fds, count, left < 0 ? -1 : static_cast<int>(qMin<qint64>(left, INT_MAX)));
        if (r < 0 && errno == EINTR)
            continue;
        if (FTerminated.load())
            return TWakeReason::Terminated;
        if (r < 0)
            return TWakeReason::Error;
        if (r == 0)
            return TWakeReason::Timeout;
        if (fds[0].revents & POLLIN) {
            ResetEvent(FWakeFd);
            return TWakeReason::Wake;
        }
        if (count == 2 && fds[1].revents)
            return TWakeReason::Change;
    }
}

void TThreadDirectory::DrainWakes()
{
    // Wakes that follow close behind (a folder selected with the arrow keys) re-arm once.
    while (!FTerminated.load() && Readable(FWakeFd, 100))
        ResetEvent(FWakeFd);
}

bool TThreadDirectory::DrainChanges(int inotifyFd, bool &watchGone)
{
    alignas(inotify_event) char buffer[16 * 1024];
    bool relevant = false;
    // A burst counts once: read on while further changes are already pending.
    for (int round = 0; round < 1000; ++round) {
        bool any = false;
        for (;;) {
            const ssize_t n = ::read(inotifyFd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            any = true;
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) {
                    watchGone = true;
                    relevant = true;
                } else if (event->mask & IN_Q_OVERFLOW) {
                    relevant = true;
                } else if (event->len == 0 ||
                           (!IsOwnCacheFile(event->name) && !(IsUnnamedTemporary(event->name) && (event->mask & IN_ATTRIB)))) {
                    relevant = true;
                }
            }
        }
        if (!any && round > 0)
            break;
        if (!Readable(inotifyFd, 0))
            break;
    }
    return relevant;
}

void TThreadDirectory::ReportChange()
{
    emit ChangeSeen();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (FTerminated.load() || !OnChange)
                return;
            FNotifying = true;
            OnChange();
            FNotifying = false;
            if (FDeleteAfterNotice)
                deleteLater();
        },
        Qt::BlockingQueuedConnection);
}

void TThreadDirectory::run()
{
    while (!FTerminated.load()) {
        const QString folder = GetFolder();
        const int inotifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const bool armed = inotifyFd >= 0 && !folder.isEmpty() &&
                           ::inotify_add_watch(inotifyFd, QFile::encodeName(folder).constData(), WatchMask) >= 0;
        if (!armed) {
            // Nothing to watch (no folder, or it is gone): wait until told to look again.
            if (inotifyFd >= 0)
                ::close(inotifyFd);
            if (WaitFor(-1, -1) == TWakeReason::Error)
                return;
            continue;
        }
        emit Watching(folder);
        bool pause = true;
        bool rearm = false;
        while (!FTerminated.load() && !rearm) {
            TWakeReason reason = TWakeReason::Timeout;
            if (pause)
                reason = WaitFor(-1, FPauseMs.load());
            if (reason == TWakeReason::Timeout) {
                if (!Readable(inotifyFd, 0))
                    emit WaitingForChange();
                reason = WaitFor(inotifyFd, -1);
            }
            switch (reason) {
            case TWakeReason::Wake:
                DrainWakes();
                rearm = true;
                break;
            case TWakeReason::Change: {
                bool watchGone = false;
                const bool relevant = DrainChanges(inotifyFd, watchGone);
                if (relevant && !FTerminated.load())
                    ReportChange();
                pause = relevant;
                rearm = watchGone;
                break;
            }
            case TWakeReason::Error:
                ::close(inotifyFd);
                return;
            default:
                break;
            }
        }
        ::close(inotifyFd);
    }
}
