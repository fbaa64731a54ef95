#include "UnitChartEngine.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPaintEngine>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

QSize ChartPictureSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QSize();
    if (width >= height)
        return QSize(800, RoundHalfUp(800.0 / width * height));
    return QSize(RoundHalfUp(800.0 / height * width), 800);
}

double NiceTickInterval(double span, int ticks)
{
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const double raw = span / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / power;
    const double nice = f < 1.5 ? 1 : (f < 3.5 ? 2 : (f < 7.5 ? 5 : 10));
    return nice * power;
}

namespace {
// Outline of the band a line sweeps when moved by (s, -s) for s from 0 to depth. At each x the
// band runs from the least to the greatest y(x - s) - s, which for a line through points is found
// at one of the points or at either end of the sweep; the outline is worked out exactly at every
// point's x and at every x + depth. Of those within one pixel column (`column` wide) it keeps the
// highest top and the lowest bottom: the pixels need no more. The points come in strictly
// ascending x.
QPolygonF SweptOutline(const QList<QPointF> &p, double depth, double column)
{
    const qsizetype n = p.size();
    const auto yAt = [&](double x) {
        const auto next = std::upper_bound(p.begin(), p.end(), x, [](double v, const QPointF &q) { return v < q.x(); });
        if (next == p.begin())
            return p.first().y();
        if (next == p.end())
            return p.last().y();
        const QPointF &a = *(next - 1), &b = *next;
        return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    };
    std::vector<double> xs(static_cast<size_t>(2 * n));
    {
        std::vector<double> at, shifted;
        for (const QPointF &q : p) {
            at.push_back(q.x());
            shifted.push_back(q.x() + depth);
        }
        std::merge(at.begin(), at.end(), shifted.begin(), shifted.end(), xs.begin());
        xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    }
    QPolygonF top, bottom;
    qsizetype first = 0;
    double bucket = -1;
    for (const double x : xs) {
        const double sLo = std::max(0.0, x - p.last().x());
        const double sHi = std::min(depth, x - p.first().x());
        double lo = yAt(x - sLo) - sLo;
        double hi = lo;
        const double end = yAt(x - sHi) - sHi;
        lo = std::min(lo, end);
        hi = std::max(hi, end);
        while (first < n && p[first].x() < x - sHi)
            ++first;
        for (qsizetype i = first; i < n && p[i].x() <= x - sLo; ++i) {
            const double v = p[i].y() - (x - p[i].x());
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        const double b = std::floor((x - xs.front()) / column);
        if (b != bucket || x == xs.back()) {
            bucket = b;
            top.append(QPointF(x, lo));
            bottom.append(QPointF(x, hi));
        } else {
            if (lo < top.last().y())
                top.last() = QPointF(x, lo);
            if (hi > bottom.last().y())
                bottom.last() = QPointF(x, hi);
        }
    }
    std::reverse(bottom.begin(), bottom.end());
    return top + bottom;
}

void StyleAxis(QValueAxis *axis)
{
    axis->setMinorTickCount(0);
    axis->setLinePenColor(Qt::black);
    axis->setLabelsColor(Qt::black);
}
} // namespace

TChartEngine::TChartEngine() : FScene(std::make_unique<QGraphicsScene>())
{
    Chart = new QChart();
    FScene->addItem(Chart);
    Chart->setAnimationOptions(QChart::NoAnimation);
    Chart->setTheme(QChart::ChartThemeLight);
    Chart->setTitle(QString());
    Chart->setBackgroundVisible(false); // the white paper is painted under the depth faces
    Chart->setPlotAreaBackgroundVisible(false);
    Chart->setDropShadowEnabled(false);
    Chart->setBackgroundRoundness(0);
    Chart->layout()->setContentsMargins(0, 0, 0, 0);
    QLegend *legend = Chart->legend();
    legend->setAlignment(Qt::AlignBottom);
    legend->setBackgroundVisible(false);
    legend->setShowToolTips(false);
    AxisLeft = new QValueAxis();
    StyleAxis(AxisLeft);
    Chart->addAxis(AxisLeft, Qt::AlignLeft);
    FFont = QFont(QStringLiteral("Arial"));
    FFont.setPixelSize(11); // 8 points at the 96 pixels per inch of the picture
}

TChartEngine::~TChartEngine() = default;

void TChartEngine::AttachBottomAxis(QValueAxis *axis)
{
    StyleAxis(axis);
    Chart->addAxis(axis, Qt::AlignBottom);
    AxisBottom = axis;
}

void TChartEngine::AddSeries(QAbstractSeries *series)
{
    Chart->addSeries(series);
    series->attachAxis(AxisLeft);
    if (AxisBottom)
        series->attachAxis(AxisBottom);
}

void TChartEngine::ShowInLegend(QAbstractSeries *series, bool visible)
{
    for (QLegendMarker *marker : Chart->legend()->markers(series))
        marker->setVisible(visible);
}

void TChartEngine::SetFontName(const QString &name)
{
    FFont.setFamily(name);
    AxisLeft->setLabelsFont(FFont);
    if (AxisBottom) {
        AxisBottom->setLabelsFont(FFont);
        AxisBottom->setTitleFont(FFont);
    }
    Chart->legend()->setFont(FFont);
}

void TChartEngine::SetGrid(bool visible)
{
    AxisLeft->setGridLineVisible(visible);
    if (AxisBottom)
        AxisBottom->setGridLineVisible(visible);
}

void TChartEngine::SetLegendVisible(bool visible) { Chart->legend()->setVisible(visible); }

void TChartEngine::ApplyOptions(bool showLegend, bool grid, const QString &fontName)
{
    SetLegendVisible(showLegend);
    SetGrid(grid);
    SetFontName(fontName);
}

QLineSeries *TChartEngine::MakeLimitSeries(const QString &title, const QColor &colour)
{
    auto *series = new QLineSeries();
    series->setName(title);
    series->setPen(QPen(colour, 2));
    series->setColor(colour);
    return series;
}

void TChartEngine::MakeLimitLines(QLineSeries *&high, QLineSeries *&low)
{
    // Three spaces either side keep the legend entries apart.
    high = MakeLimitSeries(QStringLiteral("   %1   ").arg(Tr("High Limit")), QColor(0, 128, 0));
    low = MakeLimitSeries(QStringLiteral("   %1   ").arg(Tr("Low Limit")), QColor(255, 0, 0));
}

void TChartEngine::PaintDepthUnder(QPainter &painter, const std::function<void(const QRectF &plot)> &faces) const
{
    const QRectF plot = Chart->plotArea();
    PaintDepthWalls(painter, plot, ChartDepth);
    painter.save();
    painter.setClipRect(plot.adjusted(0, -ChartDepth, ChartDepth, 0));
    faces(plot);
    painter.restore();
}

void TChartEngine::Layout(const QSize &size)
{
    // Room on the left for the units text drawn after the chart.
    const int th = QFontMetrics(FFont).height();
    Chart->setMargins(QMargins(th + 6, 10, 14, 6));
    Chart->setPos(0, 0);
    Chart->resize(size);
    Chart->layout()->invalidate();
    Chart->layout()->activate();
}

void TChartEngine::Render(QPainter &canvas, const QRect &rect, const TPaintStep &under, const TPaintStep &over)
{
    const QSize size = ChartPictureSize(rect.width(), rect.height());
    if (size.isEmpty())
        return;
    Layout(size);
    // Painted in picture coordinates and stretched onto the target: texts scale with the rectangle.
    canvas.save();
    canvas.translate(rect.topLeft());
    canvas.scale(double(rect.width()) / size.width(), double(rect.height()) / size.height());
    canvas.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    canvas.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (under)
        under(canvas, size);
    FScene->render(&canvas, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size), Qt::IgnoreAspectRatio);
    if (over)
        over(canvas, size);
    canvas.restore();
}

