#include "UnitPageItemChart.h"

#include "UnitChartCanvas.h"
#include "UnitChartCombinedOverview.h"
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

double Band(const TPropertyList &p, int batchType)
{
    return batchType == BatchTypeCover ? p["WarningLimit"].AsFloat() : p["WarningLimitHalfCell"].AsFloat();
}

double Threshold(int batchType)
{
    return ReportSettingFloat(batchType == BatchTypeCover ? QStringLiteral("ThresholdCover")
                                                          : QStringLiteral("ThresholdHalfCell"));
}

// The window and look that the single and the combined map take from the same properties.
template <class TMap>
void SetMapProperties(TMap &o, const TPropertyList &p, const TBatchItem &batch, int firstRow, int firstColumn)
{
    o.FirstRow = firstRow;
    o.FirstColumn = firstColumn;
    o.RowCount = std::min(PerPage(p, "GridRowsPerPage"), batch.Rows);
    o.ColumnCount = std::min(PerPage(p, "GridColumnsPerPage"), batch.Columns);
    o.GreyScale = Flag(p, "GreyScale");
    o.FontName = p["FontName"].AsString();
    o.CellFontSize = Prop(p, "CellFontSize");
    o.SquareCells = Flag(p, "SquareCells");
    o.WarningBand = Band(p, batch.BatchType);
    o.Threshold = Threshold(batch.BatchType);
    o.GridLineSpacing = Prop(p, "GridLineMethod") == 1 ? batch.Grid : p["GridLineSpacing"].AsFloat();
    o.GridLines = Flag(p, "GridLines");
    o.Method = static_cast<std::uint8_t>(Prop(p, "ColorGradiant"));
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

void SetupLinear(TChartLinearView &v, const TPropertyList &p, const TBatchItem &batch, int firstRow)
{
    v.Batch = batch;
    v.FirstReading = firstRow;
    v.FontName = p["FontName"].AsString();
    v.CellFontSize = Prop(p, "CellFontSize");
    v.RowsPerColumn = PerPage(p, "LinearRowsPerPage");
    v.TableColumns = PerPage(p, "LinearColumnsPerPage");
    v.GreyScale = Flag(p, "GreyScale");
    v.Method = static_cast<std::uint8_t>(Prop(p, "ColorGradiant"));
    v.WarningBand = Band(p, batch.BatchType);
    v.Threshold = Threshold(batch.BatchType);
}

void DrawKey(TChartOverviewKey &key, QPainter &c, const QRect &q, const TPropertyList &p, const TBatchItem &batch,
             double ppi)
{
    key.Batch = batch;
    key.GreyScale = Flag(p, "GreyScale");
    key.FontName = p["FontName"].AsString();
    key.KeySteps = Prop(p, "KeySteps");
    key.Method = static_cast<std::uint8_t>(Prop(p, "ColorGradiant"));
    key.WarningBand = Band(p, batch.BatchType);
    key.Threshold = Threshold(batch.BatchType);
    DrawAtPageResolution(c, q, ppi, [&](QPainter &canvas, const QRect &r) { key.Draw(canvas, r); });
}
} // namespace

// ---------------------------------------------------------------- run chart

TPageItemChartRun::TPageItemChartRun(TPage *page) : TPageItemSingleData(page)
{
    Properties.Add(QStringLiteral("FontName"), pkString, QStringLiteral("Arial"));
    Properties.Add(QStringLiteral("3D"), pkBoolean, true);
    Properties.Add(QStringLiteral("Grid"), pkBoolean, true);
    Properties.Add(QStringLiteral("LineColor"), pkColour, 0xC0C0C0, {}, Tr("LineColour"));
    Properties.Add(QStringLiteral("ShowLegend"), pkBoolean, true);
    Properties.Add(QStringLiteral("ChartType"), pkChoice, 0, {Tr("Line"), Tr("Bar")});
    FinishCreate(QStringLiteral("ChartRun"));
}

TPageItemChartRun::~TPageItemChartRun() = default;

void TPageItemChartRun::Draw()
{
    TPageItem::Draw();
    if (!Page->Canvas || !Page->IsInner() || Batch().ID.isEmpty())
        return;
    // A renderer for this drawing only: a chart kept by every item of a long report (each
    // continuation page has its own items) would hold on to megabytes per page.
    TChartRun c;
    c.Batch = Batch();
    c.FontName = Properties["FontName"].AsString();
    c.View3D = Properties["3D"].AsBoolean();
    c.Grid = Properties["Grid"].AsBoolean();
    c.LineColour = ColourFromInt(Properties["LineColor"].AsColour());
    c.ShowLegend = Properties["ShowLegend"].AsBoolean();
    c.ChartType = static_cast<std::uint8_t>(Properties["ChartType"].AsInteger());
    DrawAtPageResolution(*Page->Canvas, PixelRect(), Page->PixelsPerInch(),
                         [&](QPainter &canvas, const QRect &r) { c.Draw(canvas, r); });
}

