// Spreadsheet export of a batch list: XML Spreadsheet 2003, BIFF4W workbook, Office Open XML
// workbook and CSV, all from the batches' summary grids.
#include "UnitExport.h"

#include "UnitBatchList.h"
#include "UnitCNumeric.h"
#include "UnitExcel.h"
#include "UnitException.h"
#include "UnitTextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <xlsxwriter.h>

namespace {

// Numbers in files never depend on the locale: shortest general form, up to 15 digits, ".".
QString NumberText(double value)
{
    return QString::number(value, 'g', 15);
}

// XML 1.0 allows no control characters but tab, LF and CR; a stray one would make the whole
// file unreadable, so it is left out.
QString XmlText(const QString &text, bool quote)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D)
            continue;
        if (u == 0xFFFE || u == 0xFFFF)
            continue;
        switch (u) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"':
            if (quote) {
                out += QStringLiteral("&quot;");
                break;
            }
            out += ch;
            break;
        default: out += ch;
        }
    }
    return out;
}

void RequireBatches(const TBatchList &list)
{
    if (list.Count() == 0)
        throw Exception(Tr("There are no batches to export"));
}

bool IsNumber(const QVariant &cell)
{
    return cell.typeId() == QMetaType::Double;
}

} // namespace

TExportForm ExportFormOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("xls"))
        return TExportForm::Xls;
    if (suffix == QLatin1String("xml"))
        return TExportForm::Xml;
    if (suffix == QLatin1String("xlsx"))
        return TExportForm::Xlsx;
    if (suffix == QLatin1String("csv"))
        return TExportForm::Csv;
    if (suffix == QLatin1String("dxf"))
        return TExportForm::Dxf;
    return TExportForm::None;
}

namespace {
struct TFormFilter {
    TExportForm Form;
    const char *Suffix;
    const char *Text;
};
// Today's workbook first: older spreadsheet programs' .xls sheets lose their names elsewhere.
const TFormFilter kFormFilters[] = {
    {TExportForm::Xlsx, "xlsx", QT_TRID_NOOP("Excel Workbook (*.xlsx)")},
    {TExportForm::Xls, "xls", QT_TRID_NOOP("Excel XLS (*.xls)")},
    {TExportForm::Xml, "xml", QT_TRID_NOOP("Excel XML (*.xml)")},
    {TExportForm::Csv, "csv", QT_TRID_NOOP("CSV, one file per batch (*.csv)")},
    {TExportForm::Dxf, "dxf", QT_TRID_NOOP("AutoCAD DXF, one drawing per batch (*.dxf)")},
};
} // namespace

QString ExportDialogFilter(const QString &lastFileName)
{
    const TExportForm last = ExportFormOf(lastFileName);
    QStringList filters;
    for (const TFormFilter &f : kFormFilters)
        if (f.Form == last)
            filters << Tr(f.Text);
    for (const TFormFilter &f : kFormFilters)
        if (f.Form != last)
            filters << Tr(f.Text);
    filters << Tr("All Files (*)");
    return filters.join(QStringLiteral(";;"));
}

QString ExportDefaultSuffix(const QString &lastFileName)
{
    const TExportForm last = ExportFormOf(lastFileName);
    for (const TFormFilter &f : kFormFilters)
        if (f.Form == last)
            return QString::fromLatin1(f.Suffix);
    return QStringLiteral("xlsx");
}

QStringList ExportSheetNames(const TBatchList &list)
{
    constexpr int MaxLength = 31;
    QStringList names;
    QSet<QString> used;
    for (int k = 0; k < list.Count(); ++k) {
        const TBatchItem *batch = list.Items(k);
        QString name = Tr("%1 (%2)").arg(batch->ID, BatchTypeName(batch->BatchType));
        for (QChar &ch : name)
            if (QStringLiteral("[]:*?/\\").contains(ch) || ch.unicode() < 0x20)
                ch = QLatin1Char('_');
        name = name.left(MaxLength);
        if (name.startsWith(QLatin1Char('\'')))
            name[0] = QLatin1Char('_');
        if (name.endsWith(QLatin1Char('\'')))
            name[name.size() - 1] = QLatin1Char('_');
        if (name.isEmpty())
            name = QStringLiteral("_");
        QString unique = name;
        for (int n = 2; used.contains(unique.toLower()); ++n) {
            const QString suffix = QStringLiteral(" (%1)").arg(n);
            unique = name.left(MaxLength - suffix.size()) + suffix;
        }
        used.insert(unique.toLower());
        names << unique;
    }
    return names;
}

