// orvalis-cli evaluate: the survey evaluations of batch files (corrosion classes of half-cell
// batches, characteristic cover of cover batches), for a person or, with --json, for a script.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitEvaluation.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const char *kUsage = "evaluate [--json] [--units metric|imperial] FILE...  corrosion classes and characteristic cover";

QJsonValue Number(const std::optional<double> &v) { return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null); }

QJsonObject JsonReport(const QString &file, const TBatchItem &b)
{
    // Stored units (mm), like orvalis-cli info.
    QJsonObject o;
    o[QStringLiteral("File")] = file;
    o[QStringLiteral("ID")] = b.ID;
    o[QStringLiteral("BatchType")] = b.BatchType;
    o[QStringLiteral("ValidCount")] = b.ValidCount();
    if (b.BatchType == BatchTypeHalfCell) {
        const TCorrosionClasses k = CorrosionClasses(b);
        o[QStringLiteral("CellType")] = b.CellType;
        QJsonObject counts;
        for (int i = 0; i < CorrosionClassCount; ++i)
            counts[CorrosionClassKey(i)] = k.Count[i];
        o[QStringLiteral("CorrosionClasses")] = counts;
        for (int i = 0; i < CorrosionClassCount; ++i)
            o[QStringLiteral("Percent") + CorrosionClassKey(i)] = k.Percent(i);
    } else {
        const TCharacteristicCover k = CharacteristicCover(b);
        o[QStringLiteral("Quantile5")] = Number(k.Quantile5);
        o[QStringLiteral("Quantile10")] = Number(k.Quantile10);
        o[QStringLiteral("NormalQuantile5")] = Number(k.NormalQuantile5);
        o[QStringLiteral("Quantile5MeetsLowLimit")] =
            k.Check == qcMeets ? QJsonValue(true) : (k.Check == qcFails ? QJsonValue(false) : QJsonValue(QJsonValue::Null));
    }
    return o;
}

QString TextReport(const QString &file, const TBatchItem &b)
{
    QStringList lines;
    auto add = [&](const QString &label, const QString &value) { lines << label + QStringLiteral(": ") + value; };
    add(Tr("File"), file);
    add(Tr("Batch ID"), b.ID);
    add(Tr("Batch Type"), BatchTypeName(b.BatchType));
    add(Tr("Valid Readings"), QString::number(b.ValidCount()));
    if (b.BatchType == BatchTypeHalfCell) {
        const TCorrosionClasses k = CorrosionClasses(b);
        add(Tr("Cell Type"), b.CellType);
        const QString unit = QLatin1Char(' ') + HalfCellUnitName();
        const QString low = FormatHalfCell(CorrosionBoundaryLow) + unit;
        const QString high = FormatHalfCell(CorrosionBoundaryHigh) + unit;
        const QString ranges[CorrosionClassCount] = {
            Tr("more positive than %1, corrosion unlikely").arg(low),
            Tr("%1 to %2").arg(low, high),
            Tr("more negative than %1, corrosion likely").arg(high)};
        for (int i = 0; i < CorrosionClassCount; ++i)
            add(CorrosionClassName(i), QStringLiteral("%1 (%2 %) - %3")
                                           .arg(k.Count[i])
                                           .arg(FormatDisplay("%.1f", k.Percent(i)), ranges[i]));
        if (CellTypeIndex(b.CellType) == CellTypeAgAgCl)
            lines << Tr("Readings shifted by -81 mV from AG/AGCL to CU/CUSO4 before classing.");
    } else {
        const TCharacteristicCover k = CharacteristicCover(b);
        const auto value = [&](const std::optional<double> &v) {
            return v ? b.FormatValueFine(*v) + QLatin1Char(' ') + b.UnitName() : Tr("-");
        };
        add(Tr("5 % Quantile"), value(k.Quantile5));
        add(Tr("10 % Quantile"), value(k.Quantile10));
        add(Tr("Normal 5 % Value"), value(k.NormalQuantile5));
        QString check = QuantileCheckText(k.Check);
        if (k.Check == qcNoLowLimit)
            check = Tr("no low limit applied");
        else if (k.Check == qcMeets || k.Check == qcFails)
            check += QStringLiteral(" (") + Tr("Low Limit") + QStringLiteral(" ") + b.FormatValueRounded(b.LowLimit)
                     + QLatin1Char(' ') + b.UnitName() + QLatin1Char(')');
        else
            check += QStringLiteral(" (") + Tr("at least %1 needed").arg(CharacteristicMinReadings) + QLatin1Char(')');
        add(Tr("5 % Quantile Meets Low Limit"), check);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int Evaluate(const QStringList &args)
{
    bool json = false;
    QStringList files;
    std::optional<TCoverUnitsScope> units;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--units")) {
            const QString u = i + 1 < args.size() ? args[++i] : QString();
            if (u != QLatin1String("metric") && u != QLatin1String("imperial")) {
                CliErr(QStringLiteral("orvalis-cli evaluate: --units takes \"metric\" or \"imperial\"\n"));
                return 2;
            }
            units.emplace(u == QLatin1String("imperial") ? 1 : 0);
        } else if (a.startsWith(QLatin1String("--"))) {
            CliErr(QStringLiteral("orvalis-cli evaluate: unknown option \"%1\"\n").arg(a));
            return 2;
        } else {
            files << a;
        }
    }
    if (files.isEmpty()) {
        CliErr(QStringLiteral("usage: orvalis-cli %1\n").arg(QLatin1String(kUsage)));
        return 2;
    }
    int failures = 0;
    QJsonArray reports;
    bool first = true;
    for (const QString &file : files) {
        try {
            TBatchItem batch;
            batch.LoadFromFile(file);
            if (batch.BatchType != BatchTypeCover && batch.BatchType != BatchTypeHalfCell)
                throw Exception(Tr("Invalid Batch Type"));
            if (json) {
                reports.append(JsonReport(file, batch));
            } else {
                CliOut((first ? QString() : QStringLiteral("\n")) + TextReport(file, batch));
                first = false;
            }
        } catch (const Exception &e) {
            CliErr(QStringLiteral("orvalis-cli: %1: %2\n").arg(file, e.Message()));
            ++failures;
        }
    }
    if (json)
        CliOut(QString::fromUtf8(QJsonDocument(reports).toJson(QJsonDocument::Indented)));
    return failures == 0 ? 0 : 1;
}

TCliRegistration reg("evaluate", kUsage, Evaluate);
} // namespace
