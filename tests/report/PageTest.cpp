#include "TestSupport.h"
#include "UnitException.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QImage>
#include <QPainter>

namespace {
TPageItemShape *AddShape(TPage &page, double l, double t, double w, double h, int anchor = 3)
{
    auto *s = page.AddItem<TPageItemShape>();
    s->Properties["Left"].SetFloat(l);
    s->Properties["Top"].SetFloat(t);
    s->Properties["Width"].SetFloat(w);
    s->Properties["Height"].SetFloat(h);
    s->Properties["Anchor"].SetInteger(anchor);
    return s;
}
} // namespace

namespace {
// An item whose drawing fails half way, after moving and clipping the canvas.
class TFailingItem : public TPageItem {
public:
    using TPageItem::TPageItem;
    QString ClassName() const override { return QStringLiteral("TFailingItem"); }
    void Draw() override
    {
        Page->Canvas->translate(100, 50);
        Page->Canvas->setClipRect(QRect(0, 0, 5, 5));
        throw Exception(QStringLiteral("Invalid histogram bin size"));
    }
};
} // namespace

TEST(Page, AnItemThatFailsLeavesTheCanvasAsItWas)
{
    TPage page;
    page.AddItem<TFailingItem>();
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    page.Canvas = &painter;
    page.PageRect = image.rect();
    EXPECT_THROW(page.DrawItem(*page.Item(0)), Exception);
    EXPECT_TRUE(painter.worldTransform().isIdentity());
    EXPECT_FALSE(painter.hasClipping());
    page.Canvas = nullptr;
}

TEST(Page, NewPageWithoutPrinterIsA4Portrait)
{
    TCoverUnitsScope mm(0);
    TPage page;
    EXPECT_DOUBLE_EQ(page.PageWidth(), 210.0);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 297.0);
    EXPECT_EQ(page.Properties["PaperSize"].DisplayText(), QStringLiteral("Default"));
    EXPECT_EQ(page.PageNumber, 1);
    EXPECT_EQ(page.GridSize, 10.0);
    EXPECT_FALSE(page.IsModified());
    // Page properties keep their creation order.
    QStringList names;
    for (int i = 0; i < page.Properties.Count(); ++i)
        names << page.Properties.Items(i).Name;
    EXPECT_EQ(names, (QStringList{"PageWidth", "PageHeight", "PageType", "PageOrientation", "PaperSize"}));
}

TEST(Page, PaperDetectionFollowsWidthAndHeight)
{
    {
        TPage page;
        page.Properties["PageWidth"].SetFloat(297);
        EXPECT_EQ(page.Properties["PaperSize"].AsInteger(), 0); // 297 x 297: Custom
        page.Properties["PageHeight"].SetFloat(210);
        EXPECT_EQ(page.Properties["PaperSize"].DisplayText(), QStringLiteral("A4"));
        EXPECT_DOUBLE_EQ(page.PageWidth(), 210.0); // applied in the effective (portrait) orientation
        EXPECT_DOUBLE_EQ(page.PageHeight(), 297.0);
    }
    {
        TPage page;
        page.Properties["PageOrientation"].SetInteger(2);
        EXPECT_DOUBLE_EQ(page.PageWidth(), 297.0);
        page.Properties["PageWidth"].SetFloat(297);
        page.Properties["PageHeight"].SetFloat(210);
        EXPECT_DOUBLE_EQ(page.PageWidth(), 297.0);
        EXPECT_DOUBLE_EQ(page.PageHeight(), 210.0);
    }
    {
        TPage page;
        page.Properties["PageWidth"].SetFloat(200);
        page.Properties["PageHeight"].SetFloat(200);
        EXPECT_EQ(page.Properties["PaperSize"].AsInteger(), 0);
        // Custom paper swaps its sides when the orientation turns.
        page.Properties["PageHeight"].SetFloat(100);
        page.Properties["PageOrientation"].SetInteger(2);
        EXPECT_DOUBLE_EQ(page.PageWidth(), 100.0);
        EXPECT_DOUBLE_EQ(page.PageHeight(), 200.0);
    }
}

TEST(Page, ItemsFollowTheirAnchorsWhenThePageGrows)
{
    TPage page;
    auto *fixed = AddShape(page, 10, 20, 30, 40, AnchorLeft | AnchorTop);
    auto *stretch = AddShape(page, 10, 20, 30, 40, 15);
    auto *corner = AddShape(page, 10, 20, 30, 40, AnchorRight | AnchorBottom);
    page.Properties["PageWidth"].SetFloat(310);  // +100
    page.Properties["PageHeight"].SetFloat(347); // +50
    EXPECT_DOUBLE_EQ(fixed->Left(), 10);
    EXPECT_DOUBLE_EQ(fixed->Width(), 30);
    EXPECT_DOUBLE_EQ(stretch->Left(), 10);
    EXPECT_DOUBLE_EQ(stretch->Width(), 130);
    EXPECT_DOUBLE_EQ(stretch->Height(), 90);
    EXPECT_DOUBLE_EQ(corner->Left(), 110);
    EXPECT_DOUBLE_EQ(corner->Top(), 70);
    EXPECT_DOUBLE_EQ(corner->Width(), 30);
    EXPECT_DOUBLE_EQ(corner->Height(), 40);
}

