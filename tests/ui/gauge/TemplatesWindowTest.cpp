// The templates window: template names, renaming and deleting, the definitions list, new and
// edited definitions through the wizard, deleting, grouping and ungrouping, the splitter ratio.
#include "UnitKeyboardAccess.h"
#include "TemplatesTestSupport.h"
#include "UnitBatchList.h"
#include "UnitListLayout.h"
#include "UnitSettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QTest>

using Defs = QList<std::pair<int, int>>;
constexpr int Cover = 0, HalfCell = 1, Grid = 0, Linear = 1;

TEST_F(TemplatesTest, NewTemplatesAreNamedNewThenNewTwoAndStartEditing)
{
    Open();
    ASSERT_TRUE(Run(Window->ActionNewTemplate()));
    ASSERT_TRUE(ServeEventsUntil([&] { return NameEditor() != nullptr; }, 2000));
    ASSERT_TRUE(Run(Window->ActionNewTemplate()));
    // Sorted by file name: "New (2).vct" comes before "New.vct".
    EXPECT_EQ(TemplateNames(), QStringList({QStringLiteral("New (2)"), QStringLiteral("New")}));
    EXPECT_TRUE(QFileInfo::exists(TemplateFile(QStringLiteral("New (2)"))));
    // The new template is an empty one with its numbering at 1 ("Uploaded" 0).
    EXPECT_EQ(Window->ListViewTemplates()->topLevelItem(0)->text(1), QStringLiteral("0"));
    EXPECT_EQ(ReadTemplate(QStringLiteral("New (2)"))->AutoInc, 1);
    ASSERT_EQ(Window->SelectedTemplates().size(), 1);
    EXPECT_EQ(Window->LabelTemplate()->text(), QStringLiteral("New (2)"));
}

TEST_F(TemplatesTest, NewTemplateTellsWhenDefaultNamesAreExhausted)
{
    WriteTemplate(QStringLiteral("New"), {});
    for (int i = 2; i <= 200; ++i)
        WriteTemplate(QStringLiteral("New (%1)").arg(i), {});
    Open();
    ASSERT_TRUE(Run(Window->ActionNewTemplate()));
    EXPECT_EQ(Prompts.Errors, QStringList(QStringLiteral("Unable to create file/folder, too many default named items.")));
    EXPECT_EQ(TemplateNames().size(), 200);
}

TEST_F(TemplatesTest, UploadedColumnIsAutoIncMinusOneAndRowsAreSorted)
{
    WriteTemplate(QStringLiteral("beta"), {{Cover, Grid}}, [](TTemplateList &t) { t.AutoInc = 42; });
    WriteTemplate(QStringLiteral("Alpha"), {{Cover, Grid}});
    QFile(IncludeTrailingSlash(TemplatesFolder()) + QStringLiteral("notes.txt")).open(QIODevice::WriteOnly);
    Open();
    EXPECT_EQ(TemplateNames(), QStringList({QStringLiteral("Alpha"), QStringLiteral("beta")}));
    EXPECT_EQ(Window->ListViewTemplates()->topLevelItem(0)->text(1), QStringLiteral("0"));
    EXPECT_EQ(Window->ListViewTemplates()->topLevelItem(1)->text(1), QStringLiteral("41"));
}

TEST_F(TemplatesTest, RenameEditorTakesTenCharactersAndNoUnsafeOnes)
{
    WriteTemplate(QStringLiteral("Deck"), {});
    Open();
    Window->SelectTemplate(QStringLiteral("Deck"));
    ASSERT_TRUE(Run(Window->ActionRenameTemplate()));
    QLineEdit *edit = NameEditor();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    TypeText(edit, QStringLiteral("Pier:12*North?Side"));
    // The colon, asterisk and question mark are dropped; the editor stops at ten characters.
    EXPECT_EQ(edit->text(), QStringLiteral("Pier12Nort"));
    edit->setText(QStringLiteral("a/b"));
    EXPECT_EQ(edit->text(), QStringLiteral("ab"));
    // A pasted name is cut to fit, like typing, rather than refused whole.
    QGuiApplication::clipboard()->setText(QStringLiteral("Harbourside North"));
    edit->selectAll();
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("Harboursid"));
}

