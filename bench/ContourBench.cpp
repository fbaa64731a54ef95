// Speed of the contour map of the largest grid (255 x 255): the isolines alone, and the whole map
// (bands, isolines, labels, legend) drawn on a page-sized image. Prints milliseconds.
#include "UnitChartContour.h"
#include "UnitContour.h"

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {
// A survey with hills and hollows: many closed rings and open lines at every level.
TBatchItem Survey(int columns, int rows)
{
    TBatchItem b;
    b.BatchType = BatchTypeHalfCell;
    b.BatchFormat = BatchFormatGrid;
    b.Columns = columns;
    b.Rows = rows;
    b.Grid = 100;
    b.CellType = QStringLiteral("CU/CUSO4");
    b.SetSize();
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            b.SetReadingType(c, r, ReadingTypeReading);
            b.SetValue(c, r, -275 + 150 * std::sin(c / 9.0) * std::cos(r / 7.0) + 40 * std::sin((c + r) / 3.0));
        }
    b.Readings = b.ValidCount();
    return b;
}

double Best(int repeats, const std::function<void()> &work)
{
    QElapsedTimer timer;
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const TBatchItem batch = Survey(255, 255);
    const QList<QList<double>> levelSets = {ContourDefaultLevels(batch), ContourStepLevels(batch, 50)};
    for (const QList<double> &levels : levelSets) {
        int lines = 0, points = 0;
        const double compute = Best(10, [&] {
            lines = points = 0;
            for (const TContourLevel &l : ContourLines(batch, levels)) {
                lines += int(l.Lines.size());
                for (const TContourLine &line : l.Lines)
                    points += int(line.size());
            }
        });
        std::printf("isolines 255 x 255, %2d levels (%d lines, %d points) %8.2f ms (best of 10)\n", int(levels.size()),
                    lines, points, compute);
        TChartContour chart;
        chart.Batch = batch;
        chart.Levels = levels;
        chart.RowCount = chart.ColumnCount = 255;
        QImage image(1123, 794, QImage::Format_RGB32); // A4 landscape at 96 dpi
        const double draw = Best(5, [&] {
            image.fill(Qt::white);
            QPainter p(&image);
            chart.Draw(p, QRect(40, 40, 1040, 700));
        });
        std::printf("contour map 255 x 255, %2d levels, computed and drawn %8.2f ms (best of 5)\n", int(levels.size()), draw);
        // The parts: without bands, without labels.
        chart.Filled = false;
        const double unfilled = Best(5, [&] {
            image.fill(Qt::white);
            QPainter p(&image);
            chart.Draw(p, QRect(40, 40, 1040, 700));
        });
        chart.Labels = false;
        const double bare = Best(5, [&] {
            image.fill(Qt::white);
            QPainter p(&image);
            chart.Draw(p, QRect(40, 40, 1040, 700));
        });
        std::printf("  of which without bands %8.2f ms, without bands and labels %8.2f ms\n", unfilled, bare);
    }
    return 0;
}
