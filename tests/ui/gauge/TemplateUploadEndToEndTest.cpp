// Templates prepared in the windows and uploaded into the simulated gauge from both entry
// points: the "D" records the gauge receives, the numbering kept in the template file, the
// gauge's refusals (memory full, batch exists, models that take no templates or no half-cells).
#include "GaugePaneSupport.h"
#include "TemplatesTestSupport.h"
#include "UnitBatchList.h"
#include "UnitCommK27Thread.h"
#include "UnitFormUploadTemplate.h"
#include "UnitTemplateUpload.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>

namespace {

TSimOptions FullModel()
{
    TSimOptions options;
    options.ModelLetter = "t"; // model code 2, cover and half-cell templates, bar grades
    return options;
}

QString TemplatePath(const QString &name) { return IncludeTrailingSlash(TemplatesFolder()) + name + QStringLiteral(".vct"); }

// The "D" and "E" commands the gauge received, as text.
QStringList DefineCommands(const TK27Simulator &sim)
{
    QStringList lines;
    for (const TSimCommand &c : sim.Commands()) {
        if (c.value(0) != "D" && c.value(0) != "E")
            continue;
        QStringList fields;
        for (const QByteArray &f : c)
            fields << QString::fromLatin1(f);
        lines << fields.join(QLatin1Char(' '));
    }
    return lines;
}

QString Hex(double value) { return QString::fromLatin1(TK27Simulator::FloatHex(value)); }

} // namespace

class TemplateUploadTest : public GaugePaneTest {
protected:
    void SetUp() override
    {
        GaugePaneTest::SetUp();
        ResetDialogHooks();
        DialogHooks().ExecDialog = [this](QDialog &d) {
            Shown << d.windowTitle();
            d.show();
            const int result = Dialog ? Dialog(d) : int(QDialog::Rejected);
            d.hide();
            return result;
        };
        QDir().mkpath(TemplatesFolder());
        Window = std::make_unique<TFormTemplates>();
        ConnectTemplateUpload(*Pane, *Window);
        Window->resize(800, 600);
        Window->show();
    }
    void TearDown() override
    {
        Window.reset();
        GaugePaneTest::TearDown();
        ResetDialogHooks();
    }

    // The wizard walked page by page; `batchTags` runs on the "Batch Tags" page of each template.
    std::function<int(QDialog &)> UploadWizardScript(bool uploadCount, const std::function<void(TFormUploadWizard &)> &defaults = {},
                                                     const std::function<void(TFormUploadWizard &)> &batchTags = {})
    {
        return [=](QDialog &d) {
            auto *w = dynamic_cast<TFormUploadWizard *>(&d);
            if (!w)
                return int(QDialog::Rejected);
            for (int guard = 0; guard < 40 && w->CurrentPage() != TFormUploadWizard::PageCompleted; ++guard) {
                if (w->CurrentPage() == TFormUploadWizard::PageBatchIDs)
                    (uploadCount ? w->RadioButtonUploadCount() : w->RadioButtonBatchOrder())->click();
                if (w->CurrentPage() == TFormUploadWizard::PageDefaultTags && defaults)
                    defaults(*w);
                if (w->CurrentPage() == TFormUploadWizard::PageBatchTags && batchTags)
                    batchTags(*w);
                w->ButtonNext()->click();
            }
            w->ButtonFinish()->click();
            return w->result();
        };
    }

