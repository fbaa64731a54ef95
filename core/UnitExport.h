#pragma once
// Spreadsheet export of a batch list, one worksheet per batch: TBatchList::ExportXlsx (Office
// Open XML workbook), ExportXls (BIFF4W workbook), ExportXml (XML Spreadsheet 2003) and
// ExportCsv (one CSV file per batch).
#include <QString>
#include <QStringList>

class TBatchItem;
class TBatchList;

// The forms, chosen by the file name's extension (letter case ignored).
enum class TExportForm { None, Xls, Xml, Xlsx, Csv };
TExportForm ExportFormOf(const QString &fileName);

// The save dialog's filter, the form of `lastFileName` first (so it is the one offered), else
// .xlsx; and the extension added to a name typed without one.
QString ExportDialogFilter(const QString &lastFileName);
QString ExportDefaultSuffix(const QString &lastFileName);

// Worksheet names of the batches in list order: "%s (%s)" with ID and batch type name, made
// valid for spreadsheet programs ([]:*?/\ replaced by "_", at most 31 characters, no leading or
// trailing apostrophe) and unique within the workbook (" (2)", " (3)" ... added).
QStringList ExportSheetNames(const TBatchList &list);

// Writes the form the extension chooses; raises Exception, writing nothing, for an extension
// that names no form. Returns the files written.
QStringList ExportSpreadsheet(const TBatchList &list, const QString &fileName);
