// The reports window inside the main window, offscreen, on a freshly seeded storage root: the
// two report lists, report commands, moves between the lists, page commands with their grouping
// by page type, the clipboard, dragging, the page design window and the folder watcher.
#include "UnitKeyboardAccess.h"
#include "FormMainTestSupport.h"
#include "UnitFileOperations.h"
#include "UnitFormPageDesign.h"
#include "UnitFormReports.h"
#include "UnitFormViewReport.h"
#include "UnitListLayout.h"
#include "UnitMyReports.h"
#include "UnitPageItemMemo.h"
#include "UnitPageThumbnailList.h"
#include "UnitPageDesigner.h"
#include "UnitReport.h"
#include "UnitReportsPaneLink.h"
#include "UnitfocClipboard.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <utility>

namespace {

class ReportsWindowTest : public FormMainTest {
protected:
    void SetUp() override
    {
        FormMainTest::SetUp();
        RegisterReportDocument();
        RegisterPageItemClasses();
    }
    void TearDown() override
    {
        FormMainTest::TearDown();
        MyReports.reset();
    }
    // The program's start: the window with its reports pane, shown, then the Reports node.
    void StartReports()
    {
        MyReports = std::make_unique<TMyReports>();
        Form = std::make_unique<TFormMain>();
        Form->SetWatcherPauseMs(50);
        Link = new TReportsPaneLink(Form.get(), *MyReports);
        Form->SetFolderView(&View);
        Form->resize(900, 700);
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == Form.get(); }));
        Form->SelectNode(Form->ReportsNode());
        ASSERT_TRUE(Pane()->isVisible());
    }
    TFormReports *Pane() const { return Link->Pane(); }
    QTreeWidget *My() const { return Pane()->ListViewReports(); }
    QTreeWidget *Tab() const { return Pane()->ListViewReportsTab(); }
    static QStringList Rows(QTreeWidget *list)
    {
        QStringList names;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            names << list->topLevelItem(i)->text(0);
        return names;
    }
    void Focus(QWidget *w)
    {
        w->setFocus();
        ASSERT_TRUE(WaitUntil([w] { return w->hasFocus(); }));
    }
    // Triggers a pane action after re-evaluating the enabled states; false when it was disabled.
    bool RunPane(QAction *action)
    {
        Pane()->UpdateActions();
        if (!action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    static QString MyFile(const QString &name) { return IncludeTrailingSlash(ReportsFolder()) + name + QStringLiteral(".vcr"); }
    static QString TabFile(const QString &name) { return IncludeTrailingSlash(SettingsFolder()) + name + QStringLiteral(".vcr"); }
    // A report whose pages have these types; each page carries a memo naming it.
    static void WriteReport(const QString &path, const QList<int> &types, bool readOnly = false)
    {
        TReport report;
        report.ReadOnly = readOnly;
        for (int i = 0; i < types.size(); ++i) {
            TPage *page = report.AddPage();
            page->Properties["PageType"].SetInteger(types[i]);
            page->AddItem<TPageItemMemo>()->Properties["Text"].SetString(QStringLiteral("P%1").arg(i));
        }
        report.SaveToFile(path);
    }
    static std::unique_ptr<TReport> Read(const QString &path)
    {
        auto report = std::make_unique<TReport>();
        report->LoadFromFile(path);
        return report;
    }
    // The memo texts and page types of a report file, "P0:0 P1:1 ...".
    static QString Layout(const QString &path)
    {
        const auto report = Read(path);
        QStringList parts;
        for (int i = 0; i < report->Count(); ++i) {
            const TPage *page = report->Pages(i);
            const QString name = page->Count() ? page->Item(0)->Properties["Text"].AsString() : QStringLiteral("-");
            parts << QStringLiteral("%1:%2").arg(name).arg(page->PageType());
        }
        return parts.join(QLatin1Char(' '));
    }
    // A report written behind the window's back, then shown: the lists refreshed and it selected.
    void Show(const QString &path)
    {
        Pane()->RefreshLists();
        Pane()->SelectReportByPath(path);
        ASSERT_TRUE(Pane()->CurrentReport());
        ASSERT_EQ(Pane()->CurrentReport()->FileName, path);
    }
    // The open name editor (closed ones wait for their deletion a little).
    QLineEdit *Editor() const
    {
        for (QLineEdit *edit : Pane()->findChildren<QLineEdit *>(QStringLiteral("EditReportName")))
            if (edit->isVisible())
                return edit;
        return nullptr;
    }
    // Types into the open name editor and ends editing with Enter; the rename runs queued.
    void TypeName(const QString &text)
    {
        QLineEdit *edit = Editor();
        ASSERT_TRUE(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        QApplication::processEvents();
        QApplication::processEvents();
    }
    // Sends a drag of `mime` over `target` at `at` and drops it; true when the drop was taken.
    static bool Drop(QWidget *target, const QPoint &at, QMimeData &mime)
    {
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    // What a Settings-folder notice does while a question or a dialog is up: a report appears in
    // the Settings folder, and the watcher's notice rebuilds the tab reports list meanwhile.
    void TabListRebuiltFromOutside(const QString &name)
    {
        const int before = Form->TabReports().Count();
        WriteReport(TabFile(name), {PageTypeInner});
        ASSERT_TRUE(WaitUntil([&] {
            return Form->TabReports().IndexOf(TabFile(name), FileTypeReport) >= 0 && Form->TabReports().Count() > before;
        }));
    }
    void ArmWatchers()
    {
        ASSERT_TRUE(WatchersArmed(IncludeTrailingSlash(ReportsFolder()), IncludeTrailingSlash(SettingsFolder())));
    }
    // A report of opening pages, each with a memo holding one of the texts.
    static void WriteNamedPages(const QString &path, const QStringList &texts)
    {
        TReport report;
        for (const QString &text : texts) {
            TPage *page = report.AddPage();
            page->Properties["PageType"].SetInteger(PageTypeOpening);
            page->AddItem<TPageItemMemo>()->Properties["Text"].SetString(text);
        }
        report.SaveToFile(path);
    }
    // A file written now with a time plainly later than before (times compare in two-second steps).
    static void Touch(const QString &path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime);
    }

    std::unique_ptr<TMyReports> MyReports;
    TReportsPaneLink *Link = nullptr;
};

TEST_F(ReportsWindowTest, ShippedReportsOnAFreshStart)
{
    StartReports();
    EXPECT_EQ(Rows(My()), QStringList({QStringLiteral("Cover Evaluation Report"), QStringLiteral("Cover Survey Report"),
                                       QStringLiteral("Half Cell Evaluation Report"),
                                       QStringLiteral("Half Cell Survey Report")}));
    EXPECT_EQ(Rows(Tab()), QStringList({QStringLiteral("Half Cell Summary"), QStringLiteral("Cover Summary")}));
    // Looked up by name without regard to case, from the list loaded at start-up.
    ASSERT_TRUE(MyReports->Find(QStringLiteral("cover survey REPORT")));
    QStringList buttons;
    for (QAction *a : Form->ToolBarActions())
        buttons << WithoutMnemonic(a->text());
    EXPECT_EQ(buttons, QStringList({QStringLiteral("New Report"), QStringLiteral("Delete"), QStringLiteral("Rename"),
                                    QStringLiteral("Copy")}));

    // Nothing current on show; selecting a row shows its pages under its path.
    EXPECT_FALSE(Pane()->CurrentReport());
    EXPECT_TRUE(Pane()->LabelReportPath()->text().isEmpty());
    Show(MyFile(QStringLiteral("Cover Survey Report")));
    EXPECT_EQ(Pane()->LabelReportPath()->text(), QStringLiteral("My Reports > Cover Survey Report"));
    const QAbstractItemModel *pages = Pane()->ListViewPages()->model();
    ASSERT_GT(pages->rowCount(), 0);
    EXPECT_EQ(pages->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Number"));
    EXPECT_EQ(pages->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Type"));
    EXPECT_EQ(pages->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Page Type"));
    EXPECT_EQ(pages->index(0, 0).data().toString(), QStringLiteral("1"));
    Show(TabFile(QStringLiteral("Cover Summary")));
    EXPECT_EQ(Pane()->LabelReportPath()->text(), QStringLiteral("Tab Reports > Cover Summary"));

    // A report file opened from the desktop is selected in its list.
    Form->SelectNode(Form->LocalNode());
    Form->OpenFile(MyFile(QStringLiteral("Half Cell Survey Report")));
    EXPECT_EQ(Form->SelectedNode(), Form->ReportsNode());
    ASSERT_TRUE(Pane()->CurrentReport());
    EXPECT_EQ(Pane()->CurrentReport()->FileName, MyFile(QStringLiteral("Half Cell Survey Report")));
}

TEST_F(ReportsWindowTest, NewAndRename)
{
    StartReports();
    Focus(My());
    ASSERT_TRUE(RunPane(Pane()->ActionNewReport));
    EXPECT_TRUE(QFileInfo::exists(MyFile(QStringLiteral("New"))));
    ASSERT_TRUE(Editor()) << "a new report goes straight into renaming";
    QTest::keyClick(Editor(), Qt::Key_Escape);
    Focus(My());
    ASSERT_TRUE(RunPane(Pane()->ActionNewReport));
    EXPECT_TRUE(QFileInfo::exists(MyFile(QStringLiteral("New (2)"))));
    ASSERT_EQ(Pane()->CurrentReport()->FileName, MyFile(QStringLiteral("New (2)")));

    // Refused characters never reach the name; an existing name is refused and edited again.
    TypeName(QStringLiteral("N:e*w"));
    ASSERT_EQ(Prompts.Errors,
              QStringList(QStringLiteral("A report with the name you specified already exists. Specify a different name.")));
    EXPECT_TRUE(QFileInfo::exists(MyFile(QStringLiteral("New (2)"))));
    ASSERT_TRUE(Editor()) << "editing starts again";
    TypeName(QStringLiteral("Abutment"));
    EXPECT_TRUE(QFileInfo::exists(MyFile(QStringLiteral("Abutment"))));
    EXPECT_FALSE(QFileInfo::exists(MyFile(QStringLiteral("New (2)"))));
    EXPECT_EQ(Rows(My()).first(), QStringLiteral("Abutment")) << "the list is sorted again";
    EXPECT_EQ(Pane()->CurrentReport()->FileName, MyFile(QStringLiteral("Abutment")));
    EXPECT_EQ(MyReports->Find(QStringLiteral("abutment")), Pane()->CurrentDocument());

    // With the tab list focused, a new report is a tab report.
    Focus(Tab());
    ASSERT_TRUE(RunPane(Pane()->ActionNewReport));
    EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("New"))));
    EXPECT_TRUE(Rows(Tab()).contains(QStringLiteral("New")));
    TypeName(QStringLiteral("Bridge"));
    EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("Bridge"))));
    EXPECT_FALSE(QFileInfo::exists(TabFile(QStringLiteral("New"))));
    EXPECT_GE(Form->TabReports().IndexOf(TabFile(QStringLiteral("Bridge")), FileTypeReport), 0);
    ASSERT_TRUE(Pane()->CurrentReport());
    EXPECT_EQ(Pane()->CurrentReport()->FileName, TabFile(QStringLiteral("Bridge")));
    EXPECT_EQ(Pane()->LabelReportPath()->text(), QStringLiteral("Tab Reports > Bridge"));
}

