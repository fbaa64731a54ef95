#include "TestBatchCells.h"
#include "TestSupport.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QImage>
#include <QLocale>
#include <QPainter>

namespace {
class EvaluationItems : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterPageItemClasses();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    TCoverUnitsScope Units{0};
};

void MakeBatch(TBatchItem &b, std::uint8_t type, int columns, int rows, const std::vector<TCell> &cells)
{
    b.Clear();
    b.ID = QStringLiteral("E1");
    b.BatchType = type;
    b.Columns = columns;
    b.Rows = rows;
    b.Grid = 100;
    b.SetSize();
    SetCells(b, cells);
}

QImage DrawPage(TPage &page)
{
    QImage image(420, 594, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.Canvas = &painter;
    page.PageRect = image.rect();
    page.Draw();
    page.Canvas = nullptr;
    return image;
}

int InkedRows(const QImage &image, const QRect &area)
{
    int rows = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                ++rows;
                break;
            }
    return rows;
}

void Place(TPageItem *item)
{
    item->Properties["Left"].SetFloat(10);
    item->Properties["Top"].SetFloat(10);
    item->Properties["Width"].SetFloat(150);
    item->Properties["Height"].SetFloat(150);
}
} // namespace

TEST_F(EvaluationItems, MemoFieldsOnAnInnerPage)
{
    TPage page;
    page.Properties["PageType"].SetInteger(PageTypeInner);
    auto *memo = page.AddItem<TPageItemMemo>();
    const auto show = [&](const char *text) {
        memo->Properties["Text"].SetString(QString::fromUtf8(text));
        return memo->SubstitutedText();
    };

    MakeBatch(page.Batches[1], BatchTypeHalfCell, 3, 2, {V(-150), V(-250), E(), V(-400), V(-420), Over()});
    page.Batches[1].CellType = QStringLiteral("CU/CUSO4");
    memo->Properties["BatchType"].SetInteger(1);
    EXPECT_EQ(show("[CorrosionLow]/[CorrosionIntermediate]/[CorrosionHigh]"), QStringLiteral("1/1/2"));
    EXPECT_EQ(show("[PerCorrosionLow] [PerCorrosionIntermediate] [PerCorrosionHigh]"),
              QStringLiteral("25.0% 25.0% 50.0%"));
    EXPECT_EQ(show("<[Quantile5][Quantile10][NormalQuantile5][Quantile5MeetsLowLimit]>"), QStringLiteral("<>"));
    // On "AG/AGCL" the same readings are 81 mV more negative against CU/CUSO4: -150 is -231.
    page.Batches[1].CellType = QStringLiteral("AG/AGCL");
    EXPECT_EQ(show("[CorrosionLow]/[CorrosionIntermediate]/[CorrosionHigh]"), QStringLiteral("0/2/2"));

    // Cover: 20, 22, ... 58 mm; the 5 % quantile at rank 0.95 is 21.9, the 10 % one 23.8, the
    // normal value 39 - 1.645 x 11.832 = 19.5.
    std::vector<TCell> cells;
    for (int i = 0; i < 20; ++i)
        cells.push_back(V(20 + 2 * i));
    MakeBatch(page.Batches[0], BatchTypeCover, 5, 4, cells);
    memo->Properties["BatchType"].SetInteger(0);
    EXPECT_EQ(show("[Quantile5] | [Quantile10] | [NormalQuantile5]"), QStringLiteral("21.9 mm | 23.8 mm | 19.5 mm"));
    EXPECT_EQ(show("[Quantile5MeetsLowLimit]"), QStringLiteral("-")); // no low limit applied
    page.Batches[0].LowLimitApplied = true;
    page.Batches[0].LowLimit = 22; // 21.9 shows as 22 mm: reached
    EXPECT_EQ(show("[Quantile5MeetsLowLimit]"), QStringLiteral("Yes"));
    page.Batches[0].LowLimit = 23;
    EXPECT_EQ(show("[Quantile5MeetsLowLimit]"), QStringLiteral("No"));
    SetCell(page.Batches[0], 4, 3, E());
    EXPECT_EQ(show("[Quantile5MeetsLowLimit]"), QStringLiteral("Not enough readings"));
    EXPECT_EQ(show("<[CorrosionLow][PerCorrosionHigh]>"), QStringLiteral("<>"));
    {
        TCoverUnitsScope inches(1); // nineteen readings now: rank 1.8 gives 23.6 mm
        EXPECT_EQ(show("[Quantile10]"), FormatCoverFine(23.6) + QStringLiteral(" in"));
    }
    MakeBatch(page.Batches[0], BatchTypeCover, 2, 1, {E(), Under()});
    EXPECT_EQ(show("[Quantile5] [NormalQuantile5]"), QStringLiteral("- -"));

    // No batch: empty; elsewhere than on an inner page: the notice, as for every field.
    page.Batches[0].ID.clear();
    EXPECT_EQ(show("<[Quantile5]>"), QStringLiteral("<>"));
    page.Properties["PageType"].SetInteger(PageTypeOpening);
    EXPECT_EQ(show("[CorrosionHigh]"), QStringLiteral("Data values only available on inner pages"));

    // Stored English names, shown in the user's language and back.
    for (int i = MemoEvaluationFieldFirst; i < MemoAllFieldCount; ++i) {
        const QString marker = QLatin1Char('[') + MemoFieldName(i) + QLatin1Char(']');
        EXPECT_EQ(TPageItemMemo::ToStoredText(TPageItemMemo::ToDisplayText(marker)), marker);
        EXPECT_FALSE(MemoFieldButtonCaption(i).isEmpty());
    }
    EXPECT_EQ(MemoFieldName(39), QStringLiteral("CorrosionLow"));
    EXPECT_EQ(MemoFieldName(48), QStringLiteral("Quantile5MeetsLowLimit"));
    EXPECT_EQ(MemoFieldCount, 39); // the text editor's historic buttons stay as they were
}

