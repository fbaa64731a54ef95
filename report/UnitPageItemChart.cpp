#include "UnitPageItemChart.h"

#include "UnitChartCanvas.h"
#include "UnitChartCombinedOverview.h"
#include "UnitChartContour.h"
#include "UnitChartCumulative.h"
#include "UnitChartDifference.h"
#include "UnitChartHistogram.h"
#include "UnitChartLinearView.h"
#include "UnitChartOverview.h"
#include "UnitChartRun.h"
#include "UnitEvaluation.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// The renderers size their fonts in points for the canvas's own resolution; the page may be
// drawn at another (a preview, a bitmap four times the size). Drawing through a scale makes
// the points come out at the page's resolution.
template <class F> void DrawAtPageResolution(QPainter &canvas, const QRect &rect, double ppi, F draw)
{
    const int deviceDpi = canvas.device() ? canvas.device()->logicalDpiY() : 96;
    const double s = deviceDpi > 0 && ppi > 0 ? ppi / deviceDpi : 1.0;
    const TCanvasState state(canvas);
    if (std::abs(s - 1.0) < 0.01) {
        draw(canvas, rect);
    } else {
        canvas.translate(rect.left(), rect.top());
        canvas.scale(s, s);
        // A page of absurd size gives an absurd scale; the sizes stay within what an int holds.
        const auto unscaled = [s](int pixels) {
            constexpr double limit = 1 << 29;
            return static_cast<int>(std::clamp(pixels / s, -limit, limit));
        };
        draw(canvas, QRect(0, 0, unscaled(rect.width()), unscaled(rect.height())));
    }
}

// A renderer drawn into a rectangle of the page at the page's resolution.
template <class TChart> void DrawChart(TChart &chart, QPainter &canvas, const QRect &rect, double ppi)
{
    DrawAtPageResolution(canvas, rect, ppi, [&](QPainter &c, const QRect &r) { chart.Draw(c, r); });
}

// A renderer drawn over the item's whole rectangle.
template <class TChart> void DrawChart(TChart &chart, const TPageItem &item)
{
    DrawChart(chart, *item.Page->Canvas, item.PixelRect(), item.Page->PixelsPerInch());
}

// Whether a chart of this batch is drawn at all: only on an inner page being drawn, and only for
// a batch there is.
bool Drawable(const TPageItem &item, const TBatchItem &batch)
{
    return item.Page->Canvas && item.Page->IsInner() && !batch.ID.isEmpty();
}

// The look the run chart, the histogram and the cumulative distribution share: the properties
// and the renderer's fields they set. Only the first two have a 3D view.
void AddChartLookProperties(TPropertyList &p, bool view3D)
{
    p.Add(QStringLiteral("FontName"), pkString, QStringLiteral("Arial"));
    if (view3D)
        p.Add(QStringLiteral("3D"), pkBoolean, true);
    p.Add(QStringLiteral("Grid"), pkBoolean, true);
    p.Add(QStringLiteral("ShowLegend"), pkBoolean, true);
}

// Draws a chart of the item's batch over its rectangle: the shared look, then what `setup` adds.
// The renderer lives for this drawing only: a chart kept by every item of a long report (each
// continuation page has its own items) would hold on to megabytes per page.
template <class TChart, class F> void DrawBatchChart(const TPageItemSingleData &item, F setup)
{
    const TBatchItem &batch = item.Batch();
    if (!Drawable(item, batch))
        return;
    const TPropertyList &p = item.Properties;
    TChart c;
    c.Batch = batch;
    c.FontName = p["FontName"].AsString();
    if constexpr (requires { c.View3D; })
        c.View3D = p["3D"].AsBoolean();
    c.Grid = p["Grid"].AsBoolean();
    c.ShowLegend = p["ShowLegend"].AsBoolean();
    setup(c);
    DrawChart(c, item);
}

void ClampTo(TProperty &p, int lo, int hi)
{
    p.OnValidate = [lo, hi](TProperty &, QVariant &v) { v = std::clamp(v.toInt(), lo, hi); };
    p.Bounded = true;
    p.Low = lo;
    p.High = hi;
}

// Which overview item the properties are for.
enum TOverviewKind { okSingle, okCombined, okDifference };