TEST_F(ReportsWindowTest, AFailedRenameNamesTheFileItWouldMake)
{
    StartReports();
    Focus(My());
    ASSERT_TRUE(RunPane(Pane()->ActionNewReport));
    ASSERT_TRUE(Editor());
    // Longer than any file name may be: the rename itself fails.
    const QString name(300, QLatin1Char('a'));
    TypeName(name);
    EXPECT_EQ(Prompts.Errors, QStringList(QStringLiteral("Unable to move file %1.vcr").arg(name)));
    EXPECT_TRUE(QFileInfo::exists(MyFile(QStringLiteral("New"))));
    EXPECT_TRUE(Rows(My()).contains(QStringLiteral("New")));
}

TEST_F(ReportsWindowTest, LayoutFollowsFormRatio)
{
    StartReports();
    Form->Settings()[QStringLiteral("FormRatio")].SetAsFloat(0.5);
    Pane()->resize(Pane()->width() + 10, Pane()->height());
    QApplication::processEvents();
    EXPECT_NEAR(My()->height(), Pane()->height() / 2, 3);
    EXPECT_EQ(My()->width(), Tab()->width());
    EXPECT_NEAR(My()->width(), (Pane()->width() - 44) / 2, 1);
    EXPECT_EQ(My()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(ReportsWindowTest, ReadOnlyReportsCopyDelete)
{
    StartReports();
    WriteReport(MyFile(QStringLiteral("Locked")), {PageTypeInner}, true);
    Show(MyFile(QStringLiteral("Locked")));
    Pane()->SelectPage(0);
    Pane()->UpdateActions();
    for (QAction *a : {Pane()->ActionDeleteReport, Pane()->ActionRenameReport, Pane()->ActionNewPage,
                       Pane()->ActionDeletePage, Pane()->ActionEditPage, Pane()->ActionInnerPage, Pane()->ActionCopy,
                       Pane()->ActionMoveUp})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(Pane()->ActionCopyReport->isEnabled());

    ASSERT_TRUE(RunPane(Pane()->ActionCopyReport));
    const QString copy = MyFile(QStringLiteral("Copy of Locked"));
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_FALSE(Read(copy)->ReadOnly) << "the copy is the user's own";
    EXPECT_TRUE(Read(MyFile(QStringLiteral("Locked")))->ReadOnly);
    EXPECT_EQ(Pane()->CurrentReport()->FileName, copy);
    EXPECT_TRUE(Editor()) << "the copy goes straight into renaming";
    QTest::keyClick(Editor(), Qt::Key_Escape);

    // Delete (Ctrl+D in the list) asks first; No keeps the file.
    Prompts.Answers = {TPromptAnswer::No};
    Focus(My());
    Pane()->UpdateActions();
    QTest::keyClick(My(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Prompts.Questions, QStringList(QStringLiteral("Are you sure you want to delete 'Copy of Locked'?")));
    EXPECT_TRUE(QFileInfo::exists(copy));
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(RunPane(Pane()->ActionDeleteReport));
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_FALSE(Rows(My()).contains(QStringLiteral("Copy of Locked")));
    EXPECT_TRUE(!Pane()->CurrentReport() || Pane()->CurrentReport()->FileName != copy);
}

TEST_F(ReportsWindowTest, MovesBetweenTheListsKeepTheFileName)
{
    StartReports();
    WriteReport(MyFile(QStringLiteral("Deck")), {PageTypeInner});
    WriteReport(MyFile(QStringLiteral("Cover Summary")), {PageTypeInner});
    Show(MyFile(QStringLiteral("Deck")));
    Focus(My());
    ASSERT_TRUE(RunPane(Pane()->ActionMoveToTabReports));
    EXPECT_FALSE(QFileInfo::exists(MyFile(QStringLiteral("Deck"))));
    EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("Deck"))));
    EXPECT_TRUE(Rows(Tab()).contains(QStringLiteral("Deck")));
    ASSERT_TRUE(Pane()->CurrentReport());
    EXPECT_EQ(Pane()->CurrentReport()->FileName, TabFile(QStringLiteral("Deck")));
    EXPECT_EQ(Form->TabReports().IndexOf(TabFile(QStringLiteral("Deck")), FileTypeReport) >= 0, true)
        << "the batch view's tab list has it";

    // Dragged back from the tab list onto My Reports.
    QMimeData back;
    back.setData(ReportRowMimeType(), QByteArrayLiteral("ListViewReportsTab"));
    ASSERT_TRUE(Drop(My()->viewport(), QPoint(20, 20), back));
    ASSERT_TRUE(WaitUntil([] { return QFileInfo::exists(MyFile(QStringLiteral("Deck"))); }));
    EXPECT_FALSE(QFileInfo::exists(TabFile(QStringLiteral("Deck"))));

    // Over an existing name nothing moves and nothing is said.
    Show(MyFile(QStringLiteral("Cover Summary")));
    Focus(My());
    ASSERT_TRUE(RunPane(Pane()->ActionMoveToTabReports));
    EXPECT_TRUE(QFileInfo::exists(MyFile(QStringLiteral("Cover Summary"))));
    EXPECT_TRUE(Prompts.Errors.isEmpty());
    // A drop of a row from the list itself is not a move.
    QMimeData same;
    same.setData(ReportRowMimeType(), QByteArrayLiteral("ListViewReports"));
    EXPECT_FALSE(Drop(My()->viewport(), QPoint(20, 20), same));
}

