// Spreadsheet export of a batch list: XML Spreadsheet 2003, BIFF4W workbook, Office Open XML
// workbook and CSV, all from the batches' summary grids.
#include "UnitExport.h"

#include "UnitBatchList.h"
#include "UnitExcel.h"
#include "UnitException.h"
#include "UnitTextFile.h"

#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>
#include <cstdio>
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

// Longest text an Office Open XML cell holds; a longer one would be left out by the writer.
constexpr int MaxXlsxText = 32767;

void RequireBatches(const TBatchList &list)
{
    if (list.Count() == 0)
        throw Exception(Tr("There are no batches to export"));
}

QString CsvField(const QVariant &cell)
{
    if (!cell.isValid())
        return QString();
    if (cell.typeId() == QMetaType::Double)
        return NumberText(cell.toDouble());
    const QString text = cell.toString();
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
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
    return TExportForm::None;
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

void ExportXlsx(const TBatchList &list, const QString &fileName)
{
    RequireBatches(list);
    const QStringList names = ExportSheetNames(list);
    // libxlsxwriter writes the file itself: let it write a temporary file beside the target and
    // rename that over the target, so a failure never leaves a half-written workbook.
    const QFileInfo target(fileName);
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.orvalis-XXXXXX.xlsx"));
    if (!temp.open())
        throw Exception(Tr("Cannot create file \"%1\". %2").arg(fileName, temp.errorString()));
    temp.close();
    const QByteArray tempName = QFile::encodeName(temp.fileName());

    lxw_workbook *workbook = workbook_new(tempName.constData());
    if (!workbook)
        throw Exception(Tr("Cannot create file \"%1\".").arg(fileName));
    for (int k = 0; k < list.Count(); ++k) {
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, names[k].toUtf8().constData());
        if (!sheet) {
            workbook_close(workbook);
            throw Exception(Tr("Cannot add the worksheet \"%1\".").arg(names[k]));
        }
        const TSummaryGrid grid = list.Items(k)->SummaryGrid();
        for (int r = 0; r < grid.RowCount; ++r)
            for (int c = 0; c < grid.ColumnCount; ++c) {
                const QVariant &cell = grid.Cell(r, c);
                if (!cell.isValid())
                    continue;
                if (r >= LXW_ROW_MAX || c >= LXW_COL_MAX) {
                    workbook_close(workbook);
                    throw Exception(Tr("Cell (%1, %2) lies outside the worksheet").arg(r).arg(c));
                }
                if (IsNumber(cell))
                    worksheet_write_number(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), cell.toDouble(), nullptr);
                else
                    worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                           cell.toString().left(MaxXlsxText).toUtf8().constData(), nullptr);
            }
    }
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR)
        throw Exception(Tr("Cannot write file \"%1\". %2").arg(fileName, QString::fromUtf8(lxw_strerror(error))));
    // The temporary file is private to its owner; give the workbook the permissions a new file
    // (or the file it replaces) would have.
    QFile::setPermissions(temp.fileName(), target.exists() ? QFile::permissions(target.absoluteFilePath())
                                                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                                 QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(tempName.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw Exception(Tr("Cannot write file \"%1\".").arg(fileName));
}

QStringList ExportCsv(const TBatchList &list, const QString &fileName)
{
    RequireBatches(list);
    const QStringList names = ExportSheetNames(list);
    const QFileInfo info(fileName);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-');
    QStringList written;
    for (int k = 0; k < list.Count(); ++k) {
        const TSummaryGrid grid = list.Items(k)->SummaryGrid();
        QString text;
        for (int r = 0; r < grid.RowCount; ++r) {
            QStringList fields;
            for (int c = 0; c < grid.ColumnCount; ++c)
                fields << CsvField(grid.Cell(r, c));
            text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        }
        const QString name = stem + names[k] + QStringLiteral(".csv");
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
    case TExportForm::Xlsx: ExportXlsx(list, fileName); return {fileName};
    case TExportForm::Csv: return ExportCsv(list, fileName);
    case TExportForm::None: break;
    }
    throw Exception(Tr("\"%1\" names no spreadsheet form: use .xls, .xml, .xlsx or .csv").arg(fileName));
}
