#pragma once
// The cumulative distribution of a batch's valid readings on a normal-probability axis: each
// reading sorted against the percentage of readings at or below it, with the corrosion class
// boundaries of a half-cell batch or the applied limits of a cover batch as vertical lines. A
// normal distribution gives a straight line; bends show separate populations.
#include "UnitBatchList.h"
#include "UnitChartCanvas.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

// A vertical line of the plot: its value (display units), colour and legend text.
struct TCumulativeLine {
    double Value = 0;
    QColor Colour;
    QString Title;
};

// Geometry and scales of the last drawing.
struct TCumulativeLayout {
    bool Visible = false;
    TEdges Plot;               // the plot area
    TEdges Legend;             // the legend strip below the axis title; empty without a legend
    double XMin = 0, XMax = 1; // value axis, display units
    double ZMin = 0, ZMax = 1; // probability axis, standard normal quantiles
    double PercentMin = 0, PercentMax = 0;
    std::vector<double> PercentTicks; // labelled percentages, ascending
    std::vector<double> ValueTicks;   // labelled values, ascending
    std::vector<QPointF> Points;      // pixel centre of each reading, in ascending order
    std::vector<TCumulativeLine> Lines;
    QString AxisTitle;

    double XOf(double displayValue) const;
    double YOf(double percent) const;
};

// The percentages the probability axis may label, ascending.
const std::vector<double> &CumulativePercentTicks();
// The lines a batch's plot carries: half-cell: the class boundaries -200 and -350 mV on
// CU/CUSO4, on the batch's own reference cell; cover: the applied limits.
std::vector<TCumulativeLine> CumulativeLines(const TBatchItem &batch);

class TChartCumulative {
public:
    QString FontName = QStringLiteral("Arial");
    TBatchItem Batch;
    QColor PointColour = QColor(0, 0, 128);
    bool Grid = true;
    bool ShowLegend = true;

    void Draw(QPainter &canvas, const QRect &rect);
    const TCumulativeLayout &LastLayout() const { return FLayout; }

private:
    TCumulativeLayout FLayout;
};
