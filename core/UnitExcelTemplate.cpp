// The stored template workbook "TEMPLATE_SHEET": an Excel 4.0 workbook (BIFF4W) with one empty
// sheet "Sheet1". Kept as its record list so every byte can be read and reviewed here; the export
// copies its sheet and fills in the cells.
#include "UnitExcel.h"

#include <QtEndian>
#include <cstring>

namespace {

class TTemplateWriter {
public:
    QByteArray Stream;

    void Record(quint16 type, const QByteArray &data = QByteArray())
    {
        char header[4];
        qToLittleEndian(type, header);
        qToLittleEndian(static_cast<quint16>(data.size()), header + 2);
        Stream.append(header, 4);
        Stream.append(data);
    }
    void Word(quint16 type, quint16 value) { Record(type, U16(value)); }
    void Float(quint16 type, double value)
    {
        quint64 bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        QByteArray data(8, '\0');
        qToLittleEndian(bits, data.data());
        Record(type, data);
    }

    static QByteArray U16(quint16 value)
    {
        QByteArray data(2, '\0');
        qToLittleEndian(value, data.data());
        return data;
    }
    static QByteArray U32(quint32 value)
    {
        QByteArray data(4, '\0');
        qToLittleEndian(value, data.data());
        return data;
    }
    static QByteArray Text8(const QByteArray &text) // one length byte, then the text
    {
        return QByteArray(1, static_cast<char>(text.size())) + text;
    }
};

QByteArray Bof(quint16 type)
{
    return TTemplateWriter::U16(0x0400) + TTemplateWriter::U16(type) + TTemplateWriter::U16(0);
}

QByteArray Window2()
{
    // Grid lines, headers, zero values, automatic grid colour, outline symbols, sheet selected
    // and shown; top-left cell A1.
    return TTemplateWriter::U16(0x06B6) + TTemplateWriter::U16(0) + TTemplateWriter::U16(0) +
           TTemplateWriter::U32(0);
}

QByteArray Selection()
{
    // Pane 3, active cell A1, one range A1:A1.
    QByteArray data = QByteArray(1, '\x03') + TTemplateWriter::U16(0) + TTemplateWriter::U16(0) +
                      TTemplateWriter::U16(0) + TTemplateWriter::U16(1) + TTemplateWriter::U16(0) +
                      TTemplateWriter::U16(0);
    data.append('\0');
    data.append('\0');
    return data;
}

QByteArray Font(bool bold)
{
    // 10 points (in twentieths), bold flag, automatic colour, "Arial".
    return TTemplateWriter::U16(200) + TTemplateWriter::U16(bold ? 0x0001 : 0x0000) + TTemplateWriter::U16(0x7FFF) +
           TTemplateWriter::Text8("Arial");
}

// XF record: font, number format, protection / style flags with the parent style, alignment,
// attribute flags, background pattern, no borders.
QByteArray Xf(quint8 font, quint8 format, quint16 protection, quint8 usedAttributes)
{
    QByteArray data;
    data.append(static_cast<char>(font));
    data.append(static_cast<char>(format));
    data.append(TTemplateWriter::U16(protection));
    data.append('\x20'); // bottom-aligned, general horizontal alignment
    data.append(static_cast<char>(usedAttributes));
    data.append(TTemplateWriter::U16(0xCE00)); // no pattern, system colours
    data.append(TTemplateWriter::U32(0));
    return data;
}

const char *const NumberFormats[] = {
    "General", "0", "0.00", "#,##0", "#,##0.00",
    "\"$\"#,##0_);(\"$\"#,##0)", "\"$\"#,##0_);[Red](\"$\"#,##0)",
    "\"$\"#,##0.00_);(\"$\"#,##0.00)", "\"$\"#,##0.00_);[Red](\"$\"#,##0.00)",
    "0%", "0.00%", "0.00E+00", "# ?/?", "# ?\?/?\?",
    "m/d/yy", "d-mmm-yy", "d-mmm", "mmm-yy", "h:mm AM/PM", "h:mm:ss AM/PM", "h:mm", "h:mm:ss",
    "m/d/yy h:mm", "#,##0_);(#,##0)", "#,##0_);[Red](#,##0)", "#,##0.00_);(#,##0.00)",
    "#,##0.00_);[Red](#,##0.00)",
    // Formats beyond the built-in ones.
    "_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)",
    "_(\"$\"* #,##0_);_(\"$\"* (#,##0);_(\"$\"* \"-\"_);_(@_)",
    "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)",
    "_(\"$\"* #,##0.00_);_(\"$\"* (#,##0.00);_(\"$\"* \"-\"??_);_(@_)",
    "mm:ss", "[h]:mm:ss", "@",
};
constexpr int BuiltInFormatCount = 27;

QByteArray BuildTemplate()
{
    using W = TTemplateWriter;
    W w;
    const QByteArray sheetName = "Sheet1";

    // Workbook globals.
    w.Record(ExcelRecord::Bof, Bof(0x0100));
    QByteArray user = W::Text8("Orvalis");
    user.append(QByteArray(112 - user.size(), ' '));
    w.Record(0x005C, user);             // WRITEACCESS
    w.Word(0x0042, 1252);               // CODEPAGE
    w.Record(ExcelRecord::BundleOffset, W::U32(0));
    w.Record(ExcelRecord::WindowList, QByteArray(1, '\x01') + QByteArray(1, '\0'));
    w.Record(ExcelRecord::Window1, W::U16(0x0168) + W::U16(0x001E) + W::U16(0x3A2C) + W::U16(0x2328) + W::U16(0));
    w.Record(ExcelRecord::Window2, Window2());
    w.Record(ExcelRecord::Selection, Selection());
    w.Word(0x000D, 1);                  // CALCMODE automatic
    w.Word(0x000C, 100);                // CALCCOUNT
    w.Word(0x000F, 1);                  // REFMODE A1
    w.Word(0x0011, 0);                  // ITERATION off
    w.Float(0x0010, 0.001);             // DELTA
    w.Word(0x005F, 1);                  // SAVERECALC
    w.Word(0x000E, 1);                  // PRECISION as displayed off
    w.Word(0x0022, 0);                  // DATEMODE 1900
    w.Word(0x0019, 0);                  // WINDOWPROTECT
    w.Word(0x0012, 0);                  // PROTECT
    w.Word(0x0013, 0);                  // PASSWORD
    w.Record(ExcelRecord::SheetName, W::Text8(sheetName));
    w.Record(ExcelRecord::BundleHeader, W::U32(0) + W::Text8(sheetName));

    // The worksheet.
    w.Record(ExcelRecord::Bof, Bof(0x0010));
    w.Record(0x008C, W::U16(1) + W::U16(44)); // COUNTRY
    w.Word(0x002A, 0);                  // PRINTHEADERS
    w.Word(0x002B, 0);                  // PRINTGRIDLINES
    w.Word(0x0082, 1);                  // GRIDSET
    w.Record(0x0080, QByteArray(8, '\0')); // GUTS
    w.Record(0x0225, W::U16(0) + W::U16(255)); // DEFAULTROWHEIGHT
    w.Word(0x0081, 0x04C1);             // WSBOOL
    w.Record(0x0014);                   // HEADER (none)
    w.Record(0x0015);                   // FOOTER (none)
    w.Word(0x0083, 0);                  // HCENTER
    w.Word(0x0084, 0);                  // VCENTER
    w.Float(0x0026, 0.75);              // LEFTMARGIN (inches)
    w.Float(0x0027, 0.75);              // RIGHTMARGIN
    w.Float(0x0028, 1.0);               // TOPMARGIN
    w.Float(0x0029, 1.0);               // BOTTOMMARGIN
    for (int i = 0; i < 6; ++i)
        w.Record(0x0231, Font(i == 5)); // FONT: five plain, the sixth bold
    w.Word(0x0056, BuiltInFormatCount); // BUILTINFMTCOUNT
    quint16 index = 0;
    for (const char *format : NumberFormats)
        w.Record(0x041E, W::U16(index++) + W::Text8(format)); // FORMAT

    // XF records 0-14 and 16-20 are styles, 15 the default cell format, 21 and 22 the cell
    // formats of the export (Arial 10 General; bold). Font indices skip 4.
    constexpr quint16 Style = 0xFFF5, Cell = 0x0001;
    w.Record(0x0443, Xf(0, 0, Style, 0x00));
    for (int i = 1; i <= 14; ++i)
        w.Record(0x0443, Xf(i <= 2 ? 1 : i <= 4 ? 2 : 0, 0, Style, 0xF4));
    w.Record(0x0443, Xf(0, 0, Cell, 0x00));
    const quint8 styleFormats[] = {4, 3, 7, 5, 9}; // Comma, Comma [0], Currency, Currency [0], Percent
    for (const quint8 format : styleFormats)
        w.Record(0x0443, Xf(0, format, Style, 0xF8));
    w.Record(0x0443, Xf(0, 0, Cell, 0xFC));
    w.Record(0x0443, Xf(6, 0, Cell, 0xFC));
    static_assert(ExcelCellFormat == 21);

    // STYLE: Normal, then the number styles on XF 16-20 (built-in ids 3, 6, 4, 7, 5).
    const quint8 styleIds[] = {0, 3, 6, 4, 7, 5};
    for (int i = 0; i < 6; ++i) {
        const quint16 xf = i == 0 ? 0 : static_cast<quint16>(15 + i);
        w.Record(0x0293, W::U16(0x8000 | xf) + QByteArray(1, static_cast<char>(styleIds[i])) + QByteArray(1, '\xFF'));
    }
    w.Word(0x0055, 8);                  // DEFCOLWIDTH
    w.Record(ExcelRecord::Dimensions, QByteArray(10, '\0'));
    w.Record(ExcelRecord::Window2, Window2());
    w.Record(ExcelRecord::Selection, Selection());
    w.Record(ExcelRecord::Eof);

    w.Record(ExcelRecord::Eof); // end of the workbook

    // Store it with its bundle size and offset filled in.
    TExcelList list;
    list.LoadFromBytes(w.Stream);
    return list.SaveToBytes();
}

} // namespace

QByteArray ExcelTemplateWorkbook()
{
    static const QByteArray stream = BuildTemplate();
    return stream;
}
