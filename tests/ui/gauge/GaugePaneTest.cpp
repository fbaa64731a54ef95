// The gauge contents pane run against the simulated gauge: connection, list, download, delete,
// cancel and errors.
#include "UnitKeyboardAccess.h"
#include "GaugePaneSupport.h"
#include "UnitBatchList.h"
#include "UnitCommK27Thread.h"
#include "UnitTextFile.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

// A download stamps its batches with the time it was made; two downloads differ only there.
static QByteArray WithoutStamps(const QByteArray &file)
{
    static const QRegularExpression stamp(QStringLiteral("<(CreationDate|UpdateDate)>[^<]*</"));
    return QString::fromUtf8(file).replace(stamp, QStringLiteral("<\\1></")).toUtf8();
}

TEST_F(GaugePaneTest, ConnectionCaptionFollowsTheGaugeModel)
{
    struct Case {
        const char *Letter;
        const char *Caption;
        bool Upload;
        const char *Error; // a basic gauge is named, then refused
    };
    const Case cases[] = {
        {"B", "Ventrax K27 B", false, "Basic model not supported."},
        {"b", "Ventrax K27 BH", false, "Basic model not supported."},
        {"s", "Ventrax K27 SH", false, ""},
        {"S", "Ventrax K27 S", false, ""},
        {"t", "Ventrax K27 TH", true, ""},
        {"m", "Ventrax K27 HM", true, ""},
    };
    Pane->UploadTemplates = [] {};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Letter);
        Host = TRecordingHost();
        Host.Port = SimPort;
        Prompts.Errors.clear();
        TSimOptions options;
        options.ModelLetter = c.Letter;
        Sim.SetOptions(options);
        Pane->StartConnection();
        ASSERT_TRUE(PumpUntil([&] {
            return Pane->Thread()->isFinished() || (Pane->Thread()->Ready() && List().topLevelItemCount() == 4);
        }));
        PumpUntil([] { return false; }, 50);
        // The status bar names the gauge found, or why the connection ended after naming it.
        if (*c.Error)
            EXPECT_TRUE(Host.Status.contains(QString::fromLatin1(c.Error))) << Host.Status.toStdString();
        else
            EXPECT_EQ(Host.Status, QStringLiteral("Connected to %1, serial number K27-00417.").arg(QString::fromLatin1(c.Caption)));
        EXPECT_EQ(Host.Caption, QString::fromLatin1(c.Caption));
        EXPECT_EQ(Host.Image, 1);
        EXPECT_TRUE(Pane->Connected());
        EXPECT_EQ(Pane->ActionUploadTemplate()->isEnabled(), c.Upload);
        if (*c.Error)
            EXPECT_EQ(Prompts.Errors, QStringList({QString::fromLatin1(c.Error)}));
        else
            EXPECT_TRUE(Prompts.Errors.isEmpty());
    }
    // Without the upload wizard the action stays off even for a gauge that takes templates.
    Pane->UploadTemplates = nullptr;
    Pane->UpdateActions();
    EXPECT_FALSE(Pane->ActionUploadTemplate()->isEnabled());
    Pane->StopConnection();
    EXPECT_FALSE(Pane->Connected());
    EXPECT_EQ(List().topLevelItemCount(), 0);
}

