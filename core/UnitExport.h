#pragma once
// Spreadsheet export of a batch list, one worksheet per batch. The two historic forms are
// TBatchList::ExportXml (XML Spreadsheet 2003) and TBatchList::ExportXls (BIFF4W workbook);
// today's forms are the Office Open XML workbook and one CSV file per batch.
#include <QString>
#include <QStringList>

class TBatchItem;
class TBatchList;

// The forms, chosen by the file name's extension (letter case ignored).
enum class TExportForm { None, Xls, Xml, Xlsx, Csv };
TExportForm ExportFormOf(const QString &fileName);

// Worksheet names of the batches in list order: "%s (%s)" with ID and batch type name, made
// valid for spreadsheet programs ([]:*?/\ replaced by "_", at most 31 characters, no leading or
// trailing apostrophe) and unique within the workbook (" (2)", " (3)" ... added).
QStringList ExportSheetNames(const TBatchList &list);

// Office Open XML workbook with the same sheets and cells as the other forms.
void ExportXlsx(const TBatchList &list, const QString &fileName);
// One CSV file per batch, "<name without extension>-<sheet name>.csv" beside the given name
// (RFC 4180 quoting, CR LF line ends, "." decimals, UTF-8). Returns the files written.
QStringList ExportCsv(const TBatchList &list, const QString &fileName);

// Writes the form the extension chooses; raises Exception, writing nothing, for an extension
// that names no form. Returns the files written.
QStringList ExportSpreadsheet(const TBatchList &list, const QString &fileName);
