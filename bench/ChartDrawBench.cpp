// Drawing speed of the chart renderers on a page-sized image: how long one chart of a report
// page takes. Prints milliseconds per drawing.
#include "UnitChartCombinedOverview.h"
#include "UnitChartHistogram.h"
#include "UnitChartLinearView.h"
#include "UnitChartOverview.h"
#include "UnitChartRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {
TBatchItem Grid(int columns, int rows, std::uint8_t type, std::uint8_t format = BatchFormatGrid)
{
    TBatchItem b;
    b.BatchType = type;
    b.BatchFormat = format;
    b.Columns = columns;
    b.Rows = rows;
    b.Grid = format == BatchFormatGrid ? 100 : 0;
    b.SetSize();
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            b.SetReadingType(c, r, ReadingTypeReading);
            const double wave = std::sin(c / 7.0) * std::cos(r / 5.0);
            b.SetValue(c, r, type == BatchTypeCover ? 45 + 20 * wave : -250 + 120 * wave);
        }
    b.HighLimitApplied = b.LowLimitApplied = true;
    b.HighLimit = type == BatchTypeCover ? 60 : -200;
    b.LowLimit = type == BatchTypeCover ? 30 : -350;
    b.Readings = b.ValidCount();
    return b;
}

void Measure(const char *name, int repeats, const std::function<void(QPainter &, const QRect &)> &draw)
{
    QImage image(1123, 794, QImage::Format_RGB32); // A4 landscape at 96 dpi
    QElapsedTimer timer;
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        image.fill(Qt::white);
        QPainter p(&image);
        timer.start();
        draw(p, QRect(40, 40, 1040, 700));
        p.end();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-44s %8.2f ms (best of %d)\n", name, best, repeats);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        TChartOverview o;
        o.Batch = Grid(25, 10, BatchTypeCover);
        o.CellColour = o.CellText = o.GridLines = true;
        o.GridLineSpacing = 100;
        o.RowCount = 10;
        o.ColumnCount = 25;
        Measure("overview 25 x 10, colours, texts, lines", 20, [&](QPainter &p, const QRect &r) { o.Draw(p, r); });
        o.Batch = Grid(255, 255, BatchTypeCover);
        o.RowCount = o.ColumnCount = 255;
        Measure("overview 255 x 255 in one window", 5, [&](QPainter &p, const QRect &r) { o.Draw(p, r); });
    }
    {
        TChartOverviewKey k;
        k.Batch = Grid(25, 10, BatchTypeCover);
        k.KeySteps = 15;
        k.Method = cmLimits;
        Measure("key, 15 steps", 20, [&](QPainter &p, const QRect &r) { k.Draw(p, QRect(r.left(), r.top(), r.width(), 40)); });
    }
    {
        TChartCombinedOverview c;
        c.BatchOf(0) = Grid(25, 10, BatchTypeCover);
        c.BatchOf(1) = Grid(13, 5, BatchTypeHalfCell);
        c.BatchOf(1).Grid = 200;
        c.SetPrimary(0);
        c.RowCount = 10;
        c.ColumnCount = 25;
        Measure("combined 25 x 10 over 13 x 5", 20, [&](QPainter &p, const QRect &r) { c.Draw(p, r); });
    }
    {
        TChartLinearView v;
        v.Batch = Grid(1, 1000, BatchTypeCover, BatchFormatLinear);
        v.CellColour = v.CellText = true;
        v.TableColumns = 10;
        v.RowsPerColumn = 20;
        Measure("linear view 10 x 20", 20, [&](QPainter &p, const QRect &r) { v.Draw(p, r); });
    }
    {
        TChartRun run;
        run.Batch = Grid(1, 1000, BatchTypeCover, BatchFormatLinear);
        run.ShowLegend = run.Grid = true;
        Measure("run chart, 1000 readings, line", 10, [&](QPainter &p, const QRect &r) { run.Draw(p, r); });
        run.View3D = true;
        run.ChartType = 1;
        Measure("run chart, 1000 readings, 3D bars", 10, [&](QPainter &p, const QRect &r) { run.Draw(p, r); });
    }
    {
        TChartHistogram h;
        h.Batch = Grid(100, 100, BatchTypeHalfCell);
        h.ShowLegend = h.Grid = h.View3D = h.ShowMarkFrame = true;
        Measure("histogram, 10000 readings, 3D", 10, [&](QPainter &p, const QRect &r) { h.Draw(p, r); });
    }
    return 0;
}
