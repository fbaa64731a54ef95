#pragma once
// Two grid batches of the same area together: the primary batch as the colour map, the readings
// of the secondary batch printed on top at their true positions.
#include "UnitChartOverview.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <array>

class TChartCombinedOverview : public TOverviewWindow {
public:
    QString FontName = QStringLiteral("Arial");
    int CellFontSize = 8;
    std::array<TBatchItem, 2> Batches; // by batch type: 0 cover, 1 half-cell
    double WarningBand = 30.0;
    std::array<TGradiantHelper, 2> Gradients;
    std::uint8_t Method = cmWarning;
    double Threshold = 0;
    std::uint8_t PrimaryIndex = 0;
    std::uint8_t SecondaryIndex = 0;

    // The owned batch of an index (0 or 1; anything else gives the cover batch).
    TBatchItem &BatchOf(int index) { return Batches[index == 1 ? 1 : 0]; }
    void SetPrimary(std::uint8_t batchType);
    void Draw(QPainter &canvas, const QRect &rect);
    const TOverviewLayout &LastLayout() const { return FLayout; }

private:
    TOverviewLayout FLayout;
};
