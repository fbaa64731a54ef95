#include "ChartTestSupport.h"
#include "UnitChartOverview.h"

namespace {
TEST(ColumnNames, LettersLikeASpreadsheet)
{
    const std::vector<std::pair<int, const char *>> cases = {
        {0, "A"}, {25, "Z"}, {26, "AA"}, {51, "AZ"}, {52, "BA"}, {675, "YZ"}, {701, "ZZ"},
        {702, "AAA"}, {703, "AAB"}, {18277, "ZZZ"}, {18278, "AAAA"}, {-1, ""}};
    for (const auto &[index, name] : cases)
        EXPECT_EQ(ColumnName(index), QString::fromLatin1(name)) << index;
}

// A 10 x 10 cover grid at 100 mm whose cell (c, r) holds 20 + c + r, the last cell empty.
TBatchItem Grid10()
{
    TBatchItem b = MakeGrid(10, 10, 100, [](int c, int r) { return 20.0 + c + r; });
    SetCell(b, 9, 9, E());
    SetCell(b, 0, 9, Over());
    b.HighLimitApplied = true;
    b.HighLimit = 30;
    return b;
}

void Window(TChartOverview &o, int firstRow, int firstColumn, int rows, int columns)
{
    o.FirstRow = firstRow;
    o.FirstColumn = firstColumn;
    o.RowCount = rows;
    o.ColumnCount = columns;
}

// The label font metrics of the tests' canvas.
struct TMetrics {
    int Width(const QString &text) const { return FWidth(text); }
    std::function<int(const QString &)> FWidth;
    int Height = 0;
};
TMetrics LabelMetrics()
{
    auto image = std::make_shared<QImage>(10, 10, QImage::Format_RGB32);
    auto painter = std::make_shared<QPainter>(image.get());
    SetCanvasFont(*painter, QStringLiteral("Arial"), 8);
    TMetrics m;
    m.Height = TextHeight(*painter);
    m.FWidth = [image, painter](const QString &t) { return TextWidth(*painter, t); };
    return m;
}

TEST_F(ChartTest, OverviewLayoutOnAKnownRectangle)
{
    const TMetrics m = LabelMetrics();
    TChartOverview o;
    o.Batch = Grid10();
    o.CellColour = true;
    Window(o, 0, 0, 10, 10);
    const QRect target(20, 10, 600, 300);
    const QImage image = Render(640, 320, [&](QPainter &p) { o.Draw(p, target); });
    const TOverviewLayout &l = o.LastLayout();

    const int mx = m.Width(QStringLiteral("1.000")); // 10 columns x 100 mm, then "0"
    EXPECT_EQ(l.MX, mx);
    EXPECT_EQ(l.MY, mx);
    const double side = std::min((600.0 - 2 * mx) / 10, (300.0 - 2 * mx) / 10);
    EXPECT_DOUBLE_EQ(l.CW, side); // square cells: the height decides
    EXPECT_DOUBLE_EQ(l.CH, side);
    const int ow = RoundHalfUp(10 * side) + 2 * mx;
    const int cx = 20 + 300;
    EXPECT_EQ(l.Outer, (TEdges{cx - ow / 2, 10, cx + ow / 2, 10 + RoundHalfUp(10 * side) + 2 * mx}));
    EXPECT_EQ(l.Plot, (TEdges{l.Outer.Left + mx, 10 + mx, l.Outer.Right - mx, l.Outer.Bottom - mx}));
    EXPECT_EQ(l.SX, std::max(1, RoundHalfUp(m.Width(QStringLiteral("WW")) / side)));
    EXPECT_EQ(l.SY, std::max(1, RoundHalfUp(m.Height / side)));

    // Cell (3, 4) holds 27: below the high limit band's middle, coloured by the gradient.
    const TEdges cell = OverviewCellRect(l, 3, 4, TEdges::FromRect(target));
    EXPECT_EQ(cell.Left, l.Plot.Left + RoundHalfUp(3 * side));
    EXPECT_EQ(cell.Right, l.Plot.Left + RoundHalfUp(4 * side));
    TGradiantHelper g;
    g.Batch = o.Batch;
    g.UseGreen = true;
    const QColor expected = g.ColourFor(27);
    EXPECT_EQ(Pixel(image, cell.Left + 2, cell.Top + 2), expected);
    EXPECT_EQ(Pixel(image, cell.Right - 2, cell.Bottom - 2), expected);
    // The empty last cell stays unfilled.
    const TEdges empty = OverviewCellRect(l, 9, 9, TEdges::FromRect(target));
    EXPECT_TRUE(IsWhite(image, QRect(empty.Left + 1, empty.Top + 1, empty.Width() - 3, empty.Height() - 3)));
    // The frame of the plot area, and nothing outside the block.
    const int midY = (l.Plot.Top + l.Plot.Bottom) / 2;
    EXPECT_EQ(Pixel(image, l.Plot.Left, midY), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, l.Plot.Right - 1, midY), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, l.Plot.Left - 1, midY), QColor(Qt::white));
    EXPECT_TRUE(IsWhite(image, QRect(0, 0, 640, 10)));
    EXPECT_TRUE(IsWhite(image, QRect(0, 0, l.Outer.Left - 1, 320)));
}

