#include "TestFuseMount.h"
#include "TestSupport.h"
#include "UnitFileOperations.h"
#include "UnitTextFile.h"
#include "UnitThreadDirectory.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <atomic>

namespace {

void Touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Append)) << path.toStdString();
    f.write("x");
}

// A watcher with counters of what it reported.
class Watcher {
public:
    int Changes = 0;
    int Waiting = 0;
    // Waiting as it was when the last report ran and when the watcher last armed: the signals
    // arrive in order, so an idle signal counted later came after that report or arming.
    int WaitingAtChange = 0;
    int WaitingAtArm = 0;
    bool OnUiThread = true;
    QString FolderAtChange;
    QStringList Armed;
    std::atomic<bool> Seen{false};
    std::function<void()> DuringChange;
    QElapsedTimer SinceChange;
    // Last, so that it stops before the counters its handlers use are gone.
    TThreadDirectory W;

    Watcher(const QString &folder, int pauseMs) : W(folder)
    {
        W.SetPauseMs(pauseMs);
        W.OnChange = [this] {
            OnUiThread = OnUiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
            FolderAtChange = W.GetFolder();
            WaitingAtChange = Waiting;
            ++Changes;
            if (DuringChange)
                DuringChange();
            SinceChange.start();
        };
        QObject::connect(&W, &TThreadDirectory::Watching, &W, [this](const QString &f) {
            Armed << f;
            WaitingAtArm = Waiting;
        });
        QObject::connect(&W, &TThreadDirectory::WaitingForChange, &W, [this] { ++Waiting; });
        QObject::connect(
            &W, &TThreadDirectory::ChangeSeen, &W, [this] { Seen.store(true); }, Qt::DirectConnection);
    }

    bool WaitArmedOn(const QString &folder) { return ServeEventsUntil([&] { return Armed.contains(folder); }); }
    // Waits until the watcher is idle (nothing pending after its pause) since the given count.
    bool WaitIdleSince(int count) { return ServeEventsUntil([&] { return Waiting > count; }); }
    bool WaitIdleAfterChange() { return WaitIdleSince(WaitingAtChange); }
    bool WaitIdleAfterArm() { return WaitIdleSince(WaitingAtArm); }
};

class FolderWatcher : public IsolatedTest {
protected:
    QTemporaryDir Dir;
    QString A() const { return Dir.path() + QStringLiteral("/A"); }
    QString B() const { return Dir.path() + QStringLiteral("/B"); }
    void SetUp() override
    {
        QDir().mkpath(A());
        QDir().mkpath(B());
    }
};

} // namespace

TEST_F(FolderWatcher, BurstDuringThePauseIsReportedOnceOnTheUserInterfaceThread)
{
    Watcher w(A(), 3000);
    w.W.Start();
    ASSERT_TRUE(w.WaitArmedOn(A()));
    // Both changes fall into the pause that follows arming.
    Touch(A() + QStringLiteral("/one.vcb"));
    Touch(A() + QStringLiteral("/two.vcb"));
    ASSERT_TRUE(ServeEventsUntil([&] { return w.Changes >= 1; }));
    ASSERT_TRUE(w.WaitIdleAfterChange());
    EXPECT_EQ(w.Changes, 1);
    EXPECT_TRUE(w.OnUiThread);
    EXPECT_EQ(w.FolderAtChange, A());
    w.W.Stop();
    EXPECT_TRUE(w.W.isFinished());
}

TEST_F(FolderWatcher, ReportsArePacedByThePause)
{
    const int pause = 800;
    Watcher w(A(), pause);
    QList<qint64> gaps;
    // Each report changes the folder again at once; the next report must wait for the pause,
    // which starts when the previous report has finished.
    w.DuringChange = [&] {
        if (w.SinceChange.isValid())
            gaps << w.SinceChange.elapsed();
        if (w.Changes < 3)
            Touch(A() + QStringLiteral("/again%1.vcb").arg(w.Changes));
    };
    w.W.Start();
    ASSERT_TRUE(w.WaitArmedOn(A()));
    Touch(A() + QStringLiteral("/first.vcb"));
    ASSERT_TRUE(ServeEventsUntil([&] { return w.Changes >= 3; }));
    ASSERT_TRUE(w.WaitIdleAfterChange());
    EXPECT_EQ(w.Changes, 3);
    ASSERT_EQ(gaps.size(), 2);
    for (qint64 gap : gaps)
        EXPECT_GE(gap, pause - 20);
    w.W.Stop();
}

