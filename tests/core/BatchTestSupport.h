#pragma once
// Helpers shared by the batch and template tests.
#include "TestBatchCells.h"
#include "UnitBatchList.h"
#include "UnitUnits.h"

#include <QLocale>
#include <functional>
#include <gtest/gtest.h>

// A batch of the given size whose cells, in row order, are `cells` (the rest stay empty).
inline void FillBatch(TBatchItem &b, std::uint8_t type, std::uint8_t format, int columns, int rows,
                      const std::vector<TCell> &cells)
{
    b.Clear();
    b.BatchType = type;
    b.BatchFormat = format;
    b.Columns = columns;
    b.Rows = rows;
    b.SetSize();
    SetCells(b, cells);
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
