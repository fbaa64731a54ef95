#include "UnitPage.h"

#include "UnitChartCanvas.h"
#include "UnitException.h"
#include "UnitSettings.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QDateTime>
#include <QHash>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- helpers

QRect PlaceRect(const QRect &area, int w, int h, int alignment)
{
    const int column = alignment % 3;
    const int row = alignment / 3;
    const int aw = area.width();
    const int ah = area.height();
    int left = area.left(), right = area.left() + w;
    if (column == 1) {
        const int cx = area.left() + aw / 2;
        left = cx - w / 2;
        right = cx + w / 2;
    } else if (column == 2) {
        right = area.left() + aw;
        left = right - w;
    }
    int top = area.top(), bottom = area.top() + h;
    if (row == 1) {
        const int cy = area.top() + ah / 2;
        top = cy - h / 2;
        bottom = cy + h / 2;
    } else if (row == 2) {
        bottom = area.top() + ah;
        top = bottom - h;
    }
    return QRect(left, top, right - left, bottom - top);
}

QStringList AlignmentChoices()
{
    return {Tr("Top Left"),     Tr("Top Middle"),    Tr("Top Right"),
            Tr("Middle Left"),  Tr("Middle Middle"), Tr("Middle Right"),
            Tr("Bottom Left"),  Tr("Bottom Middle"), Tr("Bottom Right")};
}

QStringList AnchorChoices()
{
    const QString names[] = {Tr("Left"), Tr("Top"), Tr("Right"), Tr("Bottom")};
    QStringList list;
    for (int v = 0; v < 16; ++v) {
        QStringList set;
        for (int b = 0; b < 4; ++b)
            if (v & (1 << b))
                set << names[b];
        list << QLatin1Char('[') + set.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return list;
}

QStringList BatchTypeChoices() { return {Tr("Cover Batch"), Tr("Half Cell Batch")}; }

namespace {
TSettings *&ReportSettingsStore()
{
    static TSettings *settings = nullptr;
    return settings;
}
} // namespace

void SetReportSettings(TSettings *settings) { ReportSettingsStore() = settings; }

double ReportSettingFloat(const QString &name)
{
    TSettings *s = ReportSettingsStore();
    if (!s || s->IndexOf(name) < 0)
        return 0.0;
    return s->ItemByName(name).AsFloat();
}

// ---------------------------------------------------------------- registry

namespace {
QHash<QString, TPageItemFactory> &Registry()
{
    static QHash<QString, TPageItemFactory> registry;
    return registry;
}
} // namespace

void RegisterPageItemClass(const QString &className, TPageItemFactory factory)
{
    Registry().insert(className, std::move(factory));
}

// ---------------------------------------------------------------- TPageItem

TPageItem::TPageItem(TPage *page) : Page(page)
{
    Page->FItems.push_back(this);
    Page->StructureChanged = true;
    const auto notNegative = [](TProperty &, QVariant &v) {
        if (v.toDouble() < 0)
            v = 0.0;
    };
    Properties.Add(QStringLiteral("Left"), pkCoverLength, 0.0);
    Properties.Add(QStringLiteral("Top"), pkCoverLength, 0.0);
    Properties.Add(QStringLiteral("Width"), pkCoverLength, 0.0).OnValidate = notNegative;
    Properties.Add(QStringLiteral("Height"), pkCoverLength, 0.0).OnValidate = notNegative;
    Properties.Add(QStringLiteral("Name"), pkString, QString()).OnValidate = [this](TProperty &, QVariant &v) {
        const int i = Page->IndexOfName(v.toString());
        if (i >= 0 && Page->Item(i) != this)
            throw Exception(Tr("Item name already in use."));
    };
    TProperty &anchor = Properties.Add(QStringLiteral("Anchor"), pkChoice, 3, AnchorChoices());
    anchor.InlineEdit = false;
    anchor.Editor = PropertyEditorForms().Anchor;
}

TPageItem::~TPageItem()
{
    if (!Page->FDestroying) {
        auto &items = Page->FItems;
        items.erase(std::remove(items.begin(), items.end(), this), items.end());
    }
}

void TPageItem::FinishCreate(const QString &nameBase)
{
    Properties.Sort();
    Properties["Name"].Value = Page->UniqueName(nameBase);
}

QRect TPageItem::PixelRect() const { return Page->ItemRect(Left(), Top(), Width(), Height()); }

void TPageItem::Assign(const TPersistent *source)
{
    const auto *item = dynamic_cast<const TPageItem *>(source);
    if (!item)
        throw Exception(Tr("Cannot assign object to Page item"));
    Done = item->Done;
    Properties.AssignValues(&item->Properties);
}

void TPageItem::SaveToXml(XmlNodeList &nodes) const { Properties.SaveToXml(nodes); }

void TPageItem::LoadFromXml(const XmlNodeList &nodes, bool keepName)
{
    const QString previous = Name();
    Properties.LoadFromXml(nodes);
    if (keepName) {
        const QString loaded = Name();
        Properties["Name"].Value = previous;
        if (!loaded.isEmpty() && Page->IndexOfName(loaded) < 0)
            Properties["Name"].Value = loaded;
    }
}

void TPageItem::Draw()
{
    if (Creating && Page->Canvas) {
        QPainter &c = *Page->Canvas;
        c.save();
        c.setPen(QPen(Qt::black, 0, Qt::DotLine));
        c.setBrush(Qt::NoBrush);
        const QRect r = PixelRect();
        c.drawRect(r.adjusted(0, 0, -1, -1));
        c.restore();
    }
    Done = true;
}

void TPageItem::DrawSelection()
{
    if (!Selected || !Page->Canvas)
        return;
    const QRect r = PixelRect();
    const int L = r.left(), T = r.top(), R = r.left() + r.width(), B = r.top() + r.height();
    const int mx = L + (R - L) / 2, my = T + (B - T) / 2;
    const QPoint handles[] = {{L, T},      {mx - 3, T},     {R - 6, T},     {L, my - 3},
                              {R - 6, my - 3}, {L, B - 6}, {mx - 3, B - 6}, {R - 6, B - 6}};
    QPainter &c = *Page->Canvas;
    c.save();
    c.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QPoint &p : handles)
        c.fillRect(QRect(p, QSize(6, 6)), Qt::black);
    c.restore();
}

