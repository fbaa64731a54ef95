#include "TestBatchCells.h"
#include "TestSupport.h"
#include "UnitException.h"
#include "UnitPageItemChart.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QImage>
#include <QLocale>
#include <QPainter>

namespace {
class ContourItem : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterPageItemClasses();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    TCoverUnitsScope Units{0};
};

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

int Coloured(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            n += c.saturation() > 128 ? 1 : 0;
        }
    return n;
}

TPageItemChartContour *AddContour(TPage &page)
{
    page.Properties["PageType"].SetInteger(PageTypeInner);
    auto *item = static_cast<TPageItemChartContour *>(page.CreateItem(QStringLiteral("TPageItemChartContour")));
    item->Properties["Left"].SetFloat(10);
    item->Properties["Top"].SetFloat(10);
    item->Properties["Width"].SetFloat(180);
    item->Properties["Height"].SetFloat(150);
    item->Properties["BatchType"].SetInteger(1);
    return item;
}
} // namespace

TEST_F(ContourItem, DrawsTheSampleAndPagesLikeTheOverview)
{
    TPage page;
    TPageItemChartContour *item = AddContour(page);
    page.MakeSampleBatches();
    const TBatchItem &batch = page.Batches[1];
    ASSERT_EQ(batch.BatchFormat, BatchFormatGrid);
    // Whole grid on one page: bands drawn, no message, one page.
    item->Properties["GridColumnsPerPage"].SetInteger(255);
    item->Properties["GridRowsPerPage"].SetInteger(255);
    page.ResetPaging();
    EXPECT_GT(Coloured(DrawPage(page)), 1000);
    EXPECT_TRUE(item->LastProblem.isEmpty()) << item->LastProblem.toStdString();
    page.NextPage();
    EXPECT_TRUE(page.AllDone());

    // Two columns a page: as many pages as the overview would take.
    item->Properties["GridColumnsPerPage"].SetInteger(2);
    page.ResetPaging();
    int pages = 0;
    do {
        DrawPage(page);
        page.NextPage();
        ++pages;
    } while (!page.AllDone() && pages < 1000);
    EXPECT_EQ(pages, (batch.Columns + 1) / 2);

    // Unfilled: lines only, far less colour.
    item->Properties["GridColumnsPerPage"].SetInteger(255);
    item->Properties["Levels"].SetString(QStringLiteral("-800, -600"));
    item->Properties["Filled"].SetBoolean(false);
    page.ResetPaging();
    EXPECT_LT(Coloured(DrawPage(page)), 200);
}

TEST_F(ContourItem, PropertiesSurviveAFileAndBadLevelsAreRefused)
{
    TPage page;
    TPageItemChartContour *item = AddContour(page);
    item->Properties["Levels"].SetString(QStringLiteral("-300; -250 -200"));
    EXPECT_EQ(item->Properties["Levels"].AsString(), QStringLiteral("-300, -250, -200"));
    EXPECT_THROW(item->Properties["Levels"].SetString(QStringLiteral("-300, low")), Exception);
    item->Properties["StepHalfCell"].SetFloat(50);
    item->Properties["Labels"].SetBoolean(false);

    XmlNodeList nodes;
    page.SaveToXml(nodes, false);
    TPage copy;
    copy.LoadFromXml(nodes, true, false);
    ASSERT_EQ(copy.Count(), 1);
    const TPageItem &loaded = *copy.Item(0);
    EXPECT_EQ(loaded.ClassName(), QStringLiteral("TPageItemChartContour"));
    EXPECT_EQ(loaded.Properties["Levels"].AsString(), QStringLiteral("-300, -250, -200"));
    EXPECT_EQ(loaded.Properties["StepHalfCell"].AsFloat(), 50);
    EXPECT_FALSE(loaded.Properties["Labels"].AsBoolean());
}

TEST_F(ContourItem, LinearBatchShowsTheMessageOnce)
{
    TPage page;
    TPageItemChartContour *item = AddContour(page);
    TBatchItem &b = page.Batches[1];
    b.Clear();
    b.ID = QStringLiteral("L1");
    b.BatchType = BatchTypeHalfCell;
    b.BatchFormat = BatchFormatLinear;
    b.Columns = 1;
    b.Rows = 300;
    b.SetSize();
    for (int r = 0; r < 300; ++r)
        SetCell(b, 0, r, V(-100 - r));
    page.ResetPaging();
    const QImage image = DrawPage(page);
    EXPECT_EQ(item->LastProblem, QStringLiteral("Contour maps need a grid batch"));
    // The message stands where the map would be, in black on the paper.
    const QImage area = image.copy(page.ItemRect(10, 10, 180, 150));
    int inked = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            inked += area.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    EXPECT_GT(inked, 20);
    EXPECT_EQ(Coloured(image), 0);
    page.NextPage();
    EXPECT_TRUE(page.AllDone());
}
