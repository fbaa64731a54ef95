#include "ChartTestSupport.h"
#include "UnitChartCombinedOverview.h"
#include "UnitChartLinearView.h"

namespace {
// 45 readings 30, 31, ... with reading 11 empty, 21 over range and 32 under range; 60 rows.
TBatchItem Linear45()
{
    std::vector<TCell> cells;
    for (int k = 0; k < 45; ++k)
        cells.push_back(V(30 + k));
    cells[10] = E();
    cells[20] = Over();
    cells[31] = Under();
    TBatchItem b = MakeLinear(BatchTypeCover, cells, 60);
    b.LowLimitApplied = true;
    b.LowLimit = 35;
    return b;
}

void View(TChartLinearView &v, int first)
{
    v.Batch = Linear45();
    v.FirstReading = first;
    v.TableColumns = 2;
    v.RowsPerColumn = 10;
    v.CellText = true;
    v.CellColour = true;
    v.Method = cmNone;
}

TEST_F(ChartTest, LinearViewNumbersReadingsAcrossPages)
{
    TChartLinearView v;
    View(v, 20);
    const QStringList texts = DrawnTexts(400, 300, [&](QPainter &p) { v.Draw(p, QRect(0, 0, 400, 300)); });
    QStringList numbers;
    for (const QString &t : texts)
        if (t.endsWith(QLatin1Char(':')))
            numbers << t;
    QStringList expected;
    for (int k = 21; k <= 40; ++k)
        expected << QStringLiteral("%1:").arg(k);
    EXPECT_EQ(numbers, expected);
    EXPECT_TRUE(texts.contains(QStringLiteral(">>"))); // reading 21
    EXPECT_TRUE(texts.contains(QStringLiteral("<<"))); // reading 32
    EXPECT_TRUE(texts.contains(QStringLiteral("51"))); // reading 22
    EXPECT_TRUE(texts.contains(QStringLiteral("69"))); // reading 40
    // The last page stops after the last reading (45).
    TChartLinearView last;
    View(last, 40);
    const QStringList tail = DrawnTexts(400, 300, [&](QPainter &p) { last.Draw(p, QRect(0, 0, 400, 300)); });
    EXPECT_TRUE(tail.contains(QStringLiteral("45:")));
    EXPECT_FALSE(tail.contains(QStringLiteral("46:")));
    // The empty reading shows "-".
    TChartLinearView first;
    View(first, 0);
    const QStringList head = DrawnTexts(400, 300, [&](QPainter &p) { first.Draw(p, QRect(0, 0, 400, 300)); });
    EXPECT_TRUE(head.contains(QStringLiteral("-")));
    EXPECT_TRUE(head.contains(QStringLiteral("1:")));
}

TEST_F(ChartTest, LinearViewCellsLinesAndFrame)
{
    TChartLinearView v;
    View(v, 40); // readings 41 .. 45 in the first table column
    v.CellText = false;
    const QImage image = Render(400, 300, [&](QPainter &p) { v.Draw(p, QRect(0, 0, 400, 300)); });
    const int cwd = 200, rh = 30, hw = 100;
    // Reading 41 (70 mm) passes: green value half; the number half stays white.
    EXPECT_EQ(Pixel(image, hw + 5, 5), QColor(0, 255, 0));
    EXPECT_EQ(Pixel(image, hw - 5, 5), QColor(Qt::white));
    // The line at the table column's right edge and the line under the last reading.
    EXPECT_EQ(Pixel(image, cwd, 10), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 50, 5 * rh), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 50, 5 * rh + 5), QColor(Qt::white)); // no reading below
    // The frame around the whole table.
    EXPECT_EQ(Pixel(image, 0, 200), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 300, 0), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 300, 10 * rh - 1), QColor(Qt::black));

    // Reading 5 (34 mm) is below the low limit: red.
    TChartLinearView low;
    View(low, 0);
    low.CellText = false;
    const QImage li = Render(400, 300, [&](QPainter &p) { low.Draw(p, QRect(0, 0, 400, 300)); });
    EXPECT_EQ(Pixel(li, hw + 5, 4 * rh + 5), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(li, hw + 5, 10 * rh + 5 - 30), QColor(0, 255, 0)); // reading 10 (39 mm)
    EXPECT_EQ(Pixel(li, cwd + hw + 5, 0 * rh + 5), QColor(Qt::white)); // reading 11 is empty
}