void PaintDepthWalls(QPainter &painter, const QRectF &plot, int depth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPointF d(depth, -depth);
    painter.setPen(QPen(QColor(160, 160, 160), 0));
    painter.setBrush(QColor(245, 245, 245));
    painter.drawRect(plot.translated(d));
    // Floor and left wall joining the front plot area to the back wall.
    painter.setBrush(QColor(225, 225, 225));
    painter.drawPolygon(QPolygonF({plot.bottomLeft(), plot.bottomLeft() + d, plot.bottomRight() + d, plot.bottomRight()}));
    painter.drawPolygon(QPolygonF({plot.topLeft(), plot.topLeft() + d, plot.bottomLeft() + d, plot.bottomLeft()}));
    painter.restore();
}

void PaintBarDepth(QPainter &painter, const QRectF &front, const QColor &colour, int depth)
{
    if (front.width() <= 0 || front.height() <= 0)
        return;
    painter.save();
    const QPointF d(depth, -depth);
    painter.setPen(QPen(colour.darker(150), 0));
    painter.setBrush(colour.lighter(125));
    painter.drawPolygon(QPolygonF({front.topLeft(), front.topLeft() + d, front.topRight() + d, front.topRight()}));
    painter.setBrush(colour.darker(130));
    painter.drawPolygon(QPolygonF({front.topRight(), front.topRight() + d, front.bottomRight() + d, front.bottomRight()}));
    painter.restore();
}

