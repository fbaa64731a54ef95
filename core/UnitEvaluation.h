#pragma once
// Evaluations of a survey beyond the gauge's statistics: the corrosion classes of a half-cell
// batch, the characteristic cover of a cover batch, the cumulative distribution of the valid
// readings and the per-cell difference of two surveys of the same grid.
#include "UnitBatchList.h"

#include <QString>
#include <optional>
#include <vector>

// Class boundaries of the potentials against a copper/copper-sulphate reference, in millivolts.
constexpr double CorrosionBoundaryLow = -200.0;  // more positive: corrosion unlikely
constexpr double CorrosionBoundaryHigh = -350.0; // more negative: corrosion likely

// Corrosion classes, from the most positive potentials to the most negative.
enum TCorrosionClass : int { ccLow = 0, ccIntermediate = 1, ccHigh = 2 };
constexpr int CorrosionClassCount = 3;
// "Low", "Intermediate", "High" (stored English names; the display names are translated).
QString CorrosionClassKey(int corrosionClass);
QString CorrosionClassName(int corrosionClass);

// Millivolts to add to the batch's values to refer them to CU/CUSO4: the program's cell type
// conversion (-81 mV from "AG/AGCL"), 0 for "CU/CUSO4" and for an unknown reference cell.
double CopperSulphateShift(const TBatchItem &batch);
// The class of a potential that refers to CU/CUSO4, compared with the boundaries as readings are
// compared with limits (whole millivolts): -200 itself is "Intermediate", -350 too.
int CorrosionClassOf(double potentialCse);
// The class boundary expressed against the batch's own reference cell.
double CorrosionBoundaryFor(const TBatchItem &batch, double boundaryCse);

struct TCorrosionClasses {
    int Valid = 0; // valid readings
    int Count[CorrosionClassCount] = {0, 0, 0};
    // Count of the class / valid readings x 100; 0 without valid readings.
    double Percent(int corrosionClass) const;
};
// Raises "Invalid batch type - must be half-cell" for any other batch.
TCorrosionClasses CorrosionClasses(const TBatchItem &batch);

// The valid readings (reading type 0, measure type 0) in ascending order, in stored units.
std::vector<double> SortedValidReadings(const TBatchItem &batch);
// Empirical quantile of sorted values, p from 0 to 1: linear interpolation between the order
// statistics at rank (n - 1) x p, as the usual spreadsheet PERCENTILE. No value without values.
std::optional<double> EmpiricalQuantile(const std::vector<double> &sorted, double p);

// The acceptance test of a cover survey: does the 5 % quantile reach the low limit?
enum TQuantileCheck : int {
    qcNoLowLimit = 0,      // no low limit applied: nothing to check
    qcNotEnoughReadings,   // fewer than CharacteristicMinReadings valid readings
    qcMeets,               // the 5 % quantile is not below the low limit
    qcFails,               // it is below
};
constexpr int CharacteristicMinReadings = 20;
// Normal 5 % fractile factor.
constexpr double NormalFactor5 = 1.645;

struct TCharacteristicCover {
    int Valid = 0;
    std::optional<double> Quantile5;       // millimetres
    std::optional<double> Quantile10;      // millimetres
    std::optional<double> NormalQuantile5; // mean - 1.645 x standard deviation, millimetres
    int Check = qcNoLowLimit;
};
// Raises "Invalid batch type - must be cover" for any other batch.
TCharacteristicCover CharacteristicCover(const TBatchItem &batch);
// "Yes", "No", "Not enough readings" or "-" (no low limit applied), translated.
QString QuantileCheckText(int check);

// Inverse of the standard normal distribution function, p strictly between 0 and 1.
double NormalQuantile(double p);

// One point of the cumulative distribution: a valid reading (stored units) and the percentage of
// readings at or below it, by the plotting position (i - 0.5) / n for the i-th smallest of n.
struct TCumulativePoint {
    double Value = 0;
    double Percent = 0;
};
std::vector<TCumulativePoint> CumulativeDistribution(const TBatchItem &batch);

// Why two surveys cannot be compared; empty text when they can.
QString DifferenceProblem(const TBatchItem &earlier, const TBatchItem &later);
// The per-cell difference later - earlier of two surveys of the same type and grid: a valid
// reading where both cells are valid, an empty cell elsewhere. The header is the later survey's,
// with no limits applied; half-cell values are compared on the later survey's reference cell.
// Raises the DifferenceProblem text when the surveys cannot be compared.
TBatchItem DifferenceBatch(const TBatchItem &earlier, const TBatchItem &later);
