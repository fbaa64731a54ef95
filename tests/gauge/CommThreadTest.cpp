// The communication thread against the simulated gauge: connection, batch list, download,
// delete, commands and termination.
#include "CommThreadSupport.h"
#include "UnitCommandLine.h"
#include "UnitDateTime.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"

#include <QDirIterator>
#include <QFile>
#include <QPointer>
#include <cmath>
#include <tuple>

namespace {

// Wake bytes the link sent before the gauge first answered, from the trace.
int WakesBeforeFirstAnswer(const QStringList &trace)
{
    int wakes = 0;
    bool output = false;
    for (const QString &line : trace) {
        if (line.endsWith(QLatin1String(": Input")))
            return wakes;
        if (line.endsWith(QLatin1String(": Output"))) {
            output = true;
            continue;
        }
        if (output)
            wakes += static_cast<int>(line.count(QLatin1Char('*')));
    }
    return wakes;
}

// The current folder for the life of the object.
class TCurrentFolder {
public:
    explicit TCurrentFolder(const QString &path) : FOld(QDir::currentPath()) { QDir::setCurrent(path); }
    ~TCurrentFolder() { QDir::setCurrent(FOld); }

private:
    QString FOld;
};

} // namespace

TEST(CommandLineTest, TraceIsTheFirstArgumentInAnyLetterCase)
{
    const struct {
        QStringList Args;
        bool Trace;
    } cases[] = {
        {{"orvalis", "-trace"}, true},
        {{"orvalis", "-TRACE", "x"}, true},
        {{"orvalis", "-Trace"}, true},
        {{"orvalis"}, false},
        {{"orvalis", "list", "-trace"}, false},
        {{"orvalis", "trace"}, false},
        {{"orvalis", "-tracer"}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TraceRequested(c.Args), c.Trace) << c.Args.join(' ').toStdString();
}

TEST(GaugeCaptionTest, LettersFollowModelAndTemplateTypes)
{
    const struct {
        int Model;
        bool Cover, HalfCell;
        const char *Caption;
    } cases[] = {
        {2, true, true, "Ventrax K27 TH"},  {1, true, true, "Ventrax K27 SH"}, {2, false, true, "Ventrax K27 HM"},
        {0, true, false, "Ventrax K27 B"},  {0, false, true, "Ventrax K27 H"}, {1, true, false, "Ventrax K27 S"},
        {2, false, false, "Ventrax K27 M"},
    };
    for (const auto &c : cases) {
        TTemplateSupportBatchType types;
        types.Cover = c.Cover;
        types.HalfCell = c.HalfCell;
        EXPECT_EQ(GaugeModelCaption(c.Model, types), QString::fromLatin1(c.Caption)) << c.Caption;
    }
}

TEST(CommThreadCommandTest, ACommandWhilePendingIsIgnoredAndIdleAlwaysClears)
{
    TCommK27Thread thread(0);
    EXPECT_EQ(thread.GetCommand(), cmdIdle);
    thread.SetCommand(cmdDownload);
    thread.SetCommand(cmdDeleteBatches);
    EXPECT_EQ(thread.GetCommand(), cmdDownload);
    thread.SetCommand(cmdIdle);
    EXPECT_EQ(thread.GetCommand(), cmdIdle);
    thread.SetCommand(cmdDeleteBatches);
    EXPECT_EQ(thread.GetCommand(), cmdDeleteBatches);
}

TEST_F(CommThreadTest, PortZeroOpensNothingAndEndsAtOnceWhenTerminated)
{
    TCommK27Thread &t = Make(TSimOptions(), 0);
    t.start();
    ASSERT_TRUE(PumpUntil([&] { return t.isRunning(); }));
    QPointer<TCommK27Thread> watch(&t);
    StopCommThread(Thread);
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(Events.isEmpty());
    EXPECT_TRUE(Statuses.empty());
    EXPECT_TRUE(Sim.Commands().isEmpty());
}

// Polling order 9600, 19200, 14400, 4800, 2400, 1200: a gauge that answers at one rate only is
// found on that rate's try of the first cycle.
TEST_F(CommThreadTest, FindsTheGaugeAtEachBaudRateOnItsTryOfTheCycle)
{
    TCurrentFolder folder(Home.Path());
    for (int entry = 0; entry < 6; ++entry) {
        const int baud = PollBaudRates[entry];
        SCOPED_TRACE(baud);
        TSimOptions options;
        options.OnlyBaud = baud;
        Events.clear();
        TCommK27Thread &t = Make(options);
        t.Tracing = true;
        t.start();
        ASSERT_TRUE(PumpUntil([&] { return t.Ready() || t.isFinished(); }));
        EXPECT_EQ(Sim.CurrentBaud(), baud);
        EXPECT_EQ(Events, QStringList({"Connected", "BatchList"}));
        ASSERT_TRUE(t.TerminateAndWait());
        EXPECT_EQ(WakesBeforeFirstAnswer(t.Link.TraceLines()), entry + 1);
        Thread.reset();
    }
    // Destroying a tracing link leaves its trace file in the current folder.
    QStringList traces = QDir(Home.Path()).entryList({QStringLiteral("CommsTrace_*.TXT")}, QDir::Files);
    EXPECT_FALSE(traces.isEmpty());
}

TEST_F(CommThreadTest, ConnectionReadsIdentityAndTheSortedBatchList)
{
    TSimOptions options;
    options.ModelLetter = "t";
    ASSERT_TRUE(Connect(options));
    TCommK27Thread &t = *Thread;
    EXPECT_EQ(Events, QStringList({"Connected", "BatchList"}));
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_EQ(t.GaugeModel, 2);
    EXPECT_EQ(t.FirmwareVersion, QStringLiteral("210"));
    EXPECT_EQ(t.GaugeSerialNumber, QStringLiteral("K27-00417"));
    EXPECT_TRUE(t.TemplateBatchTypes.Cover && t.TemplateBatchTypes.HalfCell);
    EXPECT_TRUE(t.TemplateFormats.Grid && t.TemplateFormats.Linear);
    EXPECT_TRUE(t.SupportsBarGrades);
    EXPECT_EQ(t.IdentField1, 0x1F);
    EXPECT_EQ(t.IdentField4, 1024);
    EXPECT_TRUE(t.Link.TemplateSupportBarGrades);
    EXPECT_EQ(ListIDs(), QStringList({"BEAM-CELLS", "DECK-GRID", "SLAB-CELLS", "WALL-RUN"}));

    ASSERT_GE(Statuses.size(), 4u);
    EXPECT_EQ(Statuses[0].Status, QStringLiteral("Polling on Port %1").arg(SimPort));
    EXPECT_EQ(Statuses[1].Status, QString());
    EXPECT_EQ(Statuses[2].Status, QStringLiteral("Retrieving Batch List..."));
    EXPECT_EQ(Statuses[2].Progress, -1);
    EXPECT_EQ(Statuses.back().Status, QString());
}

TEST_F(CommThreadTest, RefusedIdentificationsEndTheRun)
{
    const struct {
        const char *ModelId;
        const char *Letter;
        const char *Error; // empty: ends quietly
    } cases[] = {
        {"PK27", "B", "Basic model not supported."},
        {"PK27", "h", "Basic model not supported."},
        {"PK27", "C", ""},
        {"PK27", "c", ""},
        {"PX27", "s", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.ModelId) + c.Letter);
        Events.clear();
        Errors.clear();
        TSimOptions options;
        options.ModelId = c.ModelId;
        options.ModelLetter = c.Letter;
        TCommK27Thread &t = Make(options);
        t.start();
        ASSERT_TRUE(PumpUntil([&] { return t.isFinished(); }));
        PumpUntil([] { return true; });
        if (*c.Error) {
            EXPECT_EQ(Events, QStringList({"Connected", "Error"}));
            EXPECT_EQ(Errors, QStringList({QString::fromLatin1(c.Error)}));
        } else {
            EXPECT_TRUE(Events.isEmpty()) << Events.join(' ').toStdString();
        }
        EXPECT_TRUE(SimCommands("A").isEmpty());
        StopCommThread(Thread);
    }
}

