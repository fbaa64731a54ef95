#pragma once
// The colour map of a grid batch (a window of its cells with column letters, row numbers,
// distances and optional distance grid lines) and its key.
#include "UnitChartCanvas.h"
#include "UnitGradiantHelper.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

// Spreadsheet-style column letters: 0 "A" ... 25 "Z", 26 "AA" ... 701 "ZZ". Past "ZZ" the same
// bijective base-26 counting goes on with three letters and more (702 "AAA", 703 "AAB"), so every
// index keeps a distinct, ordered name. A negative index gives empty text.
QString ColumnName(int index);

// Layout of a map window in a rectangle. Outer and Plot are as computed (not yet clipped); every
// rectangle is clipped to the target when it is drawn.
struct TOverviewLayout {
    int MX = 0;        // margin left and right
    int MY = 0;        // margin top and bottom
    double CW = 0;     // cell width
    double CH = 0;     // cell height
    TEdges Outer;      // the block of labels, cells and distances
    TEdges Plot;       // the cells, cut at the batch's last column and row
    int PlotWidth = 0; // before the cut
    int PlotHeight = 0;
    int SX = 1; // column label step
    int SY = 1; // row label step
};

// Settings of a map window shared by the single and the combined map (both maps carry them as
// their own public fields).
struct TOverviewWindow {
    int FirstRow = 0;
    int FirstColumn = 0;
    int RowCount = 0;
    int ColumnCount = 0;
    bool SquareCells = true;
    double GridLineSpacing = 0; // millimetres; 0 or less: no distances
    bool GridLines = false;
    bool GreyScale = false;
};

// The canvas font must be the 8-point label font. False when the window is empty.
bool ComputeOverviewLayout(QPainter &canvas, const TBatchItem &batch, const TOverviewWindow &window,
                           const QRect &rect, TOverviewLayout &layout);
// Cell rectangle of window column i and row j, clipped to the target.
TEdges OverviewCellRect(const TOverviewLayout &layout, int i, int j, const TEdges &target);
// Column letters and row numbers of the window's existing columns and rows.
void DrawOverviewLabels(QPainter &canvas, const TBatchItem &batch, const TOverviewWindow &window,
                        const TOverviewLayout &layout, const TEdges &target);
// Distances along the bottom and right, grid lines and the frame of the plot area; sets the label
// font size and pen itself.
void DrawOverviewDistances(QPainter &canvas, const TBatchItem &batch, const TOverviewWindow &window,
                           const TOverviewLayout &layout, const TEdges &target);
// Calls visit(i, j, c, r) for each cell of the window that lies inside the batch and holds a
// reading: i and j count within the window, c and r are the batch's column and row.
void ForEachOverviewCell(const TBatchItem &batch, const TOverviewWindow &window,
                         const std::function<void(int i, int j, int c, int r)> &visit);

class TChartOverview : public TOverviewWindow {
public:
    QString FontName = QStringLiteral("Arial");
    int CellFontSize = 8;
    TBatchItem Batch;
    double WarningBand = 30.0;
    bool CellColour = false;
    bool CellText = false;
    std::uint8_t Method = cmWarning;
    double Threshold = 0;
    TGradiantHelper Gradient;

    void Draw(QPainter &canvas, const QRect &rect);
    // The layout the last Draw used (for callers that align other drawing with the map).
    const TOverviewLayout &LastLayout() const { return FLayout; }

private:
    TOverviewLayout FLayout;
};

// Value range and geometry of the key, as drawn.
struct TKeyLayout {
    bool Visible = false; // false: the key area stays blank
    bool Graded = false;
    double Lo = 0;
    double Hi = 0;
    int Steps = 0;     // boxes
    double BoxWidth = 0;
    double ValueStep = 0;
    double Scale = 0;  // pixels per stored unit
    int LabelStep = 1;
    TEdges Bar;        // boxes and labels
    TEdges Boxes;      // the box band
    int PositionOf(double value) const; // x of a value on the bar
};

class TChartOverviewKey {
public:
    QString FontName = QStringLiteral("Arial");
    TBatchItem Batch;
    double WarningBand = 30.0;
    int KeySteps = 0; // boxes; fewer than 2 are drawn as 2
    bool GreyScale = false;
    TGradiantHelper Gradient;
    std::uint8_t Method = cmWarning;
    double Threshold = 0;

    void Draw(QPainter &canvas, const QRect &rect);
    const TKeyLayout &LastLayout() const { return FLayout; }

private:
    TKeyLayout FLayout;
};