    // "Quay Wall": a grouped cover and half-cell grid pair and a linear cover definition, made
    // with the window's actions and the template batch wizard.
    void PrepareQuayWall()
    {
        ASSERT_TRUE(Run(Window->ActionNewTemplate()));
        QLineEdit *name = nullptr;
        ASSERT_TRUE(ServeEventsUntil([&] {
            return (name = Window->ListViewTemplates()->findChild<QLineEdit *>(QStringLiteral("EditTemplateName")));
        }, 2000));
        name->setText(QStringLiteral("Quay Wall"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(name, &enter);
        ASSERT_TRUE(ServeEventsUntil([&] { return QFileInfo::exists(TemplatePath(QStringLiteral("Quay Wall"))); }, 2000));
        Window->SelectTemplate(QStringLiteral("Quay Wall"));

        auto definition = [this](QAction *action, bool linear, const char *high, const char *low) {
            Dialog = [=](QDialog &d) {
                return WalkBatchWizard(d, [=](TFormTemplateBatchWizard &w) {
                    w.ListBoxBatchFormat()->setCurrentRow(linear ? 1 : 0);
                    w.EditColumns()->setText(QStringLiteral("6"));
                    w.EditRows()->setText(QStringLiteral("4"));
                    w.EditGrid()->setText(QStringLiteral("250"));
                    w.CheckBoxHighLimit()->setChecked(true);
                    w.CheckBoxLowLimit()->setChecked(true);
                    w.EditHighLimit()->setText(QString::fromLatin1(high));
                    w.EditLowLimit()->setText(QString::fromLatin1(low));
                });
            };
            ASSERT_TRUE(Run(action));
        };
        definition(Window->ActionNewCoverBatch(), false, "60", "20");
        definition(Window->ActionNewHalfCellBatch(), false, "-200", "-350");
        definition(Window->ActionNewCoverBatch(), true, "75", "25");
        Window->SelectBatches({0, 1});
        ASSERT_TRUE(Run(Window->ActionGroup()));
        Dialog = nullptr;
        auto saved = ReadTemplate();
        ASSERT_EQ(saved->Count(), 3);
        ASSERT_TRUE(saved->Items(0)->Grouped && saved->Items(1)->Grouped);
    }
    static std::unique_ptr<TTemplateList> ReadTemplate(const QString &name = QStringLiteral("Quay Wall"))
    {
        auto t = std::make_unique<TTemplateList>();
        t->LoadFromFile(TemplatePath(name));
        return t;
    }
    bool Run(QAction *action)
    {
        Window->UpdateActions();
        Pane->UpdateActions();
        if (!action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    // Runs an upload action and waits for the busy state it starts to end.
    bool Upload(QAction *action)
    {
        const int before = Host.BusyOffCount;
        if (!Run(action))
            return false;
        return PumpUntil([&] { return Host.BusyOffCount > before; }, 30000);
    }
    QStringList GaugeIDs()
    {
        QStringList ids;
        for (const TSimBatch &b : Sim.Batches())
            ids << QString::fromLatin1(b.ID);
        return ids;
    }
    QString UploadedColumn()
    {
        QTreeWidgetItem *row = Window->ListViewTemplates()->topLevelItem(0);
        return row ? row->text(1) : QString();
    }

    std::unique_ptr<TFormTemplates> Window;
    std::function<int(QDialog &)> Dialog;
    QStringList Shown;
};

TEST_F(TemplateUploadTest, PreparedTemplateUploadsFromBothEntryPointsAndKeepsItsNumbering)
{
    ASSERT_TRUE(Connect(FullModel()));
    ASSERT_NO_FATAL_FAILURE(PrepareQuayWall());
    Window->SelectTemplate(QStringLiteral("Quay Wall"));
    Window->UpdateActions();
    ASSERT_TRUE(Window->ActionUploadSelectedTemplate()->isEnabled());

    // First upload, from the templates window, numbered by the upload count, with long tags.
    Dialog = UploadWizardScript(
        true,
        [](TFormUploadWizard &w) {
            TypeText(w.EditDefault(TFormUploadWizard::TagSite), QStringLiteral("Harbour Road Bridge West"));
            TypeText(w.EditDefault(TFormUploadWizard::TagEngineer), QStringLiteral("A. Mercer"));
            TypeText(w.EditDefault(TFormUploadWizard::TagNote), QStringLiteral("Survey before resurfacing"));
            w.ComboBoxDefaultBarGrade()->setCurrentIndex(2);
            w.ComboBoxDefaultCellType()->setCurrentIndex(1);
        },
        [](TFormUploadWizard &w) {
            // The linear run gets its own area.
            w.SelectDefinition(2);
            w.CheckBoxTag(TFormUploadWizard::TagArea)->click();
            TypeText(w.EditBatch(TFormUploadWizard::TagArea), QStringLiteral("Retaining wall section A"));
        });
    Sim.ClearCommands();
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    EXPECT_EQ(Shown, QStringList({"Template Batch Wizard", "Template Batch Wizard", "Template Batch Wizard", "Upload Wizard"}));
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(Host.Progress.contains(QStringLiteral("Please Wait...")));
    EXPECT_TRUE(Host.Progress.contains(QStringLiteral("Writing Templates...")));

    const QStringList expected = {
        // grouped cover grid
        "D A Quay Wall 00001", "D B COVER", "D E " + Hex(60), "D F " + Hex(20), "D G 3", "D H Harbour Road Bri",
        "D I ", "D K ", "D L A. Mercer", "D M ", "D N Survey before resurfa", "D Q ", "D R " + Hex(-100), "D S 316",
        "D P RECT", "D D 04", "D C 06", "D J " + Hex(250), "E",
        // its half-cell partner: the same number, volts
        "D A Quay Wall 00001", "D B HALFCELL", "D E " + Hex(-0.2), "D F " + Hex(-0.35), "D G 3", "D H Harbour Road Bri",
        "D I ", "D K ", "D L A. Mercer", "D M ", "D N Survey before resurfa", "D Q AG/AGCL", "D R " + Hex(-100), "D S 316",
        "D P RECT", "D D 04", "D C 06", "D J " + Hex(250), "E",
        // the linear cover run
        "D A Quay Wall 00002", "D B COVER", "D E " + Hex(75), "D F " + Hex(25), "D G 3", "D H Harbour Road Bri", "D I ",
        "D K Retaining wall s", "D L A. Mercer", "D M ", "D N Survey before resurfa", "D Q ", "D R " + Hex(-100),
        "D S 316", "D P LINEAR", "E"};
    EXPECT_EQ(DefineCommands(Sim), expected);
    EXPECT_EQ(GaugeIDs().filter(QStringLiteral("Quay Wall")),
              QStringList({"Quay Wall 00001", "Quay Wall 00001", "Quay Wall 00002"}));
    // The numbering is kept in the file, the window shows it, the pane lists the new batches.
    auto saved = ReadTemplate();
    EXPECT_EQ(saved->AutoInc, 3);
    EXPECT_EQ(saved->BatchNameType, 1);
    EXPECT_EQ(saved->Default.Site, QStringLiteral("Harbour Road Bri"));
    EXPECT_EQ(UploadedColumn(), QStringLiteral("2"));
    EXPECT_EQ(List().topLevelItemCount(), 7);

    // Second upload, from the gauge pane: the chooser first; "Use Upload Count" continues.
    Shown.clear();
    Dialog = [this](QDialog &d) {
        if (auto *chooser = dynamic_cast<TFormUploadTemplate *>(&d)) {
            EXPECT_FALSE(chooser->ButtonOK()->isEnabled());
            EXPECT_EQ(chooser->ListViewTemplates()->topLevelItemCount(), 1);
            chooser->ListViewTemplates()->topLevelItem(0)->setSelected(true);
            EXPECT_TRUE(chooser->ButtonOK()->isEnabled());
            chooser->ButtonOK()->click();
            return chooser->result();
        }
        return UploadWizardScript(true)(d);
    };
    Sim.ClearCommands();
    ASSERT_TRUE(Upload(Pane->ActionUploadTemplate()));
    EXPECT_EQ(Shown, QStringList({"Upload Template", "Upload Wizard"}));
    QStringList ids;
    for (const QString &line : DefineCommands(Sim))
        if (line.startsWith(QLatin1String("D A ")))
            ids << line.mid(4);
    EXPECT_EQ(ids, QStringList({"Quay Wall 00003", "Quay Wall 00003", "Quay Wall 00004"}));
    EXPECT_EQ(ReadTemplate()->AutoInc, 5);
    EXPECT_EQ(UploadedColumn(), QStringLiteral("4"));
    EXPECT_TRUE(Prompts.Errors.isEmpty());
}

// The shipped template holds tags longer than the wizard's boxes take: edits of other tags keep
// them whole in the file, and the gauge gets as much of each as it takes.
TEST_F(TemplateUploadTest, ShippedTemplateUploadsWithTheBatchOrder)
{
    QFile::copy(QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Templates/Harbour Road Bridge.vct"),
                TemplatePath(QStringLiteral("Harbour Road Bridge")));
    QFile::setPermissions(TemplatePath(QStringLiteral("Harbour Road Bridge")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(Connect(FullModel()));
    Window->Refresh();
    Window->SelectTemplate(QStringLiteral("Harbour Road Bridge"));
    const int last = ReadTemplate(QStringLiteral("Harbour Road Bridge"))->Count() - 1;
    Dialog = UploadWizardScript(
        false,
        [](TFormUploadWizard &w) {
            w.EditDefault(TFormUploadWizard::TagEngineer)->selectAll();
            TypeText(w.EditDefault(TFormUploadWizard::TagEngineer), QStringLiteral("B. Okafor"));
        },
        [last](TFormUploadWizard &w) {
            w.SelectDefinition(last);
            if (w.CheckBoxTag(TFormUploadWizard::TagLocation)->isChecked())
                w.CheckBoxTag(TFormUploadWizard::TagLocation)->click();
            w.EditBatch(TFormUploadWizard::TagLocation)->selectAll();
            TypeText(w.EditBatch(TFormUploadWizard::TagLocation), QStringLiteral("Pier 2"));
        });
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
    QStringList ids = GaugeIDs().filter(QStringLiteral("Harbour Ro"));
    auto saved = ReadTemplate(QStringLiteral("Harbour Road Bridge"));
    EXPECT_EQ(ids.size(), saved->Count());
    EXPECT_EQ(ids.value(0), QStringLiteral("Harbour Ro 00001"));
    // Batch order leaves the running number alone.
    EXPECT_EQ(saved->AutoInc, 1);
    EXPECT_EQ(saved->Default.Site, QStringLiteral("Harbour Road Bridge"));
    EXPECT_EQ(saved->Default.Engineer, QStringLiteral("B. Okafor"));
    EXPECT_EQ(saved->Items(last)->Location, QStringLiteral("Pier 2"));
    EXPECT_EQ(saved->Items(last)->Area, QStringLiteral("Pier 2 & bearing shelf"));
    EXPECT_EQ(saved->Items(last)->Note, QStringLiteral("Check the bearing shelf edge first."));
    int seen = 0;
    for (const TSimBatch &b : Sim.Batches()) {
        if (!b.ID.startsWith("Harbour Ro"))
            continue;
        ++seen;
        EXPECT_EQ(b.Site, QByteArray("Harbour Road Bri"));
        EXPECT_EQ(b.Engineer, QByteArray("B. Okafor"));
        if (b.Location == "Pier 2") {
            EXPECT_EQ(b.Area, QByteArray("Pier 2 & bearing"));
            EXPECT_EQ(b.Note, QByteArray("Check the bearing shelf "));
        }
    }
    EXPECT_EQ(seen, saved->Count());
    const QList<TSimBatch> batches = Sim.Batches();
    EXPECT_EQ(std::count_if(batches.begin(), batches.end(), [](const TSimBatch &b) { return b.Location == "Pier 2"; }),
              1);
}

// The numbering goes back to the file that was loaded, also when its extension is upper case and
// another file differs from it only in that.
TEST_F(TemplateUploadTest, NumberingIsKeptInTheFileThatWasLoaded)
{
    auto write = [](const QString &file, int autoInc) {
        TTemplateList t;
        t.AutoInc = autoInc;
        t.BatchNameType = 1;
        TTemplateItem *d = t.Add();
        d->Columns = 2;
        d->Rows = 2;
        d->Grid = 100;
        d->HighLimit = 60;
        d->LowLimit = 20;
        t.SaveToFile(IncludeTrailingSlash(TemplatesFolder()) + file);
    };
    write(QStringLiteral("Bridge.VCT"), 1);
    write(QStringLiteral("Bridge.vct"), 5);
    ASSERT_TRUE(Connect(FullModel()));
    Window->Refresh();
    Window->SelectTemplate(QStringLiteral("Bridge"));
    ASSERT_EQ(Window->SelectedTemplates().size(), 2);
    Dialog = UploadWizardScript(true);
    Sim.ClearCommands();
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
    QStringList ids = GaugeIDs().filter(QStringLiteral("Bridge"));
    ids.sort();
    EXPECT_EQ(ids, QStringList({"Bridge 00001", "Bridge 00005"}));
    EXPECT_EQ(QDir(TemplatesFolder()).entryList(QDir::Files, QDir::Name), QStringList({"Bridge.VCT", "Bridge.vct"}));
    auto autoInc = [](const QString &file) {
        TTemplateList t;
        t.LoadFromFile(IncludeTrailingSlash(TemplatesFolder()) + file);
        return t.AutoInc;
    };
    EXPECT_EQ(autoInc(QStringLiteral("Bridge.VCT")), 2);
    EXPECT_EQ(autoInc(QStringLiteral("Bridge.vct")), 6);
}

TEST_F(TemplateUploadTest, CancelledWizardOrEmptyTemplatesSendNothing)
{
    ASSERT_TRUE(Connect(FullModel()));
    ASSERT_NO_FATAL_FAILURE(PrepareQuayWall());
    {
        TTemplateList empty;
        empty.SaveToFile(TemplatePath(QStringLiteral("Empty")));
    }
    Window->Refresh();
    const QByteArray before = [] {
        QFile f(TemplatePath(QStringLiteral("Quay Wall")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    Sim.ClearCommands();
    Shown.clear();
    // Only the template without definitions: silently nothing.
    Window->SelectTemplate(QStringLiteral("Empty"));
    ASSERT_TRUE(Run(Window->ActionUploadSelectedTemplate()));
    EXPECT_TRUE(Shown.isEmpty());
    // The wizard cancelled on its last page.
    Window->SelectTemplate(QStringLiteral("Quay Wall"));
    Dialog = [](QDialog &d) {
        auto *w = dynamic_cast<TFormUploadWizard *>(&d);
        for (int i = 0; i < 4; ++i)
            w->ButtonNext()->click();
        w->RadioButtonUploadCount()->click();
        w->ButtonCancel()->click();
        return w->result();
    };
    ASSERT_TRUE(Run(Window->ActionUploadSelectedTemplate()));
    EXPECT_EQ(Shown, QStringList({"Upload Wizard"}));
    PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(DefineCommands(Sim).isEmpty());
    EXPECT_FALSE(Host.Busy);
    QFile f(TemplatePath(QStringLiteral("Quay Wall")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

// The connection ends while the wizard is open: Finish numbers nothing and says that nothing
// was uploaded.
TEST_F(TemplateUploadTest, AConnectionEndedDuringTheWizardIsToldAndUsesNoNumbers)
{
    ASSERT_TRUE(Connect(FullModel()));
    ASSERT_NO_FATAL_FAILURE(PrepareQuayWall());
    Window->SelectTemplate(QStringLiteral("Quay Wall"));
    const std::function<int(QDialog &)> walk = UploadWizardScript(true);
    Dialog = [&](QDialog &d) {
        Pane->StopConnection();
        return walk(d);
    };
    Sim.ClearCommands();
    Shown.clear();
    ASSERT_TRUE(Run(Window->ActionUploadSelectedTemplate()));
    EXPECT_EQ(Shown, QStringList(QStringLiteral("Upload Wizard")));
    EXPECT_EQ(Prompts.Errors,
              QStringList(QStringLiteral("The connection to the gauge has ended. Nothing was uploaded.")));
    EXPECT_EQ(ReadTemplate()->AutoInc, 1);
    EXPECT_EQ(ReadTemplate()->BatchNameType, 0);
    EXPECT_TRUE(DefineCommands(Sim).isEmpty());
    EXPECT_FALSE(Host.Busy);
}

TEST_F(TemplateUploadTest, MemoryFullEndsWithItsMessageAndKeepsWhatWasStored)
{
    TSimOptions options = FullModel();
    options.Capacity = 5; // the four demo batches and one more
    ASSERT_TRUE(Connect(options));
    ASSERT_NO_FATAL_FAILURE(PrepareQuayWall());
    Window->SelectTemplate(QStringLiteral("Quay Wall"));
    Dialog = UploadWizardScript(true);
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    EXPECT_EQ(Prompts.Errors, QStringList(QStringLiteral("Communications Error: (Gauge memory full)")));
    EXPECT_EQ(GaugeIDs().filter(QStringLiteral("Quay Wall")), QStringList({"Quay Wall 00001"}));
    // The pane lists what was stored and the connection stays for the next command.
    QStringList listed;
    for (int i = 0; i < List().topLevelItemCount(); ++i)
        listed << List().topLevelItem(i)->text(0);
    EXPECT_TRUE(listed.contains(QStringLiteral("Quay Wall 00001")));
    EXPECT_EQ(listed.size(), 5);
    EXPECT_FALSE(Pane->Thread()->isFinished());
    EXPECT_FALSE(Host.Busy);
    // The numbers handed out stay used.
    EXPECT_EQ(ReadTemplate()->AutoInc, 3);
}

TEST_F(TemplateUploadTest, BatchExistsAnswersEndWithTheirOwnMessages)
{
    ASSERT_TRUE(Connect(FullModel()));
    ASSERT_NO_FATAL_FAILURE(PrepareQuayWall());
    Window->SelectTemplate(QStringLiteral("Quay Wall"));
    Dialog = UploadWizardScript(false);
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    ASSERT_EQ(GaugeIDs().filter(QStringLiteral("Quay Wall")).size(), 3);

    // The same names again: the pane asks per batch; No keeps the gauge's batch.
    Prompts.Answers = {TPromptAnswer::No, TPromptAnswer::No, TPromptAnswer::No};
    Sim.ClearCommands();
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    ASSERT_FALSE(Prompts.Questions.isEmpty());
    EXPECT_EQ(Prompts.Questions.first(), QStringLiteral("The gauge already contains a batch named 'Quay Wall 00001'\r\n\r\n"
                                                         "Would you like to replace the existing batch?"));
    EXPECT_TRUE(DefineCommands(Sim).isEmpty());
    EXPECT_EQ(GaugeIDs().filter(QStringLiteral("Quay Wall")).size(), 3);

    // The gauge itself answers "batch exists": its message, and the stage ends.
    TSimOptions options = FullModel();
    options.BatchExists = true;
    Sim.SetOptions(options);
    ASSERT_NO_FATAL_FAILURE(Window->RenameTemplate(0, QStringLiteral("Quay East")));
    Window->SelectTemplate(QStringLiteral("Quay East"));
    Prompts.Errors.clear();
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    EXPECT_EQ(Prompts.Errors, QStringList(QStringLiteral("Communications Error: (Batch already exists)")));
    EXPECT_EQ(GaugeIDs().filter(QStringLiteral("Quay Wall")).size(), 3);
    EXPECT_FALSE(Pane->Thread()->isFinished());
}

TEST_F(TemplateUploadTest, GaugesThatTakeNoHalfCellsOrNoTemplates)
{
    // A cover-only full model: the half-cell definition is not sent.
    TSimOptions options = FullModel();
    options.ModelLetter = "T";
    ASSERT_TRUE(Connect(options));
    ASSERT_NO_FATAL_FAILURE(PrepareQuayWall());
    Window->SelectTemplate(QStringLiteral("Quay Wall"));
    Dialog = UploadWizardScript(false);
    Sim.ClearCommands();
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    EXPECT_FALSE(DefineCommands(Sim).join(QLatin1Char('|')).contains(QLatin1String("HALFCELL")));
    EXPECT_EQ(GaugeIDs().filter(QStringLiteral("Quay Wall")), QStringList({"Quay Wall 00001", "Quay Wall 00002"}));
    for (const TSimBatch &b : Sim.Batches()) {
        if (b.ID.startsWith("Quay Wall")) {
            EXPECT_EQ(b.BatchType, 0);
        }
    }

    // A basic gauge taking half-cell templates is refused at connection with its message; neither
    // Upload can start on the ended connection.
    options.ModelLetter = "b";
    Prompts.Errors.clear();
    Sim.SetOptions(options);
    Pane->StartConnection();
    ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->isFinished(); }));
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(Prompts.Errors, QStringList(QStringLiteral("Basic model not supported.")));
    Window->UpdateActions();
    Pane->UpdateActions();
    EXPECT_FALSE(Window->ActionUploadSelectedTemplate()->isEnabled());
    EXPECT_FALSE(Pane->ActionUploadTemplate()->isEnabled());

    // A standard model (code 1) takes linear templates: the templates window may upload, the
    // gauge pane's Upload stays for the full model only.
    options.ModelLetter = "s";
    Sim.SetOptions(options);
    ASSERT_TRUE(Connect(options));
    Window->UpdateActions();
    Pane->UpdateActions();
    EXPECT_TRUE(Window->ActionUploadSelectedTemplate()->isEnabled());
    EXPECT_FALSE(Pane->ActionUploadTemplate()->isEnabled());
    Sim.ClearCommands();
    Prompts.Answers = {TPromptAnswer::Yes}; // the linear run is there from the upload above
    ASSERT_TRUE(Upload(Window->ActionUploadSelectedTemplate()));
    QStringList ids;
    for (const QString &line : DefineCommands(Sim))
        if (line.startsWith(QLatin1String("D A ")))
            ids << line.mid(4);
    EXPECT_EQ(ids, QStringList({"Quay Wall 00002"}));

    // No gauge at all.
    Pane->StopConnection();
    Window->UpdateActions();
    EXPECT_FALSE(Window->ActionUploadSelectedTemplate()->isEnabled());
}

TEST_F(TemplateUploadTest, AFailedConnectionTakesNoUpload)
{
    ASSERT_TRUE(Connect(FullModel()));
    TemplatesTest::WriteTemplate(QStringLiteral("Deck"), {{0, 0}});
    Window->Refresh();
    Window->SelectTemplate(QStringLiteral("Deck"));
    // The gauge stops answering in the middle of a download: the connection ends with an error
    // but keeps its list and its connected state until the next Refresh.
    TSimOptions silent = FullModel();
    silent.Silent = true;
    Sim.SetOptions(silent);
    List().selectAll();
    Pane->DownloadTo(Folder);
    ASSERT_TRUE(PumpUntil([&] { return Pane->Thread()->isFinished(); }, 60000));
    PumpUntil([] { return false; }, 50);
    ASSERT_FALSE(Prompts.Errors.isEmpty());
    EXPECT_TRUE(Pane->Connected());
    // Both Uploads follow the ended connection by themselves, and agree.
    EXPECT_TRUE(PumpUntil([&] { return !Pane->ActionUploadTemplate()->isEnabled(); }, 5000));
    EXPECT_TRUE(PumpUntil([&] { return !Window->ActionUploadSelectedTemplate()->isEnabled(); }, 5000));
    Shown.clear();
    Pane->ActionUploadTemplate()->trigger();
    Window->ActionUploadSelectedTemplate()->trigger();
    EXPECT_TRUE(Shown.isEmpty());
}