TEST(Page, NamesAreUniqueAndNegativeSizesBecomeZero)
{
    TPage page;
    auto *a = page.AddItem<TPageItemShape>();
    auto *b = page.AddItem<TPageItemShape>();
    EXPECT_EQ(a->Name(), QStringLiteral("Shape1"));
    EXPECT_EQ(b->Name(), QStringLiteral("Shape2"));
    page.Remove(a);
    EXPECT_EQ(page.AddItem<TPageItemShape>()->Name(), QStringLiteral("Shape1"));
    EXPECT_EQ(page.AddItem<TPageItemMemo>()->Name(), QStringLiteral("Memo1"));
    try {
        b->Properties["Name"].SetString(QStringLiteral("Shape1"));
        FAIL();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Item name already in use."));
    }
    EXPECT_EQ(b->Name(), QStringLiteral("Shape2"));
    b->Properties["Width"].SetDisplayText(QStringLiteral("-5"));
    EXPECT_EQ(b->Width(), 0.0);
    EXPECT_TRUE(page.IsModified());

    TPage full;
    for (int i = 0; i < 999; ++i)
        full.AddItem<TPageItemShape>();
    EXPECT_THROW(full.AddItem<TPageItemShape>(), Exception);
}

TEST(Page, PastedItemsKeepFreshNamesWhenTheirsAreTaken)
{
    TPage page;
    auto *shape = page.AddItem<TPageItemShape>();
    auto *memo = page.AddItem<TPageItemMemo>();
    memo->Properties["Name"].SetString(QStringLiteral("Title"));
    page.SelectOnly(shape);
    page.Select(memo);
    EXPECT_EQ(page.CurrentItem(), memo);
    XmlDocument clip;
    page.SaveToXml(clip.Nodes, true);
    EXPECT_TRUE(clip.Nodes.FindByName(QStringLiteral("Properties")).IsNull());

    page.Remove(memo);
    page.LoadFromXml(clip.Nodes, false, true);
    ASSERT_EQ(page.Count(), 3);
    EXPECT_EQ(page.Item(1)->Name(), QStringLiteral("Shape2")); // Shape1 was taken
    EXPECT_EQ(page.Item(2)->Name(), QStringLiteral("Title"));  // free again: kept
    EXPECT_FALSE(page.Item(0)->Selected);
    EXPECT_TRUE(page.Item(1)->Selected && page.Item(2)->Selected);
}

TEST(Page, XmlRoundTripKeepsItemsAndProperties)
{
    TPage page;
    page.Properties["PageType"].SetInteger(1);
    auto *s = AddShape(page, 5, 6, 7, 8);
    s->Properties["FillColor"].SetColour(0x00FF00);
    auto *m = page.AddItem<TPageItemMemo>();
    m->Properties["Text"].SetString(QStringLiteral("[Site]\r\nLine <2> & more"));
    page.AddItem<TPageItemChartOverview>();
    page.AddItem<TPageItemChartCombinedOverview>();
    XmlDocument doc;
    page.SaveToXml(doc.Nodes, false);
    const QString text = doc.SaveToText();
    EXPECT_TRUE(text.contains(QStringLiteral("<PageItemType>TPageItemChartCombinedOverview</PageItemType>")));

    XmlDocument reread;
    reread.Parse(text);
    TPage back;
    back.LoadFromXml(reread.Nodes, true, false);
    ASSERT_EQ(back.Count(), 4);
    EXPECT_EQ(back.PageType(), 1);
    EXPECT_EQ(back.Item(0)->ClassName(), QStringLiteral("TPageItemShape"));
    EXPECT_EQ(back.Item(0)->Properties["FillColor"].AsColour(), 0x00FF00);
    EXPECT_EQ(back.Item(1)->Properties["Text"].AsString(), m->Properties["Text"].AsString());
    XmlDocument again;
    back.SaveToXml(again.Nodes, false);
    EXPECT_EQ(again.SaveToText(), text);

    XmlDocument bad;
    bad.Parse(QStringLiteral("<PageItems><PageItem><PageItemType>TNoSuchItem</PageItemType></PageItem></PageItems>"));
    EXPECT_THROW(back.LoadFromXml(bad.Nodes, true, false), Exception);
}

