#include "UnitExcel.h"

#include "UnitException.h"
#include "UnitTextFile.h"

#include <QBuffer>
#include <QtEndian>
#include <cstring>

namespace {

void PutU16(QByteArray &data, int offset, quint16 value)
{
    qToLittleEndian(value, data.data() + offset);
}

void PutU32(QByteArray &data, int offset, quint32 value)
{
    qToLittleEndian(value, data.data() + offset);
}

quint16 GetU16(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

QByteArray CellHeader(int row, int column)
{
    QByteArray data(6, '\0');
    PutU16(data, 0, static_cast<quint16>(row));
    PutU16(data, 2, static_cast<quint16>(column));
    PutU16(data, 4, ExcelCellFormat);
    return data;
}

// A BIFF4 worksheet holds 16384 rows and 256 columns; a cell outside would corrupt the file.
void CheckCell(int row, int column)
{
    if (row < 0 || row > 16383 || column < 0 || column > 255)
        throw Exception(Tr("Cell (%1, %2) lies outside the worksheet").arg(row).arg(column));
}

// Longest text of a cell or a sheet name in this format; longer texts are cut.
constexpr int MaxTextBytes = 255;

QByteArray WorkbookText(const QString &text)
{
    return EncodeWindows1252(text).left(MaxTextBytes);
}

} // namespace

TExcelList::TExcelList() = default;
TExcelList::~TExcelList() = default;

void TExcelList::Clear()
{
    FItems.clear();
    FInsertPos.clear();
}

void TExcelList::LoadFromStream(QIODevice &stream)
{
    Clear();
    for (;;) {
        char header[4];
        const qint64 got = stream.read(header, 4);
        if (got == 0)
            break;
        if (got != 4)
            throw Exception(Tr("The workbook stream ends inside a record header"));
        const quint16 type = qFromLittleEndian<quint16>(header);
        const quint16 length = qFromLittleEndian<quint16>(header + 2);
        QByteArray data = stream.read(length);
        if (data.size() != length)
            throw Exception(Tr("The workbook stream ends inside a record of type 0x%1")
                                .arg(type, 4, 16, QLatin1Char('0')));
        FItems.push_back(std::make_unique<TExcelItem>(type, data));
    }
}

void TExcelList::LoadFromBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LoadFromStream(buffer);
}

void TExcelList::LoadTemplate()
{
    LoadFromBytes(ExcelTemplateWorkbook());
}

int TExcelList::IndexOfRecord(quint16 recordType, int n) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)]->RecordType == recordType && n-- == 0)
            return i;
    return -1;
}

int TExcelList::LastIndexOfRecord(quint16 recordType, int from, int to) const
{
    for (int i = to - 1; i >= from; --i)
        if (FItems[static_cast<size_t>(i)]->RecordType == recordType)
            return i;
    return -1;
}

int TExcelList::SheetCount() const
{
    int n = 0;
    for (const auto &item : FItems)
        if (item->RecordType == ExcelRecord::BundleHeader)
            ++n;
    return n;
}

int TExcelList::SheetHeader(int sheet) const
{
    const int header = sheet >= 0 ? IndexOfRecord(ExcelRecord::BundleHeader, sheet) : -1;
    if (header < 0)
        throw Exception(Tr("The workbook has no sheet %1").arg(sheet + 1));
    return header;
}

int TExcelList::SheetEnd(int header) const
{
    for (int i = header + 1; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)]->RecordType == ExcelRecord::Eof)
            return i;
    throw Exception(Tr("The workbook's sheet stream has no end"));
}

void TExcelList::Insert(int index, std::unique_ptr<TExcelItem> item)
{
    FItems.insert(FItems.begin() + index, std::move(item));
    // Keep every sheet's insertion point on the record it named.
    for (int &pos : FInsertPos)
        if (pos >= index)
            ++pos;
}

