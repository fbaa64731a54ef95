#include "UnitChartEngine.h"
#include "UnitUnits.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
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
// Convex hull of a few points (monotone chain), counter-clockwise.
QPolygonF ConvexHull(QList<QPointF> p)
{
    std::sort(p.begin(), p.end(), [](const QPointF &a, const QPointF &b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    const auto cross = [](const QPointF &o, const QPointF &a, const QPointF &b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF hull;
    for (int pass = 0; pass < 2; ++pass) {
        const qsizetype start = hull.size();
        for (const QPointF &q : p) {
            while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.last(), q) <= 0)
                hull.removeLast();
            hull.append(q);
        }
        hull.removeLast(); // the first point of the other chain
        std::reverse(p.begin(), p.end());
    }
    return hull;
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
    high = MakeLimitSeries(QStringLiteral("   High Limit   "), QColor(0, 128, 0));
    low = MakeLimitSeries(QStringLiteral("   Low Limit   "), QColor(255, 0, 0));
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
    for (qsizetype i = 0; i + 1 < points.size();) {
        // The run i .. j stays within one column; it joins the next run as a plain segment.
        qsizetype j = i + 1;
        double left = std::min(points[i].x(), points[j].x()), right = std::max(points[i].x(), points[j].x());
        while (j + 1 < points.size()) {
            const double x = points[j + 1].x();
            if (std::max(right, x) - std::min(left, x) >= column)
                break;
            left = std::min(left, x);
            right = std::max(right, x);
            ++j;
        }
        if (j == i + 1 || right - left >= column) {
            j = i + 1;
            painter.drawPolygon(QPolygonF({points[i], points[j], points[j] + d, points[i] + d}));
        } else {
            QList<QPointF> run = points.mid(i, j - i + 1);
            for (qsizetype k = i; k <= j; ++k)
                run.append(points[k] + d);
            painter.drawPolygon(ConvexHull(run));
        }
        i = j;
    }
    painter.setPen(QPen(face.darker(115), 1));
    painter.setBrush(Qt::NoBrush);
    // Line by line: a wide pen over one long zigzag polyline is stroked as a single outline,
    // whose filling takes seconds for a few thousand points.
    QList<QLineF> edge;
    edge.reserve(points.size() - 1);
    for (int i = 0; i + 1 < points.size(); ++i)
        edge.append(QLineF(points[i] + d, points[i + 1] + d));
    painter.drawLines(edge);
    painter.restore();
}
