// orvalis-cli export: batch files into one spreadsheet workbook, or CAD drawings.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitExport.h"

namespace {

TCliRegistration reg("export", "export OUT.xlsx|OUT.xls|OUT.xml|OUT.csv|OUT.dxf FILE...   batch files, one sheet (or .csv file, or .dxf drawing) each",
                     [](const QStringList &args) {
    if (args.size() < 2) {
        CliErr(QStringLiteral("orvalis-cli: export needs an output file and at least one batch file\n"));
        return 2;
    }
    const QString out = args.first();
    // The form is known before anything is loaded, so a wrong name writes nothing.
    if (ExportFormOf(out) == TExportForm::None) {
        CliErr(QStringLiteral("orvalis-cli: \"%1\" names no export form: use .xlsx, .xls, .xml, .csv or .dxf\n").arg(out));
        return 1;
    }
    TBatchList list;
    for (const QString &file : args.mid(1)) {
        TBatchItem *batch = list.Add();
        try {
            batch->LoadFromFile(file);
        } catch (const Exception &e) {
            CliErr(QStringLiteral("orvalis-cli: %1: %2\n").arg(file, e.Message()));
            return 1;
        }
    }
    for (const QString &written : ExportSpreadsheet(list, out))
        CliOut(written + QLatin1Char('\n'));
    return 0;
});

} // namespace
