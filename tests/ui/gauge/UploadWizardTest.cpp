// The upload wizard on its own: the pages walked once per template, the batch naming methods
// with their preview, the default tags and the per-batch tags with their use-default boxes.
#include "TemplatesTestSupport.h"
#include "UnitBatchList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QRadioButton>
#include <QTest>

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

// Texts stored longer than a box takes (an older or hand-made file) stay whole through edits of
// other tags; the user's own edit of such a box may shorten it but never lengthen it.
TEST_F(UploadWizardTest, LongStoredTagsStayWholeUntilTheUserShortensThem)
{
    const QString site = QStringLiteral("Harbour Road Bridge");
    const QString area = QStringLiteral("Pier 2 & bearing shelf");
    const QString note = QStringLiteral("Check the bearing shelf edge first.");
    Wizard = std::make_unique<TFormUploadWizard>();
    TTemplateList *templ = Wizard->Templates.Add();
    templ->Name = QStringLiteral("Harbour");
    templ->Default.Site = site;
    templ->Default.BarGrade = 7; // no known grade
    TTemplateItem *d = templ->Add();
    d->Area = area;
    d->Note = note;
    d->BarGrade = 9;
    d->UseDefaultArea = d->UseDefaultNote = d->UseDefaultBarGrade = false;
    Wizard->show();
    TFormUploadWizard &w = *Wizard;
    w.ButtonNext()->click();
    w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageDefaultTags);
    QLineEdit *siteEdit = w.EditDefault(TFormUploadWizard::TagSite);
    EXPECT_EQ(siteEdit->text(), site);
    EXPECT_EQ(w.ComboBoxDefaultBarGrade()->currentIndex(), -1);
    TypeText(w.EditDefault(TFormUploadWizard::TagEngineer), QStringLiteral("A. Mercer"));
    EXPECT_EQ(templ->Default.Engineer, QStringLiteral("A. Mercer"));
    EXPECT_EQ(templ->Default.Site, site);
    EXPECT_EQ(templ->Default.BarGrade, 7);

    w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageBatchTags);
    ASSERT_EQ(w.SelectedDefinition(), d);
    EXPECT_EQ(w.EditBatch(TFormUploadWizard::TagArea)->text(), area);
    EXPECT_EQ(w.EditBatch(TFormUploadWizard::TagNote)->text(), note);
    EXPECT_EQ(w.ComboBoxBatchBarGrade()->currentIndex(), -1);
    w.CheckBoxTag(TFormUploadWizard::TagLocation)->click();
    TypeText(w.EditBatch(TFormUploadWizard::TagLocation), QStringLiteral("North"));
    EXPECT_EQ(d->Location, QStringLiteral("North"));
    EXPECT_EQ(d->Area, area);
    EXPECT_EQ(d->Note, note);
    EXPECT_EQ(d->BarGrade, 9);
    EXPECT_EQ(d->Site, site); // applied from the default, whole

    // The user's own edits: typing at the end of a long text adds nothing, deleting shortens it,
    // and typing then stops at the box's limit.
    QLineEdit *areaEdit = w.EditBatch(TFormUploadWizard::TagArea);
    areaEdit->end(false);
    TypeText(areaEdit, QStringLiteral("X"));
    EXPECT_EQ(d->Area, area);
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(areaEdit, Qt::Key_Backspace);
    EXPECT_EQ(d->Area, QStringLiteral("Pier 2 & bear"));
    TypeText(areaEdit, QStringLiteral("ing shelf"));
    EXPECT_EQ(d->Area, QStringLiteral("Pier 2 & bearing"));
    // Deleting in the middle keeps the cursor where the user works.
    QLineEdit *noteEdit = w.EditBatch(TFormUploadWizard::TagNote);
    noteEdit->setCursorPosition(5);
    QTest::keyClick(noteEdit, Qt::Key_Backspace);
    QTest::keyClick(noteEdit, Qt::Key_Backspace);
    EXPECT_EQ(d->Note, QStringLiteral("Che the bearing shelf edge first."));
    EXPECT_EQ(noteEdit->cursorPosition(), 3);
    // A chosen grade is a change of the bar grade itself.
    w.ComboBoxBatchBarGrade()->setCurrentIndex(1);
    EXPECT_EQ(d->BarGrade, 1);
}

