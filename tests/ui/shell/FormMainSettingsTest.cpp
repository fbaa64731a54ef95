#include "FormMainTestSupport.h"
#include "UnitBatchList.h"
#include "UnitEnumComPort.h"
#include "UnitFormPleaseWait.h"
#include "UnitFormPreferences.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
QString SettingsXml() { return QString::fromUtf8(ReadWholeFile(SettingsFileName())); }

template <class T> T *Child(QObject &parent, const char *name)
{
    T *child = parent.findChild<T *>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}
} // namespace

TEST_F(FormMainTest, FirstRunOpensPreferencesOnTheGaugePage)
{
    int page = -1;
    QString dialogName;
    Dialog = [&](QDialog &d) {
        dialogName = d.objectName();
        if (auto *p = qobject_cast<TFormPreferences *>(&d))
            page = p->PageIndex();
        return int(QDialog::Rejected);
    };
    Form = std::make_unique<TFormMain>();
    EXPECT_TRUE(Form->Settings().ItemByName(QStringLiteral("ComPort")).AsString().isEmpty());
    TSignalCount closed(Form.get(), &TFormMain::PreferencesClosed);
    Form->show();
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode()) << "the tree is built when the window is shown";
    EXPECT_TRUE(closed.isEmpty()) << "the check waits a quarter of a second";
    ASSERT_TRUE(WaitUntil([&] { return closed.size() > 0; }, 5000));
    EXPECT_EQ(dialogName, QStringLiteral("FormPreferences"));
    EXPECT_EQ(page, 2);
    EXPECT_TRUE(SettingsXml().contains(QStringLiteral("<ComPort>0</ComPort>"))) << SettingsXml().toStdString();
}

TEST_F(FormMainTest, PreferencesOkAppliesAndCancelDiscards)
{
    Start();
    TSignalCount units(Form.get(), &TFormMain::UnitsChanged);
    TSignalCount stop(Form.get(), &TFormMain::GaugeLinkStop);
    TSignalCount start(Form.get(), &TFormMain::GaugeLinkStart);
    Form->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(0);

    Dialog = [&](QDialog &d) {
        Child<QComboBox>(d, "ComboBoxCoverUnits")->setCurrentIndex(1);
        Child<QComboBox>(d, "ComboBoxTemperatureUnits")->setCurrentIndex(1);
        Child<QComboBox>(d, "ComboBoxThumbnailQuality")->setCurrentIndex(2);
        Child<QLineEdit>(d, "EditThresholdHalfCell")->setText(QStringLiteral("-350"));
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(Run("ActionPreferences"));
    EXPECT_TRUE(SettingsXml().contains(QStringLiteral("<CoverUnits>0</CoverUnits>")) ||
                SettingsXml().contains(QStringLiteral("<CoverUnits></CoverUnits>")));
    EXPECT_EQ(CurrentCoverUnits, 0);
    EXPECT_TRUE(units.isEmpty());

    Dialog = [&](QDialog &d) {
        Child<QComboBox>(d, "ComboBoxCoverUnits")->setCurrentIndex(1);
        Child<QComboBox>(d, "ComboBoxTemperatureUnits")->setCurrentIndex(1);
        Child<QComboBox>(d, "ComboBoxThumbnailQuality")->setCurrentIndex(2);
        Child<QComboBox>(d, "ComboBoxEmailReportFormat")->setCurrentIndex(1);
        Child<QLineEdit>(d, "EditThresholdHalfCell")->setText(QStringLiteral("-350"));
        EXPECT_TRUE(static_cast<TFormPreferences &>(d).ButtonOKClick());
        return d.result();
    };
    ASSERT_TRUE(Run("ActionPreferences"));
    const QString xml = SettingsXml();
    for (const char *expected : {"<CoverUnits>1</CoverUnits>", "<TemperatureUnits>1</TemperatureUnits>",
                                 "<ThumbnailQuality>2</ThumbnailQuality>", "<EmailReportFormat>1</EmailReportFormat>",
                                 "<ThresholdHalfCell>-350</ThresholdHalfCell>", "<ComPort>0</ComPort>"})
        EXPECT_TRUE(xml.contains(QLatin1String(expected))) << expected << "\n" << xml.toStdString();
    EXPECT_EQ(CurrentCoverUnits, 1);
    EXPECT_EQ(CurrentTemperatureUnits, 1);
    EXPECT_EQ(units.size(), 1);
    EXPECT_TRUE(stop.isEmpty()) << "the port did not change";
    EXPECT_EQ(Form->SelectedNode(), Form->RootNode());
    CurrentCoverUnits = 0;
    CurrentTemperatureUnits = 0;
}

TEST_F(FormMainTest, PreferencesThresholdFollowsTheUnitPickedInTheDialog)
{
    TFormPreferences dialog;
    dialog.Settings().ItemByName(QStringLiteral("ThresholdCover")).SetAsFloat(30);
    dialog.Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(0);
    dialog.Prepare();
    auto *units = Child<QComboBox>(dialog, "ComboBoxCoverUnits");
    auto *cover = Child<QLineEdit>(dialog, "EditThresholdCover");
    EXPECT_EQ(cover->text(), QStringLiteral("30"));
    units->setCurrentIndex(1);
    EXPECT_EQ(cover->text(), QStringLiteral("1.18"));
    EXPECT_EQ(CurrentCoverUnits, 0) << "the global unit is restored";
    ASSERT_TRUE(dialog.ButtonOKClick());
    EXPECT_NEAR(dialog.Settings().ItemByName(QStringLiteral("ThresholdCover")).AsFloat(), 29.972, 1e-9);
    EXPECT_EQ(dialog.Settings().ItemByName(QStringLiteral("CoverUnits")).AsInteger(), 1);
    EXPECT_EQ(CurrentCoverUnits, 0);

    // A value typed before the unit is switched is converted, not lost.
    TFormPreferences typed;
    typed.Prepare();
    Child<QLineEdit>(typed, "EditThresholdCover")->setText(QStringLiteral("50.8"));
    Child<QLineEdit>(typed, "EditThresholdCover")->setModified(true);
    Child<QComboBox>(typed, "ComboBoxCoverUnits")->setCurrentIndex(1);
    EXPECT_EQ(Child<QLineEdit>(typed, "EditThresholdCover")->text(), QStringLiteral("2.00"));

    // Not a number: told, and the dialog stays open.
    TFormPreferences bad;
    bad.Prepare();
    Child<QLineEdit>(bad, "EditThresholdCover")->setText(QStringLiteral("abc"));
    EXPECT_FALSE(bad.ButtonOKClick());
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("'abc' is not a valid floating point value")});
    EXPECT_NE(bad.result(), QDialog::Accepted);
}

