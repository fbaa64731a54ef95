#include "TestSupport.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitReport.h"
#include "UnitWorkingReport.h"

namespace {
class WorkingReportTest : public IsolatedTest {
protected:
    void SetUp() override { RegisterPageItemClasses(); }

    // A page of the type; `needs` 0 no data item, 1 cover, 2 half-cell, 3 both (one combined
    // overview); the page's name goes into its "PageWidth" so pages can be told apart.
    static TPage *AddPage(TReport &report, int pageType, int needs, double tag)
    {
        TPage *page = report.AddPage();
        page->Properties["PaperSize"].SetInteger(0);
        page->Properties["PageType"].SetInteger(pageType);
        page->Properties["PageWidth"].SetFloat(tag);
        page->AddItem<TPageItemShape>();
        if (needs == 3) {
            page->AddItem<TPageItemChartCombinedOverview>();
        } else if (needs == 1 || needs == 2) {
            auto *memo = page->AddItem<TPageItemMemo>();
            memo->Properties["BatchType"].SetInteger(needs - 1);
        }
        return page;
    }

    static void AddBatch(TBatchList &list, const QString &id, int type)
    {
        TBatchItem *b = list.Add();
        b->ID = id;
        b->BatchType = static_cast<std::uint8_t>(type);
    }

    // Each page as "<tag>:<cover ID>/<half-cell ID>".
    static QStringList Describe(const TReport &report)
    {
        QStringList pages;
        for (int i = 0; i < report.Count(); ++i) {
            const TPage &p = *report.Pages(i);
            pages << QStringLiteral("%1:%2/%3").arg(p.PageWidth()).arg(p.Batches[0].ID, p.Batches[1].ID);
        }
        return pages;
    }
};
} // namespace

TEST_F(WorkingReportTest, InnerPagesFollowTheBatchesAndTheirPartners)
{
    // Opening 100, inner pages: 201 cover, 202 half-cell, 203 both, 204 no data; closing 300.
    TReport design;
    AddPage(design, PageTypeOpening, 0, 100);
    AddPage(design, PageTypeInner, 1, 201);
    AddPage(design, PageTypeInner, 2, 202);
    AddPage(design, PageTypeInner, 3, 203);
    AddPage(design, PageTypeInner, 0, 204);
    AddPage(design, PageTypeClosing, 0, 300);
    const QString sampleId = design.Pages(1)->Batches[0].ID;
    struct Case {
        const char *Name;
        std::vector<std::pair<QString, int>> Batches;
        QStringList Pages;
    };
    const std::vector<Case> cases = {
        {"no batch", {}, {"100:/", "300:/"}},
        {"cover A with half-cell A",
         {{"A", 0}, {"A", 1}},
         {"100:/", "201:A/", "203:A/A", "204:/", "202:/A", "204:/", "300:/"}},
        {"half-cell A before cover A",
         {{"A", 1}, {"A", 0}},
         {"100:/", "202:/A", "204:/", "201:A/", "203:A/A", "204:/", "300:/"}},
        {"cover A with half-cell B",
         {{"A", 0}, {"B", 1}},
         {"100:/", "201:A/", "204:/", "202:/B", "204:/", "300:/"}},
        {"two cover batches", {{"A", 0}, {"C", 0}}, {"100:/", "201:A/", "204:/", "201:C/", "204:/", "300:/"}},
    };
    for (const Case &c : cases) {
        TBatchList batches;
        for (const auto &[id, type] : c.Batches)
            AddBatch(batches, id, type);
        TReport working;
        AssembleWorkingReport(working, {&design}, batches);
        EXPECT_EQ(Describe(working), c.Pages) << c.Name;
        for (int i = 0; i < working.Count(); ++i)
            EXPECT_EQ(working.Pages(i)->PageNumber, i + 1) << c.Name;
    }
    // The design itself is never filled.
    EXPECT_EQ(design.Pages(1)->Batches[0].ID, sampleId);
}

TEST_F(WorkingReportTest, SeveralDesignsInOrderAndAnInvalidBatchType)
{
    TReport first, second;
    AddPage(first, PageTypeInner, 1, 11);
    AddPage(first, PageTypeClosing, 0, 12);
    AddPage(second, PageTypeOpening, 0, 21);
    AddPage(second, PageTypeInner, 1, 22);
    TBatchList batches;
    AddBatch(batches, QStringLiteral("A"), 0);
    TReport working;
    AssembleWorkingReport(working, {&first, &second}, batches);
    EXPECT_EQ(Describe(working), (QStringList{"11:A/", "12:/", "21:/", "22:A/"}));
    AssembleWorkingReport(working, {}, batches);
    EXPECT_EQ(working.Count(), 0);
    AddBatch(batches, QStringLiteral("X"), 2);
    EXPECT_EQ(MessageOf([&] { AssembleWorkingReport(working, {&first}, batches); }), QStringLiteral("Invalid Batch Type"));
}

