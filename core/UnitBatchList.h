#pragma once
// One batch of gauge readings (header, three cell matrices, statistics, unit handling) and the
// lockable list of batches shared by the download, the export and the report viewer.
#include "UnitDateTime.h"
#include "UnitPersistent.h"

#include <QRecursiveMutex>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <vector>

class XmlNodeList;

// Batch type codes.
constexpr std::uint8_t BatchTypeCover = 0;
constexpr std::uint8_t BatchTypeHalfCell = 1;
// Batch format codes.
constexpr std::uint8_t BatchFormatGrid = 0;
constexpr std::uint8_t BatchFormatLinear = 1;
// Reading type of a cell.
constexpr std::uint8_t ReadingTypeReading = 0;
constexpr std::uint8_t ReadingTypeEmpty = 1;
// Measure type of a cell holding a reading.
constexpr std::uint8_t MeasureTypeInRange = 0;
constexpr std::uint8_t MeasureTypeOverRange = 1;  // shown ">>"
constexpr std::uint8_t MeasureTypeUnderRange = 2; // shown "<<"
// Values given to over- and under-range cells entered by hand.
constexpr double OverRangeValue = 2147483647.0;
constexpr double UnderRangeValue = -2147483647.0;
// Temperature that was not recorded (degrees Celsius).
constexpr double TemperatureNotRecorded = -100.0;
// Bar series and bar grade codes.
constexpr int BarSeriesCount = 4;  // 0 Metric, 1 Imperial, 2 ASTM/Canadian, 3 Japanese
constexpr int BarGradeCount = 4;   // 0 High Tensile, 1 304, 2 316, 3 DUPLEX
constexpr int BarSizeCount = 21;   // entries per bar series table
constexpr double BarSizeUnused = 2147483647.0; // diameter of an unused table entry
// Reference-cell indexes: 0 "CU/CUSO4", 1 "AG/AGCL", 2 any other text.
constexpr int CellTypeCuCuSO4 = 0;
constexpr int CellTypeAgAgCl = 1;
constexpr int CellTypeOther = 2;
// No gauge holds more cells than this; larger sizes are refused rather than allocated.
constexpr qint64 MaxBatchCells = 1000000;
// A batch file of MaxBatchCells cells is about half this size; a larger file is no batch and is
// refused before it is read into memory.
constexpr qint64 MaxBatchFileBytes = 64 * 1024 * 1024;
// Raises a message naming the file when it is larger than MaxBatchFileBytes.
void CheckBatchFileSize(const QString &fileName);

// Reference-cell name to index (letter case ignored; 2 for any other text) and back.
int CellTypeIndex(const QString &name);
QString CellTypeName(int index);
// Translated display names of the codes; empty text for an unknown code.
QString BatchFormatName(int code);
QString BatchTypeName(int code);
QString BarSeriesName(int code);
QString BarGradeName(int code);
// Label of entry `index` of a bar series table, "mm" filled in for series 0 and 3; empty for an
// unused entry or an index or series outside the table.
QString BarSizeLabel(int series, int index);
// Diameter in millimetres of a table entry; BarSizeUnused for an unused or unknown entry.
double BarSizeDiameter(int series, int index);
// Clears the list and adds the non-empty labels of the series in table order.
void FillBarSizeList(int series, QStringList &list);

// Cells of the summary grid: an invalid QVariant is an empty cell, a QString a text, a double a
// number.
struct TSummaryGrid {
    int RowCount = 0;
    int ColumnCount = 0;
    std::vector<QVariant> Cells; // row by row

    void SetSize(int rows, int columns);
    const QVariant &Cell(int row, int column) const;
    QVariant &Cell(int row, int column);
};

class TBatchItem : public TPersistent {
public:
    TBatchItem();
    TBatchItem(const TBatchItem &other);
    TBatchItem &operator=(const TBatchItem &other);
    ~TBatchItem() override;

    // Header, in declaration order.
    QString ID;   // the file name without folder and extension; not stored in the file
    QString Path; // folder of the file with a trailing "/"; not stored in the file
    std::int32_t Slot = 0;
    std::int32_t Columns = 0;
    std::int32_t Rows = 0;
    std::int32_t Readings = 0; // valid readings, kept up to date by the editors (ValidCount)
    bool Tagged = false;
    TDateTime CreationDate = 0;
    TDateTime UpdateDate = 0;
    QString ProbeSerialNumber;
    QString ProbeType;
    QString ProbeSide0Type;
    QString ProbeSide1Type;
    std::uint8_t BatchType = 0;
    std::uint8_t BatchFormat = 0;
    double HighLimit = 0;
    double LowLimit = 0;
    double GaugeHighLimit = 0;
    double GaugeLowLimit = 0;
    bool LowLimitApplied = false;
    bool HighLimitApplied = false;
    QString Site;
    QString Location;
    double Grid = 0; // millimetres
    QString Area;
    QString Engineer;
    QString Customer;
    QString Note;
    std::uint8_t BarSeries = 0;
    double BarSize = 0; // millimetres
    QString GaugeSerialNumber;
    std::uint8_t GaugeType = 0;
    std::uint8_t BarGrade = 0;
    QString CellType;
    double Temperature = 0; // degrees Celsius; TemperatureNotRecorded when not recorded
    QString GaugeCellType;

