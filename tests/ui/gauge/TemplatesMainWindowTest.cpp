// The templates window inside the main window: the pane and tool bar of the Templates node, and
// template rows dropped on the gauge node uploaded.
#include "UnitKeyboardAccess.h"
#include "FormMainTestSupport.h"
#include "UnitCommK27Thread.h"
#include "UnitEnumComPort.h"
#include "UnitFormCalvaneK27.h"
#include "UnitFormTemplates.h"
#include "UnitFormUploadWizard.h"
#include "UnitGaugePaneLink.h"
#include "UnitK27Simulator.h"
#include "UnitTemplateList.h"
#include "UnitTemplatesPaneLink.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>

class TemplatesMainWindowTest : public FormMainTest {
protected:
    void SetUp() override
    {
        FormMainTest::SetUp();
        Path = Sim.OpenPty();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        TSimOptions options;
        options.ModelLetter = "t";
        Sim.SetOptions(options);
        Sim.Start();
        RegisterComPort(7, Path);
    }
    void TearDown() override
    {
        // Closed first, as the program does: the connection ends before the window goes.
        if (Form)
            Form->close();
        FormMainTest::TearDown();
        Sim.Stop();
    }
    void StartWithGauge()
    {
        QDir().mkpath(TemplatesFolder());
        TTemplateList t;
        TTemplateItem *d = t.Add();
        d->Columns = 4;
        d->Rows = 3;
        d->Grid = 200;
        d->HighLimit = 60;
        d->LowLimit = 20;
        t.SaveToFile(IncludeTrailingSlash(TemplatesFolder()) + QStringLiteral("Deck.vct"));
        Form = std::make_unique<TFormMain>();
        Form->SetWatcherPauseMs(50);
        Form->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(7);
        GaugeLink = new TGaugePaneLink(Form.get());
        TemplatesLink = new TTemplatesPaneLink(Form.get(), GaugeLink->Pane());
        Form->SetFolderView(&View);
        Form->resize(900, 600);
        Form->show();
    }
    bool Connected()
    {
        return WaitUntil([&] {
            TFormCalvaneK27 *pane = GaugeLink->Pane();
            return pane->Thread() && pane->Thread()->Ready() && pane->ListViewGauge()->topLevelItemCount() == 4;
        }, 20000);
    }
    // Drags template rows over the tree and drops them on `node`; true when the drop was taken.
    bool DropTemplatesOn(QTreeWidgetItem *node)
    {
        QWidget *viewport = Form->Tree()->viewport();
        Form->Tree()->scrollToItem(node);
        const QPoint at = Form->Tree()->visualItemRect(node).center();
        QMimeData mime;
        mime.setData(TemplateRowsMimeType(), QByteArray());
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        return drop.isAccepted();
    }

    TK27Simulator Sim;
    QString Path;
    TGaugePaneLink *GaugeLink = nullptr;
    TTemplatesPaneLink *TemplatesLink = nullptr;
};

TEST_F(TemplatesMainWindowTest, TemplatesNodeShowsTheWindowAndItsToolBar)
{
    StartWithGauge();
    Form->SelectNode(Form->TemplatesNode());
    EXPECT_EQ(Form->CurrentPane(), TemplatesLink->Pane());
    QStringList captions;
    for (QAction *a : Form->ToolBarActions())
        captions << WithoutMnemonic(a->text());
    EXPECT_EQ(captions, QStringList({"New Template", "Delete", "Rename", "Upload"}));
    ASSERT_EQ(TemplatesLink->Pane()->ListViewTemplates()->topLevelItemCount(), 1);
    EXPECT_EQ(TemplatesLink->Pane()->ListViewTemplates()->topLevelItem(0)->text(0), QStringLiteral("Deck"));
    // The ratio of the folder view is shared.
    EXPECT_EQ(TemplatesLink->Pane()->Settings, &Form->Settings());
}

TEST_F(TemplatesMainWindowTest, TemplatesDroppedOnTheGaugeNodeAreUploaded)
{
    StartWithGauge();
    ASSERT_TRUE(Connected());
    Form->SelectNode(Form->TemplatesNode());
    TFormTemplates *window = TemplatesLink->Pane();
    window->SelectTemplate(QStringLiteral("Deck"));
    // Upload is also enabled from the gauge pane for this full model.
    GaugeLink->Pane()->UpdateActions();
    EXPECT_TRUE(GaugeLink->Pane()->ActionUploadTemplate()->isEnabled());
    int wizards = 0;
    Dialog = [&](QDialog &d) {
        auto *w = dynamic_cast<TFormUploadWizard *>(&d);
        if (!w)
            return int(QDialog::Rejected);
        ++wizards;
        d.show();
        while (w->CurrentPage() != TFormUploadWizard::PageCompleted)
            w->ButtonNext()->click();
        w->ButtonFinish()->click();
        return w->result();
    };
    // Only the gauge node takes them.
    EXPECT_FALSE(DropTemplatesOn(Form->LocalNode()));
    EXPECT_EQ(wizards, 0);
    ASSERT_TRUE(DropTemplatesOn(Form->GaugeNode()));
    EXPECT_EQ(wizards, 1);
    ASSERT_TRUE(WaitUntil([&] {
        for (const TSimBatch &b : Sim.Batches())
            if (b.ID == "Deck 00001")
                return !Form->Busy();
        return false;
    }, 30000));
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join('\n').toStdString();

    // Without a connection the drop is refused.
    GaugeLink->Pane()->StopConnection();
    EXPECT_FALSE(DropTemplatesOn(Form->GaugeNode()));
    EXPECT_EQ(wizards, 1);
}
