#include "BiffReader.h"
#include "TestSupport.h"
#include "UnitException.h"
#include "UnitExcel.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

int CountType(const std::vector<TBiffRecord> &records, quint16 type)
{
    int n = 0;
    for (const auto &r : records)
        n += r.Type == type;
    return n;
}

std::vector<TBiffRecord> OfType(const std::vector<TBiffRecord> &records, quint16 type)
{
    std::vector<TBiffRecord> out;
    for (const auto &r : records)
        if (r.Type == type)
            out.push_back(r);
    return out;
}

// Checks what every saved workbook must satisfy: a whole record stream, each bundle header
// sized to its sheet, the bundle offset naming the first bundle header, closing EOF.
void ExpectConsistent(const QByteArray &bytes)
{
    bool ok = false;
    const auto records = ReadBiff(bytes, &ok);
    ASSERT_TRUE(ok) << "record stream cut";
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().Type, 0x000A);
    const auto sheets = BiffSheets(records);
    ASSERT_FALSE(sheets.empty());
    for (const auto &s : sheets) {
        EXPECT_EQ(s.DeclaredSize, s.ActualSize) << s.Name.toStdString();
        ASSERT_FALSE(s.Types.empty());
        EXPECT_EQ(s.Types.front(), 0x0409);
        EXPECT_EQ(s.Types.back(), 0x000A);
    }
    const auto offsets = OfType(records, 0x008E);
    ASSERT_EQ(offsets.size(), 1u);
    EXPECT_EQ(static_cast<int>(offsets[0].U32(0)), sheets.front().HeaderOffset);
}

} // namespace

TEST(ExcelTemplate, HasTheDescribedStructure)
{
    const QByteArray bytes = ExcelTemplateWorkbook();
    ExpectConsistent(bytes);
    const auto records = ReadBiff(bytes);

    // Globals: BOF version 0x0400 type 0x0100, write access padded to 112 bytes, code page 1252.
    ASSERT_GE(records.size(), 3u);
    EXPECT_EQ(records[0].Type, 0x0409);
    EXPECT_EQ(records[0].U16(0), 0x0400);
    EXPECT_EQ(records[0].U16(2), 0x0100);
    EXPECT_EQ(records[1].Type, 0x005C);
    EXPECT_EQ(records[1].Data.size(), 112);
    EXPECT_EQ(records[2].Type, 0x0042);
    EXPECT_EQ(records[2].U16(0), 1252);

    const auto names = OfType(records, 0x0085);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].Text8(0), QByteArray("Sheet1"));
    const auto sheets = BiffSheets(records);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].Name, QByteArray("Sheet1"));
    EXPECT_TRUE(sheets[0].Cells.empty());

    // Fonts: six Arial 10 point, only the sixth bold.
    const auto fonts = OfType(records, 0x0231);
    ASSERT_EQ(fonts.size(), 6u);
    for (size_t i = 0; i < fonts.size(); ++i) {
        EXPECT_EQ(fonts[i].U16(0), 200);
        EXPECT_EQ(fonts[i].U16(2) & 1, i == 5 ? 1 : 0);
        EXPECT_EQ(fonts[i].Text8(6), QByteArray("Arial"));
    }
    ASSERT_EQ(OfType(records, 0x0056).size(), 1u);
    EXPECT_EQ(OfType(records, 0x0056)[0].U16(0), 27);
    EXPECT_EQ(CountType(records, 0x041E), 34);
    EXPECT_EQ(CountType(records, 0x0293), 6);

    // 23 XF records; 21 is a cell format on font 0 (Arial 10) and format 0 ("General").
    const auto xfs = OfType(records, 0x0443);
    ASSERT_EQ(xfs.size(), 23u);
    EXPECT_EQ(static_cast<quint8>(xfs[21].Data[0]), 0);
    EXPECT_EQ(static_cast<quint8>(xfs[21].Data[1]), 0);
    EXPECT_EQ(xfs[21].U16(2) & 0x0004, 0) << "must be a cell XF, not a style";
    EXPECT_EQ(OfType(records, 0x041E)[0].Text8(2), QByteArray("General"));

    // Margins 0.75 / 0.75 / 1 / 1 inch, column width 8, country (1, 44).
    EXPECT_DOUBLE_EQ(OfType(records, 0x0026)[0].F64(0), 0.75);
    EXPECT_DOUBLE_EQ(OfType(records, 0x0027)[0].F64(0), 0.75);
    EXPECT_DOUBLE_EQ(OfType(records, 0x0028)[0].F64(0), 1.0);
    EXPECT_DOUBLE_EQ(OfType(records, 0x0029)[0].F64(0), 1.0);
    EXPECT_EQ(OfType(records, 0x0055)[0].U16(0), 8);
    EXPECT_EQ(OfType(records, 0x008C)[0].U16(0), 1);
    EXPECT_EQ(OfType(records, 0x008C)[0].U16(2), 44);
}

