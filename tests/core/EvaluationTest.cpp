#include "BatchTestSupport.h"
#include "UnitEvaluation.h"
#include "UnitException.h"

#include <cmath>

namespace {
class Evaluation : public BatchUnitsTest {};

TBatchItem HalfCell(const QString &cellType, const std::vector<TCell> &cells, int columns = 0)
{
    TBatchItem b;
    const int n = static_cast<int>(cells.size());
    const int c = columns > 0 ? columns : std::max(1, n);
    FillBatch(b, BatchTypeHalfCell, BatchFormatGrid, c, (n + c - 1) / c, cells);
    b.CellType = cellType;
    b.ID = QStringLiteral("H");
    return b;
}

TBatchItem Cover(const std::vector<TCell> &cells, int columns = 0)
{
    TBatchItem b;
    const int n = static_cast<int>(cells.size());
    const int c = columns > 0 ? columns : std::max(1, n);
    FillBatch(b, BatchTypeCover, BatchFormatGrid, c, std::max(1, (n + c - 1) / c), cells);
    b.ID = QStringLiteral("C");
    return b;
}
} // namespace

TEST_F(Evaluation, CorrosionClassAtAndAroundTheBoundaries)
{
    // Whole millivolts as CompareHalfCell rounds both sides (add 0.5, truncate toward zero): a
    // reading is compared as it shows, so -199.6 and -200.4 (shown as -200) are "Intermediate"
    // like -200 itself, and -350.6 (shown as -351) is "High". An "AG/AGCL" reading is first
    // shifted by -81 mV: -119 there is -200 on CU/CUSO4.
    struct Case {
        const char *Cell;
        double Value;
        int Class;
    };
    const Case cases[] = {
        {"CU/CUSO4", -150, ccLow},            {"CU/CUSO4", -199, ccLow},
        {"CU/CUSO4", -199.4, ccLow},          {"CU/CUSO4", -199.6, ccIntermediate},
        {"CU/CUSO4", -200, ccIntermediate},   {"CU/CUSO4", -200.4, ccIntermediate},
        {"CU/CUSO4", -201, ccIntermediate},   {"CU/CUSO4", -349, ccIntermediate},
        {"CU/CUSO4", -350, ccIntermediate},   {"CU/CUSO4", -350.4, ccIntermediate},
        {"CU/CUSO4", -350.6, ccHigh},         {"CU/CUSO4", -351, ccHigh},
        {"CU/CUSO4", -500, ccHigh},           {"cu/cuso4", -351, ccHigh},
        {"", -199, ccLow}, // an unknown cell is taken as it stands
        {"AG/AGCL", -118, ccLow},             {"AG/AGCL", -118.4, ccLow},
        {"AG/AGCL", -118.6, ccIntermediate},  {"AG/AGCL", -119, ccIntermediate},
        {"AG/AGCL", -120, ccIntermediate},    {"AG/AGCL", -199, ccIntermediate},
        {"AG/AGCL", -268, ccIntermediate},    {"AG/AGCL", -269, ccIntermediate},
        {"AG/AGCL", -269.6, ccHigh},          {"AG/AGCL", -270, ccHigh},
        {"ag/agcl", -270, ccHigh},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(c.Cell)).arg(c.Value).toStdString());
        const TBatchItem b = HalfCell(QLatin1String(c.Cell), {V(c.Value)});
        const TCorrosionClasses k = CorrosionClasses(b);
        EXPECT_EQ(k.Valid, 1);
        for (int i = 0; i < CorrosionClassCount; ++i) {
            EXPECT_EQ(k.Count[i], i == c.Class ? 1 : 0) << i;
            EXPECT_EQ(k.Percent(i), i == c.Class ? 100.0 : 0.0) << i;
        }
    }
    EXPECT_EQ(CorrosionBoundaryFor(HalfCell(QStringLiteral("AG/AGCL"), {V(0)}), CorrosionBoundaryLow), -119);
    EXPECT_EQ(CorrosionBoundaryFor(HalfCell(QStringLiteral("CU/CUSO4"), {V(0)}), CorrosionBoundaryHigh), -350);
}

TEST_F(Evaluation, CorrosionClassesCountOnlyValidReadings)
{
    const TBatchItem b =
        HalfCell(QStringLiteral("CU/CUSO4"), {V(-100), V(-250), V(-400), V(-420), E(), Over(), Under(), V(-300)}, 4);
    const TCorrosionClasses k = CorrosionClasses(b);
    EXPECT_EQ(k.Valid, 5);
    EXPECT_EQ(k.Count[ccLow], 1);
    EXPECT_EQ(k.Count[ccIntermediate], 2);
    EXPECT_EQ(k.Count[ccHigh], 2);
    EXPECT_DOUBLE_EQ(k.Percent(ccLow), 20);
    EXPECT_DOUBLE_EQ(k.Percent(ccIntermediate), 40);
    EXPECT_DOUBLE_EQ(k.Percent(ccHigh), 40);

    const TCorrosionClasses none = CorrosionClasses(HalfCell(QStringLiteral("CU/CUSO4"), {E(), Over()}));
    EXPECT_EQ(none.Valid, 0);
    EXPECT_EQ(none.Percent(ccHigh), 0); // no division by zero

    try {
        CorrosionClasses(Cover({V(30)}));
        FAIL() << "a cover batch has no corrosion classes";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid batch type - must be half-cell"));
    }
}