void AddOverviewProperties(TPropertyList &p, TOverviewKind kind)
{
    const bool single = kind == okSingle;
    p.Add(QStringLiteral("FontName"), pkString, QStringLiteral("Arial"));
    QStringList sizes;
    for (int s = 2; s <= 72; ++s)
        sizes << QString::number(s);
    p.Add(QStringLiteral("CellFontSize"), pkInteger, 8, sizes);
    if (single)
        p.Add(QStringLiteral("CellColor"), pkBoolean, true, {}, Tr("CellColour"));
    if (single || kind == okDifference)
        p.Add(QStringLiteral("CellText"), pkBoolean, false);
    p.Add(QStringLiteral("SquareCells"), pkBoolean, true);
    // A change of readings has no limits, so no warning band either.
    if (kind != okDifference) {
        p.Add(QStringLiteral("WarningLimit"), pkCoverLength, 30.0, {}, Tr("WarningLimitCover"));
        p.Add(QStringLiteral("WarningLimitHalfCell"), pkHalfCell, 200.0);
    }
    ClampTo(p.Add(QStringLiteral("KeySteps"), pkInteger, 15), 2, 15);
    p.Add(QStringLiteral("GridLineSpacing"), pkDistance, 1000.0);
    p.Add(QStringLiteral("GridLines"), pkBoolean, true);
    p.Add(QStringLiteral("GreyScale"), pkBoolean, false);
    ClampTo(p.Add(QStringLiteral("GridColumnsPerPage"), pkInteger, 25), 1, 255);
    ClampTo(p.Add(QStringLiteral("GridRowsPerPage"), pkInteger, 10), 1, 255);
    ClampTo(p.Add(QStringLiteral("LinearColumnsPerPage"), pkInteger, 10), 1, 255);
    ClampTo(p.Add(QStringLiteral("LinearRowsPerPage"), pkInteger, 20), 1, 255);
    p.Add(QStringLiteral("ShowLegend"), pkBoolean, true);
    p.Add(QStringLiteral("GridLineMethod"), pkChoice, 1, {Tr("Report Value"), Tr("Every Cell")});
    // A difference map is read by the size of the change: a continuous scale by default.
    p.Add(QStringLiteral("ColorGradiant"), pkChoice, kind == okDifference ? int(cmMaxMin) : 0,
          {Tr("None"), Tr("Warning"), Tr("MaxMin"), Tr("Limits"), Tr("Threshold")}, Tr("GradientMethod"));
    if (kind == okCombined)
        p.Add(QStringLiteral("PrimaryBatchType"), pkChoice, 0, BatchTypeChoices());
}

int Prop(const TPropertyList &p, const char *name) { return p[QLatin1String(name)].AsInteger(); }
bool Flag(const TPropertyList &p, const char *name) { return p[QLatin1String(name)].AsBoolean(); }
// A rows- or columns-per-page property within its bounds, whatever was set, so paging ends.
int PerPage(const TPropertyList &p, const char *name) { return std::clamp(Prop(p, name), 1, 255); }

// Map and key rectangles: a key strip of 10 mm at the bottom with a gap of 10 mm above it.
void OverviewRects(const TPageItem &item, QRect &map, QRect &key)
{
    const double k = item.Properties["ShowLegend"].AsBoolean() ? 10.0 : 0.0;
    const QRect r = item.PixelRect();
    map = item.Page->ItemRect(item.Left(), item.Top(), item.Width(), item.Height() - 2 * k).intersected(r);
    key = item.Page->ItemRect(item.Left(), item.Top() + item.Height() - k, item.Width(), k).intersected(r);
}

// The warning band and threshold a map, a table and a key colour by. A change of readings has
// neither: both 0.
struct TLimits {
    double Band = 0;
    double Threshold = 0;
};

TLimits LimitsOf(const TPropertyList &p, int batchType)
{
    const bool cover = batchType == BatchTypeCover;
    const double band = cover ? p["WarningLimit"].AsFloat() : p["WarningLimitHalfCell"].AsFloat();
    return {band, ReportSettingFloat(cover ? QStringLiteral("ThresholdCover") : QStringLiteral("ThresholdHalfCell"))};
}

std::uint8_t Method(const TPropertyList &p) { return static_cast<std::uint8_t>(Prop(p, "ColorGradiant")); }