void TExcelList::AddSheet(int sheet)
{
    const int count = SheetCount();
    const int header = SheetHeader(sheet);
    const int firstHeader = IndexOfRecord(ExcelRecord::BundleHeader, 0);

    // The sheet's window in the globals: its window-list entry and the WINDOW1, WINDOW2 and
    // SELECTION records that follow it.
    const int window = IndexOfRecord(ExcelRecord::WindowList, sheet);
    std::vector<std::unique_ptr<TExcelItem>> windowCopy;
    if (window >= 0 && window < firstHeader) {
        windowCopy.push_back(std::make_unique<TExcelItem>(*Items(window)));
        if (!windowCopy.front()->Data.isEmpty())
            windowCopy.front()->Data[0] = static_cast<char>(count + 1);
        for (int i = window + 1; i < firstHeader; ++i) {
            const quint16 type = Items(i)->RecordType;
            if (type == ExcelRecord::WindowList)
                break;
            if (type == ExcelRecord::Window1 || type == ExcelRecord::Window2 || type == ExcelRecord::Selection)
                windowCopy.push_back(std::make_unique<TExcelItem>(*Items(i)));
            if (type == ExcelRecord::Selection)
                break;
        }
    }

    // The copied sheet stream goes after the last sheet's EOF.
    std::vector<std::unique_ptr<TExcelItem>> sheetCopy;
    for (int i = header; i <= SheetEnd(header); ++i)
        sheetCopy.push_back(std::make_unique<TExcelItem>(*Items(i)));
    int at = SheetEnd(SheetHeader(count - 1)) + 1;
    for (auto &item : sheetCopy)
        Insert(at++, std::move(item));

    // The sheet-name list follows sheet order, so the new name goes after the last one.
    const int nameRecord = IndexOfRecord(ExcelRecord::SheetName, sheet);
    const int lastName = LastIndexOfRecord(ExcelRecord::SheetName, 0, firstHeader);
    if (nameRecord >= 0 && nameRecord < firstHeader)
        Insert(lastName + 1, std::make_unique<TExcelItem>(*Items(nameRecord)));

    if (!windowCopy.empty()) {
        const int headerNow = IndexOfRecord(ExcelRecord::BundleHeader, 0);
        at = LastIndexOfRecord(ExcelRecord::Selection, 0, headerNow) + 1;
        for (auto &item : windowCopy)
            Insert(at++, std::move(item));
    }
    FInsertPos.resize(SheetCount(), -1);
}

void TExcelList::SetSheetName(int sheet, const QString &name)
{
    const QByteArray text = WorkbookText(name);
    const int header = SheetHeader(sheet);
    TExcelItem *bundle = Items(header);
    QByteArray data = bundle->Data.left(4);
    data.resize(4, '\0');
    data.append(static_cast<char>(text.size()));
    data.append(text);
    bundle->Data = data;

    const int nameRecord = IndexOfRecord(ExcelRecord::SheetName, sheet);
    if (nameRecord >= 0 && nameRecord < IndexOfRecord(ExcelRecord::BundleHeader, 0)) {
        QByteArray nameData;
        nameData.append(static_cast<char>(text.size()));
        nameData.append(text);
        Items(nameRecord)->Data = nameData;
    }
}

void TExcelList::InsertCell(int sheet, quint16 recordType, const QByteArray &data)
{
    // Once a sheet has a cell, its insertion point is known: no search through the records.
    if (sheet >= 0 && sheet < FInsertPos.size() && FInsertPos[sheet] >= 0) {
        const int at = FInsertPos[sheet] + 1;
        Insert(at, std::make_unique<TExcelItem>(recordType, data));
        FInsertPos[sheet] = at;
        return;
    }
    const int header = SheetHeader(sheet);
    if (FInsertPos.size() <= sheet)
        FInsertPos.resize(sheet + 1, -1);
    int &pos = FInsertPos[sheet];
    const int end = SheetEnd(header);
    for (int i = end - 1; i > header && pos < 0; --i) {
        const quint16 type = Items(i)->RecordType;
        if (type == ExcelRecord::Dimensions || type == ExcelRecord::Number || type == ExcelRecord::Label ||
            type == ExcelRecord::Row)
            pos = i;
    }
    if (pos < 0)
        throw Exception(Tr("The workbook's sheet %1 has no place for cells").arg(sheet + 1));
    const int at = pos + 1;
    Insert(at, std::make_unique<TExcelItem>(recordType, data));
    pos = at;
}

