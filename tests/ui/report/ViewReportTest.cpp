// The report viewer on small report designs in a temporary Reports folder, with a fake
// xdg-email on PATH.
#include "FolderViewSupport.h"
#include "TestFakeMail.h"
#include "UnitDialogHooks.h"
#include "UnitFormBatchView.h"
#include "UnitFileOperations.h"
#include "UnitFormViewReport.h"
#include "UnitMAPIMail.h"
#include "UnitMyReports.h"
#include "UnitPageDesigner.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitPageThumbnailList.h"
#include "UnitTextFile.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QLineEdit>
#include <QWheelEvent>
#include <QRegularExpression>
#include <QPrinter>
#include <QPrintDialog>

namespace {
class ViewReportTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        RegisterPageItemClasses();
        RegisterReportDocument();
        ResetDialogHooks();
        DialogHooks().OpenFile = [this](const QString &path) {
            Opened << path;
            return true;
        };
        TFormViewReport::PrinterAvailable() = [this] { return Printer; };
        Reports = Home.Path() + QStringLiteral("/Reports/");
        QDir().mkpath(Reports);
        // "Beta" before "Alpha" on purpose: the list's own (sorted) order is what counts.
        SaveDesign(QStringLiteral("Beta"), {PageTypeOpening, PageTypeInner, PageTypeClosing});
        SaveDesign(QStringLiteral("Alpha"), {PageTypeInner});
        My.Reload(Reports);
    }
    void TearDown() override
    {
        ResetDialogHooks();
        TFormViewReport::PrinterAvailable() = [] { return false; };
    }
    // A design of one page per type given; inner pages need a cover batch.
    void SaveDesign(const QString &name, const std::vector<int> &types)
    {
        TReport r;
        for (int type : types) {
            TPage *p = r.AddPage();
            p->Properties["PageType"].SetInteger(type);
            p->AddItem<TPageItemShape>();
            if (type == PageTypeInner)
                p->AddItem<TPageItemMemo>()->Properties["Text"].SetString(QStringLiteral("Inner"));
        }
        r.SaveToFile(Reports + name + QStringLiteral(".vcr"));
    }
    void AddCoverBatch(TFormViewReport &view, const QString &id)
    {
        *view.Batches().Add() = MakeBatch(BatchTypeCover, BatchFormatGrid, 4, 3);
        view.Batches().Items(view.Batches().Count() - 1)->ID = id;
    }
    std::unique_ptr<TFormViewReport> MakeView()
    {
        auto view = std::make_unique<TFormViewReport>(Settings, &My);
        view->resize(900, 600);
        return view;
    }
    TSettings Settings;
    TMyReports My;
    QString Reports;
    QStringList Opened;
    bool Printer = true;
};
} // namespace

TEST_F(ViewReportTest, TicksFollowSelectedReportsAndBuildTheWorkingReport)
{
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    auto view = MakeView();
    AddCoverBatch(*view, QStringLiteral("A"));
    view->ShowReports();
    EXPECT_EQ(view->ReportNames(), (QStringList{"Alpha", "Beta"}));
    EXPECT_EQ(view->TickedReports(), (QStringList{"Beta"}));
    ASSERT_EQ(view->WorkingReport().Count(), 3);
    EXPECT_EQ(view->SelectedPage(), 1); // the first inner page
    EXPECT_EQ(view->PageEditor->Page().Batches[0].ID, QStringLiteral("A"));
    EXPECT_TRUE(view->ActionPrint->isEnabled() && view->ActionPDF->isEnabled() && view->ActionCopy->isEnabled());

    view->SetReportTicked(0, true);
    EXPECT_EQ(CommaTextList(Settings[QStringLiteral("SelectedReports")].AsString()), (QStringList{"Alpha", "Beta"}));
    EXPECT_EQ(view->WorkingReport().Count(), 4); // Alpha's inner page first, in the list's order
    EXPECT_EQ(view->SelectedPage(), 1);          // still a page: kept

    // Nothing ticked: an empty preview, and nothing to print or write.
    view->SetReportTicked(0, false);
    view->SetReportTicked(1, false);
    EXPECT_EQ(Settings[QStringLiteral("SelectedReports")].AsString(), QString());
    EXPECT_EQ(view->WorkingReport().Count(), 0);
    EXPECT_EQ(view->SelectedPage(), -1);
    EXPECT_EQ(view->PageEditor->Page().Count(), 0);
    EXPECT_EQ(view->ListViewPages->PageCount(), 0);
    EXPECT_FALSE(view->ActionPrint->isEnabled());
    EXPECT_FALSE(view->ActionPDF->isEnabled());
    EXPECT_FALSE(view->ActionCopy->isEnabled());
}