bool TPageItem::ContainsPoint(double x, double y) const
{
    return Left() <= x && x <= Left() + Width() && Top() <= y && y < Top() + Height();
}

int TPageItem::HitTest(int x, int y) const
{
    const QRect r = PixelRect();
    const int L = r.left(), T = r.top(), R = r.left() + r.width(), B = r.top() + r.height();
    if (L + 6 < x && x < R - 6 && T + 6 < y && y < B - 6)
        return 16;
    int h = 0;
    if (L <= x && x <= L + 6 && T <= y && y <= B)
        h += 1;
    if (R - 6 <= x && x <= R && T <= y && y <= B)
        h += 4;
    if (T <= y && y <= T + 6 && L <= x && x <= R)
        h += 2;
    if (B - 6 <= y && y <= B && L <= x && x <= R)
        h += 8;
    return h;
}

void TPageItem::Reanchor(double oldWidth, double oldHeight, double newWidth, double newHeight)
{
    const int a = Anchor();
    double right = Left() + Width();
    if (a & AnchorRight)
        right = newWidth - (oldWidth - right);
    const double left = (a & AnchorLeft) ? Left() : right - Width();
    double bottom = Top() + Height();
    if (a & AnchorBottom)
        bottom = newHeight - (oldHeight - bottom);
    const double top = (a & AnchorTop) ? Top() : bottom - Height();
    Properties["Left"].SetFloat(left);
    Properties["Top"].SetFloat(top);
    Properties["Width"].SetFloat(right - left);
    Properties["Height"].SetFloat(bottom - top);
}