// ---------------------------------------------------------------- histogram

TPageItemChartHistogram::TPageItemChartHistogram(TPage *page) : TPageItemSingleData(page)
{
    Properties.Add(QStringLiteral("FontName"), pkString, QStringLiteral("Arial"));
    Properties.Add(QStringLiteral("3D"), pkBoolean, true);
    Properties.Add(QStringLiteral("Grid"), pkBoolean, true);
    Properties.Add(QStringLiteral("BarColor"), pkColour, 0xC0C0C0);
    Properties.Add(QStringLiteral("BarGap"), pkBoolean, true);
    Properties.Add(QStringLiteral("ShowLegend"), pkBoolean, true);
    Properties.Add(QStringLiteral("ShowMarkFrame"), pkBoolean, true);
    FinishCreate(QStringLiteral("ChartHistogram"));
}

TPageItemChartHistogram::~TPageItemChartHistogram() = default;

void TPageItemChartHistogram::Draw()
{
    TPageItem::Draw();
    if (!Page->Canvas || !Page->IsInner() || Batch().ID.isEmpty())
        return;
    TChartHistogram c; // for this drawing only, as for the run chart
    c.Batch = Batch();
    c.FontName = Properties["FontName"].AsString();
    c.View3D = Properties["3D"].AsBoolean();
    c.Grid = Properties["Grid"].AsBoolean();
    c.BarColour = ColourFromInt(Properties["BarColor"].AsColour());
    c.BarGap = Properties["BarGap"].AsBoolean();
    c.ShowLegend = Properties["ShowLegend"].AsBoolean();
    c.ShowMarkFrame = Properties["ShowMarkFrame"].AsBoolean();
    DrawAtPageResolution(*Page->Canvas, PixelRect(), Page->PixelsPerInch(),
                         [&](QPainter &canvas, const QRect &r) { c.Draw(canvas, r); });
}

// ---------------------------------------------------------------- overview

TPageItemChartOverview::TPageItemChartOverview(TPage *page) : TPageItemSingleData(page)
{
    AddOverviewProperties(Properties, okSingle);
    FinishCreate(QStringLiteral("ChartOverview"));
}

TPageItemChartOverview::~TPageItemChartOverview() = default;

void TPageItemChartOverview::Assign(const TPersistent *source)
{
    TPageItem::Assign(source);
    if (const auto *o = dynamic_cast<const TPageItemChartOverview *>(source)) {
        FirstRow = o->FirstRow;
        FirstColumn = o->FirstColumn;
    }
}

void TPageItemChartOverview::ResetPaging()
{
    TPageItem::ResetPaging();
    FirstRow = FirstColumn = 0;
}

void TPageItemChartOverview::NextPage()
{
    TPageItem::NextPage();
    if (AdvanceWindow(Properties, Batch(), FirstRow, FirstColumn))
        Done = false;
}

void TPageItemChartOverview::Draw()
{
    TPageItem::Draw();
    const TBatchItem &batch = Batch();
    if (!Page->Canvas || !Page->IsInner() || batch.ID.isEmpty())
        return;
    QPainter &c = *Page->Canvas;
    const double ppi = Page->PixelsPerInch();
    QRect m, q;
    OverviewRects(*this, m, q);
    const TPropertyList &p = Properties;
    if (batch.BatchFormat == BatchFormatLinear) {
        TChartLinearView v;
        SetupLinear(v, p, batch, FirstRow);
        v.CellColour = Flag(p, "CellColor");
        v.CellText = Flag(p, "CellText");
        DrawAtPageResolution(c, m, ppi, [&](QPainter &canvas, const QRect &r) { v.Draw(canvas, r); });
    } else {
        TChartOverview o;
        o.Batch = batch;
        SetMapProperties(o, p, batch, FirstRow, FirstColumn);
        o.CellColour = Flag(p, "CellColor");
        o.CellText = Flag(p, "CellText");
        DrawAtPageResolution(c, m, ppi, [&](QPainter &canvas, const QRect &r) { o.Draw(canvas, r); });
    }
    if (Flag(p, "ShowLegend")) {
        TChartOverviewKey key;
        DrawKey(key, c, q, p, batch, ppi);
    }
}

