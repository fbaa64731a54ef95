#pragma once
// Binary workbook (Excel 4.0 workbook, BIFF4W) filled from the stored template workbook: the
// record list, copies of the template sheet, sheet names and NUMBER / LABEL cells.
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

class QIODevice;

// Record types the workbook writer reads or changes.
namespace ExcelRecord {
constexpr quint16 Bof = 0x0409;          // BOF of a BIFF4 stream (globals or worksheet)
constexpr quint16 Eof = 0x000A;
constexpr quint16 Selection = 0x001D;
constexpr quint16 WindowList = 0x0038;   // window-list entry of the workbook globals
constexpr quint16 Window1 = 0x003D;
constexpr quint16 SheetName = 0x0085;
constexpr quint16 BundleOffset = 0x008E;
constexpr quint16 BundleHeader = 0x008F;
constexpr quint16 Dimensions = 0x0200;
constexpr quint16 Number = 0x0203;
constexpr quint16 Label = 0x0204;
constexpr quint16 Row = 0x0208;
constexpr quint16 Window2 = 0x023E;
}

// Cell format (XF index) of every cell the export writes: Arial 10, General number format.
constexpr quint16 ExcelCellFormat = 21;

// One record of the workbook stream: its type and its data (the length is the data's size).
class TExcelItem {
public:
    TExcelItem(quint16 recordType, const QByteArray &data) : RecordType(recordType), Data(data) {}
    quint16 RecordType;
    QByteArray Data;
    quint16 Length() const { return static_cast<quint16>(Data.size()); }
};

// The records of one workbook in file order. Sheet n is the stream that follows the n-th bundle
// header (its BOF through the first EOF after it).
class TExcelList {
public:
    TExcelList();
    ~TExcelList();
    TExcelList(const TExcelList &) = delete;
    TExcelList &operator=(const TExcelList &) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    TExcelItem *Items(int index) const { return FItems.at(static_cast<size_t>(index)).get(); }
    void Clear();

    // Reads records until the end of the stream; a cut record raises Exception.
    void LoadFromStream(QIODevice &stream);
    void LoadFromBytes(const QByteArray &bytes);
    // Loads the stored template workbook "TEMPLATE_SHEET".
    void LoadTemplate();

    // Position of the n-th record (from 0) of the type; -1 when there are fewer.
    int IndexOfRecord(quint16 recordType, int n = 0) const;
    // Position of the last record of the type in [from, to); -1 when none.
    int LastIndexOfRecord(quint16 recordType, int from, int to) const;
    // Number of sheets (bundle headers).
    int SheetCount() const;

    // Appends a copy of sheet n (window records, sheet name, bundle header and sheet stream).
    void AddSheet(int sheet);
    // Names sheet n in its sheet-name record and in its bundle header (at most 255 bytes).
    void SetSheetName(int sheet, const QString &name);
    // Cells: inserted after the sheet's last DIMENSIONS / ROW / NUMBER / LABEL record, each
    // further cell after the previous one; cell format 21. Texts in code page 1252.
    void WriteLabel(int row, int column, const QString &text, int sheet);
    void WriteNumber(int row, int column, double value, int sheet);

    // Recomputes the bundle sizes, the bundle offset and the dimensions, then writes the records.
    QByteArray SaveToBytes();
    void SaveToFile(const QString &fileName);

private:
    std::vector<std::unique_ptr<TExcelItem>> FItems;
    QList<int> FInsertPos; // per sheet: position of the last cell written, -1 until first used

    void Insert(int index, std::unique_ptr<TExcelItem> item);
    int SheetHeader(int sheet) const;   // position of the sheet's bundle header, raises if none
    int SheetEnd(int header) const;     // position of the EOF that ends the sheet of a header
    void InsertCell(int sheet, quint16 recordType, const QByteArray &data);
    void UpdateBeforeSave();
};

// The stored template workbook: a complete BIFF4W stream with one empty sheet "Sheet1".
QByteArray ExcelTemplateWorkbook();
