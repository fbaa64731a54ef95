#include "UnitFormHeaderView.h"
#include "UnitKeyboardAccess.h"

#include "UnitDisplayNumber.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitPrompt.h"
#include "UnitDateTime.h"
#include "UnitUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>

namespace {
// Validation bounds in internal units (temperature in display units).
constexpr double CoverLimitLow = 1, CoverLimitHigh = 250;
constexpr double HalfCellLimitLow = -999, HalfCellLimitHigh = 999;
constexpr int SizeLow = 1, SizeHigh = 255;
constexpr double GridLow = 50, GridHigh = 10000;

bool ReadNumber(const QString &text, double &value) { return ReadDisplayNumber(text, value); }
bool ReadWhole(const QString &text, int &value) { return ReadDisplayWhole(text, value); }

// Short date and long time, without the time zone Qt's long form would add (of today, not of
// the stored moment): the same text as the summary.
QString DateText(TDateTime value) { return DateTimeToDisplayText(value); }
} // namespace

TFormHeaderView::TFormHeaderView(QWidget *parent) : QWidget(parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto *page = new QWidget(scroll);
    scroll->setWidget(page);
    auto *grid = new QGridLayout(page);

    auto edit = [&](const char *name, bool readOnly) {
        auto *e = new QLineEdit(page);
        e->setObjectName(QLatin1String(name));
        e->setReadOnly(readOnly);
        if (!readOnly)
            e->installEventFilter(this);
        return e;
    };
    auto combo = [&](const char *name) {
        auto *c = new QComboBox(page);
        c->setObjectName(QLatin1String(name));
        return c;
    };
    auto label = [&](const QString &text) { return new QLabel(text, page); };

    EditFileLocation = edit("EditFileLocation", true);
    EditBatchID = edit("EditBatchID", true);
    EditReadings = edit("EditReadings", true);
    EditDateCreated = edit("EditDateCreated", true);
    EditDateUpdated = edit("EditDateUpdated", true);
    EditBatchFormat = edit("EditBatchFormat", true);
    EditColumns = edit("EditColumns", false);
    EditRows = edit("EditRows", false);
    EditGrid = edit("EditGrid", false);
    EditHighLimit = edit("EditHighLimit", false);
    EditLowLimit = edit("EditLowLimit", false);
    EditGaugeHighLimit = edit("EditGaugeHighLimit", true);
    EditGaugeLowLimit = edit("EditGaugeLowLimit", true);
    EditTemperature = edit("EditTemperature", false);
    EditCellType = edit("EditCellType", false);
    EditSite = edit("EditSite", false);
    EditLocation = edit("EditLocation", false);
    EditArea = edit("EditArea", false);
    EditEngineer = edit("EditEngineer", false);
    EditCustomer = edit("EditCustomer", false);
    EditNote = edit("EditNote", false);
    CheckBoxHighLimit = new QCheckBox(Tr("Applied"), page);
    CheckBoxLowLimit = new QCheckBox(Tr("Applied"), page);
    ComboBoxBarSeries = combo("ComboBoxBarSeries");
    ComboBoxBarSize = combo("ComboBoxBarSize");
    ComboBoxBarSize->setEditable(false);
    ComboBoxBarGrade = combo("ComboBoxBarGrade");
    ComboBoxCellType = combo("ComboBoxCellType");
    LabelGrid = label(QString());
    LabelHighLimit = label(QString());
    LabelLowLimit = label(QString());
    LabelTemperature = label(QString());

    int row = 0;
    QList<QWidget *> tabOrder;
    auto add = [&](QLabel *l, QWidget *field, QWidget *extra = nullptr, int span = 1) {
        tabOrder << field;
        if (extra)
            tabOrder << extra;
        // The label names its field for a screen reader.
        l->setBuddy(field);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row, 1, 1, span);
        if (extra)
            grid->addWidget(extra, row, 2);
        ++row;
    };
    add(label(Tr("File Location:")), EditFileLocation, nullptr, 2);
    add(label(Tr("Batch ID:")), EditBatchID, nullptr, 2);
    add(label(Tr("Readings:")), EditReadings);
    add(label(Tr("Date Created:")), EditDateCreated);
    add(label(Tr("Date Updated:")), EditDateUpdated);
    add(label(Tr("Batch Format:")), EditBatchFormat);
    add(label(Tr("Columns:")), EditColumns);
    add(label(Tr("Rows:")), EditRows);
    add(LabelGrid, EditGrid);
    add(LabelHighLimit, EditHighLimit, CheckBoxHighLimit);
    add(label(Tr("Gauge High Limit:")), EditGaugeHighLimit);
    add(LabelLowLimit, EditLowLimit, CheckBoxLowLimit);
    add(label(Tr("Gauge Low Limit:")), EditGaugeLowLimit);
    add(label(Tr("Bar Series:")), ComboBoxBarSeries);
    add(label(Tr("Bar Size:")), ComboBoxBarSize);
    add(label(Tr("Bar Grade:")), ComboBoxBarGrade);
    add(label(Tr("Cell Type:")), ComboBoxCellType, EditCellType);
    add(LabelTemperature, EditTemperature);
    add(label(Tr("Site:")), EditSite, nullptr, 2);
    add(label(Tr("Location:")), EditLocation, nullptr, 2);
    add(label(Tr("Area:")), EditArea, nullptr, 2);
    add(label(Tr("Engineer:")), EditEngineer, nullptr, 2);
    add(label(Tr("Customer:")), EditCustomer, nullptr, 2);
    add(label(Tr("Note:")), EditNote, nullptr, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    // Tab goes down the form row by row, as it is shown.
    ChainTabOrder(tabOrder);
    // Fields beside another field's label: named after what they hold.
    CheckBoxHighLimit->setAccessibleDescription(Tr("High Limit"));
    CheckBoxLowLimit->setAccessibleDescription(Tr("Low Limit"));
    EditCellType->setAccessibleName(Tr("Cell Type"));

    // Lists and check boxes run the handler when they change.
    for (QComboBox *c : {ComboBoxBarSeries, ComboBoxBarSize, ComboBoxBarGrade, ComboBoxCellType})
        connect(c, &QComboBox::activated, this, [this, c] { EditExit(c); });
    for (QCheckBox *c : {CheckBoxHighLimit, CheckBoxLowLimit})
        connect(c, &QCheckBox::clicked, this, [this, c] { EditExit(c); });
    Display();
}