TEST_F(GaugePaneTest, ListShowsEveryBatchSelectedAndBringsTheGaugeNodeForward)
{
    Host.GaugeSelected = false;
    ASSERT_TRUE(Connect());
    EXPECT_EQ(Host.ShowGaugeNodeCalls, 1);
    ASSERT_EQ(List().topLevelItemCount(), 4);
    QMap<QString, QStringList> rows;
    for (int i = 0; i < 4; ++i)
        rows[RowTexts(i)[0]] = RowTexts(i);
    EXPECT_EQ(rows["DECK-GRID"], QStringList({"DECK-GRID", "Cover", "Grid", "8", "6", "45"}));
    EXPECT_EQ(rows["WALL-RUN"], QStringList({"WALL-RUN", "Cover", "Linear", "-", "-", "60"}));
    EXPECT_EQ(rows["BEAM-CELLS"], QStringList({"BEAM-CELLS", "Half Cell", "Linear", "-", "-", "30"}));
    EXPECT_EQ(rows["SLAB-CELLS"].mid(1, 2), QStringList({"Half Cell", "Grid"}));
    EXPECT_EQ(List().selectedItems().size(), 4);
    EXPECT_TRUE(Pane->ActionDownload()->isEnabled());
    EXPECT_TRUE(Pane->ActionDeleteBatch()->isEnabled());
    EXPECT_EQ(Pane->ActionDeleteBatch()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));

    List().clearSelection();
    EXPECT_FALSE(Pane->ActionDownload()->isEnabled());
    EXPECT_FALSE(Pane->ActionDeleteBatch()->isEnabled());
    // The model letter "s" of the default simulator is a model code 1 gauge: no upload.
    EXPECT_FALSE(Pane->ActionUploadTemplate()->isEnabled());

    QStringList popup;
    for (QAction *a : Pane->PopupMenu()->actions())
        popup << (a->isSeparator() ? QStringLiteral("-") : WithoutMnemonic(a->text()));
    EXPECT_EQ(popup, QStringList({"Download", "Upload", "-", "Refresh", "-", "Delete"}));
}

TEST_F(GaugePaneTest, DownloadWritesTheSameFilesAsTheCommandLine)
{
    ASSERT_TRUE(Connect());
    Select({"DECK-GRID", "WALL-RUN", "SLAB-CELLS"});
    ASSERT_TRUE(RunUntilIdle([&] { Pane->ActionDownload()->trigger(); }));
    EXPECT_EQ(Pane->DownloadFolder(), Folder);
    EXPECT_EQ(FilesIn(Folder), QStringList({"DECK-GRID.vcb", "SLAB-CELLS.vch", "WALL-RUN.vcb"}));
    EXPECT_EQ(TaggedCount(), 0);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join('\n').toStdString();

    // The command line needs the line to itself.
    Pane->StopConnection();
    const QString cliFolder = Home.Path() + QStringLiteral("/cli/");
    QDir().mkpath(cliFolder);
    QProcess cli;
    cli.setWorkingDirectory(Home.Path());
    cli.start(BuiltProgram(QStringLiteral("orvalis-cli")),
              {"gauge", "download", "DECK-GRID", "WALL-RUN", "SLAB-CELLS", "--to", cliFolder, "--device", Path});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    for (const QString &name : FilesIn(Folder)) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray pane = ReadWholeFile(Folder + name), cli = ReadWholeFile(cliFolder + name);
        EXPECT_TRUE(pane.contains("<CreationDate>"));
        EXPECT_TRUE(WithoutStamps(pane) == WithoutStamps(cli));
    }
    EXPECT_EQ(FilesIn(cliFolder), FilesIn(Folder));
}

TEST_F(GaugePaneTest, ReplacePromptAnswers)
{
    ASSERT_TRUE(Connect());
    const QStringList three{"DECK-GRID.vcb", "SLAB-CELLS.vch", "WALL-RUN.vcb"};
    auto writeOld = [&] {
        for (const QString &name : three)
            WriteFileAtomic(Folder + name, QByteArray("old"));
    };
    auto oldCount = [&] {
        int n = 0;
        for (const QString &name : three)
            n += ReadWholeFile(Folder + name) == QByteArray("old") ? 1 : 0;
        return n;
    };
    writeOld();

    // Cancel at the first existing file keeps all three.
    Select({"DECK-GRID", "WALL-RUN", "SLAB-CELLS"});
    Prompts.Answers = {TPromptAnswer::Cancel};
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(Folder); }));
    EXPECT_EQ(Prompts.Questions.size(), 1);
    EXPECT_EQ(Prompts.Questions.value(0),
              QStringLiteral("The folder already contains a file named 'DECK-GRID.vcb'\r\n\r\nWould you like to replace the existing file?"));
    EXPECT_EQ(oldCount(), 3);
    EXPECT_EQ(TaggedCount(), 0);

    // No keeps only that file; the others are asked in turn.
    Prompts.Questions.clear();
    Prompts.Answers = {TPromptAnswer::No, TPromptAnswer::Yes, TPromptAnswer::Yes};
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(Folder); }));
    EXPECT_EQ(Prompts.Questions.size(), 3);
    EXPECT_EQ(ReadWholeFile(Folder + "DECK-GRID.vcb"), QByteArray("old"));
    EXPECT_EQ(oldCount(), 1);

    // Yes to All at the first replaces every later file without asking.
    writeOld();
    Prompts.Questions.clear();
    Prompts.Answers = {TPromptAnswer::YesToAll};
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(Folder); }));
    EXPECT_EQ(Prompts.Questions.size(), 1);
    EXPECT_EQ(oldCount(), 0);
    EXPECT_EQ(TaggedCount(), 0);
}

