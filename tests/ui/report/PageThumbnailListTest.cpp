// The page list with thumbnails: drawing only the rows painted, keeping thumbnails of unchanged
// pages across a rebuild, drawing a changed page again, and the rows of "No Thumbnail".
#include "TestSupport.h"
#include "UnitPageItemShape.h"
#include "UnitPageThumbnailList.h"
#include "UnitReport.h"

#include <QImage>
#include <QScrollBar>

namespace {

class PageThumbnailListTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        RegisterPageItemClasses();
        for (int i = 0; i < 30; ++i) {
            auto *shape = Report.AddPage()->AddItem<TPageItemShape>();
            shape->Properties["Name"].SetString(QStringLiteral("Shape%1").arg(i));
        }
        List.resize(400, 300);
        List.show();
    }
    // Paints the list as the screen does (offscreen windows are not painted by themselves).
    void Paint()
    {
        QImage screen(List.viewport()->size(), QImage::Format_RGB32);
        List.viewport()->render(&screen);
    }
    TReport Report;
    TPageThumbnailList List;
};

TEST_F(PageThumbnailListTest, DrawsOnlyPaintedRowsAndKeepsUnchangedPages)
{
    List.SetReport(&Report);
    Paint();
    const int firstScreen = List.ThumbnailsDrawn();
    EXPECT_GT(firstScreen, 0);
    EXPECT_LT(firstScreen, 10) << "rows off screen are not drawn";

    // A rebuild after a page command: the same pages draw nothing again.
    List.SetReport(&Report);
    Paint();
    EXPECT_EQ(List.ThumbnailsDrawn(), firstScreen);

    // A page changed in place is drawn again; a moved page keeps its picture.
    Report.Pages(0)->Item(0)->Properties["Left"].SetFloat(120);
    List.PageChanged(0);
    Paint();
    EXPECT_EQ(List.ThumbnailsDrawn(), firstScreen + 1);
    Report.MovePage(1, 0);
    List.SetReport(&Report);
    Paint();
    EXPECT_EQ(List.ThumbnailsDrawn(), firstScreen + 1);

    List.verticalScrollBar()->setValue(List.verticalScrollBar()->maximum());
    Paint();
    EXPECT_GT(List.ThumbnailsDrawn(), firstScreen + 1);
    EXPECT_LT(List.ThumbnailsDrawn(), Report.Count());
}

TEST_F(PageThumbnailListTest, NoThumbnailKeepsNumbersAndQualityChangeRedraws)
{
    List.SetQuality(2);
    List.SetReport(&Report);
    const QModelIndex row = List.model()->index(4, 0);
    EXPECT_EQ(row.data().toString(), QStringLiteral("5"));
    const QImage empty = List.Thumbnail(4).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(empty.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(empty.pixel(32, 32)), 0) << "no picture: the row shows nothing but its number";

    List.SetQuality(0);
    const QImage drawn = List.Thumbnail(4).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(drawn.pixel(32, 32)), 255) << "the page itself is opaque";
    EXPECT_EQ(qAlpha(drawn.pixel(1, 32)), 0) << "beside a portrait page the background shows";
}

TEST_F(PageThumbnailListTest, SelectionAndColumns)
{
    List.SetColumns({QStringLiteral("Number"), QStringLiteral("Type")}, [](const TPage &page, int index, int column) {
        return column == 0 ? QString::number(index + 1) : QString::number(page.PageType());
    });
    List.SetReport(&Report);
    EXPECT_EQ(List.model()->columnCount(), 2);
    EXPECT_EQ(List.SelectedPage(), -1);
    List.SelectPage(25);
    EXPECT_EQ(List.SelectedPage(), 25);
    EXPECT_EQ(List.currentIndex().row(), 25);
    List.SetReport(nullptr);
    EXPECT_EQ(List.model()->rowCount(), 0);
    EXPECT_EQ(List.SelectedPage(), -1);
}

} // namespace
