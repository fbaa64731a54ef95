#pragma once
// How the program shows a reading: its text, and the colour a map gives it, worked out without a
// paint system so that the drawings in this layer (the CAD export), the charts above it and the
// readings view show a reading the same way.
#include <QString>
#include <cstdint>

class TBatchItem;

// True when the cell holds no reading or lies outside the batch's matrices.
bool ReadingIsEmpty(const TBatchItem &batch, int column, int row);
// A cell's reading as the readings view and the maps show it: ">>" over range, "<<" under
// range, else the value rounded to the display step. The cell must hold a reading.
QString ReadingDisplayText(const TBatchItem &batch, int column, int row);

// Colour methods, in the order of the choice list offered to the user.
enum TColourMethod : std::uint8_t {
    cmNone = 0,      // pass/fail against the applied limits
    cmWarning = 1,   // pass/fail with a blend band around each applied limit
    cmMaxMin = 2,    // continuous scale between the largest and smallest reading
    cmLimits = 3,    // continuous scale between the limits
    cmThreshold = 4, // fail below the threshold, pass at or above it
};

struct TRgb {
    int Red = 255;
    int Green = 255;
    int Blue = 255;
    bool operator==(const TRgb &) const = default;
};

// The settings a map colours its readings by; MinValue and MaxValue are the batch's range.
struct TColourScale {
    double MinValue = 0;
    double MaxValue = 0;
    double WarningBand = 30.0; // stored units (mm or mV)
    bool UseGreen = true;      // false: the pass colour is black (colour applied to text on white)
    bool GreyScale = false;
    std::uint8_t Method = cmWarning;
    double Threshold = 0; // stored units

    TRgb PassColour() const;
    TRgb WarnColour() const;
    TRgb FailColour() const;
    // Position 0 .. 1 on the pass - warn - fail ramp (pivot 0.5), channels truncated.
    TRgb Ramp(double u) const;
    // The colour of a reading of `batch` (its limits and type decide pass and fail).
    TRgb ColourFor(const TBatchItem &batch, double value) const;
};

// The scale of a filled colour map at its defaults (pass/fail against the applied limits,
// the batch's own range), as the overview chart and its page item draw a batch unless told
// otherwise.
TColourScale DefaultMapColourScale(const TBatchItem &batch);