// ---------------------------------------------------------------- TPageItemSingleData

TPageItemSingleData::TPageItemSingleData(TPage *page) : TPageItemData(page)
{
    int type = 0;
    if (page->IsInner())
        for (int i = 0; i < page->Count(); ++i) {
            const auto *d = dynamic_cast<const TPageItemData *>(page->Item(i));
            if (d && d != this && d->BatchTypes() != 0) {
                type = (d->BatchTypes() & 1) ? 0 : 1;
                break;
            }
        }
    Properties.Add(QStringLiteral("BatchType"), pkChoice, type, BatchTypeChoices());
}

int TPageItemSingleData::BatchType() const
{
    return std::clamp(Properties["BatchType"].AsInteger(), 0, 1);
}

TBatchItem &TPageItemSingleData::Batch() const { return Page->Batches[static_cast<size_t>(BatchType())]; }

// ---------------------------------------------------------------- TPage

TPage::TPage()
{
    const bool landscape = PrinterOrientation() == 1;
    TProperty &w = Properties.Add(QStringLiteral("PageWidth"), pkCoverLength, PaperWidth(landscape));
    TProperty &h = Properties.Add(QStringLiteral("PageHeight"), pkCoverLength, PaperHeight(landscape));
    Properties.Add(QStringLiteral("PageType"), pkChoice, 0,
                   {Tr("Opening Page"), Tr("Inner Page"), Tr("Closing Page")});
    TProperty &o = Properties.Add(QStringLiteral("PageOrientation"), pkChoice, 0,
                                  {Tr("Default"), Tr("Portrait"), Tr("Landscape")});
    QStringList papers;
    for (int i = 0; i < PaperSizeCount; ++i)
        papers << PaperSizeName(i);
    TProperty &p = Properties.Add(QStringLiteral("PaperSize"), pkChoice, 1, papers);
    w.OnChange = [this](TProperty &, const QVariant &previous) {
        FOldWidth = previous.toDouble();
        FOldHeight = PageHeight();
        SizeChanged();
    };
    h.OnChange = [this](TProperty &, const QVariant &previous) {
        FOldWidth = PageWidth();
        FOldHeight = previous.toDouble();
        SizeChanged();
    };
    o.OnChange = [this](TProperty &prop, const QVariant &previous) {
        if (previous.toInt() == prop.AsInteger())
            return;
        const auto landscapeOf = [](int orientation) {
            return orientation == 0 ? PrinterOrientation() == 1 : orientation == 2;
        };
        if (Properties["PaperSize"].AsInteger() == 0 && landscapeOf(previous.toInt()) != landscapeOf(prop.AsInteger())) {
            const double oldW = PageWidth(), oldH = PageHeight();
            FApplyingPaper = true;
            try {
                Properties["PageWidth"].SetFloat(oldH);
                Properties["PageHeight"].SetFloat(oldW);
            } catch (...) {
                FApplyingPaper = false;
                throw;
            }
            FApplyingPaper = false;
        }
        ApplyPaperSize();
    };
    p.OnChange = [this](TProperty &, const QVariant &) { ApplyPaperSize(); };
    ApplyPaperSize();
    MakeSampleBatches();
    Properties.Modified = false;
}

TPage::~TPage()
{
    FDestroying = true;
    for (TPageItem *item : FItems)
        delete item;
}

bool TPage::EffectiveLandscape() const
{
    const int o = Properties["PageOrientation"].AsInteger();
    return o == 0 ? PrinterOrientation() == 1 : o == 2;
}

void TPage::SizeChanged()
{
    const double nw = PageWidth(), nh = PageHeight();
    for (TPageItem *item : std::vector<TPageItem *>(FItems))
        item->Reanchor(FOldWidth, FOldHeight, nw, nh);
    if (!FApplyingPaper)
        Properties["PaperSize"].SetInteger(FindPaperSize(RoundHalfUp(nw * 10), RoundHalfUp(nh * 10)));
}

