#pragma once
// Turns a reading of a batch into a display colour, for every chart that colours readings by
// value, and gives the text colour that stays readable on a coloured cell. The colour rule itself
// is the core's TColourScale; this keeps a chart's copy of the batch and its settings.
#include "UnitBatchList.h"
#include "UnitReadingLook.h"

#include <QColor>
#include <QStringList>
#include <cstdint>

// "None", "Warning", "MaxMin", "Limits", "Threshold".
QStringList ColourMethodNames();

class TGradiantHelper {
public:
    TGradiantHelper() = default;
    TGradiantHelper(const TGradiantHelper &) = delete;
    TGradiantHelper &operator=(const TGradiantHelper &) = delete;

    TBatchItem Batch; // own copy of the batch being drawn; limits and type are read from it
    double MinValue = 0;
    double MaxValue = 0;
    double WarningBand = 30.0; // stored units (mm or mV)
    bool UseGreen = true;      // false: the pass colour is black (colour applied to text on white)
    bool GreyScale = false;
    std::uint8_t Method = cmWarning;
    double Threshold = 0; // stored units

    // Derived stops, rebuilt at every lookup.
    QColor PassColour;
    QColor WarnColour;
    QColor FailColour;

    // MinValue and MaxValue from the batch's valid readings (0 when there are none).
    void UpdateRange();
    // Takes a copy of the batch and the colour settings of a drawing, then updates the range.
    void Prepare(const TBatchItem &batch, double warningBand, bool useGreen, bool greyScale,
                 std::uint8_t method, double threshold);
    QColor ColourFor(double value);
    QColor GetPassColour() const;
    QColor GetFailColour() const;
    // Each channel 255 when it is 128 or less, else 0.
    static QColor ContrastColour(const QColor &colour);

    // Colour of band `band` of the bands - 1 levels of a contour map, band 0 lying below the lowest
    // level: the lowest band takes the fail end of the ramp, the highest the pass end (low cover
    // and negative potentials are the ones to worry about).
    QColor BandColour(int band, int bands);
    // Position 0 .. 1 on the pass - warn - fail ramp (pivot 0.5), channels truncated.
    QColor Ramp(double u) const;
    // The settings above as the core's colour scale.
    TColourScale Scale() const;

private:
    void BuildStops();
};