TEST_F(FolderWatcher, OwnCacheFileIsNoChange)
{
    Watcher w(A(), 100);
    w.W.Start();
    ASSERT_TRUE(w.WaitArmedOn(A()));
    ASSERT_TRUE(w.WaitIdleAfterArm());
    const int idle = w.Waiting;
    WriteFileAtomic(A() + QStringLiteral("/cache.vcc"), "<FileList/>");
    WriteFileAtomic(A() + QStringLiteral("/cache.vcc"), "<FileList><Data/></FileList>");
    ASSERT_TRUE(w.WaitIdleSince(idle));
    // A new folder is one event: a file written while the watcher runs may be seen in two parts.
    ASSERT_TRUE(QDir().mkdir(A() + QStringLiteral("/real")));
    ASSERT_TRUE(ServeEventsUntil([&] { return w.Changes >= 1; }));
    ASSERT_TRUE(w.WaitIdleAfterChange());
    EXPECT_EQ(w.Changes, 1);
    w.W.Stop();
}

TEST_F(FolderWatcher, NewFolderTakesEffectAtOnceEvenDuringALongPause)
{
    const int pause = 120000;
    Watcher w(A(), pause);
    w.W.Start();
    ASSERT_TRUE(w.WaitArmedOn(A()));
    QElapsedTimer timer;
    timer.start();
    w.W.SetFolder(B());
    EXPECT_EQ(w.W.GetFolder(), B());
    ASSERT_TRUE(w.WaitArmedOn(B()));
    // Stopping does not wait for the pause either.
    w.W.Stop();
    EXPECT_LT(timer.elapsed(), pause / 2);
    EXPECT_EQ(w.Changes, 0);
}

TEST_F(FolderWatcher, RetargetedWatcherReportsOnlyTheNewFolder)
{
    Watcher w(A(), 100);
    w.W.Start();
    ASSERT_TRUE(w.WaitArmedOn(A()));
    w.W.SetFolder(B());
    ASSERT_TRUE(w.WaitArmedOn(B()));
    ASSERT_TRUE(w.WaitIdleAfterArm());
    ASSERT_TRUE(QDir().mkdir(A() + QStringLiteral("/old")));
    ASSERT_TRUE(QDir().mkdir(B() + QStringLiteral("/new")));
    ASSERT_TRUE(ServeEventsUntil([&] { return w.Changes >= 1; }));
    ASSERT_TRUE(w.WaitIdleAfterChange());
    EXPECT_EQ(w.Changes, 1);
    EXPECT_EQ(w.FolderAtChange, B());
    w.W.Stop();
}

TEST_F(FolderWatcher, StopWhileAReportWaitsForTheUserInterfaceDoesNotDeadlock)
{
    Watcher w(A(), 50);
    w.W.Start();
    ASSERT_TRUE(w.WaitArmedOn(A()));
    ASSERT_TRUE(w.WaitIdleAfterArm());
    Touch(A() + QStringLiteral("/x.vcb"));
    // Without serving events, wait until the watcher is blocked on its report.
    QDeadlineTimer deadline(20000);
    while (!w.Seen.load() && !deadline.hasExpired())
        QThread::yieldCurrentThread();
    ASSERT_TRUE(w.Seen.load());
    w.W.Stop();
    EXPECT_TRUE(w.W.isFinished());
    // A report still pending when the watcher was stopped is not run.
    EXPECT_EQ(w.Changes, 0);
}

