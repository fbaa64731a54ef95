// orvalis-pagedesign REPORT.vcr [PAGE]: the page design window on page PAGE (from 1) of a report
// file, saved back into that file, as the reports window's "Edit" opens it. The settings "Grid"
// and "Snap" are kept for this run only. Options for looking at the window: "-inches" shows
// cover lengths in inches, "-grid" turns the grid on, "-zoom N" picks entry N of the zoom list,
// "-select NAME" selects an item, "-edit PROPERTY" opens that property's own window.
#include "UnitFormPageDesign.h"
#include "UnitLanguage.h"
#include "UnitPromptDialogs.h"
#include "UnitReport.h"
#include "UnitSettings.h"
#include "UnitStorage.h"
#include "UnitUnits.h"

#include "UnitFormPropertyEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Ventrax Orvalis"));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.removeAll(QStringLiteral("-inches")) > 0)
        CurrentCoverUnits = 1;
    const bool grid = args.removeAll(QStringLiteral("-grid")) > 0;
    const auto option = [&args](const QString &name) {
        const int i = args.indexOf(name);
        if (i < 0 || i + 1 >= args.size())
            return QString();
        const QString value = args.at(i + 1);
        args.remove(i, 2);
        return value;
    };
    const QString zoom = option(QStringLiteral("-zoom"));
    const QString select = option(QStringLiteral("-select"));
    const QString edit = option(QStringLiteral("-edit"));
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: orvalis-pagedesign [-inches] REPORT.vcr [PAGE]\n");
        return 2;
    }
    TPromptDialogs prompts;
    SetPromptService(&prompts);
    InitConfigurationStore();
    TLocalization::Instance().StartUp(QCoreApplication::applicationFilePath());
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
    settings.ItemByName(QStringLiteral("Grid")).SetAsBoolean(grid);
    TFormPageDesign form(&settings);
    QTimer::singleShot(300, &form, [&] {
        if (!zoom.isEmpty())
            form.ZoomList()->setCurrentIndex(zoom.toInt());
        TPage &page = form.Editor()->Page();
        const int item = page.IndexOfName(select);
        if (item >= 0)
            form.Editor()->SelectItem(page.Item(item));
        if (!edit.isEmpty())
            form.PropertyEditor()->OpenEditor(form.PropertyEditor()->RowOf(edit));
    });
    form.SetReportEntry(entry);
    form.PageIndex = args.size() > 1 ? args.at(1).toInt() - 1 : 0;
    const int result = form.exec();
    SetPromptService(nullptr);
    return result == PageDesignResultOK ? 0 : 1;
}
