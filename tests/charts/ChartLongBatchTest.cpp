// Long batches: the run chart's line thinned to the pixel columns, its depth ribbon swept column by
// column, and the histogram's placing of many readings - each must look and count exactly as
// the plain way through every reading.
#include "ChartTestSupport.h"
#include "UnitChartEngine.h"
#include "UnitChartHistogram.h"
#include "UnitChartRun.h"

#include <QLineSeries>
#include <QPaintEngine>
#include <QPicture>
#include <QValueAxis>
#include <cmath>
#include <random>

namespace {
// A zigzag of n readings as chart points (x = 1 ... n), values drawn from 10 ... 90.
QList<QPointF> Zigzag(int n, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(10, 90);
    QList<QPointF> points;
    for (int i = 1; i <= n; ++i)
        points.append(QPointF(i, value(random)));
    return points;
}

// Pixels that differ between two pictures of the same size by more than `shade` in a channel.
int DifferentPixels(const QImage &a, const QImage &b, int shade = 0)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            n += std::abs(qRed(p) - qRed(q)) > shade || std::abs(qGreen(p) - qGreen(q)) > shade ||
                 std::abs(qBlue(p) - qBlue(q)) > shade;
        }
    return n;
}

int InkedPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

TEST(ChartThinning, KeepsTheFirstLowestHighestAndLastPointOfEachColumn)
{
    const QList<QPointF> points = Zigzag(1000, 1);
    const double x0 = 0.5, width = 25; // 40 columns of 25 points
    const QList<QPointF> thin = ThinToPixelColumns(points, x0, width);
    auto column = [&](const QPointF &p) { return int(std::floor((p.x() - x0) / width)); };
    for (int k = 1; k < thin.size(); ++k)
        ASSERT_LT(thin[k - 1].x(), thin[k].x()); // in their order, none twice
    for (int c = 0; c < 40; ++c) {
        QList<QPointF> all, kept;
        for (const QPointF &p : points)
            if (column(p) == c)
                all.append(p);
        for (const QPointF &p : thin)
            if (column(p) == c)
                kept.append(p);
        SCOPED_TRACE(c);
        ASSERT_FALSE(all.isEmpty());
        ASSERT_LE(kept.size(), 4);
        EXPECT_EQ(kept.first(), all.first());
        EXPECT_EQ(kept.last(), all.last());
        const auto byY = [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); };
        EXPECT_EQ(*std::min_element(kept.begin(), kept.end(), byY), *std::min_element(all.begin(), all.end(), byY));
        EXPECT_EQ(*std::max_element(kept.begin(), kept.end(), byY), *std::max_element(all.begin(), all.end(), byY));
        for (const QPointF &p : kept)
            EXPECT_TRUE(all.contains(p));
    }
    // Four points a column or fewer: nothing to thin.
    const QList<QPointF> sparse = Zigzag(160, 2);
    EXPECT_EQ(ThinToPixelColumns(sparse, x0, 4), sparse);
}

TEST(ChartThinning, ALineThroughTheKeptPointsCoversTheSamePixels)
{
    // 20,000 readings across a 400-pixel-wide plot, thinned to half-pixel columns as the run
    // chart does on a picture: 25 readings a column.
    const QList<QPointF> points = Zigzag(20000, 3);
    const QRect plot(20, 10, 400, 300);
    const auto toPixels = [&](const QList<QPointF> &data) {
        QPolygonF pixels;
        for (const QPointF &p : data)
            pixels << QPointF(plot.left() + (p.x() - 1) / 20000.0 * plot.width(), plot.bottom() - (p.y() - 10) / 80 * plot.height());
        return pixels;
    };
    const QList<QPointF> thin = ThinToPixelColumns(points, 1, 25);
    EXPECT_LE(thin.size(), 4 * 2 * plot.width());
    for (const bool antialiased : {false, true}) {
        const auto draw = [&](const QList<QPointF> &data) {
            return Render(440, 320, [&](QPainter &p) {
                p.setRenderHint(QPainter::Antialiasing, antialiased);
                p.setPen(QPen(Qt::black, 2));
                // Segment by segment, as the chart draws its line.
                const QPolygonF pixels = toPixels(data);
                for (int i = 0; i + 1 < pixels.size(); ++i)
                    p.drawLine(pixels[i], pixels[i + 1]);
            });
        };
        const QImage full = draw(points), thinned = draw(thin);
        SCOPED_TRACE(antialiased);
        const int inked = InkedPixels(full);
        EXPECT_GT(inked, 100000);
        // The same pixels are inked, give or take a few of the wide pen's edge; antialiased, the
        // edges may be shaded a little lighter where fewer segments overlap.
        EXPECT_LE(std::abs(InkedPixels(thinned) - inked), inked / 1000);
        EXPECT_LT(DifferentPixels(full, thinned, 64), inked / (antialiased ? 200 : 1000)) << DifferentPixels(full, thinned);
    }
}

