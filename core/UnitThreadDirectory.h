#pragma once
// Folder watcher: a low-priority thread that tells its owner, on the owner's thread, when the
// entries of one folder change (names of files and folders, last-write times). Notifications are
// paced: after each report (and after arming) the watcher pauses, so that it reports at most once
// per pause, and a burst of changes counts once.
//
// Each folder is watched the way its file system allows: inotify on local disks; on network and
// FUSE file systems, where inotify never hears what other computers write, a cheap listing of
// names, sizes and times compared with the previous one.
#include <QMutex>
#include <QString>
#include <QThread>
#include <atomic>
#include <functional>

// How a folder is watched.
enum class TWatchKind { None, Inotify, Polling };

// True for file system types (statfs f_type) whose folders other computers or user-space servers
// can change without the kernel's notifications telling: network file systems, cluster and shared
// folders, FUSE.
bool IsRemoteFileSystemType(quint64 fsType);
// The way to watch a folder: polling on a remote file system, inotify otherwise (also when the
// type cannot be read). Blocks while the folder's file system does not answer.
TWatchKind WatchKindForFolder(const QString &folder);

class TThreadDirectory : public QThread {
    Q_OBJECT
public:
    // Created suspended: the owner sets OnChange and then calls Start. The object belongs to the
    // thread that creates it (the user-interface thread), where OnChange runs.
    explicit TThreadDirectory(const QString &folder, QObject *parent = nullptr);
    // Stops the thread (see Stop).
    ~TThreadDirectory() override;

    // Run on the owner's thread while the watcher waits for it to finish.
    std::function<void()> OnChange;

    // Starts watching at the lowest priority.
    void Start();
    // Watches another folder; takes effect at once, also during a pause.
    void SetFolder(const QString &folder);
    QString GetFolder() const;
    // Wakes the thread: it re-reads its folder and re-arms.
    void Wake();
    // Sets the terminate flag, wakes the thread and waits for it to end. The caller's events keep
    // being processed meanwhile, so a report waiting to run on this thread cannot deadlock.
    void Stop();
    bool Terminated() const { return FTerminated.load(); }
    // True while OnChange runs (on the owner's thread).
    bool Notifying() const { return FNotifying; }
    // For an owner that lets go of the watcher inside its own notice, where waiting for the
    // thread would wait on that very notice: stops it without waiting, and the object deletes
    // itself once the notice has returned.
    void DeleteAfterNotice();

    // The pause after each report, 5000 ms unless changed (tests shorten it).
    void SetPauseMs(int ms) { FPauseMs.store(ms); }
    int PauseMs() const { return FPauseMs.load(); }
    // The shortest time between two listings of a polled folder, 2000 ms unless changed. A folder
    // whose listing takes long is listed less often (up to every 8 s), so that polling stays a
    // small load.
    void SetPollMs(int ms) { FPollMs.store(ms); }
    // How the folder armed last is watched (None before arming or when nothing is watched).
    TWatchKind Kind() const { return FKind.load(); }
    // True once the thread has ended (after Stop or a stop with a time limit).
    bool Ended() const { return isFinished() || !isRunning(); }
    // Stops like Stop but waits at most `ms` for the thread, which may be stuck in a call on a
    // file system that does not answer. False when it has not ended yet; it ends by itself once
    // the call returns, and then never reports again.
    bool StopWithin(int ms);

signals:
    // Emitted from the watcher thread when change notifications are armed on a folder.
    void Watching(const QString &folder);
    // Emitted from the watcher thread each time it waits for a change with none pending.
    void WaitingForChange();
    // Emitted from the watcher thread when it has seen a change and is about to report it.
    void ChangeSeen();
    // Emitted from the watcher thread after each listing of a polled folder.
    void Listed();

protected:
    void run() override;

private:
    // What ended a wait.
    enum class TWakeReason { Terminated, Wake, Change, Timeout, Error };
    TWakeReason WaitFor(int inotifyFd, int timeoutMs);
    void DrainWakes();
    bool DrainChanges(int inotifyFd, bool &watchGone);
    void ReportChange();
    // Watches by listing until told to re-arm or end; false when the thread cannot wait any more.
    bool RunPolling(const QString &folder);

    mutable QMutex FLock;
    QString FFolder;
    int FWakeFd = -1;
    std::atomic<bool> FTerminated{false};
    std::atomic<int> FPauseMs{5000};
    std::atomic<int> FPollMs{2000};
    std::atomic<TWatchKind> FKind{TWatchKind::None};
    bool FNotifying = false;
    bool FDeleteAfterNotice = false;
};