TEST_F(ReportsWindowTest, PagesStayGroupedByType)
{
    const QString file = MyFile(QStringLiteral("Grouped"));
    StartReports();
    WriteReport(file, {PageTypeOpening, PageTypeInner, PageTypeInner, PageTypeClosing});
    Show(file);
    ASSERT_TRUE(RunPane(Pane()->ActionInnerPage));
    EXPECT_EQ(Layout(file), QStringLiteral("P0:0 P1:1 P2:1 -:1 P3:2")) << "saved at once, before the closing page";
    EXPECT_EQ(Pane()->SelectedPage(), 3);
    ASSERT_TRUE(RunPane(Pane()->ActionOpeningPage));
    EXPECT_EQ(Layout(file), QStringLiteral("P0:0 -:0 P1:1 P2:1 -:1 P3:2"));
    ASSERT_TRUE(RunPane(Pane()->ActionClosingPage));
    EXPECT_EQ(Pane()->SelectedPage(), 6);

    // Up and Down stay within the type.
    Pane()->SelectPage(2);
    EXPECT_FALSE(RunPane(Pane()->ActionMoveUp)) << "the first inner page follows an opening page";
    ASSERT_TRUE(RunPane(Pane()->ActionMoveDown));
    EXPECT_EQ(Layout(file), QStringLiteral("P0:0 -:0 P2:1 P1:1 -:1 P3:2 -:2"));
    EXPECT_EQ(Pane()->SelectedPage(), 3);
    Pane()->SelectPage(4);
    EXPECT_FALSE(RunPane(Pane()->ActionMoveDown)) << "the last inner page comes before a closing page";
    ASSERT_TRUE(RunPane(Pane()->ActionMoveUp));
    EXPECT_EQ(Layout(file), QStringLiteral("P0:0 -:0 P2:1 -:1 P1:1 P3:2 -:2"));

    // Dragging a page: refused on a row of another type, taken on a row of its own.
    TPageThumbnailList *list = Pane()->ListViewPages();
    Pane()->SelectPage(4);
    auto rowCentre = [list](int row) { return list->visualRect(list->model()->index(row, 1)).center(); };
    QMimeData drag;
    drag.setData(QStringLiteral("application/x-orvalis-page-row"),
                 QByteArray::number(reinterpret_cast<quintptr>(list)) + " 4");
    EXPECT_FALSE(Drop(list->viewport(), rowCentre(5), drag));
    EXPECT_FALSE(Drop(list->viewport(), rowCentre(1), drag));
    EXPECT_EQ(Layout(file), QStringLiteral("P0:0 -:0 P2:1 -:1 P1:1 P3:2 -:2"));
    ASSERT_TRUE(Drop(list->viewport(), rowCentre(2), drag));
    EXPECT_EQ(Layout(file), QStringLiteral("P0:0 -:0 P1:1 P2:1 -:1 P3:2 -:2"));
    EXPECT_EQ(Pane()->SelectedPage(), 2);

    // Delete asks first.
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(RunPane(Pane()->ActionDeletePage));
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete this report page?"));
    EXPECT_EQ(Layout(file), QStringLiteral("P0:0 -:0 P2:1 -:1 P3:2 -:2"));
}

