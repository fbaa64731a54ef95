#pragma once
// The run chart: every valid reading of a batch in order, as a line or as bars, with horizontal
// lines at the applied limits.
#include "UnitBatchList.h"
#include "UnitChartEngine.h"

#include <QList>
#include <QPointF>

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
    QValueAxis *AxisLeft() const { return Engine.AxisLeft; }
    QValueAxis *AxisBottom() const;
    bool LeftAxisAutomatic = false;
};
