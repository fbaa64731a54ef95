// The page design window on a report file in a temporary folder: opening, tools, edit commands,
// the batch switches, saving with the page kept among its type, and the closing questions.
#include "PageDesignerSupport.h"
#include "TestSupport.h"
#include "UnitFormPageDesign.h"
#include "UnitFormPageItemList.h"
#include "UnitFormPropertyEditor.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitReport.h"
#include "UnitSettings.h"
#include "UnitUnits.h"
#include "UnitfocClipboard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

class PageDesignTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        CurrentCoverUnits = 0;
        RegisterReportDocument();
        // Opening, two inner pages, closing.
        TReport report;
        const int types[] = {PageTypeOpening, PageTypeInner, PageTypeInner, PageTypeClosing};
        for (int t : types) {
            TPage *p = report.AddPage();
            p->Properties["PageType"].SetInteger(t);
            auto *s = p->AddItem<TPageItemShape>();
            s->Properties["Name"].SetString(QStringLiteral("Type%1").arg(t));
        }
        report.Pages(1)->AddItem<TPageItemChartRun>();
        File = Home.Path() + QStringLiteral("/Design.vcr");
        report.SaveToFile(File);
        Entry.FileName = File;
        Entry.FileType = FileTypeReport;
        ASSERT_TRUE(Entry.Load());
    }
    // Opens the window on a page as the reports window does.
    std::unique_ptr<TFormPageDesign> Open(int page)
    {
        auto form = std::make_unique<TFormPageDesign>(&Settings);
        form->SetReportEntry(Entry);
        form->PageIndex = page;
        form->show();
        return form;
    }
    // Opened and active, so that clicks move the keyboard focus as they do for the user.
    std::unique_ptr<TFormPageDesign> OpenActive(int page)
    {
        auto form = Open(page);
        form->activateWindow();
        EXPECT_TRUE(ServeEventsUntil([&] { return form->isActiveWindow(); }, 5000));
        return form;
    }
    // Opens the value cell of a property and types into it, leaving the cell editor open.
    static void TypeValue(TFormPageDesign &form, const QString &property, const QString &text)
    {
        QTableWidget *grid = form.PropertyEditor()->Grid();
        const int row = form.PropertyEditor()->RowOf(property);
        ASSERT_GE(row, 0);
        grid->setCurrentCell(row, 1);
        grid->editItem(grid->item(row, 1));
        auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        ASSERT_EQ(edit->text(), text);
    }
    // A click in the item list: on a row, or below the rows when `row` is -1.
    static void ClickList(TFormPageDesign &form, int row)
    {
        QTreeWidget *tree = form.ItemList()->List();
        const QPoint at = row >= 0 ? tree->visualItemRect(tree->topLevelItem(row)).center()
                                   : QPoint(5, tree->viewport()->height() - 3);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    }
    std::unique_ptr<TReport> OnDisk()
    {
        auto r = std::make_unique<TReport>();
        r->LoadFromFile(File);
        return r;
    }
    QString File;
    TFileItem Entry;
    TSettings Settings;
};

TEST_F(PageDesignTest, OpeningCopiesThePageAndSetsTheWindowUp)
{
    Settings.ItemByName(QStringLiteral("Grid")).SetAsBoolean(true);
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Page Design"));
    EXPECT_EQ(page.Count(), 2);
    EXPECT_TRUE(page.IsInner());
    EXPECT_FALSE(page.IsModified());
    EXPECT_TRUE(form->ActionGrid->isChecked());
    EXPECT_TRUE(page.ShowGrid);
    EXPECT_FALSE(form->ActionSnap->isChecked());
    EXPECT_DOUBLE_EQ(page.GridSize, 10);
    EXPECT_FALSE(form->ActionSave->isEnabled());
    EXPECT_TRUE(form->ButtonCover()->isChecked());
    EXPECT_FALSE(form->ButtonHalfcell()->isChecked());
    EXPECT_TRUE(form->ButtonCover()->isEnabled());
    EXPECT_EQ(form->StatusPanel(0)->text(), QStringLiteral("Design"));
    EXPECT_EQ(form->StatusPanel(1)->text(), QStringLiteral("2"));
    EXPECT_EQ(form->PropertyEditor()->Properties(), &page.Properties);
    EXPECT_EQ(form->ItemList()->List()->topLevelItemCount(), 2);
    EXPECT_TRUE(form->Tool(0)->isChecked());
    EXPECT_EQ(form->ZoomList()->currentText(), QStringLiteral("Page Width"));
    EXPECT_EQ(form->ZoomList()->count(), 10);
    // Every command has its object name.
    for (QAction *a : form->findChildren<QAction *>())
        if (a->parent() == form.get() && !a->isSeparator() && a->menu() == nullptr)
            EXPECT_FALSE(a->objectName().isEmpty()) << a->text().toStdString();
}

