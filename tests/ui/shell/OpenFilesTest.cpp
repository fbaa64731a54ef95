// Files given to the program from outside: shown where their kind is kept, copied in first (when
// the user agrees) from outside the storage folder.
#include "FormMainTestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>

class OpenFilesTest : public FormMainTest {
protected:
    void SetUp() override
    {
        FormMainTest::SetUp();
        Start();
    }
    QTemporaryDir Outside;
};

TEST_F(OpenFilesTest, ABatchUnderLocalIsSelectedInItsFolderEvenWhenTheTreeHasNotReadItYet)
{
    MakeDir(LocalFolder() + QStringLiteral("Site A/Deck"));
    const QString batch = LocalFolder() + QStringLiteral("Site A/Deck/one.vcb");
    WriteFile(batch);
    ASSERT_EQ(Node(QStringLiteral("Site A/Deck")), nullptr); // not listed before

    EXPECT_EQ(Form->OpenFile(batch), batch);
    ASSERT_NE(Node(QStringLiteral("Site A/Deck")), nullptr);
    EXPECT_EQ(Form->SelectedNode(), Node(QStringLiteral("Site A/Deck")));
    EXPECT_EQ(View.Folder, LocalFolder() + QStringLiteral("Site A/Deck/"));
    EXPECT_EQ(View.Selection, QStringList{batch});
    EXPECT_TRUE(Prompts.Questions.isEmpty());
    EXPECT_TRUE(Prompts.Errors.isEmpty());
}

TEST_F(OpenFilesTest, FilesFromOutsideAreCopiedInOnlyWhenTheUserAgrees)
{
    const struct {
        const char *Name;
        QString Folder;
    } cases[] = {{"far.vch", LocalFolder()}, {"bridge.vct", TemplatesFolder()}, {"summary.vcr", ReportsFolder()}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        const QString source = Outside.path() + QLatin1Char('/') + QLatin1String(c.Name);
        WriteFile(source, "original");
        const QString copy = c.Folder + QLatin1String(c.Name);

        Prompts.Answers = {TPromptAnswer::No};
        EXPECT_TRUE(Form->OpenFile(source).isEmpty());
        EXPECT_FALSE(QFileInfo::exists(copy));
        ASSERT_EQ(Prompts.Questions.size(), 1);
        EXPECT_TRUE(Prompts.Questions.takeFirst().startsWith(QLatin1Char('\'') + source + QStringLiteral("' is not in the storage folder.")));

        Prompts.Answers = {TPromptAnswer::Yes};
        EXPECT_EQ(Form->OpenFile(source), copy);
        EXPECT_EQ(ReadText(copy), QStringLiteral("original"));
        EXPECT_EQ(ReadText(source), QStringLiteral("original")); // the original stays
        Prompts.Questions.clear();
    }
    EXPECT_EQ(Form->SelectedNode(), Form->ReportsNode());
    Form->OpenFile(TemplatesFolder() + QStringLiteral("bridge.vct"));
    EXPECT_EQ(Form->SelectedNode(), Form->TemplatesNode());
    EXPECT_TRUE(Prompts.Questions.isEmpty()); // inside: no question
    Form->OpenFile(LocalFolder() + QStringLiteral("far.vch"));
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_EQ(View.Selection, QStringList{LocalFolder() + QStringLiteral("far.vch")});
}

TEST_F(OpenFilesTest, MissingAndForeignFilesAreReportedAndNothingChanges)
{
    const QString text = Outside.path() + QStringLiteral("/notes.txt");
    WriteFile(text);
    Form->OpenFiles({Outside.path() + QStringLiteral("/gone.vcb"), text});
    ASSERT_EQ(Prompts.Errors.size(), 2);
    EXPECT_TRUE(Prompts.Errors[0].contains(QStringLiteral("there is no such file")));
    EXPECT_TRUE(Prompts.Errors[1].contains(QStringLiteral("not a batch, template or report file")));
    EXPECT_TRUE(Prompts.Questions.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(LocalFolder() + QStringLiteral("notes.txt")));
}