TEST_F(TemplatesTest, RenameToAnExistingNameTellsAndEditsAgain)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}});
    WriteTemplate(QStringLiteral("Pier"), {});
    Open();
    Window->RenameTemplate(0, QStringLiteral("Pier"));
    EXPECT_EQ(Prompts.Errors,
              QStringList(QStringLiteral("A template with the name you specified already exists. Specify a different name.")));
    EXPECT_EQ(TemplateNames(), QStringList({QStringLiteral("Deck"), QStringLiteral("Pier")}));
    EXPECT_TRUE(QFileInfo::exists(TemplateFile(QStringLiteral("Deck"))));
    EXPECT_NE(NameEditor(), nullptr);
}

TEST_F(TemplatesTest, RenameFailureOtherThanAClashTellsTheReason)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}});
    WriteTemplate(QStringLiteral("Pier"), {});
    Open();
    // The file went away behind the window's back.
    ASSERT_TRUE(QFile::remove(TemplateFile(QStringLiteral("Deck"))));
    Window->RenameTemplate(0, QStringLiteral("Wharf"));
    ASSERT_EQ(Prompts.Errors.size(), 1);
    EXPECT_TRUE(Prompts.Errors.first().startsWith(QStringLiteral("Unable to rename 'Deck': ")))
        << Prompts.Errors.first().toStdString();
    EXPECT_GT(Prompts.Errors.first().size(), QStringLiteral("Unable to rename 'Deck': ").size());
    EXPECT_EQ(TemplateNames(), QStringList({QStringLiteral("Deck"), QStringLiteral("Pier")}));
    EXPECT_FALSE(QFileInfo::exists(TemplateFile(QStringLiteral("Wharf"))));
    EXPECT_EQ(NameEditor(), nullptr);
}

TEST_F(TemplatesTest, RenameMovesTheFileAndKeepsItsDefinitions)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}, {HalfCell, Grid}});
    WriteTemplate(QStringLiteral("Pier"), {});
    Open();
    Window->RenameTemplate(0, QStringLiteral("Wharf"));
    EXPECT_TRUE(Prompts.Errors.isEmpty());
    EXPECT_EQ(TemplateNames(), QStringList({QStringLiteral("Pier"), QStringLiteral("Wharf")}));
    EXPECT_FALSE(QFileInfo::exists(TemplateFile(QStringLiteral("Deck"))));
    EXPECT_EQ(ReadTemplate(QStringLiteral("Wharf"))->Count(), 2);
    ASSERT_EQ(Window->SelectedTemplates().size(), 1);
    EXPECT_EQ(Window->SelectedTemplates().first()->FileName, TemplateFile(QStringLiteral("Wharf")));
    // An unchanged or empty name does nothing.
    Window->RenameTemplate(1, QStringLiteral("Wharf"));
    Window->RenameTemplate(1, QString());
    EXPECT_EQ(TemplateNames(), QStringList({QStringLiteral("Pier"), QStringLiteral("Wharf")}));
    EXPECT_TRUE(Prompts.Errors.isEmpty());
}

