// The reports window inside the main window, offscreen, on a freshly seeded storage root: the
// two report lists, report commands, moves between the lists, page commands with their grouping
// by page type, the clipboard, dragging, the page design window and the folder watcher.
#include "FormMainTestSupport.h"
#include "UnitFileOperations.h"
#include "UnitFormPageDesign.h"
#include "UnitFormReports.h"
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
        buttons << a->text();
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

} // namespace
