#include "UnitChartHistogram.h"
#include "UnitChartCanvas.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {
// The integer nearest to x, ties going to the even integer.
int NearestEven(double x) { return static_cast<int>(std::nearbyint(x)); }

// A bin count that no drawing needs; only absurd limits far from the data would ask for more.
constexpr int kMaxBins = 10000;
} // namespace

THistogramBins ComputeHistogramBins(const TBatchItem &batch)
{
    THistogramBins b;
    double hi = -2147483647.0, lo = 2147483647.0;
    for (int r = 0; r < batch.Rows; ++r)
        for (int c = 0; c < batch.Columns; ++c)
            if (CellIsValid(batch, c, r)) {
                const double v = batch.ToDisplayRounded(batch.Value(c, r));
                hi = std::max(hi, v);
                lo = std::min(lo, v);
                ++b.N;
            }
    if (hi == lo) {
        const double d = batch.ToDisplayRounded(1);
        hi += d;
        lo -= d;
    }
    b.Lo = lo;
    b.Hi = hi;
    if (b.N == 0)
        return b;
    b.K = RoundHalfUp(std::log10(double(b.N)) * 10 / 3 + 1);
    b.Size = HistogramBinSize((hi - lo) / b.K);
    const double size = b.Size;
    int bins = RoundHalfUp((hi - lo) / size) + 2;
    double start = lo - size - size / 2;
    const bool low = batch.LowLimitApplied, high = batch.HighLimitApplied;
    const double ll = low ? batch.ToDisplayRounded(batch.LowLimit) : 0;
    const double lh = high ? batch.ToDisplayRounded(batch.HighLimit) : 0;
    auto extendLeft = [&](double limit) {
        if (limit < start) {
            const int q = NearestEven((start - limit) / size);
            bins += q + 2;
            start -= q * size;
        }
    };
    auto extendRight = [&](double limit) {
        if (limit > start + bins * size)
            bins += NearestEven((limit - (start + bins * size)) / size) + 2;
    };
    if (low)
        extendLeft(ll);
    if (high)
        extendLeft(lh);
    if (low)
        extendRight(ll);
    if (high)
        extendRight(lh);
    if (bins > kMaxBins)
        throw Exception(Tr("Too many histogram bins"));
    b.Bins = bins;
    b.Start = start;
    b.Counts.assign(bins, 0);
    // A reading belongs to bin q when the bin's lower edge is not above it and its upper edge (the
    // next bin's lower edge) is, compared at display resolution. The edges rise with q, so the
    // one bin a reading can belong to is found by halving instead of by trying every bin; the
    // edges are the exact values the bin test itself compares with.
    std::vector<double> edges(static_cast<size_t>(bins) + 1);
    for (int q = 0; q <= bins; ++q)
        edges[static_cast<size_t>(q)] = batch.FromDisplay(start + q * size);
    // Readings repeat (a gauge reads in steps), so each distinct value is placed only once.
    std::unordered_map<double, std::ptrdiff_t> placed;
    const auto binOf = [&](double x) {
        const auto known = placed.find(x);
        if (known != placed.end())
            return known->second;
        const auto above = std::partition_point(edges.begin(), edges.end() - 1,
                                                [&](double edge) { return batch.CompareValues(edge, x) != 1; });
        std::ptrdiff_t q = above - edges.begin() - 1;
        if (q >= 0 && batch.CompareValues(edges[static_cast<size_t>(q) + 1], x) != 1)
            q = -1;
        placed.emplace(x, q);
        return q;
    };
    for (int r = 0; r < batch.Rows; ++r)
        for (int c = 0; c < batch.Columns; ++c) {
            if (!CellIsValid(batch, c, r))
                continue;
            const std::ptrdiff_t q = binOf(batch.Value(c, r));
            if (q >= 0)
                ++b.Counts[static_cast<size_t>(q)];
        }
    for (int q = 0; q < bins; ++q) {
        const double centre = start + q * size + size / 2;
        b.Centres.push_back(centre);
        b.Labels << FormatDisplay(CoverFormat(), centre);
        b.MaxCount = std::max(b.MaxCount, b.Counts[q]);
    }
    b.LineTop = RoundHalfUp(1.4 * b.MaxCount);
    b.HighLine = high;
    b.LowLine = low;
    b.HighX = lh;
    b.LowX = ll;
    return b;
}

TChartHistogram::TChartHistogram()
{
    Chart = Engine.Chart;
    auto *bottom = new QCategoryAxis();
    bottom->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    bottom->setTitleBrush(Qt::black);
    Engine.AttachBottomAxis(bottom);
    Engine.MakeLimitLines(HighLimitSeries, LowLimitSeries);
    BarSeries = new QBarSeries();
    FBarSet = new QBarSet(QString());
    BarSeries->append(FBarSet);
    BarSeries->setLabelsVisible(false); // marks are drawn after the chart, with their own text
    Engine.AddSeries(HighLimitSeries);
    Engine.AddSeries(BarSeries);
    Engine.AddSeries(LowLimitSeries);
    Engine.ShowInLegend(BarSeries, false);
}

