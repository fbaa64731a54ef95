#include "UnitPageDesigner.h"

#include "UnitAccessiblePage.h"

#include "UnitException.h"
#include "UnitPrompt.h"
#include "UnitUnits.h"
#include "UnitXml.h"
#include "UnitfocClipboard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

const QString ReportItemFormat = QStringLiteral("application/x-orvalis-reportitem");

namespace {
constexpr int PageMargin = 20;
constexpr int MoveThreshold = 5;
// Room around a cached item picture for outlines drawn across the item's edges.
constexpr int CacheMargin = 16;
// Items larger than this (pixels) are drawn live rather than cached.
constexpr qint64 CacheAreaLimit = 12'000'000;

struct TPainterTarget {
    // Points the page at a painter for as long as it lives.
    TPainterTarget(TPage &page, QPainter &painter) : FPage(page), FPrevious(page.Canvas) { page.Canvas = &painter; }
    ~TPainterTarget() { FPage.Canvas = FPrevious; }
    TPage &FPage;
    QPainter *FPrevious;
};
} // namespace

Qt::CursorShape CursorForCode(int code, bool pressed)
{
    if (code == 0)
        return Qt::ArrowCursor;
    if (code & 16)
        return Qt::SizeAllCursor;
    if (pressed)
        return Qt::CrossCursor;
    if ((code & 3) == 3 || (code & 12) == 12)
        return Qt::SizeFDiagCursor;
    if ((code & 6) == 6 || (code & 9) == 9)
        return Qt::SizeBDiagCursor;
    if (code == 1 || code == 4)
        return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

QRect PageRectFor(int w, int h, double pageWidth, double pageHeight)
{
    const int aw = w - 2 * PageMargin, ah = h - 2 * PageMargin;
    int rw = 0, rh = 0;
    if (pageWidth > 0 && pageHeight > 0) {
        const int heightAtWidth = static_cast<int>(std::lround(pageHeight * aw / pageWidth));
        const int widthAtHeight = static_cast<int>(std::lround(pageWidth * ah / pageHeight));
        if (heightAtWidth < ah) {
            rw = aw;
            rh = heightAtWidth;
        } else {
            rw = widthAtHeight;
            rh = ah;
        }
    }
    return QRect(PageMargin, PageMargin, std::max(0, rw), std::max(0, rh));
}

// ---------------------------------------------------------------------------------------------
// TPageEditor

TPageEditor::TPageEditor(QWidget *parent) : QWidget(parent), FPage(std::make_unique<TPage>())
{
    setObjectName(QStringLiteral("PageEditor"));
    InstallPageAccessibility();
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FPage->ClearModified();
}

TPageEditor::~TPageEditor() { ResetScreenCursor(); }

void TPageEditor::SetGrid(bool value)
{
    if (FPage->ShowGrid != value)
        FPage->StructureChanged = true;
    FPage->ShowGrid = value;
    update();
}

void TPageEditor::SetGridSpacing(double value)
{
    if (FPage->GridSize != value)
        FPage->StructureChanged = true;
    FPage->GridSize = value;
    update();
}

void TPageEditor::Fire(const std::function<void()> &handler)
{
    if (handler)
        handler();
}

void TPageEditor::BeginInsert(const QString &className)
{
    CancelInsert();
    SelectItem(nullptr);
    FArmedClass = className;
    FState = isArmed;
}

void TPageEditor::CancelInsert()
{
    if (FState == isCreating && FCreating) {
        FPage->Remove(FCreating);
        update();
    }
    FCreating = nullptr;
    FArmedClass.clear();
    FState = isIdle;
}

void TPageEditor::SelectItem(TPageItem *item)
{
    if (item == FPage->CurrentItem())
        return;
    FPage->SelectOnly(item);
    FActiveCode = 0;
    Fire(OnSelectItem);
    update();
}

QRect TPageEditor::PageRect() const { return PageRectFor(width(), height(), FPage->PageWidth(), FPage->PageHeight()); }

void TPageEditor::UpdatePageRect() { FPage->PageRect = PageRect(); }

int TPageEditor::SelectionCode(const QPoint &point) const
{
    if (!rect().contains(point))
        return 0;
    const int n = FPage->SelectedCount();
    if (n == 1)
        return FPage->CurrentItem()->HitTest(point.x(), point.y());
    if (n > 1)
        for (int i = 0; i < FPage->Count(); ++i) {
            const TPageItem *item = FPage->Item(i);
            if (item->Selected && item->HitTest(point.x(), point.y()) != 0)
                return 16;
        }
    return 0;
}

double TPageEditor::Snap(double mm) const { return FPage->SnapToGrid ? SnapValue(mm) : mm; }

void TPageEditor::SetScreenCursor(Qt::CursorShape shape)
{
    if (FScreenCursor)
        QApplication::changeOverrideCursor(QCursor(shape));
    else
        QApplication::setOverrideCursor(QCursor(shape));
    FScreenCursor = true;
}

void TPageEditor::ResetScreenCursor()
{
    if (FScreenCursor)
        QApplication::restoreOverrideCursor();
    FScreenCursor = false;
}

void TPageEditor::mousePressEvent(QMouseEvent *event)
{
    if (ReadOnly || event->button() != Qt::LeftButton)
        return;
    UpdatePageRect();
    const QPoint p = event->position().toPoint();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    FDownPoint = p;
    FLastPoint = p;
    FMoved = false;
    FPressed = true;
    if (FState == isIdle) {
        FActiveCode = FPage->SelectedCount() == 1 ? FPage->CurrentItem()->HitTest(p.x(), p.y()) : 0;
        if (FActiveCode == 0 || (FActiveCode & 16)) {
            const int index = FPage->ItemAt(p.x(), p.y());
            if (index >= 0) {
                TPageItem *item = FPage->Item(index);
                if (ctrl) {
                    if (item->Selected)
                        item->Selected = false;
                    else
                        FPage->Select(item);
                    Fire(OnSelectItem);
                } else if (!item->Selected) {
                    SelectItem(item);
                }
                FActiveCode = SelectionCode(p);
            } else if (!ctrl) {
                SelectItem(nullptr);
            }
        }
        if (FPage->SelectedCount() > 0) {
            FDragging = true;
            SetScreenCursor(CursorForCode(FActiveCode, true));
            FPage->RememberPositions();
        }
        update();
    } else if (FState == isArmed) {
        TPageItem *item = nullptr;
        try {
            item = FPage->CreateItem(FArmedClass);
        } catch (const Exception &e) {
            // No default name left: nothing is made and the insertion ends, so that the next
            // click can pick an item to rename.
            CancelInsert();
            FPressed = false;
            Prompt().Error(e.Message());
            return;
        }
        FCreating = item;
        item->Creating = true;
        item->Properties["Left"].SetFloat(Snap(FPage->ToMillimetreX(p.x())));
        item->Properties["Top"].SetFloat(Snap(FPage->ToMillimetreY(p.y())));
        for (int i = 0; i < FPresets.Count(); ++i) {
            const TProperty &preset = FPresets.Items(i);
            if (item->Properties.IndexOf(preset.Name) >= 0)
                item->Properties[preset.Name].AssignValue(preset);
        }
        FActiveCode = 12;
        SetScreenCursor(CursorForCode(FActiveCode, true));
        FState = isCreating;
        update();
    }
}

void TPageEditor::ResizeItem(TPageItem &item, const QPoint &point)
{
    const double mx = Snap(FPage->ToMillimetreX(point.x()));
    const double my = Snap(FPage->ToMillimetreY(point.y()));
    TPropertyList &p = item.Properties;
    const double left = item.Left(), top = item.Top(), width = item.Width(), height = item.Height();
    if (FActiveCode & 1) {
        const double w = width - (mx - left);
        if (w >= 0) {
            p["Width"].SetFloat(w);
            p["Left"].SetFloat(mx);
        } else {
            // The left edge crossed the right one: the item turns over.
            FActiveCode = (FActiveCode & ~1) | 4;
            p["Left"].SetFloat(left + width);
            p["Width"].SetFloat(mx - (left + width));
        }
    } else if (FActiveCode & 4) {
        if (mx - left >= 0) {
            p["Width"].SetFloat(mx - left);
        } else {
            FActiveCode = (FActiveCode & ~4) | 1;
            p["Width"].SetFloat(left - mx);
            p["Left"].SetFloat(mx);
        }
    }
    if (FActiveCode & 2) {
        const double h = height - (my - top);
        if (h > 0) {
            p["Height"].SetFloat(h);
            p["Top"].SetFloat(my);
        } else {
            FActiveCode = (FActiveCode & ~2) | 8;
            p["Top"].SetFloat(top + height);
            p["Height"].SetFloat(my - (top + height));
        }
    } else if (FActiveCode & 8) {
        if (my - top >= 0) {
            p["Height"].SetFloat(my - top);
        } else {
            FActiveCode = (FActiveCode & ~8) | 2;
            p["Height"].SetFloat(top - my);
            p["Top"].SetFloat(my);
        }
    }
}

void TPageEditor::MoveSelection(const QPoint &point)
{
    double dx = FPage->ToMillimetreX(FDownPoint.x()) - FPage->ToMillimetreX(point.x());
    double dy = FPage->ToMillimetreY(FDownPoint.y()) - FPage->ToMillimetreY(point.y());
    if (FPage->SnapToGrid) {
        if (const TPageItem *current = FPage->CurrentItem()) {
            // The current item lands on snapped values; the others keep their distances to it.
            dx = current->DragLeft - SnapValue(current->DragLeft - dx);
            dy = current->DragTop - SnapValue(current->DragTop - dy);
        }
    }
    for (int i = 0; i < FPage->Count(); ++i) {
        TPageItem *item = FPage->Item(i);
        if (!item->Selected)
            continue;
        item->Properties["Left"].SetFloat(item->DragLeft - dx);
        item->Properties["Top"].SetFloat(item->DragTop - dy);
    }
}

void TPageEditor::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    // A move without the button after a press here: its release went elsewhere.
    if (FPressed && !(event->buttons() & Qt::LeftButton))
        MouseCaptureLost();
    FLastPoint = p;
    if (FPage->SelectedCount() == 0) {
        if (FState == isCreating && FCreating) {
            UpdatePageRect();
            ResizeItem(*FCreating, p);
            setCursor(CursorForCode(FActiveCode, true));
            update();
        } else if (FState == isArmed) {
            setCursor(Qt::CrossCursor);
        } else {
            setCursor(Qt::ArrowCursor);
        }
        return;
    }
    if (FState != isIdle)
        return;
    if (FDragging && (event->buttons() & Qt::LeftButton)) {
        if (!FMoved) {
            if (std::abs(p.x() - FDownPoint.x()) < MoveThreshold && std::abs(p.y() - FDownPoint.y()) < MoveThreshold)
                return;
            FMoved = true;
        }
        UpdatePageRect();
        TPageItem *current = FPage->CurrentItem();
        if (current && !(FActiveCode & 16))
            ResizeItem(*current, p);
        if (FActiveCode & 16) {
            FUseCache = true;
            MoveSelection(p);
        }
        update();
        return;
    }
    setCursor(CursorForCode(SelectionCode(p), false));
}