void PaintLineDepth(QPainter &painter, const QList<QPointF> &points, const QColor &colour, int depth, double column)
{
    if (points.size() < 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF d(depth, -depth);
    QColor face = colour;
    face = QColor((face.red() + 3 * 235) / 4, (face.green() + 3 * 235) / 4, (face.blue() + 3 * 235) / 4);
    // One flat ribbon and its back edge: the depth reads clearly without cluttering the print.
    painter.setPen(QPen(face, 0));
    painter.setBrush(face);
    bool ascending = true;
    for (qsizetype i = 0; ascending && i + 1 < points.size(); ++i)
        ascending = points[i].x() < points[i + 1].x();
    const double spacing = (points.last().x() - points.first().x()) / double(points.size() - 1);
    if (ascending && spacing < column) {
        // Points closer than the target's pixels: the parallelograms would paint each column's
        // height over and over; the band they make up is painted once.
        const QPolygonF outline = SweptOutline(points, depth, column);
        if (PaintsVectors(painter))
            DrawVectorPolyline(painter, outline, true);
        else
            painter.drawPolygon(outline);
    } else {
        for (int i = 0; i + 1 < points.size(); ++i)
            painter.drawPolygon(QPolygonF({points[i], points[i + 1], points[i + 1] + d, points[i] + d}));
    }
    QPolygonF edge;
    edge.reserve(points.size());
    for (const QPointF &p : points)
        edge.append(p + d);
    double width = 1;
    const QTransform t = painter.transform();
    if (t.type() == QTransform::TxScale) {
        // A chart stretched a little unevenly onto its rectangle: a pen under such a scale is
        // stroked the slow general way, many times slower than the same lines drawn in device
        // pixels with the pen's width scaled by the mean of the two.
        edge = t.map(edge);
        width = std::sqrt(std::abs(t.m11() * t.m22()));
        painter.resetTransform();
    }
    painter.setPen(QPen(face.darker(115), width));
    painter.setBrush(Qt::NoBrush);
    if (PaintsVectors(painter)) {
        DrawVectorPolyline(painter, edge);
    } else {
        // Line by line: a wide pen over one long zigzag polyline is stroked as a single outline,
        // whose filling takes seconds for a few thousand points.
        QList<QLineF> lines;
        lines.reserve(edge.size() - 1);
        for (qsizetype i = 0; i + 1 < edge.size(); ++i)
            lines.append(QLineF(edge[i], edge[i + 1]));
        painter.drawLines(lines);
    }
    painter.restore();
}

void DrawVectorPolyline(QPainter &painter, const QPolygonF &points, bool closed)
{
    constexpr double Steps = 64;
    QPolygonF steps;
    steps.reserve(points.size());
    for (const QPointF &p : points) {
        const QPointF q(std::round(p.x() * Steps), std::round(p.y() * Steps));
        // A point on the straight way between its neighbours adds nothing to the line (whole
        // numbers: the test is exact). Flat tops and bottoms of a ribbon are full of them.
        const qsizetype n = steps.size();
        if (n >= 2) {
            const QPointF a = steps[n - 2], b = steps[n - 1];
            const double cross = (b.x() - a.x()) * (q.y() - a.y()) - (b.y() - a.y()) * (q.x() - a.x());
            const double along = (b.x() - a.x()) * (q.x() - b.x()) + (b.y() - a.y()) * (q.y() - b.y());
            if (cross == 0 && along > 0) {
                steps[n - 1] = q;
                continue;
            }
        }
        if (n == 0 || q != steps[n - 1])
            steps.append(q);
    }
    painter.save();
    QPen pen = painter.pen();
    if (!pen.isCosmetic())
        pen.setWidthF(pen.widthF() * Steps);
    // The line stands in for separate segments: round joins reach as far past each point as
    // their square ends did, so peaks and troughs keep their height.
    if (!closed)
        pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.scale(1 / Steps, 1 / Steps);
    if (closed)
        painter.drawPolygon(steps);
    else
        painter.drawPolyline(steps);
    painter.restore();
}

bool PaintsVectors(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine)
        return false;
    switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::Picture:
    case QPaintEngine::SVG:
        return true;
    default:
        return false;
    }
}
