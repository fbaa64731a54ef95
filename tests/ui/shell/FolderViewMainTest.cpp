// The folder view plugged into the main window: it shows the nodes under Local and moves the tree.
#include "UnitKeyboardAccess.h"
#include "FolderViewSupport.h"
#include "FormMainTestSupport.h"
#include "UnitFolderViewPlug.h"
#include "UnitFormLocal.h"

#include "UnitThreadDirectory.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QMimeData>

namespace {

class FolderViewMainTest : public FormMainTest {};

TEST_F(FolderViewMainTest, ShowsLocalFoldersAndOpensFolderRowsInTheTree)
{
    Start(false);
    MakeDir(LocalFolder() + QStringLiteral("Site A"));
    WriteBatch(LocalFolder() + QStringLiteral("Site A/"), QStringLiteral("Deck"),
               MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 3));
    Form->RescanFolderNodes(LocalFolder(), true);
    TFolderViewPlug plug(*Form);
    TFormLocal *view = plug.View();
    Form->SelectNode(Form->LocalNode());
    EXPECT_EQ(Form->CurrentPane(), static_cast<QWidget *>(view));
    EXPECT_EQ(view->Folder(), LocalFolder());
    const int row = view->Files().IndexOf(LocalFolder() + QStringLiteral("Site A"), FileTypeFolder);
    ASSERT_GE(row, 0);
    view->OpenRow(row);
    EXPECT_EQ(Form->SelectedNode(), Node(QStringLiteral("Site A")));
    EXPECT_EQ(view->Folder(), LocalFolder() + QStringLiteral("Site A/"));
    EXPECT_EQ(view->Files().Count(), 1);
    EXPECT_EQ(view->CellText(0, ColumnReadings), QStringLiteral("9"));
    // The list's context menu is made of the window's actions.
    QStringList captions;
    for (QAction *a : view->ContextMenu()->actions())
        if (!a->isSeparator())
            captions << WithoutMnemonic(a->text());
    EXPECT_EQ(captions, (QStringList{"Cut", "Copy", "Paste", "Rename", "Delete", "New"}));
    // The window's selection paths come from the view.
    view->SelectRows({0});
    EXPECT_EQ(view->SelectedPaths(), QStringList{LocalFolder() + QStringLiteral("Site A/Deck.vcb")});
    EXPECT_EQ(view->SelectedBatchCount(), 1);
    EXPECT_EQ(view->SelectedFolderNode(), nullptr);
}

TEST_F(FolderViewMainTest, SelectedFolderNodeIsTheTreeNodeOfOneSelectedFolderRow)
{
    Start(false);
    MakeDir(LocalFolder() + QStringLiteral("Deck/Bay 1"));
    MakeDir(LocalFolder() + QStringLiteral("Pier"));
    Form->RescanFolderNodes(LocalFolder(), true);
    TFolderViewPlug plug(*Form);
    Form->SelectNode(Form->LocalNode());
    TFormLocal *view = plug.View();
    const int deck = view->Files().IndexOf(LocalFolder() + QStringLiteral("Deck"), FileTypeFolder);
    const int pier = view->Files().IndexOf(LocalFolder() + QStringLiteral("Pier"), FileTypeFolder);
    view->SelectRows({deck});
    EXPECT_EQ(view->SelectedFolderNode(), Node(QStringLiteral("Deck/")));
    view->SelectRows({deck, pier});
    EXPECT_EQ(view->SelectedFolderNode(), nullptr);
    // The node is looked up afresh: a rescan that rebuilt the tree does not leave a stale one.
    ASSERT_TRUE(QDir(LocalFolder()).rename(QStringLiteral("Pier"), QStringLiteral("Quay")));
    Form->RescanFolderNodes(LocalFolder(), true);
    view->Refresh();
    view->SelectRows({view->Files().IndexOf(LocalFolder() + QStringLiteral("Quay"), FileTypeFolder)});
    EXPECT_EQ(view->SelectedFolderNode(), Node(QStringLiteral("Quay/")));
}

// Records whether the window's watchers run while a replace question is asked mid-copy.
class TWatcherProbePrompt : public TScriptedPrompt {
public:
    explicit TWatcherProbePrompt(TFormMain &form) : FForm(form) {}
    QList<bool> Watching;
    TPromptAnswer YesNoCancelAll(const QString &message) override
    {
        Watching << (FForm.FolderWatcher() != nullptr || FForm.ParentWatcher() != nullptr);
        return TScriptedPrompt::YesNoCancelAll(message);
    }

private:
    TFormMain &FForm;
};

