// The page designer surface driven by mouse events on an offscreen editor: selection, insertion,
// moving, resizing, snapping, zoom, rulers, read-only previews and the item clipboard.
#include "PageDesignerSupport.h"
#include "TestSupport.h"
#include "UnitPageDesigner.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitUnits.h"
#include "UnitXml.h"
#include "UnitfocClipboard.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace {

class PageDesignerTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        CurrentCoverUnits = 0;
        Designer.resize(640, 500);
        Designer.SetPageEditor(Editor);
        Designer.SetTopRuler(&Top);
        Designer.SetLeftRuler(&Left);
        Left.SetRulerType(rtVertical);
        Designer.SetZoomType(ztPageWidth);
        Designer.show();
        Designer.UpdateLayout();
        Editor->OnSelectItem = [this] { ++Selections; };
        Editor->OnAddedItem = [this] { ++Additions; };
    }
    TPage &Page() { return Editor->Page(); }
    TPageItemShape *Shape(double left, double top, double width, double height)
    {
        auto *s = Page().AddItem<TPageItemShape>();
        s->Properties["Left"].SetFloat(left);
        s->Properties["Top"].SetFloat(top);
        s->Properties["Width"].SetFloat(width);
        s->Properties["Height"].SetFloat(height);
        return s;
    }
    QPoint At(double xmm, double ymm) { return {Page().ToPixelX(xmm), Page().ToPixelY(ymm)}; }
    // Middle of an item on screen.
    QPoint Middle(const TPageItem *item) { return item->PixelRect().center(); }

    TPageDesigner Designer;
    TPageEditor *Editor = new TPageEditor;
    TPageRuler Top, Left;
    int Selections = 0;
    int Additions = 0;
};

TEST_F(PageDesignerTest, PageRectKeepsMarginAndProportions)
{
    EXPECT_EQ(PageRectFor(440, 340, 210, 297), QRect(20, 20, 212, 300));
    EXPECT_EQ(PageRectFor(440, 1000, 210, 297), QRect(20, 20, 400, 566));
    EXPECT_EQ(PageRectFor(30, 30, 210, 297), QRect(20, 20, 0, 0));
    EXPECT_EQ(PageRectFor(440, 340, 0, 297), QRect(20, 20, 0, 0));
}

TEST_F(PageDesignerTest, CursorTable)
{
    struct Case {
        int code;
        Qt::CursorShape hover, pressed;
    };
    const Case cases[] = {
        {0, Qt::ArrowCursor, Qt::ArrowCursor},         {16, Qt::SizeAllCursor, Qt::SizeAllCursor},
        {3, Qt::SizeFDiagCursor, Qt::CrossCursor},     {12, Qt::SizeFDiagCursor, Qt::CrossCursor},
        {6, Qt::SizeBDiagCursor, Qt::CrossCursor},     {9, Qt::SizeBDiagCursor, Qt::CrossCursor},
        {1, Qt::SizeHorCursor, Qt::CrossCursor},       {4, Qt::SizeHorCursor, Qt::CrossCursor},
        {2, Qt::SizeVerCursor, Qt::CrossCursor},       {8, Qt::SizeVerCursor, Qt::CrossCursor},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CursorForCode(c.code, false), c.hover) << c.code;
        EXPECT_EQ(CursorForCode(c.code, true), c.pressed) << c.code;
    }
}

