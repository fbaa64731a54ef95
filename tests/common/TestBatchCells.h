#pragma once
// Batches built cell by cell, for the tests of every layer that reads batches. Kept out of
// TestSupport.h so that the short names below only reach the tests that ask for them.
#include "UnitBatchList.h"

#include <vector>

// A cell of a test batch: a value, or empty, over range, under range.
struct TCell {
    enum Kind { Empty, Valid, Over, Under } What = Empty;
    double Value = 0;
};
inline TCell V(double v) { return {TCell::Valid, v}; }
inline TCell Over() { return {TCell::Over, OverRangeValue}; }
inline TCell Under() { return {TCell::Under, UnderRangeValue}; }
inline TCell E() { return {}; }

inline void SetCell(TBatchItem &b, int column, int row, const TCell &cell)
{
    b.SetReadingType(column, row, cell.What == TCell::Empty ? ReadingTypeEmpty : ReadingTypeReading);
    b.SetMeasureType(column, row,
                     cell.What == TCell::Over    ? MeasureTypeOverRange
                     : cell.What == TCell::Under ? MeasureTypeUnderRange
                                                 : MeasureTypeInRange);
    b.SetValue(column, row, cell.Value);
}

// Sets the batch's first cells, row by row, to `cells` and counts its readings; the matrices must
// already have the batch's size.
inline void SetCells(TBatchItem &b, const std::vector<TCell> &cells)
{
    for (size_t k = 0; k < cells.size(); ++k)
        SetCell(b, static_cast<int>(k % b.Columns), static_cast<int>(k / b.Columns), cells[k]);
    b.Readings = b.ValidCount();
}