TEST_F(FormMainTest, PreferencesPortListAndPages)
{
    // A registered device that exists is offered under its number.
    const QString device = Home.Path() + QStringLiteral("/ttyFAKE3");
    WriteFile(device);
    RegisterComPort(3, device);
    struct TCase {
        int Port;
        int Page;
        bool NoGauge;
    } cases[] = {{3, 0, false}, {0, 2, true}, {9, 0, true}};
    for (const TCase &c : cases) {
        TFormPreferences dialog;
        dialog.Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(c.Port);
        dialog.Prepare();
        auto *ports = Child<QComboBox>(dialog, "ComboBoxComPort");
        EXPECT_EQ(ports->itemText(0), QStringLiteral("No Gauge"));
        EXPECT_EQ(dialog.PageIndex(), c.Page) << c.Port;
        EXPECT_EQ(ports->currentIndex() == 0, c.NoGauge) << c.Port << " " << ports->currentText().toStdString();
        ASSERT_TRUE(dialog.ButtonOKClick());
        EXPECT_EQ(dialog.Settings().ItemByName(QStringLiteral("ComPort")).AsInteger(), c.NoGauge ? 0 : c.Port);
    }
    // The root node shows the General page.
    TFormPreferences dialog;
    dialog.Prepare();
    auto *tree = Child<QTreeWidget>(dialog, "TreeViewPages");
    tree->setCurrentItem(tree->topLevelItem(0));
    EXPECT_EQ(dialog.PageIndex(), 0);
    tree->setCurrentItem(tree->topLevelItem(0)->child(1));
    EXPECT_EQ(dialog.PageIndex(), 1);
}

TEST_F(FormMainTest, PortChangeRestartsTheGaugeLink)
{
    const QString device = Home.Path() + QStringLiteral("/ttyFAKE2");
    WriteFile(device);
    RegisterComPort(2, device);
    Start();
    Form->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(0);
    TSignalCount stop(Form.get(), &TFormMain::GaugeLinkStop);
    TSignalCount start(Form.get(), &TFormMain::GaugeLinkStart);
    Dialog = [&](QDialog &d) {
        auto *ports = Child<QComboBox>(d, "ComboBoxComPort");
        ports->setCurrentIndex(ports->findText(QStringLiteral("(COM2)"), Qt::MatchEndsWith));
        static_cast<TFormPreferences &>(d).ButtonOKClick();
        return d.result();
    };
    ASSERT_TRUE(Run("ActionPreferences"));
    EXPECT_EQ(Form->Settings().ItemByName(QStringLiteral("ComPort")).AsInteger(), 2);
    EXPECT_EQ(stop.size(), 1);
    EXPECT_EQ(start.size(), 1);
}

