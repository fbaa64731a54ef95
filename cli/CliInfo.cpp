// orvalis-cli info: the header, counts and statistics of batch files.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QString WithUnit(const TBatchItem &b, const QString &value) { return value + QLatin1Char(' ') + b.UnitName(); }

QString Percent(double p) { return FormatDisplay("%.1f", p) + QStringLiteral(" %"); }

QString TextReport(const QString &file, const TBatchItem &b)
{
    QStringList lines;
    auto add = [&](const QString &label, const QString &value) { lines << label + QStringLiteral(": ") + value; };
    const bool cover = b.BatchType == BatchTypeCover;
    add(Tr("File"), file);
    add(Tr("Batch ID"), b.ID);
    add(Tr("Batch Type"), BatchTypeName(b.BatchType));
    add(Tr("Batch Format"), BatchFormatName(b.BatchFormat));
    add(Tr("Columns"), QString::number(b.Columns));
    add(Tr("Rows"), QString::number(b.Rows));
    add(Tr("Slot"), QString::number(b.Slot));
    add(Tr("Creation Date"), DateTimeToDisplayText(b.CreationDate));
    add(Tr("Update Date"), DateTimeToDisplayText(b.UpdateDate));
    add(Tr("Site"), b.Site);
    add(Tr("Location"), b.Location);
    add(Tr("Area"), b.Area);
    add(Tr("Engineer"), b.Engineer);
    add(Tr("Customer"), b.Customer);
    add(Tr("Note"), b.Note);
    add(Tr("Grid"), FormatCover(b.Grid) + QLatin1Char(' ') + CoverUnitName());
    add(Tr("High Limit"), WithUnit(b, b.FormatValue(b.HighLimit)) + QStringLiteral(" (")
                              + (b.HighLimitApplied ? Tr("applied") : Tr("not applied")) + QLatin1Char(')'));
    add(Tr("Low Limit"), WithUnit(b, b.FormatValue(b.LowLimit)) + QStringLiteral(" (")
                             + (b.LowLimitApplied ? Tr("applied") : Tr("not applied")) + QLatin1Char(')'));
    add(Tr("Probe"), QStringList{b.ProbeType, b.ProbeSerialNumber}.join(QLatin1Char(' ')).trimmed());
    add(Tr("Gauge Serial Number"), b.GaugeSerialNumber);
    if (cover) {
        add(Tr("Bar Series"), BarSeriesName(b.BarSeries));
        QString bar;
        try {
            bar = b.BarSizeName();
        } catch (const Exception &) {
        }
        add(Tr("Bar Size"), bar);
        add(Tr("Bar Grade"), BarGradeName(b.BarGrade));
    } else {
        add(Tr("Cell Type"), b.CellType);
        add(Tr("Gauge Cell Type"), b.GaugeCellType);
        add(Tr("Temperature"), FormatTemperature(b.Temperature) + TemperatureUnitName());
    }
    add(Tr("Readings"), QString::number(b.Readings));
    add(Tr("Valid Readings"), QString::number(b.ValidCount()));
    add(Tr("Reading Positions"), QString::number(b.ReadingPositions()));
    add(Tr("Last Reading Position"), QString::number(b.LastReadingPosition()));
    add(Tr("Mean"), WithUnit(b, b.FormatValueFine(b.Mean())));
    add(Tr("Standard Deviation"), WithUnit(b, b.FormatValueFine(b.StandardDeviation())));
    add(Tr("Max"), WithUnit(b, b.FormatValue(b.Max())));
    add(Tr("Min"), WithUnit(b, b.FormatValue(b.Min())));
    add(Tr("Range"), WithUnit(b, b.FormatValue(b.Range())));
    add(Tr("Below Low Limit"), QString::number(b.CountBelowLow()) + QStringLiteral(" (") + Percent(b.PercentBelowLow()) + QLatin1Char(')'));
    add(Tr("Above High Limit"), QString::number(b.CountAboveHigh()) + QStringLiteral(" (") + Percent(b.PercentAboveHigh()) + QLatin1Char(')'));
    add(Tr("Over Range"), QString::number(b.CountOverRange()) + QStringLiteral(" (") + Percent(b.PercentOverRange()) + QLatin1Char(')'));
    add(Tr("Under Range"), QString::number(b.CountUnderRange()) + QStringLiteral(" (") + Percent(b.PercentUnderRange()) + QLatin1Char(')'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonObject JsonReport(const QString &file, const TBatchItem &b)
{
    // Stored units throughout (mm, mV, degrees Celsius), dates in the file form.
    QJsonObject o;
    o[QStringLiteral("File")] = file;
    o[QStringLiteral("ID")] = b.ID;
    o[QStringLiteral("Path")] = b.Path;
    o[QStringLiteral("Slot")] = b.Slot;
    o[QStringLiteral("BatchType")] = b.BatchType;
    o[QStringLiteral("BatchFormat")] = b.BatchFormat;
    o[QStringLiteral("Columns")] = b.Columns;
    o[QStringLiteral("Rows")] = b.Rows;
    o[QStringLiteral("Readings")] = b.Readings;
    o[QStringLiteral("Tagged")] = b.Tagged;
    o[QStringLiteral("CreationDate")] = DateTimeToFileText(b.CreationDate);
    o[QStringLiteral("UpdateDate")] = DateTimeToFileText(b.UpdateDate);
    o[QStringLiteral("ProbeSerialNumber")] = b.ProbeSerialNumber;
    o[QStringLiteral("ProbeType")] = b.ProbeType;
    o[QStringLiteral("ProbeSide0Type")] = b.ProbeSide0Type;
    o[QStringLiteral("ProbeSide1Type")] = b.ProbeSide1Type;
    o[QStringLiteral("HighLimit")] = b.HighLimit;
    o[QStringLiteral("LowLimit")] = b.LowLimit;
    o[QStringLiteral("GaugeHighLimit")] = b.GaugeHighLimit;
    o[QStringLiteral("GaugeLowLimit")] = b.GaugeLowLimit;
    o[QStringLiteral("HighLimitApplied")] = b.HighLimitApplied;
    o[QStringLiteral("LowLimitApplied")] = b.LowLimitApplied;
    o[QStringLiteral("Site")] = b.Site;
    o[QStringLiteral("Location")] = b.Location;
    o[QStringLiteral("Grid")] = b.Grid;
    o[QStringLiteral("Area")] = b.Area;
    o[QStringLiteral("Engineer")] = b.Engineer;
    o[QStringLiteral("Customer")] = b.Customer;
    o[QStringLiteral("Note")] = b.Note;
    o[QStringLiteral("BarSeries")] = b.BarSeries;
    o[QStringLiteral("BarSize")] = b.BarSize;
    o[QStringLiteral("BarGrade")] = b.BarGrade;
    o[QStringLiteral("GaugeSerialNumber")] = b.GaugeSerialNumber;
    o[QStringLiteral("GaugeType")] = b.GaugeType;
    o[QStringLiteral("CellType")] = b.CellType;
    o[QStringLiteral("GaugeCellType")] = b.GaugeCellType;
    o[QStringLiteral("Temperature")] = b.Temperature;
    o[QStringLiteral("CellCount")] = b.CellCount();
    o[QStringLiteral("ValidCount")] = b.ValidCount();
    o[QStringLiteral("ReadingPositions")] = b.ReadingPositions();
    o[QStringLiteral("LastReadingPosition")] = b.LastReadingPosition();
    o[QStringLiteral("Mean")] = b.Mean();
    o[QStringLiteral("StandardDeviation")] = b.StandardDeviation();
    o[QStringLiteral("Max")] = b.Max();
    o[QStringLiteral("Min")] = b.Min();
    o[QStringLiteral("Range")] = b.Range();
    o[QStringLiteral("CountBelowLow")] = b.CountBelowLow();
    o[QStringLiteral("CountAboveHigh")] = b.CountAboveHigh();
    o[QStringLiteral("PercentBelowLow")] = b.PercentBelowLow();
    o[QStringLiteral("PercentAboveHigh")] = b.PercentAboveHigh();
    o[QStringLiteral("CountOverRange")] = b.CountOverRange();
    o[QStringLiteral("CountUnderRange")] = b.CountUnderRange();
    o[QStringLiteral("PercentOverRange")] = b.PercentOverRange();
    o[QStringLiteral("PercentUnderRange")] = b.PercentUnderRange();
    return o;
}

int Info(const QStringList &args)
{
    bool json = false;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--units")) {
            const QString units = i + 1 < args.size() ? args[++i] : QString();
            if (units == QLatin1String("imperial")) {
                CurrentCoverUnits = 1;
                CurrentTemperatureUnits = 1;
            } else if (units == QLatin1String("metric")) {
                CurrentCoverUnits = 0;
                CurrentTemperatureUnits = 0;
            } else {
                CliErr(QStringLiteral("orvalis-cli info: --units takes \"metric\" or \"imperial\"\n"));
                return 2;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            CliErr(QStringLiteral("orvalis-cli info: unknown option \"%1\"\n").arg(a));
            return 2;
        } else {
            files << a;
        }
    }
    if (files.isEmpty()) {
        CliErr(QStringLiteral("usage: orvalis-cli info [--json] [--units metric|imperial] FILE...\n"));
        return 2;
    }
    int failures = 0;
    QJsonArray reports;
    bool first = true;
    for (const QString &file : files) {
        TBatchItem batch;
        try {
            batch.LoadFromFile(file);
        } catch (const Exception &e) {
            CliErr(QStringLiteral("orvalis-cli: %1: %2\n").arg(file, e.Message()));
            ++failures;
            continue;
        }
        try {
            if (json) {
                reports.append(JsonReport(file, batch));
            } else {
                CliOut((first ? QString() : QStringLiteral("\n")) + TextReport(file, batch));
                first = false;
            }
        } catch (const Exception &e) { // an unknown batch type has no display units
            CliErr(QStringLiteral("orvalis-cli: %1: %2\n").arg(file, e.Message()));
            ++failures;
        }
    }
    if (json)
        CliOut(QString::fromUtf8(QJsonDocument(reports).toJson(QJsonDocument::Indented)));
    return failures == 0 ? 0 : 1;
}

TCliRegistration reg("info", "info [--json] [--units metric|imperial] FILE...  header and statistics of batch files", Info);
} // namespace