TEST_F(ChartTest, LinearViewBeyondTheLastReadingOrOfAGridBatch)
{
    TChartLinearView v;
    View(v, 45);
    const QImage image = Render(400, 300, [&](QPainter &p) { v.Draw(p, QRect(0, 0, 400, 300)); });
    EXPECT_TRUE(DrawnTexts(400, 300, [&](QPainter &p) { v.Draw(p, QRect(0, 0, 400, 300)); }).isEmpty());
    EXPECT_EQ(Pixel(image, 0, 100), QColor(Qt::black)); // only the frame
    EXPECT_TRUE(IsWhite(image, QRect(1, 1, 398, 298)));

    v.Batch = MakeGrid(3, 3, 100, [](int, int) { return 40.0; });
    v.FirstReading = 0;
    const QImage grid = Render(400, 300, [&](QPainter &p) { v.Draw(p, QRect(0, 0, 400, 300)); });
    EXPECT_TRUE(IsWhite(grid, grid.rect()));
}

// --- combined overview

// The centre of the black pixels inside the plot area (the printed secondary readings).
QPointF InkCentre(const QImage &image, const TEdges &plot)
{
    // Text is smoothed: count every dark pixel.
    QRect ink;
    for (int y = plot.Top + 2; y < plot.Bottom - 2; ++y)
        for (int x = plot.Left + 2; x < plot.Right - 2; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return QRectF(ink).center();
}

TEST_F(ChartTest, CombinedPlacesHalfCellReadingsOnTheCoverGrid)
{
    TChartCombinedOverview chart;
    // Cover 10 x 10 at 100 mm with every cell empty, so only the secondary text is black.
    chart.BatchOf(BatchTypeCover) = MakeBatch(BatchTypeCover, BatchFormatGrid, 10, 10, {}, 100);
    TBatchItem &half = chart.BatchOf(BatchTypeHalfCell);
    half = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 5, 5, {}, 200);
    SetCell(half, 1, 2, V(-250));
    chart.SetPrimary(BatchTypeCover);
    EXPECT_EQ(chart.SecondaryIndex, 1);
    chart.RowCount = chart.ColumnCount = 10;
    const QRect target(0, 0, 600, 600);
    const QImage image = Render(600, 600, [&](QPainter &p) { chart.Draw(p, target); });
    const TOverviewLayout &l = chart.LastLayout();
    // Half-cell cell (1, 2) covers cover columns 2-3 and rows 4-5: its text centres on their corner.
    const QPointF centre = InkCentre(image, l.Plot);
    EXPECT_NEAR(centre.x(), l.Plot.Left + RoundHalfUp(3 * l.CW), 2.5);
    EXPECT_NEAR(centre.y(), l.Plot.Top + RoundHalfUp(5 * l.CH), 2.5);
    EXPECT_TRUE(DrawnTexts(600, 600, [&](QPainter &p) { chart.Draw(p, target); }).contains(QStringLiteral("-250")));
}

TEST_F(ChartTest, CombinedKeepsTheScaleOnTheLastPage)
{
    TChartCombinedOverview chart;
    chart.BatchOf(BatchTypeCover) = MakeBatch(BatchTypeCover, BatchFormatGrid, 30, 10, {}, 100);
    TBatchItem &half = chart.BatchOf(BatchTypeHalfCell);
    half = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 15, 5, {}, 200);
    SetCell(half, 13, 1, V(-300)); // centre at 2700 mm, 300 mm
    chart.SetPrimary(BatchTypeCover);
    chart.FirstColumn = 25;
    chart.RowCount = 10;
    chart.ColumnCount = 25;
    const QImage image = Render(800, 400, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 800, 400)); });
    const TOverviewLayout &l = chart.LastLayout();
    ASSERT_EQ(l.Plot.Right, l.Plot.Left + RoundHalfUp(5 * l.CW)); // cut after column 30
    const QPointF centre = InkCentre(image, l.Plot);
    EXPECT_NEAR(centre.x(), l.Plot.Left + 2 * l.CW, 2.5); // between cover columns 26 and 27
    EXPECT_NEAR(centre.y(), l.Plot.Top + 3 * l.CH, 2.5);
}