void TPage::ApplyPaperSize()
{
    const int paper = Properties["PaperSize"].AsInteger();
    // Custom paper keeps its width and height; the orientation matters only to a paper size.
    if (paper == 0)
        return;
    const int o = Properties["PageOrientation"].AsInteger();
    if (o < 0 || o > 2)
        throw Exception(Tr("Invalid Page Orientation"));
    double w = 0, h = 0;
    if (paper == 1) {
        w = PrinterPaperWidth();
        h = PrinterPaperHeight();
    } else if (PaperSizeWidth(paper) > 0) {
        w = PaperSizeWidth(paper) / 10.0;
        h = PaperSizeHeight(paper) / 10.0;
    } else {
        return;
    }
    if (EffectiveLandscape())
        std::swap(w, h);
    FApplyingPaper = true;
    try {
        if (PageWidth() != w)
            Properties["PageWidth"].SetFloat(w);
        if (PageHeight() != h)
            Properties["PageHeight"].SetFloat(h);
    } catch (...) {
        FApplyingPaper = false;
        throw;
    }
    FApplyingPaper = false;
}

void TPage::Clear()
{
    FDestroying = true;
    for (TPageItem *item : FItems)
        delete item;
    FItems.clear();
    FDestroying = false;
    StructureChanged = true;
}

void TPage::Remove(TPageItem *item)
{
    delete item;
    StructureChanged = true;
}

int TPage::IndexOf(const TPageItem *item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TPage::Move(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= Count() || to >= Count())
        return;
    TPageItem *item = FItems[static_cast<size_t>(from)];
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, item);
    StructureChanged = true;
}

TPageItem *TPage::CreateItem(const QString &className)
{
    RegisterPageItemClasses();
    const auto it = Registry().constFind(className);
    if (it == Registry().constEnd())
        throw Exception(Tr("Class %1 not found").arg(className));
    return (*it)(this);
}

void TPage::Assign(const TPersistent *source)
{
    const auto *page = dynamic_cast<const TPage *>(source);
    if (!page)
        throw Exception(Tr("Cannot assign object to Page object"));
    if (page == this)
        return;
    PageNumber = page->PageNumber;
    Batches = page->Batches;
    EarlierBatches = page->EarlierBatches;
    Properties.AssignValues(&page->Properties);
    Clear();
    for (const TPageItem *src : page->FItems) {
        TPageItem *item = CreateItem(src->ClassName());
        item->Assign(src);
    }
    ApplyPaperSize();
    ClearModified();
}

bool TPage::IsModified() const
{
    if (StructureChanged || Properties.Modified)
        return true;
    return std::any_of(FItems.begin(), FItems.end(), [](const TPageItem *i) { return i->Properties.Modified; });
}

void TPage::ClearModified()
{
    StructureChanged = false;
    Properties.Modified = false;
    for (TPageItem *i : FItems)
        i->Properties.Modified = false;
}

void TPage::Draw()
{
    if (!Canvas)
        return;
    DrawBackground();
    for (TPageItem *item : std::vector<TPageItem *>(FItems))
        DrawItem(*item);
    DrawSelections();
}

void TPage::DrawBackground()
{
    if (!Canvas)
        return;
    QPainter &c = *Canvas;
    c.fillRect(PageRect, Qt::white);
    if (ShowGrid && GridSize > 0) {
        c.save();
        c.setPen(QPen(QColor(192, 192, 192), 1, Qt::SolidLine));
        const int top = PageRect.top(), bottom = PageRect.top() + PageRect.height();
        const int left = PageRect.left(), right = PageRect.left() + PageRect.width();
        for (double x = 0; x <= PageWidth(); x += GridSize)
            c.drawLine(ToPixelX(x), top, ToPixelX(x), bottom);
        for (double y = 0; y <= PageHeight(); y += GridSize)
            c.drawLine(left, ToPixelY(y), right, ToPixelY(y));
        c.restore();
    }
}

