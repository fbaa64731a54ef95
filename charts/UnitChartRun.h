#pragma once
// The run chart: every valid reading of a batch in order, as a line or as bars, with horizontal
// lines at the applied limits.
#include "UnitBatchList.h"
#include "UnitChartEngine.h"

#include <QList>
#include <QPointF>

// The points a line through `points` needs when pixel column k spans x0 + k * width up to
// x0 + (k + 1) * width: of the points falling into each column, the first, the lowest, the highest
// and the last, in their order. A line through them covers the same pixels as one through every
// point, since within a column it still runs from the first point over the whole vertical extent
// to the last one, and joins the neighbouring columns as before. Points must come in ascending x;
// with no more than four points per column on average they are returned unchanged.
QList<QPointF> ThinToPixelColumns(const QList<QPointF> &points, double x0, double width);

class TChartRun {
public:
    TChartRun();
    ~TChartRun();
    TChartRun(const TChartRun &) = delete;
    TChartRun &operator=(const TChartRun &) = delete;

    TChartEngine Engine;
    QChart *Chart = nullptr;
    QLineSeries *HighLimitSeries = nullptr; // "   High Limit   ", RGB(0, 128, 0)
    QLineSeries *LowLimitSeries = nullptr;  // "   Low Limit   ", RGB(255, 0, 0)
    QString FontName = QStringLiteral("Arial");
    TBatchItem Batch;
    bool View3D = false;
    bool Grid = false;
    QColor LineColour = Qt::black;
    bool ShowLegend = false;
    std::uint8_t ChartType = 0; // 0 "Line", 1 "Bar"

    void Draw(QPainter &canvas, const QRect &rect);

    // What the last Draw put on the chart (display units): the data points, and the axes.
    QList<QPointF> Points;
    // The points of the line as drawn: Points thinned to the pixel columns of the plot.
    QList<QPointF> DrawnPoints;
    QValueAxis *AxisLeft() const { return Engine.AxisLeft; }
    QValueAxis *AxisBottom() const;
    bool LeftAxisAutomatic = false;
};