TEST_F(FormMainTest, ChangeStorageDirectoryReseedsAndReloads)
{
    Start();
    Form->Settings().ItemByName(QStringLiteral("ComPort")).SetAsInteger(0);
    QTemporaryDir other;
    const QString root = other.path() + QStringLiteral("/Elsewhere");
    MakeDir(root + QStringLiteral("/Local/Existing"));
    MakeDir(root + QStringLiteral("/Settings"));
    WriteFile(root + QStringLiteral("/Settings/settings.xml"),
              "<?xml version=\"1.0\"?>\r\n<Settings>\r\n  <CoverUnits>1</CoverUnits>\r\n"
              "  <DatabaseVersion>01.01</DatabaseVersion>\r\n  <ComPort>0</ComPort>\r\n</Settings>\r\n");
    QString title;
    DialogHooks().BrowseFolder = [&](QWidget *, const QString &t, const QString &start) {
        title = t;
        EXPECT_EQ(start, GetStorageRoot());
        return root;
    };
    TSignalCount stop(Form.get(), &TFormMain::GaugeLinkStop);
    TSignalCount start(Form.get(), &TFormMain::GaugeLinkStart);
    Form->SelectNode(Form->RootNode());
    ASSERT_TRUE(Run("ActionChangeStorageDirectory"));
    EXPECT_EQ(title, QStringLiteral("Select the directory in which to store application data"));
    EXPECT_EQ(stop.size(), 1);
    EXPECT_EQ(start.size(), 1) << "the connection is replaced";
    EXPECT_EQ(GetStorageRoot(), root + QLatin1Char('/'));
    for (const char *folder : {"Local", "Settings"})
        EXPECT_TRUE(QFileInfo(root + QLatin1Char('/') + QLatin1String(folder)).isDir()) << folder;
    EXPECT_EQ(Form->RootNode()->text(0), QStringLiteral("Elsewhere"));
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_NE(Node(QStringLiteral("Existing")), nullptr);
    EXPECT_EQ(Form->Settings().ItemByName(QStringLiteral("CoverUnits")).AsInteger(), 1);
    EXPECT_EQ(CurrentCoverUnits, 1);
    EXPECT_TRUE(QString::fromUtf8(ReadWholeFile(root + QStringLiteral("/Settings/settings.xml")))
                    .contains(QStringLiteral("<FormRatio>0.3</FormRatio>")));
    CurrentCoverUnits = 0;

    // A cancelled browser changes nothing.
    DialogHooks().BrowseFolder = [](QWidget *, const QString &, const QString &) { return QString(); };
    Form->SelectNode(Form->RootNode());
    ASSERT_TRUE(Run("ActionChangeStorageDirectory"));
    EXPECT_EQ(GetStorageRoot(), root + QLatin1Char('/'));
}

TEST_F(FormMainTest, AHiddenStartBuildsItsListsAndAsksNothing)
{
    MakeDir(DefaultStorageRoot() + QStringLiteral("Local/Site"));
    Form = std::make_unique<TFormMain>();
    TSignalCount start(Form.get(), &TFormMain::GaugeLinkStart);
    Form->StartupRefresh();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(start.size(), 1);
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_NE(Node(QStringLiteral("Site")), nullptr);
}