TEST_F(PageDesignTest, BatchSwitchesOffOnOtherPagesAndInInches)
{
    auto form = Open(0);
    EXPECT_FALSE(form->ButtonCover()->isEnabled());
    EXPECT_FALSE(form->ButtonHalfcell()->isEnabled());
    form->close();
    TCoverUnitsScope inches(1);
    auto second = Open(0);
    EXPECT_DOUBLE_EQ(second->Editor()->Page().GridSize, 25.4);
}

TEST_F(PageDesignTest, GridAndSnapAreStoredInSettings)
{
    auto form = Open(1);
    form->ActionGrid->trigger();
    form->ActionSnap->trigger();
    EXPECT_TRUE(Settings.ItemByName(QStringLiteral("Grid")).AsBoolean());
    EXPECT_TRUE(Settings.ItemByName(QStringLiteral("Snap")).AsBoolean());
    EXPECT_TRUE(form->Editor()->Page().ShowGrid);
    EXPECT_TRUE(form->Editor()->Page().SnapToGrid);
    form->ActionGrid->trigger();
    EXPECT_FALSE(Settings.ItemByName(QStringLiteral("Grid")).AsBoolean());
}

TEST_F(PageDesignTest, ReadingsToolPresetsAReadingsTable)
{
    auto form = Open(1);
    form->Tool(5)->trigger();
    TPageEditor *editor = form->Editor();
    EXPECT_EQ(editor->InsertState(), TPageEditor::isArmed);
    Click(editor, QPoint(editor->PageRect().left() + 30, editor->PageRect().top() + 30));
    TPage &page = editor->Page();
    ASSERT_EQ(page.Count(), 3);
    auto *overview = dynamic_cast<TPageItemChartOverview *>(page.Item(2));
    ASSERT_NE(overview, nullptr);
    EXPECT_FALSE(overview->Properties["CellColor"].AsBoolean());
    EXPECT_TRUE(overview->Properties["CellText"].AsBoolean());
    EXPECT_FALSE(overview->Properties["GridLines"].AsBoolean());
    // Back to "Select", the list rebuilt, the new item's properties shown.
    EXPECT_TRUE(form->Tool(0)->isChecked());
    EXPECT_EQ(form->ItemList()->List()->topLevelItemCount(), 3);
    EXPECT_EQ(form->PropertyEditor()->Properties(), &overview->Properties);
    EXPECT_TRUE(form->ActionSave->isEnabled());
}

TEST_F(PageDesignTest, DeleteAsksWithNameOrCount)
{
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    form->Editor()->SelectItem(page.Item(0));
    Prompts.Answers = {TPromptAnswer::No};
    form->ActionDelete->trigger();
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete 'Type1'?"));
    EXPECT_EQ(page.Count(), 2);
    page.Select(page.Item(1));
    Prompts.Answers = {TPromptAnswer::Yes};
    form->ActionDelete->trigger();
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete these 2 page items?"));
    EXPECT_EQ(page.Count(), 0);
    EXPECT_EQ(form->PropertyEditor()->Properties(), &page.Properties);
}