void TPageEditor::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    EndPress(event->position().toPoint());
}

void TPageEditor::MouseCaptureLost()
{
    if (FPressed || FDragging || FScreenCursor || FState == isCreating)
        EndPress(FLastPoint);
}

void TPageEditor::EndPress(const QPoint &p)
{
    FPressed = false;
    if (FDragging) {
        FDragging = false;
        DropCache();
        update();
    }
    if (FState == isCreating && FCreating) {
        TPageItem *item = FCreating;
        FCreating = nullptr;
        item->Creating = false;
        UpdatePageRect();
        const QRect r = item->PixelRect();
        if (r.width() < 2 && r.height() < 2) {
            // A click without a drag: a tenth of the page.
            item->Properties["Width"].SetFloat(FPage->PageWidth() / 10);
            item->Properties["Height"].SetFloat(FPage->PageHeight() / 10);
        }
        FState = isIdle;
        FArmedClass.clear();
        Fire(OnAddedItem);
        SelectItem(item);
        update();
    }
    ResetScreenCursor();
    setCursor(CursorForCode(SelectionCode(p), false));
}

void TPageEditor::hideEvent(QHideEvent *event)
{
    MouseCaptureLost();
    QWidget::hideEvent(event);
}

bool TPageEditor::event(QEvent *event)
{
    // A context menu or another window takes the mouse over while the button may still be down.
    if (event->type() == QEvent::ContextMenu || event->type() == QEvent::WindowDeactivate)
        MouseCaptureLost();
    return QWidget::event(event);
}

