#include "ChartTestSupport.h"
#include "UnitChartContour.h"
#include "UnitException.h"

namespace {
class ChartContour : public ChartTest {};

// Columns of 0, 10, 20 and 30; the third cell of the last row empty, so the two squares around
// it draw nothing.
TBatchItem Steps()
{
    return MakeBatch(BatchTypeCover, BatchFormatGrid, 4, 3,
                     {V(0), V(10), V(20), V(30), V(0), V(10), V(20), V(30), V(0), V(10), E(), V(30)});
}

// The pixel at (u, v) in cells from the centre of the first cell, by the layout of the last drawing.
QPoint At(const TChartContour &chart, double u, double v)
{
    const TOverviewLayout &l = chart.LastLayout();
    return QPoint(int(l.Plot.Left + (u + 0.5) * l.CW), int(l.Plot.Top + (v + 0.5) * l.CH));
}

// The darkest of the pixels around p by its brightest channel: a line drawn half on each of two
// pixels still shows.
int Darkest(const QImage &image, const QPoint &p)
{
    int v = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            v = std::min(v, QColor(image.pixel(p.x() + dx, p.y() + dy)).value());
    return v;
}

bool Near(const QColor &a, const QColor &b) { return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24; }
} // namespace

TEST_F(ChartContour, BandsOnEachSideOfTheIsolineAndNothingInMaskedSquares)
{
    struct Case {
        const char *Name;
        bool Filled;
    };
    for (const Case &k : {Case{"filled", true}, Case{"lines only", false}}) {
        SCOPED_TRACE(k.Name);
        TChartContour chart;
        chart.Batch = Steps();
        chart.ColumnCount = 4;
        chart.RowCount = 3;
        chart.Levels = {15};
        chart.Filled = k.Filled;
        chart.Labels = false;
        chart.Legend = false;
        const QImage image = Render(400, 300, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 400, 300)); });
        ASSERT_GT(chart.LastLayout().CW, 30);
        const QColor low = k.Filled ? QColor(255, 0, 0) : QColor(Qt::white);  // below 15: the fail end
        const QColor high = k.Filled ? QColor(0, 255, 0) : QColor(Qt::white); // above: the pass end
        // The isoline at 15 runs half way between the second and third column, in the top row of
        // squares only.
        EXPECT_TRUE(Near(Pixel(image, At(chart, 1.25, 0.5).x(), At(chart, 1.25, 0.5).y()), low));
        EXPECT_TRUE(Near(Pixel(image, At(chart, 1.75, 0.5).x(), At(chart, 1.75, 0.5).y()), high));
        EXPECT_LT(Darkest(image, At(chart, 1.5, 0.5)), 150);
        // The square left of the empty cell's is whole and below the level.
        EXPECT_TRUE(Near(Pixel(image, At(chart, 0.5, 1.5).x(), At(chart, 0.5, 1.5).y()), low));
        // The two squares with the empty corner: paper, no band, no line.
        for (const QPoint p : {At(chart, 1.5, 1.5), At(chart, 2.5, 1.5), At(chart, 1.5, 1.8)})
            EXPECT_EQ(Pixel(image, p.x(), p.y()), QColor(Qt::white)) << p.x() << "," << p.y();
    }
}

TEST_F(ChartContour, DefaultLevelsLegendAndLabels)
{
    // A cover grid at its limits: two levels, three bands in the legend, labels on the lines.
    TBatchItem b = MakeGrid(12, 8, 100, [](int c, int r) { return 10.0 * c + r; });
    b.LowLimit = 40;
    b.HighLimit = 80;
    b.LowLimitApplied = b.HighLimitApplied = true;
    TChartContour chart;
    chart.Batch = b;
    chart.ColumnCount = 12;
    chart.RowCount = 8;
    const QImage image = Render(600, 450, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 600, 450)); });
    EXPECT_EQ(chart.LastLevels(), (QList<double>{40, 80}));
    // The middle band takes the middle of the ramp (yellow) between the limits.
    const QPoint mid = At(chart, 6, 0.25);
    EXPECT_TRUE(Near(Pixel(image, mid.x(), mid.y()), QColor(255, 255, 0)));
    // Something is drawn below the map: the legend's boxes.
    const int below = chart.LastLayout().Outer.Bottom;
    EXPECT_FALSE(IsWhite(image, QRect(0, below + 1, 600, 450 - below - 1)));
}

TEST_F(ChartContour, LinearBatchesAndNarrowGridsRaiseTheMessage)
{
    const TBatchItem batches[] = {MakeLinear(BatchTypeHalfCell, {V(-100), V(-200), V(-300)}),
                                  MakeBatch(BatchTypeCover, BatchFormatGrid, 5, 1, {V(1), V(2), V(3), V(4), V(5)})};
    for (const TBatchItem &b : batches) {
        TChartContour chart;
        chart.Batch = b;
        chart.ColumnCount = b.Columns;
        chart.RowCount = b.Rows;
        try {
            Render(200, 200, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 200, 200)); });
            ADD_FAILURE() << "no exception";
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Contour maps need a grid batch"));
        }
    }
}