TEST_F(ViewReportTest, ZoomIsRememberedAndPrintNeedsAPrinter)
{
    Printer = false;
    {
        auto view = MakeView();
        view->ShowReports();
        EXPECT_EQ(view->ComboBoxZoom->count(), 10);
        EXPECT_EQ(view->ZoomIndex(), 0);
        view->SetZoomIndex(1);
        EXPECT_EQ(Settings[QStringLiteral("ReportViewZoom")].AsInteger(), 1);
    }
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    auto view = MakeView();
    view->ShowReports();
    EXPECT_EQ(view->ZoomIndex(), 1);
    EXPECT_EQ(view->ComboBoxZoom->currentText(), QStringLiteral("Full Page"));
    EXPECT_EQ(view->PageDesigner->ZoomType(), ztFullPage);
    view->SetZoomIndex(4);
    EXPECT_EQ(view->PageDesigner->ZoomType(), ztPercentage);
    EXPECT_DOUBLE_EQ(view->PageDesigner->ZoomValue(), 1.5);
    EXPECT_TRUE(view->ActionPDF->isEnabled());
    EXPECT_FALSE(view->ActionPrint->isEnabled());
}

TEST_F(ViewReportTest, NoThumbnailKeepsThePageNumbers)
{
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    Settings[QStringLiteral("ThumbnailQuality")].SetAsInteger(2);
    auto view = MakeView();
    AddCoverBatch(*view, QStringLiteral("A"));
    view->ShowReports();
    QAbstractItemModel *model = view->ListViewPages->model();
    ASSERT_EQ(model->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(model->data(model->index(row, 0)).toString(), QString::number(row + 1));
    // An empty picture: every pixel the same.
    const QImage picture = view->ListViewPages->Thumbnail(1).toImage();
    ASSERT_FALSE(picture.isNull());
    bool uniform = true;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            uniform = uniform && picture.pixel(x, y) == picture.pixel(0, 0);
    EXPECT_TRUE(uniform);
}

TEST_F(ViewReportTest, PdfGoesWhereTheDialogSaysAndIsOpened)
{
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    Settings[QStringLiteral("LastPDFFile")].SetAsString(Home.Path() + QStringLiteral("/last.pdf"));
    const QString target = Home.Path() + QStringLiteral("/out.pdf");
    QString proposed, title;
    DialogHooks().SaveFileName = [&](QWidget *, const QString &t, const QString &p, const QString &, const QString &) {
        title = t;
        proposed = p;
        return target;
    };
    auto view = MakeView();
    AddCoverBatch(*view, QStringLiteral("A"));
    view->ShowReports();
    view->ActionPDF->trigger();
    EXPECT_EQ(title, QStringLiteral("Save PDF Report As"));
    EXPECT_EQ(proposed, Home.Path() + QStringLiteral("/last.pdf"));
    EXPECT_EQ(Settings[QStringLiteral("LastPDFFile")].AsString(), target);
    EXPECT_GT(QFileInfo(target).size(), 0);
    EXPECT_EQ(Opened, QStringList{target});
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A folder that cannot be written: its own message, and the cursor back.
    Opened.clear();
    DialogHooks().SaveFileName = [&](QWidget *, const QString &, const QString &, const QString &, const QString &) {
        return Home.Path() + QStringLiteral("/missing/out.pdf");
    };
    view->ActionPDF->trigger();
    EXPECT_EQ(Prompts.Errors.size(), 1);
    EXPECT_TRUE(Opened.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewReportTest, JpegMailAttachesEveryPageAndKeepsTheFilesForTheClient)
{
    TFakeMail fake;
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    Settings[QStringLiteral("EmailReportFormat")].SetAsInteger(1);
    auto view = MakeView();
    AddCoverBatch(*view, QStringLiteral("A"));
    *view->Batches().Add() = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 2);
    view->Batches().Items(1)->ID = QStringLiteral("H");
    view->ShowReports();
    ASSERT_EQ(view->WorkingReport().Count(), 3); // the half-cell batch has no inner page here
    ASSERT_TRUE(view->ActionMail->isEnabled());
    view->ActionMail->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!view->MailPending(), 10000);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('\n')).toStdString();
    const QStringList args = fake.Arguments();
    QStringList attached;
    for (int i = 0; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--attach"))
            attached << args[i + 1];
    ASSERT_EQ(attached.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(QFileInfo(attached[i]).fileName(), QStringLiteral("Orvalis Report_%1.jpg").arg(i + 1));
        EXPECT_TRUE(attached[i].startsWith(MailFoldersRoot()));
        // Still there after xdg-email returned: the mail client reads them when the user sends.
        EXPECT_TRUE(QFileInfo::exists(attached[i]));
    }
    const QList<qint64> sizes = fake.AttachmentSizes();
    ASSERT_EQ(sizes.size(), 3);
    for (qint64 size : sizes)
        EXPECT_GT(size, 0);
    const int subject = args.indexOf(QStringLiteral("--subject"));
    ASSERT_GE(subject, 0);
    EXPECT_EQ(args[subject + 1], QStringLiteral("Orvalis Report"));
    const int body = args.indexOf(QStringLiteral("--body"));
    ASSERT_GE(body, 0);
    EXPECT_EQ(args[body + 1], QStringLiteral("Please find attached a report on the following batches:\r\n"
                                             "\r\nA (Cover)\r\nH (Half Cell)"));
}