void TPageEditor::resizeEvent(QResizeEvent *event)
{
    UpdatePageRect();
    DropCache();
    QWidget::resizeEvent(event);
}

void TPageEditor::DropCache()
{
    FCache.clear();
    FUseCache = false;
}

void TPageEditor::PaintCached(QPainter &painter)
{
    TPage &page = *FPage;
    {
        // The white page and grid alone, then each item from its picture.
        const QRect r = page.PageRect;
        painter.fillRect(r, Qt::white);
        if (page.ShowGrid && page.GridSize > 0) {
            painter.save();
            painter.setPen(QPen(QColor(192, 192, 192), 1, Qt::SolidLine));
            for (double x = 0; x <= page.PageWidth(); x += page.GridSize)
                painter.drawLine(page.ToPixelX(x), r.top(), page.ToPixelX(x), r.top() + r.height());
            for (double y = 0; y <= page.PageHeight(); y += page.GridSize)
                painter.drawLine(r.left(), page.ToPixelY(y), r.left() + r.width(), page.ToPixelY(y));
            painter.restore();
        }
    }
    TPainterTarget target(page, painter);
    for (int i = 0; i < page.Count(); ++i) {
        TPageItem *item = page.Item(i);
        const QRect r = item->PixelRect();
        auto it = FCache.find(item);
        if (it == FCache.end()) {
            const QRect area = r.adjusted(-CacheMargin, -CacheMargin, CacheMargin, CacheMargin);
            TCachedItem cached;
            if (qint64(area.width()) * area.height() <= CacheAreaLimit && !area.isEmpty()) {
                cached.Picture = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
                cached.Picture.fill(Qt::transparent);
                cached.Offset = r.topLeft() - area.topLeft();
                QPainter ip(&cached.Picture);
                ip.translate(-area.topLeft());
                TPainterTarget itemTarget(page, ip);
                item->Draw();
            }
            it = FCache.emplace(item, std::move(cached)).first;
        }
        if (it->second.Picture.isNull()) {
            painter.save();
            item->Draw();
            painter.restore();
        } else {
            painter.drawImage(r.topLeft() - it->second.Offset, it->second.Picture);
        }
    }
    for (int i = 0; i < page.Count(); ++i)
        page.Item(i)->DrawSelection();
}