TEST(ChartThinning, TheDepthRibbonSweptByColumnsCoversTheSamePixels)
{
    QList<QPointF> pixels;
    for (const QPointF &p : ThinToPixelColumns(Zigzag(20000, 4), 1, 50))
        pixels.append(QPointF(20 + (p.x() - 1) / 50, 300 - (p.y() - 10) * 3));
    const auto draw = [&](double column) {
        return Render(460, 340, [&](QPainter &p) { PaintLineDepth(p, pixels, QColor(192, 192, 192), ChartDepth, column); });
    };
    const QImage each = draw(0), merged = draw(1);
    EXPECT_GT(InkedPixels(each), 400 * 100);
    EXPECT_LT(std::abs(InkedPixels(merged) - InkedPixels(each)), InkedPixels(each) / 200);
    // Antialiased edges may be shaded a little differently where pieces overlapped.
    EXPECT_LT(DifferentPixels(each, merged, 32), InkedPixels(each) / 1000) << DifferentPixels(each, merged);
}

TEST_F(ChartTest, RunChartOfALongBatchDrawsWhatThePlotsColumnsShow)
{
    TChartRun run;
    run.Batch = MakeGrid(200, 100, 100, [](int c, int r) { return 45 + 20 * std::sin(c / 7.0) * std::cos(r / 5.0); });
    run.View3D = true;
    const QImage image = Render(600, 400, [&](QPainter &p) { run.Draw(p, QRect(0, 0, 600, 400)); });
    ASSERT_EQ(run.Points.size(), 20000);
    EXPECT_LE(run.DrawnPoints.size(), 4 * 800); // the picture's columns at most
    EXPECT_EQ(run.DrawnPoints.first(), run.Points.first());
    EXPECT_EQ(run.DrawnPoints.last(), run.Points.last());
    // The axes still span every reading.
    EXPECT_DOUBLE_EQ(run.AxisBottom()->max(), 20000);
    const auto byY = [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); };
    EXPECT_EQ(std::max_element(run.DrawnPoints.begin(), run.DrawnPoints.end(), byY)->y(),
              std::max_element(run.Points.begin(), run.Points.end(), byY)->y());
    EXPECT_FALSE(IsWhite(image, QRect(100, 100, 400, 200)));
}

TEST_F(ChartTest, HistogramCountsEveryReadingInTheBinTheBinTestGivesIt)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> tenths(0, 1200);
    for (const std::uint8_t units : {std::uint8_t(0), std::uint8_t(1)}) {
        TCoverUnitsScope scope(units);
        for (const std::uint8_t type : {BatchTypeCover, BatchTypeHalfCell}) {
            // Readings in tenths of a unit, many repeated, so that bin edges are met exactly.
            TBatchItem batch = MakeGrid(40, 30, 100, [&](int, int) { return tenths(random) / 10.0 - (type == BatchTypeHalfCell ? 600 : 0); }, type);
            batch.LowLimitApplied = true;
            batch.LowLimit = type == BatchTypeHalfCell ? -700 : 5;
            const THistogramBins b = ComputeHistogramBins(batch);
            std::vector<int> expected(static_cast<size_t>(b.Bins), 0);
            for (int c = 0; c < batch.Columns; ++c)
                for (int r = 0; r < batch.Rows; ++r)
                    for (int q = 0; q < b.Bins; ++q)
                        expected[static_cast<size_t>(q)] += batch.InBin(q, b.Start, b.Size, batch.Value(c, r));
            SCOPED_TRACE(testing::Message() << "units " << int(units) << " type " << int(type));
            EXPECT_EQ(b.Counts, expected);
        }
    }
}

// Counts what a painter is asked to draw: separate line segments, and polylines with their pens.
class TDrawCounter : public QPaintEngine {
public:
    struct TPolyline {
        QColor Colour;
        qsizetype Points;
        QPolygonF Mapped; // in the device's units
        double Width;     // of the pen, in the device's units
    };
    TDrawCounter() : QPaintEngine(AllFeatures) {}
    int Segments = 0;
    std::vector<TPolyline> Polylines;
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            FPen = state.pen();
        if (state.state() & DirtyTransform)
            FTransform = state.transform();
    }
    void drawLines(const QLineF *, int count) override { Segments += count; }
    void drawLines(const QLine *, int count) override { Segments += count; }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            Polylines.push_back({FPen.color(), count, FTransform.map(QPolygonF(QList<QPointF>(points, points + count))),
                                 FPen.widthF() * std::sqrt(std::abs(FTransform.determinant()))});
    }
    void drawPath(const QPainterPath &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}
    Type type() const override { return User; }

