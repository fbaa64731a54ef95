#include "UnitChartOverview.h"
#include "UnitUnits.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <algorithm>
#include <cmath>

QString ColumnName(int index)
{
    if (index < 0)
        return QString();
    // Bijective base 26: for 0 .. 701 this is exactly the one- and two-letter rule.
    QString name;
    qint64 n = static_cast<qint64>(index) + 1;
    while (n > 0) {
        const int digit = static_cast<int>((n - 1) % 26);
        name.prepend(QChar(u'A' + digit));
        n = (n - 1) / 26;
    }
    return name;
}

namespace {
const QString kZero = QStringLiteral("0");

bool SupportsRasterOps(QPainter &canvas)
{
    return canvas.paintEngine() && canvas.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}
} // namespace

bool ComputeOverviewLayout(QPainter &canvas, const TBatchItem &batch, const TOverviewWindow &window,
                           const QRect &rect, TOverviewLayout &layout)
{
    layout = TOverviewLayout();
    if (window.ColumnCount <= 0 || window.RowCount <= 0)
        return false;
    const TEdges r = TEdges::FromRect(rect);
    layout.MX = TextWidth(canvas, FormatLength(batch.Columns * batch.Grid) + kZero);
    layout.MY = TextWidth(canvas, FormatLength(batch.Rows * batch.Grid) + kZero);
    double cw = std::max(0.0, double(r.Width() - 2 * layout.MX) / window.ColumnCount);
    double ch = std::max(0.0, double(r.Height() - 2 * layout.MY) / window.RowCount);
    if (window.SquareCells)
        cw = ch = std::max(0.0, std::min(cw, ch));
    layout.CW = cw;
    layout.CH = ch;

    // Top middle of the target: an odd width loses its last pixel.
    const int ow = RoundHalfUp(window.ColumnCount * cw) + 2 * layout.MX;
    const int oh = RoundHalfUp(window.RowCount * ch) + 2 * layout.MY;
    const int cx = r.Left + r.Width() / 2;
    layout.Outer = {cx - ow / 2, r.Top, cx + ow / 2, r.Top + oh};
    TEdges &p = layout.Plot;
    p = {layout.Outer.Left + layout.MX, layout.Outer.Top + layout.MY, layout.Outer.Right - layout.MX,
         layout.Outer.Bottom - layout.MY};
    layout.PlotWidth = p.Width();
    layout.PlotHeight = p.Height();
    // The last page of a large grid stops at the batch's last column and row.
    if (batch.Columns < window.FirstColumn + window.ColumnCount)
        p.Right = p.Left + RoundHalfUp((batch.Columns - window.FirstColumn) * cw);
    if (batch.Rows < window.FirstRow + window.RowCount)
        p.Bottom = p.Top + RoundHalfUp((batch.Rows - window.FirstRow) * ch);

    layout.SX = cw > 0 ? std::max(1, RoundHalfUp(TextWidth(canvas, QStringLiteral("WW")) / cw)) : 1;
    layout.SY = ch > 0 ? std::max(1, RoundHalfUp(TextHeight(canvas) / ch)) : 1;
    return true;
}

TEdges OverviewCellRect(const TOverviewLayout &l, int i, int j, const TEdges &target)
{
    const TEdges cell{l.Plot.Left + RoundHalfUp(i * l.CW), l.Plot.Top + RoundHalfUp(j * l.CH),
                      l.Plot.Left + RoundHalfUp(l.CW + i * l.CW), l.Plot.Top + RoundHalfUp(l.CH + j * l.CH)};
    return cell.ClippedTo(target);
}

void DrawOverviewLabels(QPainter &canvas, const TBatchItem &batch, const TOverviewWindow &w,
                        const TOverviewLayout &l, const TEdges &target)
{
    canvas.setPen(QPen(Qt::black));
    for (int i = 0; i < w.ColumnCount; ++i) {
        const int c = w.FirstColumn + i;
        if (c >= batch.Columns)
            break;
        if (i % l.SX != 0)
            continue;
        const TEdges box{l.Plot.Left + RoundHalfUp(i * l.CW), l.Outer.Top,
                         l.Plot.Left + RoundHalfUp(i * l.CW + l.SX * l.CW), l.Plot.Top};
        TextCentred(canvas, box.ClippedTo(target), ColumnName(c));
    }
    for (int j = 0; j < w.RowCount; ++j) {
        const int r = w.FirstRow + j;
        if (r >= batch.Rows)
            break;
        if (j % l.SY != 0)
            continue;
        const TEdges box{l.Outer.Left, l.Plot.Top + RoundHalfUp(j * l.CH), l.Plot.Left,
                         l.Plot.Top + RoundHalfUp(j * l.CH + l.SY * l.CH)};
        TextCentred(canvas, box.ClippedTo(target), QString::number(r + 1));
    }
}

