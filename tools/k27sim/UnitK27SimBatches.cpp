#include "UnitK27SimBatches.h"

#include "UnitBatchList.h"
#include "UnitException.h"

#include <QDir>
#include <cmath>

namespace {

quint32 PackDateTime(TDateTime value)
{
    const QDateTime dt = DateTimeToQDateTime(value);
    if (!dt.isValid() || dt.date().year() < 1950 || dt.date().year() > 2049)
        return TK27Simulator::PackDate(2000, 1, 1, 0, 0);
    return TK27Simulator::PackDate(dt.date().year(), dt.date().month(), dt.date().day(), dt.time().hour(),
                                   dt.time().minute());
}

// Texts the gauge cannot hold (framing bytes) are left out.
QByteArray GaugeText(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u >= 0x20 && u < 0x100)
            bytes += static_cast<char>(u);
    }
    return bytes;
}

const char *const SeriesKeywords[] = {"ME", "US", "AS", "JP"};
const char *const GradeKeywords[] = {"HT", "304", "316", "DPLX"};

} // namespace

TSimBatch SimBatchFromRecord(const TBatchItem &batch, int slot)
{
    TSimBatch sim;
    const bool halfCell = batch.BatchType == BatchTypeHalfCell;
    sim.ID = GaugeText(batch.ID);
    sim.Slot = slot;
    sim.BatchType = halfCell ? 1 : 0;
    sim.BatchFormat = batch.BatchFormat == BatchFormatLinear ? 1 : 0;
    sim.Columns = sim.BatchFormat == 1 ? 1 : std::clamp(batch.Columns, 1, 255);
    sim.Rows = sim.BatchFormat == 1 ? 1000 : std::clamp(batch.Rows, 1, 255);
    sim.CreationDate = PackDateTime(batch.CreationDate);
    sim.UpdateDate = PackDateTime(batch.UpdateDate);
    sim.ProbeSerialNumber = GaugeText(batch.ProbeSerialNumber);
    sim.ProbeType = GaugeText(batch.ProbeType);
    sim.ProbeSide0Type = GaugeText(batch.ProbeSide0Type);
    sim.ProbeSide1Type = GaugeText(batch.ProbeSide1Type);
    sim.HighLimit = halfCell ? batch.GaugeHighLimit / 1000.0 : batch.GaugeHighLimit;
    sim.LowLimit = halfCell ? batch.GaugeLowLimit / 1000.0 : batch.GaugeLowLimit;
    sim.LimitFlags = (batch.LowLimitApplied ? 1 : 0) | (batch.HighLimitApplied ? 2 : 0);
    sim.Site = GaugeText(batch.Site);
    sim.Location = GaugeText(batch.Location);
    sim.Area = GaugeText(batch.Area);
    sim.Engineer = GaugeText(batch.Engineer);
    sim.Customer = GaugeText(batch.Customer);
    sim.Note = GaugeText(batch.Note);
    sim.Grid = batch.Grid;
    sim.BarSeries = SeriesKeywords[batch.BarSeries < 4 ? batch.BarSeries : 0];
    sim.BarSize = batch.BarSize;
    sim.BarGrade = GradeKeywords[batch.BarGrade < 4 ? batch.BarGrade : 0];
    sim.CellType = GaugeText(batch.GaugeCellType.isEmpty() ? batch.CellType : batch.GaugeCellType);
    sim.Temperature = batch.Temperature;

    // Readings row by row, up to the last cell the gauge would have filled.
    if (batch.HasCells()) {
        const int columns = std::min(sim.Columns, batch.Columns);
        const int rows = std::min(sim.Rows, batch.Rows);
        QList<QByteArray> items;
        int last = 0;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (batch.ReadingType(c, r) != ReadingTypeReading) {
                    items << TK27Simulator::ReadingItem(0x80, 0);
                    continue;
                }
                const int measure = batch.MeasureType(c, r);
                const int flags = measure == MeasureTypeOverRange ? 0x00 : measure == MeasureTypeUnderRange ? 0x20 : 0x30;
                // A reading present keeps its value whatever its measure type.
                const double value = halfCell ? batch.Value(c, r) : batch.Value(c, r) * 10.0;
                items << TK27Simulator::ReadingItem(flags, static_cast<int>(std::clamp(std::lround(value), -32768L, 32767L)));
                last = static_cast<int>(items.size());
            }
        }
        items.resize(last);
        sim.Items = items;
    }
    return sim;
}

QList<TSimBatch> LoadSimBatches(const QString &folder)
{
    QDir dir(folder);
    if (!dir.exists())
        throw Exception(QStringLiteral("Folder not found: %1").arg(folder));
    const QStringList names =
        dir.entryList({QStringLiteral("*.vcb"), QStringLiteral("*.vch")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QList<TSimBatch> batches;
    for (const QString &name : names) {
        TBatchItem batch;
        batch.LoadFromFile(dir.absoluteFilePath(name));
        batches << SimBatchFromRecord(batch, static_cast<int>(batches.size()));
    }
    return batches;
}