TEST_F(TemplatesTest, DeleteAsksForOneOrSeveralTemplates)
{
    for (const char *name : {"A", "B", "C"})
        WriteTemplate(QString::fromLatin1(name), {});
    Open();
    Window->SelectTemplate(QStringLiteral("A"));
    ASSERT_TRUE(Run(Window->ActionDeleteTemplate())); // no answer: No
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete 'A'?"));
    EXPECT_EQ(TemplateNames().size(), 3);
    Window->ListViewTemplates()->selectAll();
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(Run(Window->ActionDeleteTemplate()));
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete these 3 templates?"));
    EXPECT_TRUE(TemplateNames().isEmpty());
    EXPECT_TRUE(QDir(TemplatesFolder()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(Window->ActionDeleteTemplate()->isEnabled());
}

TEST_F(TemplatesTest, DefinitionsListShowsSizesGroupingAndLimitsWithUnits)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}, {HalfCell, Grid}, {Cover, Linear}}, [](TTemplateList &t) {
        t.Items(0)->Grouped = t.Items(1)->Grouped = true;
    });
    Open();
    EXPECT_EQ(Window->ListViewBatches()->topLevelItemCount(), 0); // nothing selected: no definitions
    Window->SelectTemplate(QStringLiteral("Deck"));
    ASSERT_EQ(Window->ListViewBatches()->topLevelItemCount(), 3);
    EXPECT_EQ(BatchRow(0), QStringList({"Cover", "Grid", "4", "3", "Grouped", "75 mm", "30 mm"}));
    EXPECT_EQ(BatchRow(1), QStringList({"Half Cell", "Grid", "4", "3", "Grouped", "-200 mV", "-350 mV"}));
    EXPECT_EQ(BatchRow(2), QStringList({"Cover", "Linear", "-", "-", "", "75 mm", "30 mm"}));
    EXPECT_EQ(Window->LabelTemplate()->text(), QStringLiteral("Deck"));
    // Two templates selected: no definitions and no name.
    WriteTemplate(QStringLiteral("Pier"), {});
    Window->Refresh();
    Window->ListViewTemplates()->selectAll();
    EXPECT_EQ(Window->ListViewBatches()->topLevelItemCount(), 0);
    EXPECT_EQ(Window->LabelTemplate()->text(), QString());
}

TEST_F(TemplatesTest, ActionsFollowTheSelection)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}});
    WriteTemplate(QStringLiteral("Pier"), {});
    Open();
    struct Case {
        QStringList Templates;
        bool Definition;
        bool Rename, Delete, NewBatch, Edit;
    };
    const Case cases[] = {
        {{}, false, false, false, false, false},
        {{"Deck"}, false, true, true, true, false},
        {{"Deck"}, true, true, true, true, true},
        {{"Deck", "Pier"}, false, false, true, false, false},
    };
    for (const Case &c : cases) {
        Window->ListViewTemplates()->clearSelection();
        for (int i = 0; i < Window->ListViewTemplates()->topLevelItemCount(); ++i)
            Window->ListViewTemplates()->topLevelItem(i)->setSelected(c.Templates.contains(TemplateNames()[i]));
        if (c.Definition)
            Window->SelectBatches({0});
        Window->UpdateActions();
        SCOPED_TRACE(c.Templates.join(QLatin1Char(',')).toStdString());
        EXPECT_TRUE(Window->ActionNewTemplate()->isEnabled());
        EXPECT_EQ(Window->ActionRenameTemplate()->isEnabled(), c.Rename);
        EXPECT_EQ(Window->ActionDeleteTemplate()->isEnabled(), c.Delete);
        EXPECT_EQ(Window->ActionNewCoverBatch()->isEnabled(), c.NewBatch);
        EXPECT_EQ(Window->ActionNewHalfCellBatch()->isEnabled(), c.NewBatch);
        EXPECT_EQ(Window->ActionNewBatch()->isEnabled(), c.NewBatch);
        EXPECT_EQ(Window->ActionEditBatch()->isEnabled(), c.Edit);
        EXPECT_EQ(Window->ActionDeleteBatch()->isEnabled(), c.Edit);
        // No gauge: no upload.
        EXPECT_FALSE(Window->ActionUploadSelectedTemplate()->isEnabled());
    }
    Window->hide();
    Window->UpdateActions();
    EXPECT_FALSE(Window->ActionNewTemplate()->isEnabled());
    EXPECT_EQ(Window->ActionDeleteTemplate()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    QStringList popup;
    for (QAction *a : Window->PopupMenuTemplates()->actions())
        popup << (a->isSeparator() ? QStringLiteral("-") : WithoutMnemonic(a->text()));
    EXPECT_EQ(popup, QStringList({"Upload", "-", "Rename", "Delete", "-", "New Template"}));
    popup.clear();
    for (QAction *a : Window->PopupMenuBatches()->actions())
        popup << (a->isSeparator() ? QStringLiteral("-") : WithoutMnemonic(a->text()));
    EXPECT_EQ(popup, QStringList({"Edit", "Delete", "-", "Cover Batch", "Half Cell Batch"}));
}