void DrawOverviewDistances(QPainter &canvas, const TBatchItem &batch, const TOverviewWindow &w,
                           const TOverviewLayout &l, const TEdges &target)
{
    SetCanvasFontSize(canvas, 8);
    canvas.setPen(QPen(Qt::black, 0, Qt::SolidLine));
    canvas.setBrush(Qt::NoBrush);
    const TEdges &p = l.Plot;
    const double s = batch.Grid;
    const double g = w.GridLineSpacing;
    // Lines invert what they cross in grey scale, so they stay visible on black and white cells.
    // A vector canvas (PDF, SVG) cannot invert; mid grey stays visible on black and on white.
    const bool invert = w.GreyScale && SupportsRasterOps(canvas);
    const QPen linePen(w.GreyScale && !invert ? QColor(128, 128, 128) : QColor(Qt::black), 0, Qt::SolidLine);
    auto line = [&](int x0, int y0, int x1, int y1) {
        canvas.save();
        canvas.setPen(linePen);
        if (invert)
            canvas.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        canvas.drawLine(x0, y0, x1, y1);
        canvas.restore();
    };
    // A spacing far finer than a pixel would only repeat labels; it is not worth a long loop.
    constexpr double kMaxSteps = 100000;
    if (s > 0 && g > 0) {
        const int th = TextHeight(canvas);
        // Along x.
        {
            const double start = s * w.FirstColumn;
            const double total = batch.Columns * s;
            const double scale = RoundHalfUp(batch.Columns * l.CW) / total;
            if ((start + total) / g <= kMaxSteps) {
                const TEdges strip = TEdges{l.Outer.Left, p.Bottom, l.Outer.Right, l.Outer.Bottom}.ClippedTo(target);
                for (int k = 0;; ++k) {
                    const double m = -start + k * g;
                    if (m > total)
                        break;
                    if (k % l.SX != 0)
                        continue;
                    const int px = RoundHalfUp(scale * m);
                    if (px <= 0 || p.Left + px > p.Right)
                        continue;
                    const QString label = FormatLength(start + m);
                    canvas.save();
                    if (strip.Width() > 0 && strip.Height() > 0) {
                        canvas.setClipRect(strip.ToRect(), Qt::IntersectClip);
                        TextOutUpward(canvas, p.Left + px - th / 2, strip.Top + TextWidth(canvas, label + kZero), label);
                    }
                    canvas.restore();
                    if (w.GridLines && p.Left + px != p.Right && p.Height() > 0)
                        line(p.Left + px, p.Top, p.Left + px, p.Bottom - 1);
                }
            }
        }
        // Along y.
        {
            const double start = s * w.FirstRow;
            const double total = batch.Rows * s;
            const double scale = RoundHalfUp(batch.Rows * l.CH) / total;
            if ((start + total) / g <= kMaxSteps) {
                const TEdges strip =
                    TEdges{p.Right + TextWidth(canvas, kZero), l.Outer.Top, l.Outer.Right, l.Outer.Bottom}.ClippedTo(target);
                for (int k = 0;; ++k) {
                    const double m = -start + k * g;
                    if (m > total)
                        break;
                    if (k % l.SY != 0)
                        continue;
                    const int py = RoundHalfUp(scale * m);
                    if (py <= 0 || p.Top + py > p.Bottom)
                        continue;
                    TextOutClipped(canvas, strip, strip.Left, p.Top + py - th / 2, FormatLength(start + m));
                    if (w.GridLines && p.Top + py != p.Bottom && p.Width() > 0)
                        line(p.Left, p.Top + py, p.Right - 1, p.Top + py);
                }
            }
        }
    }
    FrameEdges(canvas, p.ClippedTo(target), Qt::black);
}