TEST_F(FolderViewMainTest, WatchersStopDuringTheViewsOwnFileOperationsAndWatchAgainAfter)
{
    Start(false);
    MakeDir(LocalFolder() + QStringLiteral("Src"));
    MakeDir(LocalFolder() + QStringLiteral("Dest"));
    WriteFile(LocalFolder() + QStringLiteral("Src/notes.txt"), "new");
    WriteFile(LocalFolder() + QStringLiteral("Dest/notes.txt"), "old");
    Form->RescanFolderNodes(LocalFolder(), true);
    TFolderViewPlug plug(*Form);
    Form->SelectNode(Node(QStringLiteral("Dest/")));
    ASSERT_NE(Form->FolderWatcher(), nullptr);
    TWatcherProbePrompt probe(*Form);
    probe.Answers = {TPromptAnswer::Yes};
    plug.View()->DropFiles({LocalFolder() + QStringLiteral("Src/notes.txt")}, Qt::CopyAction,
                           LocalFolder() + QStringLiteral("Dest/"));
    EXPECT_EQ(probe.Watching, QList<bool>{false});
    EXPECT_EQ(ReadText(LocalFolder() + QStringLiteral("Dest/notes.txt")), QStringLiteral("new"));
    ASSERT_NE(Form->FolderWatcher(), nullptr);
    EXPECT_EQ(Form->FolderWatcher()->GetFolder(), LocalFolder() + QStringLiteral("Dest/"));
}

TEST_F(FolderViewMainTest, RenamedFolderRowRenamesItsTreeNode)
{
    Start(false);
    MakeDir(LocalFolder() + QStringLiteral("Old/Inner"));
    MakeDir(LocalFolder() + QStringLiteral("Middle"));
    Form->RescanFolderNodes(LocalFolder(), true);
    TFolderViewPlug plug(*Form);
    Form->SelectNode(Form->LocalNode());
    QTreeWidgetItem *old = Node(QStringLiteral("Old"));
    old->setExpanded(true);
    ASSERT_EQ(ChildTexts(old), QStringList{QStringLiteral("Inner")});
    TFormLocal *view = plug.View();
    ASSERT_TRUE(view->Rename(view->Files().IndexOf(LocalFolder() + QStringLiteral("Old"), FileTypeFolder),
                             QStringLiteral("Aardvark")));
    EXPECT_EQ(ChildTexts(Form->LocalNode()), (QStringList{"Aardvark", "Middle"}));
    // The same node, still open on its subtree.
    EXPECT_EQ(Node(QStringLiteral("Aardvark")), old);
    EXPECT_TRUE(old->isExpanded());
    EXPECT_EQ(Node(QStringLiteral("Aardvark/Inner")), old->child(0));
}

TEST_F(FolderViewMainTest, PreferencesIsEnabledOnEveryNodeAndAfterItsOwnOk)
{
    Start(false);
    TFolderViewPlug plug(*Form);
    Form->show();
    Dialog = [](QDialog &) { return int(QDialog::Accepted); };
    for (QTreeWidgetItem *node : {Form->LocalNode(), Form->RootNode(), Form->GaugeNode(), Form->TemplatesNode(),
                                  Form->ReportsNode()}) {
        Form->SelectNode(node);
        Form->UpdateActions();
        EXPECT_TRUE(Form->BrowsePanesVisible()) << node->text(0).toStdString();
        EXPECT_TRUE(Action("ActionPreferences")->isEnabled()) << node->text(0).toStdString();
    }
    // OK selects the root node, and Preferences stays available there.
    Form->SelectNode(Form->LocalNode());
    ASSERT_TRUE(Run("ActionPreferences"));
    EXPECT_EQ(Form->SelectedNode(), Form->RootNode());
    EXPECT_TRUE(Run("ActionPreferences"));
    // Only hiding the browse panes (the batch view's enlarge button) turns it off.
    Form->SetBrowsePanesVisible(false);
    EXPECT_FALSE(Form->BrowsePanesVisible());
    EXPECT_FALSE(Action("ActionPreferences")->isEnabled());
    Form->SetBrowsePanesVisible(true);
    EXPECT_TRUE(Action("ActionPreferences")->isEnabled());
}

