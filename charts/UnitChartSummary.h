#pragma once
// The words a screen reader says for a chart of a batch: which batch, how many readings and the
// smallest, largest and mean value, in the units and rounding the charts show.
#include "UnitBatchList.h"

#include <QString>

// "Batch D1 (Cover): 12 readings, Min 20, Max 45, Mean 31 mm"; a batch without readings says so.
QString ChartSummary(const TBatchItem &batch);