TEST_F(GaugePaneTest, IdsDifferingInTrailingBlanksShareOneFile)
{
    QList<TSimBatch> batches = TK27Simulator::DemoBatches();
    TSimBatch twin = batches[0];
    batches[0].ID = "TWIN";
    twin.ID = "TWIN  ";
    twin.Slot = 9;
    twin.Site = "Second";
    batches << twin;
    Sim.SetBatches(batches);
    ASSERT_TRUE(Connect());
    Select({"TWIN", "TWIN  "});
    ASSERT_EQ(List().selectedItems().size(), 2);
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(RunUntilIdle([&] { Pane->ActionDownload()->trigger(); }));
    EXPECT_EQ(FilesIn(Folder), QStringList({"TWIN.vcb"}));
    ASSERT_EQ(Prompts.Questions.size(), 1);
    EXPECT_TRUE(Prompts.Questions[0].contains(QLatin1String("'TWIN.vcb'")));
    TBatchItem saved;
    saved.LoadFromFile(Folder + "TWIN.vcb");
    EXPECT_EQ(saved.Site, QStringLiteral("Second"));
}

TEST_F(GaugePaneTest, DeleteAsksThenRemovesTheSelectedBatches)
{
    ASSERT_TRUE(Connect());
    // One row: its name; declined: nothing happens.
    Select({"DECK-GRID"});
    Prompts.Answers = {TPromptAnswer::No};
    Pane->ActionDeleteBatch()->trigger();
    EXPECT_EQ(Prompts.Questions, QStringList({"Are you sure you want to delete 'DECK-GRID'?"}));
    EXPECT_FALSE(Host.Busy);
    EXPECT_EQ(Sim.Batches().size(), 4);

    Prompts.Questions.clear();
    Select({"DECK-GRID", "WALL-RUN"});
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(RunUntilIdle([&] { Pane->ActionDeleteBatch()->trigger(); }));
    EXPECT_EQ(Prompts.Questions, QStringList({"Are you sure you want to delete these 2 batches?"}));
    QStringList left;
    for (const TSimBatch &b : Sim.Batches())
        left << QString::fromLatin1(b.ID);
    left.sort();
    EXPECT_EQ(left, QStringList({"BEAM-CELLS", "SLAB-CELLS"}));
    QStringList rows;
    for (int i = 0; i < List().topLevelItemCount(); ++i)
        rows << List().topLevelItem(i)->text(0);
    rows.sort();
    EXPECT_EQ(rows, left);
}

