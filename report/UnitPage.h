#pragma once
// A report page: paper settings, the two batches its data items show, and the ordered list of
// page items (first item at the bottom). Items are rectangles in millimetres with their own
// property lists; the page maps them onto whatever canvas it is drawn on.
#include "UnitBatchList.h"
#include "UnitProperty.h"

#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class QPainter;
class TPage;
class TSettings;

// Page types ("PageType").
constexpr int PageTypeOpening = 0;
constexpr int PageTypeInner = 1;
constexpr int PageTypeClosing = 2;

// Anchor bits.
constexpr int AnchorLeft = 1;
constexpr int AnchorTop = 2;
constexpr int AnchorRight = 4;
constexpr int AnchorBottom = 8;

// Places a w x h rectangle inside `area` by one of the nine positions (0 top left ... 8 bottom
// right); middle positions lose a pixel of an odd size.
QRect PlaceRect(const QRect &area, int w, int h, int alignment);
QStringList AlignmentChoices();
QStringList AnchorChoices();
QStringList BatchTypeChoices();

// The settings store the report items read thresholds from (the main window's); none: 0.
void SetReportSettings(TSettings *settings);
double ReportSettingFloat(const QString &name);

class TPageItem : public TPersistent {
public:
    explicit TPageItem(TPage *page);
    ~TPageItem() override;
    TPageItem(const TPageItem &) = delete;
    TPageItem &operator=(const TPageItem &) = delete;

    virtual QString ClassName() const = 0;

    TPage *Page;
    TPropertyList Properties;
    bool Done = false;
    bool Selected = false;
    int SelectionOrder = 0;
    bool Creating = false;
    double DragLeft = 0;
    double DragTop = 0;

    double Left() const { return Properties["Left"].AsFloat(); }
    double Top() const { return Properties["Top"].AsFloat(); }
    double Width() const { return Properties["Width"].AsFloat(); }
    double Height() const { return Properties["Height"].AsFloat(); }
    QString Name() const { return Properties["Name"].AsString(); }
    int Anchor() const { return Properties["Anchor"].AsInteger(); }
    QRect PixelRect() const;

    // From another page item: Done and the property values by name.
    void Assign(const TPersistent *source) override;
    virtual void SaveToXml(XmlNodeList &nodes) const;
    virtual void LoadFromXml(const XmlNodeList &nodes, bool keepName);
    virtual void Draw();
    virtual void DrawSelection();
    virtual bool ContainsPoint(double x, double y) const;
    // 16 move, else the sum of 1 left, 2 top, 4 right, 8 bottom edge bands; 0 outside.
    virtual int HitTest(int x, int y) const;
    virtual void ResetPaging() { Done = false; }
    virtual void NextPage() { Done = true; }
    // Moves and stretches the item as its anchors say when the page changes size.
    void Reanchor(double oldWidth, double oldHeight, double newWidth, double newHeight);

protected:
    // The end of every concrete constructor: sorts the properties and gives the default name.
    void FinishCreate(const QString &nameBase);
};

class TPageItemData : public TPageItem {
public:
    using TPageItem::TPageItem;
    // Bit 0 cover, bit 1 half-cell.
    virtual int BatchTypes() const { return 0; }
    // The types whose earlier survey the item needs too (the difference map), same bits.
    virtual int EarlierBatchTypes() const { return 0; }
};

class TPageItemSingleData : public TPageItemData {
public:
    explicit TPageItemSingleData(TPage *page);
    int BatchType() const;
    TBatchItem &Batch() const;
    int BatchTypes() const override { return 1 << BatchType(); }
};

class TPage : public TPersistent {
public:
    TPage();
    ~TPage() override;
    TPage(const TPage &) = delete;
    TPage &operator=(const TPage &) = delete;

    QPainter *Canvas = nullptr;
    QRect PageRect;
    TPropertyList Properties;
    std::array<TBatchItem, 2> Batches;
    // The earlier survey of each type that difference items compare the batches with; filled for
    // output and in the designer, never stored in the report file.
    std::array<TBatchItem, 2> EarlierBatches;
    bool ShowGrid = false;
    double GridSize = 10;
    bool SnapToGrid = false;
    int PageNumber = 1;
    bool StructureChanged = false;

    double PageWidth() const { return Properties["PageWidth"].AsFloat(); }
    double PageHeight() const { return Properties["PageHeight"].AsFloat(); }
    int PageType() const { return Properties["PageType"].AsInteger(); }
    bool IsInner() const { return PageType() == PageTypeInner; }
    bool EffectiveLandscape() const;

    int Count() const { return static_cast<int>(FItems.size()); }
    TPageItem *Item(int index) const { return FItems.at(static_cast<size_t>(index)); }
    void Clear();
    void Remove(TPageItem *item); // frees the item
    int IndexOf(const TPageItem *item) const; // -1 when not on this page
    // Moves the item at `from` to position `to` of the drawing order.
    void Move(int from, int to);
    // Creates an item of a registered class at the end of the list; raises "Class %s not found".
    TPageItem *CreateItem(const QString &className);
    template <class T> T *AddItem() { return new T(this); }

    // Raises "Cannot assign object to Page object".
    void Assign(const TPersistent *source) override;
    bool IsModified() const;
    void ClearModified();

    // Background, every item in order, then the selection marks: the parts are for callers that
    // hand some items to another canvas.
    void Draw();
    void DrawBackground();
    void DrawItem(TPageItem &item);
    void DrawSelections();
    void ResetPaging();
    void NextPage();
    bool AllDone() const;

    int ItemAt(int x, int y) const;
    int IndexOfName(const QString &name) const;
    QString UniqueName(const QString &base) const; // raises "Too many items, please rename some."
    int SelectedCount() const;
    TPageItem *CurrentItem() const;
    void SelectOnly(TPageItem *item);
    void Select(TPageItem *item);
    void RememberPositions();
    int UsedBatchTypes() const;
    // The types whose earlier survey the page's items compare with (same bits).
    int UsedEarlierBatchTypes() const;
    bool HasBatches() const;
    void ClearBatches();
    void SwitchBatchType(int from, int to);

    void SaveToXml(XmlNodeList &nodes, bool selectedOnly) const;
    void LoadFromXml(const XmlNodeList &nodes, bool clearFirst, bool selectLoaded);

    int ToPixelX(double mm) const;
    int ToPixelY(double mm) const;
    double ToMillimetreX(int px) const;
    double ToMillimetreY(int px) const;
    QRect ItemRect(double left, double top, double width, double height) const;
    double PixelsPerInch() const;

    void ApplyPaperSize();
    // Fills both batch slots with the sample batches, and the earlier slots with an earlier
    // survey of each sample.
    void MakeSampleBatches();

private:
    friend class TPageItem;
    std::vector<TPageItem *> FItems;
    bool FApplyingPaper = false;
    bool FDestroying = false;
    double FOldWidth = 0;
    double FOldHeight = 0;
    void SizeChanged();
};

// Registry of page item classes by their exact class names.
using TPageItemFactory = std::function<TPageItem *(TPage *)>;
void RegisterPageItemClass(const QString &className, TPageItemFactory factory);
// Registers every item class of the program (idempotent).
void RegisterPageItemClasses();

// The sample batches a page is created with.
void MakeSampleCoverBatch(TBatchItem &batch);
void MakeSampleHalfCellBatch(TBatchItem &batch);
// The same sample as surveyed some years before: the same grid with other readings.
void MakeSampleEarlierBatch(const TBatchItem &sample, TBatchItem &earlier);
