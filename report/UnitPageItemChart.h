#pragma once
// The chart items of report pages: run chart, histogram, overview (colour map or linear table
// with its key), the combined overview of both batches, and the evaluations: the cumulative
// distribution, the difference map of a batch and its earlier survey, and the contour map. The overview and
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

// An item that pages through a large batch window by window: the window starts at FirstRow and
// FirstColumn (for a linear batch, FirstRow is the first reading) and advances by the item's
// rows and columns per page. A copy of an item of the same class keeps its window.
template <class TSelf, class TBase> class TPageItemPaged : public TBase {
public:
    using TBase::TBase;
    void Assign(const TPersistent *source) override;
    void ResetPaging() override;
    void NextPage() override;

    int FirstRow = 0;
    int FirstColumn = 0;

protected:
    // The batch whose size the window follows.
    virtual const TBatchItem &PagedBatch() const = 0;
};

class TPageItemChartOverview : public TPageItemPaged<TPageItemChartOverview, TPageItemSingleData> {
public:
    explicit TPageItemChartOverview(TPage *page);
    ~TPageItemChartOverview() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartOverview"); }
    void Draw() override;

protected:
    const TBatchItem &PagedBatch() const override { return Batch(); }
};

class TPageItemChartCombinedOverview : public TPageItemPaged<TPageItemChartCombinedOverview, TPageItemData> {
public:
    explicit TPageItemChartCombinedOverview(TPage *page);
    ~TPageItemChartCombinedOverview() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartCombinedOverview"); }
    int BatchTypes() const override { return 3; }
    void Draw() override;
    int PrimaryType() const;

protected:
    const TBatchItem &PagedBatch() const override;
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
class TPageItemChartDifference : public TPageItemPaged<TPageItemChartDifference, TPageItemSingleData> {
public:
    explicit TPageItemChartDifference(TPage *page);
    ~TPageItemChartDifference() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartDifference"); }
    void Draw() override;
    const TBatchItem &EarlierBatch() const;
    int EarlierBatchTypes() const override { return BatchTypes(); }

    QString LastProblem; // why the last drawing showed no map; empty when it did

protected:
    const TBatchItem &PagedBatch() const override { return Batch(); }
};

// The contour map of the item's batch: bands between levels, isolines with their values and a
// legend of the levels, paged through a large grid window by window like the overview. A linear
// batch shows the contour code's message instead of a map.
class TPageItemChartContour : public TPageItemPaged<TPageItemChartContour, TPageItemSingleData> {
public:
    explicit TPageItemChartContour(TPage *page);
    ~TPageItemChartContour() override;
    QString ClassName() const override { return QStringLiteral("TPageItemChartContour"); }
    void Draw() override;
    void NextPage() override;

    QString LastProblem; // why the last drawing showed no map; empty when it did

protected:
    const TBatchItem &PagedBatch() const override { return Batch(); }
};
