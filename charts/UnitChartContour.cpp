#include "UnitChartContour.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
// Millimetres on the batch to device pixels of the map window.
struct TMapping {
    double Left = 0, Top = 0, CW = 0, CH = 0, S = 1;
    int FirstColumn = 0, FirstRow = 0;
    QPointF operator()(const QPointF &mm) const
    {
        return {Left + (mm.x() / S - FirstColumn + 0.5) * CW, Top + (mm.y() / S - FirstRow + 0.5) * CH};
    }
};

bool SquareAbove(const TContourField &f, int c, int r, double level)
{
    return f.At(c, r) >= level && f.At(c + 1, r) >= level && f.At(c, r + 1) >= level && f.At(c + 1, r + 1) >= level;
}

// Device pixels per point-sized pixel: lines keep their weight on a printer.
double PenScale(QPainter &canvas)
{
    const QPaintDevice *d = canvas.device();
    return d ? std::max(1.0, d->logicalDpiX() / 96.0) : 1.0;
}
} // namespace

void TChartContour::Draw(QPainter &canvas, const QRect &rect)
{
    FLayout = TOverviewLayout();
    FLastLevels.clear();
    const TContourField field = ContourFieldOf(Batch);
    FLastLevels = ContourLevelsOf(Batch, Levels, Step);
    const QList<TContourLevel> lines = ContourLines(Batch, FLastLevels);

    TCanvasState state(canvas);
    SetCanvasFont(canvas, FontName, 8);
    const int th = TextHeight(canvas);
    const TEdges target = TEdges::FromRect(rect);
    TEdges mapArea = target;
    TEdges legendArea;
    if (Legend) {
        legendArea = {target.Left, std::max(target.Top, target.Bottom - 2 * th), target.Right, target.Bottom};
        mapArea.Bottom = std::max(target.Top, legendArea.Top - th / 2);
    }
    const TOverviewWindow &window = *this;
    TGradiantHelper gradient;
    gradient.Prepare(Batch, 0, true, GreyScale, cmMaxMin, 0);
    if (ComputeOverviewLayout(canvas, Batch, window, mapArea.ToRect(), FLayout)) {
        DrawOverviewLabels(canvas, Batch, window, FLayout, target);
        const TEdges plot = FLayout.Plot.ClippedTo(target);
        TMapping map;
        map.Left = FLayout.Plot.Left;
        map.Top = FLayout.Plot.Top;
        map.CW = FLayout.CW;
        map.CH = FLayout.CH;
        map.S = field.Spacing;
        map.FirstColumn = FirstColumn;
        map.FirstRow = FirstRow;
        // The squares that reach into the window: one column and row before it, half drawn.
        const int c0 = std::max(0, FirstColumn - 1), c1 = std::min(field.Columns - 2, FirstColumn + ColumnCount - 1);
        const int r0 = std::max(0, FirstRow - 1), r1 = std::min(field.Rows - 2, FirstRow + RowCount - 1);
        if (plot.Width() > 0 && plot.Height() > 0) {
            canvas.save();
            canvas.setClipRect(plot.ToRect(), Qt::IntersectClip);
            const double s = field.Spacing;
            if (Filled) {
                // Band 0 under every square, then the part above each level in the next band's
                // colour: the band edges are the isoline segments themselves. A vector target
                // (PDF, SVG, printer) gets one path a band, which keeps viewers from showing seams
                // between the pieces; a bitmap takes the pieces as they come, far faster.
                const QPaintEngine *engine = canvas.paintEngine();
                const bool vector = !engine || engine->type() != QPaintEngine::Raster;
                const int bands = int(FLastLevels.size()) + 1;
                canvas.setPen(Qt::NoPen);
                QList<QRectF> rects;
                QPolygonF polygon;
                for (int k = -1; k < int(FLastLevels.size()); ++k) {
                    const QColor colour = gradient.BandColour(k + 1, bands);
                    canvas.setBrush(colour);
                    QPainterPath path;
                    path.setFillRule(Qt::WindingFill);
                    rects.clear();
                    for (int r = r0; r <= r1; ++r) {
                        int runStart = -1;
                        auto closeRun = [&](int end) {
                            if (runStart < 0)
                                return;
                            const QRectF run(map(QPointF(runStart * s, r * s)), map(QPointF(end * s, (r + 1) * s)));
                            if (vector)
                                path.addRect(run);
                            else
                                rects.append(run);
                            runStart = -1;
                        };
                        for (int c = c0; c <= c1; ++c) {
                            if (!field.SquareValid(c, r)) {
                                closeRun(c);
                                continue;
                            }
                            if (k < 0 || SquareAbove(field, c, r, FLastLevels[k])) {
                                if (runStart < 0)
                                    runStart = c;
                                continue;
                            }
                            closeRun(c);
                            QPointF polygons[2][6];
                            int counts[2];
                            const int n = ContourSquareRegion(field, c, r, FLastLevels[k], polygons, counts);
                            for (int m = 0; m < n; ++m) {
                                polygon.clear();
                                for (int i = 0; i < counts[m]; ++i)
                                    polygon << map(polygons[m][i]);
                                if (vector) {
                                    path.addPolygon(polygon);
                                    path.closeSubpath();
                                } else {
                                    canvas.drawPolygon(polygon);
                                }
                            }
                        }
                        closeRun(c1 + 1);
                    }
                    if (vector)
                        canvas.fillPath(path, colour);
                    else
                        canvas.drawRects(rects.constData(), int(rects.size()));
                }
            }
            // Isolines on top, then their values; smoothed, unlike the bands, whose edges meet
            // exactly without it and fill far faster.
            canvas.setRenderHint(QPainter::Antialiasing, true);
            const double pen = PenScale(canvas);
            canvas.setPen(QPen(GreyScale ? QColor(64, 64, 64) : QColor(Qt::black), pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            canvas.setBrush(Qt::NoBrush);
            for (const TContourLevel &level : lines)
                for (const TContourLine &line : level.Lines) {
                    QPolygonF polygon;
                    polygon.reserve(line.size());
                    for (const QPointF &p : line)
                        polygon << map(p);
                    canvas.drawPolyline(polygon);
                }
            if (Labels) {
                SetCanvasFontSize(canvas, LabelFontSize);
                const QFontMetricsF fm(canvas.font(), canvas.device());
                const QRectF clip = plot.ToRect();
                for (const TContourLevel &level : lines) {
                    const QString text = Batch.FormatValue(level.Value);
                    const double w = fm.horizontalAdvance(text) + 2 * pen, h = fm.height();
                    // A label every few label widths along a line long enough to carry one.
                    const double spacing = std::max(8 * w, 150 * pen);
                    for (const TContourLine &line : level.Lines) {
                        double along = 0, next = spacing / 2;
                        for (int i = 1; i < line.size(); ++i) {
                            const QPointF a = map(line[i - 1]), b = map(line[i]);
                            const double d = std::hypot(b.x() - a.x(), b.y() - a.y());
                            while (d > 0 && along + d >= next) {
                                const double t = (next - along) / d;
                                const QPointF at(a.x() + t * (b.x() - a.x()), a.y() + t * (b.y() - a.y()));
                                const QRectF box(at.x() - w / 2, at.y() - h / 2, w, h);
                                if (clip.contains(box)) {
                                    canvas.fillRect(box, Qt::white);
                                    canvas.drawText(box, Qt::AlignCenter, text);
                                }
                                next += spacing;
                            }
                            along += d;
                        }
                    }
                }
            }
            canvas.restore();
        }
        DrawOverviewDistances(canvas, Batch, window, FLayout, target);
        // The legend right under the map, from its left edge, when the map leaves room.
        const int top = FLayout.Outer.Bottom + th / 2;
        if (Legend && top < legendArea.Top) {
            legendArea.Top = top;
            legendArea.Bottom = top + 2 * th;
        }
        if (Legend)
            legendArea.Left = std::max(target.Left, FLayout.Outer.Left);
    }
    if (Legend)
        DrawLegend(canvas, legendArea, gradient);
}

void TChartContour::DrawLegend(QPainter &canvas, const TEdges &area, TGradiantHelper &gradient)
{
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    SetCanvasFont(canvas, FontName, 8);
    canvas.setPen(QPen(Qt::black));
    const int th = TextHeight(canvas);
    const int top = area.Top + (area.Height() - th) / 2;
    const QString unit = Batch.UnitName();
    if (FLastLevels.isEmpty()) {
        TextOutClipped(canvas, area, area.Left, top, Tr("No contour levels"));
        return;
    }
    int x = area.Left;
    if (!Filled) {
        const QString text = Tr("Contour levels (%1): %2").arg(unit, [&] {
            QStringList values;
            for (double v : FLastLevels)
                values << Batch.FormatValue(v);
            return values.join(QStringLiteral(", "));
        }());
        canvas.drawLine(x, top + th / 2, x + 2 * th, top + th / 2);
        TextOutClipped(canvas, area, x + 2 * th + th / 2, top, text);
        return;
    }
    // One box a band, from the lowest up, with the range it stands for.
    const int n = int(FLastLevels.size());
    const QString lowest = Tr("below %1"), highest = Tr("%1 and above"), between = Tr("%1 to %2");
    for (int k = 0; k <= n; ++k) {
        QString text = k == 0   ? lowest.arg(Batch.FormatValue(FLastLevels[0]))
                       : k == n ? highest.arg(Batch.FormatValue(FLastLevels[n - 1]))
                                : between.arg(Batch.FormatValue(FLastLevels[k - 1]), Batch.FormatValue(FLastLevels[k]));
        if (k == n)
            text += QLatin1Char(' ') + unit;
        const TEdges box = TEdges{x, top, x + th, top + th}.ClippedTo(area);
        FillEdges(canvas, box, gradient.BandColour(k, n + 1));
        FrameEdges(canvas, box, Qt::black);
        canvas.setPen(QPen(Qt::black));
        TextOutClipped(canvas, area, x + th + th / 3, top, text);
        x += th + th / 3 + TextWidth(canvas, text) + th;
        if (x >= area.Right)
            break;
    }
}
