#include "UnitFormReadingsView.h"

#include "UnitException.h"
#include "UnitPrompt.h"
#include "UnitReadingLook.h"
#include "UnitUnits.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QVBoxLayout>
#include <cmath>

QString ColumnHeading(int column)
{
    // A, ..., Z, AA, ..., ZZ, AAA, ...: files may hold many more columns than the editor makes.
    QString heading;
    for (qint64 n = qint64(column) + 1; n > 0; n = (n - 1) / 26)
        heading.prepend(QChar(u'A' + int((n - 1) % 26)));
    return heading;
}

namespace {
// "Column B, row 3": where a cell is, as a screen reader says it.
QString CellPlace(int column, int row)
{
    return Tr("Column %1, row %2").arg(ColumnHeading(column)).arg(row + 1);
}
} // namespace

class TReadingsModel : public QAbstractTableModel {
public:
    explicit TReadingsModel(TFormReadingsView *view) : QAbstractTableModel(view), FView(view) {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !Loaded() ? 0 : FView->FItem.Batch.Rows;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !Loaded() ? 0 : FView->FItem.Batch.Columns;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return FView->CellText(index.column(), index.row());
        // A screen reader says the cell's text as shown and where the cell is.
        if (role == Qt::AccessibleTextRole) {
            const QString text = FView->CellText(index.column(), index.row());
            return text.isEmpty() ? Tr("Empty") : text;
        }
        if (role == Qt::AccessibleDescriptionRole)
            return CellPlace(index.column(), index.row());
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole)
            return orientation == Qt::Horizontal ? ColumnHeading(section) : QString::number(section + 1);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole || !index.isValid())
            return false;
        FView->CellEdited(index.column(), index.row(), value.toString());
        emit dataChanged(index, index);
        return true;
    }
    bool Loaded() const
    {
        return FView->FItem.FileType == FileTypeBatch && FView->FItem.LoadState == LoadStateLoaded &&
               FView->FItem.Batch.HasCells();
    }
    void Refresh()
    {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    TFormReadingsView *FView;
};

namespace {
// Heading cells: text centred, a line on the right and bottom edges in the palette's mid tone (a
// light grey in a light palette).
class THeadingStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_Header) {
            painter->save();
            painter->setPen(option->palette.color(QPalette::Mid));
            const QRect r = option->rect;
            painter->drawLine(r.topRight(), r.bottomRight());
            painter->drawLine(r.bottomLeft(), r.bottomRight());
            painter->restore();
        }
    }
};
} // namespace

void TReadingsGrid::MoveNext()
{
    const int rows = model()->rowCount(), columns = model()->columnCount();
    if (rows == 0 || columns == 0)
        return;
    QModelIndex current = currentIndex();
    int column = current.isValid() ? current.column() : 0;
    int row = current.isValid() ? current.row() + 1 : 0;
    if (row >= rows) {
        row = 0;
        if (++column >= columns)
            column = 0;
    }
    setCurrentIndex(model()->index(row, column));
}

void TReadingsGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        MoveNext();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TReadingsGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter in the editor commits and moves on, like Enter outside it.
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache
                                        ? QAbstractItemDelegate::NoHint
                                        : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        MoveNext();
}

TFormReadingsView::TFormReadingsView(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    DrawGridReadings = new TReadingsGrid(this);
    DrawGridReadings->setObjectName(QStringLiteral("DrawGridReadings"));
    DrawGridReadings->setAccessibleName(Tr("Readings"));
    FModel = new TReadingsModel(this);
    DrawGridReadings->setModel(FModel);
    DrawGridReadings->horizontalHeader()->setDefaultSectionSize(35);
    DrawGridReadings->horizontalHeader()->setMinimumSectionSize(10);
    DrawGridReadings->verticalHeader()->setDefaultSectionSize(18);
    DrawGridReadings->verticalHeader()->setMinimumSectionSize(10);
    DrawGridReadings->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto *style = new THeadingStyle;
    style->setParent(this);
    DrawGridReadings->horizontalHeader()->setStyle(style);
    DrawGridReadings->verticalHeader()->setStyle(style);
    DrawGridReadings->setSelectionMode(QAbstractItemView::SingleSelection);
    DrawGridReadings->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed);
    layout->addWidget(DrawGridReadings);
}

TFormReadingsView::~TFormReadingsView() = default;

void TFormReadingsView::ShowBatch(const TFileItem &entry)
{
    if (entry.FileName == FItem.FileName && entry.FileModifiedTime == FItem.FileModifiedTime &&
        entry.LoadState == FItem.LoadState)
        return;
    const bool sameShape = entry.FileName == FItem.FileName && FModel->Loaded() &&
                           entry.Batch.Columns == FItem.Batch.Columns && entry.Batch.Rows == FItem.Batch.Rows;
    FItem.Assign(&entry);
    // The same batch saved again keeps the grid (and the cell being edited) where it is.
    if (sameShape && FModel->Loaded())
        FModel->Refresh();
    else
        FModel->Reset();
}

void TFormReadingsView::Invalidate()
{
    FItem.FileModifiedTime = -1;
}

QString TFormReadingsView::CellText(int column, int row) const
{
    const TBatchItem &b = FItem.Batch;
    if (ReadingIsEmpty(b, column, row))
        return {};
    try {
        return ReadingDisplayText(b, column, row);
    } catch (const Exception &) {
        return {};
    }
}

void TFormReadingsView::CellEdited(int column, int row, const QString &text)
{
    // Runs from the grid's editor: a failure (a batch type the file should not hold) is shown,
    // never thrown through the event loop.
    try {
        ApplyCellText(column, row, text);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
}

void TFormReadingsView::ApplyCellText(int column, int row, const QString &text)
{
    TBatchItem &b = FItem.Batch;
    if (!b.HasCells() || column < 0 || row < 0 || column >= b.Columns || row >= b.Rows)
        return;
    const QString typed = text.trimmed();
    bool isNumber = false;
    const double number = DisplayTextToFloat(typed, &isNumber);
    // A value too large for its unit conversion counts as no number, like "nan" and "inf".
    const double value = isNumber ? b.FromDisplay(number) : 0;
    if (isNumber && std::isfinite(value)) {
        b.SetReadingType(column, row, ReadingTypeReading);
        b.SetMeasureType(column, row, MeasureTypeInRange);
        b.SetValue(column, row, value);
    } else if (typed == QLatin1String(">>")) {
        b.SetReadingType(column, row, ReadingTypeReading);
        b.SetMeasureType(column, row, MeasureTypeOverRange);
        b.SetValue(column, row, OverRangeValue);
    } else if (typed == QLatin1String("<<")) {
        b.SetReadingType(column, row, ReadingTypeReading);
        b.SetMeasureType(column, row, MeasureTypeUnderRange);
        b.SetValue(column, row, UnderRangeValue);
    } else {
        b.SetReadingType(column, row, ReadingTypeEmpty);
        b.SetMeasureType(column, row, MeasureTypeInRange);
        b.SetValue(column, row, 0);
    }
    b.Readings = b.ValidCount();
    if (OnBatchChanged)
        OnBatchChanged(FItem);
}