// The window and look that the single, the combined and the difference map take from the same
// properties; the window's size and grid line spacing follow `batch`. The difference map has a
// threshold but no warning band.
template <class TMap>
void SetMapProperties(TMap &o, const TPropertyList &p, const TBatchItem &batch, int firstRow, int firstColumn,
                      const TLimits &limits)
{
    o.FirstRow = firstRow;
    o.FirstColumn = firstColumn;
    o.RowCount = std::min(PerPage(p, "GridRowsPerPage"), batch.Rows);
    o.ColumnCount = std::min(PerPage(p, "GridColumnsPerPage"), batch.Columns);
    o.GreyScale = Flag(p, "GreyScale");
    o.FontName = p["FontName"].AsString();
    o.CellFontSize = Prop(p, "CellFontSize");
    o.SquareCells = Flag(p, "SquareCells");
    o.GridLineSpacing = Prop(p, "GridLineMethod") == 1 ? batch.Grid : p["GridLineSpacing"].AsFloat();
    o.GridLines = Flag(p, "GridLines");
    o.Method = Method(p);
    if constexpr (requires { o.WarningBand; })
        o.WarningBand = limits.Band;
    o.Threshold = limits.Threshold;
}

// Advances the paging window; true while more of the batch remains.
bool AdvanceWindow(const TPropertyList &p, const TBatchItem &batch, int &firstRow, int &firstColumn)
{
    if (batch.BatchFormat == BatchFormatLinear) {
        const int n = PerPage(p, "LinearRowsPerPage") * PerPage(p, "LinearColumnsPerPage");
        if (firstRow + n >= batch.LastReadingPosition())
            return false;
        firstRow += n;
        return true;
    }
    const int cols = PerPage(p, "GridColumnsPerPage");
    const int rows = PerPage(p, "GridRowsPerPage");
    if (firstColumn + cols < batch.Columns) {
        firstColumn += cols;
        return true;
    }
    if (firstRow + rows < batch.Rows) {
        firstColumn = 0;
        firstRow += rows;
        return true;
    }
    return false;
}

void SetupLinear(TChartLinearView &v, const TPropertyList &p, const TBatchItem &batch, int firstRow,
                 const TLimits &limits)
{
    v.Batch = batch;
    v.FirstReading = firstRow;
    v.FontName = p["FontName"].AsString();
    v.CellFontSize = Prop(p, "CellFontSize");
    v.RowsPerColumn = PerPage(p, "LinearRowsPerPage");
    v.TableColumns = PerPage(p, "LinearColumnsPerPage");
    v.GreyScale = Flag(p, "GreyScale");
    v.Method = Method(p);
    v.WarningBand = limits.Band;
    v.Threshold = limits.Threshold;
}

// Where an overview item draws, at the page's resolution: its map (or linear table) and, below
// it, its key, both set up from the item's properties.
struct TMapTarget {
    explicit TMapTarget(const TPageItem &item)
        : Canvas(*item.Page->Canvas), Ppi(item.Page->PixelsPerInch()), P(item.Properties)
    {
        OverviewRects(item, Map, Key);
    }
    template <class TChart> void DrawMap(TChart &chart) { DrawChart(chart, Canvas, Map, Ppi); }
    // The readings of a linear batch from `firstRow` on, as a table.
    void DrawTable(const TBatchItem &batch, int firstRow, const TLimits &limits, bool cellColour, bool cellText)
    {
        TChartLinearView v;
        SetupLinear(v, P, batch, firstRow, limits);
        v.CellColour = cellColour;
        v.CellText = cellText;
        DrawMap(v);
    }
    // The key of the batch's colours, when the item shows one.
    void DrawKey(const TBatchItem &batch, const TLimits &limits)
    {
        if (!Flag(P, "ShowLegend"))
            return;
        TChartOverviewKey key;
        key.Batch = batch;
        key.GreyScale = Flag(P, "GreyScale");
        key.FontName = P["FontName"].AsString();
        key.KeySteps = Prop(P, "KeySteps");
        key.Method = Method(P);
        key.WarningBand = limits.Band;
        key.Threshold = limits.Threshold;
        DrawChart(key, Canvas, Key, Ppi);
    }

    QPainter &Canvas;
    double Ppi;
    const TPropertyList &P;
    QRect Map, Key;
};
} // namespace

// ---------------------------------------------------------------- paging through a batch

template <class TSelf, class TBase> void TPageItemPaged<TSelf, TBase>::Assign(const TPersistent *source)
{
    TBase::Assign(source);
    if (const auto *o = dynamic_cast<const TSelf *>(source)) {
        FirstRow = o->FirstRow;
        FirstColumn = o->FirstColumn;
    }
}

template <class TSelf, class TBase> void TPageItemPaged<TSelf, TBase>::ResetPaging()
{
    TBase::ResetPaging();
    FirstRow = FirstColumn = 0;
}