TEST_F(PageDesignerTest, PaintsFrameShadowAndFace)
{
    QImage image(Editor->size(), QImage::Format_RGB32);
    Editor->render(&image);
    const QRect r = Editor->PageRect();
    EXPECT_EQ(image.pixelColor(r.topLeft()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(r.center()), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(r.right() + 1, r.center().y()), QColor(Qt::black)); // shadow
    EXPECT_EQ(image.pixelColor(5, 5), Editor->palette().color(QPalette::Button));
}

TEST_F(PageDesignerTest, ClickOnEmptyPageClearsSelection)
{
    TPageItemShape *s = Shape(50, 50, 40, 30);
    Editor->SelectItem(s);
    Selections = 0;
    Click(Editor, At(150, 200));
    EXPECT_EQ(Page().SelectedCount(), 0);
    EXPECT_EQ(Selections, 1);
}

TEST_F(PageDesignerTest, CtrlClickTogglesOnlyThatItem)
{
    TPageItemShape *a = Shape(20, 20, 40, 30);
    TPageItemShape *b = Shape(100, 100, 40, 30);
    Editor->SelectItem(a);
    Click(Editor, Middle(b), Qt::ControlModifier);
    EXPECT_TRUE(a->Selected);
    EXPECT_TRUE(b->Selected);
    EXPECT_EQ(Page().CurrentItem(), b);
    Click(Editor, Middle(a), Qt::ControlModifier);
    EXPECT_FALSE(a->Selected);
    EXPECT_TRUE(b->Selected);
    // Ctrl on empty page keeps the selection.
    Click(Editor, At(150, 250), Qt::ControlModifier);
    EXPECT_TRUE(b->Selected);
}

TEST_F(PageDesignerTest, ArmedClickWithoutDragMakesTenthOfPage)
{
    Editor->BeginInsert(QStringLiteral("TPageItemMemo"));
    EXPECT_EQ(Editor->InsertState(), TPageEditor::isArmed);
    const QPoint p = At(30, 40);
    Click(Editor, p);
    ASSERT_EQ(Page().Count(), 1);
    auto *memo = dynamic_cast<TPageItemMemo *>(Page().Item(0));
    ASSERT_NE(memo, nullptr);
    EXPECT_DOUBLE_EQ(memo->Width(), Page().PageWidth() / 10);
    EXPECT_DOUBLE_EQ(memo->Height(), Page().PageHeight() / 10);
    EXPECT_DOUBLE_EQ(memo->Left(), Page().ToMillimetreX(p.x()));
    EXPECT_DOUBLE_EQ(memo->Top(), Page().ToMillimetreY(p.y()));
    EXPECT_FALSE(memo->Creating);
    EXPECT_TRUE(memo->Selected);
    EXPECT_EQ(Editor->InsertState(), TPageEditor::isIdle);
    EXPECT_EQ(Additions, 1);
}

TEST_F(PageDesignerTest, ArmedDragSizesItemAndPresetsApply)
{
    TProperty &preset = Editor->Presets().Add(QStringLiteral("LineWidth"), pkInteger, 4);
    Editor->Presets().Add(QStringLiteral("NotAShapeProperty"), pkInteger, 1);
    (void)preset;
    Editor->BeginInsert(QStringLiteral("TPageItemShape"));
    Press(Editor, At(20, 20));
    Drag(Editor, At(60, 50));
    ASSERT_EQ(Page().Count(), 1);
    EXPECT_TRUE(Page().Item(0)->Creating);
    Release(Editor, At(60, 50));
    TPageItem *s = Page().Item(0);
    EXPECT_NEAR(s->Width(), 40, 1);
    EXPECT_NEAR(s->Height(), 30, 1);
    EXPECT_EQ(s->Properties["LineWidth"].AsInteger(), 4);
}

TEST_F(PageDesignerTest, CancelInsertDestroysItemBeingCreated)
{
    Editor->BeginInsert(QStringLiteral("TPageItemShape"));
    Press(Editor, At(20, 20));
    ASSERT_EQ(Page().Count(), 1);
    Editor->CancelInsert();
    EXPECT_EQ(Page().Count(), 0);
    EXPECT_EQ(Editor->InsertState(), TPageEditor::isIdle);
    Release(Editor, At(20, 20));
    EXPECT_EQ(Page().Count(), 0);
}

TEST_F(PageDesignerTest, RightHandleDraggedPastLeftEdgeTurnsOver)
{
    TPageItemShape *s = Shape(50, 50, 30, 30);
    Editor->SelectItem(s);
    const QRect r = s->PixelRect();
    const QPoint handle(r.left() + r.width() - 2, r.center().y());
    Press(Editor, handle);
    EXPECT_EQ(Editor->ActiveCode(), 4);
    Drag(Editor, At(30, 65));
    EXPECT_EQ(Editor->ActiveCode(), 1);
    Release(Editor, At(30, 65));
    EXPECT_GT(s->Width(), 0);
    EXPECT_NEAR(s->Left(), 30, 0.5);
    EXPECT_NEAR(s->Left() + s->Width(), 50, 0.01);
    EXPECT_DOUBLE_EQ(s->Height(), 30);
}

TEST_F(PageDesignerTest, TopHandleDraggedBelowBottomTurnsOver)
{
    TPageItemShape *s = Shape(50, 50, 30, 30);
    Editor->SelectItem(s);
    const QRect r = s->PixelRect();
    Press(Editor, QPoint(r.center().x(), r.top() + 2));
    EXPECT_EQ(Editor->ActiveCode(), 2);
    Drag(Editor, At(65, 100));
    EXPECT_EQ(Editor->ActiveCode(), 8);
    Release(Editor, At(65, 100));
    EXPECT_NEAR(s->Top(), 80, 0.01);
    EXPECT_NEAR(s->Height(), 20, 0.5);
}

TEST_F(PageDesignerTest, SnapMovesLeftOnToNextStep)
{
    Page().SnapToGrid = true;
    TPageItemShape *s = Shape(0, 0, 40, 30);
    TPageItemShape *other = Shape(50, 40, 20, 20);
    Page().SelectOnly(other);
    Page().Select(s); // s is the current item
    const QPoint from = Middle(s);
    const double scale = Page().PageRect.width() / Page().PageWidth();
    const QPoint to = from + QPoint(static_cast<int>(std::lround(11.3 * scale)), 0);
    Press(Editor, from);
    Drag(Editor, to);
    Release(Editor, to);
    EXPECT_DOUBLE_EQ(s->Left(), 15);
    EXPECT_DOUBLE_EQ(s->Top(), 0);
    // The other selected item keeps its distance to the current one.
    EXPECT_DOUBLE_EQ(other->Left(), 65);
    EXPECT_DOUBLE_EQ(other->Top(), 40);
}

TEST_F(PageDesignerTest, MoveStartsOnlyAfterFivePixels)
{
    TPageItemShape *s = Shape(50, 50, 40, 30);
    Page().ClearModified();
    const QPoint from = Middle(s);
    Press(Editor, from);
    Drag(Editor, from + QPoint(4, 4));
    Drag(Editor, from + QPoint(-4, 3));
    Release(Editor, from + QPoint(-4, 3));
    EXPECT_DOUBLE_EQ(s->Left(), 50);
    EXPECT_DOUBLE_EQ(s->Top(), 50);
    EXPECT_FALSE(s->Properties.Modified);

    Press(Editor, from);
    Drag(Editor, from + QPoint(5, 0));
    Release(Editor, from + QPoint(5, 0));
    EXPECT_GT(s->Left(), 50);
    EXPECT_DOUBLE_EQ(s->Top(), 50);
}

TEST_F(PageDesignerTest, MovedItemIsDrawnWhereItWent)
{
    // The cached drawing during a move must show the items at their new places.
    TPageItemShape *s = Shape(20, 20, 40, 30);
    s->Properties["FillColor"].SetColour(0x0000FF); // red
    const QPoint from = Middle(s);
    Press(Editor, from);
    Drag(Editor, from + QPoint(60, 40));
    QImage during(Editor->size(), QImage::Format_RGB32);
    Editor->render(&during);
    EXPECT_EQ(during.pixelColor(Middle(s)), QColor(Qt::red));
    EXPECT_EQ(during.pixelColor(from - QPoint(20, 10)), QColor(Qt::white));
    Release(Editor, from + QPoint(60, 40));
    QImage after(Editor->size(), QImage::Format_RGB32);
    Editor->render(&after);
    EXPECT_EQ(after.pixelColor(Middle(s)), QColor(Qt::red));
}

TEST_F(PageDesignerTest, ReadOnlyIgnoresEveryClick)
{
    TPageItemShape *s = Shape(50, 50, 40, 30);
    Editor->ReadOnly = true;
    const QPoint from = Middle(s);
    Press(Editor, from);
    Drag(Editor, from + QPoint(40, 40));
    Release(Editor, from + QPoint(40, 40));
    EXPECT_EQ(Page().SelectedCount(), 0);
    EXPECT_DOUBLE_EQ(s->Left(), 50);
    Editor->BeginInsert(QStringLiteral("TPageItemShape"));
    Click(Editor, At(150, 150));
    EXPECT_EQ(Page().Count(), 1);
    EXPECT_EQ(Selections, 0);
}

TEST_F(PageDesignerTest, LostMouseCaptureRestoresTheCursorAndEndsTheDrag)
{
    enum TLoss { ContextMenu, MoveWithoutButton, Deactivated, Hidden };
    for (TLoss loss : {ContextMenu, MoveWithoutButton, Deactivated, Hidden}) {
        for (bool creating : {false, true}) {
            SCOPED_TRACE(testing::Message() << loss << (creating ? " creating" : " moving"));
            Page().Clear();
            Additions = 0;
            TPageItemShape *s = Shape(50, 50, 40, 30);
            const QPoint from = creating ? At(120, 120) : Middle(s);
            if (creating)
                Editor->BeginInsert(QStringLiteral("TPageItemShape"));
            Press(Editor, from);
            Drag(Editor, from + QPoint(30, 20));
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            ASSERT_TRUE(creating ? Editor->InsertState() == TPageEditor::isCreating : Editor->Dragging());
            switch (loss) {
            case ContextMenu: {
                QContextMenuEvent menu(QContextMenuEvent::Mouse, from + QPoint(30, 20));
                QApplication::sendEvent(Editor, &menu);
                break;
            }
            case MoveWithoutButton:
                Hover(Editor, from + QPoint(30, 20));
                break;
            case Deactivated: {
                QEvent deactivate(QEvent::WindowDeactivate);
                QApplication::sendEvent(&Designer, &deactivate);
                break;
            }
            case Hidden:
                Designer.hide();
                Designer.show();
                break;
            }
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
            EXPECT_FALSE(Editor->Dragging());
            EXPECT_EQ(Editor->InsertState(), TPageEditor::isIdle);
            if (creating) {
                // Made as far as it was dragged, as a release there would have made it.
                ASSERT_EQ(Page().Count(), 2);
                EXPECT_FALSE(Page().Item(1)->Creating);
                EXPECT_GT(Page().Item(1)->Width(), 0);
                EXPECT_EQ(Additions, 1);
            }
            // Later moves, button reported down or not, move nothing.
            const double left = s->Left(), lastLeft = Page().Item(Page().Count() - 1)->Left();
            Drag(Editor, from + QPoint(80, 60));
            Hover(Editor, from + QPoint(90, 60));
            EXPECT_DOUBLE_EQ(s->Left(), left);
            EXPECT_DOUBLE_EQ(Page().Item(Page().Count() - 1)->Left(), lastLeft);
        }
    }
}

TEST_F(PageDesignerTest, PageWidthAndFullPageLayout)
{
    const int cw = Designer.viewport()->width();
    EXPECT_EQ(Editor->width(), cw);
    EXPECT_EQ(Editor->height(), static_cast<int>(Page().PageHeight() * (cw / Page().PageWidth())));
    Designer.SetZoomType(ztFullPage);
    EXPECT_EQ(Editor->size(), Designer.viewport()->size());
}

TEST_F(PageDesignerTest, FiveHundredPercentKeepsVisiblePartInPlace)
{
    Designer.SetZoomType(ztPercentage);
    Designer.SetZoomValue(2);
    QScrollBar *h = Designer.horizontalScrollBar(), *v = Designer.verticalScrollBar();
    h->setValue(h->maximum() / 3);
    v->setValue(v->maximum() / 2);
    const double relX = double(h->value()) / h->maximum(), relY = double(v->value()) / v->maximum();
    Designer.SetZoomValue(5);
    EXPECT_EQ(Editor->width(), static_cast<int>(Designer.viewport()->width() * 5.0));
    EXPECT_NEAR(double(h->value()) / h->maximum(), relX, 0.01);
    EXPECT_NEAR(double(v->value()) / v->maximum(), relY, 0.01);
}

TEST_F(PageDesignerTest, TinyEditorRulerDrawsOneTickPerGridStep)
{
    Designer.resize(90, 90);
    Designer.SetZoomType(ztFullPage);
    const double g = Page().ToPixelX(10) - Page().ToPixelX(0);
    ASSERT_LT(g, 3);
    ASSERT_GT(g, 0);
    const auto ticks = Top.Ticks();
    EXPECT_EQ(static_cast<int>(ticks.size()), static_cast<int>(Page().PageWidth() / 10) + 1);
    for (size_t k = 0; k < ticks.size(); ++k)
        EXPECT_EQ(ticks[k].Position, Page().ToPixelX(k * 10.0)) << k;
}

TEST_F(PageDesignerTest, RulerSubdividesAndLabelsInCoverUnits)
{
    Designer.SetZoomType(ztPercentage);
    Designer.SetZoomValue(5);
    const auto ticks = Top.Ticks();
    ASSERT_GT(ticks.size(), 20u);
    // Ten subdivisions per grid step at this size: 4-pixel ticks between 8-pixel grid ticks.
    EXPECT_EQ(ticks[0].Length, -1);
    EXPECT_EQ(ticks[0].Label, QStringLiteral("0"));
    EXPECT_EQ(ticks[1].Length, 4);
    bool grid = false;
    for (size_t k = 1; k < ticks.size(); ++k)
        if (k % 10 == 0 && ticks[k].Length == 8)
            grid = true;
    const auto labelled = std::count_if(ticks.begin(), ticks.end(), [](const TRulerTick &t) { return t.Length < 0; });
    EXPECT_TRUE(grid || labelled == static_cast<long>((ticks.size() + 9) / 10));
    // Scrolling shifts the ticks with the editor.
    Designer.horizontalScrollBar()->setValue(100);
    EXPECT_EQ(Top.Ticks()[0].Position, ticks[0].Position - 100);
    TCoverUnitsScope inches(1);
    const auto inchTicks = Top.Ticks();
    ASSERT_GT(inchTicks.size(), 11u);
    EXPECT_EQ(inchTicks[0].Label, QStringLiteral("0.00"));
}

TEST_F(PageDesignerTest, ZeroSizePageHasNoTicks)
{
    Page().Properties["PaperSize"].SetInteger(0);
    Page().Properties["PageWidth"].SetFloat(0);
    Designer.UpdateLayout();
    EXPECT_TRUE(Top.Ticks().empty());
    EXPECT_EQ(Editor->PageRect().size(), QSize(0, Editor->PageRect().height()));
}

TEST_F(PageDesignerTest, CutCopyPasteThroughTheClipboard)
{
    TPageItemShape *a = Shape(10, 10, 20, 20);
    TPageItemShape *b = Shape(40, 40, 20, 20);
    Shape(80, 80, 20, 20);
    a->Properties["LineWidth"].SetInteger(3);
    Page().SelectOnly(a);
    Page().Select(b);
    Editor->CopySelection();
    ASSERT_TRUE(Editor->CanPaste());
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("application/x-orvalis-reportitem")));

    // Into another editor: the names are free there and stay.
    TPageEditor other;
    auto *existing = other.Page().AddItem<TPageItemShape>();
    existing->Properties["Name"].SetString(QStringLiteral("Frame"));
    other.SelectItem(existing);
    int added = 0;
    other.OnAddedItem = [&] { ++added; };
    other.Paste();
    ASSERT_EQ(other.Page().Count(), 3);
    EXPECT_FALSE(existing->Selected);
    EXPECT_EQ(other.Page().SelectedCount(), 2);
    EXPECT_EQ(other.Page().Item(1)->Properties["LineWidth"].AsInteger(), 3);
    EXPECT_EQ(other.Page().Item(1)->Name(), a->Name());
    EXPECT_EQ(other.Page().Item(2)->Name(), b->Name());
    EXPECT_EQ(added, 1);

    // Into the same page: fresh names.
    Editor->Paste();
    ASSERT_EQ(Page().Count(), 5);
    EXPECT_EQ(Page().Item(3)->Name(), QStringLiteral("Shape4"));
    EXPECT_EQ(Page().Item(4)->Name(), QStringLiteral("Shape5"));

    // Cut takes the selection away and pastes back.
    Editor->CutSelection();
    EXPECT_EQ(Page().Count(), 3);
    Editor->Paste();
    EXPECT_EQ(Page().Count(), 5);
}