TEST(ExcelList, AddsNamedSheetsWithTheirCells)
{
    TExcelList list;
    list.LoadTemplate();
    list.AddSheet(0);
    list.AddSheet(0);
    ASSERT_EQ(list.SheetCount(), 3);
    const QStringList names = {QStringLiteral("Wall 1 (Cover)"), QStringLiteral("Deck & <Pier> (Half Cell)"),
                               QStringLiteral("Ünïcode € Ω")};
    for (int k = 0; k < 3; ++k)
        list.SetSheetName(k, names[k]);
    list.WriteLabel(0, 0, QStringLiteral("Batch ID"), 0);
    list.WriteNumber(3, 1, 12.5, 0);
    list.WriteLabel(30, 2, QStringLiteral(">>"), 1);
    list.WriteNumber(31, 2, -345, 1);
    list.WriteLabel(1, 1, QStringLiteral("a€b—c"), 2);

    const QByteArray bytes = list.SaveToBytes();
    ExpectConsistent(bytes);
    const auto records = ReadBiff(bytes);
    const auto sheets = BiffSheets(records);
    ASSERT_EQ(sheets.size(), 3u);

    // Names in code page 1252 in both the sheet-name records and the bundle headers, in order.
    const QByteArray expected[] = {"Wall 1 (Cover)", "Deck & <Pier> (Half Cell)", "\xDCn\xEF" "code \x80 ?"};
    const auto nameRecords = OfType(records, 0x0085);
    ASSERT_EQ(nameRecords.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(sheets[k].Name, expected[k]);
        EXPECT_EQ(nameRecords[k].Text8(0), expected[k]);
    }
    // One window per sheet in the globals, numbered from 1, each with WINDOW1/WINDOW2/SELECTION.
    const auto windows = OfType(records, 0x0038);
    ASSERT_EQ(windows.size(), 3u);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(static_cast<quint8>(windows[k].Data[0]), k + 1);
    int globalsEnd = 0;
    while (records[globalsEnd].Type != 0x008F)
        ++globalsEnd;
    const std::vector<TBiffRecord> globals(records.begin(), records.begin() + globalsEnd);
    EXPECT_EQ(CountType(globals, 0x003D), 3);
    EXPECT_EQ(CountType(globals, 0x023E), 3);
    EXPECT_EQ(CountType(globals, 0x001D), 3);

    ASSERT_EQ(sheets[0].Cells.size(), 2u);
    EXPECT_FALSE(sheets[0].Cells[0].IsNumber);
    EXPECT_EQ(sheets[0].Cells[0].Text, QByteArray("Batch ID"));
    EXPECT_TRUE(sheets[0].Cells[1].IsNumber);
    EXPECT_EQ(sheets[0].Cells[1].Row, 3);
    EXPECT_EQ(sheets[0].Cells[1].Column, 1);
    EXPECT_DOUBLE_EQ(sheets[0].Cells[1].Number, 12.5);
    ASSERT_EQ(sheets[1].Cells.size(), 2u);
    EXPECT_EQ(sheets[1].Cells[0].Text, QByteArray(">>"));
    EXPECT_DOUBLE_EQ(sheets[1].Cells[1].Number, -345);
    ASSERT_EQ(sheets[2].Cells.size(), 1u);
    EXPECT_EQ(sheets[2].Cells[0].Text, QByteArray("a\x80" "b\x97" "c"));
    for (const auto &s : sheets)
        for (const auto &c : s.Cells)
            EXPECT_EQ(c.Format, 21);

    // Cells follow the DIMENSIONS anchor, and DIMENSIONS covers them.
    const auto &types = sheets[1].Types;
    const auto dims = std::find(types.begin(), types.end(), 0x0200);
    ASSERT_NE(dims, types.end());
    EXPECT_EQ(*(dims + 1), 0x0204);
    EXPECT_EQ(*(dims + 2), 0x0203);
    const auto dimRecords = OfType(records, 0x0200);
    ASSERT_EQ(dimRecords.size(), 3u);
    EXPECT_EQ(dimRecords[1].U16(0), 30);
    EXPECT_EQ(dimRecords[1].U16(2), 32);
    EXPECT_EQ(dimRecords[1].U16(4), 2);
    EXPECT_EQ(dimRecords[1].U16(6), 3);
}

