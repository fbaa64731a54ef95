#pragma once
// "Upload Wizard": for each template of an upload, the batch naming method, the default tags and
// the tags of each batch. Nothing is saved or sent before Finish; the caller does that.
#include "UnitTemplateList.h"
#include "UnitWizardDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

class TFormUploadWizard : public TWizardDialog {
    Q_OBJECT
public:
    enum TPageIndex { PageWelcome, PageBatchIDs, PageDefaultTags, PageBatchTags, PageCompleted };
    // The tags of the "Default Tags" and "Batch Tags" pages, in their order.
    enum TTag { TagSite, TagLocation, TagArea, TagEngineer, TagCustomer, TagNote, TagCellType, TagBarGrade, TagCount };

    explicit TFormUploadWizard(QWidget *parent = nullptr);

    // The wizard list: copies of the templates to upload.
    TUploadTemplateList Templates;
    int TemplateIndex() const { return FIndex; }
    TTemplateList *CurrentTemplate() const;

    // Fills the bar grade and cell type boxes and starts on the first page (done when shown).
    void Prepare();

    // "Batch IDs"
    QLabel *LabelBatchIDsTemplate() const { return FIDsName; }
    QRadioButton *RadioButtonBatchOrder() const { return FBatchOrder; }
    QRadioButton *RadioButtonUploadCount() const { return FUploadCount; }
    QTreeWidget *ListViewBatchIDs() const { return FIDs; }
    // "Default Tags": edits of the default definition (the cell type and bar grade are combo boxes).
    QLabel *LabelDefaultTemplate() const { return FDefaultName; }
    QLineEdit *EditDefault(TTag tag) const { return FDefaultEdits[tag]; }
    QComboBox *ComboBoxDefaultCellType() const { return FDefaultCellType; }
    QComboBox *ComboBoxDefaultBarGrade() const { return FDefaultBarGrade; }
    // "Batch Tags"
    QTreeWidget *TreeViewBatches() const { return FTree; }
    QCheckBox *CheckBoxTag(TTag tag) const { return FChecks[tag]; }
    QLineEdit *EditBatch(TTag tag) const { return FBatchEdits[tag]; }
    QComboBox *ComboBoxBatchCellType() const { return FBatchCellType; }
    QComboBox *ComboBoxBatchBarGrade() const { return FBatchBarGrade; }
    // The edit control of a tag on the "Batch Tags" page (an edit box or a combo box).
    QWidget *BatchTagControl(TTag tag) const;
    // The definition selected in the tree, or nullptr.
    TTemplateItem *SelectedDefinition() const;
    void SelectDefinition(int index);

    // How many characters can be typed into a tag box; a longer stored text is shown and kept whole.
    static int TagLength(TTag tag) { return tag == TagNote ? 21 : 16; }

protected:
    void showEvent(QShowEvent *event) override;
    void PageEntered(int index) override;
    bool LeavingForward(int index) override;
    int NextPageOf(int index) const override;
    int PreviousPageOf(int index) const override;
    void Moving(int from, int to, bool forward) override;

private:
    void FillBatchIDs();
    void FillDefaultTags();
    void DefaultTagEdited();
    void FillBatchTree();
    void FillBatchControls();
    void BatchTagEdited();
    void BatchCheckClicked(TTag tag);

    int FIndex = 0;
    bool FFilling = false;
    bool FPrepared = false;
    QLabel *FIDsName, *FDefaultName, *FTagsName;
    QRadioButton *FBatchOrder, *FUploadCount;
    QTreeWidget *FIDs, *FTree;
    QLineEdit *FDefaultEdits[TagCount] = {};
    QComboBox *FDefaultCellType, *FDefaultBarGrade;
    QCheckBox *FChecks[TagCount] = {};
    QLineEdit *FBatchEdits[TagCount] = {};
    QComboBox *FBatchCellType, *FBatchBarGrade;
    QLabel *FCellTypeLabel = nullptr, *FBarGradeLabel = nullptr;
};