    // --- data handling
    // Raises "Cannot assign object to Batch item" for a source of another class.
    void Assign(const TPersistent *source) override;
    // Empties every text, zeroes every number, flag and code, GaugeType 2, frees the matrices.
    void Clear();
    // Allocates the matrices to Columns x Rows, every cell empty. Raises "Invalid batch size"
    // for a negative size or more than MaxBatchCells cells.
    void SetSize();
    // Keeps the cells inside both sizes, others empty; sets Columns, Rows and Readings.
    void Resize(int columns, int rows);
    // Clears the record and gives it the values of a new batch of the main window's "new batch"
    // actions: dates now, limits, temperature not recorded, size and grid by format, cells empty.
    void SetNewBatchDefaults(std::uint8_t batchType, std::uint8_t batchFormat);

    // One cell (column, row). Raises "Cell index out of range" outside the allocated matrices.
    // Setting does not update Readings; recompute it with ValidCount.
    std::uint8_t ReadingType(int column, int row) const;
    void SetReadingType(int column, int row, std::uint8_t value);
    std::uint8_t MeasureType(int column, int row) const;
    void SetMeasureType(int column, int row, std::uint8_t value);
    double Value(int column, int row) const;
    void SetValue(int column, int row, double value);
    // True when the matrices are allocated (Columns and Rows as at the last SetSize/Resize/load).
    bool HasCells() const { return !FReadingType.empty(); }

    // --- batch file (.vcb / .vch)
    void LoadFromFile(const QString &fileName); // sets ID and Path from the name, then LoadFromXml
    void SaveToFile(const QString &fileName) const; // atomic replace; the folder must exist
    void LoadFromXml(const XmlNodeList &nodes);     // first top-level "Batch" element
    void SaveToXml(XmlNodeList &nodes) const;       // appends the "Batch" element
    QString FileExtension() const;                  // ".vcb" cover, ".vch" half-cell
    QString FileName() const;                       // trimmed ID + FileExtension

    // --- counts and statistics over the whole matrix; only valid readings (reading type 0,
    // measure type 0) enter the statistics
    int CellCount() const;
    int ValidCount() const;
    int ReadingPositions() const; // grid: CellCount; linear: cells with reading type 0
    double Mean() const;
    double StandardDeviation() const; // sample (n - 1); 0 when fewer than two readings
    double Max() const;
    double Min() const;
    double Range() const;
    int CountBelowLow() const;
    int CountAboveHigh() const;
    double PercentBelowLow() const;
    double PercentAboveHigh() const;
    int CountOverRange() const;
    int CountUnderRange() const;
    double PercentOverRange() const;
    double PercentUnderRange() const;
    int LastReadingPosition() const; // 1-based, row by row; 0 when every cell is empty

    // --- units by batch type; another type raises "Invalid Batch Type"
    QString UnitName() const;
    const char *ValueFormat() const;
    double ToDisplay(double value) const;
    double FromDisplay(double value) const;
    QString FormatValue(double value) const;
    QString FormatValueRounded(double value) const;
    QString FormatValueFine(double value) const;
    double ToDisplayRounded(double value) const;
    int CompareValues(double a, double b) const;
    // lower <= value < upper at display resolution, the bounds being start + index * width and
    // start + (index + 1) * width in display units.
    bool InBin(int index, double start, double width, double value) const;

    // --- bars and cells
    QString BarSizeName() const;                 // "Unable to locate bar series name"
    void SetBarSizeByName(const QString &label); // "Unknown bar series item"
    // Shifts every cell between "CU/CUSO4" and "AG/AGCL" (81 mV); CellType is left to the caller.
    void ConvertCellType(int target);
    TSummaryGrid SummaryGrid() const;

private:
    int CellIndex(int column, int row) const;
    void FreeCells();
    void AllocateCells(int columns, int rows); // every cell empty

    int FCellColumns = 0; // size of the allocated matrices
    int FCellRows = 0;
    std::vector<std::uint8_t> FReadingType; // index column * FCellRows + row
    std::vector<std::uint8_t> FMeasureType;
    std::vector<double> FValue;
};

// Owning, lockable list of batches. The lock is re-entrant; every access from the communication
// thread and the gauge windows is enclosed in Lock ... Unlock (or a QMutexLocker on Mutex()).
class TBatchList {
public:
    TBatchList();
    ~TBatchList();
    TBatchList(const TBatchList &) = delete;
    TBatchList &operator=(const TBatchList &) = delete;

    TBatchItem *Add(); // a new empty batch, appended
    int IndexOf(const QString &id, std::uint8_t batchType) const; // exact ID; -1 when none
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TBatchItem *Items(int index) const; // raises "List index out of bounds (%d)"
    int TaggedCount() const;
    int TaggedCellCount() const;
    // Orders by ID, letter case ignored, by the user's locale.
    void Sort();

    void Lock() { FLock.lock(); }
    void Unlock() { FLock.unlock(); }
    QRecursiveMutex &Mutex() { return FLock; }

    // Spreadsheet export of every batch, one worksheet each (implemented by the export unit).
    void ExportXml(const QString &fileName) const;
    void ExportXls(const QString &fileName) const;
    void ExportXlsx(const QString &fileName) const;
    // One file per batch beside `fileName`: "<base>-<sheet name>.csv"; returns the files written.
    QStringList ExportCsv(const QString &fileName) const;

private:
    std::vector<std::unique_ptr<TBatchItem>> FItems;
    QRecursiveMutex FLock;
};
