#pragma once
// Export of a batch list: the spreadsheet forms, one worksheet per batch (TBatchList::ExportXlsx,
// Office Open XML workbook; ExportXls, BIFF4W workbook; ExportXml, XML Spreadsheet 2003;
// ExportCsv, one CSV file per batch), and ExportDxf, one CAD drawing per batch.
#include <QString>
#include <QStringList>

class TBatchItem;
class TBatchList;

// The forms, chosen by the file name's extension (letter case ignored).
enum class TExportForm { None, Xls, Xml, Xlsx, Csv, Dxf };
TExportForm ExportFormOf(const QString &fileName);

// The save dialog's filter, the form of `lastFileName` first (so it is the one offered), else
// .xlsx; and the extension added to a name typed without one.
QString ExportDialogFilter(const QString &lastFileName);
QString ExportDefaultSuffix(const QString &lastFileName);

// Worksheet names of the batches in list order: "%s (%s)" with ID and batch type name, made
// valid for spreadsheet programs ([]:*?/\ replaced by "_", at most 31 characters, no leading or
// trailing apostrophe) and unique within the workbook (" (2)", " (3)" ... added).
QStringList ExportSheetNames(const TBatchList &list);

// The files of a form that writes one file per batch: "<base>-<sheet name><suffix>" beside
// `fileName`, in list order.
QStringList ExportFileNames(const TBatchList &list, const QString &fileName, const QString &suffix);

// One AutoCAD DXF drawing (R2000) per batch, at true size in millimetres: `fileName` itself for a
// single batch, else the files ExportFileNames gives. Layers "Grid" (cell outlines), "Cells"
// (each reading's cell filled in the colour map's colour), "Readings" (the display text at the
// cell's centre), "Contour <level>" (isolines at the default levels) and "Title" (the header).
// Cell (c, r) is centred at (c × S, −r × S), S the grid spacing; a linear batch is one row of
// cells along x. Returns the files written.
QStringList ExportDxf(const TBatchList &list, const QString &fileName);

// Writes the form the extension chooses; raises Exception, writing nothing, for an extension
// that names no form. Returns the files written.
QStringList ExportSpreadsheet(const TBatchList &list, const QString &fileName);
