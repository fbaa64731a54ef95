// Spreadsheet export of a batch list: XML Spreadsheet 2003, BIFF4W workbook, Office Open XML
// workbook and CSV, all from the batches' summary grids.
#include "UnitExport.h"

#include "UnitBatchList.h"
#include "UnitExcel.h"
#include "UnitException.h"
#include "UnitTextFile.h"

#include <QFileInfo>
#include <QSet>
#include <cstdio>

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

QStringList ExportSpreadsheet(const TBatchList &list, const QString &fileName)
{
    switch (ExportFormOf(fileName)) {
    case TExportForm::Xls: list.ExportXls(fileName); return {fileName};
    case TExportForm::Xml: list.ExportXml(fileName); return {fileName};
    case TExportForm::None: break;
    }
    throw Exception(Tr("\"%1\" names no spreadsheet form: use .xls or .xml").arg(fileName));
}