TEST_F(ChartTest, OverviewCellsWithoutSquaresFillTheWidth)
{
    TChartOverview o;
    o.Batch = Grid10();
    o.SquareCells = false;
    Window(o, 0, 0, 10, 10);
    Render(600, 300, [&](QPainter &p) { o.Draw(p, QRect(0, 0, 600, 300)); });
    const TOverviewLayout &l = o.LastLayout();
    EXPECT_DOUBLE_EQ(l.CW, (600.0 - 2 * l.MX) / 10);
    EXPECT_DOUBLE_EQ(l.CH, (300.0 - 2 * l.MY) / 10);
    EXPECT_EQ(l.Outer.Width(), 600);
}

TEST_F(ChartTest, OverviewLastPageStopsAtTheBatchsLastColumnAndRow)
{
    TChartOverview o;
    o.Batch = MakeGrid(30, 12, 250, [](int c, int r) { return 40.0; });
    o.CellColour = true;
    o.Method = cmNone;
    Window(o, 10, 25, 10, 25);
    const QImage image = Render(800, 400, [&](QPainter &p) { o.Draw(p, QRect(0, 0, 800, 400)); });
    const TOverviewLayout &l = o.LastLayout();
    // The cell size is that of a full window of 25 columns and 10 rows.
    EXPECT_EQ(l.PlotWidth, RoundHalfUp(25 * l.CW));
    EXPECT_EQ(l.Plot.Right, l.Plot.Left + RoundHalfUp(5 * l.CW));
    EXPECT_EQ(l.Plot.Bottom, l.Plot.Top + RoundHalfUp(2 * l.CH));
    const int midY = (l.Plot.Top + l.Plot.Bottom) / 2;
    EXPECT_EQ(Pixel(image, l.Plot.Left + 3, midY), QColor(0, 255, 0));
    EXPECT_EQ(Pixel(image, l.Plot.Right - 1, midY), QColor(Qt::black)); // frame
    EXPECT_TRUE(IsWhite(image, QRect(l.Plot.Right + 1, l.Plot.Top, 40, l.Plot.Height())));
    EXPECT_TRUE(IsWhite(image, QRect(l.Plot.Left, l.Plot.Bottom + 30, l.Plot.Width(), 60)));
    // Labels only for existing columns and rows.
    const QStringList texts = DrawnTexts(800, 400, [&](QPainter &p) { o.Draw(p, QRect(0, 0, 800, 400)); });
    for (const char *label : {"Z", "AA", "AB", "AC", "AD", "11", "12"})
        EXPECT_TRUE(texts.contains(QLatin1String(label))) << label;
    for (const char *label : {"Y", "AE", "10", "13"})
        EXPECT_FALSE(texts.contains(QLatin1String(label))) << label;
}