TEST_F(CommThreadTest, DownloadReadsHeadersAndReadingsOfTheTaggedBatches)
{
    ASSERT_TRUE(Connect());
    Tag({"DECK-GRID", "WALL-RUN"});
    const double before = DateTimeNow();
    ASSERT_TRUE(RunStage(cmdDownload, "Readings"));
    EXPECT_EQ(Events, QStringList({"Connected", "BatchList", "Headers", "Readings"}));
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_EQ(SimCommands("B"), QStringList({"B 0000", "B 0001"}));
    EXPECT_EQ(SimCommands("C"), QStringList({"C 0000", "C 0001"}));

    EXPECT_EQ(ProgressOf(QStringLiteral("Retrieving Batch Headers...")), QList<int>({0, 50, 100}));
    // 45 + 60 readings of 48 + 1000 cells: a download with a linear batch ends below 100.
    const QList<int> readings = ProgressOf(QStringLiteral("Retrieving Batch Readings..."));
    ASSERT_FALSE(readings.isEmpty());
    EXPECT_EQ(readings.front(), 0);
    EXPECT_EQ(readings.back(), RoundHalfUp(105.0 / 1048.0 * 100.0));
    EXPECT_TRUE(std::is_sorted(readings.begin(), readings.end()));

    QMutexLocker guard(&Thread->BatchList.Mutex());
    const TBatchItem *grid = Thread->BatchList.Items(Thread->BatchList.IndexOf(QStringLiteral("DECK-GRID"), 0));
    EXPECT_EQ(grid->Site, QStringLiteral("North Quay"));
    EXPECT_EQ(grid->GaugeSerialNumber, QStringLiteral("K27-00417"));
    EXPECT_EQ(grid->GaugeType, 1);
    // A model code 1 gauge keeps no dates: the download's time stands in.
    EXPECT_GE(grid->CreationDate, before - 1e-6);
    EXPECT_DOUBLE_EQ(grid->CreationDate, grid->UpdateDate);
    EXPECT_EQ(grid->ReadingType(5, 0), ReadingTypeEmpty);
    EXPECT_EQ(grid->ReadingType(0, 1), ReadingTypeReading);
    const QList<TSimBatch> sim = Sim.Batches();
    EXPECT_NEAR(grid->Value(0, 0), static_cast<qint16>(sim[0].Items[0].mid(2, 2).toInt(nullptr, 16) | sim[0].Items[0].mid(4, 2).toInt(nullptr, 16) << 8) / 10.0, 1e-9);
    const TBatchItem *run = Thread->BatchList.Items(Thread->BatchList.IndexOf(QStringLiteral("WALL-RUN"), 0));
    EXPECT_EQ(run->ReadingType(0, 59), ReadingTypeReading);
    EXPECT_EQ(run->ReadingType(0, 60), ReadingTypeEmpty);
    // Untagged entries are not read.
    const TBatchItem *cells = Thread->BatchList.Items(Thread->BatchList.IndexOf(QStringLiteral("SLAB-CELLS"), 1));
    EXPECT_TRUE(cells->Site.isEmpty());
}