TEST_F(PageDesignerTest, DeleteSelectionFiresBothEvents)
{
    TPageItemShape *a = Shape(10, 10, 20, 20);
    Shape(40, 40, 20, 20);
    Editor->SelectItem(a);
    Additions = Selections = 0;
    Editor->DeleteSelection();
    EXPECT_EQ(Page().Count(), 1);
    EXPECT_EQ(Additions, 1);
    EXPECT_EQ(Selections, 1);
}

TEST_F(PageDesignerTest, ClipboardWithoutItemsIsRefusedAndKeepsTheSelection)
{
    TPageItemShape *a = Shape(10, 10, 20, 20);
    TPageItemShape *b = Shape(40, 40, 20, 20);
    Page().SelectOnly(a);
    Page().Select(b);
    for (const char *text : {"not a page item at all", "<Other><Thing>1</Thing></Other>", "<PageItems></PageItems>", ""}) {
        SCOPED_TRACE(text);
        TfocClipboard::Instance().PutStream(QByteArray(text), ReportItemFormat);
        Page().ClearModified();
        Additions = Selections = 0;
        EXPECT_EQ(MessageOf([&] { Editor->Paste(); }), QStringLiteral("The clipboard holds no page items"));
        EXPECT_EQ(Page().Count(), 2);
        EXPECT_TRUE(a->Selected);
        EXPECT_TRUE(b->Selected);
        EXPECT_EQ(Page().CurrentItem(), b);
        EXPECT_FALSE(Page().IsModified());
        EXPECT_EQ(Additions + Selections, 0);
    }
}

TEST_F(PageDesignerTest, BadClipboardFailsAndLeavesPageAsItWas)
{
    TPageItemShape *a = Shape(10, 10, 20, 20);
    Editor->SelectItem(a);
    // One good item, then one of a class that does not exist.
    const QByteArray text = "<PageItems><PageItem><PageItemType>TPageItemShape</PageItemType><PageItemDetails>"
                            "<Left>5</Left></PageItemDetails></PageItem><PageItem><PageItemType>TPageItemNothing"
                            "</PageItemType><PageItemDetails/></PageItem></PageItems>";
    TfocClipboard::Instance().PutStream(text, ReportItemFormat);
    Page().ClearModified();
    Additions = 0;
    EXPECT_EQ(MessageOf([&] { Editor->Paste(); }), QStringLiteral("Class TPageItemNothing not found"));
    EXPECT_EQ(Page().Count(), 1);
    EXPECT_TRUE(a->Selected);
    EXPECT_FALSE(Page().IsModified());
    EXPECT_EQ(Additions, 0);
}

} // namespace