void TPage::DrawItem(TPageItem &item)
{
    if (!Canvas)
        return;
    const TCanvasState state(*Canvas);
    item.Draw();
}

void TPage::DrawSelections()
{
    for (TPageItem *item : FItems)
        item->DrawSelection();
}

void TPage::ResetPaging()
{
    for (TPageItem *i : FItems)
        i->ResetPaging();
}

void TPage::NextPage()
{
    for (TPageItem *i : FItems)
        i->NextPage();
}

bool TPage::AllDone() const
{
    return std::all_of(FItems.begin(), FItems.end(), [](const TPageItem *i) { return i->Done; });
}

int TPage::ItemAt(int x, int y) const
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Item(i)->HitTest(x, y) != 0)
            return i;
    return -1;
}

int TPage::IndexOfName(const QString &name) const
{
    for (int i = 0; i < Count(); ++i)
        if (Item(i)->Name() == name)
            return i;
    return -1;
}

QString TPage::UniqueName(const QString &base) const
{
    // Names are gathered once: probing each candidate against every item made filling a page cubic.
    QSet<QString> taken;
    taken.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        taken.insert(Item(i)->Name());
    for (int n = 1; n <= 999; ++n) {
        const QString name = base + QString::number(n);
        if (!taken.contains(name))
            return name;
    }
    throw Exception(Tr("Too many items, please rename some."));
}

int TPage::SelectedCount() const
{
    return static_cast<int>(std::count_if(FItems.begin(), FItems.end(), [](const TPageItem *i) { return i->Selected; }));
}

TPageItem *TPage::CurrentItem() const
{
    TPageItem *best = nullptr;
    for (TPageItem *i : FItems)
        if (i->Selected && (!best || i->SelectionOrder > best->SelectionOrder))
            best = i;
    return best;
}

void TPage::Select(TPageItem *item)
{
    if (!item || item->Selected)
        return;
    item->Selected = true;
    item->SelectionOrder = SelectedCount();
}

void TPage::SelectOnly(TPageItem *item)
{
    for (TPageItem *i : FItems)
        i->Selected = false;
    Select(item);
}

void TPage::RememberPositions()
{
    for (TPageItem *i : FItems) {
        i->DragLeft = i->Left();
        i->DragTop = i->Top();
    }
}

int TPage::UsedBatchTypes() const
{
    if (!IsInner())
        return 0;
    int types = 0;
    for (const TPageItem *i : FItems)
        if (const auto *d = dynamic_cast<const TPageItemData *>(i))
            types |= d->BatchTypes();
    return types;
}

bool TPage::HasBatches() const
{
    const int used = UsedBatchTypes();
    for (int t = 0; t < 2; ++t)
        if ((used & (1 << t)) && Batches[static_cast<size_t>(t)].ID.isEmpty())
            return false;
    // A page comparing with an earlier survey is kept only when that survey was given.
    const int earlier = UsedEarlierBatchTypes();
    for (int t = 0; t < 2; ++t)
        if ((earlier & (1 << t)) && EarlierBatches[static_cast<size_t>(t)].ID.isEmpty())
            return false;
    return true;
}

int TPage::UsedEarlierBatchTypes() const
{
    // Comparisons are drawn on inner pages only: an opening or closing page never needs one.
    if (!IsInner())
        return 0;
    int types = 0;
    for (const TPageItem *i : FItems)
        if (const auto *d = dynamic_cast<const TPageItemData *>(i))
            types |= d->EarlierBatchTypes();
    return types;
}

void TPage::ClearBatches()
{
    for (auto &b : Batches)
        b.Clear();
    for (auto &b : EarlierBatches)
        b.Clear();
}

