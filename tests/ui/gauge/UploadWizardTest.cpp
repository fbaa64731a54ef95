// The upload wizard on its own: the pages walked once per template, the batch naming methods
// with their preview, the default tags and the per-batch tags with their use-default boxes.
#include "TemplatesTestSupport.h"
#include "UnitBatchList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

class UploadWizardTest : public TemplatesTest {
protected:
    // Two templates: "Deck North" (grouped cover and half-cell grid, linear cover), "Pier" (one cover).
    TFormUploadWizard &Make()
    {
        Wizard = std::make_unique<TFormUploadWizard>();
        TTemplateList *deck = Wizard->Templates.Add();
        deck->Name = QStringLiteral("Deck North");
        deck->AutoInc = 41;
        deck->Default.Site = QStringLiteral("Harbour");
        for (int type : {0, 1, 0}) {
            TTemplateItem *d = deck->Add();
            d->BatchType = static_cast<std::uint8_t>(type);
            d->Columns = 4;
            d->Rows = 3;
        }
        deck->Items(0)->Grouped = deck->Items(1)->Grouped = true;
        deck->Items(2)->BatchFormat = 1;
        deck->Items(2)->Columns = 1;
        deck->Items(2)->Rows = 1000;
        TTemplateList *pier = Wizard->Templates.Add();
        pier->Name = QStringLiteral("Pier");
        pier->Add()->BatchType = 0;
        Wizard->show();
        return *Wizard;
    }
    QStringList Column(QTreeWidget *list, int column)
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(column);
        return texts;
    }
    std::unique_ptr<TFormUploadWizard> Wizard;
};

TEST_F(UploadWizardTest, NextAndBackWalkAcrossTemplates)
{
    TFormUploadWizard &w = Make();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Upload Wizard"));
    EXPECT_EQ(w.PageTitle(w.CurrentPage()), QStringLiteral("Welcome to the Upload Wizard"));
    struct Step {
        bool Forward;
        int Page, Template;
    };
    const Step steps[] = {
        {true, TFormUploadWizard::PageBatchIDs, 0},   {true, TFormUploadWizard::PageDefaultTags, 0},
        {true, TFormUploadWizard::PageBatchTags, 0},  {true, TFormUploadWizard::PageBatchIDs, 1},
        {false, TFormUploadWizard::PageBatchTags, 0}, {true, TFormUploadWizard::PageBatchIDs, 1},
        {true, TFormUploadWizard::PageDefaultTags, 1}, {true, TFormUploadWizard::PageBatchTags, 1},
        {true, TFormUploadWizard::PageCompleted, 1},  {false, TFormUploadWizard::PageBatchTags, 1},
    };
    for (const Step &s : steps) {
        (s.Forward ? w.ButtonNext() : w.ButtonBack())->click();
        EXPECT_EQ(w.CurrentPage(), s.Page);
        EXPECT_EQ(w.TemplateIndex(), s.Template);
    }
    EXPECT_EQ(w.LabelBatchIDsTemplate()->text(), QStringLiteral("Pier"));
    w.ButtonNext()->click();
    EXPECT_TRUE(w.ButtonFinish()->isVisible());
    w.ButtonFinish()->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(UploadWizardTest, NamingMethodChangesThePreviewAtOnceWithoutCommitting)
{
    TFormUploadWizard &w = Make();
    w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageBatchIDs);
    EXPECT_EQ(w.LabelBatchIDsTemplate()->text(), QStringLiteral("Deck North"));
    EXPECT_TRUE(w.RadioButtonBatchOrder()->isChecked());
    EXPECT_EQ(Column(w.ListViewBatchIDs(), 4),
              QStringList({"Deck North 00001", "Deck North 00001", "Deck North 00002"}));
    EXPECT_EQ(Column(w.ListViewBatchIDs(), 2), QStringList({"4", "4", "-"}));
    w.RadioButtonUploadCount()->click();
    EXPECT_EQ(w.Templates.Items(0)->BatchNameType, 1);
    EXPECT_EQ(Column(w.ListViewBatchIDs(), 4),
              QStringList({"Deck North 00041", "Deck North 00041", "Deck North 00042"}));
    EXPECT_EQ(w.Templates.Items(0)->AutoInc, 41);
    w.RadioButtonBatchOrder()->click();
    EXPECT_EQ(w.Templates.Items(0)->BatchNameType, 0);
    EXPECT_EQ(Column(w.ListViewBatchIDs(), 4).first(), QStringLiteral("Deck North 00001"));
}

