// Saving downloaded batches into a folder: the replace question, its answers, and every tagged
// entry ending untagged.
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitDownloadSaver.h"
#include "UnitException.h"

#include <QDir>
#include <QFile>

namespace {

// A small batch whose file tells its origin by its site.
void AddBatch(TBatchList &list, const QString &id, const QString &site, bool tagged = true,
              std::uint8_t type = BatchTypeCover)
{
    TBatchItem *b = list.Add();
    b->SetNewBatchDefaults(type, BatchFormatGrid);
    b->ID = id;
    b->Site = site;
    b->Tagged = tagged;
}

QString SiteOf(const QString &path)
{
    TBatchItem b;
    b.LoadFromFile(path);
    return b.Site;
}

bool AnyTagged(TBatchList &list)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.Items(i)->Tagged)
            return true;
    return false;
}

} // namespace

class DownloadSaverTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        Folder = Home.Path() + QStringLiteral("/Local/Site A/");
        QDir().mkpath(Folder);
    }
    void Existing(const QString &name, const QString &site)
    {
        TBatchItem b;
        b.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
        b.Site = site;
        b.SaveToFile(Folder + name);
    }
    QString Folder;
    TBatchList List;
};

TEST_F(DownloadSaverTest, WritesTaggedEntriesByFileNameAndLeavesTheOthers)
{
    AddBatch(List, QStringLiteral(" DECK "), QStringLiteral("gauge"));
    AddBatch(List, QStringLiteral("CELLS"), QStringLiteral("gauge"), true, BatchTypeHalfCell);
    AddBatch(List, QStringLiteral("OTHER"), QStringLiteral("gauge"), false);
    const TDownloadSaveResult result = SaveDownloadedBatches(List, Folder.chopped(1));
    EXPECT_EQ(result.Written, QStringList({Folder + "DECK.vcb", Folder + "CELLS.vch"}));
    EXPECT_EQ(SiteOf(Folder + "DECK.vcb"), QStringLiteral("gauge"));
    EXPECT_TRUE(QFile::exists(Folder + "CELLS.vch"));
    EXPECT_FALSE(QFile::exists(Folder + "OTHER.vcb"));
    EXPECT_FALSE(AnyTagged(List));
    EXPECT_TRUE(Prompts.Questions.isEmpty());
}

// Three existing files; the answers of the prompt service decide which are replaced.
TEST_F(DownloadSaverTest, ReplaceQuestionAnswers)
{
    const struct {
        const char *Name;
        std::vector<TPromptAnswer> Answers;
        int Questions;
        const char *Sites; // site of the three files afterwards: g = gauge, d = disk
    } cases[] = {
        {"yes each", {TPromptAnswer::Yes, TPromptAnswer::Yes, TPromptAnswer::Yes}, 3, "ggg"},
        {"yes to all first", {TPromptAnswer::YesToAll}, 1, "ggg"},
        {"no, yes, no", {TPromptAnswer::No, TPromptAnswer::Yes, TPromptAnswer::No}, 3, "dgd"},
        {"cancel first", {TPromptAnswer::Cancel}, 1, "ddd"},
        {"yes then cancel", {TPromptAnswer::Yes, TPromptAnswer::Cancel}, 2, "gdd"},
    };
    const QStringList ids{"A1", "B2", "C3"};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        List.Clear();
        Prompts.Questions.clear();
        Prompts.Answers.assign(c.Answers.begin(), c.Answers.end());
        for (const QString &id : ids) {
            Existing(id + ".vcb", QStringLiteral("disk"));
            AddBatch(List, id, QStringLiteral("gauge"));
        }
        const TDownloadSaveResult result = SaveDownloadedBatches(List, Folder);
        EXPECT_EQ(Prompts.Questions.size(), c.Questions);
        EXPECT_EQ(result.Cancelled, QString::fromLatin1(c.Name).contains(QLatin1String("cancel")));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(SiteOf(Folder + ids[i] + ".vcb"), c.Sites[i] == 'g' ? QStringLiteral("gauge") : QStringLiteral("disk")) << i;
        EXPECT_FALSE(AnyTagged(List));
    }
    ASSERT_FALSE(Prompts.Questions.isEmpty());
    EXPECT_EQ(Prompts.Questions.first(),
              QStringLiteral("The folder already contains a file named 'A1.vcb'\r\n\r\nWould you like to replace the existing file?"));
}

TEST_F(DownloadSaverTest, IDsDifferingInTrailingBlanksShareOneFileAndTheSecondAsks)
{
    AddBatch(List, QStringLiteral("PIER"), QStringLiteral("first"));
    AddBatch(List, QStringLiteral("PIER  "), QStringLiteral("second"));
    Prompts.Answers = {TPromptAnswer::No};
    SaveDownloadedBatches(List, Folder);
    EXPECT_EQ(Prompts.Questions.size(), 1);
    EXPECT_EQ(SiteOf(Folder + "PIER.vcb"), QStringLiteral("first"));
    EXPECT_EQ(QDir(Folder).entryList(QDir::Files), QStringList({"PIER.vcb"}));
}

TEST_F(DownloadSaverTest, AGivenQuestionAnswersInsteadOfThePrompt)
{
    Existing(QStringLiteral("A1.vcb"), QStringLiteral("disk"));
    AddBatch(List, QStringLiteral("A1"), QStringLiteral("gauge"));
    QStringList asked;
    SaveDownloadedBatches(List, Folder, [&](const QString &name) {
        asked << name;
        return TPromptAnswer::Yes;
    });
    EXPECT_EQ(asked, QStringList({"A1.vcb"}));
    EXPECT_TRUE(Prompts.Questions.isEmpty());
    EXPECT_EQ(SiteOf(Folder + "A1.vcb"), QStringLiteral("gauge"));
}

TEST_F(DownloadSaverTest, AFailedWriteStillUntagsEveryEntry)
{
    // A folder where the first file should go: the write fails.
    QDir().mkpath(Folder + "A1.vcb");
    AddBatch(List, QStringLiteral("A1"), QStringLiteral("gauge"));
    AddBatch(List, QStringLiteral("B2"), QStringLiteral("gauge"));
    Prompts.Answers = {TPromptAnswer::Yes};
    EXPECT_THROW(SaveDownloadedBatches(List, Folder), Exception);
    EXPECT_FALSE(AnyTagged(List));
    EXPECT_TRUE(List.Mutex().tryLock());
    List.Unlock();
}
