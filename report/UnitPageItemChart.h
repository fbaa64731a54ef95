#pragma once
// The chart items of report pages: run chart, histogram, overview (colour map or linear table
// with its key) and the combined overview of both batches. The overview items page through large
// batches window by window.
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