template <class TSelf, class TBase> void TPageItemPaged<TSelf, TBase>::NextPage()
{
    TBase::NextPage();
    if (AdvanceWindow(this->Properties, PagedBatch(), FirstRow, FirstColumn))
        this->Done = false;
}

// ---------------------------------------------------------------- run chart

TPageItemChartRun::TPageItemChartRun(TPage *page) : TPageItemSingleData(page)
{
    AddChartLookProperties(Properties, true);
    Properties.Add(QStringLiteral("LineColor"), pkColour, 0xC0C0C0, {}, Tr("LineColour"));
    Properties.Add(QStringLiteral("ChartType"), pkChoice, 0, {Tr("Line"), Tr("Bar")});
    FinishCreate(QStringLiteral("ChartRun"));
}

TPageItemChartRun::~TPageItemChartRun() = default;

void TPageItemChartRun::Draw()
{
    TPageItem::Draw();
    DrawBatchChart<TChartRun>(*this, [this](TChartRun &c) {
        c.LineColour = ColourFromInt(Properties["LineColor"].AsColour());
        c.ChartType = static_cast<std::uint8_t>(Properties["ChartType"].AsInteger());
    });
}

// ---------------------------------------------------------------- histogram

TPageItemChartHistogram::TPageItemChartHistogram(TPage *page) : TPageItemSingleData(page)
{
    AddChartLookProperties(Properties, true);
    Properties.Add(QStringLiteral("BarColor"), pkColour, 0xC0C0C0);
    Properties.Add(QStringLiteral("BarGap"), pkBoolean, true);
    Properties.Add(QStringLiteral("ShowMarkFrame"), pkBoolean, true);
    FinishCreate(QStringLiteral("ChartHistogram"));
}

TPageItemChartHistogram::~TPageItemChartHistogram() = default;

void TPageItemChartHistogram::Draw()
{
    TPageItem::Draw();
    DrawBatchChart<TChartHistogram>(*this, [this](TChartHistogram &c) {
        c.BarColour = ColourFromInt(Properties["BarColor"].AsColour());
        c.BarGap = Properties["BarGap"].AsBoolean();
        c.ShowMarkFrame = Properties["ShowMarkFrame"].AsBoolean();
    });
}

// ---------------------------------------------------------------- overview

TPageItemChartOverview::TPageItemChartOverview(TPage *page) : TPageItemPaged(page)
{
    AddOverviewProperties(Properties, okSingle);
    FinishCreate(QStringLiteral("ChartOverview"));
}

TPageItemChartOverview::~TPageItemChartOverview() = default;

void TPageItemChartOverview::Draw()
{
    TPageItem::Draw();
    const TBatchItem &batch = Batch();
    if (!Drawable(*this, batch))
        return;
    const TPropertyList &p = Properties;
    TMapTarget target(*this);
    const TLimits limits = LimitsOf(p, batch.BatchType);
    if (batch.BatchFormat == BatchFormatLinear) {
        target.DrawTable(batch, FirstRow, limits, Flag(p, "CellColor"), Flag(p, "CellText"));
    } else {
        TChartOverview o;
        o.Batch = batch;
        SetMapProperties(o, p, batch, FirstRow, FirstColumn, limits);
        o.CellColour = Flag(p, "CellColor");
        o.CellText = Flag(p, "CellText");
        target.DrawMap(o);
    }
    target.DrawKey(batch, limits);
}

// ---------------------------------------------------------------- combined overview

TPageItemChartCombinedOverview::TPageItemChartCombinedOverview(TPage *page) : TPageItemPaged(page)
{
    AddOverviewProperties(Properties, okCombined);
    FinishCreate(QStringLiteral("ChartCombinedOverview"));
}

TPageItemChartCombinedOverview::~TPageItemChartCombinedOverview() = default;

int TPageItemChartCombinedOverview::PrimaryType() const
{
    return std::clamp(Properties["PrimaryBatchType"].AsInteger(), 0, 1);
}

// The primary batch sets the window; the secondary's readings are shown in its cells.
const TBatchItem &TPageItemChartCombinedOverview::PagedBatch() const
{
    return Page->Batches[static_cast<size_t>(PrimaryType())];
}