TEST(Page, HitTestBandsAndTopmostItem)
{
    TPage page;
    page.PageRect = QRect(0, 0, 210, 297); // one pixel per millimetre
    AddShape(page, 10, 10, 100, 100);
    AddShape(page, 50, 50, 100, 100);
    const TPageItem *first = page.Item(0);
    EXPECT_EQ(first->HitTest(17, 17), 16);
    EXPECT_EQ(first->HitTest(16, 50), 1);
    EXPECT_EQ(first->HitTest(10, 10), 3);
    EXPECT_EQ(first->HitTest(110, 110), 12);
    EXPECT_EQ(first->HitTest(60, 104), 8);
    EXPECT_EQ(first->HitTest(9, 50), 0);
    EXPECT_EQ(page.ItemAt(60, 60), 1);
    EXPECT_EQ(page.ItemAt(20, 20), 0);
    EXPECT_EQ(page.ItemAt(200, 280), -1);
}

TEST(Page, LaterItemsCoverEarlierOnesAndHandlesComeLast)
{
    TPage page;
    QImage image(210, 297, QImage::Format_RGB32);
    QPainter painter(&image);
    page.Canvas = &painter;
    page.PageRect = image.rect();
    auto *red = AddShape(page, 10, 10, 100, 100);
    red->Properties["FillColor"].SetColour(0x0000FF);
    auto *blue = AddShape(page, 50, 50, 100, 100);
    blue->Properties["FillColor"].SetColour(0xFF0000);
    page.SelectOnly(red);
    page.Draw();
    painter.end();
    EXPECT_EQ(image.pixel(60, 60), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 0, 0));
    // The handle at red's bottom-right corner inverts the blue it lies on.
    EXPECT_EQ(image.pixel(107, 107), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(200, 290), qRgb(255, 255, 255));
}

TEST(Page, PlaceRectAndPicturePlacement)
{
    const QRect a(10, 20, 101, 51);
    EXPECT_EQ(PlaceRect(a, 20, 10, 0), QRect(10, 20, 20, 10));
    EXPECT_EQ(PlaceRect(a, 21, 11, 4), QRect(60 - 10, 45 - 5, 20, 10)); // odd sizes lose a pixel
    EXPECT_EQ(PlaceRect(a, 20, 10, 8), QRect(91, 61, 20, 10));
    EXPECT_EQ(PlaceRect(a, 20, 10, 5), QRect(91, 40, 20, 10));

    TPage page;
    page.PageRect = QRect(0, 0, 2100, 2970); // ten pixels per millimetre
    auto *g = page.AddItem<TPageItemGraphic>();
    g->Properties["Width"].SetFloat(50);
    g->Properties["Height"].SetFloat(50);
    g->Properties["Alignment"].SetInteger(4);
    EXPECT_EQ(g->PictureRect(QSize(400, 100)), QRect(0, 250 - 62, 500, 124));
    g->Properties["AspectRatio"].SetInteger(1);
    EXPECT_EQ(g->PictureRect(QSize(400, 100)), QRect(0, 0, 500, 500));
}

TEST(Page, SampleBatchesAndBatchTypes)
{
    TPage page;
    const TBatchItem &cover = page.Batches[0];
    const TBatchItem &half = page.Batches[1];
    EXPECT_EQ(cover.Columns, 32);
    EXPECT_EQ(cover.Rows, 12);
    EXPECT_EQ(cover.ValidCount(), 384);
    EXPECT_EQ(cover.Value(0, 0), 50);
    EXPECT_EQ(cover.Value(7, 0), 55);
    EXPECT_GE(cover.Min(), 21);
    EXPECT_LE(cover.Max(), 69);
    EXPECT_EQ(half.Value(5, 0), -990);
    EXPECT_GE(half.Min(), -990);
    EXPECT_LE(half.Max(), -380);
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 32; ++c)
            EXPECT_EQ(static_cast<int>(half.Value(c, r)) % 10, 0);
    EXPECT_EQ(half.CellType, QStringLiteral("CU/CUSO4"));
    EXPECT_EQ(cover.ID, QStringLiteral("Example Batch"));

    page.Properties["PageType"].SetInteger(1);
    auto *h = page.AddItem<TPageItemChartHistogram>();
    h->Properties["BatchType"].SetInteger(1);
    EXPECT_EQ(page.AddItem<TPageItemMemo>()->BatchType(), 1); // the page's first data type
    EXPECT_EQ(page.UsedBatchTypes(), 2);
    page.AddItem<TPageItemChartCombinedOverview>();
    EXPECT_EQ(page.UsedBatchTypes(), 3);
    EXPECT_TRUE(page.HasBatches());
    page.ClearBatches();
    EXPECT_FALSE(page.HasBatches());
    page.SwitchBatchType(1, 0);
    EXPECT_EQ(h->BatchType(), 0);
}