TFormHeaderView::~TFormHeaderView() = default;

bool TFormHeaderView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && !FBusy) {
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (field && field->isModified()) {
            field->setModified(false);
            EditExit(field);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormHeaderView::ShowBatch(const TFileItem &entry)
{
    if (entry.FileName == FItem.FileName && entry.FileModifiedTime == FItem.FileModifiedTime &&
        entry.LoadState == FItem.LoadState)
        return;
    FItem.Assign(&entry);
    Display();
}

void TFormHeaderView::Invalidate()
{
    FItem.FileModifiedTime = -1;
}

void TFormHeaderView::FillBarLists(const TBatchItem &batch)
{
    ComboBoxBarSeries->clear();
    ComboBoxBarSize->clear();
    ComboBoxBarGrade->clear();
    if (batch.BatchType != BatchTypeCover)
        return;
    for (int i = 0; i < BarSeriesCount; ++i)
        ComboBoxBarSeries->addItem(BarSeriesName(i));
    ComboBoxBarSeries->setCurrentIndex(batch.BarSeries);
    QStringList sizes;
    FillBarSizeList(batch.BarSeries, sizes);
    ComboBoxBarSize->addItems(sizes);
    try {
        ComboBoxBarSize->setCurrentIndex(sizes.indexOf(batch.BarSizeName()));
    } catch (const Exception &) {
        ComboBoxBarSize->setCurrentIndex(-1);
    }
    for (int i = 0; i < BarGradeCount; ++i)
        ComboBoxBarGrade->addItem(BarGradeName(i));
    ComboBoxBarGrade->setCurrentIndex(batch.BarGrade);
}

void TFormHeaderView::Display()
{
    FBusy = true;
    const TBatchItem &b = FItem.Batch;
    const bool loaded = FItem.FileType == FileTypeBatch && FItem.LoadState == LoadStateLoaded;
    const bool cover = b.BatchType == BatchTypeCover;
    const bool grid = b.BatchFormat == BatchFormatGrid;
    setEnabled(loaded);

    EditFileLocation->setText(FItem.FileName);
    EditBatchID->setText(b.ID);
    EditReadings->setText(Tr("%1 of %2").arg(b.Readings).arg(qint64(b.Rows) * b.Columns));
    EditDateCreated->setText(loaded ? DateText(b.CreationDate) : QString());
    EditDateUpdated->setText(loaded ? DateText(b.UpdateDate) : QString());
    EditBatchFormat->setText(loaded ? BatchFormatName(b.BatchFormat) : QString());

    LabelGrid->setText(Tr("Grid Spacing (%1):").arg(CoverUnitName()));
    QString unit;
    try {
        unit = b.UnitName();
    } catch (const Exception &) {
    }
    LabelHighLimit->setText(Tr("High Limit (%1):").arg(unit));
    LabelLowLimit->setText(Tr("Low Limit (%1):").arg(unit));
    LabelTemperature->setText(Tr("Temperature (%1):").arg(TemperatureUnitName()));

    for (QLineEdit *e : {EditColumns, EditRows, EditGrid}) {
        e->setEnabled(grid);
        e->setReadOnly(!grid);
    }
    EditColumns->setText(grid ? QString::number(b.Columns) : QString());
    EditRows->setText(grid ? QString::number(b.Rows) : QString());
    EditGrid->setText(grid ? FormatCover(b.Grid) : QString());

    FillBarLists(b);
    ComboBoxBarSeries->setEnabled(cover);
    ComboBoxBarSize->setEnabled(cover);
    ComboBoxBarGrade->setEnabled(cover);

    ComboBoxCellType->clear();
    const bool knownCell = !cover && CellTypeIndex(b.GaugeCellType) != CellTypeOther;
    if (knownCell) {
        ComboBoxCellType->addItems({CellTypeName(CellTypeCuCuSO4), CellTypeName(CellTypeAgAgCl)});
        const int index = CellTypeIndex(b.CellType);
        ComboBoxCellType->setCurrentIndex(index == CellTypeOther ? -1 : index);
    }
    ComboBoxCellType->setVisible(cover || knownCell);
    ComboBoxCellType->setEnabled(knownCell);
    EditCellType->setVisible(!cover && !knownCell);
    EditCellType->setText(!cover && !knownCell ? b.CellType : QString());
    EditTemperature->setEnabled(!cover);
    EditTemperature->setText(!cover && b.Temperature != TemperatureNotRecorded && loaded
                                 ? FormatTemperature(b.Temperature)
                                 : QString());

    CheckBoxHighLimit->setChecked(b.HighLimitApplied);
    CheckBoxLowLimit->setChecked(b.LowLimitApplied);
    auto value = [&](double v) {
        try {
            return loaded ? b.FormatValueRounded(v) : QString();
        } catch (const Exception &) {
            return QString();
        }
    };
    EditHighLimit->setText(value(b.HighLimit));
    EditLowLimit->setText(value(b.LowLimit));
    EditGaugeHighLimit->setText(value(b.GaugeHighLimit));
    EditGaugeLowLimit->setText(value(b.GaugeLowLimit));

    EditSite->setText(b.Site);
    EditLocation->setText(b.Location);
    EditArea->setText(b.Area);
    EditEngineer->setText(b.Engineer);
    EditCustomer->setText(b.Customer);
    EditNote->setText(b.Note);
    for (QLineEdit *e : findChildren<QLineEdit *>())
        e->setModified(false);
    FBusy = false;
}

bool TFormHeaderView::Fail(const QString &message, QLineEdit *field, const QString &stored)
{
    Prompt().Error(message);
    if (field) {
        field->setText(stored);
        field->setModified(false);
        field->setFocus();
    }
    return false;
}

void TFormHeaderView::EditExit(QWidget *sender)
{
    if (FBusy || FItem.FileType != FileTypeBatch || FItem.LoadState != LoadStateLoaded)
        return;
    // Runs from focus and key events: a failure (a cell type that cannot be converted, a batch
    // type the file should not hold) is shown and the fields show the batch as it still is.
    try {
        ApplyEdit(sender);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
        Display();
    }
}

void TFormHeaderView::ApplyEdit(QWidget *sender)
{
    FBusy = true;
    struct Guard {
        bool &Flag;
        ~Guard() { Flag = false; }
    } guard{FBusy};

    // Every change is made on a copy, so that a refused edit leaves the batch as it was.
    TFileItem work;
    work.Assign(&FItem);
    TBatchItem &b = work.Batch;
    const bool cover = b.BatchType == BatchTypeCover;
    const bool grid = b.BatchFormat == BatchFormatGrid;
    const double limitLow = cover ? CoverLimitLow : HalfCellLimitLow;
    const double limitHigh = cover ? CoverLimitHigh : HalfCellLimitHigh;
    double number = 0;
    // Read before step 6 rebuilds the bar lists.
    const int gradeIndex = ComboBoxBarGrade->currentIndex();

    // 1, 2: applied limits within the bounds of the batch type.
    struct LimitCheck {
        QCheckBox *Applied;
        QLineEdit *Edit;
        double Stored;
        const char *Message;
    };
    const LimitCheck limits[] = {
        {CheckBoxHighLimit, EditHighLimit, FItem.Batch.HighLimit, QT_TRID_NOOP("Enter valid high limit value (%1-%2)")},
        {CheckBoxLowLimit, EditLowLimit, FItem.Batch.LowLimit, QT_TRID_NOOP("Enter valid low limit value (%1-%2)")},
    };
    for (const LimitCheck &c : limits) {
        if (!c.Applied->isChecked())
            continue;
        if (!ReadNumber(c.Edit->text(), number) || b.FromDisplay(number) < limitLow ||
            b.FromDisplay(number) > limitHigh) {
            Fail(Tr(c.Message).arg(b.FormatValueRounded(limitLow), b.FormatValueRounded(limitHigh)), c.Edit,
                 b.FormatValueRounded(c.Stored));
            return;
        }
    }

    // 3: size and spacing of grid batches.
    int columns = b.Columns, rows = b.Rows;
    double gridSpacing = b.Grid;
    if (grid) {
        if (!ReadWhole(EditColumns->text(), columns) || columns < SizeLow || columns > SizeHigh)
            return void(Fail(Tr("Enter valid column value (%1-%2)").arg(SizeLow).arg(SizeHigh), EditColumns,
                             QString::number(b.Columns)));
        if (!ReadWhole(EditRows->text(), rows) || rows < SizeLow || rows > SizeHigh)
            return void(Fail(Tr("Enter valid row value (%1-%2)").arg(SizeLow).arg(SizeHigh), EditRows,
                             QString::number(b.Rows)));
        if (!ReadNumber(EditGrid->text(), number) || CoverFromDisplay(number) < GridLow ||
            CoverFromDisplay(number) > GridHigh)
            return void(Fail(Tr("Enter valid grid size (%1 to %2)").arg(FormatCover(GridLow), FormatCover(GridHigh)),
                             EditGrid, FormatCover(b.Grid)));
        gridSpacing = CoverFromDisplay(number);
    }

    // A limit that is not applied may hold any text; it is still stored, so it must be a number.
    // Checked before anything is changed, so that a bad text never leaves half an edit behind.
    for (const LimitCheck &c : limits)
        if (!ReadNumber(c.Edit->text(), number))
            return void(Fail(Tr("'%1' is not a valid floating point value").arg(c.Edit->text()), c.Edit,
                             b.FormatValueRounded(c.Stored)));

    // 5 (checked before the batch is resized, for the same reason): temperature of half-cell batches.
    const bool celsius = CurrentTemperatureUnits == 0;
    const double tempLow = celsius ? -20 : -5, tempHigh = celsius ? 70 : 160;
    double temperature = TemperatureNotRecorded;
    if (!cover && !EditTemperature->text().trimmed().isEmpty()) {
        if (!ReadNumber(EditTemperature->text(), number) || number < tempLow || number > tempHigh) {
            const QString storedText =
                b.Temperature == TemperatureNotRecorded ? QString() : FormatTemperature(b.Temperature);
            return void(Fail(Tr("Enter valid temperature (%1%2 to %3%4)")
                                 .arg(FormatDisplay("%.1f", tempLow), TemperatureUnitName(),
                                      FormatDisplay("%.1f", tempHigh), TemperatureUnitName()),
                             EditTemperature, storedText));
        }
        temperature = TemperatureFromDisplay(number);
    }

    // 4: shrinking a grid loses readings: ask first.
    if (grid) {
        if (columns < b.Columns || rows < b.Rows) {
            if (Prompt().YesNo(Tr("Data outside new batch size will be lost. Continue?")) != TPromptAnswer::Yes) {
                EditColumns->setText(QString::number(b.Columns));
                EditRows->setText(QString::number(b.Rows));
                EditColumns->setModified(false);
                EditRows->setModified(false);
                return;
            }
        }
        if (columns != b.Columns || rows != b.Rows) {
            b.Resize(columns, rows);
            EditReadings->setText(Tr("%1 of %2").arg(b.Readings).arg(qint64(b.Rows) * b.Columns));
        }
        b.Grid = gridSpacing;
    }

    // 6: bar size and series; a new series keeps the diameter and shows its nearest label.
    if (cover) {
        try {
            if (ComboBoxBarSize->currentText() != b.BarSizeName())
                b.SetBarSizeByName(ComboBoxBarSize->currentText());
        } catch (const Exception &) {
            if (!ComboBoxBarSize->currentText().isEmpty())
                b.SetBarSizeByName(ComboBoxBarSize->currentText());
        }
        if (ComboBoxBarSeries->currentIndex() >= 0)
            b.BarSeries = static_cast<std::uint8_t>(ComboBoxBarSeries->currentIndex());
        FillBarLists(b);
    }

    // 7: limits and their flags.
    b.HighLimitApplied = CheckBoxHighLimit->isChecked();
    b.LowLimitApplied = CheckBoxLowLimit->isChecked();
    ReadNumber(EditHighLimit->text(), number);
    b.HighLimit = b.FromDisplay(number);
    ReadNumber(EditLowLimit->text(), number);
    b.LowLimit = b.FromDisplay(number);
    EditHighLimit->setText(b.FormatValueRounded(b.HighLimit));
    EditLowLimit->setText(b.FormatValueRounded(b.LowLimit));

    // 8: texts as typed.
    b.Site = EditSite->text();
    b.Location = EditLocation->text();
    b.Area = EditArea->text();
    b.Engineer = EditEngineer->text();
    b.Customer = EditCustomer->text();
    b.Note = EditNote->text();

    // 9: cell type (shifting every value between the two known reference cells) and temperature.
    if (!cover) {
        if (CellTypeIndex(b.GaugeCellType) != CellTypeOther) {
            const int chosen = ComboBoxCellType->currentIndex();
            if (chosen >= 0) {
                // A stored cell type of another name has no known offset: the conversion refuses
                // it ("Unable to convert data to cell type") and nothing is stored.
                if (chosen != CellTypeIndex(b.CellType))
                    b.ConvertCellType(chosen);
                b.CellType = ComboBoxCellType->currentText();
            }
        } else {
            b.CellType = EditCellType->text();
        }
        b.Temperature = temperature;
    }

    // 10: bar grade.
    if (cover && gradeIndex >= 0) {
        b.BarGrade = static_cast<std::uint8_t>(gradeIndex);
        ComboBoxBarGrade->setCurrentIndex(gradeIndex);
    }

    FItem.Assign(&work);
    for (QLineEdit *e : findChildren<QLineEdit *>())
        e->setModified(false);
    Q_UNUSED(sender);
    if (OnBatchChanged)
        OnBatchChanged(FItem);
}