// Sends a drag of `mime` over the tree's viewport and drops it on `node`.
void DropOnNode(QTreeWidget *tree, QTreeWidgetItem *node, QMimeData &mime)
{
    QWidget *viewport = tree->viewport();
    const QPoint at = tree->visualItemRect(node).center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(QPointF(at), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
}

TEST_F(FolderViewMainTest, WhenTheSelectedFolderGoesItsParentIsSelectedAndWatched)
{
    const QString work = LocalFolder() + QStringLiteral("Work/");
    for (const char *name : {"Moving", "Into", "Deleted", "Renamed"})
        MakeDir(work + QLatin1String(name));
    Start(false);
    TFolderViewPlug plug(*Form);
    Form->show();
    Node(QStringLiteral("Work"))->setExpanded(true);
    QTreeWidgetItem *workNode = Node(QStringLiteral("Work"));
    auto parentShown = [&] {
        return Form->SelectedNode() == workNode && plug.View()->Folder() == work &&
               Form->CurrentPane() == static_cast<QWidget *>(plug.View()) && Form->FolderWatcher() &&
               Form->FolderWatcher()->GetFolder() == work && Form->ParentWatcher() &&
               Form->ParentWatcher()->GetFolder() == LocalFolder() &&
               Form->ToolBarActions().contains(Action("ActionNewFolder"));
    };

    // A tree drag carries the selected folder: moved into a sibling, it leaves its parent selected.
    Form->SelectNode(Node(QStringLiteral("Work/Moving")));
    std::unique_ptr<QMimeData> mime(TFormMain::FileListMimeData({work + QStringLiteral("Moving")}, false));
    DropOnNode(Form->Tree(), Node(QStringLiteral("Work/Into")), *mime);
    ASSERT_TRUE(QFileInfo(work + QStringLiteral("Into/Moving")).isDir());
    EXPECT_TRUE(parentShown());

    // Deleted or renamed by another program: the watchers notice and move up.
    for (const auto &[name, change] :
         std::initializer_list<std::pair<QString, std::function<bool()>>>{
             {QStringLiteral("Deleted"), [&] { return QDir(work + QStringLiteral("Deleted")).removeRecursively(); }},
             {QStringLiteral("Renamed"), [&] { return QDir(work).rename(QStringLiteral("Renamed"), QStringLiteral("Other")); }}}) {
        Form->SelectNode(Node(QStringLiteral("Work/") + name));
        ASSERT_TRUE(WatchersArmed(work + name, work));
        ASSERT_TRUE(change()) << name.toStdString();
        EXPECT_TRUE(WaitUntil(parentShown)) << name.toStdString();
        EXPECT_EQ(Node(QStringLiteral("Work/") + name), nullptr);
    }
    EXPECT_NE(Node(QStringLiteral("Work/Other")), nullptr);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join('\n').toStdString();
}

TEST_F(FolderViewMainTest, CtrlASelectsEveryRowWhicheverSideHasTheFocus)
{
    MakeDir(LocalFolder());
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        WriteFile(LocalFolder() + QLatin1String(name));
    Start(false);
    TFolderViewPlug plug(*Form);
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Form->SelectNode(Form->LocalNode());
    TFormLocal *view = plug.View();
    ASSERT_EQ(view->Files().Count(), 3);
    for (QWidget *focus : {static_cast<QWidget *>(Form->Tree()), static_cast<QWidget *>(view->ListViewLocal)}) {
        view->SelectRows({});
        focus->setFocus();
        ASSERT_TRUE(WaitUntil([&] { return focus->hasFocus(); }));
        int triggered = 0;
        QObject context;
        QObject::connect(Action("ActionSelectAll"), &QAction::triggered, &context, [&] { ++triggered; });
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(triggered, 1) << focus->objectName().toStdString();
        EXPECT_EQ(view->SelectedRows(), (QList<int>{0, 1, 2})) << focus->objectName().toStdString();
    }
}

TEST_F(FolderViewMainTest, DeleteFromTheListNamesTheItemByItsCaption)
{
    TBatchItem batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2);
    batch.ID.clear();
    WriteBatch(LocalFolder(), QStringLiteral("one"), batch);
    WriteBatch(LocalFolder(), QStringLiteral("two"), batch);
    MakeDir(LocalFolder() + QStringLiteral("Site"));
    Start(false);
    TFolderViewPlug plug(*Form);
    Form->show();
    Form->SelectNode(Form->LocalNode());
    TFormLocal *view = plug.View();
    view->ListViewLocal->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return view->ListHasFocus(); }));
    const int one = view->Files().IndexOf(LocalFolder() + QStringLiteral("one.vcb"), FileTypeBatch);
    const int site = view->Files().IndexOf(LocalFolder() + QStringLiteral("Site"), FileTypeFolder);
    const struct {
        QList<int> Rows;
        QString Question;
    } cases[] = {
        {{one}, QStringLiteral("Are you sure you want to delete 'one'?")},
        {{site}, QStringLiteral("Are you sure you want to remove the folder named 'Site' and all its contents?")},
        {{one, site}, QStringLiteral("Are you sure you want to delete these 2 items?")},
    };
    for (const auto &c : cases) {
        view->SelectRows(c.Rows);
        Prompts.Questions.clear();
        Prompts.Answers = {TPromptAnswer::No};
        ASSERT_TRUE(Run("ActionDeleteFolderFile"));
        EXPECT_EQ(Prompts.Questions, QStringList{c.Question});
    }
    EXPECT_EQ(view->Files().Count(), 3) << "No keeps everything";
    view->SelectRows({one, site});
    Prompts.Answers = {TPromptAnswer::Yes};
    ASSERT_TRUE(Run("ActionDeleteFolderFile"));
    EXPECT_FALSE(QFileInfo::exists(LocalFolder() + QStringLiteral("one.vcb")));
    EXPECT_FALSE(QFileInfo::exists(LocalFolder() + QStringLiteral("Site")));
    EXPECT_EQ(Node(QStringLiteral("Site")), nullptr);
    EXPECT_EQ(view->Files().Count(), 1);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join('\n').toStdString();
}

