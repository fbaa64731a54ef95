#pragma once
// Folder watcher: a low-priority thread that tells its owner, on the owner's thread, when the
// entries of one folder change (names of files and folders, last-write times). Notifications are
// paced: after each report (and after arming) the watcher pauses, so that it reports at most once
// per pause, and a burst of changes counts once.
#include <QMutex>
#include <QString>
#include <QThread>
#include <atomic>
#include <functional>

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

signals:
    // Emitted from the watcher thread when change notifications are armed on a folder.
    void Watching(const QString &folder);
    // Emitted from the watcher thread each time it waits for a change with none pending.
    void WaitingForChange();
    // Emitted from the watcher thread when it has seen a change and is about to report it.
    void ChangeSeen();

protected:
    void run() override;

private:
    // What ended a wait.
    enum class TWakeReason { Terminated, Wake, Change, Timeout, Error };
    TWakeReason WaitFor(int inotifyFd, int timeoutMs);
    void DrainWakes();
    bool DrainChanges(int inotifyFd, bool &watchGone);
    void ReportChange();

    mutable QMutex FLock;
    QString FFolder;
    int FWakeFd = -1;
    std::atomic<bool> FTerminated{false};
    std::atomic<int> FPauseMs{5000};
    bool FNotifying = false;
    bool FDeleteAfterNotice = false;
};