// Definitions picked in one template are not carried to the next one clicked; a change to the
// same template keeps them.
TEST_F(TemplatesTest, ClickingAnotherTemplateClearsTheDefinitionSelection)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}, {HalfCell, Grid}, {Cover, Linear}});
    WriteTemplate(QStringLiteral("Pier"), {{Cover, Grid}, {HalfCell, Grid}, {Cover, Grid}});
    Open();
    QTreeWidget *templates = Window->ListViewTemplates();
    auto click = [&](int row) {
        const QRect rect = templates->visualItemRect(templates->topLevelItem(row));
        QTest::mouseClick(templates->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    };
    click(0);
    ASSERT_EQ(Window->LabelTemplate()->text(), QStringLiteral("Deck"));
    Window->SelectBatches({0, 1});
    Window->UpdateActions();
    ASSERT_TRUE(Window->ActionGroup()->isEnabled());
    click(1);
    ASSERT_EQ(Window->LabelTemplate()->text(), QStringLiteral("Pier"));
    EXPECT_EQ(Window->ListViewBatches()->topLevelItemCount(), 3);
    EXPECT_TRUE(Window->SelectedBatches().isEmpty());
    Window->UpdateActions();
    EXPECT_FALSE(Window->ActionEditBatch()->isEnabled());
    EXPECT_FALSE(Window->ActionDeleteBatch()->isEnabled());
    EXPECT_FALSE(Window->ActionGroup()->isEnabled());
    // Back to the first: nothing selected there either.
    Window->SelectBatches({2});
    click(0);
    EXPECT_TRUE(Window->SelectedBatches().isEmpty());
    // Refreshing the list keeps the selection of the template still shown.
    Window->SelectBatches({2});
    Window->Refresh();
    EXPECT_EQ(Window->SelectedBatches(), QList<int>({2}));
}

// "New Batch" opens its drop-down of the two kinds; it never starts a definition of its own.
TEST_F(TemplatesTest, NewBatchOffersItsTwoChoices)
{
    WriteTemplate(QStringLiteral("Deck"), {});
    Open();
    Window->SelectTemplate(QStringLiteral("Deck"));
    auto *bar = Window->findChild<QToolBar *>(QStringLiteral("ToolBarBatches"));
    ASSERT_NE(bar, nullptr);
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(Window->ActionNewBatch()));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->popupMode(), QToolButton::InstantPopup);
    QMenu *menu = Window->ActionNewBatch()->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions(), QList<QAction *>({Window->ActionNewCoverBatch(), Window->ActionNewHalfCellBatch()}));
    ASSERT_TRUE(Run(Window->ActionNewBatch()));
    EXPECT_EQ(DialogCount, 0);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(ReadTemplate(QStringLiteral("Deck"))->Count(), 0);
}

TEST_F(TemplatesTest, NewDefinitionsGoThroughTheWizardAndAreSavedAtOnce)
{
    WriteTemplate(QStringLiteral("Deck"), {});
    Open();
    Window->SelectTemplate(QStringLiteral("Deck"));
    TTemplateItem seen;
    Dialog = [&](QDialog &d) {
        auto *w = dynamic_cast<TFormTemplateBatchWizard *>(&d);
        seen = w->Batch;
        return WalkBatchWizard(d, [](TFormTemplateBatchWizard &w) { w.EditColumns()->setText(QStringLiteral("12")); });
    };
    ASSERT_TRUE(Run(Window->ActionNewHalfCellBatch()));
    // The wizard starts from a 3 x 4 grid at 500 mm, limits 0 and not applied.
    EXPECT_EQ(seen.BatchType, 1);
    EXPECT_EQ(seen.BatchFormat, 0);
    EXPECT_EQ(seen.Columns, 3);
    EXPECT_EQ(seen.Rows, 4);
    EXPECT_EQ(seen.Grid, 500.0);
    EXPECT_FALSE(seen.HighLimitApplied);
    EXPECT_TRUE(seen.UseDefaultSite && seen.UseDefaultNote && seen.UseDefaultCustomer);
    auto saved = ReadTemplate(QStringLiteral("Deck"));
    ASSERT_EQ(saved->Count(), 1);
    EXPECT_EQ(saved->Items(0)->Columns, 12);
    EXPECT_EQ(saved->Items(0)->HighLimit, 999.0); // not applied: the highest allowed value
    EXPECT_EQ(saved->Items(0)->LowLimit, -999.0);
    EXPECT_EQ(BatchRow(0), QStringList({"Half Cell", "Grid", "12", "4", "", "999 mV", "-999 mV"}));

    // Cancelled: nothing added.
    Dialog = [](QDialog &) { return int(QDialog::Rejected); };
    ASSERT_TRUE(Run(Window->ActionNewCoverBatch()));
    EXPECT_EQ(ReadTemplate(QStringLiteral("Deck"))->Count(), 1);
}

