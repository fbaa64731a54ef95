#include "TestSupport.h"
#include "UnitMyReports.h"
#include "UnitReport.h"
#include "UnitStorage.h"

#include <QDir>
#include <QFile>

namespace {
void WriteReport(const QString &file, int pages)
{
    TReport report;
    for (int i = 0; i < pages; ++i)
        report.AddPage();
    report.SaveToFile(file);
}
} // namespace

class MyReportsTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        RegisterReportDocument();
        Folder = Home.Path() + QStringLiteral("/Reports/");
        QDir().mkpath(Folder);
    }
    QString Folder;
    TMyReports Reports;
};

TEST_F(MyReportsTest, NameIgnoresLetterCaseAndTheLastMatchWins)
{
    WriteReport(Folder + QStringLiteral("Site Survey.vcr"), 1);
    WriteReport(Folder + QStringLiteral("site survey.vcr"), 2);
    WriteReport(Folder + QStringLiteral("Other.vcr"), 3);
    Reports.Reload(Folder);
    ASSERT_EQ(Reports.List().Count(), 3);

    int last = -1;
    for (int i = 0; i < Reports.List().Count(); ++i)
        if (ReportOf(*Reports.List().Items(i))->Name.compare(QStringLiteral("SITE SURVEY"), Qt::CaseInsensitive) == 0)
            last = i;
    ASSERT_GE(last, 1);
    EXPECT_EQ(&Reports.ByName(QStringLiteral("SITE SURVEY")), ReportOf(*Reports.List().Items(last)));
    EXPECT_EQ(Reports.ByName(QStringLiteral("oTHER")).Count(), 3);
    EXPECT_EQ(Reports.Find(QStringLiteral("Other ")), nullptr);
    EXPECT_EQ(MessageOf([&] { Reports.ByName(QStringLiteral("Missing")); }), QStringLiteral("Report does not exist"));
}

TEST_F(MyReportsTest, ReloadFollowsTheFolder)
{
    WriteReport(Folder + QStringLiteral("Kept.vcr"), 1);
    WriteReport(Folder + QStringLiteral("Gone.vcr"), 1);
    // Not reports: a batch, and a folder with a report's extension.
    QFile::copy(TestDataFile(QStringLiteral("BatchCover2x3.vcb")), Folder + QStringLiteral("Batch.vcb"));
    QDir().mkpath(Folder + QStringLiteral("Folder.vcr"));

    Reports.Reload(Folder);
    EXPECT_NE(Reports.Find(QStringLiteral("Kept")), nullptr);
    EXPECT_NE(Reports.Find(QStringLiteral("Gone")), nullptr);
    EXPECT_EQ(Reports.Find(QStringLiteral("Batch")), nullptr);
    EXPECT_EQ(Reports.Find(QStringLiteral("Folder")), nullptr);
    TReport *kept = Reports.Find(QStringLiteral("Kept"));

    ASSERT_TRUE(QFile::remove(Folder + QStringLiteral("Gone.vcr")));
    WriteReport(Folder + QStringLiteral("New.vcr"), 2);
    Reports.Reload(Folder);
    EXPECT_EQ(Reports.Find(QStringLiteral("Gone")), nullptr);
    ASSERT_NE(Reports.Find(QStringLiteral("New")), nullptr);
    EXPECT_EQ(Reports.Find(QStringLiteral("New"))->Count(), 2);
    // An unchanged file is not read again.
    EXPECT_EQ(Reports.Find(QStringLiteral("Kept")), kept);
}

TEST_F(MyReportsTest, ReloadWithoutAFolderTakesTheStorageRoot)
{
    EnsureStorageFolders();
    WriteReport(ReportsFolder() + QStringLiteral("Mine.vcr"), 1);
    Reports.Reload();
    EXPECT_NE(Reports.Find(QStringLiteral("mine")), nullptr);
}

// Whatever changes the entries (a reload, loading one entry again) is announced once around the
// change, and the list says it is not to be read in between.
TEST_F(MyReportsTest, EveryChangeOfTheEntriesIsAnnouncedOnceAroundIt)
{
    WriteReport(Folder + QStringLiteral("Kept.vcr"), 1);
    TFileList &list = Reports.List();
    QStringList heard;
    QObject context;
    QObject::connect(&list.Notifier(), &TFileListNotifier::Reloading, &context, [&] {
        heard << QStringLiteral("reloading %1 %2").arg(list.Count()).arg(list.Reloading());
    });
    QObject::connect(&list.Notifier(), &TFileListNotifier::Reloaded, &context, [&] {
        heard << QStringLiteral("reloaded %1 %2").arg(list.Count()).arg(list.Reloading());
    });
    // Loading each new entry inside the reload adds no announcement of its own.
    WriteReport(Folder + QStringLiteral("New.vcr"), 2);
    Reports.Reload(Folder);
    EXPECT_EQ(heard, (QStringList{"reloading 0 1", "reloaded 2 0"}));
    heard.clear();
    ASSERT_TRUE(Reports.EntryOf(Folder + QStringLiteral("New.vcr")));
    EXPECT_EQ(Reports.EntryOf(Folder + QStringLiteral("New")), nullptr) << "by the full file name only";
    Reports.EntryOf(Folder + QStringLiteral("New.vcr"))->Load();
    EXPECT_EQ(heard, (QStringList{"reloading 2 1", "reloaded 2 0"}));
}
