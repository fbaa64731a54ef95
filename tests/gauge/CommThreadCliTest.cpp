// orvalis-cli gauge: the communication thread run headless against the simulated gauge.
#include "GaugeTestSupport.h"
#include "UnitBatchList.h"
#include "UnitTemplateList.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

struct TCliRun {
    int Code = -1;
    QString Out;
    QString Err;
};

} // namespace

class CommThreadCliTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        Path = Sim.OpenPty();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        TSimOptions options;
        options.ModelLetter = "t";
        Sim.SetOptions(options);
        Sim.Start();
        Folder = Home.Path() + QStringLiteral("/out");
        QDir().mkpath(Folder);
    }
    void TearDown() override { Sim.Stop(); }

    TCliRun Cli(const QStringList &args, bool device = true)
    {
        QStringList all{QStringLiteral("gauge")};
        all << args;
        if (device)
            all << QStringLiteral("--device") << Path;
        return RunCli(all);
    }
    TCliRun RunCli(const QStringList &args)
    {
        QProcess process;
        process.setWorkingDirectory(Home.Path());
        process.start(BuiltProgram(QStringLiteral("orvalis-cli")), args);
        TCliRun run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.Code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.Out = QString::fromLocal8Bit(process.readAllStandardOutput());
        run.Err = QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }

    int SimCommandsCount(const QByteArray &letter)
    {
        int count = 0;
        for (const TSimCommand &c : Sim.Commands())
            count += c.value(0) == letter ? 1 : 0;
        return count;
    }

    TK27Simulator Sim;
    QString Path;
    QString Folder;
};

TEST_F(CommThreadCliTest, ListPrintsIdentityAndBatches)
{
    const TCliRun run = Cli({QStringLiteral("list")});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QLatin1String("Gauge: Ventrax K27 TH\n")));
    EXPECT_TRUE(run.Out.contains(QLatin1String("Version: 210\n")));
    EXPECT_TRUE(run.Out.contains(QLatin1String("Serial number: K27-00417\n")));
    EXPECT_TRUE(run.Out.contains(QLatin1String("Batches: 4\n")));
    EXPECT_TRUE(run.Out.contains(QLatin1String("DECK-GRID\tCover\tGrid\t8\t6\t45\n"))) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(QLatin1String("WALL-RUN\tCover\tLinear\t-\t-\t60\n")));
    EXPECT_TRUE(run.Err.contains(QLatin1String("Polling on ")));
    EXPECT_TRUE(run.Err.contains(QLatin1String("Retrieving Batch List...")));
}

TEST_F(CommThreadCliTest, DownloadWritesBatchFilesAndAsksForReplaceOrSkip)
{
    TCliRun run = Cli({QStringLiteral("download"), QStringLiteral("--all"), QStringLiteral("--to"), Folder});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(QDir(Folder).entryList(QDir::Files, QDir::Name),
              QStringList({"BEAM-CELLS.vch", "DECK-GRID.vcb", "SLAB-CELLS.vch", "WALL-RUN.vcb"}));
    EXPECT_TRUE(run.Err.contains(QLatin1String("Retrieving Batch Readings... ")));
    TBatchItem grid;
    grid.LoadFromFile(Folder + "/DECK-GRID.vcb");
    EXPECT_EQ(grid.Site, QStringLiteral("North Quay"));
    EXPECT_EQ(grid.GaugeSerialNumber, QStringLiteral("K27-00417"));
    EXPECT_EQ(grid.ValidCount(), 43);

    // Existing files: kept without an answer, with a non-zero exit.
    run = Cli({QStringLiteral("download"), QStringLiteral("DECK-GRID"), QStringLiteral("--to"), Folder});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains(QLatin1String("DECK-GRID.vcb exists"))) << run.Err.toStdString();
    run = Cli({QStringLiteral("download"), QStringLiteral("deck-grid"), QStringLiteral("--to"), Folder, QStringLiteral("--skip")});
    EXPECT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QLatin1String("kept ")));
    run = Cli({QStringLiteral("download"), QStringLiteral("DECK-GRID"), QStringLiteral("--to"), Folder, QStringLiteral("--replace")});
    EXPECT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QLatin1String("written ")));
}

