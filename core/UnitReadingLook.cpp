#include "UnitReadingLook.h"

#include "UnitBatchList.h"

#include <algorithm>

namespace {
double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Truncated, not rounded: t = 0.25 between 0 and 255 gives 63.
int Blend(int from, int to, double t) { return static_cast<int>(t * to + (1 - t) * from); }
} // namespace

bool ReadingIsEmpty(const TBatchItem &batch, int column, int row)
{
    if (!batch.HasCells() || column < 0 || row < 0 || column >= batch.Columns || row >= batch.Rows)
        return true;
    return batch.ReadingType(column, row) != ReadingTypeReading;
}

QString ReadingDisplayText(const TBatchItem &batch, int column, int row)
{
    switch (batch.MeasureType(column, row)) {
    case MeasureTypeOverRange:
        return QStringLiteral(">>");
    case MeasureTypeUnderRange:
        return QStringLiteral("<<");
    default:
        return batch.FormatValueRounded(batch.Value(column, row));
    }
}

TRgb TColourScale::PassColour() const
{
    if (GreyScale)
        return {255, 255, 255};
    return UseGreen ? TRgb{0, 255, 0} : TRgb{0, 0, 0};
}

TRgb TColourScale::WarnColour() const { return GreyScale ? TRgb{128, 128, 128} : TRgb{255, 255, 0}; }

TRgb TColourScale::FailColour() const { return GreyScale ? TRgb{0, 0, 0} : TRgb{255, 0, 0}; }

TRgb TColourScale::Ramp(double u) const
{
    TRgb from, to;
    double t;
    if (u < 0.5) {
        t = u / 0.5;
        from = PassColour();
        to = WarnColour();
    } else {
        t = (u - 0.5) / (1 - 0.5);
        from = WarnColour();
        to = FailColour();
    }
    return {Blend(from.Red, to.Red, t), Blend(from.Green, to.Green, t), Blend(from.Blue, to.Blue, t)};
}

TRgb TColourScale::ColourFor(const TBatchItem &batch, double x) const
{
    const auto passFail = [&] {
        if (batch.HighLimitApplied && batch.CompareValues(x, batch.HighLimit) > 0)
            return FailColour();
        if (batch.LowLimitApplied && batch.CompareValues(x, batch.LowLimit) < 0)
            return FailColour();
        return PassColour();
    };
    switch (Method) {
    case cmNone:
        return passFail();
    case cmWarning: {
        if (!batch.HighLimitApplied && !batch.LowLimitApplied)
            return PassColour();
        const double w = WarningBand;
        if (w <= 0)
            return passFail();
        double s = 0;
        if (batch.HighLimitApplied) {
            const double top = batch.HighLimit + w / 2;
            if (batch.CompareValues(x, top) >= 0)
                s = 1;
            else
                s = 1 - Clamp01((top - x) / w);
        }
        if (batch.LowLimitApplied) {
            const double bottom = batch.LowLimit - w / 2;
            if (batch.CompareValues(x, bottom) <= 0)
                s = 1;
            else
                s = std::max(s, 1 - std::min(1.0, (x - bottom) / w));
        }
        return Ramp(s);
    }
    case cmMaxMin: {
        double t = 0;
        if (MaxValue - MinValue > 0)
            t = Clamp01((MaxValue - x) / (MaxValue - MinValue));
        return Ramp(0.125 + 0.5 * t);
    }
    case cmLimits: {
        const double hi = batch.HighLimitApplied ? batch.HighLimit : MaxValue;
        const double lo = batch.LowLimitApplied ? batch.LowLimit : MinValue;
        double t = 0;
        if (hi - lo > 0)
            t = Clamp01((hi - x) / (hi - lo));
        double u = 0.125 + 0.5 * t;
        if (batch.HighLimitApplied && batch.CompareValues(x, batch.HighLimit) > 0)
            u = 0.125;
        // Tested last: below the low limit wins.
        if (batch.LowLimitApplied && batch.CompareValues(x, batch.LowLimit) < 0)
            u = 1.0;
        return Ramp(u);
    }
    case cmThreshold:
        return batch.CompareValues(x, Threshold) < 0 ? FailColour() : PassColour();
    default:
        return {255, 255, 255};
    }
}

TColourScale DefaultMapColourScale(const TBatchItem &batch)
{
    TColourScale scale;
    scale.MinValue = batch.Min();
    scale.MaxValue = batch.Max();
    scale.WarningBand = batch.BatchType == BatchTypeHalfCell ? 200 : 30;
    scale.UseGreen = true;
    scale.GreyScale = false;
    scale.Method = cmNone;
    scale.Threshold = 0;
    return scale;
}
