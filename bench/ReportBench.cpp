// Report output speed and memory: a 255 x 255 cover grid through the shipped cover survey report
// to PDF (the overview continues over 26 bands of 11 windows), and one JPEG page. Prints seconds
// and the peak resident memory of the process; then the report viewer showing the same.
#include "UnitFormViewReport.h"
#include "UnitPageDesigner.h"
#include "UnitPageThumbnailList.h"
#include "UnitReport.h"
#include "UnitSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

namespace {
// CPU seconds of the whole process and of the calling thread: on a busy machine the wall time
// says little, while the busier of the threads bounds what an idle two-core machine needs.
double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

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
    const double process0 = ProcessCpuSeconds(), thread0 = ThreadCpuSeconds();
    report.SaveToPdf(false, QStringLiteral("Bench"), pdf);
    const double pdfSeconds = timer.nsecsElapsed() / 1e9;
    const double processCpu = ProcessCpuSeconds() - process0, drawCpu = ThreadCpuSeconds() - thread0;
    std::printf("255 x 255 cover grid, %d pages: fill and expand %.2f s, PDF %.2f s (%.1f MB file)\n",
                report.Count(), fill, pdfSeconds, QFileInfo(pdf).size() / 1048576.0);
    std::printf("  PDF CPU: %.2f s in all, %.2f s drawing thread, %.2f s other threads\n", processCpu, drawCpu,
                processCpu - drawCpu);
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
// The report viewer on the batch as the batch view's report tab shows it: the working report
// assembled and the first inner page drawn in the preview, then the page list's rows on screen.
void BenchViewer(const QString &design, const TBatchItem &batch)
{
    TSettings settings;
    settings[QStringLiteral("ReportViewZoom")].SetAsInteger(1);
    TFormViewReport view(settings, nullptr);
    view.resize(1000, 700);
    view.show();
    QCoreApplication::processEvents();
    *view.Batches().Add() = batch;
    view.StandardReport().LoadFromFile(design);
    view.SetStandardMode(true);
    QElapsedTimer timer;
    timer.start();
    view.ShowReports();
    const double assembled = timer.nsecsElapsed() / 1e9;
    const QPixmap preview = view.PageEditor->grab();
    const double shown = timer.nsecsElapsed() / 1e9;
    timer.start();
    const QPixmap rows = view.ListViewPages->grab();
    const double listed = timer.nsecsElapsed() / 1e9;
    std::printf("viewer, %d pages: working report %.2f s, first inner page (page %d) shown after %.2f s; "
                "page list on screen %.2f s (%d thumbnails drawn)\n",
                view.WorkingReport().Count(), assembled, view.SelectedPage() + 1, shown, listed,
                view.ListViewPages->ThumbnailsDrawn());
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The design: the first argument (unless it is "-"), else the shipped one found above the
    // program's folder. A second argument "pdf" or "jpeg" measures only that output (for profiling,
    // "both" for both, "viewer" for the report viewer alone), a third names a folder to keep the files in (to look at them).
    QString design = argc > 1 && std::strcmp(argv[1], "-") != 0 ? QString::fromLocal8Bit(argv[1]) : QString();
    const char *only = argc > 2 ? argv[2] : "";
    for (QDir d(QCoreApplication::applicationDirPath()); design.isEmpty(); ) {
        const QString candidate = d.filePath(QStringLiteral("resources/Orvalis/Template/EN/Reports/Cover Survey Report.vcr"));
        if (QFileInfo::exists(candidate))
            design = candidate;
        else if (!d.cdUp()) {
            std::fprintf(stderr, "usage: ReportBench [REPORT.vcr|-] [pdf|jpeg|both|viewer] [FOLDER]\n");
            return 1;
        }
    }
    QTemporaryDir dir;
    const TBatchItem batch = CoverGrid(255, 255);
    TReport stored;
    stored.LoadFromFile(design);
    const QDir out(argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.path());
    if (std::strcmp(only, "jpeg") != 0 && std::strcmp(only, "viewer") != 0)
        BenchPdf(stored, batch, out.filePath(QStringLiteral("bench.pdf")));
    if (std::strcmp(only, "pdf") != 0 && std::strcmp(only, "viewer") != 0)
        BenchJpeg(stored, batch, out.filePath(QStringLiteral("page")));
    if (std::strcmp(only, "") == 0 || std::strcmp(only, "viewer") == 0)
        BenchViewer(design, batch);
    std::printf("peak memory: %.0f MB\n", PeakMegabytes());
    return 0;
}
