#pragma once
// Helpers shared by the batch and template tests.
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QLocale>
#include <functional>
#include <gtest/gtest.h>

// Cell contents for building batches in tests.
struct TCellSpec {
    enum Kind { Empty, Valid, Over, Under } What;
    double Value = 0;
};
inline TCellSpec V(double v) { return {TCellSpec::Valid, v}; }
inline TCellSpec Over() { return {TCellSpec::Over, OverRangeValue}; }
inline TCellSpec Under() { return {TCellSpec::Under, UnderRangeValue}; }
inline TCellSpec E() { return {TCellSpec::Empty, 0}; }

inline void SetCell(TBatchItem &b, int column, int row, const TCellSpec &cell)
{
    b.SetReadingType(column, row, cell.What == TCellSpec::Empty ? ReadingTypeEmpty : ReadingTypeReading);
    b.SetMeasureType(column, row,
                     cell.What == TCellSpec::Over    ? MeasureTypeOverRange
                     : cell.What == TCellSpec::Under ? MeasureTypeUnderRange
                                                     : MeasureTypeInRange);
    b.SetValue(column, row, cell.Value);
}

// A batch of the given size whose cells, in row order, are `cells` (the rest stay empty).
inline void FillBatch(TBatchItem &b, std::uint8_t type, std::uint8_t format, int columns, int rows,
                      const std::vector<TCellSpec> &cells)
{
    b.Clear();
    b.BatchType = type;
    b.BatchFormat = format;
    b.Columns = columns;
    b.Rows = rows;
    b.SetSize();
    for (size_t k = 0; k < cells.size(); ++k)
        SetCell(b, static_cast<int>(k % columns), static_cast<int>(k / columns), cells[k]);
    b.Readings = b.ValidCount();
}

// Display units and locale of a test, restored afterwards.
class BatchUnitsTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override
    {
        CurrentCoverUnits = 0;
        CurrentTemperatureUnits = 0;
        QLocale::setDefault(QLocale::system());
    }
};
