#include "UnitChartRun.h"
#include "UnitChartCanvas.h"
#include "UnitUnits.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

TChartRun::TChartRun()
{
    Chart = Engine.Chart;
    auto *bottom = new QValueAxis();
    bottom->setLabelFormat(QStringLiteral("%.0f"));
    Engine.AttachBottomAxis(bottom);
    Engine.MakeLimitLines(HighLimitSeries, LowLimitSeries);
    Engine.AddSeries(HighLimitSeries);
    Engine.AddSeries(LowLimitSeries);
}

TChartRun::~TChartRun() = default;

QValueAxis *TChartRun::AxisBottom() const { return static_cast<QValueAxis *>(Engine.AxisBottom); }

namespace {
// Ticks at round values over a fixed range.
void SetRangeWithTicks(QValueAxis *axis, double lo, double hi, bool whole)
{
    axis->setRange(lo, hi);
    double step = NiceTickInterval(hi - lo);
    if (whole)
        step = std::max(1.0, std::round(step));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
}
} // namespace

QList<QPointF> ThinToPixelColumns(const QList<QPointF> &points, double x0, double width)
{
    const qsizetype n = points.size();
    if (n < 2 || !(width > 0) || !std::isfinite(x0))
        return points;
    const double span = (points.last().x() - points.first().x()) / width + 1;
    if (!(n > 4 * span))
        return points;
    auto column = [&](qsizetype i) { return std::floor((points[i].x() - x0) / width); };
    QList<QPointF> out;
    out.reserve(4 * (static_cast<qsizetype>(span) + 2));
    for (qsizetype i = 0; i < n;) {
        const double col = column(i);
        qsizetype lo = i, hi = i, j = i + 1;
        for (; j < n && column(j) == col; ++j) {
            if (points[j].y() < points[lo].y())
                lo = j;
            if (points[j].y() > points[hi].y())
                hi = j;
        }
        const qsizetype keep[4] = {i, std::min(lo, hi), std::max(lo, hi), j - 1};
        for (int k = 0; k < 4; ++k)
            if (k == 0 || keep[k] != keep[k - 1])
                out.append(points[keep[k]]);
        i = j;
    }
    return out;
}