TEST_F(PageDesignTest, BringToFrontAndSendToBackKeepOrderAmongSelected)
{
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    TPageItem *a = page.Item(0);
    TPageItem *b = page.Item(1);
    TPageItem *c = page.AddItem<TPageItemShape>();
    TPageItem *d = page.AddItem<TPageItemShape>();
    page.SelectOnly(a);
    page.Select(c);
    form->UpdateActions();
    form->ActionBringToFront->trigger();
    EXPECT_EQ((std::vector<TPageItem *>{page.Item(0), page.Item(1), page.Item(2), page.Item(3)}),
              (std::vector<TPageItem *>{b, d, a, c}));
    page.SelectOnly(d);
    page.Select(c);
    form->ActionSendToBack->trigger();
    EXPECT_EQ((std::vector<TPageItem *>{page.Item(0), page.Item(1), page.Item(2), page.Item(3)}),
              (std::vector<TPageItem *>{d, c, b, a}));
    EXPECT_EQ(form->ItemList()->List()->topLevelItem(0)->text(0), d->Name());
}

TEST_F(PageDesignTest, CoverSwitchTurnsChartsToHalfCell)
{
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    ASSERT_TRUE(form->ButtonCover()->isChecked());
    Prompts.Answers = {TPromptAnswer::Yes};
    form->ButtonCover()->click();
    EXPECT_EQ(Prompts.Questions.last(),
              QStringLiteral("Are you sure you wish to switch all the page items that support Cover to Half Cell"));
    EXPECT_EQ(page.Item(1)->Properties["BatchType"].AsInteger(), 1);
    EXPECT_FALSE(form->ButtonCover()->isChecked());
    EXPECT_TRUE(form->ButtonHalfcell()->isChecked());
    // Up "Cover": the question goes the other way; No leaves everything.
    Prompts.Answers = {TPromptAnswer::No};
    form->ButtonCover()->click();
    EXPECT_EQ(Prompts.Questions.last(),
              QStringLiteral("Are you sure you wish to switch all the page items that support Half Cell to Cover"));
    EXPECT_EQ(page.Item(1)->Properties["BatchType"].AsInteger(), 1);
    EXPECT_FALSE(form->ButtonCover()->isChecked());
}

TEST_F(PageDesignTest, SaveKeepsPagesGroupedByType)
{
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    // A plain save stays in place.
    page.Item(0)->Properties["Left"].SetFloat(33);
    form->UpdateActions();
    form->ActionSave->trigger();
    EXPECT_EQ(form->PageIndex, 1);
    EXPECT_DOUBLE_EQ(OnDisk()->Pages(1)->Item(0)->Left(), 33);
    EXPECT_FALSE(form->ActionSave->isEnabled());

    // Inner to closing: behind the last closing page.
    ASSERT_TRUE(form->PropertyEditor()->CommitText(form->PropertyEditor()->RowOf(QStringLiteral("PageType")),
                                                   QStringLiteral("Closing Page")));
    form->ActionSave->trigger();
    EXPECT_EQ(form->PageIndex, 3);
    const auto after = OnDisk();
    ASSERT_EQ(after->Count(), 4);
    const int types[] = {PageTypeOpening, PageTypeInner, PageTypeClosing, PageTypeClosing};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(after->Pages(i)->PageType(), types[i]) << i;
    EXPECT_EQ(after->Pages(3)->Item(0)->Name(), QStringLiteral("Type1"));
    EXPECT_EQ(form->StatusPanel(1)->text(), QStringLiteral("4"));

    // Closing to opening: after the opening page.
    form->PropertyEditor()->CommitText(form->PropertyEditor()->RowOf(QStringLiteral("PageType")),
                                       QStringLiteral("Opening Page"));
    form->ActionSave->trigger();
    EXPECT_EQ(form->PageIndex, 1);
    EXPECT_EQ(OnDisk()->Pages(1)->Item(0)->Name(), QStringLiteral("Type1"));
}

