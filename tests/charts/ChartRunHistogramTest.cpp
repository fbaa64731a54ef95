#include "ChartTestSupport.h"
#include "UnitChartHistogram.h"
#include "UnitChartRun.h"

#include <QBarSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <numeric>

namespace {
bool InLegend(QChart *chart, QAbstractSeries *series)
{
    const auto markers = chart->legend()->markers(series);
    return !markers.isEmpty() && markers.first()->isVisible();
}

TEST(ChartPicture, LongerSideIs800Pixels)
{
    EXPECT_EQ(ChartPictureSize(2000, 200), QSize(800, 80));
    EXPECT_EQ(ChartPictureSize(300, 600), QSize(400, 800));
    EXPECT_EQ(ChartPictureSize(1000, 333), QSize(800, 266)); // 266.4
    EXPECT_EQ(ChartPictureSize(400, 400), QSize(800, 800));
    EXPECT_TRUE(ChartPictureSize(0, 100).isEmpty());
    EXPECT_TRUE(ChartPictureSize(100, -5).isEmpty());
}

// Five readings 30 ... 50 in a 3 x 3 grid among an empty, an over-range and an under-range cell.
TBatchItem FiveReadings()
{
    return MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 3, {V(30), E(), V(40.4), Over(), V(50), Under(), V(35), V(45)});
}

TEST_F(ChartTest, RunChartPointsSkipInvalidCellsAndCloseTheGaps)
{
    TChartRun run;
    run.Batch = FiveReadings();
    run.LineColour = Qt::red;
    const QImage image = Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    EXPECT_EQ(run.Points, (QList<QPointF>{{1, 30}, {2, 40}, {3, 50}, {4, 35}, {5, 45}}));
    EXPECT_DOUBLE_EQ(run.AxisBottom()->min(), 1);
    EXPECT_DOUBLE_EQ(run.AxisBottom()->max(), 5);
    EXPECT_DOUBLE_EQ(run.AxisLeft()->min(), 28); // 30 - 10 % of 20
    EXPECT_DOUBLE_EQ(run.AxisLeft()->max(), 52);
    EXPECT_EQ(run.AxisLeft()->labelFormat(), QStringLiteral("%.0f"));
    EXPECT_FALSE(run.LeftAxisAutomatic);
    EXPECT_FALSE(InLegend(run.Chart, run.HighLimitSeries));
    EXPECT_FALSE(Extent(image, image.rect(), qRgb(255, 0, 0)).isEmpty()); // the line is drawn
    // The data series lives for one drawing only.
    EXPECT_EQ(run.Chart->series().size(), 2);
    // The units title is drawn after the chart.
    EXPECT_TRUE(DrawnTexts(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); }).contains(QStringLiteral("mm")));

    run.ChartType = 1;
    const QImage bars = Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    EXPECT_DOUBLE_EQ(run.AxisBottom()->min(), 0.5);
    EXPECT_DOUBLE_EQ(run.AxisBottom()->max(), 5.5);
    // Five red bars: the red covers far more than a line does.
    const QRect redLine = Extent(image, image.rect(), qRgb(255, 0, 0));
    const QRect redBars = Extent(bars, bars.rect(), qRgb(255, 0, 0));
    EXPECT_GT(redBars.width(), redLine.width() * 9 / 10);
    EXPECT_EQ(run.Chart->series().size(), 2);
}

TEST_F(ChartTest, RunChartLimitsWidenTheRangeAndShowInTheLegend)
{
    TChartRun run;
    run.Batch = FiveReadings();
    run.Batch.HighLimitApplied = true;
    run.Batch.HighLimit = 60;
    run.ShowLegend = true;
    Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    EXPECT_DOUBLE_EQ(run.AxisLeft()->min(), 27); // span 30 .. 60
    EXPECT_DOUBLE_EQ(run.AxisLeft()->max(), 63);
    EXPECT_TRUE(InLegend(run.Chart, run.HighLimitSeries));
    EXPECT_FALSE(InLegend(run.Chart, run.LowLimitSeries));
    EXPECT_EQ(run.HighLimitSeries->points(), (QList<QPointF>{{0, 60}, {6, 60}}));
    EXPECT_TRUE(run.LowLimitSeries->points().isEmpty());
    EXPECT_EQ(run.HighLimitSeries->name(), QStringLiteral("   High Limit   "));
    EXPECT_EQ(run.LowLimitSeries->name(), QStringLiteral("   Low Limit   "));
    EXPECT_EQ(run.HighLimitSeries->color(), QColor(0, 128, 0));
    EXPECT_EQ(run.LowLimitSeries->color(), QColor(255, 0, 0));
}

TEST_F(ChartTest, RunChartOfEqualReadingsScalesAutomatically)
{
    TChartRun run;
    run.Batch = MakeGrid(3, 1, 100, [](int, int) { return 40.0; });
    Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    EXPECT_TRUE(run.LeftAxisAutomatic);
    EXPECT_LT(run.AxisLeft()->min(), 40);
    EXPECT_GT(run.AxisLeft()->max(), 40);
}