TEST_F(EvaluationItems, RegisteredLikeTheOtherItems)
{
    TPage page;
    auto *cumulative = page.CreateItem(QStringLiteral("TPageItemChartCumulative"));
    auto *difference = page.CreateItem(QStringLiteral("TPageItemChartDifference"));
    EXPECT_EQ(cumulative->Name(), QStringLiteral("ChartCumulative1"));
    EXPECT_EQ(difference->Name(), QStringLiteral("ChartDifference1"));
    EXPECT_EQ(cumulative->Properties["PointColor"].AsColour(), 0x800000);
    EXPECT_EQ(cumulative->Properties["PointColor"].Caption, QStringLiteral("PointColour"));
    EXPECT_TRUE(cumulative->Properties["ShowLegend"].AsBoolean());
    EXPECT_TRUE(cumulative->Properties["Grid"].AsBoolean());
    EXPECT_EQ(difference->Properties["ColorGradiant"].AsInteger(), 2); // MaxMin
    EXPECT_EQ(difference->Properties.IndexOf(QStringLiteral("WarningLimit")), -1);
    EXPECT_EQ(difference->Properties.IndexOf(QStringLiteral("CellColor")), -1);
    EXPECT_GE(difference->Properties.IndexOf(QStringLiteral("CellText")), 0);
    EXPECT_GE(difference->Properties.IndexOf(QStringLiteral("BatchType")), 0);
    difference->Properties["KeySteps"].SetDisplayText(QStringLiteral("40"));
    EXPECT_EQ(difference->Properties["KeySteps"].AsInteger(), 15);

    // Through the page's file form and back, by class name.
    cumulative->Properties["Grid"].SetBoolean(false);
    XmlDocument doc;
    page.SaveToXml(doc.Nodes, false);
    XmlDocument reread;
    reread.Parse(doc.SaveToText());
    TPage loaded;
    loaded.LoadFromXml(reread.Nodes, true, false);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.Item(0)->ClassName(), QStringLiteral("TPageItemChartCumulative"));
    EXPECT_FALSE(loaded.Item(0)->Properties["Grid"].AsBoolean());
    EXPECT_EQ(loaded.Item(1)->ClassName(), QStringLiteral("TPageItemChartDifference"));
    EXPECT_EQ(loaded.Item(1)->Properties["KeySteps"].AsInteger(), 15);
}