TEST_F(ChartTest, CombinedSkipsCellsBeyondOneSpacingAndSwapsThePrimary)
{
    TChartCombinedOverview chart;
    TBatchItem &cover = chart.BatchOf(BatchTypeCover);
    cover = MakeGrid(10, 10, 100, [](int c, int r) { return 10.0 * c + r; });
    TBatchItem &half = chart.BatchOf(BatchTypeHalfCell);
    half = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 5, 5, {}, 200);
    SetCell(half, 0, 0, V(-101)); // corner 0 mm: one spacing left of the window at 200 mm
    SetCell(half, 3, 0, V(-103)); // corner 600 mm: inside
    SetCell(half, 4, 0, V(-104)); // corner 800 mm: one spacing right of the window's end at 600
    chart.SetPrimary(BatchTypeCover);
    chart.FirstColumn = 2;
    chart.ColumnCount = 4; // 200 .. 600 mm
    chart.RowCount = 10;
    QStringList texts = DrawnTexts(600, 600, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 600, 600)); });
    EXPECT_TRUE(texts.contains(QStringLiteral("-101")));
    EXPECT_TRUE(texts.contains(QStringLiteral("-103")));
    EXPECT_TRUE(texts.contains(QStringLiteral("-104")));
    chart.ColumnCount = 2; // 200 .. 400 mm: 800 mm lies two spacings away
    texts = DrawnTexts(600, 600, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 600, 600)); });
    EXPECT_FALSE(texts.contains(QStringLiteral("-104")));
    EXPECT_TRUE(texts.contains(QStringLiteral("C")));

    // The half-cell batch as primary: its letters and numbers, the cover readings as text.
    chart.SetPrimary(BatchTypeHalfCell);
    EXPECT_EQ(chart.PrimaryIndex, 1);
    EXPECT_EQ(chart.SecondaryIndex, 0);
    chart.FirstColumn = 0;
    chart.RowCount = chart.ColumnCount = 5;
    texts = DrawnTexts(600, 600, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 600, 600)); });
    EXPECT_TRUE(texts.contains(QStringLiteral("E")));
    EXPECT_FALSE(texts.contains(QStringLiteral("F")));
    EXPECT_TRUE(texts.contains(QStringLiteral("99"))); // cover cell (9, 9)
    EXPECT_FALSE(texts.contains(QStringLiteral("-101")));
}

TEST_F(ChartTest, CombinedDrawsNothingWhenEitherBatchCannotBeMapped)
{
    TChartCombinedOverview chart;
    chart.RowCount = chart.ColumnCount = 5;
    chart.SetPrimary(BatchTypeCover);
    const TBatchItem grid = MakeGrid(5, 5, 100, [](int, int) { return 40.0; });
    const TBatchItem linear = MakeLinear(BatchTypeHalfCell, {V(-200)});
    const TBatchItem none = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 0, 0);
    for (const TBatchItem *second : {&linear, &none}) {
        chart.BatchOf(BatchTypeCover) = grid;
        chart.BatchOf(BatchTypeHalfCell) = *second;
        const QImage image = Render(300, 300, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 300, 300)); });
        EXPECT_TRUE(IsWhite(image, image.rect()));
    }
    // Filled primary cells, an empty one left unfilled.
    TBatchItem half = MakeGrid(5, 5, 100, [](int, int) { return -100.0; }, BatchTypeHalfCell);
    chart.BatchOf(BatchTypeHalfCell) = half;
    TBatchItem cover = grid;
    SetCell(cover, 4, 4, E());
    chart.BatchOf(BatchTypeCover) = cover;
    chart.Method = cmNone;
    const QImage image = Render(300, 300, [&](QPainter &p) { chart.Draw(p, QRect(0, 0, 300, 300)); });
    const TOverviewLayout &l = chart.LastLayout();
    const TEdges c0 = OverviewCellRect(l, 0, 0, TEdges::FromRect(QRect(0, 0, 300, 300)));
    const TEdges c44 = OverviewCellRect(l, 4, 4, TEdges::FromRect(QRect(0, 0, 300, 300)));
    EXPECT_EQ(Pixel(image, c0.Left + 2, c0.Top + 2), QColor(0, 255, 0));
    EXPECT_EQ(Pixel(image, c44.Left + 2, c44.Top + 2), QColor(Qt::white));
}
} // namespace