TEST_F(ReportsWindowTest, PageCopyAndPasteIntoAnotherReport)
{
    const QString source = MyFile(QStringLiteral("Source")), target = MyFile(QStringLiteral("Target"));
    StartReports();
    WriteReport(source, {PageTypeOpening, PageTypeInner});
    WriteReport(target, {PageTypeInner, PageTypeInner});
    Show(source);
    Pane()->SelectPage(0);
    ASSERT_TRUE(RunPane(Pane()->ActionCopy));
    EXPECT_TRUE(TfocClipboard::Instance().HasFormat(QStringLiteral("application/x-orvalis-reportitem")));

    Show(target);
    ASSERT_TRUE(RunPane(Pane()->ActionPaste));
    EXPECT_EQ(Layout(target), QStringLiteral("P0:0 P0:1 P1:1")) << "an opening page goes first";
    EXPECT_EQ(Pane()->SelectedPage(), 0);
    EXPECT_EQ(Layout(source), QStringLiteral("P0:0 P1:1"));

    // Text of the clipboard format that holds no page changes nothing and says so.
    for (const QByteArray &text : {QByteArray("not a page at all"), QByteArray("<Report><Pages/></Report>")}) {
        TfocClipboard::Instance().PutStream(text, ReportItemFormat);
        Prompts.Errors.clear();
        ASSERT_TRUE(RunPane(Pane()->ActionPaste));
        EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("The clipboard holds no report page")}) << text.constData();
        EXPECT_EQ(Layout(target), QStringLiteral("P0:0 P0:1 P1:1"));
    }
}

