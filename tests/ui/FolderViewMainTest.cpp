// The folder view plugged into the main window: it shows the nodes under Local and moves the tree.
#include "FolderViewSupport.h"
#include "FormMainTestSupport.h"
#include "UnitFolderViewPlug.h"
#include "UnitFormLocal.h"

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