TEST_F(Evaluation, QuantilesAgainstHandComputedValues)
{
    struct Case {
        std::vector<double> Values;
        double Q5, Q10;
    };
    // Rank (n - 1) p, linear interpolation between neighbours.
    std::vector<double> twenty;
    for (int i = 1; i <= 20; ++i)
        twenty.push_back(20 + i); // 21 .. 40
    const Case cases[] = {
        {{35}, 35, 35},
        {{30, 40}, 30.5, 31},                  // ranks 0.05 and 0.1
        {{40, 30}, 30.5, 31},                  // order of the cells does not matter
        {{25, 25, 25, 25}, 25, 25},            // all equal
        {{10, 20, 30, 40, 50}, 12, 14},        // ranks 0.2 and 0.4
        {twenty, 21.95, 22.9},                 // ranks 0.95 and 1.9
    };
    for (const Case &c : cases) {
        std::vector<TCell> cells;
        for (double v : c.Values)
            cells.push_back(V(v));
        cells.push_back(E());
        cells.push_back(Over());
        const TCharacteristicCover k = CharacteristicCover(Cover(cells, 3));
        SCOPED_TRACE(c.Values.size());
        ASSERT_TRUE(k.Quantile5 && k.Quantile10 && k.NormalQuantile5);
        EXPECT_NEAR(*k.Quantile5, c.Q5, 1e-9);
        EXPECT_NEAR(*k.Quantile10, c.Q10, 1e-9);
        EXPECT_EQ(k.Valid, static_cast<int>(c.Values.size()));
    }
    // Normal fit: mean - 1.645 s; one reading has s = 0, all-equal readings too.
    EXPECT_DOUBLE_EQ(*CharacteristicCover(Cover({V(35)})).NormalQuantile5, 35);
    EXPECT_DOUBLE_EQ(*CharacteristicCover(Cover({V(25), V(25), V(25)})).NormalQuantile5, 25);
    EXPECT_NEAR(*CharacteristicCover(Cover({V(10), V(20)})).NormalQuantile5, 15 - 1.645 * 7.0710678, 1e-6);

    const TCharacteristicCover empty = CharacteristicCover(Cover({E(), Under()}));
    EXPECT_FALSE(empty.Quantile5);
    EXPECT_FALSE(empty.Quantile10);
    EXPECT_FALSE(empty.NormalQuantile5);
    EXPECT_FALSE(EmpiricalQuantile({}, 0.5));
}

TEST_F(Evaluation, FivePercentQuantileAgainstTheLowLimit)
{
    std::vector<TCell> cells;
    for (int i = 1; i <= 20; ++i)
        cells.push_back(V(20 + i)); // 5 % quantile 21.95
    TBatchItem b = Cover(cells, 5);
    EXPECT_EQ(CharacteristicCover(b).Check, qcNoLowLimit);
    b.LowLimitApplied = true;
    struct Case {
        double Limit;
        int Check;
    };
    // Compared at display resolution: 21.95 shows as 22 mm, so a 22 mm limit is reached.
    for (const Case &c : {Case{20, qcMeets}, Case{22, qcMeets}, Case{22.4, qcMeets}, Case{23, qcFails}}) {
        b.LowLimit = c.Limit;
        EXPECT_EQ(CharacteristicCover(b).Check, c.Check) << c.Limit;
    }
    // Nineteen readings are not enough, however far above the limit they are.
    b.LowLimit = 1;
    SetCell(b, 4, 3, E());
    b.Readings = b.ValidCount();
    EXPECT_EQ(CharacteristicCover(b).Valid, 19);
    EXPECT_EQ(CharacteristicCover(b).Check, qcNotEnoughReadings);
    EXPECT_EQ(QuantileCheckText(qcNotEnoughReadings), QStringLiteral("Not enough readings"));

    try {
        CharacteristicCover(HalfCell(QStringLiteral("CU/CUSO4"), {V(-100)}));
        FAIL() << "a half-cell batch has no characteristic cover";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid batch type - must be cover"));
    }
}