void TChartRun::Draw(QPainter &canvas, const QRect &rect)
{
    Points.clear();
    DrawnPoints.clear();
    LeftAxisAutomatic = false;
    const bool bars = ChartType == 1;
    HighLimitSeries->clear();
    LowLimitSeries->clear();

    // The data series lives for this drawing only, and goes whatever happens.
    QAbstractSeries *data = nullptr;
    QBarSet *barSet = nullptr;
    QLineSeries *line = nullptr;
    struct TRemove {
        QChart *Chart;
        QAbstractSeries *&Series;
        ~TRemove()
        {
            if (Series) {
                Chart->removeSeries(Series);
                delete Series;
            }
        }
    } remove{Chart, data};
    if (bars) {
        auto *series = new QBarSeries();
        barSet = new QBarSet(QString());
        barSet->setColor(LineColour);
        barSet->setBorderColor(LineColour);
        barSet->setPen(Qt::NoPen);
        series->append(barSet);
        series->setBarWidth(1.0);
        series->setLabelsVisible(false);
        data = series;
    } else {
        line = new QLineSeries();
        line->setPen(QPen(LineColour, 2));
        line->setColor(LineColour);
        line->setPointsVisible(false);
        data = line;
    }
    // Drawing order: high limit line, data, low limit line.
    Chart->removeSeries(LowLimitSeries);
    Engine.AddSeries(data);
    Engine.AddSeries(LowLimitSeries);
    Engine.ShowInLegend(data, false);

    Engine.ApplyOptions(ShowLegend, Grid, FontName);

    int n = 0;
    double hi = -2147483647.0, lo = 2147483647.0;
    for (int r = 0; r < Batch.Rows; ++r)
        for (int c = 0; c < Batch.Columns; ++c) {
            if (!CellIsValid(Batch, c, r))
                continue;
            ++n;
            const double v = Batch.ToDisplayRounded(Batch.Value(c, r));
            Points.append(QPointF(n, v));
            hi = std::max(hi, v);
            lo = std::min(lo, v);
        }
    if (n == 0)
        return;
    if (bars) {
        // Bar i stands on slot i; slot 0 is outside the axis range, so readings sit on 1 ... n.
        QList<qreal> values{0};
        for (const QPointF &p : Points)
            values.append(p.y());
        barSet->append(values);
    }

    Engine.ShowInLegend(HighLimitSeries, Batch.HighLimitApplied);
    Engine.ShowInLegend(LowLimitSeries, Batch.LowLimitApplied);
    if (Batch.HighLimitApplied) {
        const double lh = Batch.ToDisplayRounded(Batch.HighLimit);
        HighLimitSeries->append({QPointF(0, lh), QPointF(n + 1, lh)});
        hi = std::max(hi, lh);
        lo = std::min(lo, lh);
    }
    if (Batch.LowLimitApplied) {
        const double ll = Batch.ToDisplayRounded(Batch.LowLimit);
        LowLimitSeries->append({QPointF(0, ll), QPointF(n + 1, ll)});
        hi = std::max(hi, ll);
        lo = std::min(lo, ll);
    }

    QValueAxis *left = Engine.AxisLeft;
    left->setLabelFormat(QString::fromLatin1(CoverFormat()));
    // Axis numbers with the user's decimal point, as every other number shown; no thousands
    // separators, which none of them has either.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    Chart->setLocale(locale);
    Chart->setLocalizeNumbers(true);
    if (hi != lo) {
        const double margin = std::fabs(0.1 * (hi - lo));
        SetRangeWithTicks(left, lo - margin, hi + margin, false);
    } else {
        // Automatic scaling around the one value.
        LeftAxisAutomatic = true;
        const double d = hi != 0 ? std::fabs(hi) * 0.1 : 1.0;
        left->setTickType(QValueAxis::TicksFixed);
        left->setTickCount(5);
        left->setRange(lo - d, hi + d);
        left->applyNiceNumbers();
    }
    if (bars)
        SetRangeWithTicks(AxisBottom(), 0.5, n + 0.5, true);
    else if (n > 1)
        SetRangeWithTicks(AxisBottom(), 1, n, true);
    else
        SetRangeWithTicks(AxisBottom(), 0.5, 1.5, true); // one reading: a range of no width would hide it

    double column = 0; // a pixel column of the target in picture pixels
    if (!bars) {
        // A long batch has far more readings than the plot has pixel columns on the target; the
        // line keeps only what each column shows. The columns are half the target's pixels,
        // aligned with them (where the wide pen reaches over into the next pixel, a line through
        // the kept points then still inks the same pixels), or the picture's own pixels where the
        // target is coarser (a PDF page, which a viewer may still zoom).
        DrawnPoints = Points;
        column = 1;
        const QSize picture = ChartPictureSize(rect.width(), rect.height());
        const QValueAxis *bottom = AxisBottom();
        if (!picture.isEmpty() && bottom->max() > bottom->min()) {
            Engine.Layout(picture);
            const QRectF plot = Chart->plotArea();
            const double sx = double(rect.width()) / picture.width();
            const QTransform t = canvas.deviceTransform();
            const double device = std::hypot(t.m11(), t.m12()) * sx; // device pixels per picture pixel
            const double unitsPerPicturePixel = (bottom->max() - bottom->min()) / plot.width();
            if (device >= 1)
                column = 1 / device;
            if (plot.width() > 0 && device >= 1 && t.m12() == 0) {
                const double left = t.map(QPointF(rect.left() + plot.left() * sx, 0)).x();
                const double width = unitsPerPicturePixel / device / 2;
                DrawnPoints = ThinToPixelColumns(Points, bottom->min() - (left - std::floor(left)) * width, width);
            } else if (plot.width() > 0) {
                DrawnPoints = ThinToPixelColumns(Points, bottom->min(), unitsPerPicturePixel);
            }
        }
    }
    // On a vector target the data line is drawn here as one polyline after the chart, and the low
    // limit line after it to keep the drawing order; the chart draws a line segment by segment.
    const bool vectors = !bars && PaintsVectors(canvas);
    QList<QPointF> lowLimit;
    if (line)
        line->replace(vectors ? QList<QPointF>() : DrawnPoints); // one signal for the whole series: appending point by point is quadratic
    if (vectors) {
        lowLimit = LowLimitSeries->points();
        LowLimitSeries->clear();
    }

    const QString units = Batch.UnitName();
    auto under = [&](QPainter &p, const QSize &) {
        if (!View3D)
            return;
        Engine.PaintDepthUnder(p, [&](const QRectF &plot) {
            if (bars) {
                for (const QPointF &pt : Points) {
                    const QPointF a = Chart->mapToPosition(QPointF(pt.x() - 0.5, pt.y()), data);
                    const QPointF b = Chart->mapToPosition(QPointF(pt.x() + 0.5, 0), data);
                    PaintBarDepth(p, QRectF(a, b).normalized().intersected(plot), LineColour, ChartDepth);
                }
            } else {
                QList<QPointF> pixels;
                for (const QPointF &pt : DrawnPoints)
                    pixels.append(Chart->mapToPosition(pt, data));
                PaintLineDepth(p, pixels, LineColour, ChartDepth, column);
            }
        });
    };
    auto over = [&](QPainter &p, const QSize &) {
        if (vectors) {
            p.save();
            p.setClipRect(Chart->plotArea(), Qt::IntersectClip);
            p.setBrush(Qt::NoBrush);
            const auto polyline = [&](const QList<QPointF> &values, QLineSeries *series) {
                QPolygonF pixels;
                pixels.reserve(values.size());
                for (const QPointF &v : values)
                    pixels.append(Chart->mapToPosition(v, series));
                p.setPen(series->pen());
                DrawVectorPolyline(p, pixels);
            };
            polyline(DrawnPoints, line);
            if (!lowLimit.isEmpty())
                polyline(lowLimit, LowLimitSeries);
            p.restore();
        }
        // The units title of the left axis, reading upward from the middle of the height.
        QFont font = Engine.ChartFont();
        p.save();
        p.setFont(font);
        p.setPen(Qt::black);
        const QFontMetrics fm(font);
        p.setClipRect(QRectF(0, 0, fm.height(), Chart->plotArea().bottom()), Qt::IntersectClip);
        p.translate(0, int(Chart->size().height()) / 2);
        p.rotate(-90);
        p.drawText(QPointF(0, fm.ascent()), units);
        p.restore();
    };
    Engine.Render(canvas, rect, under, over);
    if (vectors)
        LowLimitSeries->replace(lowLimit);
}
