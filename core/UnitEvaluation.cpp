#include "UnitEvaluation.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
bool IsValid(const TBatchItem &b, int c, int r)
{
    return b.ReadingType(c, r) == ReadingTypeReading && b.MeasureType(c, r) == MeasureTypeInRange;
}

template <class F> void ForEachValid(const TBatchItem &b, F visit)
{
    if (!b.HasCells())
        return;
    for (int r = 0; r < b.Rows; ++r)
        for (int c = 0; c < b.Columns; ++c)
            if (IsValid(b, c, r))
                visit(b.Value(c, r));
}

const char *const kClassKeys[CorrosionClassCount] = {QT_TRID_NOOP("Low"),
                                                      QT_TRID_NOOP("Intermediate"),
                                                      QT_TRID_NOOP("High")};
} // namespace

QString CorrosionClassKey(int corrosionClass)
{
    if (corrosionClass < 0 || corrosionClass >= CorrosionClassCount)
        return QString();
    return QString::fromLatin1(kClassKeys[corrosionClass]);
}

QString CorrosionClassName(int corrosionClass)
{
    if (corrosionClass < 0 || corrosionClass >= CorrosionClassCount)
        return QString();
    return Tr(kClassKeys[corrosionClass]);
}

double CopperSulphateShift(const TBatchItem &batch)
{
    // The same 81 mV that ConvertCellType applies from "AG/AGCL" to "CU/CUSO4".
    return CellTypeIndex(batch.CellType) == CellTypeAgAgCl ? -81.0 : 0.0;
}

int CorrosionClassOf(double potentialCse)
{
    if (CompareHalfCell(potentialCse, CorrosionBoundaryLow) > 0)
        return ccLow;
    if (CompareHalfCell(potentialCse, CorrosionBoundaryHigh) < 0)
        return ccHigh;
    return ccIntermediate;
}

double CorrosionBoundaryFor(const TBatchItem &batch, double boundaryCse)
{
    return boundaryCse - CopperSulphateShift(batch);
}

double TCorrosionClasses::Percent(int corrosionClass) const
{
    if (Valid == 0 || corrosionClass < 0 || corrosionClass >= CorrosionClassCount)
        return 0;
    return Count[corrosionClass] * 100.0 / Valid;
}

TCorrosionClasses CorrosionClasses(const TBatchItem &batch)
{
    if (batch.BatchType != BatchTypeHalfCell)
        throw Exception(Tr("Invalid batch type - must be half-cell"));
    TCorrosionClasses result;
    const double shift = CopperSulphateShift(batch);
    ForEachValid(batch, [&](double v) {
        ++result.Count[CorrosionClassOf(v + shift)];
        ++result.Valid;
    });
    return result;
}

std::vector<double> SortedValidReadings(const TBatchItem &batch)
{
    std::vector<double> values;
    ForEachValid(batch, [&](double v) { values.push_back(v); });
    std::sort(values.begin(), values.end());
    return values;
}

std::optional<double> EmpiricalQuantile(const std::vector<double> &sorted, double p)
{
    if (sorted.empty() || std::isnan(p))
        return std::nullopt;
    p = std::clamp(p, 0.0, 1.0);
    const double h = (static_cast<double>(sorted.size()) - 1) * p;
    const size_t lo = static_cast<size_t>(std::floor(h));
    const size_t hi = std::min(lo + 1, sorted.size() - 1);
    const double f = h - static_cast<double>(lo);
    // Equal neighbours give their value exactly, without a rounding error from the blend.
    if (f == 0 || sorted[lo] == sorted[hi])
        return sorted[lo];
    return sorted[lo] + f * (sorted[hi] - sorted[lo]);
}

TCharacteristicCover CharacteristicCover(const TBatchItem &batch)
{
    if (batch.BatchType != BatchTypeCover)
        throw Exception(Tr("Invalid batch type - must be cover"));
    TCharacteristicCover result;
    const std::vector<double> values = SortedValidReadings(batch);
    result.Valid = static_cast<int>(values.size());
    result.Quantile5 = EmpiricalQuantile(values, 0.05);
    result.Quantile10 = EmpiricalQuantile(values, 0.10);
    if (!values.empty())
        result.NormalQuantile5 = batch.Mean() - NormalFactor5 * batch.StandardDeviation();
    if (!batch.LowLimitApplied)
        result.Check = qcNoLowLimit;
    else if (result.Valid < CharacteristicMinReadings)
        result.Check = qcNotEnoughReadings;
    else // at display resolution, as readings are compared with the limit
        result.Check = CompareCover(*result.Quantile5, batch.LowLimit) >= 0 ? qcMeets : qcFails;
    return result;
}

