// The folder view plugged into the main window: it shows the nodes under Local and moves the tree.
#include "FolderViewSupport.h"
#include "FormMainTestSupport.h"
#include "UnitFolderViewPlug.h"
#include "UnitFormLocal.h"

#include "UnitThreadDirectory.h"

#include <QMenu>

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
            captions << a->text();
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
    MakeDir(LocalFolder() + QStringLiteral("Old"));
    Form->RescanFolderNodes(LocalFolder(), true);
    TFolderViewPlug plug(*Form);
    Form->SelectNode(Form->LocalNode());
    TFormLocal *view = plug.View();
    ASSERT_TRUE(view->Rename(view->Files().IndexOf(LocalFolder() + QStringLiteral("Old"), FileTypeFolder),
                             QStringLiteral("New")));
    EXPECT_EQ(ChildTexts(Form->LocalNode()), QStringList{QStringLiteral("New")});
}

} // namespace
