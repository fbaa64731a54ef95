// The main window on a storage root on a shared drive, stood in for by a FUSE mount of a local
// folder: what is written into the folder under the mount is what another computer writes.
#include "FolderViewSupport.h"
#include "FormMainTestSupport.h"
#include "TestFuseMount.h"
#include "UnitFolderViewPlug.h"
#include "UnitFormLocal.h"
#include "UnitThreadDirectory.h"

#include <QStackedWidget>

namespace {

class SharedStorageTest : public FormMainTest {
protected:
    TFuseMount Shared;
    void SetUp() override
    {
        FormMainTest::SetUp();
        if (!Shared.Available())
            GTEST_SKIP() << Shared.Reason().toStdString();
    }
    void TearDown() override
    {
        // The window goes while the mount still answers.
        Shared.Thaw();
        FormMainTest::TearDown();
    }
    // The path under the mount of a path on the shared root.
    QString Underlying(const QString &path) const { return Shared.Source() + path.mid(Shared.Mount().size()); }
};

} // namespace

TEST_F(FormMainTest, ALocalRootIsWatchedByInotify)
{
    Start(false);
    TFolderViewPlug plug(*Form);
    Form->SelectNode(Form->LocalNode());
    ASSERT_TRUE(WaitUntil([&] { return Form->FolderWatcher() && Form->FolderWatcher()->Kind() != TWatchKind::None; }));
    EXPECT_EQ(Form->FolderWatcher()->Kind(), TWatchKind::Inotify);
}

TEST_F(SharedStorageTest, ABatchAnotherComputerWritesShowsInTheFolderViewAndItsCache)
{
    WriteStorageRoot(Shared.Mount() + QStringLiteral("/Root"));
    Start(false);
    TFolderViewPlug plug(*Form);
    TFormLocal *view = plug.View();
    Form->SelectNode(Form->LocalNode());
    ASSERT_EQ(view->Folder(), LocalFolder());
    ASSERT_TRUE(LocalFolder().startsWith(Shared.Mount()));
    ASSERT_TRUE(WaitUntil([&] { return Form->FolderWatcher() && Form->FolderWatcher()->Kind() != TWatchKind::None; }));
    EXPECT_EQ(Form->FolderWatcher()->Kind(), TWatchKind::Polling);
    ASSERT_TRUE(WatchersArmed(LocalFolder(), GetStorageRoot()));
    EXPECT_EQ(view->Files().IndexOf(LocalFolder() + QStringLiteral("Wall.vcb"), FileTypeBatch), -1);

    WriteBatch(Underlying(LocalFolder()), QStringLiteral("Wall"), MakeBatch(BatchTypeCover, BatchFormatGrid, 4, 2));
    ASSERT_TRUE(WaitUntil([&] { return view->Files().IndexOf(LocalFolder() + QStringLiteral("Wall.vcb"), FileTypeBatch) >= 0; },
                          15000));
    // The folder's cache, which the other computer reads too, names it.
    EXPECT_TRUE(ReadText(Underlying(LocalFolder()) + QStringLiteral("cache.vcc")).contains(QStringLiteral("<FileName>Wall.vcb</FileName>")));

    // A folder the other computer makes shows in the tree the same way.
    MakeDir(Underlying(LocalFolder()) + QStringLiteral("Pier"));
    EXPECT_TRUE(WaitUntil([&] { return ChildTexts(Form->LocalNode()).contains(QStringLiteral("Pier")); }, 15000));
}

TEST_F(SharedStorageTest, ARootThatDoesNotAnswerDoesNotHoldUpTheWindowAndTheTreeReturns)
{
    const QString root = Shared.Mount() + QStringLiteral("/Root");
    WriteStorageRoot(root);
    MakeDir(root + QStringLiteral("/Local/Site A"));
    Shared.Freeze();
    Form = std::make_unique<TFormMain>();
    Form->SetStorageRetryMs(200);
    TFolderViewPlug plug(*Form);
    Form->show();
    QCoreApplication::processEvents();
    // Up while the server still does not answer, with the message where the folders would be.
    EXPECT_FALSE(Shared.ThawedBySafety());
    EXPECT_TRUE(Form->isVisible());
    ASSERT_TRUE(Form->StorageUnavailable());
    EXPECT_TRUE(Form->StorageMessage().contains(root)) << Form->StorageMessage().toStdString();
    auto *panel = Form->findChild<QStackedWidget *>(QStringLiteral("PanelInfoView"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->currentWidget()->objectName(), QStringLiteral("LabelStorageUnavailable"));
    EXPECT_EQ(Form->LocalNode()->childCount(), 0);
    // Selecting a node touches nothing under the root.
    Form->SelectNode(Form->LocalNode());
    EXPECT_EQ(panel->currentWidget()->objectName(), QStringLiteral("LabelStorageUnavailable"));
    EXPECT_FALSE(Shared.ThawedBySafety());

    // The server answers again: the tree and the folder view come back by themselves.
    Shared.Thaw();
    ASSERT_TRUE(WaitUntil([&] { return !Form->StorageUnavailable(); }, 15000));
    EXPECT_EQ(ChildTexts(Form->LocalNode()), QStringList{QStringLiteral("Site A")});
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_EQ(Form->CurrentPane(), static_cast<QWidget *>(plug.View()));
    EXPECT_EQ(plug.View()->Folder(), LocalFolder());
    EXPECT_TRUE(Form->StorageMessage().isEmpty());
}
