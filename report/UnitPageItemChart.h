#pragma once
// The chart items of report pages: run chart, histogram, overview (colour map or linear table
// with its key), the combined overview of both batches, and the evaluations: the cumulative
// distribution and the difference map of a batch and its earlier survey. The overview and
// difference items page through large batches window by window.
#include "UnitPage.h"

class TPageItemChartRun : public TPageItemSingleData {
public:
    explicit TPageItemChartRun(TPage *page);
    ~TPageItemChartRun() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartRun"); }
    void Draw() override;
};

class TPageItemChartHistogram : public TPageItemSingleData {
public:
    explicit TPageItemChartHistogram(TPage *page);
    ~TPageItemChartHistogram() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartHistogram"); }
    void Draw() override;
};

class TPageItemChartOverview : public TPageItemSingleData {
public:
    explicit TPageItemChartOverview(TPage *page);
    ~TPageItemChartOverview() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartOverview"); }
    void Assign(const TPersistent *source) override;
    void Draw() override;
    void ResetPaging() override;
    void NextPage() override;

    int FirstRow = 0;
    int FirstColumn = 0;
};

class TPageItemChartCombinedOverview : public TPageItemData {
public:
    explicit TPageItemChartCombinedOverview(TPage *page);
    ~TPageItemChartCombinedOverview() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartCombinedOverview"); }
    int BatchTypes() const override { return 3; }
    void Assign(const TPersistent *source) override;
    void Draw() override;
    void ResetPaging() override;
    void NextPage() override;
    int PrimaryType() const;

    int FirstRow = 0;
    int FirstColumn = 0;
};

// The cumulative distribution of the item's batch on a normal-probability axis.
class TPageItemChartCumulative : public TPageItemSingleData {
public:
    explicit TPageItemChartCumulative(TPage *page);
    ~TPageItemChartCumulative() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartCumulative"); }
    void Draw() override;
};

// The per-cell change from the page's earlier survey of the item's batch type to its batch, as a
// colour map (or linear table) with its key.
class TPageItemChartDifference : public TPageItemSingleData {
public:
    explicit TPageItemChartDifference(TPage *page);
    ~TPageItemChartDifference() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartDifference"); }
    void Assign(const TPersistent *source) override;
    void Draw() override;
    void ResetPaging() override;
    void NextPage() override;
    const TBatchItem &EarlierBatch() const;
    int EarlierBatchTypes() const override { return BatchTypes(); }

    int FirstRow = 0;
    int FirstColumn = 0;
    QString LastProblem; // why the last drawing showed no map; empty when it did
};