TEST_F(UploadWizardTest, DefaultTagsAreWrittenAtOnceAndAppliedOnNext)
{
    TFormUploadWizard &w = Make();
    w.ButtonNext()->click();
    w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageDefaultTags);
    EXPECT_EQ(w.EditDefault(TFormUploadWizard::TagSite)->text(), QStringLiteral("Harbour"));
    EXPECT_EQ(w.ComboBoxDefaultBarGrade()->count(), 4);
    EXPECT_EQ(w.ComboBoxDefaultBarGrade()->itemText(3), QStringLiteral("DUPLEX"));
    EXPECT_EQ(w.ComboBoxDefaultCellType()->itemText(1), QStringLiteral("AG/AGCL"));
    // The text limits: 16 characters, the note 21.
    QLineEdit *site = w.EditDefault(TFormUploadWizard::TagSite);
    site->clear();
    TypeText(site, QStringLiteral("Harbour Road Bridge West"));
    EXPECT_EQ(site->text(), QStringLiteral("Harbour Road Bri"));
    QLineEdit *note = w.EditDefault(TFormUploadWizard::TagNote);
    TypeText(note, QStringLiteral("Soffit survey before resurfacing"));
    EXPECT_EQ(note->text(), QStringLiteral("Soffit survey before "));
    EXPECT_EQ(w.Templates.Items(0)->Default.Site, QStringLiteral("Harbour Road Bri"));
    w.ComboBoxDefaultBarGrade()->setCurrentIndex(2);
    EXPECT_EQ(w.Templates.Items(0)->Default.BarGrade, 2);
    EXPECT_EQ(w.Templates.Items(0)->Items(0)->Site, QString()); // not yet applied
    w.ButtonNext()->click();
    EXPECT_EQ(w.Templates.Items(0)->Items(0)->Site, QStringLiteral("Harbour Road Bri"));
    EXPECT_EQ(w.Templates.Items(0)->Items(2)->Note, QStringLiteral("Soffit survey before "));
    EXPECT_EQ(w.Templates.Items(0)->Items(0)->BarGrade, 2);
    EXPECT_EQ(w.Templates.Items(0)->Items(0)->Columns, 4);
}

TEST_F(UploadWizardTest, BatchTagsTreeAndUseDefaultBoxes)
{
    TFormUploadWizard &w = Make();
    for (int i = 0; i < 3; ++i)
        w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageBatchTags);
    QTreeWidgetItem *root = w.TreeViewBatches()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), QStringLiteral("Batches"));
    EXPECT_TRUE(root->isExpanded());
    EXPECT_FALSE(root->flags() & Qt::ItemIsSelectable);
    QStringList captions;
    for (int i = 0; i < root->childCount(); ++i)
        captions << root->child(i)->text(0);
    EXPECT_EQ(captions, QStringList({"Grid (4, 3)", "Grid (4, 3)", "Linear (1, 1000)"}));
    // The first definition (cover) is selected: bar grade shown, cell type hidden.
    ASSERT_EQ(w.SelectedDefinition(), w.Templates.Items(0)->Items(0));
    EXPECT_FALSE(w.CheckBoxTag(TFormUploadWizard::TagCellType)->isVisible());
    EXPECT_TRUE(w.CheckBoxTag(TFormUploadWizard::TagBarGrade)->isVisible());
    QCheckBox *site = w.CheckBoxTag(TFormUploadWizard::TagSite);
    QLineEdit *edit = w.EditBatch(TFormUploadWizard::TagSite);
    EXPECT_EQ(site->text(), QStringLiteral("Site:"));
    EXPECT_TRUE(site->isChecked());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->text(), QStringLiteral("Harbour"));

    // Unchecked: the value stays, the box turns white and takes the focus.
    w.activateWindow();
    site->click();
    EXPECT_FALSE(w.Templates.Items(0)->Items(0)->UseDefaultSite);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(edit->text(), QStringLiteral("Harbour"));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(w.focusWidget(), edit);
    edit->selectAll();
    TypeText(edit, QStringLiteral("North Quay Wall Section"));
    EXPECT_EQ(w.Templates.Items(0)->Items(0)->Site, QStringLiteral("North Quay Wall "));
    // Checked again: the default comes back and the box greys.
    site->click();
    EXPECT_EQ(w.Templates.Items(0)->Items(0)->Site, QStringLiteral("Harbour"));
    EXPECT_EQ(edit->text(), QStringLiteral("Harbour"));
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_NE(edit->palette().color(QPalette::Base), QColor(Qt::white));

    // The half-cell definition shows the cell type instead of the bar grade.
    w.SelectDefinition(1);
    EXPECT_TRUE(w.CheckBoxTag(TFormUploadWizard::TagCellType)->isVisible());
    EXPECT_FALSE(w.CheckBoxTag(TFormUploadWizard::TagBarGrade)->isVisible());
    // Nothing selected: everything disabled.
    w.TreeViewBatches()->clearSelection();
    EXPECT_FALSE(site->isEnabled());
    EXPECT_FALSE(edit->isEnabled());
}

TEST_F(UploadWizardTest, CancelLeavesTheTemplatesFilesAlone)
{
    WriteTemplate(QStringLiteral("Deck"), {{0, 0}});
    const QByteArray before = [] {
        QFile f(TemplateFile(QStringLiteral("Deck")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    TFormUploadWizard &w = Make();
    w.ButtonNext()->click();
    w.RadioButtonUploadCount()->click();
    w.ButtonCancel()->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    QFile f(TemplateFile(QStringLiteral("Deck")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}