void TExcelList::WriteLabel(int row, int column, const QString &text, int sheet)
{
    CheckCell(row, column);
    const QByteArray bytes = WorkbookText(text);
    QByteArray data = CellHeader(row, column);
    data.resize(8);
    PutU16(data, 6, static_cast<quint16>(bytes.size()));
    data.append(bytes);
    InsertCell(sheet, ExcelRecord::Label, data);
}

void TExcelList::WriteNumber(int row, int column, double value, int sheet)
{
    CheckCell(row, column);
    QByteArray data = CellHeader(row, column);
    quint64 bits = 0;
    static_assert(sizeof(bits) == sizeof(value));
    std::memcpy(&bits, &value, sizeof(bits));
    data.resize(14);
    qToLittleEndian(bits, data.data() + 6);
    InsertCell(sheet, ExcelRecord::Number, data);
}

void TExcelList::UpdateBeforeSave()
{
    int offset = 0;
    int firstHeaderOffset = -1;
    for (int i = 0; i < Count(); ++i) {
        TExcelItem *item = Items(i);
        if (item->RecordType == ExcelRecord::BundleHeader) {
            if (firstHeaderOffset < 0)
                firstHeaderOffset = offset;
            const int end = SheetEnd(i);
            quint32 size = 0;
            int rowFirst = -1, rowLast = -1, colFirst = -1, colLast = -1;
            for (int k = i + 1; k <= end; ++k) {
                const TExcelItem *rec = Items(k);
                size += 4 + static_cast<quint32>(rec->Data.size());
                if ((rec->RecordType == ExcelRecord::Number || rec->RecordType == ExcelRecord::Label) &&
                    rec->Data.size() >= 4) {
                    const int r = GetU16(rec->Data, 0), c = GetU16(rec->Data, 2);
                    rowFirst = rowFirst < 0 ? r : qMin(rowFirst, r);
                    rowLast = qMax(rowLast, r);
                    colFirst = colFirst < 0 ? c : qMin(colFirst, c);
                    colLast = qMax(colLast, c);
                }
            }
            if (item->Data.size() < 4)
                item->Data.resize(4, '\0');
            PutU32(item->Data, 0, size);
            // Readers size the sheet from DIMENSIONS: let it cover the written cells.
            const int dims = LastIndexOfRecord(ExcelRecord::Dimensions, i + 1, end);
            if (dims >= 0 && rowFirst >= 0 && Items(dims)->Data.size() >= 8) {
                QByteArray &d = Items(dims)->Data;
                PutU16(d, 0, static_cast<quint16>(rowFirst));
                PutU16(d, 2, static_cast<quint16>(rowLast + 1));
                PutU16(d, 4, static_cast<quint16>(colFirst));
                PutU16(d, 6, static_cast<quint16>(colLast + 1));
            }
        }
        offset += 4 + static_cast<int>(item->Data.size());
    }
    if (firstHeaderOffset < 0)
        return;
    for (const auto &item : FItems)
        if (item->RecordType == ExcelRecord::BundleOffset) {
            item->Data.resize(4);
            PutU32(item->Data, 0, static_cast<quint32>(firstHeaderOffset));
        }
}

QByteArray TExcelList::SaveToBytes()
{
    UpdateBeforeSave();
    QByteArray out;
    for (const auto &item : FItems) {
        if (item->Data.size() > 0xFFFF)
            throw Exception(Tr("A workbook record of type 0x%1 is too long")
                                .arg(item->RecordType, 4, 16, QLatin1Char('0')));
        char header[4];
        qToLittleEndian(item->RecordType, header);
        qToLittleEndian(item->Length(), header + 2);
        out.append(header, 4);
        out.append(item->Data);
    }
    return out;
}

void TExcelList::SaveToFile(const QString &fileName)
{
    WriteFileAtomic(fileName, SaveToBytes());
}
