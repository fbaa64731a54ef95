// orvalis-pagedesign REPORT.vcr [PAGE]: the page design window on page PAGE (from 1) of a report
// file, saved back into that file, as the reports window's "Edit" opens it. The settings "Grid"
// and "Snap" are kept for this run only; "-inches" shows cover lengths in inches.
#include "UnitFormPageDesign.h"
#include "UnitPromptDialogs.h"
#include "UnitReport.h"
#include "UnitSettings.h"
#include "UnitUnits.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Ventrax Orvalis"));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.removeAll(QStringLiteral("-inches")) > 0)
        CurrentCoverUnits = 1;
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: orvalis-pagedesign [-inches] REPORT.vcr [PAGE]\n");
        return 2;
    }
    TPromptDialogs prompts;
    SetPromptService(&prompts);
    RegisterReportDocument();
    InstallPrinterPaperProvider();
    TFileItem entry;
    entry.FileType = FileTypeReport;
    entry.FileName = args.at(0);
    if (!entry.Load() || !ReportOf(entry)) {
        std::fprintf(stderr, "cannot read report %s\n", qPrintable(args.at(0)));
        return 1;
    }
    TSettings settings;
    TFormPageDesign form(&settings);
    form.SetReportEntry(entry);
    form.PageIndex = args.size() > 1 ? args.at(1).toInt() - 1 : 0;
    const int result = form.exec();
    SetPromptService(nullptr);
    return result == PageDesignResultOK ? 0 : 1;
}
