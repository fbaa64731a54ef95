#include "ChartTestSupport.h"
#include "UnitChartCumulative.h"
#include "UnitChartDifference.h"
#include "UnitEvaluation.h"

#include <cmath>

namespace {
class Cumulative : public ChartTest {};
class Difference : public ChartTest {};

// Whether a colour shows near a point (anti-aliased dots: look for the darkest pixel around it).
bool DotAt(const QImage &image, const QPointF &p, const QColor &colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor c = Pixel(image, static_cast<int>(std::lround(p.x())) + dx, static_cast<int>(std::lround(p.y())) + dy);
            if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40
                && std::abs(c.blue() - colour.blue()) < 40)
                return true;
        }
    return false;
}
} // namespace

TEST_F(Cumulative, PointsSortedOnANormalProbabilityAxis)
{
    // Readings 20, 30, 30, 40 (two out of range and an empty cell left out).
    TChartCumulative chart;
    chart.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 3, {V(40), E(), V(20), Over(), V(30), V(30), Under()});
    chart.Batch.LowLimitApplied = true;
    chart.Batch.LowLimit = 25;
    const QImage image = Render(600, 400, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 600, 400)); });
    const TCumulativeLayout &l = chart.LastLayout();
    ASSERT_TRUE(l.Visible);
    ASSERT_EQ(l.Points.size(), 4u);

    // Values along x on a linear scale; percentages 12.5, 37.5, 62.5, 87.5 on the normal scale,
    // where 50 % is the midpoint between two percentages symmetric about it.
    const double percents[] = {12.5, 37.5, 62.5, 87.5};
    const double values[] = {20, 30, 30, 40};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(l.Points[i].x(), l.XOf(values[i]), 1e-9);
        EXPECT_NEAR(l.Points[i].y(), l.YOf(percents[i]), 1e-9);
        EXPECT_TRUE(DotAt(image, l.Points[i], chart.PointColour)) << i;
    }
    EXPECT_NEAR(l.Points[0].y() + l.Points[3].y(), 2 * l.YOf(50), 1e-6);
    EXPECT_NEAR(l.Points[1].y() + l.Points[2].y(), 2 * l.YOf(50), 1e-6);
    EXPECT_GT(l.Points[0].y(), l.Points[1].y()); // higher percentages higher up
    EXPECT_EQ(l.Points[1].x(), l.Points[2].x());
    // The normal scale stretches the tails: the step 12.5 -> 37.5 is taller than 37.5 -> 62.5.
    EXPECT_GT(l.Points[0].y() - l.Points[1].y(), l.Points[1].y() - l.Points[2].y());
    EXPECT_NEAR((l.Points[1].y() - l.Points[2].y()) / (l.Points[0].y() - l.Points[1].y()),
                (NormalQuantile(0.625) - NormalQuantile(0.375)) / (NormalQuantile(0.375) - NormalQuantile(0.125)), 1e-6);

    // Axis: the probability axis reaches at least 5 % to 95 %, labelled at the usual ticks.
    EXPECT_EQ(l.PercentMin, 5);
    EXPECT_EQ(l.PercentMax, 95);
    EXPECT_EQ(l.PercentTicks, (std::vector<double>{5, 10, 20, 30, 50, 70, 80, 90, 95}));
    EXPECT_NEAR(l.YOf(5), l.Plot.Bottom - 1, 1e-9);
    EXPECT_NEAR(l.YOf(95), l.Plot.Top, 1e-9);
    // The value axis covers readings and the low limit in whole tick steps.
    EXPECT_LE(l.XMin, 20);
    EXPECT_GE(l.XMax, 40);
    ASSERT_FALSE(l.ValueTicks.empty());
    EXPECT_EQ(l.ValueTicks.front(), l.XMin);
    EXPECT_EQ(l.ValueTicks.back(), l.XMax);
    EXPECT_EQ(l.AxisTitle, QStringLiteral("mm"));
    ASSERT_EQ(l.Lines.size(), 1u);
    EXPECT_EQ(l.Lines[0].Value, 25);
    EXPECT_EQ(l.Lines[0].Title, QStringLiteral("Low Limit"));
    const int lx = static_cast<int>(std::lround(l.XOf(25)));
    EXPECT_EQ(Pixel(image, lx, (l.Plot.Top + l.Plot.Bottom) / 2), QColor(255, 0, 0));
}

TEST_F(Cumulative, ManyReadingsWidenTheProbabilityAxis)
{
    TBatchItem b = MakeGrid(30, 10, 100, [](int c, int r) { return 20.0 + c + r; });
    TChartCumulative chart;
    chart.Batch = b;
    Render(500, 400, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 500, 400)); });
    const TCumulativeLayout &l = chart.LastLayout();
    // 300 readings: the outermost at 0.5 / 300 = 0.167 % and 99.83 %.
    EXPECT_EQ(l.PercentMin, 0.1);
    EXPECT_EQ(l.PercentMax, 99.9);
    EXPECT_EQ(l.Points.size(), 300u);
}