void TPageItemChartCombinedOverview::Draw()
{
    TPageItem::Draw();
    const int primary = PrimaryType();
    const TBatchItem &batch = PagedBatch();
    const TBatchItem &secondary = Page->Batches[static_cast<size_t>(1 - primary)];
    if (!Page->Canvas || !Page->IsInner() || !batch.HasCells())
        return;
    const TPropertyList &p = Properties;
    TMapTarget target(*this);
    const TLimits limits = LimitsOf(p, batch.BatchType);
    if (batch.BatchFormat == BatchFormatLinear) {
        target.DrawTable(batch, FirstRow, limits, true, false);
        if (secondary.HasCells()) {
            // The secondary readings printed over the primary colours.
            TChartLinearView v;
            SetupLinear(v, p, secondary, FirstRow, LimitsOf(p, secondary.BatchType));
            v.GreyScale = true;
            v.CellColour = false;
            v.CellText = true;
            v.Method = cmNone;
            target.DrawMap(v);
        }
    } else {
        TChartCombinedOverview o;
        o.Batches[0] = Page->Batches[0];
        o.Batches[1] = Page->Batches[1];
        o.SetPrimary(static_cast<std::uint8_t>(primary));
        SetMapProperties(o, p, batch, FirstRow, FirstColumn, limits);
        target.DrawMap(o);
    }
    target.DrawKey(batch, limits);
}

// ---------------------------------------------------------------- cumulative distribution

TPageItemChartCumulative::TPageItemChartCumulative(TPage *page) : TPageItemSingleData(page)
{
    AddChartLookProperties(Properties, false);
    Properties.Add(QStringLiteral("PointColor"), pkColour, 0x800000, {}, Tr("PointColour"));
    FinishCreate(QStringLiteral("ChartCumulative"));
}

TPageItemChartCumulative::~TPageItemChartCumulative() = default;

void TPageItemChartCumulative::Draw()
{
    TPageItem::Draw();
    DrawBatchChart<TChartCumulative>(*this, [this](TChartCumulative &c) {
        c.PointColour = ColourFromInt(Properties["PointColor"].AsColour());
    });
}

// ---------------------------------------------------------------- difference map

TPageItemChartDifference::TPageItemChartDifference(TPage *page) : TPageItemPaged(page)
{
    AddOverviewProperties(Properties, okDifference);
    FinishCreate(QStringLiteral("ChartDifference"));
}

TPageItemChartDifference::~TPageItemChartDifference() = default;

const TBatchItem &TPageItemChartDifference::EarlierBatch() const
{
    return Page->EarlierBatches[static_cast<size_t>(BatchType())];
}

void TPageItemChartDifference::Draw()
{
    TPageItem::Draw();
    LastProblem.clear();
    const TBatchItem &later = Batch();
    const TBatchItem &earlier = EarlierBatch();
    // Without an earlier survey there is nothing to compare, as without a batch.
    if (!Drawable(*this, later) || earlier.ID.isEmpty())
        return;
    TMapTarget target(*this);
    const TPropertyList &p = Properties;
    const TLimits none;
    TChartDifference d;
    d.Earlier = earlier;
    d.Later = later;
    if (later.BatchFormat == BatchFormatLinear) {
        d.Update();
        LastProblem = d.Problem();
        if (LastProblem.isEmpty()) {
            target.DrawTable(d.Difference(), FirstRow, none, true, Flag(p, "CellText"));
            target.DrawKey(d.Difference(), none);
            return;
        }
    }
    SetMapProperties(d, p, later, FirstRow, FirstColumn, none);
    d.CellText = Flag(p, "CellText");
    d.KeySteps = Prop(p, "KeySteps");
    // Map and key are drawn in one pass at the page's resolution; the key's rectangle is given
    // relative to the map's so that the same scale serves both.
    const bool legend = Flag(p, "ShowLegend");
    const QRect &m = target.Map, &q = target.Key;
    DrawAtPageResolution(target.Canvas, m, target.Ppi, [&](QPainter &canvas, const QRect &r) {
        QRect key;
        if (legend && m.width() > 0) {
            const double s = double(r.width()) / m.width();
            key = QRect(r.left() + RoundHalfUp((q.left() - m.left()) * s), r.top() + RoundHalfUp((q.top() - m.top()) * s),
                        RoundHalfUp(q.width() * s), RoundHalfUp(q.height() * s));
        }
        d.Draw(canvas, r, key);
    });
    LastProblem = d.Problem();
}

// ---------------------------------------------------------------- contour map