TEST_F(TemplatesTest, EditChangesTheSelectedDefinitionAlsoOnDoubleClick)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}, {Cover, Grid}});
    Open();
    Window->SelectTemplate(QStringLiteral("Deck"));
    Window->SelectBatches({1});
    Dialog = [](QDialog &d) {
        return WalkBatchWizard(d, [](TFormTemplateBatchWizard &w) { w.ListBoxBatchFormat()->setCurrentRow(1); });
    };
    emit Window->ListViewBatches()->itemDoubleClicked(Window->ListViewBatches()->topLevelItem(1), 0);
    EXPECT_EQ(DialogCount, 1);
    auto saved = ReadTemplate(QStringLiteral("Deck"));
    EXPECT_EQ(saved->Items(0)->BatchFormat, 0);
    EXPECT_EQ(saved->Items(1)->BatchFormat, 1);
    EXPECT_EQ(saved->Items(1)->Rows, 1000);
    EXPECT_EQ(BatchRow(1)[2], QStringLiteral("-"));
}

TEST_F(TemplatesTest, EditingADefinitionOfUnknownTypeTellsWithoutAWizard)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}, {Cover, Grid}},
                  [](TTemplateList &t) { t.Items(1)->BatchType = 2; });
    Open();
    Window->SelectTemplate(QStringLiteral("Deck"));
    Window->SelectBatches({1});
    Dialog = [](QDialog &d) { return WalkBatchWizard(d); };
    ASSERT_TRUE(Run(Window->ActionEditBatch()));
    EXPECT_EQ(Prompts.Errors, QStringList(QStringLiteral("Invalid Batch Type")));
    EXPECT_EQ(DialogCount, 0);
    EXPECT_EQ(ReadTemplate(QStringLiteral("Deck"))->Items(1)->BatchType, 2);
}