TEST_F(FolderViewMainTest, ARenameBeingTypedSurvivesAWatcherRefresh)
{
    MakeDir(LocalFolder());
    for (const char *name : {"b.txt", "d.txt"})
        WriteFile(LocalFolder() + QLatin1String(name));
    Start(false);
    TFolderViewPlug plug(*Form);
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Form->SelectNode(Form->LocalNode());
    TFormLocal *view = plug.View();
    TListViewLocal *list = view->ListViewLocal;
    ASSERT_EQ(view->Files().Count(), 2);
    view->SelectRows({1});
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("e.txt"));
    ASSERT_EQ(editor->text(), QStringLiteral("e.txt"));

    // Another program adds an entry that sorts above the one being renamed.
    ASSERT_TRUE(WatchersArmed(LocalFolder(), GetStorageRoot()));
    WriteFile(LocalFolder() + QStringLiteral("a.txt"));
    ASSERT_TRUE(WaitUntil([&] { return view->Files().Count() == 3; }));
    EXPECT_EQ(QApplication::focusWidget(), editor) << "the editor stays open";
    EXPECT_EQ(editor->text(), QStringLiteral("e.txt"));
    EXPECT_EQ(list->currentIndex().row(), 2) << "the keyboard row follows its entry";
    EXPECT_EQ(view->SelectedPaths(), QStringList{LocalFolder() + QStringLiteral("d.txt")});
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(LocalFolder() + QStringLiteral("e.txt")); }));
    EXPECT_FALSE(QFileInfo::exists(LocalFolder() + QStringLiteral("d.txt")));
    EXPECT_TRUE(QFileInfo::exists(LocalFolder() + QStringLiteral("b.txt")));
    EXPECT_EQ(view->SelectedPaths(), QStringList{LocalFolder() + QStringLiteral("e.txt")});

    // An entry that goes takes only its own row; the others keep theirs.
    view->SelectRows({0, 2});
    ASSERT_TRUE(WatchersArmed(LocalFolder(), GetStorageRoot()));
    ASSERT_TRUE(QFile::remove(LocalFolder() + QStringLiteral("a.txt")));
    ASSERT_TRUE(WaitUntil([&] { return view->Files().Count() == 2; }));
    EXPECT_EQ(view->SelectedPaths(), QStringList{LocalFolder() + QStringLiteral("e.txt")});
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join('\n').toStdString();
}

} // namespace