void TBatchList::ExportXml(const QString &fileName) const
{
    RequireBatches(*this);
    const QStringList names = ExportSheetNames(*this);
    QStringList lines;
    lines << QStringLiteral("<?xml version=\"1.0\"?>")
          << QStringLiteral("<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"")
          << QStringLiteral(" xmlns:o=\"urn:schemas-microsoft-com:office:office\"")
          << QStringLiteral(" xmlns:x=\"urn:schemas-microsoft-com:office:excel\"")
          << QStringLiteral(" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"")
          << QStringLiteral(" xmlns:html=\"http://www.w3.org/TR/REC-html40\">")
          << QStringLiteral(" <ExcelWorkbook xmlns=\"urn:schemas-microsoft-com:office:excel\"/>");
    for (int k = 0; k < Count(); ++k) {
        const TSummaryGrid grid = Items(k)->SummaryGrid();
        lines << QStringLiteral(" <Worksheet ss:Name=\"%1\">").arg(XmlText(names[k], true))
              << QStringLiteral("  <Table>");
        for (int r = 0; r < grid.RowCount; ++r) {
            lines << QStringLiteral("   <Row ss:Index=\"%1\">").arg(r + 1);
            for (int c = 0; c < grid.ColumnCount; ++c) {
                const QVariant &cell = grid.Cell(r, c);
                if (!cell.isValid())
                    continue;
                lines << QStringLiteral("    <Cell ss:Index=\"%1\">").arg(c + 1);
                if (IsNumber(cell))
                    lines << QStringLiteral("     <Data ss:Type=\"Number\">%1</Data>").arg(NumberText(cell.toDouble()));
                else
                    lines << QStringLiteral("     <Data ss:Type=\"String\">%1</Data>").arg(XmlText(cell.toString(), false));
                lines << QStringLiteral("    </Cell>");
            }
            lines << QStringLiteral("   </Row>");
        }
        lines << QStringLiteral("  </Table>") << QStringLiteral(" </Worksheet>");
    }
    lines << QStringLiteral("</Workbook>");
    WriteFileAtomic(fileName, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

void TBatchList::ExportXls(const QString &fileName) const
{
    RequireBatches(*this);
    const QStringList names = ExportSheetNames(*this);
    TExcelList excel;
    excel.LoadTemplate();
    for (int k = 1; k < Count(); ++k)
        excel.AddSheet(0);
    for (int k = 0; k < Count(); ++k) {
        excel.SetSheetName(k, names[k]);
        const TSummaryGrid grid = Items(k)->SummaryGrid();
        // Column by column, as the workbook's cells are laid out.
        for (int c = 0; c < grid.ColumnCount; ++c)
            for (int r = 0; r < grid.RowCount; ++r) {
                const QVariant &cell = grid.Cell(r, c);
                if (!cell.isValid())
                    continue;
                if (IsNumber(cell))
                    excel.WriteNumber(r, c, cell.toDouble(), k);
                else
                    excel.WriteLabel(r, c, cell.toString(), k);
            }
    }
    excel.SaveToFile(fileName);
}


void TBatchList::ExportXlsx(const QString &fileName) const
{
    RequireBatches(*this);
    const TCNumericScope numbers;
    const QStringList names = ExportSheetNames(*this);
    // Written under a temporary name beside the target and renamed over it once complete, so a
    // failure never leaves half a workbook or destroys the previous one.
    const QFileInfo target(fileName);
    const QString temp = TemporarySaveName(target.absoluteFilePath());
    const QByteArray tempName = QFile::encodeName(temp);
    // Every sheet's cells first: a batch that cannot give them (an unknown batch type) fails
    // the export before a workbook is open or a file is written.
    std::vector<TSummaryGrid> grids;
    grids.reserve(static_cast<size_t>(Count()));
    for (int k = 0; k < Count(); ++k)
        grids.push_back(Items(k)->SummaryGrid());
    lxw_workbook *book = workbook_new(tempName.constData());
    if (!book)
        throw Exception(Tr("Cannot create file \"%1\". %2").arg(fileName, Tr("The file could not be opened")));
    const auto fail = [&](const QString &why) {
        QFile::remove(temp);
        throw Exception(Tr("Cannot write file \"%1\". %2").arg(fileName, why));
    };
    for (int k = 0; k < Count(); ++k) {
        const QByteArray sheetName = names[k].toUtf8();
        lxw_worksheet *sheet = workbook_add_worksheet(book, sheetName.constData());
        if (!sheet) {
            workbook_close(book);
            fail(Tr("Invalid worksheet name \"%1\"").arg(names[k]));
        }
        const TSummaryGrid &grid = grids[static_cast<size_t>(k)];
        for (int r = 0; r < grid.RowCount; ++r)
            for (int c = 0; c < grid.ColumnCount; ++c) {
                const QVariant &cell = grid.Cell(r, c);
                if (!cell.isValid())
                    continue;
                lxw_error e;
                if (IsNumber(cell)) {
                    e = worksheet_write_number(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                               cell.toDouble(), nullptr);
                } else {
                    const QString text = cell.toString();
                    if (text.isEmpty())
                        continue;
                    // A cell holds at most 32767 characters.
                    const QByteArray bytes = text.left(32767).toUtf8();
                    e = worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                               bytes.constData(), nullptr);
                }
                if (e != LXW_NO_ERROR) {
                    workbook_close(book);
                    fail(QString::fromUtf8(lxw_strerror(e)));
                }
            }
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR)
        fail(QString::fromUtf8(lxw_strerror(closed)));
    if (std::rename(tempName.constData(), QFile::encodeName(fileName).constData()) != 0)
        fail(QString::fromLocal8Bit(std::strerror(errno)));
}

namespace {
// One CSV field (RFC 4180): quoted when it holds a comma, a quote or a line break.
QString CsvField(const QVariant &cell)
{
    if (!cell.isValid())
        return QString();
    if (IsNumber(cell))
        return NumberText(cell.toDouble());
    QString text = cell.toString();
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}
} // namespace

QStringList ExportFileNames(const TBatchList &list, const QString &fileName, const QString &suffix)
{
    const QFileInfo info(fileName);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-');
    QStringList files;
    for (const QString &name : ExportSheetNames(list))
        files << stem + name + suffix;
    return files;
}

QStringList TBatchList::ExportCsv(const QString &fileName) const
{
    RequireBatches(*this);
    const QStringList names = ExportFileNames(*this, fileName, QStringLiteral(".csv"));
    QStringList written;
    for (int k = 0; k < Count(); ++k) {
        const TSummaryGrid grid = Items(k)->SummaryGrid();
        QString text;
        for (int r = 0; r < grid.RowCount; ++r) {
            for (int c = 0; c < grid.ColumnCount; ++c) {
                if (c > 0)
                    text += QLatin1Char(',');
                text += CsvField(grid.Cell(r, c));
            }
            text += QStringLiteral("\r\n");
        }
        const QString &name = names[k];
        WriteFileAtomic(name, text.toUtf8());
        written << name;
    }
    return written;
}

QStringList ExportSpreadsheet(const TBatchList &list, const QString &fileName)
{
    switch (ExportFormOf(fileName)) {
    case TExportForm::Xls: list.ExportXls(fileName); return {fileName};
    case TExportForm::Xml: list.ExportXml(fileName); return {fileName};
    case TExportForm::Xlsx: list.ExportXlsx(fileName); return {fileName};
    case TExportForm::Csv: return list.ExportCsv(fileName);
    case TExportForm::Dxf: return ExportDxf(list, fileName);
    case TExportForm::None: break;
    }
    throw Exception(Tr("\"%1\" names no export form: use .xlsx, .xls, .xml, .csv or .dxf").arg(fileName));
}