TEST_F(ChartTest, OverviewColumnLettersThinOutOnNarrowCells)
{
    TChartOverview o;
    o.Batch = MakeGrid(30, 2, 100, [](int, int) { return 40.0; });
    Window(o, 0, 0, 2, 30);
    o.SquareCells = false;
    const QStringList wide = DrawnTexts(2000, 200, [&](QPainter &p) { o.Draw(p, QRect(0, 0, 2000, 200)); });
    EXPECT_EQ(o.LastLayout().SX, 1);
    for (int c = 0; c < 30; ++c)
        EXPECT_TRUE(wide.contains(ColumnName(c))) << c;
    const QStringList narrow = DrawnTexts(300, 200, [&](QPainter &p) { o.Draw(p, QRect(0, 0, 300, 200)); });
    const int sx = o.LastLayout().SX;
    ASSERT_GT(sx, 1);
    for (int c = 0; c < 30; ++c)
        EXPECT_EQ(narrow.contains(ColumnName(c)), c % sx == 0) << c;
}

TEST_F(ChartTest, OverviewDistancesAndGridLines)
{
    TChartOverview o;
    o.Batch = MakeGrid(10, 5, 100, [](int, int) { return 40.0; });
    Window(o, 0, 0, 5, 10);
    o.SquareCells = false;
    o.GridLineSpacing = 200;
    o.GridLines = true;
    const QRect target(0, 0, 700, 300);
    QStringList texts = DrawnTexts(700, 300, [&](QPainter &p) { o.Draw(p, target); });
    for (const char *label : {"0.20", "0.40", "0.60", "0.80", "1.00"}) // along x, 1 m wide
        EXPECT_TRUE(texts.contains(QLatin1String(label))) << label;
    EXPECT_FALSE(texts.contains(QStringLiteral("0.00")));
    EXPECT_FALSE(texts.contains(QStringLiteral("1.20")));

    QImage image = Render(700, 300, [&](QPainter &p) { o.Draw(p, target); });
    const TOverviewLayout &l = o.LastLayout();
    const int px = RoundHalfUp(RoundHalfUp(10 * l.CW) / 1000.0 * 200);
    const int midY = (l.Plot.Top + l.Plot.Bottom) / 2;
    EXPECT_EQ(Pixel(image, l.Plot.Left + px, midY), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, l.Plot.Left + px + 2, midY), QColor(Qt::white));

    // No spacing: no distances and no lines, letters and numbers still there.
    o.GridLineSpacing = 0;
    texts = DrawnTexts(700, 300, [&](QPainter &p) { o.Draw(p, target); });
    EXPECT_FALSE(texts.contains(QStringLiteral("0.20")));
    EXPECT_TRUE(texts.contains(QStringLiteral("A")));
    EXPECT_TRUE(texts.contains(QStringLiteral("5")));
    image = Render(700, 300, [&](QPainter &p) { o.Draw(p, target); });
    EXPECT_EQ(Pixel(image, l.Plot.Left + px, midY), QColor(Qt::white));
}

TEST_F(ChartTest, OverviewCellTextsAndGreyScaleContrast)
{
    TChartOverview o;
    // Left half below the threshold (black in grey scale), right half above (white).
    o.Batch = MakeGrid(4, 2, 100, [](int c, int) { return c < 2 ? 20.0 : 60.0; });
    SetCell(o.Batch, 0, 0, Over());
    SetCell(o.Batch, 3, 1, E());
    Window(o, 0, 0, 2, 4);
    o.CellColour = true;
    o.CellText = true;
    o.GreyScale = true;
    o.Method = cmThreshold;
    o.Threshold = 40;
    o.CellFontSize = 14;
    o.GridLineSpacing = 100;
    o.GridLines = true;
    const QRect target(0, 0, 400, 300);
    const QStringList texts = DrawnTexts(400, 300, [&](QPainter &p) { o.Draw(p, target); });
    EXPECT_TRUE(texts.contains(QStringLiteral(">>")));
    EXPECT_EQ(texts.count(QStringLiteral("20")), 3);
    EXPECT_EQ(texts.count(QStringLiteral("60")), 3); // the empty cell has no text

    const QImage image = Render(400, 300, [&](QPainter &p) { o.Draw(p, target); });
    const TOverviewLayout &l = o.LastLayout();
    const TEdges dark = OverviewCellRect(l, 1, 0, TEdges::FromRect(target));
    const TEdges light = OverviewCellRect(l, 2, 0, TEdges::FromRect(target));
    const QRect darkInside(dark.Left + 2, dark.Top + 2, dark.Width() - 4, dark.Height() - 4);
    const QRect lightInside(light.Left + 2, light.Top + 2, light.Width() - 4, light.Height() - 4);
    EXPECT_EQ(Pixel(image, dark.Left + 2, dark.Top + 2), QColor(Qt::black));
    EXPECT_FALSE(Extent(image, darkInside, qRgb(255, 255, 255)).isEmpty()); // white text on black
    EXPECT_FALSE(Extent(image, lightInside, qRgb(0, 0, 0)).isEmpty());     // black text on white
    // The grid line at 100 mm inverts what it crosses: white over the black cell 0.
    const int x = l.Plot.Left + RoundHalfUp(RoundHalfUp(4 * l.CW) / 400.0 * 100);
    const TEdges cell0 = OverviewCellRect(l, 0, 1, TEdges::FromRect(target));
    EXPECT_EQ(Pixel(image, x, cell0.Top + 3), QColor(Qt::white));
    const int x3 = l.Plot.Left + RoundHalfUp(RoundHalfUp(4 * l.CW) / 400.0 * 300);
    EXPECT_EQ(Pixel(image, x3, cell0.Top + 3), QColor(Qt::black));
}