// A typed cell type is stored but never becomes a choice of its own, on either page.
TEST_F(UploadWizardTest, TypedCellTypesDoNotPileUpInTheChoices)
{
    TFormUploadWizard &w = Make();
    for (int i = 0; i < 2; ++i)
        w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageDefaultTags);
    const QStringList standard = {QStringLiteral("CU/CUSO4"), QStringLiteral("AG/AGCL")};
    auto choices = [](QComboBox *box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    };
    QComboBox *defaults = w.ComboBoxDefaultCellType();
    defaults->lineEdit()->selectAll();
    TypeText(defaults->lineEdit(), QStringLiteral("ZN/ZNSO4"));
    QTest::keyClick(defaults->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(w.Templates.Items(0)->Default.CellType, QStringLiteral("ZN/ZNSO4"));
    EXPECT_EQ(choices(defaults), standard);

    // Return may also have moved the wizard on (its default button).
    if (w.CurrentPage() == TFormUploadWizard::PageDefaultTags)
        w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageBatchTags);
    w.SelectDefinition(1); // the half-cell definition
    w.CheckBoxTag(TFormUploadWizard::TagCellType)->click();
    QComboBox *batch = w.ComboBoxBatchCellType();
    ASSERT_TRUE(batch->isEnabled());
    batch->lineEdit()->selectAll();
    TypeText(batch->lineEdit(), QStringLiteral("MN/MNO2"));
    QTest::keyClick(batch->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(w.Templates.Items(0)->Items(1)->CellType, QStringLiteral("MN/MNO2"));
    EXPECT_EQ(choices(batch), standard);
    // The next template's pages offer the two standard choices only.
    for (int guard = 0; guard < 3 && !(w.TemplateIndex() == 1 && w.CurrentPage() == TFormUploadWizard::PageDefaultTags);
         ++guard)
        w.ButtonNext()->click();
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageDefaultTags);
    ASSERT_EQ(w.TemplateIndex(), 1);
    EXPECT_EQ(choices(defaults), standard);
}

// The wizard's two templates have their files; changes on every page, then Cancel on the last
// page: neither file is touched.
TEST_F(UploadWizardTest, CancelLeavesTheTemplatesFilesAlone)
{
    TFormUploadWizard &w = Make();
    auto read = [](const QString &name) {
        QFile f(TemplateFile(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QMap<QString, QByteArray> before;
    for (int i = 0; i < w.Templates.Count(); ++i) {
        TTemplateList copy;
        copy.Assign(w.Templates.Items(i));
        copy.SaveToFile(TemplateFile(copy.Name));
        before[copy.Name] = read(copy.Name);
        ASSERT_FALSE(before[copy.Name].isEmpty());
    }
    ASSERT_EQ(before.size(), 2);
    for (int guard = 0; guard < 20 && w.CurrentPage() != TFormUploadWizard::PageCompleted; ++guard) {
        if (w.CurrentPage() == TFormUploadWizard::PageBatchIDs)
            w.RadioButtonUploadCount()->click();
        if (w.CurrentPage() == TFormUploadWizard::PageDefaultTags)
            TypeText(w.EditDefault(TFormUploadWizard::TagCustomer), QStringLiteral("Port Authority"));
        if (w.CurrentPage() == TFormUploadWizard::PageBatchTags) {
            w.CheckBoxTag(TFormUploadWizard::TagNote)->click();
            TypeText(w.EditBatch(TFormUploadWizard::TagNote), QStringLiteral("Recheck"));
        }
        w.ButtonNext()->click();
    }
    ASSERT_EQ(w.CurrentPage(), TFormUploadWizard::PageCompleted);
    EXPECT_EQ(w.Templates.Items(1)->Items(0)->Note, QStringLiteral("Recheck"));
    w.ButtonCancel()->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(read(it.key()), it.value()) << it.key().toStdString();
}