// ---------------------------------------------------------------- combined overview

TPageItemChartCombinedOverview::TPageItemChartCombinedOverview(TPage *page) : TPageItemData(page)
{
    AddOverviewProperties(Properties, okCombined);
    FinishCreate(QStringLiteral("ChartCombinedOverview"));
}

TPageItemChartCombinedOverview::~TPageItemChartCombinedOverview() = default;

int TPageItemChartCombinedOverview::PrimaryType() const
{
    return std::clamp(Properties["PrimaryBatchType"].AsInteger(), 0, 1);
}

void TPageItemChartCombinedOverview::Assign(const TPersistent *source)
{
    TPageItem::Assign(source);
    if (const auto *o = dynamic_cast<const TPageItemChartCombinedOverview *>(source)) {
        FirstRow = o->FirstRow;
        FirstColumn = o->FirstColumn;
    }
}

void TPageItemChartCombinedOverview::ResetPaging()
{
    TPageItem::ResetPaging();
    FirstRow = FirstColumn = 0;
}

void TPageItemChartCombinedOverview::NextPage()
{
    TPageItem::NextPage();
    if (AdvanceWindow(Properties, Page->Batches[static_cast<size_t>(PrimaryType())], FirstRow, FirstColumn))
        Done = false;
}

void TPageItemChartCombinedOverview::Draw()
{
    TPageItem::Draw();
    const int primary = PrimaryType();
    const TBatchItem &batch = Page->Batches[static_cast<size_t>(primary)];
    const TBatchItem &secondary = Page->Batches[static_cast<size_t>(1 - primary)];
    if (!Page->Canvas || !Page->IsInner() || !batch.HasCells())
        return;
    QPainter &c = *Page->Canvas;
    const double ppi = Page->PixelsPerInch();
    QRect m, q;
    OverviewRects(*this, m, q);
    const TPropertyList &p = Properties;
    if (batch.BatchFormat == BatchFormatLinear) {
        TChartLinearView v;
        SetupLinear(v, p, batch, FirstRow);
        v.CellColour = true;
        v.CellText = false;
        DrawAtPageResolution(c, m, ppi, [&](QPainter &canvas, const QRect &r) { v.Draw(canvas, r); });
        if (secondary.HasCells()) {
            // The secondary readings printed over the primary colours.
            SetupLinear(v, p, secondary, FirstRow);
            v.GreyScale = true;
            v.CellColour = false;
            v.CellText = true;
            v.Method = cmNone;
            DrawAtPageResolution(c, m, ppi, [&](QPainter &canvas, const QRect &r) { v.Draw(canvas, r); });
        }
    } else {
        TChartCombinedOverview o;
        o.Batches[0] = Page->Batches[0];
        o.Batches[1] = Page->Batches[1];
        o.SetPrimary(static_cast<std::uint8_t>(primary));
        SetMapProperties(o, p, batch, FirstRow, FirstColumn);
        DrawAtPageResolution(c, m, ppi, [&](QPainter &canvas, const QRect &r) { o.Draw(canvas, r); });
    }
    if (Flag(p, "ShowLegend")) {
        TChartOverviewKey key;
        DrawKey(key, c, q, p, batch, ppi);
    }
}

// ---------------------------------------------------------------- cumulative distribution

TPageItemChartCumulative::TPageItemChartCumulative(TPage *page) : TPageItemSingleData(page)
{
    Properties.Add(QStringLiteral("FontName"), pkString, QStringLiteral("Arial"));
    Properties.Add(QStringLiteral("Grid"), pkBoolean, true);
    Properties.Add(QStringLiteral("PointColor"), pkColour, 0x800000, {}, Tr("PointColour"));
    Properties.Add(QStringLiteral("ShowLegend"), pkBoolean, true);
    FinishCreate(QStringLiteral("ChartCumulative"));
}

TPageItemChartCumulative::~TPageItemChartCumulative() = default;

void TPageItemChartCumulative::Draw()
{
    TPageItem::Draw();
    if (!Page->Canvas || !Page->IsInner() || Batch().ID.isEmpty())
        return;
    TChartCumulative c;
    c.Batch = Batch();
    c.FontName = Properties["FontName"].AsString();
    c.Grid = Properties["Grid"].AsBoolean();
    c.PointColour = ColourFromInt(Properties["PointColor"].AsColour());
    c.ShowLegend = Properties["ShowLegend"].AsBoolean();
    DrawAtPageResolution(*Page->Canvas, PixelRect(), Page->PixelsPerInch(),
                         [&](QPainter &canvas, const QRect &r) { c.Draw(canvas, r); });
}