// Grouping: which pairs may be grouped and where the half-cell definition ends up.
TEST_F(TemplatesTest, GroupRulesAndTheHalfCellMovesBehindTheCover)
{
    struct Case {
        const char *Name;
        QList<int> Types;     // batch type per position
        QList<int> Grouped;   // positions already grouped
        QList<int> Selection; // the two selected
        bool Enabled;
        QList<int> Order;     // original positions after grouping
    };
    const Case cases[] = {
        {"cover 1, half-cell 4", {0, 0, 1, 0, 1}, {}, {1, 4}, true, {0, 1, 4, 2, 3}},
        {"half-cell 0, cover 3", {1, 0, 0, 0}, {}, {0, 3}, true, {1, 2, 3, 0}},
        {"cover directly after half-cell", {1, 0}, {}, {0, 1}, true, {1, 0}},
        {"two covers", {0, 0}, {}, {0, 1}, false, {}},
        {"one already grouped", {0, 1, 0, 1}, {2, 3}, {0, 3}, false, {}},
        {"three selected", {0, 1, 1}, {}, {0, 1, 2}, false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        Defs defs;
        for (int type : c.Types)
            defs << std::pair<int, int>{type, Grid};
        WriteTemplate(QStringLiteral("Deck"), defs, [&](TTemplateList &t) {
            for (int i = 0; i < t.Count(); ++i)
                t.Items(i)->Columns = 10 + i; // marks the original position
            for (int g : c.Grouped)
                t.Items(g)->Grouped = true;
        });
        Open();
        Window->SelectTemplate(QStringLiteral("Deck"));
        Window->SelectBatches(c.Selection);
        Window->UpdateActions();
        EXPECT_EQ(Window->ActionGroup()->isEnabled(), c.Enabled);
        if (!c.Enabled)
            continue;
        ASSERT_TRUE(Run(Window->ActionGroup()));
        auto saved = ReadTemplate(QStringLiteral("Deck"));
        QList<int> order;
        for (int i = 0; i < saved->Count(); ++i)
            order << saved->Items(i)->Columns - 10;
        EXPECT_EQ(order, c.Order);
        int grouped = 0;
        for (int i = 0; i < saved->Count(); ++i)
            grouped += saved->Items(i)->Grouped;
        EXPECT_EQ(grouped, 2);
        EXPECT_TRUE(Window->SelectedBatches().isEmpty());
        // The pair now shares one number.
        saved->GenerateBatchIDs(false);
        const int cover = order.indexOf(c.Selection[c.Types[c.Selection[0]] == 0 ? 0 : 1]);
        EXPECT_EQ(saved->Items(cover)->ID, saved->Items(cover + 1)->ID);
    }
}

TEST_F(TemplatesTest, UngroupRulesClearBothHalves)
{
    // 0 cover grouped with 1 half-cell; 2 cover, 3 half-cell ungrouped.
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}, {HalfCell, Grid}, {Cover, Grid}, {HalfCell, Grid}},
                  [](TTemplateList &t) { t.Items(0)->Grouped = t.Items(1)->Grouped = true; });
    Open();
    Window->SelectTemplate(QStringLiteral("Deck"));
    struct Case {
        QList<int> Selection;
        bool Enabled;
    };
    const Case cases[] = {{{0}, true}, {{1}, true}, {{2}, false}, {{0, 1}, true}, {{1, 2}, false}, {{2, 3}, false},
                          {{0, 1, 2}, false}};
    for (const Case &c : cases) {
        Window->SelectBatches(c.Selection);
        Window->UpdateActions();
        EXPECT_EQ(Window->ActionUngroup()->isEnabled(), c.Enabled) << c.Selection.size() << " from " << c.Selection[0];
    }
    // Ungrouping the half-cell half clears its partner before it too.
    Window->SelectBatches({1});
    ASSERT_TRUE(Run(Window->ActionUngroup()));
    auto saved = ReadTemplate(QStringLiteral("Deck"));
    EXPECT_FALSE(saved->Items(0)->Grouped);
    EXPECT_FALSE(saved->Items(1)->Grouped);
    EXPECT_EQ(BatchRow(0)[4], QString());
}

TEST_F(TemplatesTest, DeletingOneHalfOfAGroupUngroupsItsPartner)
{
    WriteTemplate(QStringLiteral("Deck"), {{Cover, Grid}, {HalfCell, Grid}, {Cover, Linear}},
                  [](TTemplateList &t) { t.Items(0)->Grouped = t.Items(1)->Grouped = true; });
    Open();
    Window->SelectTemplate(QStringLiteral("Deck"));
    Window->SelectBatches({0});
    ASSERT_TRUE(Run(Window->ActionDeleteBatch())); // no answer: No
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete this template batch?"));
    EXPECT_EQ(ReadTemplate(QStringLiteral("Deck"))->Count(), 3);
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(Run(Window->ActionDeleteBatch()));
    auto saved = ReadTemplate(QStringLiteral("Deck"));
    ASSERT_EQ(saved->Count(), 2);
    EXPECT_EQ(saved->Items(0)->BatchType, 1);
    EXPECT_FALSE(saved->Items(0)->Grouped);
    Window->SelectBatches({0, 1});
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(Run(Window->ActionDeleteBatch()));
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete the selected batches?"));
    EXPECT_EQ(ReadTemplate(QStringLiteral("Deck"))->Count(), 0);
}

TEST_F(TemplatesTest, SplitterFollowsAndSetsFormRatio)
{
    TSettings settings;
    settings[QStringLiteral("FormRatio")].SetAsFloat(0.5);
    Window = std::make_unique<TFormTemplates>();
    Window->Settings = &settings;
    Window->resize(600, 400);
    Window->show();
    ASSERT_TRUE(ServeEventsUntil([&] { return Window->ListViewTemplates()->height() > 0; }, 2000));
    EXPECT_NEAR(Window->ListViewTemplates()->height(), 200, 6);
    Window->Splitter()->setSizes({100, Window->Splitter()->height() - 100});
    emit Window->Splitter()->splitterMoved(100, 1);
    EXPECT_NEAR(settings[QStringLiteral("FormRatio")].AsFloat(), 0.25, 0.02);
}