TEST_F(Evaluation, NormalQuantileInverse)
{
    EXPECT_NEAR(NormalQuantile(0.5), 0, 1e-12);
    EXPECT_NEAR(NormalQuantile(0.05), -1.6448536269514722, 1e-9);
    EXPECT_NEAR(NormalQuantile(0.975), 1.959963984540054, 1e-9);
    EXPECT_NEAR(NormalQuantile(0.001), -3.090232306167813, 1e-9);
    EXPECT_NEAR(NormalQuantile(0.01) + NormalQuantile(0.99), 0, 1e-9);
    EXPECT_TRUE(std::isnan(NormalQuantile(0)));
    EXPECT_TRUE(std::isnan(NormalQuantile(1)));
}

TEST_F(Evaluation, CumulativeDistributionPlottingPositions)
{
    const std::vector<TCumulativePoint> p = CumulativeDistribution(Cover({V(40), E(), V(20), Over(), V(30), V(30)}, 3));
    ASSERT_EQ(p.size(), 4u);
    const double values[] = {20, 30, 30, 40};
    const double percents[] = {12.5, 37.5, 62.5, 87.5}; // (i - 0.5) / n
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].Value, values[i]);
        EXPECT_DOUBLE_EQ(p[i].Percent, percents[i]);
    }
    EXPECT_TRUE(CumulativeDistribution(Cover({E()})).empty());
}

TEST_F(Evaluation, DifferenceOfTwoSmallGridsWithEmptyCells)
{
    TBatchItem earlier = Cover({V(30), V(35), E(), V(40), Over(), V(50)}, 3);
    earlier.ID = QStringLiteral("2019");
    TBatchItem later = Cover({V(28), E(), V(33), V(44), V(45), V(47)}, 3);
    later.ID = QStringLiteral("2024");
    later.LowLimitApplied = later.HighLimitApplied = true;
    later.Site = QStringLiteral("Pier 4");
    const TBatchItem d = DifferenceBatch(earlier, later);
    EXPECT_EQ(d.ID, QStringLiteral("2024 - 2019"));
    EXPECT_EQ(d.Site, QStringLiteral("Pier 4"));
    EXPECT_FALSE(d.LowLimitApplied);
    EXPECT_FALSE(d.HighLimitApplied);
    ASSERT_EQ(d.Columns, 3);
    ASSERT_EQ(d.Rows, 2);
    // Valid only where both surveys hold a valid reading.
    const bool valid[2][3] = {{true, false, false}, {true, false, true}};
    const double value[2][3] = {{-2, 0, 0}, {4, 0, -3}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            SCOPED_TRACE(c * 10 + r);
            EXPECT_EQ(d.ReadingType(c, r), valid[r][c] ? ReadingTypeReading : ReadingTypeEmpty);
            EXPECT_EQ(d.MeasureType(c, r), MeasureTypeInRange);
            EXPECT_EQ(d.Value(c, r), value[r][c]);
        }
    EXPECT_EQ(d.Readings, 3);
    EXPECT_EQ(d.ValidCount(), 3);
}

TEST_F(Evaluation, DifferenceOfHalfCellSurveysOnDifferentCells)
{
    // The earlier survey is brought onto the later one's reference cell first.
    TBatchItem earlier = HalfCell(QStringLiteral("AG/AGCL"), {V(-100), V(-150)});
    TBatchItem later = HalfCell(QStringLiteral("CU/CUSO4"), {V(-200), V(-230)});
    const TBatchItem d = DifferenceBatch(earlier, later);
    EXPECT_EQ(d.Value(0, 0), -200 - (-100 - 81));
    EXPECT_EQ(d.Value(1, 0), -230 - (-150 - 81));
    EXPECT_EQ(d.CellType, QStringLiteral("CU/CUSO4"));
    EXPECT_EQ(earlier.Value(0, 0), -100); // the given surveys stay as they are
}

TEST_F(Evaluation, SurveysThatCannotBeCompared)
{
    struct Case {
        TBatchItem Earlier, Later;
        QString Message;
    };
    TBatchItem unknownCell = HalfCell(QString(), {V(-100), V(-100)});
    const Case cases[] = {
        {Cover({V(1), V(2)}), HalfCell(QStringLiteral("CU/CUSO4"), {V(1), V(2)}),
         QStringLiteral("The surveys are not of the same batch type")},
        {Cover({V(1), V(2), V(3), V(4)}, 2), Cover({V(1), V(2), V(3), V(4)}, 4),
         QStringLiteral("The surveys do not have the same grid (2 x 2 and 4 x 1)")},
        {unknownCell, HalfCell(QStringLiteral("AG/AGCL"), {V(1), V(2)}),
         QStringLiteral("Unable to convert data to cell type")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(DifferenceProblem(c.Earlier, c.Later), c.Message);
        try {
            DifferenceBatch(c.Earlier, c.Later);
            ADD_FAILURE() << c.Message.toStdString();
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
    EXPECT_TRUE(DifferenceProblem(unknownCell, unknownCell).isEmpty());
}