void TPage::SwitchBatchType(int from, int to)
{
    for (TPageItem *i : FItems)
        if (auto *d = dynamic_cast<TPageItemSingleData *>(i))
            if (d->Properties["BatchType"].AsInteger() == from)
                d->Properties["BatchType"].SetInteger(to);
    StructureChanged = true;
}

void TPage::SaveToXml(XmlNodeList &nodes, bool selectedOnly) const
{
    if (!selectedOnly)
        Properties.SaveToXml(nodes.AddChild(QStringLiteral("Properties")).Children());
    XmlNodeList &items = nodes.AddChild(QStringLiteral("PageItems")).Children();
    for (const TPageItem *i : FItems) {
        if (selectedOnly && !i->Selected)
            continue;
        XmlNodeList &n = items.AddChild(QStringLiteral("PageItem")).Children();
        n.AddChild(QStringLiteral("PageItemType")).SetAsString(i->ClassName());
        i->SaveToXml(n.AddChild(QStringLiteral("PageItemDetails")).Children());
    }
}

void TPage::LoadFromXml(const XmlNodeList &nodes, bool clearFirst, bool selectLoaded)
{
    if (clearFirst)
        Clear();
    if (selectLoaded)
        for (TPageItem *i : FItems)
            i->Selected = false;
    const XmlNode &props = nodes.FindByName(QStringLiteral("Properties"));
    if (!props.IsNull())
        Properties.LoadFromXml(props.Children());
    const XmlNode &items = nodes.FindByName(QStringLiteral("PageItems"));
    if (!items.IsNull())
        for (const auto &n : items.Children()) {
            if (n->Name != QLatin1String("PageItem"))
                continue;
            TPageItem *item = CreateItem(n->Children().FindByName(QStringLiteral("PageItemType")).AsString());
            if (selectLoaded)
                Select(item);
            item->LoadFromXml(n->Children().FindByName(QStringLiteral("PageItemDetails")).Children(), !clearFirst);
        }
    ApplyPaperSize();
}

namespace {
// A pixel offset on the page, truncated. A file may hold any position or size, so offsets are
// kept within a range where sums and differences of two of them still fit an int.
int PixelOffset(double pixels)
{
    constexpr double limit = 1 << 29;
    if (std::isnan(pixels))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(pixels), -limit, limit));
}
} // namespace

int TPage::ToPixelX(double mm) const
{
    const double w = PageWidth();
    return PageRect.left() + (w > 0 ? PixelOffset(mm * (PageRect.width() / w)) : 0);
}

int TPage::ToPixelY(double mm) const
{
    const double h = PageHeight();
    return PageRect.top() + (h > 0 ? PixelOffset(mm * (PageRect.height() / h)) : 0);
}

double TPage::ToMillimetreX(int px) const
{
    const double s = PageWidth() > 0 ? PageRect.width() / PageWidth() : 0;
    return s > 0 ? (px - PageRect.left()) / s : 0;
}

double TPage::ToMillimetreY(int px) const
{
    const double s = PageHeight() > 0 ? PageRect.height() / PageHeight() : 0;
    return s > 0 ? (px - PageRect.top()) / s : 0;
}

QRect TPage::ItemRect(double left, double top, double width, double height) const
{
    const int l = ToPixelX(left), t = ToPixelY(top);
    return QRect(l, t, ToPixelX(left + width) - l, ToPixelY(top + height) - t);
}

double TPage::PixelsPerInch() const
{
    const double h = PageHeight();
    return h > 0 ? PageRect.height() / h * 25.4 : 96.0;
}

// ---------------------------------------------------------------- sample batches