private:
    QPen FPen;
    QTransform FTransform;
};

class TCountingDevice : public QPaintDevice {
public:
    TDrawCounter Engine;
    QPaintEngine *paintEngine() const override { return const_cast<TDrawCounter *>(&Engine); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 600;
        case PdmHeight:
            return 400;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmWidthMM:
            return 159;
        case PdmHeightMM:
            return 106;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(m);
        }
    }
};

TEST(ChartVectorLine, WholeStepsKeepEveryTurnAndMoveNoPointFar)
{
    // Straight runs lose their inner points, a turn back along the same line stays, a point drawn
    // twice goes once; the rest stay within 1/128 of a unit, and the pen keeps its width.
    const QPolygonF points({{0, 0}, {1, 0}, {2, 0}, {2, 0}, {1.5, 0}, {1.5, 1.003}, {1.5, 2}, {3.3337, 4.2}});
    const QPolygonF expected({{0, 0}, {2, 0}, {1.5, 0}, {1.5, 2}, {3.3337, 4.2}});
    TCountingDevice counter;
    {
        QPainter p(&counter);
        p.scale(3, 3);
        p.setPen(QPen(Qt::blue, 2));
        DrawVectorPolyline(p, points);
    }
    ASSERT_EQ(counter.Engine.Polylines.size(), 1u);
    const TDrawCounter::TPolyline &line = counter.Engine.Polylines[0];
    ASSERT_EQ(line.Mapped.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(line.Mapped[i].x(), 3 * expected[i].x(), 3.0 / 128) << i;
        EXPECT_NEAR(line.Mapped[i].y(), 3 * expected[i].y(), 3.0 / 128) << i;
    }
    EXPECT_NEAR(line.Width, 6, 1e-9);
}

TEST_F(ChartTest, OnAVectorTargetTheRunLineIsOnePolylineBetweenTheLimitLines)
{
    // A PDF page stores a line as one path in far fewer bytes than its segments; it must look as
    // the segments do on a picture, with the low limit line still drawn over the data.
    TChartRun run;
    run.Batch = MakeGrid(20, 15, 100, [](int c, int r) { return 45 + 20 * std::sin(c * 1.3 + r * 0.7); });
    run.Batch.HighLimitApplied = run.Batch.LowLimitApplied = true;
    run.Batch.HighLimit = 55;
    run.Batch.LowLimit = 35;
    run.LineColour = QColor(0, 0, 255);
    for (const bool depth : {false, true}) {
        SCOPED_TRACE(depth);
        run.View3D = depth;
        const QRect rect(0, 0, 600, 400);
        const QImage direct = Render(600, 400, [&](QPainter &p) {
            p.setRenderHint(QPainter::Antialiasing);
            run.Draw(p, rect);
        });
        QPicture picture;
        {
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing);
            run.Draw(p, rect);
        }
        ASSERT_EQ(run.LowLimitSeries->points().size(), 2); // left as it was for the legend and later drawings
        const QImage played = Render(600, 400, [&](QPainter &p) {
            p.scale(96.0 / picture.logicalDpiX(), 96.0 / picture.logicalDpiY());
            p.drawPicture(0, 0, picture);
        });
        const int inked = InkedPixels(direct);
        EXPECT_LT(DifferentPixels(direct, played, 64), inked / 200) << DifferentPixels(direct, played);

        TCountingDevice counter;
        {
            QPainter p(&counter);
            p.drawPicture(0, 0, picture);
        }
        // The data line once, the low limit line after it, the depth ribbon's back edge before it.
        int data = -1, low = -1, edge = -1;
        const auto &lines = counter.Engine.Polylines;
        for (int i = 0; i < int(lines.size()); ++i) {
            if (lines[i].Colour == run.LineColour) {
                EXPECT_EQ(data, -1);
                // Points on the straight way between their neighbours may go.
                EXPECT_LE(lines[i].Points, run.DrawnPoints.size());
                EXPECT_GT(lines[i].Points, run.DrawnPoints.size() * 9 / 10);
                data = i;
            } else if (lines[i].Colour == QColor(255, 0, 0) && lines[i].Points == 2) {
                low = i;
            } else if (lines[i].Points > run.DrawnPoints.size() * 9 / 10) {
                edge = i;
            }
        }
        ASSERT_GE(data, 0);
        EXPECT_GT(low, data);
        EXPECT_EQ(edge >= 0, depth);
        EXPECT_LT(edge, data);
        EXPECT_LT(counter.Engine.Segments, 100); // axes, ticks and grid, not the 300 readings
    }
}
} // namespace
