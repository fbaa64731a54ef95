#include "UnitGradiantHelper.h"
#include "UnitException.h"

#include <algorithm>

QStringList ColourMethodNames()
{
    return {Tr("None"), Tr("Warning"), Tr("MaxMin"), Tr("Limits"), Tr("Threshold")};
}

namespace {
QColor ToQColor(const TRgb &c) { return QColor(c.Red, c.Green, c.Blue); }
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

TColourScale TGradiantHelper::Scale() const
{
    TColourScale s;
    s.MinValue = MinValue;
    s.MaxValue = MaxValue;
    s.WarningBand = WarningBand;
    s.UseGreen = UseGreen;
    s.GreyScale = GreyScale;
    s.Method = Method;
    s.Threshold = Threshold;
    return s;
}

void TGradiantHelper::BuildStops()
{
    const TColourScale s = Scale();
    PassColour = ToQColor(s.PassColour());
    WarnColour = ToQColor(s.WarnColour());
    FailColour = ToQColor(s.FailColour());
}

QColor TGradiantHelper::GetPassColour() const { return ToQColor(Scale().PassColour()); }

QColor TGradiantHelper::GetFailColour() const { return ToQColor(Scale().FailColour()); }

QColor TGradiantHelper::ContrastColour(const QColor &colour)
{
    const QColor c = colour.toRgb();
    auto flip = [](int v) { return v <= 128 ? 255 : 0; };
    return QColor(flip(c.red()), flip(c.green()), flip(c.blue()));
}

QColor TGradiantHelper::Ramp(double u) const { return ToQColor(Scale().Ramp(u)); }

QColor TGradiantHelper::ColourFor(double x)
{
    BuildStops();
    return ToQColor(Scale().ColourFor(Batch, x));
}

QColor TGradiantHelper::BandColour(int band, int bands)
{
    BuildStops();
    if (bands <= 1)
        return PassColour;
    return Ramp(1.0 - std::clamp(double(band) / (bands - 1), 0.0, 1.0));
}