TEST_F(FormMainTest, ExportWritesTheSelectedBatches)
{
    const QString work = DefaultStorageRoot() + QStringLiteral("Local/Work/");
    MakeDir(work + QStringLiteral("Sub"));
    Start();
    auto makeBatch = [&](const QString &name, std::uint8_t type) {
        TBatchItem b;
        b.SetNewBatchDefaults(type, BatchFormatGrid);
        b.SaveToFile(work + name);
    };
    makeBatch(QStringLiteral("Wall & Deck.vcb"), BatchTypeCover);
    makeBatch(QStringLiteral("Slab.vch"), BatchTypeHalfCell);
    WriteFile(work + QStringLiteral("Plan.vct"));
    Form->SelectNode(Node(QStringLiteral("Work")));
    View.Focused = true;

    View.Selection = {work + QStringLiteral("Sub")};
    Form->UpdateActions();
    EXPECT_FALSE(Action("ActionExportToExcel")->isEnabled()) << "only folders selected";

    View.Selection = {work + QStringLiteral("Wall & Deck.vcb"), work + QStringLiteral("Plan.vct"),
                      work + QStringLiteral("Slab.vch")};
    QTemporaryDir out;
    const QString xml = out.path() + QStringLiteral("/export.XML");
    DialogHooks().SaveFileName = [&](QWidget *, const QString &title, const QString &, const QString &filter,
                                     const QString &suffix) {
        EXPECT_EQ(title, QStringLiteral("Export"));
        // Nothing exported yet: today's workbook is offered first.
        EXPECT_EQ(suffix, QStringLiteral("xlsx"));
        EXPECT_EQ(filter, QStringLiteral("Excel Workbook (*.xlsx);;Excel XLS (*.xls);;Excel XML (*.xml);;"
                                         "CSV, one file per batch (*.csv);;AutoCAD DXF, one drawing per batch (*.dxf);;"
                                         "All Files (*)"));
        return xml;
    };
    ASSERT_TRUE(Run("ActionExportToExcel"));
    const QString text = ReadText(xml);
    EXPECT_EQ(text.count(QStringLiteral("<Worksheet ")), 2) << text.left(400).toStdString();
    EXPECT_LT(text.indexOf(QStringLiteral("Wall &amp; Deck (Cover)")), text.indexOf(QStringLiteral("Slab (Half Cell)")));
    EXPECT_EQ(Opened, QStringList{xml});
    EXPECT_EQ(Form->Settings().ItemByName(QStringLiteral("LastExcelExport")).AsString(), xml);

    // The dialog offers the last form first; a batch that cannot be read is exported from its
    // folder entry.
    WriteFile(work + QStringLiteral("Broken.vcb"), "not a batch");
    TFileItem broken;
    broken.FileType = FileTypeBatch;
    broken.FileName = work + QStringLiteral("Broken.vcb");
    broken.Batch.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    broken.Batch.ID = QStringLiteral("Broken");
    broken.Batch.Site = QStringLiteral("From the cache");
    View.Entries[broken.FileName] = &broken;
    View.Selection << broken.FileName;
    const QString again = out.path() + QStringLiteral("/again.xml");
    DialogHooks().SaveFileName = [&](QWidget *, const QString &, const QString &proposed, const QString &filter,
                                     const QString &suffix) {
        EXPECT_EQ(proposed, xml);
        EXPECT_EQ(suffix, QStringLiteral("xml"));
        EXPECT_TRUE(filter.startsWith(QStringLiteral("Excel XML (*.xml);;Excel Workbook (*.xlsx);;"))) << filter.toStdString();
        return again;
    };
    ASSERT_TRUE(Run("ActionExportToExcel"));
    const QString withBroken = ReadText(again);
    EXPECT_EQ(withBroken.count(QStringLiteral("<Worksheet ")), 3);
    EXPECT_TRUE(withBroken.contains(QStringLiteral("ss:Name=\"Broken (Cover)\"")));
    EXPECT_TRUE(withBroken.contains(QStringLiteral(">From the cache<")));
    View.Selection.removeLast();
    DialogHooks().SaveFileName = [&](QWidget *, const QString &, const QString &, const QString &, const QString &) {
        return xml;
    };

    // An existing file: No keeps it.
    WriteFile(xml, "keep");
    Prompts.Answers = {TPromptAnswer::No};
    ASSERT_TRUE(Run("ActionExportToExcel"));
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Would you like to replace the existing file?"));
    EXPECT_EQ(ReadText(xml), QStringLiteral("keep"));

    // Another extension writes nothing but still hands the name on.
    const QString txt = out.path() + QStringLiteral("/export.txt");
    DialogHooks().SaveFileName = [&](QWidget *, const QString &, const QString &, const QString &, const QString &) {
        return txt;
    };
    Opened.clear();
    ASSERT_TRUE(Run("ActionExportToExcel"));
    EXPECT_FALSE(QFileInfo::exists(txt));
    EXPECT_EQ(Opened, QStringList{txt});
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();

    // A CAD drawing per batch, named as the .csv files are; the spreadsheet program is not asked
    // to open a drawing.
    const QString dxf = out.path() + QStringLiteral("/plan.dxf");
    DialogHooks().SaveFileName = [&](QWidget *, const QString &, const QString &, const QString &filter,
                                     const QString &) {
        EXPECT_TRUE(filter.contains(QStringLiteral("AutoCAD DXF, one drawing per batch (*.dxf)")));
        return dxf;
    };
    Opened.clear();
    ASSERT_TRUE(Run("ActionExportToExcel"));
    EXPECT_TRUE(QFileInfo::exists(out.path() + QStringLiteral("/plan-Wall & Deck (Cover).dxf")));
    EXPECT_TRUE(QFileInfo::exists(out.path() + QStringLiteral("/plan-Slab (Half Cell).dxf")));
    EXPECT_TRUE(Opened.isEmpty()) << Opened.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
}