TChartHistogram::~TChartHistogram() = default;

QCategoryAxis *TChartHistogram::AxisBottom() const { return static_cast<QCategoryAxis *>(Engine.AxisBottom); }

QString TChartHistogram::MarkText(int count) { return count != 0 ? QString::asprintf("%.0f", double(count)) : QString(); }

void TChartHistogram::Draw(QPainter &canvas, const QRect &rect)
{
    FBarSet->remove(0, FBarSet->count());
    HighLimitSeries->clear();
    LowLimitSeries->clear();
    FBarSet->setColor(BarColour);
    FBarSet->setBorderColor(BarColour);
    FBarSet->setPen(Qt::NoPen);
    Engine.ApplyOptions(ShowLegend, Grid, FontName);
    QCategoryAxis *bottom = AxisBottom();
    bottom->setTitleText(Batch.UnitName());
    BarSeries->setBarWidth(BarGap ? 0.7 : 1.0);
    for (const QString &label : bottom->categoriesLabels())
        bottom->remove(label);

    LastBins = THistogramBins();
    THistogramBins &b = LastBins;
    b = ComputeHistogramBins(Batch);

    // The bottom axis counts in bin slots (bin q centred on q), labelled with the bin centres.
    auto slot = [&](double value) { return (value - b.Start) / b.Size - 0.5; };
    double xmin = -0.5, xmax = std::max(0.5, b.Bins - 0.5);
    Engine.ShowInLegend(HighLimitSeries, b.N > 0 && Batch.HighLimitApplied);
    Engine.ShowInLegend(LowLimitSeries, b.N > 0 && Batch.LowLimitApplied);
    double ymax = 1;
    if (b.N > 0) {
        QList<qreal> counts;
        QStringList used;
        for (int q = 0; q < b.Bins; ++q) {
            counts.append(b.Counts[q]);
            // Labels must be distinct on the axis; a repeat (bins finer than the display step)
            // gets invisible padding.
            QString label = b.Labels[q];
            while (used.contains(label))
                label += QChar(0x200B);
            used << label;
            bottom->append(label, q);
        }
        FBarSet->append(counts);
        ymax = std::max(1, b.MaxCount);
        if (b.HighLine) {
            const double x = slot(b.HighX);
            HighLimitSeries->append({QPointF(x, 0), QPointF(x, b.LineTop)});
            xmin = std::min(xmin, x);
            xmax = std::max(xmax, x);
            ymax = std::max(ymax, double(b.LineTop));
        }
        if (b.LowLine) {
            const double x = slot(b.LowX);
            LowLimitSeries->append({QPointF(x, 0), QPointF(x, b.LineTop)});
            xmin = std::min(xmin, x);
            xmax = std::max(xmax, x);
            ymax = std::max(ymax, double(b.LineTop));
        }
    }
    bottom->setStartValue(xmin);
    bottom->setRange(xmin, xmax);
    QValueAxis *left = Engine.AxisLeft;
    left->setLabelFormat(QStringLiteral("%.0f"));
    // Room above the tallest bar for its mark.
    const double top = ymax * 1.1;
    const double step = std::max(1.0, std::round(NiceTickInterval(top)));
    left->setRange(0, std::ceil(top / step) * step);
    left->setTickType(QValueAxis::TicksDynamic);
    left->setTickAnchor(0);
    left->setTickInterval(step);

    const double barWidth = BarSeries->barWidth();
    auto under = [&](QPainter &p, const QSize &) {
        if (!View3D)
            return;
        Engine.PaintDepthUnder(p, [&](const QRectF &) {
            for (int q = 0; q < b.Bins; ++q) {
                if (b.Counts[q] == 0)
                    continue;
                const QPointF a = Chart->mapToPosition(QPointF(q - barWidth / 2, b.Counts[q]), BarSeries);
                const QPointF c = Chart->mapToPosition(QPointF(q + barWidth / 2, 0), BarSeries);
                PaintBarDepth(p, QRectF(a, c).normalized(), BarColour, ChartDepth);
            }
        });
    };
    auto over = [&](QPainter &p, const QSize &) {
        QFont font = Engine.ChartFont();
        p.save();
        p.setFont(font);
        const QFontMetrics fm(font);
        for (int q = 0; q < b.Bins; ++q) {
            const QString text = MarkText(b.Counts[q]);
            if (text.isEmpty())
                continue;
            const QPointF top = Chart->mapToPosition(QPointF(q, b.Counts[q]), BarSeries);
            const int w = fm.horizontalAdvance(text) + 6;
            const int h = fm.height() + 2;
            const QRectF box(top.x() - w / 2.0 + (View3D ? ChartDepth / 2.0 : 0), top.y() - h - 3 - (View3D ? ChartDepth : 0), w, h);
            if (ShowMarkFrame) {
                p.setPen(QPen(Qt::black, 0));
                p.setBrush(Qt::white);
                p.drawRect(box);
            }
            p.setPen(Qt::black);
            p.drawText(box, Qt::AlignCenter, text);
        }
        p.restore();
    };
    Engine.Render(canvas, rect, under, over);
}