TPageItemChartContour::TPageItemChartContour(TPage *page) : TPageItemPaged(page)
{
    Properties.Add(QStringLiteral("FontName"), pkString, QStringLiteral("Arial"));
    QStringList sizes;
    for (int s = 2; s <= 72; ++s)
        sizes << QString::number(s);
    Properties.Add(QStringLiteral("LabelFontSize"), pkInteger, 8, sizes);
    // Levels in millimetres or millivolts; empty: the batch's defaults (its limits, or the
    // corrosion class boundaries). A step other than 0 draws every multiple of it instead.
    Properties.Add(QStringLiteral("Levels"), pkString, QString()).OnValidate = [](TProperty &, QVariant &v) {
        v = ContourLevelsText(ParseContourLevels(v.toString())); // raises for a wrong entry
    };
    Properties.Add(QStringLiteral("StepCover"), pkCoverLength, 0.0);
    Properties.Add(QStringLiteral("StepHalfCell"), pkHalfCell, 0.0);
    Properties.Add(QStringLiteral("Filled"), pkBoolean, true);
    Properties.Add(QStringLiteral("Labels"), pkBoolean, true);
    Properties.Add(QStringLiteral("SquareCells"), pkBoolean, true);
    Properties.Add(QStringLiteral("GridLineSpacing"), pkDistance, 1000.0);
    Properties.Add(QStringLiteral("GridLines"), pkBoolean, false);
    Properties.Add(QStringLiteral("GridLineMethod"), pkChoice, 1, {Tr("Report Value"), Tr("Every Cell")});
    Properties.Add(QStringLiteral("GreyScale"), pkBoolean, false);
    Properties.Add(QStringLiteral("ShowLegend"), pkBoolean, true);
    ClampTo(Properties.Add(QStringLiteral("GridColumnsPerPage"), pkInteger, 25), 1, 255);
    ClampTo(Properties.Add(QStringLiteral("GridRowsPerPage"), pkInteger, 10), 1, 255);
    FinishCreate(QStringLiteral("ChartContour"));
}

TPageItemChartContour::~TPageItemChartContour() = default;

void TPageItemChartContour::NextPage()
{
    // A linear batch has no map to page through: its message is shown once.
    if (Batch().BatchFormat == BatchFormatLinear) {
        TPageItemSingleData::NextPage();
        return;
    }
    TPageItemPaged::NextPage();
}

void TPageItemChartContour::Draw()
{
    TPageItem::Draw();
    LastProblem.clear();
    const TBatchItem &batch = Batch();
    if (!Drawable(*this, batch))
        return;
    const TPropertyList &p = Properties;
    TChartContour c;
    c.Batch = batch;
    c.FirstRow = FirstRow;
    c.FirstColumn = FirstColumn;
    c.RowCount = std::min(PerPage(p, "GridRowsPerPage"), std::max(0, batch.Rows));
    c.ColumnCount = std::min(PerPage(p, "GridColumnsPerPage"), std::max(0, batch.Columns));
    c.GreyScale = Flag(p, "GreyScale");
    c.FontName = p["FontName"].AsString();
    c.LabelFontSize = Prop(p, "LabelFontSize");
    c.SquareCells = Flag(p, "SquareCells");
    c.GridLineSpacing = Prop(p, "GridLineMethod") == 1 ? batch.Grid : p["GridLineSpacing"].AsFloat();
    c.GridLines = Flag(p, "GridLines");
    c.Filled = Flag(p, "Filled");
    c.Labels = Flag(p, "Labels");
    c.Legend = Flag(p, "ShowLegend");
    c.Step = batch.BatchType == BatchTypeHalfCell ? p["StepHalfCell"].AsFloat() : p["StepCover"].AsFloat();
    QPainter &canvas = *Page->Canvas;
    const QRect rect = PixelRect();
    try {
        c.Levels = ParseContourLevels(p["Levels"].AsString());
        DrawChart(c, canvas, rect, Page->PixelsPerInch());
    } catch (const Exception &e) {
        // A linear batch or a wrong level: the reason in place of the map.
        LastProblem = e.Message();
        DrawAtPageResolution(canvas, rect, Page->PixelsPerInch(), [&](QPainter &painter, const QRect &r) {
            SetCanvasFont(painter, c.FontName, 10);
            painter.setPen(QPen(Qt::black));
            painter.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, LastProblem);
        });
    }
}

template class TPageItemPaged<TPageItemChartOverview, TPageItemSingleData>;
template class TPageItemPaged<TPageItemChartCombinedOverview, TPageItemData>;
template class TPageItemPaged<TPageItemChartDifference, TPageItemSingleData>;
template class TPageItemPaged<TPageItemChartContour, TPageItemSingleData>;