void ForEachOverviewCell(const TBatchItem &batch, const TOverviewWindow &window,
                         const std::function<void(int i, int j, int c, int r)> &visit)
{
    for (int i = 0; i < window.ColumnCount; ++i) {
        const int c = window.FirstColumn + i;
        if (c >= batch.Columns)
            break;
        for (int j = 0; j < window.RowCount; ++j) {
            const int r = window.FirstRow + j;
            if (r >= batch.Rows)
                break;
            if (!CellIsEmpty(batch, c, r))
                visit(i, j, c, r);
        }
    }
}

void TChartOverview::Draw(QPainter &canvas, const QRect &rect)
{
    // Unfilled cells colour their text, so pass is black then.
    Gradient.Prepare(Batch, WarningBand, CellColour, GreyScale, Method, Threshold);
    FLayout = TOverviewLayout();
    if (Batch.Columns <= 0 || Batch.Rows <= 0 || Batch.BatchFormat == BatchFormatLinear)
        return;

    const TOverviewWindow &window = *this;
    const TEdges target = TEdges::FromRect(rect);
    canvas.save();
    SetCanvasFont(canvas, FontName, 8);
    if (ComputeOverviewLayout(canvas, Batch, window, rect, FLayout)) {
        DrawOverviewLabels(canvas, Batch, window, FLayout, target);
        SetCanvasFontSize(canvas, CellFontSize);
        const QFontMetrics fm(canvas.font(), canvas.device()); // once: large grids print many cells
        const int th = fm.height();
        ForEachOverviewCell(Batch, window, [&](int i, int j, int c, int r) {
            const TEdges cell = OverviewCellRect(FLayout, i, j, target);
            const double value = Batch.Value(c, r);
            QColor brush(Qt::white); // an unfilled cell shows the paper
            if (CellColour) {
                brush = Gradient.ColourFor(value);
                FillEdges(canvas, cell, brush);
            }
            if (CellText) {
                QColor colour(Qt::black);
                if (GreyScale)
                    colour = TGradiantHelper::ContrastColour(brush);
                else if (!CellColour)
                    colour = Gradient.ColourFor(value);
                canvas.setPen(QPen(colour));
                const QString text = CellDisplayText(Batch, c, r);
                const int left = cell.Left + RoundHalfUp(FLayout.CW / 2) - fm.horizontalAdvance(text) / 2;
                const int top = cell.Top + RoundHalfUp(FLayout.CH / 2) - th / 2;
                if (cell.Width() > 0 && cell.Height() > 0) {
                    canvas.save();
                    canvas.setClipRect(cell.ToRect(), Qt::IntersectClip);
                    canvas.drawText(QPoint(left, top + fm.ascent()), text);
                    canvas.restore();
                }
            }
        });
        DrawOverviewDistances(canvas, Batch, window, FLayout, target);
    }
    canvas.restore();
}

int TKeyLayout::PositionOf(double value) const
{
    return Bar.Left + static_cast<int>((value - Lo) * Scale);
}

