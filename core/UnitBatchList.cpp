#include "UnitBatchList.h"
#include "UnitBatchTypeUnits.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QCollator>
#include <QLocale>
#include <QMutexLocker>
#include <algorithm>
#include <cmath>
#include <limits>

// ---------------------------------------------------------------------------------------------
// Names and tables

namespace {
struct TBarSizeEntry {
    const char *Label;
    double Diameter;
};

// Labels with "%s" take the unit text "mm".
const TBarSizeEntry kBarSizes[BarSeriesCount][BarSizeCount] = {
    {{"5 %s", 5}, {"5.5 %s", 5.5}, {"6 %s", 6}, {"7 %s", 7}, {"8 %s", 8}, {"9 %s", 9}, {"10 %s", 10},
     {"11 %s", 11}, {"12 %s", 12}, {"14 %s", 14}, {"16 %s", 16}, {"18 %s", 18}, {"20 %s", 20},
     {"22 %s", 22}, {"25 %s", 25}, {"28 %s", 28}, {"32 %s", 32}, {"36 %s", 36}, {"40 %s", 40},
     {"44 %s", 44}, {"50 %s", 50}},
    {{"#2", 6.35}, {"#3", 9.53}, {"#4", 12.7}, {"#5", 15.88}, {"#6", 19.05}, {"#7", 22.23},
     {"#8", 25.4}, {"#9", 28.58}, {"#10", 31.75}, {"#11", 34.93}, {"#12", 38.1}, {"#13", 41.28},
     {"#14", 44.45}, {"#15", 47.63}, {"#16", 50.8}, {"#18", 57.15}},
    {{"10M", 11.28}, {"15M", 15.96}, {"20M", 19.54}, {"25M", 25.23}, {"30M", 29.85}, {"35M", 35.68},
     {"45M", 43.7}, {"55M", 56.42}},
    {{"6 %s", 6}, {"9 %s", 9}, {"10 %s", 10}, {"13 %s", 13}, {"16 %s", 16}, {"19 %s", 19},
     {"22 %s", 22}, {"25 %s", 25}, {"29 %s", 29}, {"32 %s", 32}, {"35 %s", 35}, {"38 %s", 38},
     {"41 %s", 41}, {"44 %s", 44}, {"48 %s", 48}, {"51 %s", 51}, {"57 %s", 57}},
};

const char *const kBatchFormatNames[] = {QT_TRID_NOOP("Grid"),
                                         QT_TRID_NOOP("Linear")};
const char *const kBatchTypeNames[] = {QT_TRID_NOOP("Cover"),
                                       QT_TRID_NOOP("Half Cell")};
const char *const kBarSeriesNames[] = {
    QT_TRID_NOOP("Metric"), QT_TRID_NOOP("Imperial"),
    QT_TRID_NOOP("ASTM/Canadian"), QT_TRID_NOOP("Japanese")};
const char *const kBarGradeNames[] = {
    QT_TRID_NOOP("High Tensile"), QT_TRID_NOOP("304"),
    QT_TRID_NOOP("316"), QT_TRID_NOOP("DUPLEX")};

template <size_t N>
QString NameOf(const char *const (&names)[N], int code)
{
    return code >= 0 && code < static_cast<int>(N) ? Tr(names[code]) : QString();
}

const TBarSizeEntry *BarEntry(int series, int index)
{
    if (series < 0 || series >= BarSeriesCount || index < 0 || index >= BarSizeCount)
        return nullptr;
    const TBarSizeEntry &e = kBarSizes[series][index];
    return e.Label ? &e : nullptr;
}

[[noreturn]] void InvalidBatchType() { throw Exception(Tr("Invalid Batch Type")); }

bool IsValidCell(std::uint8_t readingType, std::uint8_t measureType)
{
    return readingType == ReadingTypeReading && measureType == MeasureTypeInRange;
}

double Percent(int count, int positions)
{
    return count == 0 || positions == 0 ? 0.0 : static_cast<double>(count) / positions * 100.0;
}

int Clamp32(qint64 v)
{
    return static_cast<int>(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

int CellTypeIndex(const QString &name)
{
    if (name.compare(QLatin1String("CU/CUSO4"), Qt::CaseInsensitive) == 0)
        return CellTypeCuCuSO4;
    if (name.compare(QLatin1String("AG/AGCL"), Qt::CaseInsensitive) == 0)
        return CellTypeAgAgCl;
    return CellTypeOther;
}

QString CellTypeName(int index)
{
    switch (index) {
    case CellTypeCuCuSO4:
        return QStringLiteral("CU/CUSO4");
    case CellTypeAgAgCl:
        return QStringLiteral("AG/AGCL");
    default:
        return QString();
    }
}

QString BatchFormatName(int code) { return NameOf(kBatchFormatNames, code); }
QString BatchTypeName(int code) { return NameOf(kBatchTypeNames, code); }
QString BarSeriesName(int code) { return NameOf(kBarSeriesNames, code); }
QString BarGradeName(int code) { return NameOf(kBarGradeNames, code); }

QString BarSizeLabel(int series, int index)
{
    const TBarSizeEntry *e = BarEntry(series, index);
    if (!e)
        return QString();
    QString label = QString::fromLatin1(e->Label);
    label.replace(QLatin1String("%s"), Tr("mm"));
    return label;
}

double BarSizeDiameter(int series, int index)
{
    const TBarSizeEntry *e = BarEntry(series, index);
    return e ? e->Diameter : BarSizeUnused;
}

void FillBarSizeList(int series, QStringList &list)
{
    list.clear();
    for (int i = 0; i < BarSizeCount; ++i) {
        const QString label = BarSizeLabel(series, i);
        if (!label.isEmpty())
            list << label;
    }
}

// ---------------------------------------------------------------------------------------------
// TSummaryGrid

void TSummaryGrid::SetSize(int rows, int columns)
{
    RowCount = std::max(0, rows);
    ColumnCount = std::max(0, columns);
    Cells.assign(static_cast<size_t>(RowCount) * static_cast<size_t>(ColumnCount), QVariant());
}

const QVariant &TSummaryGrid::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount || column < 0 || column >= ColumnCount)
        throw Exception(Tr("Cell index out of range"));
    return Cells[static_cast<size_t>(row) * ColumnCount + column];
}

QVariant &TSummaryGrid::Cell(int row, int column)
{
    return const_cast<QVariant &>(static_cast<const TSummaryGrid *>(this)->Cell(row, column));
}

// ---------------------------------------------------------------------------------------------
// TBatchItem: data handling

TBatchItem::TBatchItem() = default;
TBatchItem::TBatchItem(const TBatchItem &other) : TPersistent() { Assign(&other); }
TBatchItem::~TBatchItem() = default;

TBatchItem &TBatchItem::operator=(const TBatchItem &other)
{
    Assign(&other);
    return *this;
}

void TBatchItem::Assign(const TPersistent *source)
{
    const auto *src = dynamic_cast<const TBatchItem *>(source);
    if (!src)
        throw Exception(Tr("Cannot assign object to Batch item"));
    if (src == this)
        return;
    ID = src->ID;
    Path = src->Path;
    Slot = src->Slot;
    Columns = src->Columns;
    Rows = src->Rows;
    Readings = src->Readings;
    Tagged = src->Tagged;
    CreationDate = src->CreationDate;
    UpdateDate = src->UpdateDate;
    ProbeSerialNumber = src->ProbeSerialNumber;
    ProbeType = src->ProbeType;
    ProbeSide0Type = src->ProbeSide0Type;
    ProbeSide1Type = src->ProbeSide1Type;
    BatchType = src->BatchType;
    BatchFormat = src->BatchFormat;
    HighLimit = src->HighLimit;
    LowLimit = src->LowLimit;
    GaugeHighLimit = src->GaugeHighLimit;
    GaugeLowLimit = src->GaugeLowLimit;
    LowLimitApplied = src->LowLimitApplied;
    HighLimitApplied = src->HighLimitApplied;
    Site = src->Site;
    Location = src->Location;
    Grid = src->Grid;
    Area = src->Area;
    Engineer = src->Engineer;
    Customer = src->Customer;
    Note = src->Note;
    BarSeries = src->BarSeries;
    BarSize = src->BarSize;
    GaugeSerialNumber = src->GaugeSerialNumber;
    GaugeType = src->GaugeType;
    BarGrade = src->BarGrade;
    CellType = src->CellType;
    Temperature = src->Temperature;
    GaugeCellType = src->GaugeCellType;
    // The cells travel with their own size, so a copy never holds stale cells of another size.
    FCellColumns = src->FCellColumns;
    FCellRows = src->FCellRows;
    FReadingType = src->FReadingType;
    FMeasureType = src->FMeasureType;
    FValue = src->FValue;
}

void TBatchItem::Clear()
{
    ID.clear();
    Path.clear();
    Slot = 0;
    Columns = 0;
    Rows = 0;
    Readings = 0;
    Tagged = false;
    CreationDate = 0;
    UpdateDate = 0;
    ProbeSerialNumber.clear();
    ProbeType.clear();
    ProbeSide0Type.clear();
    ProbeSide1Type.clear();
    BatchType = 0;
    BatchFormat = 0;
    HighLimit = 0;
    LowLimit = 0;
    GaugeHighLimit = 0;
    GaugeLowLimit = 0;
    LowLimitApplied = false;
    HighLimitApplied = false;
    Site.clear();
    Location.clear();
    Grid = 0;
    Area.clear();
    Engineer.clear();
    Customer.clear();
    Note.clear();
    BarSeries = 0;
    BarSize = 0;
    GaugeSerialNumber.clear();
    GaugeType = 2;
    BarGrade = 0;
    CellType.clear();
    Temperature = 0;
    GaugeCellType.clear();
    FreeCells();
}

void TBatchItem::FreeCells()
{
    FCellColumns = 0;
    FCellRows = 0;
    FReadingType.clear();
    FReadingType.shrink_to_fit();
    FMeasureType.clear();
    FMeasureType.shrink_to_fit();
    FValue.clear();
    FValue.shrink_to_fit();
}

void TBatchItem::AllocateCells(int columns, int rows)
{
    if (columns < 0 || rows < 0 || static_cast<qint64>(columns) * rows > MaxBatchCells)
        throw Exception(Tr("Invalid batch size %1 x %2: a batch holds at most %3 cells")
                            .arg(columns)
                            .arg(rows)
                            .arg(MaxBatchCells));
    const size_t n = static_cast<size_t>(columns) * static_cast<size_t>(rows);
    if (n == 0) {
        FreeCells();
        return;
    }
    std::vector<std::uint8_t> reading(n, ReadingTypeEmpty);
    std::vector<std::uint8_t> measure(n, MeasureTypeInRange);
    std::vector<double> value(n, 0.0);
    FReadingType.swap(reading);
    FMeasureType.swap(measure);
    FValue.swap(value);
    FCellColumns = columns;
    FCellRows = rows;
}

void TBatchItem::SetSize() { AllocateCells(Columns, Rows); }

void TBatchItem::Resize(int columns, int rows)
{
    TBatchItem old;
    old.FCellColumns = FCellColumns;
    old.FCellRows = FCellRows;
    old.FReadingType = FReadingType;
    old.FMeasureType = FMeasureType;
    old.FValue = FValue;
    AllocateCells(columns, rows); // raises before anything changes
    Columns = columns;
    Rows = rows;
    const int keepColumns = std::min(old.FCellColumns, columns);
    const int keepRows = std::min(old.FCellRows, rows);
    for (int c = 0; c < keepColumns; ++c)
        for (int r = 0; r < keepRows; ++r) {
            const int from = old.CellIndex(c, r);
            const int to = CellIndex(c, r);
            FReadingType[to] = old.FReadingType[from];
            FMeasureType[to] = old.FMeasureType[from];
            FValue[to] = old.FValue[from];
        }
    Readings = ValidCount();
}

void TBatchItem::SetNewBatchDefaults(std::uint8_t batchType, std::uint8_t batchFormat)
{
    if (batchType != BatchTypeCover && batchType != BatchTypeHalfCell)
        InvalidBatchType();
    Clear();
    CreationDate = DateTimeNow();
    UpdateDate = CreationDate;
    BatchType = batchType;
    BatchFormat = batchFormat;
    const bool cover = batchType == BatchTypeCover;
    HighLimit = GaugeHighLimit = cover ? 250 : 999;
    LowLimit = GaugeLowLimit = cover ? 1 : -999;
    Temperature = TemperatureNotRecorded;
    if (batchFormat == BatchFormatLinear) {
        Columns = 1;
        Rows = 1000;
        Grid = 0;
    } else {
        Columns = 4;
        Rows = 3;
        Grid = 100;
    }
    SetSize();
}

int TBatchItem::CellIndex(int column, int row) const
{
    if (column < 0 || column >= FCellColumns || row < 0 || row >= FCellRows)
        throw Exception(Tr("Cell index out of range (%1, %2)").arg(column).arg(row));
    return column * FCellRows + row;
}

std::uint8_t TBatchItem::ReadingType(int column, int row) const { return FReadingType[CellIndex(column, row)]; }
void TBatchItem::SetReadingType(int column, int row, std::uint8_t value) { FReadingType[CellIndex(column, row)] = value; }
std::uint8_t TBatchItem::MeasureType(int column, int row) const { return FMeasureType[CellIndex(column, row)]; }
void TBatchItem::SetMeasureType(int column, int row, std::uint8_t value) { FMeasureType[CellIndex(column, row)] = value; }
double TBatchItem::Value(int column, int row) const { return FValue[CellIndex(column, row)]; }
void TBatchItem::SetValue(int column, int row, double value) { FValue[CellIndex(column, row)] = value; }

QString TBatchItem::FileExtension() const
{
    return BatchType == BatchTypeHalfCell ? QStringLiteral(".vch") : QStringLiteral(".vcb");
}

QString TBatchItem::FileName() const { return ID.trimmed() + FileExtension(); }

// ---------------------------------------------------------------------------------------------
// TBatchItem: counts and statistics

int TBatchItem::CellCount() const { return Clamp32(static_cast<qint64>(Rows) * Columns); }

int TBatchItem::ValidCount() const
{
    int n = 0;
    for (size_t i = 0; i < FReadingType.size(); ++i)
        n += IsValidCell(FReadingType[i], FMeasureType[i]);
    return n;
}

int TBatchItem::ReadingPositions() const
{
    if (BatchFormat != BatchFormatLinear)
        return CellCount();
    return static_cast<int>(std::count(FReadingType.begin(), FReadingType.end(), ReadingTypeReading));
}

double TBatchItem::Mean() const
{
    double sum = 0;
    int n = 0;
    for (size_t i = 0; i < FValue.size(); ++i)
        if (IsValidCell(FReadingType[i], FMeasureType[i])) {
            sum += FValue[i];
            ++n;
        }
    return n == 0 ? 0.0 : sum / n;
}

double TBatchItem::StandardDeviation() const
{
    const double mean = Mean();
    double sum = 0;
    int n = 0;
    for (size_t i = 0; i < FValue.size(); ++i)
        if (IsValidCell(FReadingType[i], FMeasureType[i])) {
            const double d = FValue[i] - mean;
            sum += d * d;
            ++n;
        }
    return n < 2 ? 0.0 : std::sqrt(sum / (n - 1));
}

double TBatchItem::Max() const
{
    bool any = false;
    double m = 0;
    for (size_t i = 0; i < FValue.size(); ++i)
        if (IsValidCell(FReadingType[i], FMeasureType[i]) && (!any || FValue[i] > m)) {
            m = FValue[i];
            any = true;
        }
    return m;
}

double TBatchItem::Min() const
{
    bool any = false;
    double m = 0;
    for (size_t i = 0; i < FValue.size(); ++i)
        if (IsValidCell(FReadingType[i], FMeasureType[i]) && (!any || FValue[i] < m)) {
            m = FValue[i];
            any = true;
        }
    return m;
}

double TBatchItem::Range() const { return Max() - Min(); }

int TBatchItem::CountBelowLow() const
{
    if (!LowLimitApplied)
        return 0;
    int n = 0;
    for (size_t i = 0; i < FValue.size(); ++i)
        if (IsValidCell(FReadingType[i], FMeasureType[i]) && CompareValues(FValue[i], LowLimit) == -1)
            ++n;
    return n;
}

int TBatchItem::CountAboveHigh() const
{
    if (!HighLimitApplied)
        return 0;
    int n = 0;
    for (size_t i = 0; i < FValue.size(); ++i)
        if (IsValidCell(FReadingType[i], FMeasureType[i]) && CompareValues(FValue[i], HighLimit) == 1)
            ++n;
    return n;
}

double TBatchItem::PercentBelowLow() const { return Percent(CountBelowLow(), ReadingPositions()); }
double TBatchItem::PercentAboveHigh() const { return Percent(CountAboveHigh(), ReadingPositions()); }

int TBatchItem::CountOverRange() const
{
    int n = 0;
    for (size_t i = 0; i < FReadingType.size(); ++i)
        n += FReadingType[i] == ReadingTypeReading && FMeasureType[i] == MeasureTypeOverRange;
    return n;
}

int TBatchItem::CountUnderRange() const
{
    int n = 0;
    for (size_t i = 0; i < FReadingType.size(); ++i)
        n += FReadingType[i] == ReadingTypeReading && FMeasureType[i] == MeasureTypeUnderRange;
    return n;
}

double TBatchItem::PercentOverRange() const { return Percent(CountOverRange(), ReadingPositions()); }
double TBatchItem::PercentUnderRange() const { return Percent(CountUnderRange(), ReadingPositions()); }

int TBatchItem::LastReadingPosition() const
{
    for (int r = FCellRows - 1; r >= 0; --r)
        for (int c = FCellColumns - 1; c >= 0; --c)
            if (FReadingType[CellIndex(c, r)] != ReadingTypeEmpty)
                return r * FCellColumns + c + 1;
    return 0;
}

// ---------------------------------------------------------------------------------------------
// TBatchItem: units (those a template definition shares go by batch type alone)

QString BatchTypeUnitName(std::uint8_t batchType)
{
    switch (batchType) {
    case BatchTypeCover:
        return CoverUnitName();
    case BatchTypeHalfCell:
        return HalfCellUnitName();
    }
    InvalidBatchType();
}

QString TBatchItem::UnitName() const { return BatchTypeUnitName(BatchType); }

const char *TBatchItem::ValueFormat() const
{
    switch (BatchType) {
    case BatchTypeCover:
        return CoverFormat();
    case BatchTypeHalfCell:
        return "%.0f";
    }
    InvalidBatchType();
}

double TBatchItem::ToDisplay(double value) const
{
    switch (BatchType) {
    case BatchTypeCover:
        return CoverToDisplay(value);
    case BatchTypeHalfCell:
        return HalfCellToDisplay(value);
    }
    InvalidBatchType();
}

double BatchTypeFromDisplay(std::uint8_t batchType, double value)
{
    switch (batchType) {
    case BatchTypeCover:
        return CoverFromDisplay(value);
    case BatchTypeHalfCell:
        return HalfCellFromDisplay(value);
    }
    InvalidBatchType();
}

double TBatchItem::FromDisplay(double value) const { return BatchTypeFromDisplay(BatchType, value); }

QString TBatchItem::FormatValue(double value) const { return FormatDisplay(ValueFormat(), ToDisplay(value)); }

QString BatchTypeFormatValueRounded(std::uint8_t batchType, double value)
{
    switch (batchType) {
    case BatchTypeCover:
        return FormatCoverRounded(value);
    case BatchTypeHalfCell:
        return FormatHalfCell(value);
    }
    InvalidBatchType();
}

QString TBatchItem::FormatValueRounded(double value) const { return BatchTypeFormatValueRounded(BatchType, value); }

QString TBatchItem::FormatValueFine(double value) const
{
    switch (BatchType) {
    case BatchTypeCover:
        return FormatCoverFine(value);
    case BatchTypeHalfCell:
        return FormatHalfCellFine(value);
    }
    InvalidBatchType();
}

double TBatchItem::ToDisplayRounded(double value) const
{
    switch (BatchType) {
    case BatchTypeCover:
        return CoverToDisplayRounded(value);
    case BatchTypeHalfCell:
        return HalfCellToDisplayWhole(value);
    }
    InvalidBatchType();
}

int BatchTypeCompareValues(std::uint8_t batchType, double a, double b)
{
    switch (batchType) {
    case BatchTypeCover:
        return CompareCover(a, b);
    case BatchTypeHalfCell:
        return CompareHalfCell(a, b);
    }
    InvalidBatchType();
}

int TBatchItem::CompareValues(double a, double b) const { return BatchTypeCompareValues(BatchType, a, b); }

bool TBatchItem::InBin(int index, double start, double width, double value) const
{
    const double lower = FromDisplay(start + index * width);
    const double upper = FromDisplay(start + (index + 1) * width);
    return CompareValues(lower, value) != 1 && CompareValues(upper, value) == 1;
}

// ---------------------------------------------------------------------------------------------
// TBatchItem: bars and cells

QString TBatchItem::BarSizeName() const
{
    int best = -1;
    double bestDistance = 0;
    for (int i = 0; i < BarSizeCount; ++i) {
        const TBarSizeEntry *e = BarEntry(BarSeries, i);
        if (!e)
            continue;
        const double d = std::fabs(e->Diameter - BarSize);
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    if (best < 0)
        throw Exception(Tr("Unable to locate bar series name"));
    return BarSizeLabel(BarSeries, best);
}

void TBatchItem::SetBarSizeByName(const QString &label)
{
    for (int i = 0; i < BarSizeCount; ++i)
        if (BarEntry(BarSeries, i) && BarSizeLabel(BarSeries, i) == label) {
            BarSize = BarSizeDiameter(BarSeries, i);
            return;
        }
    throw Exception(Tr("Unknown bar series item"));
}

void TBatchItem::ConvertCellType(int target)
{
    if (BatchType != BatchTypeHalfCell)
        throw Exception(Tr("Invalid batch type - must be half-cell"));
    const int current = CellTypeIndex(CellType);
    double shift = 0;
    if (current == CellTypeCuCuSO4 && target == CellTypeAgAgCl)
        shift = 81;
    else if (current == CellTypeAgAgCl && target == CellTypeCuCuSO4)
        shift = -81;
    else
        throw Exception(Tr("Unable to convert data to cell type"));
    for (double &v : FValue)
        v += shift;
}

TSummaryGrid TBatchItem::SummaryGrid() const
{
    // Numbers carry exactly the precision shown: the display text read back as a number.
    auto number = [](const QString &text) -> QVariant {
        QString t = text;
        const QString point = QLocale().decimalPoint();
        if (point != QLatin1String("."))
            t.replace(point, QLatin1String("."));
        bool ok = false;
        const double v = t.toDouble(&ok);
        return ok ? QVariant(v) : QVariant(text);
    };
    auto yesNo = [](bool b) { return b ? Tr("Yes") : Tr("No"); };
    const bool cover = BatchType == BatchTypeCover;
    const bool halfCell = BatchType == BatchTypeHalfCell;
    if (!cover && !halfCell)
        InvalidBatchType();

    // Sized by the header, so a batch known only by its header still gets its empty rows; a
    // header size that no batch can have falls back to the cells actually held.
    const bool headerSize = Columns >= 0 && Rows >= 0 && static_cast<qint64>(Columns) * Rows <= MaxBatchCells;
    const int gridRows = headerSize ? std::max(Rows, FCellRows) : FCellRows;
    const int gridColumns = headerSize ? std::max(Columns, FCellColumns) : FCellColumns;
    // Thirty header rows over a very wide batch would dwarf the batch itself.
    if ((static_cast<qint64>(gridRows) + 30) * std::max(2, gridColumns) > 4 * MaxBatchCells)
        throw Exception(Tr("The batch is too large for a summary of %1 columns by %2 rows").arg(gridColumns).arg(gridRows));
    TSummaryGrid g;
    g.SetSize(gridRows + 30, std::max(2, gridColumns));
    const QList<QPair<const char *, QVariant>> rows = {
        {QT_TRID_NOOP("Batch ID"), ID},
        {QT_TRID_NOOP("Batch Type"), BatchTypeName(BatchType)},
        {QT_TRID_NOOP("File Path"), Path},
        {QT_TRID_NOOP("Readings"), static_cast<double>(Readings)},
        {QT_TRID_NOOP("Columns"), static_cast<double>(Columns)},
        {QT_TRID_NOOP("Rows"), static_cast<double>(Rows)},
        {QT_TRID_NOOP("Creation Date"), DateTimeToDisplayText(CreationDate)},
        {QT_TRID_NOOP("Update Date"), DateTimeToDisplayText(UpdateDate)},
        {QT_TRID_NOOP("High Limit Applied"), yesNo(HighLimitApplied)},
        {QT_TRID_NOOP("High Limit"), number(FormatValue(HighLimit))},
        {QT_TRID_NOOP("Low Limit Applied"), yesNo(LowLimitApplied)},
        {QT_TRID_NOOP("Low Limit"), number(FormatValue(LowLimit))},
        {QT_TRID_NOOP("Site"), Site},
        {QT_TRID_NOOP("Location"), Location},
        {QT_TRID_NOOP("Grid"), number(FormatCover(Grid))},
        {QT_TRID_NOOP("Area"), Area},
        {QT_TRID_NOOP("Engineer"), Engineer},
        {QT_TRID_NOOP("Customer"), Customer},
        {QT_TRID_NOOP("Bar Grade"), cover ? BarGradeName(BarGrade) : QString()},
        {QT_TRID_NOOP("Bar Series"), cover ? BarSeriesName(BarSeries) : QString()},
        {QT_TRID_NOOP("Bar Size"), cover ? BarSizeName() : QString()},
        {QT_TRID_NOOP("Note"), Note},
        {QT_TRID_NOOP("Unit"), UnitName()},
        {QT_TRID_NOOP("Mean"), number(FormatValueFine(Mean()))},
        {QT_TRID_NOOP("Standard Deviation"), number(FormatValueFine(StandardDeviation()))},
        {QT_TRID_NOOP("Max"), number(FormatValue(Max()))},
        {QT_TRID_NOOP("Min"), number(FormatValue(Min()))},
        {QT_TRID_NOOP("Range"), number(FormatValue(Range()))},
        {QT_TRID_NOOP("Temperature"),
         halfCell ? FormatTemperature(Temperature) + TemperatureUnitName() : QString()},
        {QT_TRID_NOOP("Cell Type"), halfCell ? CellType : QString()},
    };
    for (int r = 0; r < rows.size(); ++r) {
        g.Cell(r, 0) = Tr(rows[r].first);
        g.Cell(r, 1) = rows[r].second;
    }
    for (int r = 0; r < FCellRows; ++r)
        for (int c = 0; c < FCellColumns; ++c) {
            const int i = CellIndex(c, r);
            if (FReadingType[i] != ReadingTypeReading)
                continue;
            QVariant &cell = g.Cell(30 + r, c);
            if (FMeasureType[i] == MeasureTypeOverRange)
                cell = QStringLiteral(">>");
            else if (FMeasureType[i] == MeasureTypeUnderRange)
                cell = QStringLiteral("<<");
            else
                cell = number(FormatValue(FValue[i]));
        }
    return g;
}

// ---------------------------------------------------------------------------------------------
// TBatchList

TBatchList::TBatchList() { FItems.reserve(1024); }

TBatchList::~TBatchList()
{
    QMutexLocker locker(&FLock);
    FItems.clear();
}

TBatchItem *TBatchList::Add()
{
    QMutexLocker locker(&FLock);
    FItems.push_back(std::make_unique<TBatchItem>());
    return FItems.back().get();
}

int TBatchList::IndexOf(const QString &id, std::uint8_t batchType) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[i]->ID == id && FItems[i]->BatchType == batchType)
            return i;
    return -1;
}

void TBatchList::Delete(int index)
{
    QMutexLocker locker(&FLock);
    Items(index); // range check
    FItems.erase(FItems.begin() + index);
}

void TBatchList::Clear()
{
    QMutexLocker locker(&FLock);
    FItems.clear();
}

TBatchItem *TBatchList::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(Tr("List index out of bounds (%1)").arg(index));
    return FItems[static_cast<size_t>(index)].get();
}

int TBatchList::TaggedCount() const
{
    return static_cast<int>(std::count_if(FItems.begin(), FItems.end(), [](const auto &b) { return b->Tagged; }));
}

int TBatchList::TaggedCellCount() const
{
    qint64 n = 0;
    for (const auto &b : FItems)
        if (b->Tagged)
            n += b->CellCount();
    return Clamp32(n);
}

void TBatchList::Sort()
{
    QMutexLocker locker(&FLock);
    QCollator collator; // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(FItems.begin(), FItems.end(),
                     [&](const auto &a, const auto &b) { return collator.compare(a->ID, b->ID) < 0; });
}
