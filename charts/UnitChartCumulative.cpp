#include "UnitChartCumulative.h"
#include "UnitChartEngine.h"
#include "UnitEvaluation.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <algorithm>
#include <cmath>

namespace {
// Decimals that show a tick step without repeating labels.
int DecimalsFor(double step)
{
    if (!(step > 0) || step >= 1)
        return 0;
    return std::min(6, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

QString PercentLabel(double p)
{
    const int decimals = (p < 0.1 || p > 99.9) ? 2 : ((p < 1 || p > 99) ? 1 : 0);
    const QByteArray format = "%." + QByteArray::number(decimals) + "f";
    return FormatDisplay(format.constData(), p);
}

const QColor kGridColour(210, 210, 210);
} // namespace

double TCumulativeLayout::XOf(double v) const
{
    return Plot.Left + (v - XMin) / (XMax - XMin) * (Plot.Width() - 1);
}

double TCumulativeLayout::YOf(double percent) const
{
    const double z = NormalQuantile(percent / 100.0);
    return (Plot.Bottom - 1) - (z - ZMin) / (ZMax - ZMin) * (Plot.Height() - 1);
}

const std::vector<double> &CumulativePercentTicks()
{
    static const std::vector<double> ticks{0.01, 0.1, 1, 5, 10, 20, 30, 50, 70, 80, 90, 95, 99, 99.9, 99.99};
    return ticks;
}

std::vector<TCumulativeLine> CumulativeLines(const TBatchItem &batch)
{
    std::vector<TCumulativeLine> lines;
    if (batch.BatchType == BatchTypeHalfCell) {
        const auto boundary = [&](double cse, const QColor &colour) {
            lines.push_back({batch.ToDisplay(CorrosionBoundaryFor(batch, cse)), colour,
                             FormatHalfCell(cse) + QLatin1Char(' ') + HalfCellUnitName()
                                 + QStringLiteral(" (CU/CUSO4)")});
        };
        boundary(CorrosionBoundaryLow, QColor(255, 160, 0));
        boundary(CorrosionBoundaryHigh, QColor(255, 0, 0));
    } else {
        // The colours of the limit lines of the run chart and the histogram.
        if (batch.HighLimitApplied)
            lines.push_back({batch.ToDisplay(batch.HighLimit), QColor(0, 128, 0), Tr("High Limit")});
        if (batch.LowLimitApplied)
            lines.push_back({batch.ToDisplay(batch.LowLimit), QColor(255, 0, 0), Tr("Low Limit")});
    }
    return lines;
}

void TChartCumulative::Draw(QPainter &canvas, const QRect &rect)
{
    FLayout = TCumulativeLayout();
    TCumulativeLayout &l = FLayout;
    const TEdges r = TEdges::FromRect(rect);
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const std::vector<TCumulativePoint> points = CumulativeDistribution(Batch);
    l.Lines = CumulativeLines(Batch);
    l.AxisTitle = Batch.UnitName();
    if (Batch.BatchType == BatchTypeHalfCell && CellTypeIndex(Batch.CellType) != CellTypeOther)
        l.AxisTitle += QStringLiteral(" (") + CellTypeName(CellTypeIndex(Batch.CellType)) + QLatin1Char(')');

    // Value axis over the readings and the lines, widened to whole tick steps.
    double lo = 0, hi = 0;
    bool any = false;
    const auto take = [&](double v) {
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    };
    for (const TCumulativePoint &p : points)
        take(Batch.ToDisplay(p.Value));
    for (const TCumulativeLine &line : l.Lines)
        take(line.Value);
    if (!any) {
        lo = 0;
        hi = 1;
    } else if (hi == lo) {
        const double d = Batch.ToDisplayRounded(1);
        lo -= d;
        hi += d;
    }
    const double step = NiceTickInterval(hi - lo, 5);
    l.XMin = std::floor(lo / step + 1e-9) * step;
    l.XMax = std::ceil(hi / step - 1e-9) * step;
    if (l.XMax <= l.XMin)
        l.XMax = l.XMin + step;
    for (int k = 0;; ++k) {
        const double v = l.XMin + k * step;
        if (v > l.XMax + step * 1e-6 || k > 1000)
            break;
        l.ValueTicks.push_back(v);
    }

    // Probability axis: at least 5 % to 95 %, out to the ticks beyond the outermost readings.
    double pmin = 5, pmax = 95;
    if (!points.empty()) {
        pmin = std::min(pmin, points.front().Percent);
        pmax = std::max(pmax, points.back().Percent);
    }
    const std::vector<double> &ticks = CumulativePercentTicks();
    l.PercentMin = ticks.front();
    for (double t : ticks)
        if (t <= pmin)
            l.PercentMin = t;
    l.PercentMax = ticks.back();
    for (auto it = ticks.rbegin(); it != ticks.rend(); ++it)
        if (*it >= pmax)
            l.PercentMax = *it;
    for (double t : ticks)
        if (t >= l.PercentMin && t <= l.PercentMax)
            l.PercentTicks.push_back(t);
    l.ZMin = NormalQuantile(l.PercentMin / 100);
    l.ZMax = NormalQuantile(l.PercentMax / 100);

    canvas.save();
    SetCanvasFont(canvas, FontName, 8);
    const int th = TextHeight(canvas);
    const int decimals = DecimalsFor(step);
    const QByteArray valueFormat = "%." + QByteArray::number(decimals) + "f";
    const auto valueLabel = [&](double v) { return FormatDisplay(valueFormat.constData(), v); };
    const int legendHeight = ShowLegend ? th + 8 : 0;
    const int left = r.Left + th + 6 + TextWidth(canvas, PercentLabel(99.99)) + 6;
    const int right = r.Right - std::max(8, TextWidth(canvas, valueLabel(l.XMax)) / 2 + 4);
    const int top = r.Top + th / 2 + 4;
    const int bottom = r.Bottom - legendHeight - 2 * th - 10;
    l.Plot = {left, top, right, bottom};
    if (l.Plot.Width() < 4 || l.Plot.Height() < 4) {
        canvas.restore();
        return;
    }
    l.Visible = true;
    const TEdges &p = l.Plot;

    // Grid, ticks and labels.
    canvas.setBrush(Qt::NoBrush);
    for (double t : l.PercentTicks) {
        const int y = RoundHalfUp(l.YOf(t));
        if (Grid) {
            canvas.setPen(QPen(kGridColour, 0));
            canvas.drawLine(p.Left, y, p.Right - 1, y);
        }
        canvas.setPen(QPen(Qt::black, 0));
        canvas.drawLine(p.Left - 4, y, p.Left - 1, y);
        const QString text = PercentLabel(t);
        TextOut(canvas, p.Left - 6 - TextWidth(canvas, text), y - th / 2, text);
    }
    for (double v : l.ValueTicks) {
        const int x = RoundHalfUp(l.XOf(v));
        if (Grid) {
            canvas.setPen(QPen(kGridColour, 0));
            canvas.drawLine(x, p.Top, x, p.Bottom - 1);
        }
        canvas.setPen(QPen(Qt::black, 0));
        canvas.drawLine(x, p.Bottom, x, p.Bottom + 3);
        const QString text = valueLabel(v);
        TextOut(canvas, x - TextWidth(canvas, text) / 2, p.Bottom + 4, text);
    }
    canvas.setPen(QPen(Qt::black));
    TextOut(canvas, p.Left + p.Width() / 2 - TextWidth(canvas, l.AxisTitle) / 2, p.Bottom + 5 + th, l.AxisTitle);
    const QString percentTitle = Tr("Cumulative %");
    TextOutUpward(canvas, r.Left + 2, p.Top + p.Height() / 2 + TextWidth(canvas, percentTitle) / 2, percentTitle);

    // Lines, then the readings over them.
    canvas.save();
    canvas.setClipRect(p.ToRect(), Qt::IntersectClip);
    for (const TCumulativeLine &line : l.Lines) {
        canvas.setPen(QPen(line.Colour, 2));
        const int x = RoundHalfUp(l.XOf(line.Value));
        canvas.drawLine(x, p.Top, x, p.Bottom - 1);
    }
    canvas.setRenderHint(QPainter::Antialiasing, true);
    canvas.setPen(QPen(PointColour, 1));
    canvas.setBrush(PointColour);
    for (const TCumulativePoint &pt : points) {
        const QPointF c(l.XOf(Batch.ToDisplay(pt.Value)), l.YOf(pt.Percent));
        l.Points.push_back(c);
        canvas.drawEllipse(c, 2.5, 2.5);
    }
    canvas.restore();
    FrameEdges(canvas, p, Qt::black);

    if (ShowLegend) {
        l.Legend = TEdges{r.Left, r.Bottom - legendHeight, r.Right, r.Bottom};
        struct Entry {
            QColor Colour;
            QString Title;
            bool Point;
        };
        std::vector<Entry> entries{{PointColour, Tr("Readings"), true}};
        for (const TCumulativeLine &line : l.Lines)
            entries.push_back({line.Colour, line.Title, false});
        int width = 0;
        for (const Entry &e : entries)
            width += 24 + TextWidth(canvas, e.Title) + 16;
        int x = r.Left + std::max(0, (r.Width() - width) / 2);
        const int y = l.Legend.Top + 4;
        for (const Entry &e : entries) {
            const int mid = y + th / 2;
            if (e.Point) {
                canvas.save();
                canvas.setRenderHint(QPainter::Antialiasing, true);
                canvas.setPen(QPen(e.Colour, 1));
                canvas.setBrush(e.Colour);
                canvas.drawEllipse(QPointF(x + 10, mid), 2.5, 2.5);
                canvas.restore();
            } else {
                canvas.setPen(QPen(e.Colour, 2));
                canvas.drawLine(x + 2, mid, x + 18, mid);
            }
            canvas.setPen(QPen(Qt::black));
            TextOutClipped(canvas, r, x + 24, y, e.Title);
            x += 24 + TextWidth(canvas, e.Title) + 16;
        }
    }
    canvas.restore();
}
