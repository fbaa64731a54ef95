#pragma once
// The equipotential (or equal cover) map of a grid batch: bands between contour levels filled
// from the colour ramp, the isolines on top with their values, a legend of the levels, and the
// cell positions and labels of the overview map.
#include "UnitChartOverview.h"
#include "UnitContour.h"

#include <QList>
#include <QPainter>
#include <QRect>
#include <QString>

class TChartContour : public TOverviewWindow {
public:
    QString FontName = QStringLiteral("Arial");
    int LabelFontSize = 8; // points, the isoline values
    TBatchItem Batch;
    QList<double> Levels; // internal units; empty: the batch's default levels
    double Step = 0;      // internal units; positive: every multiple of it instead of Levels
    bool Filled = true;
    bool Labels = true;
    bool Legend = true;

    // Raises "Contour maps need a grid batch" for a linear batch or a grid narrower than 2 x 2.
    void Draw(QPainter &canvas, const QRect &rect);
    const TOverviewLayout &LastLayout() const { return FLayout; }
    // The levels the last Draw used, ascending.
    const QList<double> &LastLevels() const { return FLastLevels; }

private:
    void DrawLegend(QPainter &canvas, const TEdges &area, TGradiantHelper &gradient);

    TOverviewLayout FLayout;
    QList<double> FLastLevels;
};
