#include "UnitFormTemplateBatchWizard.h"
#include "UnitKeyboardAccess.h"

#include "UnitColourScheme.h"

#include "UnitBatchList.h"
#include "UnitDisplayNumber.h"
#include "UnitException.h"
#include "UnitPrompt.h"
#include "UnitUnits.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int SizeLow = 1, SizeHigh = 255;
constexpr double GridLow = 50, GridHigh = 10000;

QLabel *Caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// A read-only edit box looks grey like a disabled one, but still shows its value.
void SetEditable(QLineEdit *edit, bool editable)
{
    edit->setReadOnly(!editable);
    ShowEditGreyed(edit, !editable);
}
} // namespace

double TFormTemplateBatchWizard::LowestLimit(int batchType) { return batchType == BatchTypeCover ? 1.0 : -999.0; }
double TFormTemplateBatchWizard::HighestLimit(int batchType) { return batchType == BatchTypeCover ? 250.0 : 999.0; }

TFormTemplateBatchWizard::TFormTemplateBatchWizard(QWidget *parent)
    : TWizardDialog(parent), FFormat(new QListWidget(this)), FColumns(new QLineEdit(this)), FRows(new QLineEdit(this)),
      FGrid(new QLineEdit(this)), FHigh(new QLineEdit(this)), FLow(new QLineEdit(this)), FLabelGrid(new QLabel(this)),
      FApplyHigh(new QCheckBox(this)), FApplyLow(new QCheckBox(this))
{
    setObjectName(QStringLiteral("FormTemplateBatchWizard"));
    setWindowTitle(Tr("Template Batch Wizard"));

    AddPage(nullptr, Tr("Welcome to the Template Batch Wizard"),
            Tr("This wizard will allow you to create or modify a template batch."), true);

    auto *details = new QWidget(this);
    {
        auto *layout = new QVBoxLayout(details);
        auto *box = new QGroupBox(Tr("Batch Format"), details);
        auto *inner = new QVBoxLayout(box);
        inner->addWidget(Caption(Tr("Determines the format of the batch data."), box));
        FFormat->setObjectName(QStringLiteral("ListBoxBatchFormat"));
        FFormat->setAccessibleName(Tr("Batch Format"));
        FFormat->addItems({BatchFormatName(BatchFormatGrid), BatchFormatName(BatchFormatLinear)});
        FFormat->setMaximumHeight(60);
        inner->addWidget(FFormat);
        layout->addWidget(box);
        layout->addStretch(1);
    }
    AddPage(details, Tr("Batch Details"), Tr("Enter batch details"));

    auto *grid = new QWidget(this);
    {
        auto *form = new QFormLayout(grid);
        FColumns->setObjectName(QStringLiteral("EditColumns"));
        FRows->setObjectName(QStringLiteral("EditRows"));
        FGrid->setObjectName(QStringLiteral("EditGrid"));
        FLabelGrid->setObjectName(QStringLiteral("LabelGrid"));
        form->addRow(Tr("Number of Columns"), FColumns);
        form->addRow(Tr("Number of Rows"), FRows);
        form->addRow(FLabelGrid, FGrid);
    }
    AddPage(grid, Tr("Grid Dimensions"), Tr("Specify the dimensions of the grid"));

    auto *limits = new QWidget(this);
    {
        auto *layout = new QVBoxLayout(limits);
        FApplyHigh->setObjectName(QStringLiteral("CheckBoxHighLimit"));
        FApplyLow->setObjectName(QStringLiteral("CheckBoxLowLimit"));
        FHigh->setObjectName(QStringLiteral("EditHighLimit"));
        FLow->setObjectName(QStringLiteral("EditLowLimit"));
        // Each limit's box is named by its limit and described by the caption above it.
        auto limit = [&](QCheckBox *apply, QLineEdit *edit, const QString &name, const QString &caption) {
            layout->addWidget(apply);
            layout->addWidget(Caption(caption, limits));
            layout->addWidget(edit);
            edit->setAccessibleName(name);
            edit->setAccessibleDescription(caption);
        };
        limit(FApplyHigh, FHigh, Tr("High Limit"),
              Tr("Determines the highest value that can be measured before a warning is shown"));
        layout->addSpacing(12);
        limit(FApplyLow, FLow, Tr("Low Limit"),
              Tr("Determines the lowest value that can be measured before a warning is shown"));
        ChainTabOrder({FApplyHigh, FHigh, FApplyLow, FLow});
        layout->addStretch(1);
    }
    AddPage(limits, Tr("Limits"), Tr("Specify the limits to measure to"));

    AddPage(nullptr, Tr("Completing the Template Batch Wizard"), Tr("The wizard is complete.\r\n\r\nClick Finish to return."), true);

    connect(FApplyHigh, &QCheckBox::toggled, this,
            [this] { LimitAppliedChanged(FApplyHigh, FHigh, HighestLimit(Batch.BatchType)); });
    connect(FApplyLow, &QCheckBox::toggled, this,
            [this] { LimitAppliedChanged(FApplyLow, FLow, LowestLimit(Batch.BatchType)); });
}

void TFormTemplateBatchWizard::showEvent(QShowEvent *event)
{
    // No exception may leave an event handler: a definition that cannot be shown is told and the
    // wizard closes.
    if (!FPrepared) {
        try {
            Prepare();
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        }
    }
    TWizardDialog::showEvent(event);
}

