#pragma once
// The distribution of a batch's readings as a bar chart: equal bins by Sturges' rule, each bar
// labelled with its bin centre and topped with its count, the applied limits as vertical lines.
#include "UnitBatchList.h"
#include "UnitChartEngine.h"

#include <QStringList>
#include <vector>

class QBarSeries;
class QBarSet;
class QCategoryAxis;

// The bins of one drawing, in display units.
struct THistogramBins {
    int N = 0;       // valid readings
    double Lo = 0;   // smallest and largest display value (widened when equal)
    double Hi = 0;
    int K = 0;       // bin count estimate
    double Size = 0; // bin width
    int Bins = 0;
    double Start = 0; // left edge of bin 0
    std::vector<int> Counts;
    std::vector<double> Centres;
    QStringList Labels;
    int MaxCount = 0;
    bool HighLine = false, LowLine = false;
    double HighX = 0, LowX = 0; // limit positions
    int LineTop = 0;            // height of the limit lines
};

// Sorts the batch's valid readings into bins; raises "Invalid histogram bin size" for a bin width
// of zero.
THistogramBins ComputeHistogramBins(const TBatchItem &batch);

class TChartHistogram {
public:
    TChartHistogram();
    ~TChartHistogram();
    TChartHistogram(const TChartHistogram &) = delete;
    TChartHistogram &operator=(const TChartHistogram &) = delete;

    TChartEngine Engine;
    QChart *Chart = nullptr;
    QBarSeries *BarSeries = nullptr;
    QLineSeries *HighLimitSeries = nullptr; // "   High Limit   ", RGB(0, 128, 0)
    QLineSeries *LowLimitSeries = nullptr;  // "   Low Limit   ", RGB(255, 0, 0)
    QString FontName = QStringLiteral("Arial");
    TBatchItem Batch;
    QColor BarColour = Qt::black;
    bool View3D = false;
    bool Grid = false;
    bool BarGap = false; // bars 70 % of the slot instead of 100 %
    bool ShowLegend = false;
    bool ShowMarkFrame = false;

    void Draw(QPainter &canvas, const QRect &rect);

    // The bins of the last Draw, and the axes (the bottom axis runs in bin slots: bin q at q).
    THistogramBins LastBins;
    QValueAxis *AxisLeft() const { return Engine.AxisLeft; }
    QCategoryAxis *AxisBottom() const;
    // Text of a bar's mark: its count, empty for a count of 0.
    static QString MarkText(int count);

private:
    QBarSet *FBarSet = nullptr;
};