TEST_F(ReportsWindowTest, EditOpensTheDesignWindowOnThePage)
{
    const QString file = MyFile(QStringLiteral("Design"));
    StartReports();
    WriteReport(file, {PageTypeOpening, PageTypeInner, PageTypeClosing});
    Show(file);
    Pane()->SelectPage(1);
    int shownPage = -1;
    Dialog = [&](QDialog &d) {
        auto *design = qobject_cast<TFormPageDesign *>(&d);
        if (!design)
            return int(QDialog::Rejected);
        shownPage = design->PageIndex;
        design->PageIndex = 2; // the user ended on another page
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(RunPane(Pane()->ActionEditPage));
    EXPECT_EQ(shownPage, 1);
    EXPECT_EQ(Pane()->SelectedPage(), 2);
    EXPECT_EQ(Pane()->CurrentReport()->FileName, file);
}

TEST_F(ReportsWindowTest, ListsFollowTheFoldersOnDisk)
{
    StartReports();
    ASSERT_TRUE(WatchersArmed(IncludeTrailingSlash(ReportsFolder()), IncludeTrailingSlash(SettingsFolder())));
    WriteReport(MyFile(QStringLiteral("From Outside")), {PageTypeInner});
    EXPECT_TRUE(WaitUntil([&] { return Rows(My()).contains(QStringLiteral("From Outside")); }));
    ASSERT_TRUE(QFile::rename(TabFile(QStringLiteral("Cover Summary")), TabFile(QStringLiteral("Renamed Summary"))));
    EXPECT_TRUE(WaitUntil([&] { return Rows(Tab()).contains(QStringLiteral("Renamed Summary")); }));
    EXPECT_FALSE(Rows(Tab()).contains(QStringLiteral("Cover Summary")));

    // A change of the shown report's file keeps the page the user is on.
    Show(MyFile(QStringLiteral("From Outside")));
    Pane()->SelectPage(0);
    ASSERT_TRUE(WatchersArmed(IncludeTrailingSlash(ReportsFolder()), IncludeTrailingSlash(SettingsFolder())));
    WriteReport(MyFile(QStringLiteral("From Outside")), {PageTypeInner, PageTypeInner});
    {
        // File times are compared in two-second steps: this change is plainly later.
        QFile f(MyFile(QStringLiteral("From Outside")));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime);
    }
    EXPECT_TRUE(WaitUntil([&] { return Pane()->ListViewPages()->model()->rowCount() == 2; }));
    EXPECT_EQ(Pane()->SelectedPage(), 0);

    // A report sorted in before the selected one leaves the selection on the same file.
    ASSERT_TRUE(WatchersArmed(IncludeTrailingSlash(ReportsFolder()), IncludeTrailingSlash(SettingsFolder())));
    WriteReport(MyFile(QStringLiteral("Abutment")), {PageTypeInner});
    EXPECT_TRUE(WaitUntil([&] { return Rows(My()).first() == QStringLiteral("Abutment"); }));
    ASSERT_TRUE(Pane()->CurrentReport());
    EXPECT_EQ(Pane()->CurrentReport()->FileName, MyFile(QStringLiteral("From Outside")));
}

