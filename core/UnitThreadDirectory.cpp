#include "UnitThreadDirectory.h"
#include "UnitTextFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMutexLocker>

#include <QElapsedTimer>

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
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

// One value for a folder's listing (names, kinds, sizes and last-write times of its entries), the
// same whatever order the entries come in. False when the folder cannot be listed.
quint64 Mix(quint64 x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

struct TListingSignature {
    quint64 Count = 0, Sum = 0;
    bool operator==(const TListingSignature &) const = default;
};

// The polled folder and its last listing, kept across re-arming. Each watcher has a thread of
// its own, so they live with the thread.
thread_local QString PolledFolder;
thread_local TListingSignature PolledSignature;

bool ListingSignature(const QString &folder, TListingSignature &signature)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    const int dirFd = ::dirfd(dir);
    TListingSignature result;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        if (IsOwnCacheFile(name) || ((name[0] == '.' || name[0] == '~') && IsTemporaryFileName(QFile::decodeName(name))))
            continue;
        quint64 h = qHash(QByteArrayView(name), 0);
        struct stat st {};
        if (::fstatat(dirFd, name, &st, 0) == 0 || ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            h = Mix(h ^ static_cast<quint64>(st.st_size));
            h = Mix(h ^ static_cast<quint64>(st.st_mtim.tv_sec));
            h = Mix(h ^ static_cast<quint64>(st.st_mtim.tv_nsec));
            h = Mix(h ^ static_cast<quint64>(st.st_mode & S_IFMT));
        }
        ++result.Count;
        result.Sum += Mix(h);
    }
    ::closedir(dir);
    signature = result;
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

bool IsRemoteFileSystemType(quint64 fsType)
{
    // Compared as 32 bits: statfs gives the type as a signed word, and these are 32-bit constants.
    switch (static_cast<quint32>(fsType)) {
    case 0xFF534D42u: // CIFS
    case 0xFE534D42u: // SMB2
    case 0x0000517Bu: // SMB (old)
    case 0x00006969u: // NFS
    case 0x65735546u: // FUSE (sshfs, rclone, gvfs, bindfs, ...)
    case 0x01021997u: // 9p (virtual machines, WSL)
    case 0x73757245u: // Coda
    case 0x5346414Fu: // AFS
    case 0x6B414653u: // kAFS
    case 0x00C36400u: // Ceph
    case 0x0000564Cu: // NCP (NetWare)
    case 0x0BD00BD0u: // Lustre
    case 0x47504653u: // GPFS
    case 0x01161970u: // GFS2 (a disk shared by several computers)
    case 0x7461636Fu: // OCFS2 (the same)
    case 0x786F4256u: // VirtualBox shared folders
    case 0x20030528u: // OrangeFS
        return true;
    default:
        return false;
    }
}

TWatchKind WatchKindForFolder(const QString &folder)
{
    if (folder.isEmpty())
        return TWatchKind::None;
    struct statfs info {};
    int r;
    do
        r = ::statfs(QFile::encodeName(folder).constData(), &info);
    while (r < 0 && errno == EINTR);
    if (r != 0)
        return TWatchKind::Inotify;
    return IsRemoteFileSystemType(static_cast<quint64>(info.f_type)) ? TWatchKind::Polling : TWatchKind::Inotify;
}

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

bool TThreadDirectory::StopWithin(int ms)
{
    FTerminated.store(true);
    Wake();
    if (!isRunning())
        return true;
    QDeadlineTimer deadline(ms);
    if (QThread::currentThread() != thread())
        return wait(deadline);
    while (!wait(QDeadlineTimer(qMin<qint64>(20, qMax<qint64>(0, deadline.remainingTime()))))) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return true;
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

bool TThreadDirectory::RunPolling(const QString &folder)
{
    TListingSignature last;
    QElapsedTimer timer;
    timer.start();
    if (!ListingSignature(folder, last)) {
        // Nothing to list (the folder is gone, or not there yet): wait until told to look again.
        FKind.store(TWatchKind::None);
        PolledFolder.clear();
        return WaitFor(-1, -1) != TWakeReason::Error;
    }
    qint64 listingMs = timer.elapsed();
    // Armed again on the same folder (woken by its owner): a change since the last listing is
    // still reported, not taken as the new starting point.
    const bool missed = folder == PolledFolder && !(last == PolledSignature);
    PolledFolder = folder;
    PolledSignature = last;
    emit Watching(folder);
    if (missed && !FTerminated.load())
        ReportChange();
    bool pause = true;
    while (!FTerminated.load()) {
        if (pause) {
            const TWakeReason reason = WaitFor(-1, FPauseMs.load());
            if (reason == TWakeReason::Wake)
                DrainWakes();
            if (reason != TWakeReason::Timeout)
                return reason != TWakeReason::Error;
            emit WaitingForChange();
        }
        // A listing that takes long is made less often, so that at most a tenth of the time is
        // spent on it; at most every 8 s, so that a change still shows within the pause and 8 s.
        const qint64 pollMs = FPollMs.load();
        const qint64 interval = qMax(pollMs, qMin<qint64>(listingMs * 10, 8000));
        const TWakeReason reason = WaitFor(-1, static_cast<int>(interval));
        if (reason == TWakeReason::Wake)
            DrainWakes();
        if (reason != TWakeReason::Timeout)
            return reason != TWakeReason::Error;
        TListingSignature now;
        timer.restart();
        const bool listed = ListingSignature(folder, now);
        listingMs = timer.elapsed();
        if (FTerminated.load())
            return true;
        emit Listed();
        if (!listed) {
            // The folder has gone: the owner rescans, and the watcher arms again.
            ReportChange();
            return true;
        }
        pause = !(now == last);
        if (pause) {
            last = now;
            PolledSignature = now;
            ReportChange();
        }
    }
    return true;
}

void TThreadDirectory::run()
{
    while (!FTerminated.load()) {
        const QString folder = GetFolder();
        const TWatchKind kind = WatchKindForFolder(folder);
        if (FTerminated.load())
            return;
        if (kind == TWatchKind::Polling) {
            FKind.store(kind);
            if (!RunPolling(folder))
                return;
            continue;
        }
        FKind.store(TWatchKind::Inotify);
        const int inotifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const bool armed = inotifyFd >= 0 && !folder.isEmpty() &&
                           ::inotify_add_watch(inotifyFd, QFile::encodeName(folder).constData(), WatchMask) >= 0;
        if (!armed) {
            // Nothing to watch (no folder, or it is gone): wait until told to look again.
            if (inotifyFd >= 0)
                ::close(inotifyFd);
            FKind.store(TWatchKind::None);
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
