#pragma once
// The charting engine behind the run chart and the histogram: a Qt Charts chart in its own
// off-screen scene, set up for printing, rendered at a size whose longer side is 800 pixels and
// stretched onto the target rectangle.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QChart;
class QGraphicsScene;
class QValueAxis;
class QAbstractAxis;
class QAbstractSeries;
class QLineSeries;

// Size of the picture a chart is rendered at: the longer side 800 pixels, the shorter one in
// proportion (rounded half up); empty for a rectangle without area.
QSize ChartPictureSize(int width, int height);
// A tick interval of 1, 2 or 5 times a power of ten giving about `ticks` intervals over `span`.
double NiceTickInterval(double span, int ticks = 5);

class TChartEngine {
public:
    TChartEngine();
    ~TChartEngine();
    TChartEngine(const TChartEngine &) = delete;
    TChartEngine &operator=(const TChartEngine &) = delete;

    QChart *Chart = nullptr; // owned by the scene
    QValueAxis *AxisLeft = nullptr;
    QAbstractAxis *AxisBottom = nullptr; // a QValueAxis or a QCategoryAxis, set by the renderer

    // Puts the bottom axis (a QValueAxis or a QCategoryAxis) on the chart in the look of the left
    // axis: no minor ticks, black line and labels.
    void AttachBottomAxis(QValueAxis *axis);
    // Attaches a series to the chart and both axes.
    void AddSeries(QAbstractSeries *series);
    void ShowInLegend(QAbstractSeries *series, bool visible);
    // FontName in 8-point size on the axis labels, the bottom axis title and the legend.
    void SetFontName(const QString &name);
    QFont ChartFont() const { return FFont; }
    void SetGrid(bool visible);
    void SetLegendVisible(bool visible);
    // The chart options both charts offer, applied at every drawing.
    void ApplyOptions(bool showLegend, bool grid, const QString &fontName);
    // A fast line series with a title and a colour.
    QLineSeries *MakeLimitSeries(const QString &title, const QColor &colour);
    // The limit lines of the run chart and the histogram: "   High Limit   " in RGB(0, 128, 0)
    // and "   Low Limit   " in RGB(255, 0, 0), not yet added to the chart.
    void MakeLimitLines(QLineSeries *&high, QLineSeries *&low);
    // The depth drawn under a 3D chart: back walls, then `faces` (the depth faces of the series)
    // clipped to the plot area widened by the depth.
    void PaintDepthUnder(QPainter &painter, const std::function<void(const QRectF &plot)> &faces) const;

    using TPaintStep = std::function<void(QPainter &painter, const QSize &size)>;
    // Lays the chart out at the picture size and paints: white background, `under` (depth faces
    // behind the series), the chart, `over` (texts drawn after the chart). Nothing for an empty
    // rectangle.
    void Render(QPainter &canvas, const QRect &rect, const TPaintStep &under, const TPaintStep &over);
    // Lays the chart out at a size without painting (for tests and geometry).
    void Layout(const QSize &size);

private:
    std::unique_ptr<QGraphicsScene> FScene;
    QFont FFont;
};

// True where the painter records or writes vectors (a PDF, a printer, a picture, SVG) rather than
// filling pixels. There one polyline stores a long line in far fewer bytes than its segments, while
// a pixel target strokes a wide polyline as one slow outline and draws it faster segment by segment.
bool PaintsVectors(const QPainter &painter);
// A polyline (or with `closed` a polygon) for a vector target, with the painter's pen (a polyline
// with round joins) and brush.
// The points go in 1/64 of the painter's units, rounded: a PDF writes whole numbers in half the
// bytes of fractions, and no point moves by more than 1/128 of a unit.
void DrawVectorPolyline(QPainter &painter, const QPolygonF &points, bool closed = false);

// Depth of the three-dimensional look in picture pixels.
constexpr int ChartDepth = 10;
// Back wall and floor of a 3D plot area, offset up and to the right.
void PaintDepthWalls(QPainter &painter, const QRectF &plot, int depth);
// Top and side faces of a bar whose front face is `front`.
void PaintBarDepth(QPainter &painter, const QRectF &front, const QColor &colour, int depth);
// A ribbon behind a line through the points. Where the points lie closer together than `column`
// (a pixel column of the target, in the painter's units), the ribbon is painted as the one band
// it makes up instead of piece by piece.
void PaintLineDepth(QPainter &painter, const QList<QPointF> &points, const QColor &colour, int depth,
                    double column = 0);