TEST_F(PageDesignTest, SaveAndExitAndAbandonAndExit)
{
    {
        auto form = Open(2);
        form->Editor()->Page().Item(0)->Properties["Top"].SetFloat(44);
        form->UpdateActions();
        Prompts.Answers = {TPromptAnswer::No};
        form->ActionSaveAndExit->trigger();
        EXPECT_TRUE(form->isVisible());
        Prompts.Answers = {TPromptAnswer::Yes};
        form->ActionSaveAndExit->trigger();
        EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you wish to save the changes to the page design?"));
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), PageDesignResultOK);
        EXPECT_DOUBLE_EQ(OnDisk()->Pages(2)->Item(0)->Top(), 44);
    }
    {
        auto form = Open(2);
        const int asked = Prompts.Questions.size();
        form->ActionAbandonAndExit->trigger(); // no changes: no question
        EXPECT_EQ(Prompts.Questions.size(), asked);
        EXPECT_EQ(form->result(), PageDesignResultAbort);
    }
    {
        auto form = Open(2);
        form->Editor()->Page().Item(0)->Properties["Top"].SetFloat(55);
        Prompts.Answers = {TPromptAnswer::Yes};
        form->ActionAbandonAndExit->trigger();
        EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you wish to abandon the changes to the page design?"));
        EXPECT_EQ(form->result(), PageDesignResultAbort);
        EXPECT_DOUBLE_EQ(OnDisk()->Pages(2)->Item(0)->Top(), 44);
    }
}

TEST_F(PageDesignTest, CloseBoxAsksOnlyAfterChanges)
{
    auto form = Open(1);
    const int asked = Prompts.Questions.size();
    form->close();
    EXPECT_EQ(Prompts.Questions.size(), asked);
    EXPECT_EQ(form->result(), PageDesignResultCancel);

    form = Open(1);
    TPageEditor *editor = form->Editor();
    TPageItem *item = editor->Page().Item(0);
    item->Properties["Width"].SetFloat(50);
    item->Properties["Height"].SetFloat(50);
    editor->Page().ClearModified();
    form->UpdateActions();
    const QPoint from = item->PixelRect().center();
    Press(editor, from);
    Drag(editor, from + QPoint(30, 30));
    Release(editor, from + QPoint(30, 30));
    Prompts.Answers = {TPromptAnswer::Cancel};
    form->close();
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Save changes to this page?"));
    EXPECT_TRUE(form->isVisible());
    Prompts.Answers = {TPromptAnswer::No};
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), PageDesignResultCancel);
    EXPECT_EQ(editor->Page().SelectedCount(), 0);

    form = Open(1);
    form->Editor()->Page().Item(0)->Properties["Left"].SetFloat(77);
    Prompts.Answers = {TPromptAnswer::Yes};
    form->close();
    EXPECT_EQ(form->result(), PageDesignResultOK);
    EXPECT_DOUBLE_EQ(OnDisk()->Pages(1)->Item(0)->Left(), 77);
}

