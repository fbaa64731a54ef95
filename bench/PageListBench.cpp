// The page list with thumbnails on a generated 50-page report (the pages of the shipped reports
// over and over), in an offscreen list of the reports window's size. Prints the time from handing
// the report to the list until its first screen is painted, the time per scroll step over the
// whole list (thumbnails drawn as rows come into view) and again with every thumbnail known, the
// time of showing the list again after a page command, and how many thumbnails were drawn.
#include "UnitPageThumbnailList.h"
#include "UnitReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Ms(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e6; }

// Paints the list as the screen would.
void Paint(TPageThumbnailList &list, QImage &screen) { list.viewport()->render(&screen); }

// Scrolls from top to bottom in steps of `step` pixels (0: one screen); the time of each step
// with its painting.
std::vector<double> ScrollThrough(TPageThumbnailList &list, QImage &screen, int step = 0)
{
    std::vector<double> times;
    QScrollBar *bar = list.verticalScrollBar();
    bar->setValue(0);
    Paint(list, screen);
    QElapsedTimer timer;
    if (step <= 0)
        step = bar->pageStep();
    for (int value = step; value < bar->maximum() + step; value += step) {
        timer.start();
        bar->setValue(std::min(value, bar->maximum()));
        Paint(list, screen);
        times.push_back(Ms(timer));
    }
    return times;
}

void PrintSteps(const char *what, const std::vector<double> &times)
{
    std::printf("%s: %zu steps, median %.1f ms, slowest %.1f ms per step\n", what, times.size(), Median(times),
                times.empty() ? 0.0 : *std::max_element(times.begin(), times.end()));
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterPageItemClasses();
    const QDir shipped(QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Reports"));
    std::vector<std::unique_ptr<TReport>> sources;
    for (const QString &name : shipped.entryList({QStringLiteral("*.vcr")}, QDir::Files, QDir::Name)) {
        auto report = std::make_unique<TReport>();
        report->LoadFromFile(shipped.filePath(name));
        if (report->Count() > 0)
            sources.push_back(std::move(report));
    }
    if (sources.empty()) {
        std::fprintf(stderr, "no shipped reports found\n");
        return 1;
    }
    TReport report;
    for (int i = 0; report.Count() < 50; ++i) {
        const TReport &source = *sources[static_cast<size_t>(i) % sources.size()];
        report.AddPage()->Assign(source.Pages(i % source.Count()));
    }
    // Numbered pages differ from each other, so every row needs its own thumbnail.
    report.NumberPages();

    for (int quality = 0; quality <= 2; ++quality) {
        TPageThumbnailList list;
        list.SetColumns({QStringLiteral("Number"), QStringLiteral("Type"), QStringLiteral("Page Type")},
                        [](const TPage &page, int index, int column) {
                            return column == 0 ? QString::number(index + 1) : QString::number(page.PageType());
                        });
        list.SetQuality(quality);
        list.resize(700, 480);
        list.show();
        QApplication::processEvents();
        QImage screen(list.viewport()->size(), QImage::Format_RGB32);

        QElapsedTimer timer;
        timer.start();
        list.SetReport(&report);
        Paint(list, screen);
        const double shownMs = Ms(timer);
        const int firstScreen = list.ThumbnailsDrawn();

        const std::vector<double> cold = ScrollThrough(list, screen);
        const int afterScroll = list.ThumbnailsDrawn();
        const std::vector<double> warm = ScrollThrough(list, screen);
        // The mouse wheel moves three rows at a time, over a list whose thumbnails are not drawn.
        list.ClearThumbnails();
        const int rowHeight = list.visualRect(list.model()->index(0, 0)).height();
        const std::vector<double> wheel = ScrollThrough(list, screen, 3 * rowHeight);

        // A page command rebuilds the list: unchanged pages keep their thumbnails.
        list.verticalScrollBar()->setValue(0);
        timer.start();
        list.SetReport(&report);
        Paint(list, screen);
        const double againMs = Ms(timer);

        std::printf("quality %d, %d pages, list %dx%d (%d rows on screen)\n", quality, report.Count(),
                    list.viewport()->width(), list.viewport()->height(), firstScreen);
        std::printf("page list shown: %.1f ms (target 300 ms)\n", shownMs);
        PrintSteps("scrolling, thumbnails drawn on the way", cold);
        PrintSteps("scrolling again, thumbnails known", warm);
        PrintSteps("wheel steps of three rows, thumbnails drawn on the way", wheel);
        std::printf("shown again after a page command: %.1f ms\n", againMs);
        std::printf("thumbnails drawn: %d for the first screen, %d after scrolling through, %d in all\n\n",
                    firstScreen, afterScroll, list.ThumbnailsDrawn());
    }
    return 0;
}
