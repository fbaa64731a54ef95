// Dragging on the designer surface: the shipped cover survey report's first page, filled with a
// 255 x 255 cover grid, in an offscreen page editor at page width. Synthetic mouse moves drag the
// overview chart about; each move is followed by the repaint it asks for. Prints the median and
// the slowest time per move, and the time of one full page drawing for comparison.
#include "UnitPageDesigner.h"
#include "UnitPageItemChart.h"
#include "UnitReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
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

void Send(QWidget *w, QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF p(at);
    QMouseEvent event(type, p, w->mapToGlobal(p), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString file = QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Reports/Cover Survey Report.vcr");
    TReport report;
    report.LoadFromFile(file);

    TPageDesigner designer;
    designer.resize(1000, 800);
    auto *editor = new TPageEditor;
    designer.SetPageEditor(editor);
    designer.SetZoomType(ztPageWidth);
    designer.show();
    TPage &page = editor->Page();
    page.Assign(report.Pages(0));
    page.Batches[0] = CoverGrid(255, 255);
    designer.UpdateLayout();

    TPageItem *target = nullptr;
    for (int i = 0; i < page.Count(); ++i)
        if (dynamic_cast<TPageItemChartOverview *>(page.Item(i)))
            target = page.Item(i);
    if (!target) {
        std::fprintf(stderr, "no overview item on page 1\n");
        return 1;
    }

    // Rendering runs the editor's own painting, as the screen's repaint would.
    QImage screen(editor->size(), QImage::Format_RGB32);
    QElapsedTimer timer;
    timer.start();
    editor->render(&screen);
    const double fullMs = timer.nsecsElapsed() / 1e6;

    const QPoint from = target->PixelRect().center();
    Send(editor, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    std::vector<double> times;
    const int moves = 200;
    for (int i = 1; i <= moves; ++i) {
        const QPoint at = from + QPoint(static_cast<int>(40 * std::sin(i / 10.0)) + 6, (i % 30) - 15);
        timer.start();
        Send(editor, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        editor->render(&screen);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    Send(editor, QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
    std::printf("page editor %dx%d, cover report page 1 with a 255 x 255 cover grid\n", editor->width(),
                editor->height());
    std::printf("full page drawing: %.1f ms\n", fullMs);
    std::printf("drag, %d mouse moves: median %.2f ms, first %.1f ms, slowest %.1f ms per move (target 16 ms)\n", moves,
                Median(times), times.front(), *std::max_element(times.begin(), times.end()));
    return 0;
}