TEST_F(ChartTest, RunChartInInchesFormatsTheAxisWithTwoDecimals)
{
    TCoverUnitsScope inches(1);
    TChartRun run;
    run.Batch = FiveReadings();
    Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    EXPECT_EQ(run.AxisLeft()->labelFormat(), QStringLiteral("%.2f"));
    EXPECT_DOUBLE_EQ(run.Points[0].y(), 1.2); // 30 mm is 1.18 in, rounded to the 0.05 step
    // With a comma for the decimal point the axis numbers have one too, and no thousands separator.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    run.Batch = MakeLinear(BatchTypeCover, std::vector<TCell>(1500, V(30)));
    run.Batch.SetValue(0, 0, 40);
    const QStringList texts = DrawnTexts(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(texts.contains(QStringLiteral("1,20"))) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("1000"))) << texts.join(QLatin1Char('|')).toStdString();
    for (const QString &t : texts)
        EXPECT_FALSE(t.contains(QLatin1Char('.'))) << t.toStdString();
}

TEST_F(ChartTest, RunChartWithoutReadingsDrawsNothing)
{
    TChartRun run;
    run.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2, {E(), Over(), Under()});
    const QImage image = Render(400, 300, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 400, 300)); });
    EXPECT_TRUE(IsWhite(image, image.rect()));
    EXPECT_TRUE(run.Points.isEmpty());
}

TEST_F(ChartTest, RunChartStretchesOntoAWideRectangle)
{
    TChartRun run;
    run.Batch = FiveReadings();
    run.LineColour = Qt::blue;
    // Only the target rectangle is painted, all of it.
    const QImage image = Render(1700, 300, [&](QPainter &p) { run.Draw(p, QRect(50, 50, 1600, 200)); });
    EXPECT_TRUE(IsWhite(image, QRect(0, 0, 1700, 49)));
    EXPECT_TRUE(IsWhite(image, QRect(0, 251, 1700, 49)));
    const QRect blue = Extent(image, image.rect(), qRgb(0, 0, 255));
    EXPECT_GT(blue.width(), 1000);
    EXPECT_LE(blue.right(), 1650);
}

TEST_F(ChartTest, RunChartIn3DPaintsDepthFacesBehindTheData)
{
    TChartRun run;
    run.Batch = FiveReadings();
    run.ChartType = 1;
    run.LineColour = QColor(0, 0, 200);
    const QImage flat = Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    run.View3D = true;
    const QImage deep = Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    // The side faces are a darker blue than the bars.
    auto darker = [](const QImage &image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixel(x, y);
                n += c.blue() > 100 && c.blue() < 180 && c.red() < 20 && c.green() < 20;
            }
        return n;
    };
    EXPECT_EQ(darker(flat), 0);
    EXPECT_GT(darker(deep), 200);
}

// --- histogram

// 20 readings from 30 to 48 mm: 30 ... 48 and another 40.
TBatchItem Twenty()
{
    std::vector<TCell> cells;
    for (int v = 30; v <= 48; ++v)
        cells.push_back(V(v));
    cells.push_back(V(40));
    cells.push_back(Over());
    cells.push_back(E());
    cells.push_back(Under());
    return MakeBatch(BatchTypeCover, BatchFormatGrid, 6, 4, cells);
}

TEST_F(ChartTest, HistogramWorkedExample)
{
    const THistogramBins b = ComputeHistogramBins(Twenty());
    EXPECT_EQ(b.N, 20);
    EXPECT_EQ(b.K, 5);
    EXPECT_DOUBLE_EQ(b.Size, 4);
    EXPECT_EQ(b.Bins, 7);
    EXPECT_DOUBLE_EQ(b.Start, 24);
    EXPECT_EQ(b.Centres, (std::vector<double>{26, 30, 34, 38, 42, 46, 50}));
    EXPECT_EQ(b.Labels, (QStringList{"26", "30", "34", "38", "42", "46", "50"}));
    EXPECT_EQ(b.Counts, (std::vector<int>{0, 2, 4, 4, 5, 4, 1}));
    EXPECT_EQ(b.MaxCount, 5);
}

TEST_F(ChartTest, HistogramLimitsAddBins)
{
    struct TCase {
        bool Low;
        double Limit;
        int Bins;
        double Start;
    };
    const std::vector<TCase> cases = {
        {true, 2, 15, 0},    // (24 - 2) / 4 = 5.5 goes to 6
        {true, 6, 13, 8},    // 4.5 goes to 4
        {true, 20, 10, 20},  // 1 bin
        {true, 30, 7, 24},   // inside: nothing added
        {false, 70, 13, 24}, // (70 - 52) / 4 = 4.5 goes to 4
        {false, 62, 11, 24}, // 2.5 goes to 2
        {false, 14, 11, 16}, // below the data it extends to the left: 2.5 goes to 2
    };
    for (const TCase &c : cases) {
        TBatchItem batch = Twenty();
        (c.Low ? batch.LowLimitApplied : batch.HighLimitApplied) = true;
        (c.Low ? batch.LowLimit : batch.HighLimit) = c.Limit;
        const THistogramBins b = ComputeHistogramBins(batch);
        SCOPED_TRACE(c.Limit);
        EXPECT_EQ(b.Bins, c.Bins);
        EXPECT_DOUBLE_EQ(b.Start, c.Start);
        EXPECT_EQ(std::accumulate(b.Counts.begin(), b.Counts.end(), 0), 20);
        EXPECT_EQ(b.LineTop, 7); // 1.4 x 5
    }
}

