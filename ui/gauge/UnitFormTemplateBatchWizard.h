#pragma once
// "Template Batch Wizard": creates or changes one batch definition of a template. The caller puts
// the definition into Batch, runs the wizard and, after Finish, takes Batch back.
#include "UnitTemplateList.h"
#include "UnitWizardDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

class TFormTemplateBatchWizard : public TWizardDialog {
    Q_OBJECT
public:
    enum TPageIndex { PageWelcome, PageBatchDetails, PageGridDimensions, PageLimits, PageCompleted };

    explicit TFormTemplateBatchWizard(QWidget *parent = nullptr);

    // The definition being created or changed.
    TTemplateItem Batch;

    // Sets the unit labels and fills the controls from Batch (done when the wizard is shown).
    void Prepare();

    QListWidget *ListBoxBatchFormat() const { return FFormat; }
    QLineEdit *EditColumns() const { return FColumns; }
    QLineEdit *EditRows() const { return FRows; }
    QLineEdit *EditGrid() const { return FGrid; }
    QLabel *LabelGrid() const { return FLabelGrid; }
    QCheckBox *CheckBoxHighLimit() const { return FApplyHigh; }
    QCheckBox *CheckBoxLowLimit() const { return FApplyLow; }
    QLineEdit *EditHighLimit() const { return FHigh; }
    QLineEdit *EditLowLimit() const { return FLow; }

    // The bounds of a batch type's limits in stored units (mm or mV).
    static double LowestLimit(int batchType);
    static double HighestLimit(int batchType);

protected:
    void showEvent(QShowEvent *event) override;
    bool LeavingForward(int index) override;

private:
    bool StoreGridDimensions();
    bool StoreLimits();
    void LimitAppliedChanged(QCheckBox *box, QLineEdit *edit, double allowed);
    bool Refuse(const QString &message, QLineEdit *edit);

    QListWidget *FFormat;
    QLineEdit *FColumns, *FRows, *FGrid, *FHigh, *FLow;
    QLabel *FLabelGrid;
    QCheckBox *FApplyHigh, *FApplyLow;
    bool FPrepared = false;
};