TEST_F(GaugePaneTest, CancelDuringADownloadRestartsTheConnection)
{
    TSimOptions slow;
    slow.Pace = true;
    slow.OnlyBaud = 1200;
    slow.ItemsPerPacket = 45;
    ASSERT_TRUE(Connect(slow));
    TCommK27Thread *first = Pane->Thread();
    Pane->DownloadTo(Folder);
    EXPECT_TRUE(Host.Busy);
    ASSERT_TRUE(Host.CancelHandler);
    ASSERT_TRUE(PumpUntil([&] { return Host.Progress.contains(QStringLiteral("Retrieving Batch Readings...")); }));
    Host.CancelHandler();
    EXPECT_FALSE(Host.Busy);
    EXPECT_NE(Pane->Thread(), first);
    EXPECT_TRUE(FilesIn(Folder).isEmpty());
    // The new connection polls and reads the list again.
    Sim.SetOptions(TSimOptions());
    ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->Ready() && List().topLevelItemCount() == 4; }, 60000));
    EXPECT_TRUE(Pane->Connected());
    EXPECT_EQ(TaggedCount(), 0);
}

TEST_F(GaugePaneTest, AFaultyGaugeErrorIsShownOnceAndCancelRecovers)
{
    ASSERT_TRUE(Connect());
    TSimOptions options = Sim.Options();
    options.BellLetters = "F";
    Sim.SetOptions(options);
    Select({"DECK-GRID"});
    Prompts.Answers = {TPromptAnswer::Yes};
    Pane->ActionDeleteBatch()->trigger();
    ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->isFinished(); }));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(Prompts.Errors, QStringList({"Communications Error: (Must support command)"}));
    // The error leaves the busy state for the user to end; the list stays.
    EXPECT_TRUE(Host.Busy);
    EXPECT_EQ(List().topLevelItemCount(), 4);

    Sim.SetOptions(TSimOptions());
    Host.CancelHandler();
    EXPECT_FALSE(Host.Busy);
    ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->Ready() && List().topLevelItemCount() == 4; }));
    EXPECT_EQ(Prompts.Errors.size(), 1);
}

TEST_F(GaugePaneTest, ACommandGivenBeforeTheThreadIsReadyWaitsForIt)
{
    // The thread drops commands given while it still polls; the pane holds this one back instead,
    // so the busy state it starts does end.
    Pane->StartConnection();
    ASSERT_FALSE(Pane->Thread()->Ready());
    ASSERT_TRUE(RunUntilIdle([&] { Pane->RunCommand(cmdDeleteBatches); }));
    EXPECT_EQ(Sim.Batches().size(), 4);
    EXPECT_EQ(Host.Progress.value(0), QStringLiteral("Please Wait..."));
}

TEST_F(GaugePaneTest, AFolderThatCannotBeWrittenIsReportedAndTheConnectionStays)
{
    ASSERT_TRUE(Connect());
    const QStringList files{"DECK-GRID.vcb", "WALL-RUN.vcb"};
    Select({"DECK-GRID", "WALL-RUN"});
    // A file where the folder should be: nothing can be written below it.
    WriteFileAtomic(Folder + QStringLiteral("gone"), QByteArray("x"));
    const QString gone = Folder + QStringLiteral("gone/");
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(gone); }));
    EXPECT_EQ(Prompts.Errors.size(), 1);
    EXPECT_EQ(TaggedCount(), 0);
    EXPECT_TRUE(Pane->Connected());

    // The link is still up: the next download, given at once, finishes.
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(Folder); }));
    EXPECT_EQ(FilesIn(Folder), QStringList({"DECK-GRID.vcb", "WALL-RUN.vcb", "gone"}));
    // Its files are those of a download that followed nothing unusual.
    const QString reference = Folder + QStringLiteral("reference/");
    QDir().mkpath(reference);
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(reference); }));
    ASSERT_EQ(FilesIn(reference), files);
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(WithoutStamps(ReadWholeFile(Folder + name)) == WithoutStamps(ReadWholeFile(reference + name)));
    }
    EXPECT_EQ(Prompts.Errors.size(), 1) << Prompts.Errors.join('\n').toStdString();
    EXPECT_EQ(TaggedCount(), 0);

    // A delete given straight after another failed save runs as well.
    Select({"WALL-RUN"});
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(gone); }));
    EXPECT_EQ(Prompts.Errors.size(), 2);
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(RunUntilIdle([&] { Pane->ActionDeleteBatch()->trigger(); }));
    EXPECT_EQ(Sim.Batches().size(), 3);
    EXPECT_EQ(List().topLevelItemCount(), 3);
    EXPECT_FALSE(Pane->Thread()->isFinished());
}