TEST_F(WorkingReportTest, ContinuationPagesFollowTheirPage)
{
    // A 40-column grid overview continues over several sheets.
    TReport design;
    TPage *page = AddPage(design, PageTypeInner, 0, 210);
    page->Properties["PageHeight"].SetFloat(297);
    auto *overview = page->AddItem<TPageItemChartOverview>();
    overview->Properties["Width"].SetFloat(60);
    overview->Properties["Height"].SetFloat(60);
    AddPage(design, PageTypeClosing, 0, 300);
    TBatchList batches;
    TBatchItem *b = batches.Add();
    b->ID = QStringLiteral("Wide");
    b->BatchType = BatchTypeCover;
    b->Columns = 120;
    b->Rows = 80;
    b->Grid = 100;
    b->SetSize();
    TReport single;
    single.Assign(&design);
    single.FillWithBatches(b, nullptr);
    ASSERT_GT(single.Count(), 2) << "the overview should need more than one sheet";
    TReport working;
    AssembleWorkingReport(working, {&design}, batches);
    ASSERT_EQ(working.Count(), single.Count());
    for (int i = 0; i + 1 < working.Count(); ++i)
        EXPECT_EQ(working.Pages(i)->Batches[0].ID, QStringLiteral("Wide"));
    EXPECT_EQ(working.Pages(working.Count() - 1)->PageWidth(), 300);
}

TEST_F(WorkingReportTest, ReselectionKeepsAValidPageElseTheFirstInnerPage)
{
    TReport working;
    EXPECT_EQ(ReselectedPage(working, 0), -1);
    AddPage(working, PageTypeOpening, 0, 1);
    AddPage(working, PageTypeOpening, 0, 2);
    EXPECT_EQ(ReselectedPage(working, -1), 0);
    AddPage(working, PageTypeInner, 0, 3);
    AddPage(working, PageTypeClosing, 0, 4);
    EXPECT_EQ(ReselectedPage(working, 3), 3);
    EXPECT_EQ(ReselectedPage(working, 4), 2);
    EXPECT_EQ(ReselectedPage(working, -1), 2);
}

TEST_F(WorkingReportTest, DifferencePagesCompareWithTheLastEarlierSurveyOfTheSameGrid)
{
    // Inner pages: 201 a cover memo, 202 a cover difference map; an opening page with a difference
    // map too, which no batch can fill.
    TReport design;
    TPage *opening = AddPage(design, PageTypeOpening, 0, 100);
    opening->AddItem<TPageItemChartDifference>();
    AddPage(design, PageTypeInner, 1, 201);
    TPage *difference = AddPage(design, PageTypeInner, 0, 202);
    difference->AddItem<TPageItemChartDifference>()->Properties["BatchType"].SetInteger(0);
    TBatchList batches;
    const auto add = [&batches](const QString &id, int type, int size, double created) {
        TBatchItem *b = batches.Add();
        b->ID = id;
        b->BatchType = static_cast<std::uint8_t>(type);
        b->Columns = b->Rows = size;
        b->SetSize();
        b->CreationDate = created;
    };
    // Selection order is not time order: D is the latest, B the first, C another grid, H half-cell.
    add(QStringLiteral("D"), 0, 4, 40);
    add(QStringLiteral("B"), 0, 4, 10);
    add(QStringLiteral("C"), 0, 3, 20);
    add(QStringLiteral("M"), 0, 4, 30);
    add(QStringLiteral("H"), 1, 4, 5);
    TReport working;
    AssembleWorkingReport(working, {&design}, batches);
    QStringList pages;
    for (int i = 0; i < working.Count(); ++i) {
        const TPage &p = *working.Pages(i);
        pages << QStringLiteral("%1:%2<%3").arg(p.PageWidth()).arg(p.Batches[0].ID, p.EarlierBatches[0].ID);
    }
    // The opening page keeps its place; only D (base M) and M (base B) have an earlier survey.
    EXPECT_EQ(pages, (QStringList{"100:<", "201:D<", "202:D<M", "201:B<", "201:C<", "201:M<", "202:M<B"}));
    // Pages without a comparison hold no copy of an earlier survey.
    EXPECT_TRUE(working.Pages(1)->EarlierBatches[0].ID.isEmpty());
}