// ---------------------------------------------------------------- difference map

TPageItemChartDifference::TPageItemChartDifference(TPage *page) : TPageItemSingleData(page)
{
    AddOverviewProperties(Properties, okDifference);
    FinishCreate(QStringLiteral("ChartDifference"));
}

TPageItemChartDifference::~TPageItemChartDifference() = default;

const TBatchItem &TPageItemChartDifference::EarlierBatch() const
{
    return Page->EarlierBatches[static_cast<size_t>(BatchType())];
}

void TPageItemChartDifference::Assign(const TPersistent *source)
{
    TPageItem::Assign(source);
    if (const auto *o = dynamic_cast<const TPageItemChartDifference *>(source)) {
        FirstRow = o->FirstRow;
        FirstColumn = o->FirstColumn;
    }
}

void TPageItemChartDifference::ResetPaging()
{
    TPageItem::ResetPaging();
    FirstRow = FirstColumn = 0;
}

void TPageItemChartDifference::NextPage()
{
    TPageItem::NextPage();
    if (AdvanceWindow(Properties, Batch(), FirstRow, FirstColumn))
        Done = false;
}

void TPageItemChartDifference::Draw()
{
    TPageItem::Draw();
    LastProblem.clear();
    const TBatchItem &later = Batch();
    const TBatchItem &earlier = EarlierBatch();
    // Without an earlier survey there is nothing to compare, as without a batch.
    if (!Page->Canvas || !Page->IsInner() || later.ID.isEmpty() || earlier.ID.isEmpty())
        return;
    QPainter &c = *Page->Canvas;
    const double ppi = Page->PixelsPerInch();
    QRect m, q;
    OverviewRects(*this, m, q);
    const TPropertyList &p = Properties;
    const auto method = static_cast<std::uint8_t>(Prop(p, "ColorGradiant"));
    TChartDifference d;
    d.Earlier = earlier;
    d.Later = later;
    if (later.BatchFormat == BatchFormatLinear) {
        d.Update();
        LastProblem = d.Problem();
        if (LastProblem.isEmpty()) {
            TChartLinearView v;
            v.Batch = d.Difference();
            v.FirstReading = FirstRow;
            v.FontName = p["FontName"].AsString();
            v.CellFontSize = Prop(p, "CellFontSize");
            v.RowsPerColumn = Prop(p, "LinearRowsPerPage");
            v.TableColumns = Prop(p, "LinearColumnsPerPage");
            v.GreyScale = Flag(p, "GreyScale");
            v.Method = method;
            v.WarningBand = 0;
            v.Threshold = 0;
            v.CellColour = true;
            v.CellText = Flag(p, "CellText");
            DrawAtPageResolution(c, m, ppi, [&](QPainter &canvas, const QRect &r) { v.Draw(canvas, r); });
            if (Flag(p, "ShowLegend")) {
                TChartOverviewKey key;
                key.Batch = d.Difference();
                key.GreyScale = Flag(p, "GreyScale");
                key.FontName = p["FontName"].AsString();
                key.KeySteps = Prop(p, "KeySteps");
                key.Method = method;
                key.WarningBand = 0;
                key.Threshold = 0;
                DrawAtPageResolution(c, q, ppi, [&](QPainter &canvas, const QRect &r) { key.Draw(canvas, r); });
            }
            return;
        }
    }
    d.FirstRow = FirstRow;
    d.FirstColumn = FirstColumn;
    d.RowCount = std::min(Prop(p, "GridRowsPerPage"), later.Rows);
    d.ColumnCount = std::min(Prop(p, "GridColumnsPerPage"), later.Columns);
    d.GreyScale = Flag(p, "GreyScale");
    d.FontName = p["FontName"].AsString();
    d.CellFontSize = Prop(p, "CellFontSize");
    d.CellText = Flag(p, "CellText");
    d.SquareCells = Flag(p, "SquareCells");
    d.GridLineSpacing = Prop(p, "GridLineMethod") == 1 ? later.Grid : p["GridLineSpacing"].AsFloat();
    d.GridLines = Flag(p, "GridLines");
    d.Method = method;
    d.KeySteps = Prop(p, "KeySteps");
    // Map and key are drawn in one pass at the page's resolution; the key's rectangle is given
    // relative to the map's so that the same scale serves both.
    const bool legend = Flag(p, "ShowLegend");
    DrawAtPageResolution(c, m, ppi, [&](QPainter &canvas, const QRect &r) {
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