void TChartOverviewKey::Draw(QPainter &canvas, const QRect &rect)
{
    Gradient.Prepare(Batch, WarningBand, true, GreyScale, Method, Threshold);
    FLayout = TKeyLayout();
    TKeyLayout &l = FLayout;

    const bool high = Batch.HighLimitApplied;
    const bool low = Batch.LowLimitApplied;
    double hi = Batch.Max();
    double lo = Batch.Min();
    auto widen = [&](double v, double by) {
        hi = std::max(hi, v + by);
        lo = std::min(lo, v - by);
    };
    switch (Method) {
    case cmWarning:
        if (!high && !low)
            return;
        hi = -2147483647.0;
        lo = 2147483647.0;
        if (high)
            widen(Batch.HighLimit, std::max(WarningBand / 2, 10.0));
        if (low)
            widen(Batch.LowLimit, std::max(WarningBand / 2, 10.0));
        l.Graded = WarningBand > 0;
        break;
    case cmThreshold:
        if (high)
            widen(Batch.HighLimit, 10);
        if (low)
            widen(Batch.LowLimit, 10);
        widen(Threshold, 10);
        l.Graded = true;
        break;
    default:
        if (high)
            widen(Batch.HighLimit, 10);
        if (low)
            widen(Batch.LowLimit, 10);
        l.Graded = Method == cmMaxMin || Method == cmLimits;
        break;
    }
    if (hi - lo == 0)
        return;

    canvas.save();
    SetCanvasFont(canvas, FontName, 8);
    const TEdges k = TEdges::FromRect(rect);
    const int w = TextWidth(canvas, FormatLength(9999));
    const int h = TextHeight(canvas);
    l.Visible = true;
    l.Lo = lo;
    l.Hi = hi;
    l.Bar = {k.Left + w, k.Top, k.Right - w, k.Bottom};
    l.Boxes = {l.Bar.Left, l.Bar.Top, l.Bar.Right, l.Bar.Bottom - 2 * h};
    const TEdges &b = l.Bar;
    l.Steps = std::max(2, KeySteps);
    const int n = l.Steps;
    l.BoxWidth = double(b.Width()) / n;
    l.ValueStep = (hi - lo) / (n - 1);
    l.Scale = b.Width() / (hi - lo + l.ValueStep);
    const double g = l.BoxWidth;
    l.LabelStep = g > 0 ? std::max(1, RoundHalfUp(TextWidth(canvas, FormatCover(999)) / g)) : 1;

    canvas.setPen(QPen(Qt::black));
    for (int i = 0; i <= n; ++i) {
        const TEdges box = TEdges{b.Left + RoundHalfUp(i * g), b.Top, b.Left + RoundHalfUp(g + i * g), l.Boxes.Bottom}.ClippedTo(b);
        const TEdges label =
            TEdges{b.Left + RoundHalfUp(i * g), l.Boxes.Bottom, b.Left + RoundHalfUp(i * g + l.LabelStep * g), b.Bottom}.ClippedTo(b);
        if (l.Graded && i < n) {
            double v = lo + i * l.ValueStep + l.ValueStep / 2;
            if (Method == cmLimits) {
                if (low && v < Batch.LowLimit)
                    v = Batch.LowLimit;
                if (high && v > Batch.HighLimit)
                    v = Batch.HighLimit;
            }
            FillEdges(canvas, box, Gradient.ColourFor(v));
        }
        if (i % l.LabelStep == 0) {
            const QString text = Batch.FormatValue(lo + i * l.ValueStep);
            canvas.setPen(QPen(Qt::black));
            TextOutClipped(canvas, k, label.Left - TextWidth(canvas, text) / 2, label.Top + h / 4, text);
        }
    }

    auto band = [&](int from, int to, const QColor &colour) {
        FillEdges(canvas, TEdges{from, l.Boxes.Top, to, l.Boxes.Bottom}.ClippedTo(b), colour);
    };
    const bool plainWarning = Method == cmWarning && WarningBand <= 0;
    if (Method == cmLimits) {
        if (high)
            band(l.PositionOf(Batch.HighLimit), b.Right, Gradient.ColourFor(Batch.HighLimit + 1));
        if (low)
            band(b.Left, l.PositionOf(Batch.LowLimit), Gradient.GetFailColour());
    } else if (Method == cmThreshold) {
        band(b.Left, b.Right, Gradient.GetFailColour());
        band(l.PositionOf(Threshold), b.Right, Gradient.GetPassColour());
    } else if (Method == cmNone || plainWarning) {
        band(b.Left, b.Right, Gradient.GetPassColour());
        if (high)
            band(l.PositionOf(Batch.HighLimit), b.Right, Gradient.GetFailColour());
        if (low)
            band(b.Left, l.PositionOf(Batch.LowLimit), Gradient.GetFailColour());
    }
    FrameEdges(canvas, l.Boxes, Qt::black);

    auto limitLine = [&](double limit) {
        const QColor colour = GreyScale ? TGradiantHelper::ContrastColour(Gradient.ColourFor(limit)) : QColor(Qt::black);
        canvas.setPen(QPen(colour, 0));
        const int x = l.PositionOf(limit);
        if (l.Boxes.Height() > 0)
            canvas.drawLine(x, l.Boxes.Top, x, l.Boxes.Bottom - 1);
    };
    if (high)
        limitLine(Batch.HighLimit);
    if (low)
        limitLine(Batch.LowLimit);
    canvas.restore();
}
