#include "UnitChartCombinedOverview.h"
#include "UnitUnits.h"

#include <cmath>

void TChartCombinedOverview::SetPrimary(std::uint8_t batchType)
{
    PrimaryIndex = batchType == 1 ? 1 : 0;
    SecondaryIndex = PrimaryIndex == 0 ? 1 : 0;
}

void TChartCombinedOverview::Draw(QPainter &canvas, const QRect &rect)
{
    // An index from outside could only come from a caller's mistake; keep both inside the pair.
    const int pi = PrimaryIndex == 1 ? 1 : 0;
    const int si = SecondaryIndex == 1 ? 1 : 0;
    TBatchItem &primary = Batches[pi];
    TBatchItem &secondary = Batches[si];
    TGradiantHelper &gradient = Gradients[pi];
    gradient.Prepare(primary, WarningBand, true, GreyScale, Method, Threshold);
    if (si != pi)
        Gradients[si].Prepare(secondary, 0, false, false, cmNone, 0);
    FLayout = TOverviewLayout();
    auto drawable = [](const TBatchItem &b) {
        return b.Columns > 0 && b.Rows > 0 && b.BatchFormat != BatchFormatLinear;
    };
    if (!drawable(primary) || !drawable(secondary))
        return;

    const TOverviewWindow &window = *this;
    const TEdges target = TEdges::FromRect(rect);
    canvas.save();
    SetCanvasFont(canvas, FontName, 8);
    if (ComputeOverviewLayout(canvas, primary, window, rect, FLayout)) {
        DrawOverviewLabels(canvas, primary, window, FLayout, target);
        SetCanvasFontSize(canvas, CellFontSize);
        ForEachOverviewCell(primary, window, [&](int i, int j, int c, int r) {
            FillEdges(canvas, OverviewCellRect(FLayout, i, j, target), gradient.ColourFor(primary.Value(c, r)));
        });

        // Secondary readings at their true positions, on the primary's millimetre-to-pixel scale.
        const double sp = primary.Grid;
        const double ss = secondary.Grid;
        const double x0 = FirstColumn * sp, x1 = (FirstColumn + ColumnCount) * sp;
        const double y0 = FirstRow * sp, y1 = (FirstRow + RowCount) * sp;
        if (x1 > x0 && y1 > y0 && ss > 0) {
            SetCanvasFont(canvas, FontName, 8);
            canvas.setBrush(Qt::NoBrush);
            const TEdges plot = FLayout.Plot.ClippedTo(target);
            const int th = TextHeight(canvas);
            for (int i = 0; i < secondary.Columns; ++i) {
                const double cx = i * ss;
                if (cx < x0 - ss || cx > x1 + ss)
                    continue;
                for (int j = 0; j < secondary.Rows; ++j) {
                    const double cy = j * ss;
                    if (cy < y0 - ss || cy > y1 + ss || CellIsEmpty(secondary, i, j))
                        continue;
                    const double px = FLayout.Plot.Left + ((i + 0.5) * ss - x0) / (x1 - x0) * FLayout.PlotWidth;
                    const double py = FLayout.Plot.Top + ((j + 0.5) * ss - y0) / (y1 - y0) * FLayout.PlotHeight;
                    const QString text = CellDisplayText(secondary, i, j);
                    // Nearest, ties to even.
                    const int left = static_cast<int>(std::nearbyint(px)) - TextWidth(canvas, text) / 2;
                    const int top = static_cast<int>(std::nearbyint(py)) - th / 2;
                    TextOutClipped(canvas, plot, left, top, text);
                }
            }
        }
        DrawOverviewDistances(canvas, primary, window, FLayout, target);
    }
    canvas.restore();
}