void TFormTemplateBatchWizard::Prepare()
{
    FPrepared = true;
    const QString unit = Batch.UnitName();
    FLabelGrid->setText(Tr("Grid Spacing (%1)").arg(CoverUnitName()));
    FApplyHigh->setText(Tr("Apply High Limit (%1)").arg(unit));
    FApplyLow->setText(Tr("Apply Low Limit (%1)").arg(unit));

    FFormat->setCurrentRow(Batch.BatchFormat == BatchFormatLinear ? 1 : 0);
    FColumns->setText(QString::number(Batch.Columns));
    FRows->setText(QString::number(Batch.Rows));
    FGrid->setText(FormatCover(Batch.Grid));
    {
        const QSignalBlocker a(FApplyHigh), b(FApplyLow);
        FApplyHigh->setChecked(Batch.HighLimitApplied);
        FApplyLow->setChecked(Batch.LowLimitApplied);
    }
    FHigh->setText(Batch.FormatValueRounded(Batch.HighLimit));
    FLow->setText(Batch.FormatValueRounded(Batch.LowLimit));
    LimitAppliedChanged(FApplyHigh, FHigh, HighestLimit(Batch.BatchType));
    LimitAppliedChanged(FApplyLow, FLow, LowestLimit(Batch.BatchType));
    SetPageEnabled(PageGridDimensions, Batch.BatchFormat != BatchFormatLinear);
    ShowPage(PageWelcome);
}

void TFormTemplateBatchWizard::LimitAppliedChanged(QCheckBox *box, QLineEdit *edit, double allowed)
{
    const bool applied = box->isChecked();
    SetEditable(edit, applied);
    if (!applied)
        edit->setText(Batch.FormatValueRounded(allowed));
}

bool TFormTemplateBatchWizard::Refuse(const QString &message, QLineEdit *edit)
{
    Prompt().Error(message);
    edit->setFocus();
    edit->selectAll();
    return false;
}

bool TFormTemplateBatchWizard::LeavingForward(int index)
{
    switch (index) {
    case PageBatchDetails: {
        Batch.BatchFormat = FFormat->currentRow() == 1 ? BatchFormatLinear : BatchFormatGrid;
        const bool linear = Batch.BatchFormat == BatchFormatLinear;
        if (linear) {
            Batch.Columns = 1;
            Batch.Rows = 1000;
        }
        SetPageEnabled(PageGridDimensions, !linear);
        return true;
    }
    case PageGridDimensions:
        return StoreGridDimensions();
    case PageLimits:
        return StoreLimits();
    default:
        return true;
    }
}

bool TFormTemplateBatchWizard::StoreGridDimensions()
{
    int columns = 0, rows = 0;
    double spacing = 0;
    if (!ReadDisplayWhole(FColumns->text(), columns) || columns < SizeLow || columns > SizeHigh)
        return Refuse(Tr("Enter valid column value (%1-%2)").arg(SizeLow).arg(SizeHigh), FColumns);
    if (!ReadDisplayWhole(FRows->text(), rows) || rows < SizeLow || rows > SizeHigh)
        return Refuse(Tr("Enter valid row value (%1-%2)").arg(SizeLow).arg(SizeHigh), FRows);
    if (!ReadDisplayNumber(FGrid->text(), spacing) || CoverFromDisplay(spacing) < GridLow ||
        CoverFromDisplay(spacing) > GridHigh)
        return Refuse(Tr("Enter valid grid spacing (%1 to %2)").arg(FormatCover(GridLow), FormatCover(GridHigh)), FGrid);
    Batch.Columns = columns;
    Batch.Rows = rows;
    Batch.Grid = CoverFromDisplay(spacing);
    return true;
}

bool TFormTemplateBatchWizard::StoreLimits()
{
    const double lowest = LowestLimit(Batch.BatchType), highest = HighestLimit(Batch.BatchType);
    const QString range = Batch.FormatValueRounded(lowest);
    const QString rangeHigh = Batch.FormatValueRounded(highest);
    // Bounds are compared at display resolution: a value shown equal to a bound is inside.
    auto inRange = [&](const QString &text, double &stored) {
        double typed = 0;
        if (!ReadDisplayNumber(text, typed))
            return false;
        stored = Batch.FromDisplay(typed);
        return Batch.CompareValues(stored, lowest) >= 0 && Batch.CompareValues(stored, highest) <= 0;
    };
    double high = 0, low = 0;
    if (!inRange(FHigh->text(), high))
        return Refuse(Tr("Enter valid high limit value (%1-%2)").arg(range, rangeHigh), FHigh);
    if (!inRange(FLow->text(), low))
        return Refuse(Tr("Enter valid low limit value (%1-%2)").arg(range, rangeHigh), FLow);
    if (Batch.CompareValues(high, low) <= 0)
        return Refuse(Tr("High limit must be larger than low limit"), FHigh);
    Batch.HighLimitApplied = FApplyHigh->isChecked();
    Batch.LowLimitApplied = FApplyLow->isChecked();
    Batch.HighLimit = std::min(high, highest);
    Batch.LowLimit = std::max(low, lowest);
    return true;
}