TEST_F(CommThreadTest, FullModelKeepsTheGaugeDates)
{
    TSimOptions options;
    options.ModelLetter = "T";
    ASSERT_TRUE(Connect(options));
    Tag({"DECK-GRID"});
    ASSERT_TRUE(RunStage(cmdDownload, "Readings"));
    QMutexLocker guard(&Thread->BatchList.Mutex());
    const TBatchItem *grid = Thread->BatchList.Items(Thread->BatchList.IndexOf(QStringLiteral("DECK-GRID"), 0));
    EXPECT_EQ(grid->GaugeType, 2);
    EXPECT_DOUBLE_EQ(grid->CreationDate, EncodeDateTime(2025, 6, 12, 9, 41));
    EXPECT_DOUBLE_EQ(grid->UpdateDate, EncodeDateTime(2025, 6, 12, 10, 7));
}

TEST_F(CommThreadTest, DownloadWithNothingTaggedEndsAtOnceAndAnotherCommandMeanwhileIsIgnored)
{
    ASSERT_TRUE(Connect());
    Tag({});
    ASSERT_TRUE(PumpUntil([this] { return Thread->GetCommand() == cmdIdle; }));
    Thread->SetCommand(cmdDownload);
    Thread->SetCommand(cmdDeleteBatches); // ignored: the download is pending
    ASSERT_TRUE(PumpUntil([this] { return Events.contains(QStringLiteral("Readings")); }));
    ASSERT_TRUE(PumpUntil([this] { return Thread->GetCommand() == cmdIdle; }));
    EXPECT_EQ(ProgressOf(QStringLiteral("Retrieving Batch Readings...")), QList<int>({0}));
    EXPECT_FALSE(Events.contains(QStringLiteral("Deleted")));
    EXPECT_TRUE(SimCommands("B").isEmpty());
    EXPECT_TRUE(SimCommands("C").isEmpty());
    EXPECT_TRUE(SimCommands("F").isEmpty());
    EXPECT_EQ(ListIDs().size(), 4);
}

TEST_F(CommThreadTest, DeleteRemovesTaggedBatchesFromLastToFirst)
{
    ASSERT_TRUE(Connect());
    Tag({"DECK-GRID", "WALL-RUN"});
    ASSERT_TRUE(RunStage(cmdDeleteBatches, "Deleted"));
    EXPECT_TRUE(Errors.isEmpty());
    // List order: BEAM-CELLS, DECK-GRID (slot 0), SLAB-CELLS, WALL-RUN (slot 1).
    EXPECT_EQ(SimCommands("F"), QStringList({"F 0001", "F 0000"}));
    EXPECT_EQ(ProgressOf(QStringLiteral("Deleting Batches...")), QList<int>({0, 50, 100}));
    EXPECT_EQ(ListIDs(), QStringList({"BEAM-CELLS", "SLAB-CELLS"}));
    EXPECT_EQ(Sim.Batches().size(), 2);
    // The connection goes on: the list read again matches.
    ASSERT_TRUE(RunStage(cmdBatchList, "BatchList"));
    EXPECT_EQ(ListIDs(), QStringList({"BEAM-CELLS", "SLAB-CELLS"}));
}

