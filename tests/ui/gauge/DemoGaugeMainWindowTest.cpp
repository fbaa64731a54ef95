// A newcomer's way through the main window without a gauge: the gauge node says no port is
// chosen, its button opens Preferences on the port page, the demonstration gauge chosen there
// lists the shipped sample batches, a download writes them into a folder, and "No Gauge" ends
// the simulator again.
#include "FormMainTestSupport.h"
#include "UnitBatchList.h"
#include "UnitCommK27Thread.h"
#include "UnitDemoGauge.h"
#include "UnitFormCalvaneK27.h"
#include "UnitFormPreferences.h"
#include "UnitGaugePaneLink.h"

#include <QComboBox>
#include <QPushButton>
#include <cerrno>
#include <csignal>

class DemoGaugeMainWindowTest : public FormMainTest {
protected:
    // Preferences: records the page it opened on and the ports offered, chooses `port` and OKs.
    std::function<int(QDialog &)> ChoosePort(const QString &port)
    {
        return [this, port](QDialog &d) {
            auto *preferences = qobject_cast<TFormPreferences *>(&d);
            if (!preferences)
                return int(QDialog::Rejected);
            Page = preferences->PageIndex();
            auto *combo = d.findChild<QComboBox *>(QStringLiteral("ComboBoxComPort"));
            Offered.clear();
            for (int i = 0; i < combo->count(); ++i)
                Offered << combo->itemText(i);
            combo->setCurrentIndex(combo->findText(port));
            EXPECT_TRUE(preferences->ButtonOKClick());
            return d.result();
        };
    }
    // The IDs of the shipped sample batches, sorted as the gauge list sorts them.
    static QStringList SampleIDs()
    {
        QStringList ids;
        const QDir dir(DemoGaugeBatchFolder());
        for (const QString &name : dir.entryList({QStringLiteral("*.vcb"), QStringLiteral("*.vch")}, QDir::Files)) {
            TBatchItem batch;
            batch.LoadFromFile(dir.absoluteFilePath(name));
            ids << batch.ID;
        }
        ids.sort(Qt::CaseInsensitive);
        return ids;
    }
    QStringList GaugeIDs()
    {
        QStringList ids;
        for (int i = 0; i < Pane().ListViewGauge()->topLevelItemCount(); ++i)
            ids << Pane().ListViewGauge()->topLevelItem(i)->text(0);
        ids.sort(Qt::CaseInsensitive);
        return ids;
    }
    TFormCalvaneK27 &Pane() { return *Link->Pane(); }

    TGaugePaneLink *Link = nullptr;
    int Page = -1;
    QStringList Offered;
};

TEST_F(DemoGaugeMainWindowTest, ChosenInPreferencesListsAndDownloadsTheSamplesAndNoGaugeEndsIt)
{
    ASSERT_FALSE(DemoGaugeProgram().isEmpty()) << "k27sim is built beside the tests";
    const QStringList samples = SampleIDs();
    ASSERT_GE(samples.size(), 2) << DemoGaugeBatchFolder().toStdString();

    Form = std::make_unique<TFormMain>();
    Form->SetWatcherPauseMs(50);
    Form->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(0);
    Link = new TGaugePaneLink(Form.get());
    Form->SetFolderView(&View);
    Form->resize(900, 600);
    Form->show();
    ASSERT_TRUE(WaitUntil([&] { return Form->StatusText(0).startsWith(QStringLiteral("No gauge port is chosen.")); }));
    EXPECT_EQ(Pane().State(), TGaugeState::NoPort);
    EXPECT_EQ(Pane().DemoGauge().ProcessId(), 0);

    // The pane's button opens Preferences on the port page, which offers the demonstration gauge.
    Dialog = ChoosePort(QStringLiteral("Demonstration gauge (simulator)"));
    Form->SelectNode(Form->GaugeNode());
    ASSERT_TRUE(WaitUntil([&] { return Pane().ButtonChoosePort()->isVisible(); }));
    Pane().ButtonChoosePort()->click();
    EXPECT_EQ(Page, TFormPreferences::PageGauge);
    EXPECT_EQ(Offered.first(), QStringLiteral("No Gauge"));
    EXPECT_EQ(Offered.last(), QStringLiteral("Demonstration gauge (simulator)"));
    // Kept like any port.
    EXPECT_EQ(Form->Settings().ItemByName(QStringLiteral("ComPort")).AsInteger(), DemoGaugePort);

    // The shipped samples, from a gauge whose serial number says they are demonstration data.
    ASSERT_TRUE(WaitUntil([&] { return Pane().Thread() && Pane().Thread()->Ready() && GaugeIDs() == samples; }, 30000))
        << GaugeIDs().join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(Form->StatusText(0).startsWith(
        QStringLiteral("Connected to Ventrax K27 TH, serial number %1.").arg(DemoGaugeSerialNumber())))
        << Form->StatusText(0).toStdString();
    // A full model: templates can be uploaded to it as well.
    EXPECT_EQ(Pane().GaugeModel(), 2);
    EXPECT_TRUE(Pane().TakesTemplates());
    const qint64 pid = Pane().DemoGauge().ProcessId();
    ASSERT_GT(pid, 0);

    // A download writes them into a folder, stamped with that serial number.
    const QString folder = LocalFolder() + QStringLiteral("Demo/");
    MakeDir(folder);
    Pane().ListViewGauge()->selectAll();
    Pane().DownloadTo(folder);
    const QStringList filters{QStringLiteral("*.vcb"), QStringLiteral("*.vch")};
    ASSERT_TRUE(WaitUntil([&] { return QDir(folder).entryList(filters, QDir::Files).size() == samples.size(); }, 60000))
        << QDir(folder).entryList(QDir::Files).join(QStringLiteral(", ")).toStdString();
    QStringList downloaded;
    for (const QString &name : QDir(folder).entryList(filters, QDir::Files)) {
        TBatchItem batch;
        batch.LoadFromFile(folder + name);
        downloaded << batch.ID;
        EXPECT_EQ(batch.GaugeSerialNumber, DemoGaugeSerialNumber()) << name.toStdString();
    }
    downloaded.sort(Qt::CaseInsensitive);
    EXPECT_EQ(downloaded, samples);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QStringLiteral(" | ")).toStdString();

    // "No Gauge" again: the simulator is ended and reaped.
    ASSERT_TRUE(WaitUntil([&] { return !Form->Busy(); }));
    Dialog = ChoosePort(QStringLiteral("No Gauge"));
    ASSERT_TRUE(Run("ActionPreferences"));
    EXPECT_EQ(Form->Settings().ItemByName(QStringLiteral("ComPort")).AsInteger(), 0);
    EXPECT_EQ(Pane().State(), TGaugeState::NoPort);
    EXPECT_EQ(Pane().DemoGauge().ProcessId(), 0);
    EXPECT_EQ(::kill(static_cast<pid_t>(pid), 0), -1);
    EXPECT_EQ(errno, ESRCH);
}
