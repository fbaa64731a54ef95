#pragma once
// Batches for the export tests, built in memory.
#include "TestBatchCells.h"
#include "UnitBatchList.h"
#include "UnitDateTime.h"

// Sets one cell: a value is a valid reading, ">>" / "<<" over and under range, "" empty.
inline void SetExportCell(TBatchItem &b, int column, int row, const char *kind, double value = 0)
{
    const QByteArray k(kind);
    SetCell(b, column, row, k.isEmpty() ? E() : k == ">>" ? Over() : k == "<<" ? Under() : V(value));
}

// A small cover grid: readings 10 and 15 (mean 12.5), one over range, one empty cell, one empty
// row.
inline void FillExampleBatch(TBatchItem &b)
{
    b.ID = QStringLiteral("Example");
    b.Path = QStringLiteral("/data/Local/");
    b.BatchType = BatchTypeCover;
    b.BatchFormat = BatchFormatGrid;
    b.CreationDate = EncodeDateTime(2024, 3, 5, 14, 30, 0);
    b.UpdateDate = EncodeDateTime(2024, 3, 6, 9, 15, 45);
    b.HighLimit = 40;
    b.LowLimit = 20;
    b.HighLimitApplied = true;
    b.Site = QStringLiteral("Car park & <ramp>");
    b.Location = QStringLiteral("Level 2");
    b.Grid = 100;
    b.Area = QStringLiteral("North");
    b.Engineer = QStringLiteral("J. Smith");
    b.Customer = QStringLiteral("City");
    b.Note = QStringLiteral("Dry");
    b.BarSeries = 0;
    b.BarSize = 16;
    b.BarGrade = 0;
    b.Temperature = TemperatureNotRecorded;
    b.Columns = 2;
    b.Rows = 3;
    b.SetSize();
    SetExportCell(b, 0, 0, "r", 10);
    SetExportCell(b, 1, 0, "r", 15);
    SetExportCell(b, 0, 1, ">>");
    SetExportCell(b, 1, 1, "");
    b.Readings = b.ValidCount();
}

// Three batches: a cover grid, a half-cell grid with texts that need escaping, a linear run.
inline void FillThreeBatches(TBatchList &list)
{
    TBatchItem &wall = *list.Add();
    FillExampleBatch(wall);
    wall.ID = QStringLiteral("Wall 1");
    wall.Resize(3, 2);
    SetExportCell(wall, 2, 1, "<<");
    wall.Readings = wall.ValidCount();

    TBatchItem &deck = *list.Add();
    deck.ID = QStringLiteral("Deck & <Pier>");
    deck.Path = QStringLiteral("/data/Local/");
    deck.BatchType = BatchTypeHalfCell;
    deck.BatchFormat = BatchFormatGrid;
    deck.CreationDate = EncodeDateTime(2023, 11, 30, 8, 0, 0);
    deck.UpdateDate = deck.CreationDate;
    deck.HighLimit = 999;
    deck.LowLimit = -999;
    deck.Site = QString::fromUtf8("Caf\u00e9 & <Co> \u20ac");
    deck.Grid = 250;
    deck.Temperature = 21;
    deck.CellType = QStringLiteral("CU/CUSO4");
    deck.Columns = 2;
    deck.Rows = 2;
    deck.SetSize();
    SetExportCell(deck, 0, 0, "r", -250);
    SetExportCell(deck, 1, 0, ">>");
    SetExportCell(deck, 0, 1, "<<");
    SetExportCell(deck, 1, 1, "");
    deck.Readings = deck.ValidCount();

    TBatchItem &slab = *list.Add();
    slab.ID = QStringLiteral("Slab");
    slab.BatchType = BatchTypeCover;
    slab.BatchFormat = BatchFormatLinear;
    slab.Temperature = TemperatureNotRecorded;
    slab.Columns = 1;
    slab.Rows = 5;
    slab.SetSize();
    for (int r = 0; r < 4; ++r)
        SetExportCell(slab, 0, r, "r", 30 + 7 * r);
    slab.Readings = slab.ValidCount();
}