// The tab reports list is rebuilt while a command on a tab report waits for the user: the command
// acts on the file it asked about, or says that file is gone.
TEST_F(ReportsWindowTest, TabReportCommandsSurviveATabListRebuildDuringTheirQuestion)
{
    const QString cover = TabFile(QStringLiteral("Cover Summary")), half = TabFile(QStringLiteral("Half Cell Summary"));
    struct TCase {
        const char *What;
        bool FileGoes; // the asked-about file is moved away meanwhile
    };
    for (const TCase &c : {TCase{"another report appears", false}, TCase{"the report itself is moved away", true}}) {
        SCOPED_TRACE(c.What);
        StartReports();
        WriteReport(cover, {PageTypeInner});
        Show(cover);
        Focus(Tab());
        Pane()->SetActiveList(TFormReports::ActiveTabReports);
        ArmWatchers();
        Prompts.Answers = {TPromptAnswer::Yes};
        Prompts.Errors.clear();
        bool rebuilt = false;
        Prompts.During = [&](const QString &) {
            if (std::exchange(rebuilt, true))
                return;
            if (c.FileGoes)
                ASSERT_TRUE(QFile::rename(cover, TabFile(QStringLiteral("Moved Summary"))));
            TabListRebuiltFromOutside(QStringLiteral("Zeta"));
        };
        ASSERT_TRUE(RunPane(Pane()->ActionDeleteReport));
        EXPECT_FALSE(QFileInfo::exists(cover));
        EXPECT_TRUE(QFileInfo::exists(half)) << "nothing else deleted";
        EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("Zeta"))));
        if (c.FileGoes) {
            EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("Moved Summary"))));
            EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("The report 'Cover Summary' no longer exists.")});
        } else {
            EXPECT_TRUE(Prompts.Errors.isEmpty());
        }
        EXPECT_FALSE(Rows(Tab()).contains(QStringLiteral("Cover Summary")));
        Prompts.During = nullptr;
        Link = nullptr;
        Form.reset();
        QFile::remove(TabFile(QStringLiteral("Zeta")));
        QFile::remove(TabFile(QStringLiteral("Moved Summary")));
    }
}