TEST_F(PageDesignTest, FailedSaveKeepsThePageModifiedAndTheClosingQuestion)
{
    // A folder that cannot be made, for root too: its parent is a file.
    const QString blocker = Home.Path() + QStringLiteral("/blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    auto form = Open(1);
    form->ReportEntry().FileName = blocker + QStringLiteral("/Design.vcr");
    TPage &page = form->Editor()->Page();
    page.Item(0)->Properties["Left"].SetFloat(61);
    form->UpdateActions();
    ASSERT_TRUE(form->ActionSave->isEnabled());

    form->ActionSave->trigger();
    EXPECT_EQ(Prompts.Errors.size(), 1);
    EXPECT_TRUE(page.IsModified());
    EXPECT_TRUE(form->ActionSave->isEnabled());
    EXPECT_TRUE(form->ActionSaveAndExit->isEnabled());

    // "Save and Exit" and the close box's Yes stay open when the save fails.
    Prompts.Answers = {TPromptAnswer::Yes};
    form->ActionSaveAndExit->trigger();
    EXPECT_EQ(Prompts.Errors.size(), 2);
    EXPECT_TRUE(form->isVisible());
    Prompts.Answers = {TPromptAnswer::Yes};
    form->close();
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Save changes to this page?"));
    EXPECT_EQ(Prompts.Errors.size(), 3);
    EXPECT_TRUE(form->isVisible());
    const int asked = Prompts.Questions.size();
    Prompts.Answers = {TPromptAnswer::Cancel};
    form->close();
    EXPECT_EQ(Prompts.Questions.size(), asked + 1);
    EXPECT_TRUE(form->isVisible());

    // Once the file can be written again the same window saves the edits.
    form->ReportEntry().FileName = File;
    form->ActionSave->trigger();
    EXPECT_FALSE(page.IsModified());
    EXPECT_DOUBLE_EQ(OnDisk()->Pages(1)->Item(0)->Left(), 61);
}

TEST_F(PageDesignTest, PaperSizeChangeReappliesZoom)
{
    auto form = Open(1);
    form->ZoomList()->setCurrentIndex(1); // Full Page
    TPageEditor *editor = form->Editor();
    TFormPropertyEditor *props = form->PropertyEditor();
    ASSERT_TRUE(props->CommitText(props->RowOf(QStringLiteral("PageOrientation")), QStringLiteral("Landscape")));
    EXPECT_GT(editor->Page().PageWidth(), editor->Page().PageHeight());
    const QRect r = editor->PageRect();
    EXPECT_LE(r.right(), editor->width() - 20);
    EXPECT_LE(r.bottom(), editor->height() - 20);
    EXPECT_GT(r.width(), r.height());
}

TEST_F(PageDesignTest, ItemListSelectsAndReordersItems)
{
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    TPageItem *a = page.Item(0);
    TPageItem *b = page.Item(1);
    TPageItem *c = page.AddItem<TPageItemShape>();
    TFormPageItemList *list = form->ItemList();
    list->Rebuild();
    QTreeWidget *tree = list->List();
    tree->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(a->Selected);
    EXPECT_EQ(form->PropertyEditor()->Properties(), &a->Properties);
    tree->topLevelItem(2)->setSelected(true);
    EXPECT_EQ(page.CurrentItem(), c);
    EXPECT_EQ(form->PropertyEditor()->Properties(), &page.Properties);
    // Dragged down onto b: from the last to the first, each goes to b's place of the moment.
    list->MoveSelectedTo(0, 1);
    EXPECT_EQ((std::vector<TPageItem *>{page.Item(0), page.Item(1), page.Item(2)}), (std::vector<TPageItem *>{c, b, a}));
    // Dragged up onto the first row.
    page.SelectOnly(a);
    list->MoveSelectedTo(2, 0);
    EXPECT_EQ((std::vector<TPageItem *>{page.Item(0), page.Item(1), page.Item(2)}), (std::vector<TPageItem *>{a, c, b}));
    EXPECT_EQ(tree->topLevelItem(0)->text(0), a->Name());
    EXPECT_TRUE(tree->topLevelItem(0)->isSelected());
}

TEST_F(PageDesignTest, TypedValueGoesToTheItemItWasTypedForWhateverIsClickedNext)
{
    // Two shapes, so that their property rows line up; the page's rows are others again.
    enum TNext { OtherRow, EmptyList, OtherOnSurface, CloseBox };
    for (TNext next : {OtherRow, EmptyList, OtherOnSurface, CloseBox}) {
        SCOPED_TRACE(next);
        auto form = OpenActive(1);
        TPage &page = form->Editor()->Page();
        TPageItem *a = page.Item(0);
        TPageItem *b = page.AddItem<TPageItemShape>();
        for (TPageItem *item : {a, b}) {
            item->Properties["Width"].SetFloat(30);
            item->Properties["Height"].SetFloat(20);
        }
        b->Properties["Left"].SetFloat(100);
        b->Properties["Top"].SetFloat(100);
        form->ItemList()->Rebuild();
        ClickList(*form, 0);
        ASSERT_EQ(form->PropertyEditor()->Properties(), &a->Properties);
        QStringList pageBefore;
        for (int i = 0; i < page.Properties.Count(); ++i)
            pageBefore << page.Properties.Items(i).DisplayText();

        TypeValue(*form, QStringLiteral("Height"), QStringLiteral("42"));
        switch (next) {
        case OtherRow:
            ClickList(*form, page.IndexOf(b));
            EXPECT_EQ(form->PropertyEditor()->Properties(), &b->Properties);
            break;
        case EmptyList:
            ClickList(*form, -1);
            EXPECT_EQ(form->PropertyEditor()->Properties(), &page.Properties);
            break;
        case OtherOnSurface: // the surface takes no focus: the cell editor is still open
            Click(form->Editor(), b->PixelRect().center());
            EXPECT_EQ(form->PropertyEditor()->Properties(), &b->Properties);
            break;
        case CloseBox:
            Prompts.Answers = {TPromptAnswer::Cancel};
            form->close();
            EXPECT_EQ(Prompts.Questions.value(Prompts.Questions.size() - 1), QStringLiteral("Save changes to this page?"));
            EXPECT_TRUE(form->isVisible());
            break;
        }
        EXPECT_TRUE(ServeEventsUntil([&] { return a->Height() == 42; }, 2000)) << a->Height();
        QCoreApplication::processEvents();
        EXPECT_DOUBLE_EQ(b->Height(), 20);
        for (int i = 0; i < page.Properties.Count(); ++i)
            EXPECT_EQ(page.Properties.Items(i).DisplayText(), pageBefore.value(i)) << page.Properties.Items(i).Name.toStdString();
        EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(ServeEventsUntil([&] { return form->ActionSave->isEnabled(); }, 2000));
        Prompts.Answers = {TPromptAnswer::No};
        form->close();
    }
}

TEST_F(PageDesignTest, SeveralItemsChosenInTheListShowThePageButOnTheSurfaceNothing)
{
    auto form = OpenActive(1);
    TPage &page = form->Editor()->Page();
    TPageItem *a = page.Item(0);
    TPageItem *b = page.AddItem<TPageItemShape>();
    b->Properties["Left"].SetFloat(120);
    b->Properties["Top"].SetFloat(150);
    b->Properties["Width"].SetFloat(30);
    b->Properties["Height"].SetFloat(30);
    form->ItemList()->Rebuild();
    QTreeWidget *tree = form->ItemList()->List();
    ClickList(*form, 0);
    EXPECT_EQ(form->PropertyEditor()->Properties(), &a->Properties);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree->visualItemRect(tree->topLevelItem(page.IndexOf(b))).center());
    EXPECT_EQ(page.SelectedCount(), 2);
    EXPECT_EQ(form->PropertyEditor()->Properties(), &page.Properties);
    EXPECT_TRUE(form->PropertyEditor()->isVisible());

    // The same two chosen on the surface: nothing is shown.
    form->Editor()->SelectItem(a);
    Click(form->Editor(), b->PixelRect().center(), Qt::ControlModifier);
    EXPECT_EQ(page.SelectedCount(), 2);
    EXPECT_EQ(form->PropertyEditor()->Properties(), nullptr);
    EXPECT_FALSE(form->PropertyEditor()->isVisible());
}

