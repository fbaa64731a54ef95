#include "TestSupport.h"
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