TEST_F(ChartTest, OverviewDrawsNothingForLinearOrEmptyBatches)
{
    TChartOverview o;
    Window(o, 0, 0, 5, 5);
    for (const TBatchItem &b : {MakeLinear(BatchTypeCover, {V(30), V(40)}),
                                MakeBatch(BatchTypeCover, BatchFormatGrid, 0, 5), MakeBatch(BatchTypeCover, BatchFormatGrid, 5, 0)}) {
        o.Batch = b;
        const QImage image = Render(200, 200, [&](QPainter &p) { o.Draw(p, QRect(0, 0, 200, 200)); });
        EXPECT_TRUE(IsWhite(image, image.rect()));
    }
    // A window of no width draws nothing either.
    o.Batch = Grid10();
    Window(o, 0, 0, 5, 0);
    const QImage image = Render(200, 200, [&](QPainter &p) { o.Draw(p, QRect(0, 0, 200, 200)); });
    EXPECT_TRUE(IsWhite(image, image.rect()));
}

// --- key

TBatchItem KeyBatch()
{
    TBatchItem b = MakeGrid(2, 1, 100, [](int c, int) { return c == 0 ? 30.0 : 50.0; });
    b.HighLimitApplied = true;
    b.HighLimit = 45;
    return b;
}

TEST_F(ChartTest, KeyWithWarningAndNoLimitStaysBlank)
{
    TChartOverviewKey k;
    k.Batch = KeyBatch();
    k.Batch.HighLimitApplied = false;
    k.KeySteps = 10;
    k.Method = cmWarning;
    const QImage image = Render(500, 40, [&](QPainter &p) { k.Draw(p, QRect(0, 0, 500, 40)); });
    EXPECT_TRUE(IsWhite(image, image.rect()));
    EXPECT_FALSE(k.LastLayout().Visible);
}

TEST_F(ChartTest, KeyRangesByMethod)
{
    struct TCase {
        std::uint8_t Method;
        double Band;
        double Lo, Hi;
        bool Graded;
    };
    // Readings 30 and 50, high limit 45 applied, threshold 20.
    const std::vector<TCase> cases = {
        {cmNone, 30, 30, 55, false},    {cmMaxMin, 30, 30, 55, true}, {cmLimits, 30, 30, 55, true},
        {cmThreshold, 30, 10, 55, true}, {cmWarning, 30, 30, 60, true}, {cmWarning, 8, 35, 55, true},
        {cmWarning, 0, 35, 55, false}};
    for (const TCase &c : cases) {
        TChartOverviewKey k;
        k.Batch = KeyBatch();
        k.KeySteps = 6;
        k.Method = c.Method;
        k.WarningBand = c.Band;
        k.Threshold = 20;
        Render(600, 40, [&](QPainter &p) { k.Draw(p, QRect(0, 0, 600, 40)); });
        const TKeyLayout &l = k.LastLayout();
        SCOPED_TRACE(int(c.Method));
        EXPECT_TRUE(l.Visible);
        EXPECT_DOUBLE_EQ(l.Lo, c.Lo);
        EXPECT_DOUBLE_EQ(l.Hi, c.Hi);
        EXPECT_EQ(l.Graded, c.Graded);
        EXPECT_DOUBLE_EQ(l.ValueStep, (c.Hi - c.Lo) / 5);
        EXPECT_DOUBLE_EQ(l.Scale, l.Bar.Width() / (c.Hi - c.Lo + l.ValueStep));
    }
}

