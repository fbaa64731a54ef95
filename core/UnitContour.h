#pragma once
// Isolines of a grid batch: marching squares over the grid of cell centres, with linear
// interpolation along the square edges. Shared by the contour chart, the command line and the
// CAD drawing export.
#include "UnitBatchList.h"

#include <QList>
#include <QPointF>
#include <cmath>
#include <vector>

// One isoline: an ordered polyline in millimetres, cell (column c, row r) at (c × S, r × S),
// y growing down the rows; a closed ring repeats its first point at its end.
using TContourLine = QList<QPointF>;
struct TContourLevel {
    double Value = 0; // internal units (mm for cover, mV for half cell)
    QList<TContourLine> Lines;
};
// S, the grid spacing in millimetres.
double ContourGridSpacing(const TBatchItem &batch);
// Default levels, ascending, internal units: half cell = the class boundaries of its reference
// cell as the evaluation uses them (CU/CUSO4: -350 and -200 mV, the other cell converted the
// same way); cover = its applied low and high limits.
QList<double> ContourDefaultLevels(const TBatchItem &batch);
// Isolines by marching squares over the grid of cell centres; a square with any empty,
// over-range or under-range corner draws nothing. Raises Exception("Contour maps need a grid
// batch") (through Tr) for a linear batch or a grid with fewer than 2 rows or columns.
// One entry per distinct finite level, ascending.
QList<TContourLevel> ContourLines(const TBatchItem &batch, const QList<double> &levels);

// --- helpers shared with the drawing of filled bands

// Every multiple of `step` (internal units) from the lowest to the highest valid reading.
// Raises a message for a step that is not positive or that gives more than ContourMaxLevels levels.
constexpr int ContourMaxLevels = 1000;
QList<double> ContourStepLevels(const TBatchItem &batch, double step);
// Ascending distinct finite levels.
QList<double> ContourSortedLevels(const QList<double> &levels);
// The levels a contour map draws: every multiple of a positive step, else the levels given,
// else the default levels.
QList<double> ContourLevelsOf(const TBatchItem &batch, const QList<double> &levels, double step);
// Levels written as numbers (internal units, a point as the decimal sign) separated by commas,
// semicolons or spaces. Raises a message naming the first entry that is no number.
QList<double> ParseContourLevels(const QString &text);
// The levels written back in that form.
QString ContourLevelsText(const QList<double> &levels);

// The readings as the contour code samples them.
struct TContourField {
    int Columns = 0;
    int Rows = 0;
    double Spacing = 1; // millimetres
    std::vector<double> Values; // row by row; NaN where a cell draws nothing
    double At(int c, int r) const { return Values[size_t(r) * size_t(Columns) + size_t(c)]; }
    bool Valid(int c, int r) const { return !std::isnan(At(c, r)); }
    // True when all four corners of square (c, r) .. (c + 1, r + 1) hold valid readings.
    bool SquareValid(int c, int r) const;
};
// Raises "Contour maps need a grid batch" as ContourLines does.
TContourField ContourFieldOf(const TBatchItem &batch);

// The part of square (c, r) .. (c + 1, r + 1) at or above `level`, bounded by the same isoline
// segments ContourLines gives: up to two polygons in millimetres (a saddle whose centre average
// lies below the level keeps its two high corners apart). Returns the number of polygons; 0 for
// a square below the level or with a corner that draws nothing. counts[k] points go to polygon k.
int ContourSquareRegion(const TContourField &field, int c, int r, double level, QPointF polygons[2][6],
                        int counts[2]);