void TPageEditor::PaintPage(QPainter &painter)
{
    UpdatePageRect();
    if (FUseCache && FDragging) {
        PaintCached(painter);
        return;
    }
    TPainterTarget target(*FPage, painter);
    FPage->Draw();
}

void TPageEditor::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    PaintPage(painter);
    const QRect r = FPage->PageRect;
    const QColor face = palette().color(QPalette::Button);
    const int w = width(), h = height();
    const int right = r.left() + r.width(), bottom = r.top() + r.height();
    painter.fillRect(QRect(0, 0, w, r.top()), face);
    painter.fillRect(QRect(0, bottom, w, h - bottom), face);
    painter.fillRect(QRect(0, r.top(), r.left(), r.height()), face);
    painter.fillRect(QRect(right, r.top(), w - right, r.height()), face);
    // Black frame and shadow: the edge of white paper, darker than the surroundings in a light
    // palette as in a dark one.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    // The shadow: 2 pixels below and right of the frame, offset by 2.
    painter.fillRect(QRect(r.left() + 2, bottom, r.width(), 2), Qt::black);
    painter.fillRect(QRect(right, r.top() + 2, 2, r.height()), Qt::black);
}

void TPageEditor::CopySelection()
{
    XmlDocument doc;
    FPage->SaveToXml(doc.Nodes, true);
    TfocClipboard::Instance().Open();
    try {
        TfocClipboard::Instance().PutStream(doc.SaveToBytes(), ReportItemFormat);
    } catch (...) {
        TfocClipboard::Instance().Close();
        throw;
    }
    TfocClipboard::Instance().Close();
}

