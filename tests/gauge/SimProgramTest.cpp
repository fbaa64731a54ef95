// The k27sim program as a user runs it, and the batches it serves from batch files.
#include "GaugeTestSupport.h"
#include "UnitBatchList.h"
#include "UnitEnumComPort.h"
#include "UnitK27SimBatches.h"

#include <QDir>
#include <QProcess>

namespace {

// Starts k27sim with the arguments and returns the pty path it printed first.
QString StartSimulator(QProcess &process, const QStringList &arguments)
{
    process.start(BuiltProgram(QStringLiteral("k27sim")), arguments);
    if (!process.waitForStarted(10000))
        return QString();
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < 10000)
        process.waitForReadyRead(100);
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

void StopSimulator(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
}

} // namespace

class SimProgramTest : public IsolatedTest {};

TEST_F(SimProgramTest, HelpDocumentsEveryFault)
{
    ASSERT_FALSE(BuiltProgram(QStringLiteral("k27sim")).isEmpty());
    QProcess process;
    process.start(BuiltProgram(QStringLiteral("k27sim")), {QStringLiteral("--help")});
    ASSERT_TRUE(process.waitForFinished(10000));
    const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
    for (const char *option : {"--register", "--batches", "--baud", "--nak", "--bell", "--silent", "--noise", "--cut",
                               "--memory-full", "--batch-exists", "--model-id", "--model", "--version", "--no-bar-grades",
                               "--no-pace", "--at", "--hang-up"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}

TEST_F(SimProgramTest, RegisteredSimulatorAnswersARealClient)
{
    QProcess process;
    const QString path = StartSimulator(process, {QStringLiteral("--register"), QStringLiteral("12"), QStringLiteral("--model"),
                                                  QStringLiteral("m"), QStringLiteral("--baud"), QStringLiteral("9600")});
    ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/"))) << path.toStdString();
    ASSERT_TRUE(WaitUntil([] { return !ComPortDevice(12).isEmpty(); }, 10000));
    EXPECT_EQ(ComPortDevice(12), path);
    {
        TVentraxK27Interface link;
        link.Open(12, false);
        // The polling order: 9600 first. Output is paced at the line's rate.
        link.SetBaudAndWake(9600);
        const TGaugeIdentity id = link.Identify();
        EXPECT_TRUE(id.Accepted);
        EXPECT_EQ(id.ModelCode, 2);
        link.RequestBatchList();
        TBatchItem batch;
        int count = 0;
        while (link.ReadBatchListEntry(batch))
            ++count;
        EXPECT_EQ(count, 4);
        // The last entry listed: the linear half-cell batch of slot 3.
        ASSERT_EQ(batch.Slot, 3);
        link.RequestReadings(batch.Slot);
        int column = 0, row = 0, items = 0;
        while (int n = link.ReadReadingsPacket(column, row, batch))
            items += n;
        EXPECT_EQ(items, 30);
        EXPECT_EQ(row, 30);
        link.SendDle();
        link.SendEsc();
        link.Close();
    }
    StopSimulator(process);
    EXPECT_EQ(process.exitCode(), 0);
    // The entry goes when the simulator ends.
    EXPECT_EQ(ComPortDevice(12), QString());
}

TEST_F(SimProgramTest, ServesBatchFilesAsTheyWereSaved)
{
    // Two batch files written by the program itself.
    const QString folder = Home.Path() + QStringLiteral("/batches");
    ASSERT_TRUE(QDir().mkpath(folder));
    TBatchItem cover;
    cover.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    cover.ID = QStringLiteral("PIER 7");
    cover.Resize(3, 2);
    cover.Site = QStringLiteral("Quay");
    cover.HighLimit = cover.GaugeHighLimit = 50;
    cover.LowLimit = cover.GaugeLowLimit = 20;
    cover.HighLimitApplied = true;
    cover.CreationDate = EncodeDateTime(2024, 3, 5, 14, 25);
    cover.UpdateDate = EncodeDateTime(2024, 3, 6, 8, 0);
    const double values[] = {31.4, 27.0, -1, 45.5, 12.3, 19.9};
    for (int i = 0; i < 6; ++i) {
        if (values[i] < 0)
            continue;
        cover.SetReadingType(i % 3, i / 3, ReadingTypeReading);
        cover.SetMeasureType(i % 3, i / 3, MeasureTypeInRange);
        cover.SetValue(i % 3, i / 3, values[i]);
    }
    cover.SetMeasureType(1, 1, MeasureTypeUnderRange);
    cover.SaveToFile(folder + QStringLiteral("/") + cover.FileName());
    TBatchItem cells;
    cells.SetNewBatchDefaults(BatchTypeHalfCell, BatchFormatLinear);
    cells.ID = QStringLiteral("WALL");
    cells.GaugeHighLimit = -150;
    cells.GaugeLowLimit = -300;
    cells.CellType = QStringLiteral("AG/AGCL");
    cells.SetReadingType(0, 0, ReadingTypeReading);
    cells.SetMeasureType(0, 0, MeasureTypeInRange);
    cells.SetValue(0, 0, -212);
    cells.SaveToFile(folder + QStringLiteral("/") + cells.FileName());

    TK27Simulator sim;
    const QString path = sim.OpenPty();
    sim.SetBatches(LoadSimBatches(folder));
    sim.Start();
    TVentraxK27Interface link;
    link.OpenDevice(path, false);
    link.TextLanguage = 0x09;
    link.RequestBatchList();
    std::vector<std::unique_ptr<TBatchItem>> got;
    for (;;) {
        auto b = std::make_unique<TBatchItem>();
        if (!link.ReadBatchListEntry(*b))
            break;
        got.push_back(std::move(b));
    }
    ASSERT_EQ(got.size(), 2u);
    for (auto &b : got) {
        link.ReadBatchHeader(b->Slot, *b);
        link.RequestReadings(b->Slot);
        int column = 0, row = 0;
        while (link.ReadReadingsPacket(column, row, *b) > 0) {
        }
    }
    sim.Stop();

    const TBatchItem &p = *got[0];
    EXPECT_EQ(p.ID, QStringLiteral("PIER 7"));
    EXPECT_EQ(p.Columns, 3);
    EXPECT_EQ(p.Rows, 2);
    EXPECT_EQ(p.Site, QStringLiteral("Quay"));
    EXPECT_DOUBLE_EQ(p.HighLimit, 50);
    EXPECT_TRUE(p.HighLimitApplied);
    EXPECT_FALSE(p.LowLimitApplied);
    EXPECT_EQ(DateTimeToFileText(p.CreationDate), QStringLiteral("2024-03-05 14:25:00"));
    for (int i = 0; i < 6; ++i) {
        const int c = i % 3, r = i / 3;
        EXPECT_EQ(p.ReadingType(c, r), values[i] < 0 ? ReadingTypeEmpty : ReadingTypeReading) << i;
        // Out-of-range readings keep their values too (cell 1,1 is under range).
        if (values[i] >= 0) {
            EXPECT_NEAR(p.Value(c, r), values[i], 1e-9) << i;
        }
    }
    EXPECT_EQ(p.MeasureType(1, 1), MeasureTypeUnderRange);

    const TBatchItem &w = *got[1];
    EXPECT_EQ(w.BatchType, BatchTypeHalfCell);
    EXPECT_EQ(w.Rows, 1000);
    EXPECT_NEAR(w.HighLimit, -150, 1e-3);
    EXPECT_EQ(w.CellType, QStringLiteral("AG/AGCL"));
    EXPECT_DOUBLE_EQ(w.Value(0, 0), -212);
    EXPECT_EQ(w.ReadingType(0, 1), ReadingTypeEmpty);
}
