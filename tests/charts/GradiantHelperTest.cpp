#include "ChartTestSupport.h"
#include "UnitGradiantHelper.h"

namespace {
struct TGradientCase {
    const char *Name;
    std::uint8_t Method;
    bool HighApplied;
    double High;
    bool LowApplied;
    double Low;
    double Band;
    double Value;
    QColor Expected;
};

void PrintTo(const TGradientCase &c, std::ostream *os) { *os << c.Name; }

class GradientColours : public ChartTest, public ::testing::WithParamInterface<TGradientCase> {};

TEST_P(GradientColours, ColourForGivesTheExactColour)
{
    const TGradientCase &c = GetParam();
    TGradiantHelper g;
    g.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 1, {V(20), V(50)});
    g.Batch.HighLimitApplied = c.HighApplied;
    g.Batch.HighLimit = c.High;
    g.Batch.LowLimitApplied = c.LowApplied;
    g.Batch.LowLimit = c.Low;
    g.Method = c.Method;
    g.WarningBand = c.Band;
    g.UpdateRange();
    EXPECT_EQ(g.ColourFor(c.Value), c.Expected) << g.ColourFor(c.Value).name().toStdString();
}

const QColor Green(0, 255, 0), Yellow(255, 255, 0), Red(255, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, GradientColours,
    ::testing::Values(
        // Warning with only the high limit at 40 and a band of 30.
        TGradientCase{"warning below band", cmWarning, true, 40, false, 0, 30, 25, Green},
        TGradientCase{"warning at limit", cmWarning, true, 40, false, 0, 30, 40, Yellow},
        TGradientCase{"warning band top", cmWarning, true, 40, false, 0, 30, 55, Red},
        TGradientCase{"warning beyond band", cmWarning, true, 40, false, 0, 30, 70, Red},
        TGradientCase{"warning three quarters", cmWarning, true, 40, false, 0, 30, 47.5, QColor(255, 127, 0)},
        TGradientCase{"warning quarter", cmWarning, true, 40, false, 0, 30, 32.5, QColor(127, 255, 0)},
        // The low side climbs toward lower values; the larger side wins.
        TGradientCase{"warning low side", cmWarning, true, 40, true, 20, 10, 20, Yellow},
        TGradientCase{"warning below low band", cmWarning, true, 40, true, 20, 10, 15, Red},
        TGradientCase{"warning between", cmWarning, true, 40, true, 20, 10, 30, Green},
        TGradientCase{"warning without limits", cmWarning, false, 40, false, 20, 30, 99, Green},
        // A band of 0 is the pass/fail rule.
        TGradientCase{"warning no band pass", cmWarning, true, 40, false, 0, 0, 40, Green},
        TGradientCase{"warning no band fail", cmWarning, true, 40, false, 0, 0, 41, Red},
        // Pass/fail at display resolution.
        TGradientCase{"none within resolution", cmNone, true, 40, false, 0, 30, 40.4, Green},
        TGradientCase{"none above", cmNone, true, 40, false, 0, 30, 40.5, Red},
        TGradientCase{"none below low", cmNone, false, 0, true, 30, 30, 29.4, Red},
        TGradientCase{"none low within resolution", cmNone, false, 0, true, 30, 30, 29.6, Green},
        // Limits between 30 and 40.
        TGradientCase{"limits above high", cmLimits, true, 40, true, 30, 30, 45, QColor(63, 255, 0)},
        TGradientCase{"limits below low", cmLimits, true, 40, true, 30, 30, 20, Red},
        TGradientCase{"limits at low", cmLimits, true, 40, true, 30, 30, 30, QColor(255, 191, 0)},
        TGradientCase{"limits at low by display", cmLimits, true, 40, true, 30, 30, 29.6, QColor(255, 191, 0)},
        TGradientCase{"limits at high", cmLimits, true, 40, true, 30, 30, 40, QColor(63, 255, 0)},
        // Without limits the scale runs between the batch's largest (50) and smallest (20) reading.
        TGradientCase{"limits on readings", cmLimits, false, 0, false, 0, 30, 35, QColor(191, 255, 0)},
        TGradientCase{"maxmin largest", cmMaxMin, false, 0, false, 0, 30, 50, QColor(63, 255, 0)},
        TGradientCase{"maxmin smallest", cmMaxMin, false, 0, false, 0, 30, 20, QColor(255, 191, 0)},
        TGradientCase{"maxmin beyond", cmMaxMin, false, 0, false, 0, 30, 0, QColor(255, 191, 0)},
        TGradientCase{"unknown method", 7, true, 40, true, 30, 30, 35, QColor(255, 255, 255)}));