TEST_F(EvaluationItems, DrawOnlyOnInnerPagesWithTheirBatches)
{
    for (const char *cls : {"TPageItemChartCumulative", "TPageItemChartDifference"}) {
        SCOPED_TRACE(cls);
        TPage page; // with the sample batches and their earlier surveys
        Place(page.CreateItem(QString::fromLatin1(cls)));
        const QRect area(20, 20, 300, 300);
        EXPECT_EQ(InkedRows(DrawPage(page), area), 0); // opening page
        page.Properties["PageType"].SetInteger(PageTypeInner);
        EXPECT_GT(InkedRows(DrawPage(page), area), 100);
        page.ClearBatches();
        EXPECT_EQ(InkedRows(DrawPage(page), area), 0);
    }
}

TEST_F(EvaluationItems, DifferenceNeedsTheEarlierSurveyOfTheSameGrid)
{
    TPage page;
    page.Properties["PageType"].SetInteger(PageTypeInner);
    auto *d = page.AddItem<TPageItemChartDifference>();
    Place(d);
    const QRect area(20, 20, 300, 300);
    page.EarlierBatches[0].Clear(); // only the later survey
    EXPECT_EQ(InkedRows(DrawPage(page), area), 0);
    EXPECT_TRUE(d->LastProblem.isEmpty());

    MakeBatch(page.EarlierBatches[0], BatchTypeCover, 4, 3, {V(30)});
    DrawPage(page);
    EXPECT_EQ(d->LastProblem, QStringLiteral("The surveys do not have the same grid (4 x 3 and 32 x 12)"));

    MakeSampleEarlierBatch(page.Batches[0], page.EarlierBatches[0]);
    EXPECT_GT(InkedRows(DrawPage(page), area), 100);
    EXPECT_TRUE(d->LastProblem.isEmpty());

    // Pages through a large grid like the overview: 32 columns at 25 per page.
    std::vector<std::pair<int, int>> windows;
    d->ResetPaging();
    do {
        windows.emplace_back(d->FirstRow, d->FirstColumn);
        d->NextPage();
    } while (!d->Done && windows.size() < 20);
    EXPECT_EQ(windows, (std::vector<std::pair<int, int>>{{0, 0}, {0, 25}, {10, 0}, {10, 25}}));
}

TEST_F(EvaluationItems, DifferenceDrawsTheWindowItPagesBy)
{
    TPage page;
    page.Properties["PageType"].SetInteger(PageTypeInner);
    auto *d = page.AddItem<TPageItemChartDifference>();
    Place(d);
    MakeSampleEarlierBatch(page.Batches[0], page.EarlierBatches[0]);
    // Sizes that bypassed the bounds: paging takes one column and one row a page, so the map
    // must show that cell, not an empty window on every one of the 384 pages.
    d->Properties["GridColumnsPerPage"].Value = 0;
    d->Properties["GridRowsPerPage"].Value = -2;
    const QRect map(20, 20, 300, 255); // above the key
    EXPECT_GT(InkedRows(DrawPage(page), map), 100);
    EXPECT_TRUE(d->LastProblem.isEmpty());
    d->NextPage();
    EXPECT_EQ((std::pair<int, int>(d->FirstRow, d->FirstColumn)), (std::pair<int, int>(0, 1)));
}

TEST_F(EvaluationItems, CopiesOfAPageKeepTheEarlierSurveys)
{
    TPage page;
    TPage copy;
    copy.Assign(&page);
    ASSERT_FALSE(page.EarlierBatches[1].ID.isEmpty());
    EXPECT_EQ(copy.EarlierBatches[1].ID, page.EarlierBatches[1].ID);
    EXPECT_EQ(copy.EarlierBatches[1].Value(2, 2), page.EarlierBatches[1].Value(2, 2));
    EXPECT_NE(page.EarlierBatches[1].Value(2, 2), page.Batches[1].Value(2, 2));
}