namespace {
// Fixed tables of readings: the given opening entries, then a repeatable sequence.
std::vector<int> SampleTable(std::initializer_list<int> first, int lo, int hi, int step, unsigned seed)
{
    std::vector<int> t(first);
    unsigned x = seed;
    int previous = t.back();
    const int count = (hi - lo) / step + 1;
    while (t.size() < 384) {
        x = x * 1103515245u + 12345u;
        // Neighbouring readings stay close, as on a real surface.
        const int delta = static_cast<int>((x >> 16) % 9) - 4;
        int v = previous + delta * step;
        if (v < lo || v > hi)
            v = lo + static_cast<int>((x >> 8) % static_cast<unsigned>(count)) * step;
        t.push_back(v);
        previous = v;
    }
    return t;
}

void FillSample(TBatchItem &b, const std::vector<int> &values)
{
    b.Clear();
    b.Columns = 32;
    b.Rows = 12;
    b.SetSize();
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 32; ++c) {
            b.SetReadingType(c, r, ReadingTypeReading);
            b.SetMeasureType(c, r, MeasureTypeInRange);
            b.SetValue(c, r, values[static_cast<size_t>(r * 32 + c)]);
        }
    b.ID = QStringLiteral("Example Batch");
    b.Path = Tr("C:\\Documents and Settings\\ExampleUser\\My Documents\\My DozazEdivo Data\\");
    b.Readings = 384;
    b.CreationDate = DateTimeNow();
    b.UpdateDate = b.CreationDate;
    b.Grid = 100;
    b.Site = QStringLiteral("M25");
    b.Location = QStringLiteral("J14");
    b.Area = QStringLiteral("LWR DCK");
    b.Engineer = QStringLiteral("R. Example");
    b.BarSeries = 0;
    b.BarSize = 16;
    b.BatchFormat = BatchFormatGrid;
}
} // namespace

void MakeSampleCoverBatch(TBatchItem &b)
{
    static const std::vector<int> table = SampleTable({50, 30, 35, 59, 65, 51, 65, 55}, 21, 69, 1, 27u);
    FillSample(b, table);
    b.ProbeSerialNumber = QStringLiteral("AB12345-123");
    b.ProbeType = QStringLiteral("STANDARD");
    b.BatchType = BatchTypeCover;
    b.HighLimit = 85;
    b.HighLimitApplied = true;
    b.LowLimit = 29;
    b.LowLimitApplied = true;
    b.Customer = QStringLiteral("Ventrax");
    b.Note = QStringLiteral("Surface cracking apparent");
}

void MakeSampleHalfCellBatch(TBatchItem &b)
{
    static const std::vector<int> table =
        SampleTable({-900, -960, -980, -980, -930, -990}, -990, -380, 10, 53u);
    FillSample(b, table);
    b.BatchType = BatchTypeHalfCell;
    b.HighLimit = -340;
    b.HighLimitApplied = true;
    b.LowLimit = -980;
    b.LowLimitApplied = true;
    b.Customer = QStringLiteral("Calvane");
    b.Note = QStringLiteral("Concrete surface damp");
    b.CellType = QStringLiteral("CU/CUSO4");
    b.Temperature = 20;
}

void TPage::MakeSampleBatches()
{
    MakeSampleCoverBatch(Batches[0]);
    MakeSampleHalfCellBatch(Batches[1]);
    MakeSampleEarlierBatch(Batches[0], EarlierBatches[0]);
    MakeSampleEarlierBatch(Batches[1], EarlierBatches[1]);
}

void MakeSampleEarlierBatch(const TBatchItem &sample, TBatchItem &earlier)
{
    earlier = sample;
    earlier.ID = sample.ID + QStringLiteral(" (earlier)");
    // Cover a few millimetres more, potentials up to 60 mV more positive: the structure has aged.
    const bool cover = sample.BatchType == BatchTypeCover;
    for (int c = 0; c < earlier.Columns; ++c)
        for (int r = 0; r < earlier.Rows; ++r) {
            const int k = (c * 5 + r * 3) % 7;
            earlier.SetValue(c, r, sample.Value(c, r) + (cover ? k - 1 : 10 * k));
        }
}
