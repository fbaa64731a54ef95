#pragma once
// Batches for the simulated gauge from the program's own batch records and files.
#include "UnitK27Simulator.h"

class TBatchItem;

// The gauge's form of a batch record: limits of half-cell batches in volts, readings as items
// up to the last cell that holds one, texts in the gauge's single-byte form.
TSimBatch SimBatchFromRecord(const TBatchItem &batch, int slot);
// Every batch file (.vcb, .vch) of a folder, in name order, numbered from slot 0. Raises
// Exception when the folder cannot be read or a file does not load.
QList<TSimBatch> LoadSimBatches(const QString &folder);
