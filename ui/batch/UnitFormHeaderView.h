#pragma once
// The header view of the batch view: every header field of one batch, the editable ones checked
// when they are left and written back at once through `OnBatchChanged`.
#include "UnitFileList.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class TFormHeaderView : public QWidget {
    Q_OBJECT
public:
    explicit TFormHeaderView(QWidget *parent = nullptr);
    ~TFormHeaderView() override;

    // Shows the entry when it differs from the copy held by FileName or FileModifiedTime.
    void ShowBatch(const TFileItem &entry);
    // Forces the next ShowBatch to redraw (after the display units changed).
    void Invalidate();
    const TFileItem &Item() const { return FItem; }
    // The edit handler: checks every editable field, stores them and reports the change.
    // `sender` is the field that was left (focus returns there when a check fails elsewhere).
    void EditExit(QWidget *sender = nullptr);

    // Sent with the edited entry after an accepted edit.
    std::function<void(const TFileItem &)> OnBatchChanged;

    QLineEdit *EditFileLocation, *EditBatchID, *EditReadings, *EditDateCreated, *EditDateUpdated,
        *EditBatchFormat, *EditColumns, *EditRows, *EditGrid, *EditHighLimit, *EditLowLimit,
        *EditGaugeHighLimit, *EditGaugeLowLimit, *EditTemperature, *EditCellType, *EditSite,
        *EditLocation, *EditArea, *EditEngineer, *EditCustomer, *EditNote;
    QCheckBox *CheckBoxHighLimit, *CheckBoxLowLimit;
    QComboBox *ComboBoxBarSeries, *ComboBoxBarSize, *ComboBoxBarGrade, *ComboBoxCellType;
    QLabel *LabelGrid, *LabelHighLimit, *LabelLowLimit, *LabelTemperature;

private:
    void Display();
    void ApplyEdit(QWidget *sender);
    void FillBarLists(const TBatchItem &batch);
    bool Fail(const QString &message, QLineEdit *field, const QString &stored);
    bool eventFilter(QObject *watched, QEvent *event) override;

    TFileItem FItem;
    bool FBusy = false; // while displaying or handling an edit
};