TEST_F(PageDesignTest, EscapeDropsAnArmedToolBeforeItClosesTheWindow)
{
    auto form = OpenActive(1);
    TPageEditor *editor = form->Editor();
    TPage &page = editor->Page();
    const int asked = Prompts.Questions.size();
    // The key goes where the user's would: to the control with the focus, up to the window.
    const auto escape = [&] {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target && target->window() == form.get() ? target : form.get(), Qt::Key_Escape);
    };
    // Armed, and armed with the button held (the item being created goes again).
    for (bool pressed : {false, true}) {
        SCOPED_TRACE(pressed);
        form->Tool(1)->trigger();
        ASSERT_EQ(editor->InsertState(), TPageEditor::isArmed);
        if (pressed)
            Press(editor, QPoint(editor->PageRect().left() + 40, editor->PageRect().top() + 40));
        escape();
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(editor->InsertState(), TPageEditor::isIdle);
        EXPECT_TRUE(form->Tool(0)->isChecked());
        EXPECT_EQ(page.Count(), 2);
        if (pressed)
            Release(editor, QPoint(editor->PageRect().left() + 40, editor->PageRect().top() + 40));
        EXPECT_EQ(page.Count(), 2);
    }
    EXPECT_EQ(Prompts.Questions.size(), asked);

    // With nothing armed Esc is the close box: the question when there are changes.
    page.Item(0)->Properties["Left"].SetFloat(12);
    Prompts.Answers = {TPromptAnswer::Cancel};
    escape();
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Save changes to this page?"));
    EXPECT_TRUE(form->isVisible());
    Prompts.Answers = {TPromptAnswer::No};
    escape();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), PageDesignResultCancel);
}