TEST_F(ViewReportTest, PdfMailAndAMissingMailProgram)
{
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    {
        // xdg-email still runs when the command returns: the window is not held up by it.
        TFakeMail fake(true, 4, 1);
        auto view = MakeView();
        view->ShowReports();
        view->ActionMail->trigger();
        EXPECT_TRUE(view->MailPending());
        EXPECT_TRUE(Prompts.Errors.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!view->MailPending(), 10000);
        const QStringList args = fake.Arguments();
        const int attach = args.indexOf(QStringLiteral("--attach"));
        ASSERT_GE(attach, 0);
        EXPECT_EQ(QFileInfo(args[attach + 1]).fileName(), QStringLiteral("Orvalis Report.pdf"));
        EXPECT_EQ(fake.AttachmentSizes().size(), 1);
        EXPECT_GT(fake.AttachmentSizes().value(0), 0);
        // The client could not be reached: said so.
        EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("MAPI Error 2: General MAPI failure")});
    }
    TFakeMail missing(false);
    auto view = MakeView();
    view->ShowReports();
    EXPECT_FALSE(view->ActionMail->isEnabled());
}

TEST_F(ViewReportTest, MailThatDoesNotReturnIsNoLongerWatchedAfterTheTimeLimit)
{
    // Some clients keep xdg-email until the mail program is closed: after the limit the compose
    // window is taken to be open, no error comes, and the program is left running.
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    const int limit = TFormViewReport::MailWaitLimit();
    TFormViewReport::MailWaitLimit() = 300;
    TFakeMail fake(true, 4, 3);
    auto view = MakeView();
    view->ShowReports();
    view->ActionMail->trigger();
    EXPECT_TRUE(view->MailPending());
    QTRY_VERIFY_WITH_TIMEOUT(!view->MailPending(), 2500);
    TFormViewReport::MailWaitLimit() = limit;
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(fake.Arguments().isEmpty());
}

TEST_F(ViewReportTest, WheelArrowsAndEnterOnTheReportsBoxLeaveTheTicks)
{
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Beta"));
    auto view = MakeView();
    AddCoverBatch(*view, QStringLiteral("A"));
    view->show();
    view->ShowReports();
    QComboBox *box = view->ComboBoxReports;
    box->setFocus();
    for (int delta : {120, -120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    }
    for (int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home})
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QTest::keyClick(box->lineEdit(), Qt::Key_Enter);
    // What the line edit under the mouse and the keyboard gets, and a move of the current entry
    // however it comes about: the line keeps showing the ticked names.
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box->lineEdit(), &wheel);
    QTest::keyClick(box->lineEdit(), Qt::Key_Down);
    box->setCurrentIndex(0);
    EXPECT_EQ(view->ReportNames(), (QStringList{"Alpha", "Beta"}));
    EXPECT_EQ(view->TickedReports(), (QStringList{"Beta"}));
    EXPECT_EQ(Settings[QStringLiteral("SelectedReports")].AsString(), QStringLiteral("Beta"));
    EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("Beta"));
    EXPECT_EQ(view->WorkingReport().Count(), 3);
}