TEST_F(TemplatesTest, LongNamesSurviveTheEditorAndCommandsSettleAnOpenEdit)
{
    WriteTemplate(QStringLiteral("Harbour Road Bridge"), {{Cover, Grid}});
    Open();
    Window->SelectTemplate(QStringLiteral("Harbour Road Bridge"));
    ASSERT_TRUE(Run(Window->ActionRenameTemplate()));
    QLineEdit *edit = NameEditor();
    ASSERT_NE(edit, nullptr);
    // Shown whole, and it cannot grow.
    EXPECT_EQ(edit->text(), QStringLiteral("Harbour Road Bridge"));
    edit->end(false);
    TypeText(edit, QStringLiteral("s"));
    EXPECT_EQ(edit->text(), QStringLiteral("Harbour Road Bridge"));
    // Closed unchanged: nothing is renamed (the editor never cuts the name to ten characters).
    Window->EndNameEditing();
    EXPECT_EQ(TemplateNames(), QStringList(QStringLiteral("Harbour Road Bridge")));
    EXPECT_TRUE(QFileInfo::exists(TemplateFile(QStringLiteral("Harbour Road Bridge"))));
    ASSERT_TRUE(ServeEventsUntil([&] { return NameEditor() == nullptr; }, 2000)); // the closed editor is gone

    // A command given while a new name is typed works on the renamed template.
    Window->SelectTemplate(QStringLiteral("Harbour Road Bridge"));
    ASSERT_TRUE(Run(Window->ActionRenameTemplate()));
    edit = NameEditor();
    ASSERT_NE(edit, nullptr);
    edit->setText(QStringLiteral("Harbour"));
    QString seenFile;
    Dialog = [&](QDialog &d) {
        seenFile = Window->CurrentTemplate() ? Window->CurrentTemplate()->FileName : QString();
        return WalkBatchWizard(d);
    };
    ASSERT_TRUE(Run(Window->ActionNewCoverBatch()));
    EXPECT_EQ(seenFile, TemplateFile(QStringLiteral("Harbour")));
    EXPECT_FALSE(QFileInfo::exists(TemplateFile(QStringLiteral("Harbour Road Bridge"))));
    EXPECT_EQ(ReadTemplate(QStringLiteral("Harbour"))->Count(), 2);
    ServeEventsUntil([] { return false; }, 50);
    EXPECT_EQ(TemplateNames(), QStringList(QStringLiteral("Harbour")));
}

TEST_F(TemplatesTest, AnEmptyListSaysHowToFillItAndUploadCountsSitUnderTheirHeading)
{
    Open();
    QTreeWidget *list = Window->ListViewTemplates();
    ASSERT_TRUE(ServeEventsUntil([&] { return EmptyListHint(list) && EmptyListHint(list)->isVisible(); }, 5000));
    EXPECT_EQ(EmptyListHint(list)->text(), QStringLiteral("No templates yet. Choose New Template to make one."));
    Window.reset();

    WriteTemplate(QStringLiteral("Bridge"), {{0, 0}});
    Open();
    list = Window->ListViewTemplates();
    ASSERT_EQ(TemplateNames(), QStringList{QStringLiteral("Bridge")});
    EXPECT_FALSE(EmptyListHint(list)->isVisible());
    // "Uploaded" and its count are both right-aligned in a column that does not run to the edge.
    EXPECT_EQ(list->headerItem()->textAlignment(1), NumberAlignment());
    EXPECT_EQ(list->topLevelItem(0)->textAlignment(1), NumberAlignment());
    EXPECT_FALSE(list->header()->stretchLastSection());
    EXPECT_LT(list->header()->sectionSize(1), list->viewport()->width() / 3);
    // The batch definitions' Columns and Rows likewise.
    for (int column : {2, 3})
        EXPECT_EQ(Window->ListViewBatches()->headerItem()->textAlignment(column), NumberAlignment()) << column;
}