TEST_F(Cumulative, HalfCellBoundariesOnTheBatchsOwnCell)
{
    for (const char *cell : {"CU/CUSO4", "AG/AGCL"}) {
        SCOPED_TRACE(cell);
        TChartCumulative chart;
        chart.Batch = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 1, {V(-150), V(-300)});
        chart.Batch.CellType = QLatin1String(cell);
        Render(500, 400, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 500, 400)); });
        const TCumulativeLayout &l = chart.LastLayout();
        ASSERT_EQ(l.Lines.size(), 2u);
        const double shift = QLatin1String(cell) == QLatin1String("AG/AGCL") ? 81 : 0;
        EXPECT_EQ(l.Lines[0].Value, -200 + shift);
        EXPECT_EQ(l.Lines[1].Value, -350 + shift);
        EXPECT_EQ(l.AxisTitle, QStringLiteral("mV (%1)").arg(QLatin1String(cell)));
        EXPECT_LE(l.XMin, -350 + shift);
        EXPECT_GE(l.XMax, -150);
    }
}

TEST_F(Cumulative, NoOrOneReadingStillDrawsTheAxes)
{
    for (int n : {0, 1}) {
        SCOPED_TRACE(n);
        TChartCumulative chart;
        chart.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 1, n ? std::vector<TCell>{V(35)} : std::vector<TCell>{});
        const QImage image = Render(400, 300, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 400, 300)); });
        const TCumulativeLayout &l = chart.LastLayout();
        EXPECT_TRUE(l.Visible);
        EXPECT_EQ(l.Points.size(), size_t(n));
        EXPECT_LT(l.XMin, l.XMax);
        EXPECT_FALSE(IsWhite(image, l.Plot.ToRect()));
        if (n) {
            EXPECT_NEAR(l.Points[0].y(), l.YOf(50), 1e-9);
        }
    }
    TChartCumulative none;
    Render(10, 10, [&](QPainter &p) { none.Draw(p, QRect(0, 0, 0, 0)); });
    EXPECT_FALSE(none.LastLayout().Visible);
}

TEST_F(Difference, TwoSmallGridsWithEmptyCells)
{
    TChartDifference chart;
    chart.Earlier = MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 2, {V(30), V(35), E(), V(40), Over(), V(50)});
    chart.Later = MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 2, {V(28), E(), V(33), V(44), V(45), V(47)});
    chart.Earlier.ID = QStringLiteral("A");
    chart.Later.ID = QStringLiteral("B");
    chart.RowCount = 2;
    chart.ColumnCount = 3;
    const QRect map(0, 0, 400, 260), key(0, 300, 400, 38);
    const QImage image = Render(400, 340, [&](QPainter &p) { chart.Draw(p, map, key); });
    ASSERT_TRUE(chart.Problem().isEmpty());
    const TBatchItem &d = chart.Difference();
    EXPECT_EQ(d.ValidCount(), 3);
    EXPECT_EQ(d.Max(), 4);
    EXPECT_EQ(d.Min(), -3);

    // Filled where both surveys hold a reading; the others show the paper.
    const TOverviewLayout &l = chart.LastLayout();
    const TEdges target = TEdges::FromRect(map);
    const auto centre = [&](int c, int r) {
        const TEdges e = OverviewCellRect(l, c, r, target);
        return QPoint((e.Left + e.Right) / 2, (e.Top + e.Bottom) / 2);
    };
    for (auto [c, r] : {std::pair{0, 0}, {0, 1}, {2, 1}})
        EXPECT_NE(image.pixel(centre(c, r)), qRgb(255, 255, 255)) << c << r;
    for (auto [c, r] : {std::pair{1, 0}, {2, 0}, {1, 1}})
        EXPECT_EQ(image.pixel(centre(c, r)), qRgb(255, 255, 255)) << c << r;
    // MaxMin: the largest gain and the largest loss sit at the two ends of the scale.
    EXPECT_NE(image.pixel(centre(0, 1)), image.pixel(centre(2, 1)));
    // The key spans the differences.
    const TKeyLayout &k = chart.LastKeyLayout();
    EXPECT_TRUE(k.Visible);
    EXPECT_EQ(k.Lo, -3);
    EXPECT_EQ(k.Hi, 4);
}

TEST_F(Difference, ThresholdMethodSplitsLossesFromGains)
{
    TChartDifference chart;
    chart.Earlier = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 1, {V(-200), V(-200)});
    chart.Later = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 1, {V(-260), V(-180)});
    chart.Earlier.CellType = chart.Later.CellType = QStringLiteral("CU/CUSO4");
    chart.Method = cmThreshold;
    chart.RowCount = 1;
    chart.ColumnCount = 2;
    const QRect map(0, 0, 300, 200);
    const QImage image = Render(300, 200, [&](QPainter &p) { chart.Draw(p, map, QRect()); });
    const TOverviewLayout &l = chart.LastLayout();
    const TEdges e0 = OverviewCellRect(l, 0, 0, TEdges::FromRect(map));
    const TEdges e1 = OverviewCellRect(l, 1, 0, TEdges::FromRect(map));
    EXPECT_EQ(Pixel(image, (e0.Left + e0.Right) / 2, (e0.Top + e0.Bottom) / 2), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(image, (e1.Left + e1.Right) / 2, (e1.Top + e1.Bottom) / 2), QColor(0, 255, 0));
}

TEST_F(Difference, SurveysOfAnotherGridShowWhy)
{
    TChartDifference chart;
    chart.Earlier = MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 2, {V(30)});
    chart.Later = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 3, {V(30)});
    chart.RowCount = 3;
    chart.ColumnCount = 2;
    const QImage image = Render(300, 200, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 300, 200), QRect()); });
    EXPECT_EQ(chart.Problem(), QStringLiteral("The surveys do not have the same grid (3 x 2 and 2 x 3)"));
    EXPECT_EQ(chart.Difference().Columns, 0);
    EXPECT_FALSE(IsWhite(image, QRect(0, 0, 300, 200))); // the reason is written
}