TEST_F(ChartTest, HistogramOfEqualReadingsAndOfHalfCellBatches)
{
    const THistogramBins b = ComputeHistogramBins(MakeGrid(5, 2, 100, [](int, int) { return 35.0; }));
    EXPECT_DOUBLE_EQ(b.Lo, 34);
    EXPECT_DOUBLE_EQ(b.Hi, 36);
    EXPECT_EQ(b.K, 4);
    EXPECT_DOUBLE_EQ(b.Size, 1); // 2 / 4 = 0.5 rounds up to 1
    EXPECT_EQ(b.Bins, 4);
    EXPECT_DOUBLE_EQ(b.Start, 32.5);
    EXPECT_EQ(b.Counts, (std::vector<int>{0, 0, 10, 0}));

    // Half-cell bins are labelled in the cover unit's decimals.
    const TBatchItem half = MakeGrid(4, 1, 100, [](int c, int) { return -300.0 + 40 * c; }, BatchTypeHalfCell);
    const THistogramBins h = ComputeHistogramBins(half);
    EXPECT_EQ(h.Labels.first(), FormatDisplay("%.0f", h.Centres.front()));
    TCoverUnitsScope inches(1);
    EXPECT_EQ(ComputeHistogramBins(half).Labels.first(), FormatDisplay("%.2f", h.Centres.front()));
}

TEST_F(ChartTest, HistogramChartBarsMarksAndLimitLines)
{
    EXPECT_EQ(TChartHistogram::MarkText(0), QString());
    EXPECT_EQ(TChartHistogram::MarkText(12), QStringLiteral("12"));

    TChartHistogram h;
    h.Batch = Twenty();
    h.Batch.LowLimitApplied = true;
    h.Batch.LowLimit = 6; // bins start at 8 mm
    h.BarColour = QColor(0, 0, 200);
    h.ShowLegend = true;
    const QImage image = Render(700, 400, [&](QPainter &p) { h.Draw(p, QRect(0, 0, 700, 400)); });
    const THistogramBins &b = h.LastBins;
    ASSERT_EQ(b.Bins, 13);
    // The low limit line stands at its value: bin slot (6 - 8) / 4 - 0.5 = -1.
    EXPECT_EQ(h.LowLimitSeries->points(), (QList<QPointF>{{-1, 0}, {-1, 7}}));
    EXPECT_TRUE(h.HighLimitSeries->points().isEmpty());
    EXPECT_TRUE(InLegend(h.Chart, h.LowLimitSeries));
    EXPECT_FALSE(InLegend(h.Chart, h.HighLimitSeries));
    EXPECT_FALSE(InLegend(h.Chart, h.BarSeries));
    EXPECT_LE(h.AxisBottom()->min(), -1);
    EXPECT_EQ(h.AxisBottom()->titleText(), QStringLiteral("mm"));
    EXPECT_EQ(h.AxisBottom()->categoriesLabels().first(), QStringLiteral("10"));
    EXPECT_FALSE(Extent(image, image.rect(), qRgb(0, 0, 200)).isEmpty());
    EXPECT_FALSE(Extent(image, image.rect(), qRgb(255, 0, 0)).isEmpty());
    // The count marks (the left axis is labelled 0, 2, 4 ...).
    const QStringList texts = DrawnTexts(700, 400, [&](QPainter &p) { h.Draw(p, QRect(0, 0, 700, 400)); });
    for (const char *mark : {"5", "1"})
        EXPECT_TRUE(texts.contains(QLatin1String(mark))) << mark;
}

TEST_F(ChartTest, HistogramWithoutReadingsDrawsAnEmptyChart)
{
    TChartHistogram h;
    h.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2, {Over(), E()});
    h.Batch.HighLimitApplied = true;
    h.Batch.HighLimit = 50;
    const QImage image = Render(500, 300, [&](QPainter &p) { h.Draw(p, QRect(0, 0, 500, 300)); });
    EXPECT_EQ(h.LastBins.N, 0);
    EXPECT_FALSE(IsWhite(image, image.rect())); // axes
    EXPECT_TRUE(h.HighLimitSeries->points().isEmpty());
    EXPECT_TRUE(Extent(image, image.rect(), qRgb(0, 128, 0)).isEmpty());
}
} // namespace