void TPageEditor::DeleteSelection()
{
    for (int i = FPage->Count() - 1; i >= 0; --i)
        if (FPage->Item(i)->Selected)
            FPage->Remove(FPage->Item(i));
    FActiveCode = 0;
    update();
    Fire(OnAddedItem);
    Fire(OnSelectItem);
}

void TPageEditor::CutSelection()
{
    CopySelection();
    DeleteSelection();
}

bool TPageEditor::CanPaste() const { return TfocClipboard::Instance().HasFormat(ReportItemFormat); }

void TPageEditor::Paste()
{
    const QByteArray data = TfocClipboard::Instance().GetStream(ReportItemFormat);
    XmlDocument doc;
    doc.Parse(QString::fromUtf8(data));
    // The reader takes any text. Without a page item (or a page's properties) there is nothing
    // to paste; refusing before the page is touched keeps the selection.
    const XmlNode &items = doc.Nodes.FindByName(QStringLiteral("PageItems"));
    const bool anyItem = !items.IsNull() && !items.Children().FindByName(QStringLiteral("PageItem")).IsNull();
    if (!anyItem && doc.Nodes.FindByName(QStringLiteral("Properties")).IsNull())
        throw Exception(Tr("The clipboard holds no page items"));
    // On failure the items already added go again and the selection comes back, so that a bad
    // clipboard leaves the page as it was.
    const int before = FPage->Count();
    std::vector<std::pair<bool, int>> selection;
    for (int i = 0; i < before; ++i)
        selection.emplace_back(FPage->Item(i)->Selected, FPage->Item(i)->SelectionOrder);
    const bool structure = FPage->StructureChanged;
    try {
        FPage->LoadFromXml(doc.Nodes, false, true);
    } catch (...) {
        while (FPage->Count() > before)
            FPage->Remove(FPage->Item(FPage->Count() - 1));
        for (int i = 0; i < before; ++i) {
            FPage->Item(i)->Selected = selection[static_cast<size_t>(i)].first;
            FPage->Item(i)->SelectionOrder = selection[static_cast<size_t>(i)].second;
        }
        FPage->StructureChanged = structure;
        update();
        throw;
    }
    FActiveCode = 0;
    update();
    Fire(OnAddedItem);
    Fire(OnSelectItem);
}

// ---------------------------------------------------------------------------------------------
// TPageDesigner