TEST_F(ViewReportTest, PrintHonoursThePageRangeOfTheDialog)
{
    Settings[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Alpha,Beta"));
    auto view = MakeView();
    AddCoverBatch(*view, QStringLiteral("A"));
    AddCoverBatch(*view, QStringLiteral("B"));
    view->ShowReports();
    ASSERT_EQ(view->WorkingReport().Count(), 6);
    const QString pdf = Home.Path() + QStringLiteral("/printed.pdf");
    int offeredTo = 0;
    DialogHooks().ExecDialog = [&](QDialog &dialog) {
        auto &print = dynamic_cast<QPrintDialog &>(dialog);
        offeredTo = print.maxPage();
        QPrinter *printer = print.printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 3);
        return int(QDialog::Accepted);
    };
    view->ActionPrint->trigger();
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(offeredTo, 6);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 2);
}

TEST_F(ViewReportTest, TheShippedEvaluationReportShowsItsDifferencePageWithAnEarlierSurvey)
{
    QFile::copy(QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Reports/Cover Evaluation Report.vcr"),
                Reports + QStringLiteral("Cover Evaluation Report.vcr"));
    My.Reload(Reports);
    const auto differencePages = [](const TReport &working) {
        QStringList pages;
        for (int i = 0; i < working.Count(); ++i)
            for (int j = 0; j < working.Pages(i)->Count(); ++j)
                if (dynamic_cast<const TPageItemChartDifference *>(working.Pages(i)->Item(j)))
                    pages << working.Pages(i)->Batches[0].ID + QLatin1Char('<') + working.Pages(i)->EarlierBatches[0].ID;
        return pages;
    };
    auto view = MakeView();
    AddCoverBatch(*view, QStringLiteral("Later"));
    view->Batches().Items(0)->CreationDate = 46000;
    view->ShowReports();
    const int report = view->ReportNames().indexOf(QStringLiteral("Cover Evaluation Report"));
    ASSERT_GE(report, 0);
    view->SetReportTicked(report, true);
    EXPECT_TRUE(differencePages(view->WorkingReport()).isEmpty());
    // An earlier survey of the same grid in the selection: the later one gets its difference page.
    AddCoverBatch(*view, QStringLiteral("Earlier"));
    view->Batches().Items(1)->CreationDate = 45000;
    view->BuildWorkingReport();
    EXPECT_EQ(differencePages(view->WorkingReport()), QStringList{QStringLiteral("Later<Earlier")});
}

TEST_F(ViewReportTest, BatchViewReportTabsShowTheViewerOnTheSelectedBatches)
{
    // Tab reports: one design, shown in standard mode; the last tab in custom mode.
    struct THost : TFakeFolderHost {
        TReport Tab;
        TMyReports *List = nullptr;
        QStringList TabReportFiles() override { return {QStringLiteral("/settings/Summary.vcr")}; }
        TReport *TabReport(const QString &file) override
        {
            return file == QStringLiteral("/settings/Summary.vcr") ? &Tab : nullptr;
        }
        TMyReports *MyReports() override { return List; }
    } host;
    host.List = &My;
    host.Titles = {QStringLiteral("Summary")};
    host.Tab.LoadFromFile(Reports + QStringLiteral("Beta.vcr"));
    host.Tab.Name = QStringLiteral("Summary");
    host.Store[QStringLiteral("SelectedReports")].SetAsString(QStringLiteral("Alpha"));
    host.Store[QStringLiteral("BatchTab")].SetAsInteger(2);
    const QString folder = Home.Path() + QStringLiteral("/Local/");
    TFileList entries;
    for (const QString &id : {QStringLiteral("A"), QStringLiteral("B")}) {
        TFileItem *e = entries.Add();
        e->FileType = FileTypeBatch;
        e->FileName = WriteBatch(folder, id, MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 3));
        ASSERT_TRUE(e->Load());
    }
    TFormBatchView view(&host);
    view.ShowBatches({entries.Items(0)});
    ASSERT_EQ(view.TabCount(), 4);
    EXPECT_EQ(view.DockedView(), static_cast<QWidget *>(view.ViewReport));
    EXPECT_TRUE(view.ViewReport->StandardMode());
    EXPECT_EQ(view.ViewReport->LabelStandardReport->text(), QStringLiteral("Summary"));
    EXPECT_EQ(view.ViewReport->WorkingReport().Count(), 3);
    // Another selection rebuilds the working report.
    view.ShowBatches({entries.Items(0), entries.Items(1)});
    EXPECT_EQ(view.ViewReport->WorkingReport().Count(), 4);
    EXPECT_EQ(view.ViewReport->WorkingReport().Pages(2)->Batches[0].ID, QStringLiteral("B"));
    // The last tab: the ticked "My Reports", one inner page per batch.
    view.SetTabIndex(3);
    EXPECT_FALSE(view.ViewReport->StandardMode());
    EXPECT_EQ(view.ViewReport->TickedReports(), QStringList{QStringLiteral("Alpha")});
    EXPECT_EQ(view.ViewReport->WorkingReport().Count(), 2);
    EXPECT_EQ(host.Store[QStringLiteral("BatchTab")].AsInteger(), 3);
}