TEST_F(ChartTest, GradientMaxMinOfABatchWithoutReadingsIsTheFirstStepOfTheRamp)
{
    TGradiantHelper g;
    g.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2, {Over(), E(), Under()});
    g.Method = cmMaxMin;
    g.UpdateRange();
    EXPECT_EQ(g.MinValue, 0);
    EXPECT_EQ(g.MaxValue, 0);
    for (double v : {-50.0, 0.0, 35.0, 1000.0})
        EXPECT_EQ(g.ColourFor(v), QColor(63, 255, 0));
}

TEST_F(ChartTest, GradientThresholdInGreyScaleAndContrast)
{
    TGradiantHelper g;
    g.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 1, 1, {V(30)});
    g.Batch.HighLimitApplied = true; // limits are not consulted
    g.Batch.HighLimit = 10;
    g.GreyScale = true;
    g.Method = cmThreshold;
    g.Threshold = 30;
    EXPECT_EQ(g.ColourFor(29.4), QColor(0, 0, 0));
    EXPECT_EQ(g.ColourFor(29.6), QColor(255, 255, 255)); // shows as 30: at the threshold
    EXPECT_EQ(g.ColourFor(80), QColor(255, 255, 255));
    EXPECT_EQ(TGradiantHelper::ContrastColour(QColor(0, 0, 0)), QColor(255, 255, 255));
    EXPECT_EQ(TGradiantHelper::ContrastColour(QColor(255, 255, 255)), QColor(0, 0, 0));
    EXPECT_EQ(TGradiantHelper::ContrastColour(QColor(128, 128, 128)), QColor(255, 255, 255));
    EXPECT_EQ(TGradiantHelper::ContrastColour(QColor(129, 128, 255)), QColor(0, 255, 0));
    EXPECT_EQ(TGradiantHelper::ContrastColour(QColor(Qt::yellow)), QColor(0, 0, 255));
    // Grey warning stop.
    g.Method = cmWarning;
    g.WarningBand = 30;
    EXPECT_EQ(g.ColourFor(10), QColor(128, 128, 128));
    EXPECT_EQ(g.GetPassColour(), QColor(255, 255, 255));
    EXPECT_EQ(g.GetFailColour(), QColor(0, 0, 0));
}

TEST_F(ChartTest, GradientWithoutGreenPassesInBlack)
{
    TGradiantHelper g;
    g.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 1, 1, {V(30)});
    g.Batch.LowLimitApplied = true;
    g.Batch.LowLimit = 25;
    g.UseGreen = false;
    g.Method = cmNone;
    EXPECT_EQ(g.ColourFor(30), QColor(0, 0, 0));
    EXPECT_EQ(g.ColourFor(20), QColor(255, 0, 0));
    EXPECT_EQ(g.GetPassColour(), QColor(0, 0, 0));
    EXPECT_EQ(g.GetFailColour(), QColor(255, 0, 0));
    // The ramp truncates: a quarter of the way from 0 to 255 is 63.
    g.UseGreen = true;
    g.ColourFor(0);
    EXPECT_EQ(g.Ramp(0.125), QColor(63, 255, 0));
    EXPECT_EQ(g.Ramp(1.0), QColor(255, 0, 0));
}

TEST_F(ChartTest, GradientComparesHalfCellValuesInWholeMillivolts)
{
    TGradiantHelper g;
    g.Batch = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 1, 1, {V(-300)});
    g.Batch.LowLimitApplied = true;
    g.Batch.LowLimit = -350;
    g.Method = cmNone;
    EXPECT_EQ(g.ColourFor(-350.4), QColor(0, 255, 0)); // both are -350 in whole millivolts
    EXPECT_EQ(g.ColourFor(-351.6), QColor(255, 0, 0));
    // In inch mode a cover batch compares at 0.05 in: 25.4 mm and 26 mm both show as 1.00.
    TCoverUnitsScope inches(1);
    g.Batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 1, 1, {V(30)});
    g.Batch.HighLimitApplied = true;
    g.Batch.HighLimit = 25.4;
    EXPECT_EQ(g.ColourFor(26), QColor(0, 255, 0));
    EXPECT_EQ(g.ColourFor(27), QColor(255, 0, 0));
}
} // namespace
