#pragma once
// The page designer controls: a scrolling container that sizes its page editor for the zoom,
// the editor that draws one page and edits its items with the mouse, and the rulers beside it.
// The design window edits with them; the report viewer and the reports window preview read-only.
#include "UnitPage.h"

#include <QImage>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class TPageDesigner;
class TPageRuler;

// The clipboard format of page items (and of pages, from the reports window).
extern const QString ReportItemFormat;

enum TZoomType { ztPageWidth, ztFullPage, ztPercentage };
enum TRulerType { rtHorizontal, rtVertical };

// Cursor for a handle code, hovering or with the button pressed.
Qt::CursorShape CursorForCode(int code, bool pressed);
// The page rectangle inside a client area of w x h for a page of W x H millimetres: a 20-pixel
// margin, as large as fits with the page's proportions.
QRect PageRectFor(int w, int h, double pageWidth, double pageHeight);

class TPageEditor : public QWidget {
    Q_OBJECT
public:
    enum TInsertState { isIdle, isArmed, isCreating };

    explicit TPageEditor(QWidget *parent = nullptr);
    ~TPageEditor() override;

    TPage &Page() { return *FPage; }
    const TPage &Page() const { return *FPage; }
    // Presets copied by name into the next inserted item.
    TPropertyList &Presets() { return FPresets; }

    bool Grid() const { return FPage->ShowGrid; }
    void SetGrid(bool value);
    double GridSpacing() const { return FPage->GridSize; }
    void SetGridSpacing(double value);
    bool ReadOnly = false;

    std::function<void()> OnSelectItem;
    std::function<void()> OnAddedItem;

    void BeginInsert(const QString &className);
    void CancelInsert();
    void SelectItem(TPageItem *item);
    void CopySelection();
    void CutSelection();
    void DeleteSelection();
    bool CanPaste() const;
    // Raises "The clipboard holds no page items" when the clipboard's data holds none, and the
    // item loader's message when they cannot be read; the page then stays as it was.
    void Paste();

    QRect PageRect() const;
    // The page takes this editor's page rectangle for its coordinates.
    void UpdatePageRect();
    // 0 outside the editor; one item selected: its code; several: 16 on any of them.
    int SelectionCode(const QPoint &point) const;

    // The mouse went elsewhere with the button down (a menu opened, the window lost the focus,
    // the release went to another window): the press ends as a release at the last point seen,
    // and the screen cursor comes back.
    void MouseCaptureLost();

    TInsertState InsertState() const { return FState; }
    int ActiveCode() const { return FActiveCode; }
    bool Dragging() const { return FDragging; }
    TPageDesigner *Designer = nullptr;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Fire(const std::function<void()> &handler);
    double Snap(double mm) const;
    void ResizeItem(TPageItem &item, const QPoint &point);
    void MoveSelection(const QPoint &point);
    // What releasing the left button at a point does.
    void EndPress(const QPoint &point);
    void SetScreenCursor(Qt::CursorShape shape);
    void ResetScreenCursor();
    // Items are drawn from cached pictures while a move drag runs: moving shifts them, so the
    // charts of large batches are not drawn again for every mouse move.
    void PaintPage(QPainter &painter);
    void PaintCached(QPainter &painter);
    void DropCache();

    std::unique_ptr<TPage> FPage;
    TPropertyList FPresets;
    TInsertState FState = isIdle;
    QString FArmedClass;
    TPageItem *FCreating = nullptr;
    int FActiveCode = 0;
    QPoint FDownPoint;
    bool FDragging = false;
    bool FMoved = false;
    bool FPressed = false; // a left press whose release has not come yet
    QPoint FLastPoint;     // where the mouse was last seen
    bool FScreenCursor = false;
    struct TCachedItem {
        QImage Picture;
        QPoint Offset; // of the picture's top-left from the item's pixel rectangle
    };
    std::map<const TPageItem *, TCachedItem> FCache;
    bool FUseCache = false;
};

class TPageDesigner : public QScrollArea {
    Q_OBJECT
public:
    explicit TPageDesigner(QWidget *parent = nullptr);

    TZoomType ZoomType() const { return FZoomType; }
    void SetZoomType(TZoomType value);
    double ZoomValue() const { return FZoomValue; }
    void SetZoomValue(double value);
    TPageEditor *PageEditor() const { return FEditor; }
    void SetPageEditor(TPageEditor *editor);
    TPageRuler *TopRuler() const { return FTopRuler; }
    void SetTopRuler(TPageRuler *ruler);
    TPageRuler *LeftRuler() const { return FLeftRuler; }
    void SetLeftRuler(TPageRuler *ruler);

    void UpdateLayout();
    void InvalidateAll();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    TZoomType FZoomType = ztFullPage;
    double FZoomValue = 1.0;
    TPageEditor *FEditor = nullptr;
    TPageRuler *FTopRuler = nullptr;
    TPageRuler *FLeftRuler = nullptr;
    bool FLayingOut = false;
};

struct TRulerTick {
    int Position = 0; // pixels along the ruler
    int Length = 0;   // from the inner edge; -1 for a labelled tick spanning the ruler
    QString Label;    // labelled ticks only
};

class TPageRuler : public QWidget {
    Q_OBJECT
public:
    explicit TPageRuler(QWidget *parent = nullptr);
    TRulerType RulerType() const { return FType; }
    void SetRulerType(TRulerType value);
    TPageDesigner *Designer = nullptr;
    // The ticks for the designer's page, shifted by the editor's scroll position.
    std::vector<TRulerTick> Ticks() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TRulerType FType = rtHorizontal;
};