QString QuantileCheckText(int check)
{
    switch (check) {
    case qcMeets:
        return Tr("Yes");
    case qcFails:
        return Tr("No");
    case qcNotEnoughReadings:
        return Tr("Not enough readings");
    default:
        return Tr("-");
    }
}

double NormalQuantile(double p)
{
    // Rational approximation (relative error below 1.2e-9) refined by one Halley step on erfc.
    if (!(p > 0 && p < 1))
        return std::nan("");
    static const double a[] = {-3.969683028665376e+01, 2.209460984245205e+02, -2.759285104469687e+02,
                               1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
    static const double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                               6.680131188771972e+01,  -1.328068155288572e+01};
    static const double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                               -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
    static const double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                               3.754408661907416e+00};
    const double low = 0.02425;
    double x;
    if (p < low) {
        const double q = std::sqrt(-2 * std::log(p));
        x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    } else if (p <= 1 - low) {
        const double q = p - 0.5;
        const double r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
    } else {
        const double q = std::sqrt(-2 * std::log(1 - p));
        x = -(((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    }
    const double e = 0.5 * std::erfc(-x / std::sqrt(2.0)) - p;
    const double u = e * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
    return x - u / (1 + x * u / 2);
}

std::vector<TCumulativePoint> CumulativeDistribution(const TBatchItem &batch)
{
    const std::vector<double> values = SortedValidReadings(batch);
    std::vector<TCumulativePoint> points;
    points.reserve(values.size());
    const double n = static_cast<double>(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        points.push_back({values[i], (static_cast<double>(i) + 0.5) / n * 100.0});
    return points;
}

QString DifferenceProblem(const TBatchItem &earlier, const TBatchItem &later)
{
    if (earlier.BatchType != later.BatchType)
        return Tr("The surveys are not of the same batch type");
    if (earlier.Columns != later.Columns || earlier.Rows != later.Rows || earlier.BatchFormat != later.BatchFormat)
        return Tr("The surveys do not have the same grid (%1 x %2 and %3 x %4)")
            .arg(earlier.Columns)
            .arg(earlier.Rows)
            .arg(later.Columns)
            .arg(later.Rows);
    if (later.BatchType == BatchTypeHalfCell) {
        const int from = CellTypeIndex(earlier.CellType);
        const int to = CellTypeIndex(later.CellType);
        if (from != to && (from == CellTypeOther || to == CellTypeOther))
            return Tr("Unable to convert data to cell type");
    }
    return QString();
}

TBatchItem DifferenceBatch(const TBatchItem &earlier, const TBatchItem &later)
{
    const QString problem = DifferenceProblem(earlier, later);
    if (!problem.isEmpty())
        throw Exception(problem);
    TBatchItem before;
    before.Assign(&earlier);
    if (later.BatchType == BatchTypeHalfCell && CellTypeIndex(before.CellType) != CellTypeIndex(later.CellType)
        && before.HasCells())
        before.ConvertCellType(CellTypeIndex(later.CellType));

    TBatchItem d;
    d.Assign(&later);
    d.ID = later.ID + QStringLiteral(" - ") + earlier.ID;
    // The limits judge readings, not changes of readings.
    d.LowLimitApplied = false;
    d.HighLimitApplied = false;
    d.SetSize();
    if (before.HasCells() && later.HasCells())
        for (int c = 0; c < d.Columns; ++c)
            for (int r = 0; r < d.Rows; ++r)
                if (IsValid(before, c, r) && IsValid(later, c, r)) {
                    d.SetReadingType(c, r, ReadingTypeReading);
                    d.SetMeasureType(c, r, MeasureTypeInRange);
                    d.SetValue(c, r, later.Value(c, r) - before.Value(c, r));
                }
    d.Readings = d.ValidCount();
    return d;
}
