#include "UnitGradiantHelper.h"
#include "UnitException.h"

#include <algorithm>

QStringList ColourMethodNames()
{
    return {Tr("None"), Tr("Warning"), Tr("MaxMin"), Tr("Limits"), Tr("Threshold")};
}

namespace {
double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Truncated, not rounded: t = 0.25 between 0 and 255 gives 63.
int Blend(int from, int to, double t) { return static_cast<int>(t * to + (1 - t) * from); }
} // namespace

void TGradiantHelper::UpdateRange()
{
    MaxValue = Batch.Max();
    MinValue = Batch.Min();
}

void TGradiantHelper::Prepare(const TBatchItem &batch, double warningBand, bool useGreen, bool greyScale,
                              std::uint8_t method, double threshold)
{
    Batch.Assign(&batch);
    WarningBand = warningBand;
    UseGreen = useGreen;
    GreyScale = greyScale;
    Method = method;
    Threshold = threshold;
    UpdateRange();
}

void TGradiantHelper::BuildStops()
{
    if (GreyScale) {
        PassColour = QColor(255, 255, 255);
        WarnColour = QColor(128, 128, 128);
        FailColour = QColor(0, 0, 0);
    } else {
        PassColour = UseGreen ? QColor(0, 255, 0) : QColor(0, 0, 0);
        WarnColour = QColor(255, 255, 0);
        FailColour = QColor(255, 0, 0);
    }
}

QColor TGradiantHelper::GetPassColour() const
{
    if (GreyScale)
        return QColor(255, 255, 255);
    return UseGreen ? QColor(0, 255, 0) : QColor(0, 0, 0);
}

QColor TGradiantHelper::GetFailColour() const { return GreyScale ? QColor(0, 0, 0) : QColor(255, 0, 0); }

QColor TGradiantHelper::ContrastColour(const QColor &colour)
{
    const QColor c = colour.toRgb();
    auto flip = [](int v) { return v <= 128 ? 255 : 0; };
    return QColor(flip(c.red()), flip(c.green()), flip(c.blue()));
}

QColor TGradiantHelper::Ramp(double u) const
{
    QColor from, to;
    double t;
    if (u < 0.5) {
        t = u / 0.5;
        from = PassColour;
        to = WarnColour;
    } else {
        t = (u - 0.5) / (1 - 0.5);
        from = WarnColour;
        to = FailColour;
    }
    return QColor(Blend(from.red(), to.red(), t), Blend(from.green(), to.green(), t),
                  Blend(from.blue(), to.blue(), t));
}

QColor TGradiantHelper::PassFail(double x)
{
    if (Batch.HighLimitApplied && Batch.CompareValues(x, Batch.HighLimit) > 0)
        return FailColour;
    if (Batch.LowLimitApplied && Batch.CompareValues(x, Batch.LowLimit) < 0)
        return FailColour;
    return PassColour;
}

QColor TGradiantHelper::ColourFor(double x)
{
    BuildStops();
    switch (Method) {
    case cmNone:
        return PassFail(x);
    case cmWarning: {
        if (!Batch.HighLimitApplied && !Batch.LowLimitApplied)
            return PassColour;
        const double w = WarningBand;
        if (w <= 0)
            return PassFail(x);
        double s = 0;
        if (Batch.HighLimitApplied) {
            const double top = Batch.HighLimit + w / 2;
            if (Batch.CompareValues(x, top) >= 0)
                s = 1;
            else
                s = 1 - Clamp01((top - x) / w);
        }
        if (Batch.LowLimitApplied) {
            const double bottom = Batch.LowLimit - w / 2;
            if (Batch.CompareValues(x, bottom) <= 0)
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
        const double hi = Batch.HighLimitApplied ? Batch.HighLimit : MaxValue;
        const double lo = Batch.LowLimitApplied ? Batch.LowLimit : MinValue;
        double t = 0;
        if (hi - lo > 0)
            t = Clamp01((hi - x) / (hi - lo));
        double u = 0.125 + 0.5 * t;
        if (Batch.HighLimitApplied && Batch.CompareValues(x, Batch.HighLimit) > 0)
            u = 0.125;
        // Tested last: below the low limit wins.
        if (Batch.LowLimitApplied && Batch.CompareValues(x, Batch.LowLimit) < 0)
            u = 1.0;
        return Ramp(u);
    }
    case cmThreshold:
        return Batch.CompareValues(x, Threshold) < 0 ? FailColour : PassColour;
    default:
        return QColor(255, 255, 255);
    }
}

QColor TGradiantHelper::BandColour(int band, int bands)
{
    BuildStops();
    if (bands <= 1)
        return PassColour;
    return Ramp(1.0 - std::clamp(double(band) / (bands - 1), 0.0, 1.0));
}