TEST_F(GaugePaneTest, CancelAsTheReadingsArriveSavesNothingAndTheNextDownloadRuns)
{
    // Cancel pressed while the gauge is sending at full speed: the link may not have to wait
    // again before the stage ends, yet nothing of the cut-short download may be saved.
    ASSERT_TRUE(Connect());
    TCommK27Thread *first = Pane->Thread();
    Select({"DECK-GRID", "WALL-RUN"});
    bool cancelled = false;
    Host.ProgressHook = [&](const QString &message) {
        if (message == QStringLiteral("Retrieving Batch Readings...") && !cancelled) {
            cancelled = true;
            QTimer::singleShot(0, [this] { Host.CancelHandler(); });
        }
    };
    Pane->DownloadTo(Folder);
    ASSERT_TRUE(PumpUntil([&] { return cancelled && Pane->Thread() != first; }));
    Host.ProgressHook = nullptr;
    EXPECT_FALSE(Host.Busy);
    EXPECT_TRUE(FilesIn(Folder).isEmpty());

    ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->Ready() && List().topLevelItemCount() == 4; }));
    Select({"DECK-GRID", "WALL-RUN"});
    ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(Folder); }));
    EXPECT_EQ(FilesIn(Folder), QStringList({"DECK-GRID.vcb", "WALL-RUN.vcb"}));
    TBatchItem grid;
    grid.LoadFromFile(Folder + QStringLiteral("DECK-GRID.vcb"));
    EXPECT_EQ(grid.Readings, 45);
    EXPECT_EQ(TaggedCount(), 0);
}

TEST_F(GaugePaneTest, AGaugeFailingMidDownloadIsShownOnceAndAfterCancelTheNextCommandsRun)
{
    struct Case {
        const char *Name;
        QByteArray BellLetters; // commands the gauge refuses
        int NakCount;           // refusals of every command before it answers
        const char *Error;
    };
    const Case cases[] = {
        {"readings refused", "C", 0, "Communications Error: (Must support command)"},
        {"headers never taken", "", K27::CommandRetries, "Communications Error: (Invalid response to command)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        Prompts.Errors.clear();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        ASSERT_TRUE(Connect());
        TSimOptions faulty;
        faulty.BellLetters = c.BellLetters;
        faulty.NakCount = c.NakCount;
        Sim.SetOptions(faulty);
        Select({"DECK-GRID", "WALL-RUN"});
        Pane->DownloadTo(Folder);
        ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->isFinished(); }));
        PumpUntil([&] { return !Prompts.Errors.isEmpty(); });
        EXPECT_EQ(Prompts.Errors, QStringList({QString::fromLatin1(c.Error)}));
        EXPECT_TRUE(Host.Busy);
        EXPECT_TRUE(FilesIn(Folder).isEmpty());

        // Cancel restarts the connection; a download and a delete then run as usual.
        Sim.SetOptions(TSimOptions());
        Host.CancelHandler();
        EXPECT_FALSE(Host.Busy);
        ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->Ready() && List().topLevelItemCount() == 4; }));
        Select({"DECK-GRID", "WALL-RUN"});
        ASSERT_TRUE(RunUntilIdle([&] { Pane->DownloadTo(Folder); }));
        EXPECT_EQ(FilesIn(Folder), QStringList({"DECK-GRID.vcb", "WALL-RUN.vcb"}));
        Select({"WALL-RUN"});
        Prompts.Answers = {TPromptAnswer::Yes};
        ASSERT_TRUE(RunUntilIdle([&] { Pane->ActionDeleteBatch()->trigger(); }));
        EXPECT_EQ(Sim.Batches().size(), 3);
        EXPECT_EQ(List().topLevelItemCount(), 3);
        EXPECT_EQ(Prompts.Errors.size(), 1);
        for (const QString &name : FilesIn(Folder))
            QFile::remove(Folder + name);
    }
}