TEST_F(CommThreadTest, AFailingCommandEndsTheRunWithItsMessage)
{
    ASSERT_TRUE(Connect());
    TSimOptions options = Sim.Options();
    options.BellLetters = "F";
    Sim.SetOptions(options);
    Tag({"DECK-GRID"});
    Thread->SetCommand(cmdDeleteBatches);
    ASSERT_TRUE(PumpUntil([this] { return Thread->isFinished(); }));
    PumpUntil([] { return true; });
    EXPECT_EQ(Errors, QStringList({"Communications Error: (Must support command)"}));
    EXPECT_FALSE(Events.contains(QStringLiteral("Deleted")));
    EXPECT_FALSE(Thread->Ready());
}

TEST_F(CommThreadTest, AnExceptionInAHandlerIsReportedThroughOnError)
{
    TCommK27Thread &t = Make();
    t.OnBatchList = [] { throw Exception(QStringLiteral("List view failed")); };
    t.start();
    ASSERT_TRUE(PumpUntil([&] { return t.isFinished(); }));
    PumpUntil([] { return true; });
    EXPECT_EQ(Errors, QStringList({"List view failed"}));
}

TEST_F(CommThreadTest, TerminatingWhilePollingEndsQuietly)
{
    TSimOptions options;
    options.Silent = true;
    TCommK27Thread &t = Make(options);
    t.start();
    ASSERT_TRUE(PumpUntil([this] { return !Statuses.empty(); }));
    EXPECT_EQ(Statuses.front().Status, QStringLiteral("Polling on Port %1").arg(SimPort));
    QPointer<TCommK27Thread> watch(&t);
    StopCommThread(Thread);
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(Events.isEmpty());
    EXPECT_TRUE(Errors.isEmpty());
}

// Terminated as the readings stage starts, while the gauge sends a long packet at 1200 baud,
// the thread's next wait fails at once; the error arrives while the owner waits for the thread.
TEST_F(CommThreadTest, TerminatingDuringAStageEndsTheRunThroughTheErrorPath)
{
    TSimOptions options;
    options.Pace = true;
    options.OnlyBaud = 1200;
    options.ItemsPerPacket = 45;
    ASSERT_TRUE(Connect(options));
    Tag({"DECK-GRID", "WALL-RUN"});
    StatusHook = [](TCommK27Thread &t) {
        if (t.Status == QLatin1String("Retrieving Batch Readings..."))
            t.Terminate();
    };
    ASSERT_TRUE(PumpUntil([this] { return Thread->GetCommand() == cmdIdle; }));
    Thread->SetCommand(cmdDownload);
    ASSERT_TRUE(PumpUntil([this] { return Thread->Terminated(); }));
    StopCommThread(Thread);
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0] == QLatin1String("Communications Error: (Read data timeout)")
                || Errors[0] == QLatin1String("Communications Error: (No response to command)"))
        << Errors[0].toStdString();
    EXPECT_FALSE(Events.contains(QStringLiteral("Readings")));
    EXPECT_EQ(SimCommands("C"), QStringList({"C 0000"}));
}

TEST_F(CommThreadTest, StoppingFromInsideAHandlerNeitherWaitsNorLeaks)
{
    TCommK27Thread &t = Make();
    QPointer<TCommK27Thread> watch(&t);
    bool stopped = false;
    t.OnBatchList = [&] {
        StopCommThread(Thread); // the thread waits for this very handler
        stopped = true;
    };
    t.start();
    ASSERT_TRUE(PumpUntil([&] { return stopped; }));
    EXPECT_FALSE(Thread);
    // It ends on its own and is deleted when it has finished; later events are not delivered.
    ASSERT_TRUE(PumpUntil([&] { return watch.isNull(); }));
    EXPECT_EQ(Events, QStringList({"Connected"}));
}

