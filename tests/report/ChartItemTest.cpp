#include "TestSupport.h"
#include "UnitPageItemChart.h"

#include <QImage>
#include <QPainter>
#include <vector>

namespace {
void FillBatch(TBatchItem &b, std::uint8_t type, std::uint8_t format, int columns, int rows)
{
    b.Clear();
    b.ID = QStringLiteral("Big");
    b.BatchType = type;
    b.BatchFormat = format;
    b.Columns = columns;
    b.Rows = rows;
    b.Grid = 100;
    b.SetSize();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            b.SetReadingType(c, r, ReadingTypeReading);
            b.SetValue(c, r, type == BatchTypeCover ? 20 + (c + r) % 50 : -200 - 10 * ((c * r) % 50));
        }
    b.Readings = b.ValidCount();
}

// The paging windows an item goes through, as (first row, first column).
template <class T> std::vector<std::pair<int, int>> Windows(T &item)
{
    std::vector<std::pair<int, int>> windows;
    item.ResetPaging();
    do {
        windows.emplace_back(item.FirstRow, item.FirstColumn);
        item.NextPage();
    } while (!item.Done && windows.size() < 100);
    return windows;
}
} // namespace

TEST(ChartItems, GridPagesInBandsOfRowsLeftToRight)
{
    TPage page;
    page.Properties["PageType"].SetInteger(PageTypeInner);
    FillBatch(page.Batches[0], BatchTypeCover, BatchFormatGrid, 60, 25);
    auto *o = page.AddItem<TPageItemChartOverview>();
    const std::vector<std::pair<int, int>> expected = {{0, 0},  {0, 25},  {0, 50},  {10, 0}, {10, 25},
                                                       {10, 50}, {20, 0}, {20, 25}, {20, 50}};
    EXPECT_EQ(Windows(*o), expected);

    // The combined item pages by its primary batch.
    FillBatch(page.Batches[1], BatchTypeHalfCell, BatchFormatGrid, 30, 5);
    auto *c = page.AddItem<TPageItemChartCombinedOverview>();
    EXPECT_EQ(Windows(*c).size(), 9u);
    c->Properties["PrimaryBatchType"].SetInteger(1);
    EXPECT_EQ(Windows(*c), (std::vector<std::pair<int, int>>{{0, 0}, {0, 25}}));
}

TEST(ChartItems, LinearPagesByTableSize)
{
    TPage page;
    FillBatch(page.Batches[0], BatchTypeCover, BatchFormatLinear, 10, 45);
    auto *o = page.AddItem<TPageItemChartOverview>();
    EXPECT_EQ(Windows(*o), (std::vector<std::pair<int, int>>{{0, 0}, {200, 0}, {400, 0}}));
    // Sizes that bypassed the bounds (set as raw values) still page: one row of ten a page,
    // not the same window for ever.
    o->Properties["LinearRowsPerPage"].Value = 0;
    EXPECT_EQ(Windows(*o).size(), 45u);
    o->Properties["LinearColumnsPerPage"].Value = -5;
    EXPECT_EQ(Windows(*o).size(), 100u); // one reading a page: capped by the helper at 100
    EXPECT_EQ(Windows(*o)[1], (std::pair<int, int>{1, 0}));
}

TEST(ChartItems, DefaultsAndClamping)
{
    TPage page;
    auto *o = page.AddItem<TPageItemChartOverview>();
    EXPECT_EQ(o->Name(), QStringLiteral("ChartOverview1"));
    EXPECT_EQ(o->Properties["ColorGradiant"].AsInteger(), 0);
    EXPECT_EQ(o->Properties["GridLineMethod"].AsInteger(), 1);
    EXPECT_EQ(o->Properties["CellColor"].Caption, QStringLiteral("CellColour"));
    struct TCase {
        const char *Name;
        int Typed, Stored;
    };
    for (const TCase &c : {TCase{"KeySteps", 1, 2}, TCase{"KeySteps", 40, 15}, TCase{"GridColumnsPerPage", 0, 1},
                           TCase{"GridRowsPerPage", 300, 255}, TCase{"LinearRowsPerPage", -4, 1}}) {
        o->Properties[c.Name].SetDisplayText(QString::number(c.Typed));
        EXPECT_EQ(o->Properties[c.Name].AsInteger(), c.Stored) << c.Name;
    }
    auto *combined = page.AddItem<TPageItemChartCombinedOverview>();
    EXPECT_EQ(combined->Properties.IndexOf(QStringLiteral("CellColor")), -1);
    EXPECT_GE(combined->Properties.IndexOf(QStringLiteral("PrimaryBatchType")), 0);
    EXPECT_EQ(combined->BatchTypes(), 3);
    EXPECT_EQ(page.AddItem<TPageItemChartRun>()->Properties["LineColor"].AsColour(), 0xC0C0C0);
    EXPECT_TRUE(page.AddItem<TPageItemChartHistogram>()->Properties["BarGap"].AsBoolean());
}

namespace {
// Rows of the picture that hold anything but white.
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

QImage DrawPage(TPage &page)
{
    QImage image(420, 594, QImage::Format_RGB32);
    QPainter painter(&image);
    page.Canvas = &painter;
    page.PageRect = image.rect();
    page.Draw();
    page.Canvas = nullptr;
    return image;
}
} // namespace

TEST(ChartItems, DrawOnlyOnInnerPagesWithABatch)
{
    for (const char *cls : {"TPageItemChartRun", "TPageItemChartHistogram", "TPageItemChartOverview",
                            "TPageItemChartCombinedOverview"}) {
        TPage page;
        TPageItem *item = page.CreateItem(QString::fromLatin1(cls));
        item->Properties["Left"].SetFloat(10);
        item->Properties["Top"].SetFloat(10);
        item->Properties["Width"].SetFloat(150);
        item->Properties["Height"].SetFloat(150);
        const QRect area(20, 20, 300, 300);
        EXPECT_EQ(InkedRows(DrawPage(page), area), 0) << cls; // opening page
        page.Properties["PageType"].SetInteger(PageTypeInner);
        EXPECT_GT(InkedRows(DrawPage(page), area), 100) << cls;
        page.ClearBatches();
        EXPECT_EQ(InkedRows(DrawPage(page), area), 0) << cls;
    }
}

TEST(ChartItems, KeyStripAtTheBottomUnlessHidden)
{
    TPage page;
    page.Properties["PageType"].SetInteger(PageTypeInner);
    auto *o = page.AddItem<TPageItemChartOverview>();
    o->Properties["Width"].SetFloat(200);
    o->Properties["Height"].SetFloat(100);
    o->Properties["SquareCells"].SetBoolean(false);
    // Two pixels per millimetre: the key is the strip 180-200 of the item, the gap 160-180 blank.
    const QImage with = DrawPage(page);
    EXPECT_EQ(InkedRows(with, QRect(0, 162, 400, 16)), 0);
    EXPECT_GT(InkedRows(with, QRect(0, 180, 400, 20)), 5);
    o->Properties["ShowLegend"].SetBoolean(false);
    const QImage without = DrawPage(page);
    EXPECT_GT(InkedRows(without, QRect(0, 160, 400, 20)), 5); // the map takes the full height
}