TEST_F(ChartTest, KeyBoxesLabelsOverlaysAndLimitLine)
{
    const TMetrics m = LabelMetrics();
    TChartOverviewKey k;
    k.Batch = KeyBatch(); // range 30 .. 55 for "None"
    k.KeySteps = 5;
    k.Method = cmNone;
    const QRect target(0, 0, 700, 40);
    const QImage image = Render(700, 40, [&](QPainter &p) { k.Draw(p, target); });
    const TKeyLayout &l = k.LastLayout();
    const int w = m.Width(FormatLength(9999)); // "10.00" (metres)
    EXPECT_EQ(l.Bar, (TEdges{w, 0, 700 - w, 40}));
    EXPECT_EQ(l.Boxes.Bottom, 40 - 2 * m.Height);
    EXPECT_EQ(l.LabelStep, 1);
    const int limitX = l.PositionOf(45);
    EXPECT_EQ(limitX, l.Bar.Left + int((45 - 30) * l.Scale));
    const int y = l.Boxes.Top + l.Boxes.Height() / 2;
    EXPECT_EQ(Pixel(image, limitX - 3, y), QColor(0, 255, 0)); // pass below the high limit
    EXPECT_EQ(Pixel(image, limitX + 3, y), QColor(255, 0, 0)); // fail above it
    EXPECT_EQ(Pixel(image, limitX, y), QColor(Qt::black));     // the limit line
    EXPECT_EQ(Pixel(image, l.Bar.Left, y), QColor(Qt::black)); // frame
    // N + 1 labels: 30, 36.25 ... up to the right end of the bar, which stands for hi + h.
    const QStringList texts = DrawnTexts(700, 40, [&](QPainter &p) { k.Draw(p, target); });
    // 42.5 shows as "43": display text rounds halves away from zero, as the readings compare.
    EXPECT_EQ(texts, (QStringList{"30", "36", "43", "49", "55", "61"}));

    // Threshold: fail left of the threshold, pass right of it.
    k.Method = cmThreshold;
    k.Threshold = 40;
    const QImage t = Render(700, 40, [&](QPainter &p) { k.Draw(p, target); });
    const int tx = k.LastLayout().PositionOf(40);
    EXPECT_EQ(Pixel(t, tx - 3, y), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(t, tx + 3, y), QColor(0, 255, 0));
}

TEST_F(ChartTest, KeyWithTooFewStepsDrawsTwoBoxes)
{
    // The value step divides by the steps less one: fewer than two would divide by zero.
    for (int steps : {0, 1}) {
        TChartOverviewKey k;
        k.Batch = KeyBatch();
        k.KeySteps = steps;
        k.Method = cmMaxMin;
        const QImage image = Render(600, 40, [&](QPainter &p) { k.Draw(p, QRect(0, 0, 600, 40)); });
        EXPECT_EQ(k.LastLayout().Steps, 2);
        EXPECT_DOUBLE_EQ(k.LastLayout().ValueStep, 25);
        EXPECT_FALSE(IsWhite(image, image.rect()));
    }
}

TEST_F(ChartTest, KeyLimitLineInGreyScaleContrastsWithItsBox)
{
    TChartOverviewKey k;
    k.Batch = KeyBatch();
    k.KeySteps = 5;
    k.Method = cmNone;
    k.GreyScale = true;
    const QImage image = Render(700, 40, [&](QPainter &p) { k.Draw(p, QRect(0, 0, 700, 40)); });
    const TKeyLayout &l = k.LastLayout();
    // At the limit the colour is the pass colour (white), so the line is black; just right of it
    // the band is black (fail).
    const int y = l.Boxes.Top + l.Boxes.Height() / 2;
    EXPECT_EQ(Pixel(image, l.PositionOf(45), y), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, l.PositionOf(45) + 3, y), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, l.PositionOf(45) - 3, y), QColor(Qt::white));
}
} // namespace
