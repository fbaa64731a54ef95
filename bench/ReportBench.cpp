// Report output speed and memory: a 255 x 255 cover grid through the shipped cover survey report
// to PDF (the overview continues over 26 bands of 11 windows), and one JPEG page. Prints seconds
// and the peak resident memory of the process.
#include "UnitReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {
double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

TBatchItem CoverGrid(int columns, int rows)
{
    TBatchItem b;
    b.ID = QStringLiteral("Bench Grid");
    b.BatchType = BatchTypeCover;
    b.BatchFormat = BatchFormatGrid;
    b.Columns = columns;
    b.Rows = rows;
    b.Grid = 100;
    b.SetSize();
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            b.SetReadingType(c, r, ReadingTypeReading);
            b.SetValue(c, r, std::round(45 + 20 * std::sin(c / 7.0) * std::cos(r / 5.0)));
        }
    b.HighLimitApplied = b.LowLimitApplied = true;
    b.HighLimit = 60;
    b.LowLimit = 30;
    b.Readings = b.ValidCount();
    return b;
}
void BenchPdf(const TReport &stored, const TBatchItem &batch, const QString &pdf)
{
    QElapsedTimer timer;
    timer.start();
    TReport report;
    report.Assign(&stored);
    report.FillWithBatches(&batch, nullptr);
    const double fill = timer.nsecsElapsed() / 1e9;
    timer.start();
    report.SaveToPdf(false, QStringLiteral("Bench"), pdf);
    const double pdfSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("255 x 255 cover grid, %d pages: fill and expand %.2f s, PDF %.2f s (%.1f MB file)\n",
                report.Count(), fill, pdfSeconds, QFileInfo(pdf).size() / 1048576.0);
}

void BenchJpeg(const TReport &stored, const TBatchItem &batch, const QString &base)
{
    TReport one;
    one.Assign(&stored);
    one.FillWithBatches(&batch, nullptr);
    QStringList files;
    double best = 1e300;
    QElapsedTimer timer;
    for (int i = 0; i < 3; ++i) {
        timer.start();
        one.SaveToJpegFiles(base, files, 0);
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    std::printf("one JPEG page (1024 pixels, drawn at four times): %.3f s (best of 3)\n", best);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The design: the first argument (unless it is "-"), else the shipped one found above the
    // program's folder. A second argument "pdf" or "jpeg" measures only that output (for profiling,
    // "both" for both), a third names a folder to keep the files in (to look at them).
    QString design = argc > 1 && std::strcmp(argv[1], "-") != 0 ? QString::fromLocal8Bit(argv[1]) : QString();
    const char *only = argc > 2 ? argv[2] : "";
    for (QDir d(QCoreApplication::applicationDirPath()); design.isEmpty(); ) {
        const QString candidate = d.filePath(QStringLiteral("resources/Orvalis/Template/EN/Reports/Cover Survey Report.vcr"));
        if (QFileInfo::exists(candidate))
            design = candidate;
        else if (!d.cdUp()) {
            std::fprintf(stderr, "usage: ReportBench [REPORT.vcr|-] [pdf|jpeg|both] [FOLDER]\n");
            return 1;
        }
    }
    QTemporaryDir dir;
    const TBatchItem batch = CoverGrid(255, 255);
    TReport stored;
    stored.LoadFromFile(design);
    const QDir out(argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.path());
    if (std::strcmp(only, "jpeg") != 0)
        BenchPdf(stored, batch, out.filePath(QStringLiteral("bench.pdf")));
    if (std::strcmp(only, "pdf") != 0)
        BenchJpeg(stored, batch, out.filePath(QStringLiteral("page")));
    std::printf("peak memory: %.0f MB\n", PeakMegabytes());
    return 0;
}