TEST_F(PageDesignTest, ArmingWhenEveryDefaultNameIsTakenSaysSo)
{
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    for (int i = 1; i <= 999; ++i)
        page.AddItem<TPageItemShape>(); // Shape1 ... Shape999
    ASSERT_EQ(page.Item(page.Count() - 1)->Name(), QStringLiteral("Shape999"));
    const int count = page.Count();
    form->ItemList()->Rebuild();
    form->Tool(1)->trigger();
    TPageEditor *editor = form->Editor();
    const QPoint at(editor->PageRect().left() + 5, editor->PageRect().bottom() - 5);
    Click(editor, at);
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("Too many items, please rename some.")});
    EXPECT_EQ(page.Count(), count);
    EXPECT_EQ(editor->InsertState(), TPageEditor::isIdle);
    EXPECT_TRUE(ServeEventsUntil([&] { return form->Tool(0)->isChecked(); }, 2000));
    // A memo still has names left.
    form->Tool(2)->trigger();
    Click(editor, at);
    EXPECT_EQ(page.Count(), count + 1);
    EXPECT_EQ(Prompts.Errors.size(), 1);
}

TEST_F(PageDesignTest, PastingTextThatHoldsNoItemsSaysSoAndKeepsTheSelection)
{
    auto form = Open(1);
    TPage &page = form->Editor()->Page();
    form->Editor()->SelectItem(page.Item(0));
    TfocClipboard::Instance().PutStream(QByteArray("Shape, 10, 10"), ReportItemFormat);
    form->UpdateActions();
    ASSERT_TRUE(form->ActionPaste->isEnabled());
    form->ActionPaste->trigger();
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("The clipboard holds no page items")});
    EXPECT_EQ(page.Count(), 2);
    EXPECT_EQ(page.CurrentItem(), page.Item(0));
    EXPECT_EQ(form->PropertyEditor()->Properties(), &page.Item(0)->Properties);
    EXPECT_EQ(form->ItemList()->List()->selectedItems().size(), 1);
}

TEST_F(PageDesignTest, ContextMenuChecksCurrentZoom)
{
    auto form = Open(1);
    form->ZoomList()->setCurrentIndex(3);
    QMenu *menu = form->ContextMenu();
    QAction *zoom200 = form->findChild<QAction *>(QStringLiteral("ActionZoom3"));
    ASSERT_NE(zoom200, nullptr);
    EXPECT_TRUE(zoom200->isChecked());
    EXPECT_EQ(form->Designer()->ZoomType(), ztPercentage);
    EXPECT_DOUBLE_EQ(form->Designer()->ZoomValue(), 2);
    form->findChild<QAction *>(QStringLiteral("ActionZoom1"))->trigger();
    EXPECT_EQ(form->ZoomList()->currentIndex(), 1);
    EXPECT_EQ(form->Designer()->ZoomType(), ztFullPage);
    EXPECT_NE(menu, nullptr);
}

} // namespace