TEST_F(FolderWatcher, MissingFolderWaitsUntilToldAndVanishingFolderIsReported)
{
    const QString gone = Dir.path() + QStringLiteral("/not yet");
    Watcher w(gone, 50);
    w.W.Start();
    w.W.SetFolder(A());
    ASSERT_TRUE(w.WaitArmedOn(A()));
    EXPECT_FALSE(w.Armed.contains(gone));
    ASSERT_TRUE(w.WaitIdleAfterArm());
    ASSERT_TRUE(QDir(A()).removeRecursively());
    ASSERT_TRUE(ServeEventsUntil([&] { return w.Changes >= 1; }));
    QDir().mkpath(gone);
    w.W.SetFolder(gone);
    ASSERT_TRUE(w.WaitArmedOn(gone));
    w.W.Stop();
}

TEST_F(FolderWatcher, NeverStartedOrStoppedTwice)
{
    {
        TThreadDirectory idle(A());
        idle.Stop();
    }
    Watcher w(A(), 50);
    w.W.Start();
    ASSERT_TRUE(w.WaitArmedOn(A()));
    w.W.Stop();
    w.W.Stop();
    EXPECT_TRUE(w.W.isFinished());
}

TEST(FolderWatcherKind, NetworkAndFuseFileSystemsArePolledLocalDisksAreNot)
{
    const struct {
        quint64 Type;
        bool Remote;
        const char *Name;
    } cases[] = {
        {0xFF534D42u, true, "CIFS"},
        {0xFFFFFFFFFF534D42ull, true, "CIFS as a sign-extended word"},
        {0xFE534D42u, true, "SMB2"},
        {0x517Bu, true, "SMB"},
        {0x6969u, true, "NFS"},
        {0x65735546u, true, "FUSE"},
        {0x01021997u, true, "9p"},
        {0x00C36400u, true, "Ceph"},
        {0x5346414Fu, true, "AFS"},
        {0x786F4256u, true, "VirtualBox shared folder"},
        {0xEF53u, false, "ext4"},
        {0x9123683Eu, false, "btrfs"},
        {0x58465342u, false, "XFS"},
        {0x01021994u, false, "tmpfs"},
        {0x794C7630u, false, "overlayfs"},
        {0x4D44u, false, "FAT"},
        {0x5346544Eu, false, "NTFS (ntfs3)"},
        {0, false, "unknown"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsRemoteFileSystemType(c.Type), c.Remote) << c.Name;
}

namespace {

// A watcher on a shared folder, stopped before the mount goes (the mount is declared after it,
// so it is unmounted, and a stopped file system let go, before the watcher waits for its thread).
class SharedFolderWatcher : public FolderWatcher {
protected:
    std::unique_ptr<Watcher> W;
    TFuseMount Shared;
    void SetUp() override
    {
        FolderWatcher::SetUp();
        if (!Shared.Available())
            GTEST_SKIP() << Shared.Reason().toStdString();
    }
};

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST_F(SharedFolderWatcher, AnotherComputersBatchIsSeenByPollingAndLocalFoldersKeepInotify)
{
    Watcher local(A(), 300);
    local.W.Start();
    ASSERT_TRUE(local.WaitArmedOn(A()));
    EXPECT_EQ(local.W.Kind(), TWatchKind::Inotify);
    EXPECT_EQ(WatchKindForFolder(A()), TWatchKind::Inotify);
    EXPECT_EQ(WatchKindForFolder(Shared.Mount()), TWatchKind::Polling);

    W = std::make_unique<Watcher>(Shared.Mount(), 300);
    W->W.SetPollMs(500);
    W->W.Start();
    ASSERT_TRUE(W->WaitArmedOn(Shared.Mount()));
    EXPECT_EQ(W->W.Kind(), TWatchKind::Polling);
    ASSERT_TRUE(W->WaitIdleAfterArm());

    // Written beside the mount, as another computer writes on the server: no notification comes
    // through the mount, the listing sees it.
    ASSERT_TRUE(QFile::copy(TestDataFile(QStringLiteral("BatchCover2x3.vcb")), Shared.Source() + QStringLiteral("/wall.vcb")));
    ASSERT_TRUE(ServeEventsUntil([&] { return W->Changes >= 1; }, 15000));
    EXPECT_TRUE(W->OnUiThread);
    EXPECT_EQ(W->FolderAtChange, Shared.Mount());

    // Another program's temporary and our own cache are no change; a changed size or time is.
    const int before = W->Changes;
    ASSERT_TRUE(W->WaitIdleAfterChange());
    ASSERT_TRUE(WriteFile(Shared.Source() + QStringLiteral("/.~lock.wall.vcb#"), "lock"));
    ASSERT_TRUE(WriteFile(Shared.Source() + QStringLiteral("/cache.vcc"), "<FileList/>"));
    std::atomic<int> listings{0};
    QObject::connect(&W->W, &TThreadDirectory::Listed, &W->W, [&] { ++listings; }, Qt::DirectConnection);
    ASSERT_TRUE(ServeEventsUntil([&] { return listings.load() >= 2; }, 15000));
    EXPECT_EQ(W->Changes, before);
    ASSERT_TRUE(WriteFile(Shared.Source() + QStringLiteral("/wall.vcb"), "rewritten"));
    ASSERT_TRUE(ServeEventsUntil([&] { return W->Changes > before; }, 15000));
    EXPECT_EQ(local.Changes, 0);
}

TEST_F(SharedFolderWatcher, AFolderThatStopsAnsweringDoesNotHangTheOwnerAndVanishingIsReported)
{
    QDir().mkpath(Shared.Source() + QStringLiteral("/sub"));
    const QString sub = Shared.Mount() + QStringLiteral("/sub");
    W = std::make_unique<Watcher>(sub, 100);
    W->W.SetPollMs(100);
    W->W.Start();
    ASSERT_TRUE(W->WaitArmedOn(sub));
    ASSERT_TRUE(W->WaitIdleAfterArm());
    // Removed on the server: reported like a folder that vanished from a local disk.
    ASSERT_TRUE(QDir(Shared.Source() + QStringLiteral("/sub")).removeRecursively());
    ASSERT_TRUE(ServeEventsUntil([&] { return W->Changes >= 1; }, 15000));

    // The server stops answering while the watcher lists again: the owner is not held up.
    W->W.SetFolder(Shared.Mount());
    Shared.Freeze();
    QElapsedTimer timer;
    timer.start();
    const bool ended = W->W.StopWithin(300);
    EXPECT_LT(timer.elapsed(), 5000);
    Shared.Thaw();
    if (!ended)
        EXPECT_TRUE(ServeEventsUntil([&] { return W->W.Ended(); }, 15000));
}

TEST_F(SharedFolderWatcher, AProbeOfAFolderThatDoesNotAnswerReturnsAtOnceAndHandsOutTheLaterAnswer)
{
    TFolderProbe probe;
    EXPECT_EQ(probe.Ask(Shared.Mount(), 10000), TFolderAnswer::Present);
    EXPECT_EQ(probe.Ask(Shared.Mount() + QStringLiteral("/missing/folder"), 10000), TFolderAnswer::Missing);

    Shared.Freeze();
    EXPECT_EQ(probe.Ask(Shared.Mount(), 300), TFolderAnswer::Pending);
    // Asked again while the look still waits: no second look, no wait beyond the limit.
    EXPECT_EQ(probe.Ask(Shared.Mount(), 0), TFolderAnswer::Pending);
    EXPECT_FALSE(Shared.ThawedBySafety());
    Shared.Thaw();
    TFolderAnswer answer = TFolderAnswer::Pending;
    ASSERT_TRUE(ServeEventsUntil([&] { return (answer = probe.Ask(Shared.Mount(), 100)) != TFolderAnswer::Pending; }, 15000));
    EXPECT_EQ(answer, TFolderAnswer::Present);
}
