// orvalis-cli report: fills a report design with batches, as the automation interface does, and
// writes its pages as one PDF file or as JPEG pictures.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitMyReports.h"
#include "UnitReport.h"

#include <QFileInfo>

namespace {
const char *kUsage = "report --report FILE.vcr|--name NAME BATCH... -o OUT.pdf|OUT.jpg [--page N] [--title TEXT]";

int RunReport(const QStringList &args)
{
    QString reportFile, reportName, out, title;
    QStringList batches;
    int page = 0; // 1-based; 0 all pages
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw Exception(QStringLiteral("%1 needs a value").arg(a));
            return args[++i];
        };
        if (a == QLatin1String("--report")) {
            reportFile = value();
        } else if (a == QLatin1String("--name")) {
            reportName = value(); // looked up in "My Reports" of the storage root
        } else if (a == QLatin1String("-o")) {
            out = value();
        } else if (a == QLatin1String("--title")) {
            title = value();
        } else if (a == QLatin1String("--page")) {
            const QString v = value();
            bool ok = false;
            page = v.toInt(&ok);
            if (!ok || page < 1)
                throw Exception(QStringLiteral("--page needs a page number from 1, not \"%1\"").arg(v));
        } else if (a.startsWith(QLatin1Char('-'))) {
            throw Exception(QStringLiteral("Unknown option %1\nUsage: orvalis-cli %2").arg(a, QLatin1String(kUsage)));
        } else {
            batches << a;
        }
    }
    if (reportFile.isEmpty() == reportName.isEmpty() || out.isEmpty() || batches.isEmpty())
        throw Exception(QStringLiteral("Usage: orvalis-cli %1").arg(QLatin1String(kUsage)));
    const QString ext = QFileInfo(out).suffix().toLower();
    if (ext != QLatin1String("pdf") && ext != QLatin1String("jpg"))
        throw Exception(QStringLiteral("The output must be a .pdf or .jpg file: %1").arg(out));

    InstallPrinterPaperProvider();
    TReport stored;
    TMyReports myReports;
    if (reportName.isEmpty()) {
        stored.LoadFromFile(reportFile);
    } else {
        RegisterReportDocument();
        myReports.Reload();
        stored.Assign(&myReports.ByName(reportName));
    }
    std::unique_ptr<TBatchItem> byType[2];
    for (const QString &file : batches) {
        auto batch = std::make_unique<TBatchItem>();
        batch->LoadFromFile(file);
        const int type = batch->BatchType == BatchTypeHalfCell ? 1 : 0;
        if (byType[type])
            throw Exception(QStringLiteral("Give at most one batch of each type: %1").arg(file));
        byType[type] = std::move(batch);
    }
    // Output works on a copy, never on the stored design.
    TReport report;
    report.Assign(&stored);
    report.FillWithBatches(byType[0].get(), byType[1].get());
    if (page > report.Count())
        throw Exception(QStringLiteral("Page does not exist"));
    if (report.Count() == 0)
        throw Exception(QStringLiteral("The report has no page for these batches"));
    if (title.isEmpty())
        title = stored.Name;
    if (ext == QLatin1String("pdf")) {
        report.SaveToPdf(false, title, out, page - 1);
        CliOut(out + QLatin1Char('\n'));
    } else {
        const QFileInfo info(out);
        const QString base = info.path() + QLatin1Char('/') + info.completeBaseName();
        QStringList files;
        report.SaveToJpegFiles(base, files, page - 1);
        for (const QString &f : files)
            CliOut(f + QLatin1Char('\n'));
    }
    return 0;
}

TCliRegistration reg("report", kUsage, RunReport);
} // namespace