// The tab reports list reloaded under the batch view: each tab keeps its report's file, so the
// tab shown stays on its report and each tab shows the design of its own title.
TEST_F(ViewReportTest, BatchViewTabsFollowTheirReportsThroughAReload)
{
    struct THost : TFakeFolderHost {
        TFileList Tabs;
        QStringList TabReportTitles() override
        {
            QStringList titles;
            for (int i = 0; i < Tabs.Count(); ++i)
                titles << NameWithoutExtension(Tabs.Items(i)->FileName);
            return titles;
        }
        QStringList TabReportFiles() override
        {
            QStringList files;
            for (int i = 0; i < Tabs.Count(); ++i)
                files << Tabs.Items(i)->FileName;
            return files;
        }
        TReport *TabReport(const QString &file) override
        {
            const int at = Tabs.IndexOf(file, FileTypeReport);
            return at < 0 ? nullptr : ReportOf(*Tabs.Items(at));
        }
        TFileListNotifier *TabReportsNotifier() override { return &Tabs.Notifier(); }
        // Inserts a report at a tab position: the list is re-created, as the main window's was.
        void Add(const QString &file, int at)
        {
            TFileList::TReloadScope reload(Tabs);
            QStringList files = TabReportFiles();
            files.insert(at, file);
            Tabs.Clear();
            for (const QString &name : files) {
                TFileItem *item = Tabs.Add();
                item->FileType = FileTypeReport;
                item->FileName = name;
                item->Load();
            }
        }
    } host;
    // "Beta" has three pages, "Alpha" one: which design a tab shows is told by its page count.
    host.Add(Reports + QStringLiteral("Beta.vcr"), 0);
    host.Add(Reports + QStringLiteral("Alpha.vcr"), 1);
    const QString folder = Home.Path() + QStringLiteral("/Local/");
    TFileList entries;
    TFileItem *batch = entries.Add();
    batch->FileType = FileTypeBatch;
    batch->FileName = WriteBatch(folder, QStringLiteral("A"), MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 3));
    ASSERT_TRUE(batch->Load());
    TFormBatchView view(&host);
    view.ShowBatches({batch});
    view.SetTabIndex(3);
    ASSERT_EQ(view.TabText(3), QStringLiteral("Alpha"));
    ASSERT_EQ(view.ViewReport->WorkingReport().Count(), 1);

    // A report sorted in before both: the tabs follow, the one shown stays on "Alpha".
    SaveDesign(QStringLiteral("Aardvark"), {PageTypeOpening, PageTypeInner});
    host.Add(Reports + QStringLiteral("Aardvark.vcr"), 0);
    ASSERT_EQ(view.TabCount(), 6);
    EXPECT_EQ(view.TabText(2), QStringLiteral("Aardvark"));
    EXPECT_EQ(view.TabIndex(), 4);
    EXPECT_EQ(view.TabText(view.TabIndex()), QStringLiteral("Alpha"));
    // Each tab shows the design of its title.
    for (auto [tab, pages] : {std::pair{2, 2}, std::pair{3, 3}, std::pair{4, 1}}) {
        view.SetTabIndex(tab);
        EXPECT_EQ(view.ViewReport->WorkingReport().Count(), pages) << view.TabText(tab).toStdString();
    }
}