TEST(ExcelList, CellsStayInTheirSheetWhenWrittenOutOfOrder)
{
    // Writing to an earlier sheet, or adding a sheet, after cells of a later sheet must not
    // move cells into the wrong sheet.
    TExcelList list;
    list.LoadTemplate();
    list.AddSheet(0);
    list.WriteNumber(0, 0, 1, 1);
    list.WriteNumber(0, 0, 2, 0);
    list.WriteNumber(1, 0, 3, 1);
    list.AddSheet(1);
    list.WriteNumber(2, 0, 4, 1);
    list.WriteNumber(5, 5, 5, 2);
    list.WriteNumber(1, 0, 6, 0);
    const QByteArray bytes = list.SaveToBytes();
    ExpectConsistent(bytes);
    const auto sheets = BiffSheets(ReadBiff(bytes));
    ASSERT_EQ(sheets.size(), 3u);
    auto values = [](const TBiffSheet &s) {
        std::vector<double> v;
        for (const auto &c : s.Cells)
            v.push_back(c.Number);
        return v;
    };
    EXPECT_EQ(values(sheets[0]), (std::vector<double>{2, 6}));
    EXPECT_EQ(values(sheets[1]), (std::vector<double>{1, 3, 4}));
    EXPECT_EQ(values(sheets[2]), (std::vector<double>{1, 3, 5})); // copy of sheet 1, then its own
}

TEST(ExcelList, RejectsWhatWouldCorruptTheFile)
{
    TExcelList list;
    list.LoadTemplate();
    EXPECT_THROW(list.WriteNumber(0, 0, 1, 1), Exception); // no sheet 1
    EXPECT_THROW(list.WriteNumber(16384, 0, 1, 0), Exception);
    EXPECT_THROW(list.WriteLabel(0, 256, QStringLiteral("x"), 0), Exception);
    EXPECT_THROW(list.AddSheet(3), Exception);

    // Texts longer than a cell may hold are cut to 255 bytes instead of overflowing the record.
    list.WriteLabel(0, 0, QString(70000, QLatin1Char('x')), 0);
    list.SetSheetName(0, QString(300, QLatin1Char('n')));
    const QByteArray bytes = list.SaveToBytes();
    ExpectConsistent(bytes);
    const auto sheets = BiffSheets(ReadBiff(bytes));
    EXPECT_EQ(sheets[0].Cells.at(0).Text.size(), 255);
    EXPECT_EQ(sheets[0].Name.size(), 255);

    // A cut stream is refused rather than half loaded.
    TExcelList cut;
    EXPECT_THROW(cut.LoadFromBytes(bytes.left(bytes.size() - 1)), Exception);
    EXPECT_THROW(cut.LoadFromBytes(bytes.left(bytes.size() - 2) + QByteArray(1, '\x0A')), Exception);
}

TEST(ExcelList, LoadSaveRoundTripKeepsTheBytes)
{
    TExcelList list;
    list.LoadTemplate();
    list.AddSheet(0);
    list.SetSheetName(1, QStringLiteral("Second"));
    list.WriteLabel(2, 3, QStringLiteral("text"), 1);
    const QByteArray once = list.SaveToBytes();
    TExcelList again;
    again.LoadFromBytes(once);
    EXPECT_EQ(again.SaveToBytes(), once);
    EXPECT_EQ(again.SheetCount(), 2);
}

TEST(ExcelList, SaveToFileWritesTheStream)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.xls"));
    TExcelList list;
    list.LoadTemplate();
    list.WriteNumber(0, 0, 0.1, 0);
    list.SaveToFile(file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), list.SaveToBytes());
    EXPECT_THROW(list.SaveToFile(dir.filePath(QStringLiteral("missing/out.xls"))), Exception);
}

TEST(ExcelList, OpensInGnumeric)
{
    const QString ssconvert = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
    if (ssconvert.isEmpty())
        GTEST_SKIP() << "ssconvert (gnumeric) is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("book.xls"));
    TExcelList list;
    list.LoadTemplate();
    list.AddSheet(0);
    list.SetSheetName(0, QStringLiteral("Wall & <1> (Cover)"));
    list.SetSheetName(1, QStringLiteral("Deck (Half Cell)"));
    list.WriteLabel(0, 0, QStringLiteral("Site"), 0);
    list.WriteLabel(0, 1, QStringLiteral("Caf\u00e9 \u20ac"), 0);
    list.WriteNumber(1, 1, 12.5, 0);
    list.WriteLabel(2, 0, QStringLiteral(">>"), 1);
    list.WriteNumber(2, 1, -345, 1);
    list.SaveToFile(file);

    QProcess p;
    // One CSV per sheet, named after the sheet (Gnumeric leaves out empty leading rows).
    p.start(ssconvert, {QStringLiteral("-S"), file, dir.filePath(QStringLiteral("out_%s.csv"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile first(dir.filePath(QStringLiteral("out_Wall & <1> (Cover).csv")));
    QFile second(dir.filePath(QStringLiteral("out_Deck (Half Cell).csv")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(first.readAll()), QStringLiteral("Site,\"Caf\u00e9 \u20ac\"\n,12.5\n"));
    EXPECT_EQ(QString::fromUtf8(second.readAll()), QStringLiteral(">>,-345\n"));
}
