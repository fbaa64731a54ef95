// Template upload through the communication thread: existing batches and their four answers,
// memory full, definitions the gauge does not take.
#include "CommThreadSupport.h"

namespace {

// A full-model gauge that takes both batch types, grid and linear.
TSimOptions FullModel()
{
    TSimOptions options;
    options.ModelLetter = "t";
    return options;
}

} // namespace

class CommThreadUploadTest : public CommThreadTest {
protected:
    // Puts one template with these definitions into the thread's upload list.
    void SetUpload(const std::function<void(TTemplateList &)> &fill)
    {
        QMutexLocker guard(&Thread->UploadList.Mutex());
        Thread->UploadList.Clear();
        TTemplateList *templ = Thread->UploadList.Add();
        templ->Name = QStringLiteral("Upload");
        fill(*templ);
    }
    QStringList DefineACommands()
    {
        QStringList ids;
        for (const TSimCommand &c : Sim.Commands())
            if (c.value(0) == "D" && c.value(1) == "A")
                ids << QString::fromLatin1(c.value(2));
        return ids;
    }
};

// Two of three definitions name batches the gauge holds (DECK-GRID and WALL-RUN).
TEST_F(CommThreadUploadTest, ExistingBatchAnswersDecideWhatIsReplaced)
{
    const struct {
        const char *Name;
        std::vector<std::uint8_t> Answers;
        QStringList Asked;
        QStringList Deleted; // "F" commands
        QStringList Written; // IDs defined in the gauge
    } cases[] = {
        {"replace each", {ebReplace, ebReplace}, {"DECK-GRID", "WALL-RUN"}, {"F 0000", "F 0001"}, {"DECK-GRID", "NEW-1", "WALL-RUN"}},
        {"replace all", {ebReplaceAll}, {"DECK-GRID"}, {"F 0000", "F 0001"}, {"DECK-GRID", "NEW-1", "WALL-RUN"}},
        {"skip", {ebSkip, ebSkip}, {"DECK-GRID", "WALL-RUN"}, {}, {"NEW-1"}},
        {"skip then replace", {ebSkip, ebReplace}, {"DECK-GRID", "WALL-RUN"}, {"F 0001"}, {"NEW-1", "WALL-RUN"}},
        {"cancel", {ebCancel}, {"DECK-GRID"}, {}, {}},
        // An answer outside the four keeps the batch.
        {"unknown answer", {9, 9}, {"DECK-GRID", "WALL-RUN"}, {}, {"NEW-1"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        Events.clear();
        Errors.clear();
        Asked.clear();
        Statuses.clear();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        ASSERT_TRUE(Connect(FullModel()));
        Sim.ClearCommands();
        Answers.assign(c.Answers.begin(), c.Answers.end());
        SetUpload([](TTemplateList &t) {
            AddDefinition(t, QStringLiteral("DECK-GRID"));
            AddDefinition(t, QStringLiteral("NEW-1"));
            AddDefinition(t, QStringLiteral("WALL-RUN"), BatchTypeCover, BatchFormatLinear);
        });
        ASSERT_TRUE(RunStage(cmdWriteTemplates, "Written"));
        EXPECT_TRUE(Errors.isEmpty());
        EXPECT_EQ(Asked, c.Asked);
        EXPECT_EQ(SimCommands("F"), c.Deleted);
        EXPECT_EQ(DefineACommands(), c.Written);
        // The list follows the gauge and stays sorted.
        QStringList expected;
        for (const TSimBatch &b : Sim.Batches())
            expected << QString::fromLatin1(b.ID);
        expected.sort(Qt::CaseInsensitive);
        EXPECT_EQ(ListIDs(), expected);
        const QList<int> progress = ProgressOf(QStringLiteral("Writing Templates..."));
        ASSERT_FALSE(progress.isEmpty());
        EXPECT_EQ(progress.back(), QString::fromLatin1(c.Name) == QLatin1String("cancel") ? 0 : 100);
        StopCommThread(Thread);
    }
}

TEST_F(CommThreadUploadTest, WrittenBatchesJoinTheListWithTheirSlotAndSize)
{
    ASSERT_TRUE(Connect(FullModel()));
    SetUpload([](TTemplateList &t) {
        AddDefinition(t, QStringLiteral("GRID 00001"));
        AddDefinition(t, QStringLiteral("HALF 00002"), BatchTypeHalfCell, BatchFormatLinear);
    });
    ASSERT_TRUE(RunStage(cmdWriteTemplates, "Written"));
    QMutexLocker guard(&Thread->BatchList.Mutex());
    const int grid = Thread->BatchList.IndexOf(QStringLiteral("GRID 00001"), BatchTypeCover);
    const int half = Thread->BatchList.IndexOf(QStringLiteral("HALF 00002"), BatchTypeHalfCell);
    ASSERT_GE(grid, 0);
    ASSERT_GE(half, 0);
    const TBatchItem *g = Thread->BatchList.Items(grid);
    EXPECT_EQ(g->Slot, 4);
    EXPECT_EQ(g->Columns, 4);
    EXPECT_EQ(g->Rows, 3);
    EXPECT_EQ(g->Readings, 0);
    EXPECT_TRUE(g->HasCells());
    const TBatchItem *h = Thread->BatchList.Items(half);
    EXPECT_EQ(h->Slot, 5);
    EXPECT_EQ(h->BatchFormat, BatchFormatLinear);
    EXPECT_EQ(h->Rows, 1000);
}

TEST_F(CommThreadUploadTest, MemoryFullOnTheThirdDefinitionKeepsTheFirstTwoAndTheConnection)
{
    TSimOptions options = FullModel();
    options.Capacity = 6; // the four demo batches and two more
    ASSERT_TRUE(Connect(options));
    SetUpload([](TTemplateList &t) {
        for (int i = 1; i <= 4; ++i)
            AddDefinition(t, QStringLiteral("NEW-%1").arg(i));
    });
    ASSERT_TRUE(RunStage(cmdWriteTemplates, "Written"));
    EXPECT_EQ(Errors, QStringList({"Communications Error: (Gauge memory full)"}));
    // The error comes first, then the end of the stage.
    EXPECT_LT(Events.indexOf(QStringLiteral("Error")), Events.indexOf(QStringLiteral("Written")));
    EXPECT_EQ(DefineACommands(), QStringList({"NEW-1", "NEW-2", "NEW-3"}));
    EXPECT_EQ(ListIDs(), QStringList({"BEAM-CELLS", "DECK-GRID", "NEW-1", "NEW-2", "SLAB-CELLS", "WALL-RUN"}));
    EXPECT_TRUE(Thread->isRunning());
    // Still connected: the next command is served.
    Tag({"NEW-1"});
    ASSERT_TRUE(RunStage(cmdDeleteBatches, "Deleted"));
    EXPECT_EQ(ListIDs().size(), 5);
}

TEST_F(CommThreadUploadTest, DefinitionsTheGaugeDoesNotTakeAreSkippedSilently)
{
    TSimOptions options;
    options.ModelLetter = "T"; // full model, cover templates only
    ASSERT_TRUE(Connect(options));
    Sim.ClearCommands();
    SetUpload([](TTemplateList &t) {
        AddDefinition(t, QStringLiteral("CELLS-1"), BatchTypeHalfCell);
        AddDefinition(t, QStringLiteral("CELLS-2"), BatchTypeHalfCell, BatchFormatLinear);
    });
    ASSERT_TRUE(RunStage(cmdWriteTemplates, "Written"));
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_TRUE(Sim.Commands().isEmpty());
    EXPECT_EQ(ProgressOf(QStringLiteral("Writing Templates...")), QList<int>({0, 50, 100}));
}

TEST_F(CommThreadUploadTest, AnExistingBatchWithoutAHandlerEndsTheRun)
{
    TCommK27Thread &t = Make(FullModel());
    t.OnBatchExists = nullptr;
    t.start();
    ASSERT_TRUE(PumpUntil([&] { return t.Ready(); }));
    SetUpload([](TTemplateList &tl) { AddDefinition(tl, QStringLiteral("DECK-GRID")); });
    t.SetCommand(cmdWriteTemplates);
    ASSERT_TRUE(PumpUntil([&] { return t.isFinished(); }));
    PumpUntil([] { return true; });
    EXPECT_EQ(Errors, QStringList({"Unable to handle existing batch"}));
    EXPECT_FALSE(Events.contains(QStringLiteral("Written")));
    EXPECT_TRUE(SimCommands("D").isEmpty());
    // The upload list's lock was given back.
    EXPECT_TRUE(t.UploadList.Mutex().tryLock());
    t.UploadList.Unlock();
}
