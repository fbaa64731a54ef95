#include "UnitChartSummary.h"

#include "UnitException.h"

QString ChartSummary(const TBatchItem &batch)
{
    const QString which = Tr("Batch %1 (%2)").arg(batch.ID.trimmed(), BatchTypeName(batch.BatchType));
    const int count = batch.HasCells() ? batch.ValidCount() : 0;
    if (count == 0)
        return Tr("%1: no readings").arg(which);
    try {
        return Tr("%1: %2 readings, Min %3, Max %4, Mean %5 %6")
            .arg(which, QString::number(count), batch.FormatValueRounded(batch.Min()),
                 batch.FormatValueRounded(batch.Max()), batch.FormatValueRounded(batch.Mean()), batch.UnitName());
    } catch (const Exception &) {
        // A batch type without units: the count is all that can be said.
        return Tr("%1: %2 readings").arg(which, QString::number(count));
    }
}