TPageDesigner::TPageDesigner(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("PageDesigner"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { InvalidateAll(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { InvalidateAll(); });
}

void TPageDesigner::SetZoomType(TZoomType value)
{
    FZoomType = value;
    UpdateLayout();
    InvalidateAll();
}

void TPageDesigner::SetZoomValue(double value)
{
    const double old = FZoomValue;
    if (!FEditor || old == 0) {
        FZoomValue = value;
        UpdateLayout();
        InvalidateAll();
        return;
    }
    const double ratio = value / old;
    const auto factor = [ratio](int range, int client) {
        if (range - client < 1)
            return 0.0;
        return (range * ratio - client) / (range - client);
    };
    QScrollBar *hb = horizontalScrollBar(), *vb = verticalScrollBar();
    const double fx = factor(FEditor->width(), viewport()->width());
    const double fy = factor(FEditor->height(), viewport()->height());
    const int x = static_cast<int>(std::lround(hb->value() * fx));
    const int y = static_cast<int>(std::lround(vb->value() * fy));
    FZoomValue = value;
    UpdateLayout();
    hb->setValue(std::min(x, hb->maximum()));
    vb->setValue(std::min(y, vb->maximum()));
    InvalidateAll();
}

void TPageDesigner::SetPageEditor(TPageEditor *editor)
{
    FEditor = editor;
    if (editor) {
        setWidget(editor);
        editor->move(0, 0);
        editor->Designer = this;
    }
    UpdateLayout();
}

void TPageDesigner::SetTopRuler(TPageRuler *ruler)
{
    FTopRuler = ruler;
    if (ruler)
        ruler->Designer = this;
}

void TPageDesigner::SetLeftRuler(TPageRuler *ruler)
{
    FLeftRuler = ruler;
    if (ruler)
        ruler->Designer = this;
}

void TPageDesigner::UpdateLayout()
{
    if (!FEditor || FLayingOut)
        return;
    FLayingOut = true;
    // The client size changes when the scroll bars come and go; two rounds settle it.
    for (int round = 0; round < 3; ++round) {
        const int cw = viewport()->width(), ch = viewport()->height();
        const double W = FEditor->Page().PageWidth(), H = FEditor->Page().PageHeight();
        const double scale = W > 0 ? cw / W : 0;
        int w = cw, h = ch;
        switch (FZoomType) {
        case ztPageWidth:
            h = static_cast<int>(H * scale);
            break;
        case ztFullPage:
            break;
        case ztPercentage:
            w = static_cast<int>(cw * FZoomValue);
            h = static_cast<int>(H * scale * FZoomValue);
            break;
        }
        w = std::max(0, w);
        h = std::max(0, h);
        if (FEditor->size() == QSize(w, h))
            break;
        FEditor->resize(w, h);
    }
    FEditor->UpdatePageRect();
    FLayingOut = false;
}

void TPageDesigner::InvalidateAll()
{
    if (FEditor)
        FEditor->update();
    if (FTopRuler)
        FTopRuler->update();
    if (FLeftRuler)
        FLeftRuler->update();
}

void TPageDesigner::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    UpdateLayout();
    InvalidateAll();
}

// ---------------------------------------------------------------------------------------------
// TPageRuler

TPageRuler::TPageRuler(QWidget *parent) : QWidget(parent)
{
    QFont f = font();
    f.setPixelSize(9);
    setFont(f);
}

void TPageRuler::SetRulerType(TRulerType value)
{
    FType = value;
    update();
}

std::vector<TRulerTick> TPageRuler::Ticks() const
{
    std::vector<TRulerTick> ticks;
    if (!Designer || !Designer->PageEditor())
        return ticks;
    TPageEditor *editor = Designer->PageEditor();
    editor->UpdatePageRect();
    const TPage &page = editor->Page();
    const bool horizontal = FType == rtHorizontal;
    const double spacing = editor->GridSpacing();
    const auto toPixel = [&](double mm) { return horizontal ? page.ToPixelX(mm) : page.ToPixelY(mm); };
    const int shift = horizontal ? editor->pos().x() : editor->pos().y();
    const int g = toPixel(spacing) - toPixel(0);
    if (g <= 0 || spacing <= 0)
        return ticks;
    int s = 10;
    while (g / s < 3 && s > 1)
        s /= 2;
    const int w = fontMetrics().horizontalAdvance(FormatCover(9999));
    const int labelEvery = s * (w / g + 1);
    const double extent = horizontal ? page.PageWidth() : page.PageHeight();
    for (int k = 0; k <= 1000000; ++k) {
        const double mm = k * spacing / s;
        if (mm > extent + 1e-9)
            break;
        TRulerTick tick;
        tick.Position = toPixel(mm) + shift;
        if (k % labelEvery == 0) {
            tick.Length = -1;
            tick.Label = FormatCover(mm);
        } else {
            tick.Length = k % s == 0 ? 8 : 4;
        }
        ticks.push_back(tick);
    }
    return ticks;
}

void TPageRuler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::ButtonText));
    const bool horizontal = FType == rtHorizontal;
    const int inner = horizontal ? height() : width();
    const int ascent = fontMetrics().ascent();
    for (const TRulerTick &t : Ticks()) {
        const int from = t.Length < 0 ? 2 : inner - t.Length;
        if (horizontal) {
            p.drawLine(t.Position, from, t.Position, inner);
            if (!t.Label.isEmpty())
                p.drawText(t.Position + 3, ascent, t.Label);
        } else {
            p.drawLine(from, t.Position, inner, t.Position);
            if (!t.Label.isEmpty()) {
                p.save();
                p.translate(0, t.Position - 3);
                p.rotate(-90);
                p.drawText(0, ascent, t.Label);
                p.restore();
            }
        }
    }
    if (horizontal)
        p.drawLine(0, height() - 1, width(), height() - 1);
    else
        p.drawLine(width() - 1, 0, width() - 1, height());
}
