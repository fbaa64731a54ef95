#pragma once
// A linear batch as a table: columns of numbered readings, each coloured by value.
#include "UnitGradiantHelper.h"

#include <QPainter>
#include <QRect>
#include <QString>

class TChartLinearView {
public:
    QString FontName = QStringLiteral("Arial");
    int CellFontSize = 8;
    double WarningBand = 30.0;
    bool CellColour = false;
    bool CellText = false;
    bool GreyScale = false;
    int FirstReading = 0; // zero-based index of the first reading shown
    TBatchItem Batch;
    int RowsPerColumn = 0;
    int TableColumns = 0;
    TGradiantHelper Gradient;
    std::uint8_t Method = cmWarning;
    double Threshold = 0;

    void Draw(QPainter &canvas, const QRect &rect);
};
