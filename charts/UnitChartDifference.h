#pragma once
// The difference of two surveys of the same grid: the per-cell change (later minus earlier) drawn
// as the overview colour map with its key, for following a structure over the years.
#include "UnitChartOverview.h"

#include <QPainter>
#include <QRect>
#include <QString>

class TChartDifference : public TOverviewWindow {
public:
    QString FontName = QStringLiteral("Arial");
    int CellFontSize = 8;
    bool CellText = false;
    int KeySteps = 15;
    std::uint8_t Method = cmMaxMin;
    // Stored units (mm or mV); the "Threshold" method fails a change below it (a loss of cover,
    // a potential grown more negative, with the default 0).
    double Threshold = 0;
    TBatchItem Earlier;
    TBatchItem Later;

    // The difference batch of the last drawing, and why none could be made (empty when it could).
    const TBatchItem &Difference() const { return FDifference; }
    const QString &Problem() const { return FProblem; }
    const TOverviewLayout &LastLayout() const { return FMap.LastLayout(); }
    const TKeyLayout &LastKeyLayout() const { return FKey.LastLayout(); }

    // Builds the difference, then draws the map into `map` and, unless `key` is empty, the key
    // into `key`. Surveys that cannot be compared get their reason written in the map rectangle.
    void Draw(QPainter &canvas, const QRect &map, const QRect &key);
    // The difference of the two batches (an empty batch, and the reason, when they differ).
    void Update();

private:
    TBatchItem FDifference;
    QString FProblem;
    TChartOverview FMap;
    TChartOverviewKey FKey;
};
