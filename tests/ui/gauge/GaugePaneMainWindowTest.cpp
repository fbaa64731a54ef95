// The gauge pane inside the main window: started with the window, restarted on a port change and
// on a storage root change, stopped on close, and gauge rows dropped on a folder downloaded.
#include "FormMainTestSupport.h"
#include "UnitCommK27Thread.h"
#include "UnitEnumComPort.h"
#include "UnitFormCalvaneK27.h"
#include "UnitFormPreferences.h"
#include "UnitGaugePaneLink.h"
#include "UnitK27Simulator.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

class GaugePaneMainWindowTest : public FormMainTest {
protected:
    void SetUp() override
    {
        FormMainTest::SetUp();
        Path = Sim.OpenPty();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        Sim.Start();
        RegisterComPort(7, Path);
        RegisterComPort(8, Path);
    }
    void TearDown() override
    {
        FormMainTest::TearDown();
        Sim.Stop();
    }
    void StartWithGauge()
    {
        Form = std::make_unique<TFormMain>();
        Form->SetWatcherPauseMs(50);
        Form->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(7);
        Link = new TGaugePaneLink(Form.get());
        Form->SetFolderView(&View);
        Form->resize(900, 600);
        Form->show();
    }
    TFormCalvaneK27 &Pane() { return *Link->Pane(); }
    bool ListShown()
    {
        return WaitUntil([&] {
            return Pane().Thread() && Pane().Thread()->Ready() && Pane().ListViewGauge()->topLevelItemCount() == 4;
        }, 20000);
    }
    // Sends a drag of gauge rows over the tree and drops it on `node`; true when the drop was taken.
    bool DropRowsOn(QTreeWidgetItem *node)
    {
        QWidget *viewport = Form->Tree()->viewport();
        Form->Tree()->scrollToItem(node);
        const QPoint at = Form->Tree()->visualItemRect(node).center();
        QMimeData mime;
        mime.setData(GaugeBatchesMimeType(), QByteArray());
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }

    TK27Simulator Sim;
    QString Path;
    TGaugePaneLink *Link = nullptr;
};

TEST_F(GaugePaneMainWindowTest, StartupConnectsAndRowsDroppedOnAFolderAreDownloaded)
{
    MakeDir(LocalFolder() + QStringLiteral("Site"));
    StartWithGauge();
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(Form->GaugeNode()->text(0), QStringLiteral("Ventrax K27 SH"));
    EXPECT_EQ(Form->StatusText(0), QStringLiteral("Connected to Ventrax K27 SH, serial number K27-00417."));
    // The list arrived while Local was selected: the gauge node is brought forward with its pane.
    EXPECT_EQ(Form->SelectedNode(), Form->GaugeNode());
    EXPECT_EQ(Form->CurrentPane(), &Pane());
    EXPECT_TRUE(Form->ToolBarActions().contains(Pane().ActionDownload()));
    EXPECT_EQ(Pane().ListViewGauge()->selectedItems().size(), 4);

    // Neither the gauge node nor the templates take batches.
    EXPECT_FALSE(DropRowsOn(Form->TemplatesNode()));
    EXPECT_FALSE(Form->Busy());
    QTreeWidgetItem *site = Node(QStringLiteral("Site"));
    ASSERT_NE(site, nullptr);
    ASSERT_TRUE(DropRowsOn(site));
    EXPECT_TRUE(Form->Busy());
    ASSERT_TRUE(WaitUntil([&] { return !Form->Busy(); }, 30000));
    EXPECT_EQ(QDir(LocalFolder() + "Site").entryList(QDir::Files, QDir::Name),
              QStringList({"BEAM-CELLS.vch", "DECK-GRID.vcb", "SLAB-CELLS.vch", "WALL-RUN.vcb"}));
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join('\n').toStdString();

    Form->close();
    EXPECT_EQ(Pane().Thread(), nullptr);
    EXPECT_FALSE(Pane().Connected());
}

TEST_F(GaugePaneMainWindowTest, PortChangeAndStorageRootChangeReplaceTheConnection)
{
    StartWithGauge();
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(Pane().Thread()->PortNumber, 7);

    Dialog = [](QDialog &d) {
        auto *preferences = dynamic_cast<TFormPreferences *>(&d);
        if (!preferences)
            return int(QDialog::Rejected);
        preferences->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(8);
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(Run("ActionPreferences"));
    ASSERT_NE(Pane().Thread(), nullptr);
    EXPECT_EQ(Pane().Thread()->PortNumber, 8);
    ASSERT_TRUE(ListShown());

    const QString other = Home.Path() + QStringLiteral("/other root");
    MakeDir(other);
    DialogHooks().BrowseFolder = [&](QWidget *, const QString &, const QString &) { return other; };
    Form->SelectNode(Form->RootNode());
    ASSERT_TRUE(Run("ActionChangeStorageDirectory"));
    EXPECT_EQ(GetStorageRoot(), IncludeTrailingSlash(other));
    // A new connection, which shows the gauge's list again without a Refresh.
    ASSERT_NE(Pane().Thread(), nullptr);
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(Form->GaugeNode()->text(0), QStringLiteral("Ventrax K27 SH"));
}