TEST_F(FormMainTest, TabReportsAreTheReportsOfTheSettingsFolderInReverseOrder)
{
    Start();
    const int before = Form->TabReports().Count();
    WriteFile(SettingsFolder() + QStringLiteral("Alpha.vcr"));
    WriteFile(SettingsFolder() + QStringLiteral("Zulu.vcr"));
    WriteFile(SettingsFolder() + QStringLiteral("notes.txt"));
    Form->LoadTabReports();
    ASSERT_EQ(Form->TabReports().Count(), before + 2);
    QStringList names;
    for (int i = 0; i < Form->TabReports().Count(); ++i)
        names << Form->TabReports().Items(i)->NameOnly();
    EXPECT_LT(names.indexOf(QStringLiteral("Zulu.vcr")), names.indexOf(QStringLiteral("Alpha.vcr")));
    QFile::remove(SettingsFolder() + QStringLiteral("Zulu.vcr"));
    Form->LoadTabReports();
    EXPECT_EQ(Form->TabReports().Count(), before + 1);
}

TEST_F(FormMainTest, PleaseWaitWindowAndBusyState)
{
    TFormPleaseWait wait;
    wait.SetProgress(QStringLiteral("Reading batch 1"), 250);
    EXPECT_EQ(wait.Message(), QStringLiteral("Reading batch 1"));
    EXPECT_EQ(wait.ProgressBar()->value(), 100) << "clamped to the maximum";
    wait.SetProgress(QStringLiteral("Connecting"), -1);
    EXPECT_EQ(wait.ProgressBar()->maximum(), 0) << "a marquee";
    wait.show();
    EXPECT_FALSE(wait.ButtonCancel()->isVisible());
    EXPECT_EQ(wait.height(), 66);
    wait.hide();
    bool cancelled = false;
    wait.CancelHandler = [&] { cancelled = true; };
    wait.show();
    EXPECT_TRUE(wait.ButtonCancel()->isVisible());
    EXPECT_EQ(wait.height(), 92);
    wait.ButtonCancel()->click();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(wait.isVisible());

    Start();
    Form->SetBusy(true);
    ASSERT_TRUE(WaitUntil([&] { return Form->PleaseWait()->isVisible(); }));
    Form->SetBusy(false);
    EXPECT_FALSE(Form->PleaseWait()->isVisible());
    // Without a cancel handler neither Esc nor the window's close button ends the wait.
    TFormPleaseWait *shown = Form->PleaseWait();
    Form->SetBusy(true);
    ASSERT_TRUE(WaitUntil([&] { return shown->isVisible(); }));
    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_FALSE(shown->close());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(Form->Busy());
    Form->SetBusy(false);
    // With one, both do what Cancel does.
    for (const bool escape : {true, false}) {
        int cancels = 0;
        shown->CancelHandler = [&] { ++cancels; };
        Form->SetBusy(true);
        ASSERT_TRUE(WaitUntil([&] { return shown->isVisible(); }));
        if (escape)
            QTest::keyClick(shown, Qt::Key_Escape);
        else
            EXPECT_TRUE(shown->close());
        EXPECT_EQ(cancels, 1) << (escape ? "Esc" : "close");
        EXPECT_FALSE(shown->isVisible());
        EXPECT_FALSE(Form->Busy()) << "closing with Cancel clears the busy flag";
        shown->CancelHandler = nullptr;
    }
}

TEST_F(FormMainTest, HelpAndAboutOpen)
{
    Start();
    ASSERT_TRUE(Run("ActionHelp"));
    ASSERT_EQ(Opened.size(), 1);
    EXPECT_TRUE(Opened.constFirst().endsWith(QStringLiteral("/index.html")));
    EXPECT_TRUE(ReadText(Opened.constFirst()).contains(QStringLiteral("k27sim")));
    QString shown;
    Dialog = [&](QDialog &d) {
        shown = Child<QLabel>(d, "LabelVersion")->text();
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(Run("ActionAbout"));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Version : ")));
}