TEST_F(CommThreadCliTest, DeleteRemovesBatchesAndUnknownNamesFail)
{
    TCliRun run = Cli({QStringLiteral("delete"), QStringLiteral("NO-SUCH")});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains(QLatin1String("NO-SUCH")));
    EXPECT_EQ(Sim.Batches().size(), 4);
    run = Cli({QStringLiteral("delete"), QStringLiteral("WALL-RUN"), QStringLiteral("SLAB-CELLS")});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    QStringList left;
    for (const TSimBatch &b : Sim.Batches())
        left << QString::fromLatin1(b.ID);
    EXPECT_EQ(left, QStringList({"DECK-GRID", "BEAM-CELLS"}));
}

TEST_F(CommThreadCliTest, UploadCommitsNumberingAndAnswersExistingBatches)
{
    const QString file = Home.Path() + QStringLiteral("/Bridge.vct");
    {
        TTemplateList templ;
        templ.BatchNameType = 1;
        templ.AutoInc = 7;
        for (int i = 0; i < 2; ++i) {
            TTemplateItem *d = templ.Add();
            d->BatchType = BatchTypeCover;
            d->BatchFormat = BatchFormatGrid;
            d->Columns = 3;
            d->Rows = 2;
            d->Grid = 100;
        }
        templ.SaveToFile(file);
    }
    TCliRun run = Cli({QStringLiteral("upload"), file});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QLatin1String("written Bridge 00007")));
    EXPECT_TRUE(run.Out.contains(QLatin1String("written Bridge 00008")));
    TTemplateList saved;
    saved.LoadFromFile(file);
    EXPECT_EQ(saved.AutoInc, 9);
    EXPECT_EQ(Sim.Batches().size(), 6);

    // Uploading again with the numbering reset finds both names in the gauge.
    saved.AutoInc = 7;
    saved.SaveToFile(file);
    run = Cli({QStringLiteral("upload"), file, QStringLiteral("--skip")});
    EXPECT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(Sim.Batches().size(), 6);
    saved.LoadFromFile(file);
    saved.AutoInc = 7;
    saved.SaveToFile(file);
    run = Cli({QStringLiteral("upload"), file, QStringLiteral("--cancel")});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains(QLatin1String("cancelled")));
    saved.LoadFromFile(file);
    saved.AutoInc = 7;
    saved.SaveToFile(file);
    run = Cli({QStringLiteral("upload"), file, QStringLiteral("--replace")});
    EXPECT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_EQ(SimCommandsCount("F"), 2);
}

TEST_F(CommThreadCliTest, ErrorsGiveTheMessageAndANonZeroExit)
{
    TCliRun run = Cli({QStringLiteral("list"), QStringLiteral("--device"), QStringLiteral("/dev/no-such-tty")}, false);
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains(QLatin1String("Communications Error"))) << run.Err.toStdString();
    run = Cli({QStringLiteral("list")}, false);
    EXPECT_NE(run.Code, 0);
    EXPECT_TRUE(run.Err.contains(QLatin1String("--port")));
    // A gauge that fails a command mid-way.
    TSimOptions options = Sim.Options();
    options.BellLetters = "C";
    Sim.SetOptions(options);
    run = Cli({QStringLiteral("download"), QStringLiteral("--all"), QStringLiteral("--to"), Folder});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains(QLatin1String("Communications Error: (Must support command)"))) << run.Err.toStdString();
    EXPECT_TRUE(QDir(Folder).entryList(QDir::Files).isEmpty());
}

TEST_F(CommThreadCliTest, TraceAsFirstArgumentWritesTheTraceFile)
{
    const TCliRun run = RunCli({QStringLiteral("-TRACE"), QStringLiteral("gauge"), QStringLiteral("list"), QStringLiteral("--device"), Path});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    const QStringList traces = QDir(Home.Path()).entryList({QStringLiteral("CommsTrace_*.TXT")}, QDir::Files);
    ASSERT_EQ(traces.size(), 1);
    QFile trace(Home.Path() + QLatin1Char('/') + traces.first());
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_TRUE(trace.readAll().contains("[01]A[17]"));
}