TEST_F(ReportsWindowTest, ARefusedTabReportNameIsEditedAgainAfterATabListRebuild)
{
    const QString cover = TabFile(QStringLiteral("Cover Summary"));
    StartReports();
    WriteReport(cover, {PageTypeInner});
    Show(cover);
    Focus(Tab());
    ArmWatchers();
    bool rebuilt = false;
    Prompts.During = [&](const QString &) {
        if (!std::exchange(rebuilt, true))
            TabListRebuiltFromOutside(QStringLiteral("Zeta"));
    };
    ASSERT_TRUE(RunPane(Pane()->ActionRenameReport));
    TypeName(QStringLiteral("Half Cell Summary"));
    ASSERT_EQ(Prompts.Errors,
              QStringList(QStringLiteral("A report with the name you specified already exists. Specify a different name.")));
    EXPECT_TRUE(Rows(Tab()).contains(QStringLiteral("Zeta"))) << "the rebuild happened during the message";
    ASSERT_TRUE(Editor()) << "editing starts again";
    ASSERT_EQ(Pane()->CurrentFile(), cover) << "on the row of the same report";
    EXPECT_EQ(Tab()->currentItem()->text(0), QStringLiteral("Cover Summary"));
    TypeName(QStringLiteral("Deck Summary"));
    EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("Deck Summary"))));
    EXPECT_FALSE(QFileInfo::exists(cover));
    EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("Half Cell Summary"))));
    EXPECT_TRUE(QFileInfo::exists(TabFile(QStringLiteral("Zeta"))));
    EXPECT_EQ(Pane()->CurrentFile(), TabFile(QStringLiteral("Deck Summary")));
    Prompts.During = nullptr;
}

TEST_F(ReportsWindowTest, EditingATabReportPageSurvivesATabListRebuildInTheDesignWindow)
{
    const QString cover = TabFile(QStringLiteral("Cover Summary"));
    StartReports();
    // The shipped report of that name is loaded already: this one is plainly newer.
    WriteReport(cover, {PageTypeOpening, PageTypeInner});
    Touch(cover);
    Show(cover);
    Pane()->SelectPage(1);
    ArmWatchers();
    Dialog = [&](QDialog &d) {
        auto *design = qobject_cast<TFormPageDesign *>(&d);
        if (!design)
            return int(QDialog::Rejected);
        // "Save" of the window, then a notice of the Settings folder while it is still open.
        design->Report()->AddPage()->Properties["PageType"].SetInteger(PageTypeClosing);
        EXPECT_TRUE(design->ReportEntry().Save());
        TabListRebuiltFromOutside(QStringLiteral("Zeta"));
        design->PageIndex = 2;
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(RunPane(Pane()->ActionEditPage));
    EXPECT_TRUE(Prompts.Errors.isEmpty());
    EXPECT_EQ(Layout(cover), QStringLiteral("P0:0 P1:1 -:2"));
    ASSERT_EQ(Pane()->CurrentFile(), cover);
    EXPECT_EQ(Pane()->ListViewPages()->model()->rowCount(), 3) << "the saved report is shown";
    EXPECT_EQ(Pane()->SelectedPage(), 2);

    // A report moved away while its page is edited: said so, nothing else touched.
    ArmWatchers();
    Dialog = [&](QDialog &) {
        EXPECT_TRUE(QFile::rename(cover, TabFile(QStringLiteral("Moved Summary"))));
        TabListRebuiltFromOutside(QStringLiteral("Yankee"));
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(RunPane(Pane()->ActionEditPage));
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("The report 'Cover Summary' no longer exists.")});
    EXPECT_FALSE(QFileInfo::exists(cover));
    EXPECT_EQ(Layout(TabFile(QStringLiteral("Moved Summary"))), QStringLiteral("P0:0 P1:1 -:2"));
}