// A download is two stages; the command stays pending through both, so the owner cannot give
// another one in between that the end of the download would then wipe. The next command given
// the moment the download's last event has run is carried out.
TEST_F(CommThreadTest, ADownloadStaysPendingUntilItsReadingsAreIn)
{
    TCommK27Thread &t = Make();
    QList<int> pending;
    StatusHook = [&pending](TCommK27Thread &thread) {
        if (thread.Status == QLatin1String("Retrieving Batch Readings..."))
            pending << thread.GetCommand();
    };
    bool refused = false;
    t.OnBatchReadings = [this, &t, &refused] {
        Events << QStringLiteral("Readings");
        refused = !t.SetCommand(cmdDeleteBatches);
    };
    t.start();
    ASSERT_TRUE(PumpUntil([&] { return t.Ready() || t.isFinished(); }) && t.Ready());
    Tag({"DECK-GRID", "WALL-RUN"});
    ASSERT_TRUE(RunStage(cmdDownload, "Readings"));
    ASSERT_FALSE(pending.isEmpty());
    EXPECT_EQ(pending, QList<int>(pending.size(), cmdDownload));
    EXPECT_TRUE(refused);

    // Given at once, while the thread may not yet have come back from the event.
    Tag({"DECK-GRID"});
    // The condition is asked once more after it held: it must not store the command twice.
    bool stored = false;
    ASSERT_TRUE(PumpUntil([&] { return stored = stored || t.SetCommand(cmdDeleteBatches); }));
    ASSERT_TRUE(PumpUntil([this] { return Events.contains(QStringLiteral("Deleted")) || Thread->isFinished(); }));
    EXPECT_EQ(SimCommands("F"), QStringList({"F 0000"}));
    EXPECT_TRUE(Errors.isEmpty());
}

// The gauge sends so fast that the link never has to wait after the request to end: the stage
// must still not pass for finished with half its readings.
TEST_F(CommThreadTest, TerminatingWhileTheGaugeSendsAtFullSpeedReportsNoFinishedDownload)
{
    ASSERT_TRUE(Connect());
    Tag({"DECK-GRID", "WALL-RUN"});
    StatusHook = [](TCommK27Thread &t) {
        if (t.Status == QLatin1String("Retrieving Batch Readings...") && t.Progress > 0)
            t.Terminate();
    };
    Thread->SetCommand(cmdDownload);
    ASSERT_TRUE(PumpUntil([this] { return Thread->isFinished(); }));
    PumpUntil([] { return true; });
    EXPECT_FALSE(Events.contains(QStringLiteral("Readings")));
    EXPECT_EQ(Errors, QStringList({"Communications Error: (Read data timeout)"}));
}

TEST_F(CommThreadTest, ADownloadSavedUnderACommaCLocaleReadsBackTheSame)
{
    TCommaLocale comma;
    ASSERT_TRUE(comma.Available());
    ASSERT_TRUE(Connect());
    Tag({"DECK-GRID"});
    ASSERT_TRUE(RunStage(cmdDownload, "Readings"));
    TBatchItem downloaded;
    {
        QMutexLocker guard(&Thread->BatchList.Mutex());
        downloaded = *Thread->BatchList.Items(Thread->BatchList.IndexOf(QStringLiteral("DECK-GRID"), 0));
    }
    const QString file = Home.Path() + QStringLiteral("/DECK-GRID.vcb");
    downloaded.SaveToFile(file);
    const QByteArray text = ReadWholeFile(file);
    for (const char *element : {"HighLimit", "LowLimit", "GaugeHighLimit", "GaugeLowLimit", "Grid", "BarSize", "Temperature"}) {
        const QByteArray open = QByteArray("<") + element + ">";
        const qsizetype at = text.indexOf(open);
        ASSERT_GE(at, 0) << element;
        const QByteArray value = text.mid(at + open.size(), text.indexOf('<', at + 1) - at - open.size());
        EXPECT_FALSE(value.contains(',')) << element << " " << value.toStdString();
    }
    TBatchItem back;
    back.LoadFromFile(file);
    for (const auto &[name, a, b] : {std::tuple{"HighLimit", downloaded.HighLimit, back.HighLimit},
                                     std::tuple{"LowLimit", downloaded.LowLimit, back.LowLimit},
                                     std::tuple{"GaugeHighLimit", downloaded.GaugeHighLimit, back.GaugeHighLimit},
                                     std::tuple{"GaugeLowLimit", downloaded.GaugeLowLimit, back.GaugeLowLimit},
                                     std::tuple{"Grid", downloaded.Grid, back.Grid},
                                     std::tuple{"BarSize", downloaded.BarSize, back.BarSize}})
        EXPECT_NEAR(a, b, 1e-9 * std::max(1.0, std::fabs(a))) << name;
    EXPECT_NE(back.LowLimit, 0);
    EXPECT_EQ(back.Value(0, 0), downloaded.Value(0, 0));
}