// "My Reports" reloaded by someone else (what the automation object did on each call) while the
// reports window shows a page of one report and the viewer has two others ticked.
TEST_F(ReportsWindowTest, AReloadOfMyReportsLeavesTheWindowAndTheViewerOnTheirReports)
{
    StartReports();
    const QString kilo = MyFile(QStringLiteral("Kilo")), lima = MyFile(QStringLiteral("Lima")),
                  mike = MyFile(QStringLiteral("Mike"));
    WriteNamedPages(kilo, {QStringLiteral("K0"), QStringLiteral("K1"), QStringLiteral("K2")});
    WriteNamedPages(lima, {QStringLiteral("L0")});
    WriteNamedPages(mike, {QStringLiteral("M0")});
    Show(kilo);
    Pane()->SelectPage(1);
    TPageThumbnailList *pages = Pane()->ListViewPages();
    pages->Thumbnail(1);

    TFormViewReport viewer(Form->Settings(), MyReports.get());
    viewer.ShowReports();
    for (int i = 0; i < viewer.ReportNames().size(); ++i)
        viewer.SetReportTicked(i, false);
    viewer.SetReportTicked(int(viewer.ReportNames().indexOf(QStringLiteral("Lima"))), true);
    viewer.SetReportTicked(int(viewer.ReportNames().indexOf(QStringLiteral("Mike"))), true);
    ASSERT_EQ(viewer.TickedReports(), (QStringList{"Lima", "Mike"}));

    // A report sorted in before all others, the shown report and a ticked one changed.
    WriteNamedPages(MyFile(QStringLiteral("Able")), {QStringLiteral("A0")});
    WriteNamedPages(kilo, {QStringLiteral("K0"), QStringLiteral("K1 new")});
    Touch(kilo);
    WriteNamedPages(mike, {QStringLiteral("M0 new")});
    Touch(mike);
    MyReports->Reload();

    // The window: same report, same page, its new content drawn.
    ASSERT_EQ(Pane()->CurrentFile(), kilo);
    EXPECT_EQ(My()->currentItem()->text(0), QStringLiteral("Kilo"));
    ASSERT_EQ(pages->model()->rowCount(), 2);
    EXPECT_EQ(Pane()->SelectedPage(), 1);
    EXPECT_FALSE(pages->Thumbnail(1).isNull());
    EXPECT_EQ(pages->Report(), Pane()->CurrentDocument());
    EXPECT_EQ(pages->Report()->Pages(1)->Item(0)->Properties["Text"].AsString(), QStringLiteral("K1 new"));
    EXPECT_TRUE(Rows(My()).contains(QStringLiteral("Able")));

    // The viewer: the same two reports ticked, and assembled from them.
    EXPECT_EQ(viewer.TickedReports(), (QStringList{"Lima", "Mike"}));
    EXPECT_EQ(viewer.ReportNames().first(), QStringLiteral("Able"));
    viewer.BuildWorkingReport();
    QStringList texts;
    for (int i = 0; i < viewer.WorkingReport().Count(); ++i)
        texts << viewer.WorkingReport().Pages(i)->Item(0)->Properties["Text"].AsString();
    EXPECT_EQ(texts, (QStringList{"L0", "M0 new"}));

    // A ticked report gone from disk leaves the ticks and the working report.
    ASSERT_TRUE(QFile::remove(lima));
    MyReports->Reload();
    EXPECT_EQ(viewer.TickedReports(), QStringList{QStringLiteral("Mike")});
    ASSERT_EQ(viewer.WorkingReport().Count(), 1);
    EXPECT_EQ(viewer.WorkingReport().Pages(0)->Item(0)->Properties["Text"].AsString(), QStringLiteral("M0 new"));
    EXPECT_EQ(Pane()->CurrentFile(), kilo);
}

} // namespace

TEST_F(ReportsWindowTest, AnEmptyReportListSaysHowToFillIt)
{
    // A reports folder that exists but holds nothing is not seeded again.
    MakeDir(ReportsFolder());
    StartReports();
    ASSERT_TRUE(Rows(My()).isEmpty());
    QLabel *hint = EmptyListHint(My());
    ASSERT_TRUE(hint);
    ASSERT_TRUE(WaitUntil([&] { return hint->isVisible(); }));
    EXPECT_EQ(hint->text(), QStringLiteral("No reports yet. Choose New Report to design one."));
    Focus(My());
    ASSERT_TRUE(RunPane(Pane()->ActionNewReport));
    ASSERT_TRUE(WaitUntil([&] { return !Rows(My()).isEmpty(); }));
    EXPECT_FALSE(hint->isVisible());
}
