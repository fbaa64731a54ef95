#include "BatchTestSupport.h"
#include "TestSupport.h"

#include <QThread>
#include <atomic>
#include <cmath>

namespace {
class Batch : public BatchUnitsTest {};

class OtherPersistent : public TPersistent {
public:
    void Assign(const TPersistent *) override {}
};
} // namespace

TEST_F(Batch, EmptyBatchHasZeroStatistics)
{
    for (int size : {0, 3}) {
        TBatchItem b;
        FillBatch(b, BatchTypeCover, BatchFormatGrid, size, size, {});
        SCOPED_TRACE(size);
        EXPECT_EQ(b.ValidCount(), 0);
        EXPECT_EQ(b.Mean(), 0);
        EXPECT_EQ(b.Max(), 0);
        EXPECT_EQ(b.Min(), 0);
        EXPECT_EQ(b.Range(), 0);
        EXPECT_EQ(b.StandardDeviation(), 0);
        EXPECT_EQ(b.LastReadingPosition(), 0);
        EXPECT_EQ(b.PercentBelowLow(), 0);
        EXPECT_EQ(b.PercentOverRange(), 0);
        EXPECT_EQ(b.CellCount(), size * size);
    }
}

TEST_F(Batch, StatisticsOfOneAndTwoReadings)
{
    TBatchItem b;
    FillBatch(b, BatchTypeCover, BatchFormatGrid, 2, 2, {E(), V(-5)});
    EXPECT_EQ(b.Mean(), -5);
    EXPECT_EQ(b.Max(), -5); // a lone negative reading is both extremes, not 0
    EXPECT_EQ(b.Min(), -5);
    EXPECT_EQ(b.Range(), 0);
    EXPECT_EQ(b.StandardDeviation(), 0);
    EXPECT_EQ(b.LastReadingPosition(), 2);

    FillBatch(b, BatchTypeCover, BatchFormatGrid, 2, 2, {V(10), E(), V(20)});
    EXPECT_EQ(b.Mean(), 15);
    EXPECT_NEAR(b.StandardDeviation(), 7.0711, 1e-4); // n - 1 denominator
    EXPECT_EQ(b.Range(), 10);
    EXPECT_EQ(b.LastReadingPosition(), 3); // row 1, column 0
}

TEST_F(Batch, OutOfRangeCellsCountAsPositionsButNotAsReadings)
{
    struct Case {
        std::uint8_t Format;
        int Positions;
    };
    for (const Case &c : {Case{BatchFormatGrid, 8}, Case{BatchFormatLinear, 5}}) {
        SCOPED_TRACE(c.Format);
        TBatchItem b;
        // 1 column x 8 rows: three valid readings, one over, one under, three empty.
        FillBatch(b, BatchTypeCover, c.Format, 1, 8, {V(40), Over(), V(20), Under(), V(30), E(), E(), E()});
        b.LowLimit = 25;
        b.HighLimit = 35;
        b.LowLimitApplied = b.HighLimitApplied = true;
        EXPECT_EQ(b.ValidCount(), 3);
        EXPECT_EQ(b.ReadingPositions(), c.Positions);
        EXPECT_EQ(b.Mean(), 30);
        EXPECT_EQ(b.Max(), 40);
        EXPECT_EQ(b.Min(), 20);
        EXPECT_EQ(b.Range(), 20);
        EXPECT_EQ(b.CountBelowLow(), 1);
        EXPECT_EQ(b.CountAboveHigh(), 1);
        EXPECT_EQ(b.CountOverRange(), 1);
        EXPECT_EQ(b.CountUnderRange(), 1);
        EXPECT_DOUBLE_EQ(b.PercentOverRange(), 100.0 / c.Positions);
        EXPECT_DOUBLE_EQ(b.PercentUnderRange(), 100.0 / c.Positions);
        EXPECT_DOUBLE_EQ(b.PercentBelowLow(), 100.0 / c.Positions);
        EXPECT_EQ(b.LastReadingPosition(), 5);
    }
}

TEST_F(Batch, PercentagesUseGridOrLinearDenominator)
{
    // 10 x 10: 50 valid readings, of which 5 below the applied low limit.
    std::vector<TCell> cells;
    for (int i = 0; i < 50; ++i)
        cells.push_back(V(i < 5 ? 10 : 50));
    for (std::uint8_t format : {BatchFormatGrid, BatchFormatLinear}) {
        TBatchItem b;
        FillBatch(b, BatchTypeCover, format, 10, 10, cells);
        b.LowLimit = 30;
        b.LowLimitApplied = true;
        EXPECT_EQ(b.CountBelowLow(), 5);
        EXPECT_DOUBLE_EQ(b.PercentBelowLow(), format == BatchFormatGrid ? 5.0 : 10.0);
        b.LowLimitApplied = false;
        EXPECT_EQ(b.CountBelowLow(), 0);
        EXPECT_EQ(b.PercentBelowLow(), 0);
    }
}

TEST_F(Batch, LimitsCompareAtDisplayResolution)
{
    struct Case {
        std::uint8_t Type;
        std::uint8_t Units;
        double Reading;
        double Low;
        double High;
        int Below;
        int Above;
    };
    const Case cases[] = {
        {BatchTypeCover, 0, 29.6, 30, 100, 0, 0}, // both show as 30 mm
        {BatchTypeCover, 0, 29.4, 30, 100, 1, 0},
        {BatchTypeCover, 0, 100.4, 30, 100, 0, 0},
        {BatchTypeCover, 0, 100.5, 30, 100, 0, 1},
        // Inches: step 0.05 in; 25.4 mm = 1.00 in, 24.8 mm = 0.976 in shows as 1.00 in.
        {BatchTypeCover, 1, 24.8, 25.4, 200, 0, 0},
        {BatchTypeCover, 1, 24.0, 25.4, 200, 1, 0},
        {BatchTypeHalfCell, 0, -350.4, -350, 0, 0, 0},
        {BatchTypeHalfCell, 0, -350.6, -350, 0, 1, 0},
        {BatchTypeHalfCell, 0, 0.6, -350, 0, 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Type) << " " << int(c.Units) << " " << c.Reading);
        TCoverUnitsScope units(c.Units);
        TBatchItem b;
        FillBatch(b, c.Type, BatchFormatGrid, 1, 1, {V(c.Reading)});
        b.LowLimit = c.Low;
        b.HighLimit = c.High;
        b.LowLimitApplied = b.HighLimitApplied = true;
        EXPECT_EQ(b.CountBelowLow(), c.Below);
        EXPECT_EQ(b.CountAboveHigh(), c.Above);
    }
}

TEST_F(Batch, InBinIsHalfOpenAtDisplayResolution)
{
    TBatchItem b;
    b.BatchType = BatchTypeCover;
    // Bin 1 of start 10, width 5: [15, 20) mm.
    EXPECT_TRUE(b.InBin(1, 10, 5, 15));
    EXPECT_TRUE(b.InBin(1, 10, 5, 14.5)); // shows as 15
    EXPECT_FALSE(b.InBin(1, 10, 5, 14.4));
    EXPECT_TRUE(b.InBin(1, 10, 5, 19.4));
    EXPECT_FALSE(b.InBin(1, 10, 5, 19.5)); // shows as 20
    TCoverUnitsScope inches(1);
    EXPECT_TRUE(b.InBin(0, 1.0, 0.5, 25.4));
    EXPECT_FALSE(b.InBin(0, 1.0, 0.5, 38.1)); // 1.5 in is the next bin
}

TEST_F(Batch, UnitOperationsDispatchOnBatchType)
{
    TBatchItem b;
    b.BatchType = BatchTypeCover;
    EXPECT_EQ(b.UnitName(), QStringLiteral("mm"));
    EXPECT_EQ(b.FormatValue(12.4), QStringLiteral("12"));
    b.BatchType = BatchTypeHalfCell;
    EXPECT_EQ(b.UnitName(), QStringLiteral("mV"));
    EXPECT_EQ(b.FormatValueFine(-350.25), QStringLiteral("-350.3")); // halves away from zero
    EXPECT_EQ(b.ToDisplayRounded(-350.5), -350);
    {
        TCoverUnitsScope inches(1);
        b.BatchType = BatchTypeCover;
        EXPECT_EQ(b.UnitName(), QStringLiteral("in"));
        EXPECT_EQ(b.FormatValue(25.4), QStringLiteral("1.00"));
        EXPECT_DOUBLE_EQ(b.FromDisplay(2), 50.8);
        EXPECT_DOUBLE_EQ(b.ToDisplayRounded(26.0), 1.0); // 1.024 in to the 0.05 step
    }
    b.BatchType = 2;
    for (auto f : std::vector<std::function<void()>>{[&] { b.UnitName(); }, [&] { b.FormatValue(1); },
                                                     [&] { b.CompareValues(1, 2); }, [&] { b.SummaryGrid(); }})
        EXPECT_EQ(MessageOf(f), QStringLiteral("Invalid Batch Type"));
}

TEST_F(Batch, ConvertCellTypeShiftsEveryCell)
{
    TBatchItem b;
    FillBatch(b, BatchTypeHalfCell, BatchFormatGrid, 2, 1, {V(-300), E()});
    b.CellType = QStringLiteral("cu/cuso4");
    b.ConvertCellType(CellTypeAgAgCl);
    EXPECT_EQ(b.Value(0, 0), -219);
    EXPECT_EQ(b.Value(1, 0), 81); // empty cells are shifted too
    EXPECT_EQ(b.CellType, QStringLiteral("cu/cuso4")); // left to the caller

    b.CellType = QStringLiteral("AG/AGCL");
    EXPECT_EQ(MessageOf([&] { b.ConvertCellType(CellTypeAgAgCl); }),
              QStringLiteral("Unable to convert data to cell type"));
    EXPECT_EQ(b.Value(0, 0), -219); // unchanged by the failure
    b.ConvertCellType(CellTypeCuCuSO4);
    EXPECT_EQ(b.Value(0, 0), -300);

    b.CellType = QStringLiteral("Zn");
    EXPECT_EQ(MessageOf([&] { b.ConvertCellType(CellTypeCuCuSO4); }),
              QStringLiteral("Unable to convert data to cell type"));
    b.BatchType = BatchTypeCover;
    EXPECT_EQ(MessageOf([&] { b.ConvertCellType(CellTypeAgAgCl); }),
              QStringLiteral("Invalid batch type - must be half-cell"));
}

TEST_F(Batch, CellTypeNamesAndIndexes)
{
    EXPECT_EQ(CellTypeIndex(QStringLiteral("Ag/AgCl")), 1);
    EXPECT_EQ(CellTypeIndex(QStringLiteral("CU/CUSO4")), 0);
    EXPECT_EQ(CellTypeIndex(QString()), 2);
    EXPECT_EQ(CellTypeIndex(QStringLiteral("CU/CUSO4 ")), 2);
    EXPECT_EQ(CellTypeName(1), QStringLiteral("AG/AGCL"));
    EXPECT_EQ(CellTypeName(2), QString());
    EXPECT_EQ(BatchTypeName(1), QStringLiteral("Half Cell"));
    EXPECT_EQ(BatchFormatName(1), QStringLiteral("Linear"));
    EXPECT_EQ(BarSeriesName(2), QStringLiteral("ASTM/Canadian"));
    EXPECT_EQ(BarGradeName(3), QStringLiteral("DUPLEX"));
    EXPECT_EQ(BarGradeName(4), QString()); // unknown codes show nothing rather than crash
    EXPECT_EQ(BatchTypeName(-1), QString());
}

TEST_F(Batch, BarSizeLookups)
{
    struct Case {
        std::uint8_t Series;
        double Size;
        const char *Name;
    };
    const Case cases[] = {
        {1, 13, "#4"},     // 12.7 is nearest
        {0, 15, "14 mm"},  // 14 and 16 equally near: the earlier wins
        {0, 0, "5 mm"},    {0, 1000, "50 mm"}, {2, 20, "20M"}, {3, 50, "51 mm"},
        {1, 57.15, "#18"}, {0, 5.5, "5.5 mm"},
    };
    for (const Case &c : cases) {
        TBatchItem b;
        b.BarSeries = c.Series;
        b.BarSize = c.Size;
        EXPECT_EQ(b.BarSizeName(), QString::fromLatin1(c.Name)) << int(c.Series) << " " << c.Size;
    }
    TBatchItem b;
    b.BarSeries = 4;
    EXPECT_EQ(MessageOf([&] { b.BarSizeName(); }), QStringLiteral("Unable to locate bar series name"));

    b.BarSeries = 0;
    b.SetBarSizeByName(QStringLiteral("16 mm"));
    EXPECT_EQ(b.BarSize, 16);
    b.BarSeries = 1;
    b.SetBarSizeByName(QStringLiteral("#5"));
    EXPECT_EQ(b.BarSize, 15.88);
    for (const char *label : {"16 mm", "#5 ", "", "#17"})
        EXPECT_EQ(MessageOf([&] { b.SetBarSizeByName(QString::fromLatin1(label)); }),
                  QStringLiteral("Unknown bar series item"));
    EXPECT_EQ(b.BarSize, 15.88);

    QStringList list{QStringLiteral("stale")};
    const int counts[] = {21, 16, 8, 17};
    for (int series = 0; series < BarSeriesCount; ++series) {
        FillBarSizeList(series, list);
        EXPECT_EQ(list.size(), counts[series]);
    }
    EXPECT_EQ(list.first(), QStringLiteral("6 mm"));
    FillBarSizeList(9, list);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(BarSizeLabel(1, 16), QString());
    EXPECT_EQ(BarSizeDiameter(1, 16), BarSizeUnused);
}

TEST_F(Batch, ResizeKeepsTheCommonCells)
{
    TBatchItem b;
    FillBatch(b, BatchTypeCover, BatchFormatGrid, 3, 3, {V(1), V(2), V(3), V(4), Over(), V(6), V(7), V(8), V(9)});
    b.Resize(2, 5);
    EXPECT_EQ(b.Columns, 2);
    EXPECT_EQ(b.Rows, 5);
    EXPECT_EQ(b.Value(0, 0), 1);
    EXPECT_EQ(b.Value(1, 0), 2);
    EXPECT_EQ(b.MeasureType(1, 1), MeasureTypeOverRange);
    EXPECT_EQ(b.Value(1, 2), 8);
    for (int r = 3; r < 5; ++r)
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(b.ReadingType(c, r), ReadingTypeEmpty);
            EXPECT_EQ(b.Value(c, r), 0);
        }
    EXPECT_EQ(b.Readings, 5); // 1, 2, 4, 7, 8
    EXPECT_EQ(MessageOf([&] { b.Value(2, 0); }), QStringLiteral("Cell index out of range (2, 0)"));

    // A refused size leaves the record as it was.
    EXPECT_FALSE(MessageOf([&] { b.Resize(-1, 5); }).isEmpty());
    EXPECT_FALSE(MessageOf([&] { b.Resize(1001, 1000); }).isEmpty());
    EXPECT_EQ(b.Columns, 2);
    EXPECT_EQ(b.Value(1, 2), 8);
    b.Resize(0, 0);
    EXPECT_FALSE(b.HasCells());
    EXPECT_EQ(b.Readings, 0);
}

TEST_F(Batch, SetSizeRefusesAbsurdSizes)
{
    TBatchItem b;
    for (auto [c, r] : {std::pair{-1, 3}, std::pair{3, -1}, std::pair{1000001, 1}, std::pair{65536, 65536}}) {
        b.Columns = c;
        b.Rows = r;
        EXPECT_TRUE(MessageOf([&] { b.SetSize(); }).startsWith(QStringLiteral("Invalid batch size")))
            << c << " x " << r;
    }
    b.Columns = 1000;
    b.Rows = 1000;
    b.SetSize();
    EXPECT_EQ(b.ReadingType(999, 999), ReadingTypeEmpty);
    EXPECT_EQ(b.CellCount(), 1000000);
}

TEST_F(Batch, AssignCopiesEverythingAndChecksTheClass)
{
    TBatchItem a;
    FillBatch(a, BatchTypeHalfCell, BatchFormatLinear, 1, 3, {V(-100), Under()});
    a.ID = QStringLiteral("A1");
    a.Note = QStringLiteral("n");
    a.GaugeCellType = QStringLiteral("AG/AGCL");
    a.Temperature = 21.5;
    TBatchItem b;
    b.Assign(&a);
    EXPECT_EQ(b.ID, a.ID);
    EXPECT_EQ(b.GaugeCellType, a.GaugeCellType);
    EXPECT_EQ(b.Temperature, 21.5);
    EXPECT_EQ(b.MeasureType(0, 1), MeasureTypeUnderRange);
    EXPECT_EQ(b.Value(0, 0), -100);
    b.SetValue(0, 0, 5);
    EXPECT_EQ(a.Value(0, 0), -100); // a deep copy

    TBatchItem empty;
    b.Assign(&empty);
    EXPECT_FALSE(b.HasCells()); // no stale cells of the earlier size
    EXPECT_EQ(b.ValidCount(), 0);

    OtherPersistent other;
    EXPECT_EQ(MessageOf([&] { b.Assign(&other); }), QStringLiteral("Cannot assign object to Batch item"));
    EXPECT_EQ(MessageOf([&] { b.Assign(nullptr); }), QStringLiteral("Cannot assign object to Batch item"));
}

TEST_F(Batch, ClearAndNewBatchDefaults)
{
    TBatchItem b;
    EXPECT_EQ(b.GaugeType, 0);
    b.Site = QStringLiteral("x");
    b.Clear();
    EXPECT_EQ(b.GaugeType, 2);
    EXPECT_TRUE(b.Site.isEmpty());

    b.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    EXPECT_EQ(b.Columns, 4);
    EXPECT_EQ(b.Rows, 3);
    EXPECT_EQ(b.Grid, 100);
    EXPECT_EQ(b.HighLimit, 250);
    EXPECT_EQ(b.GaugeLowLimit, 1);
    EXPECT_EQ(b.Temperature, TemperatureNotRecorded);
    EXPECT_FALSE(b.HighLimitApplied);
    EXPECT_GT(b.CreationDate, 40000);
    EXPECT_EQ(b.CreationDate, b.UpdateDate);
    EXPECT_EQ(b.ReadingType(3, 2), ReadingTypeEmpty);

    b.SetNewBatchDefaults(BatchTypeHalfCell, BatchFormatLinear);
    EXPECT_EQ(b.Columns, 1);
    EXPECT_EQ(b.Rows, 1000);
    EXPECT_EQ(b.Grid, 0);
    EXPECT_EQ(b.HighLimit, 999);
    EXPECT_EQ(b.LowLimit, -999);
    EXPECT_EQ(b.GaugeType, 2);
    EXPECT_EQ(b.LastReadingPosition(), 0);
}

TEST_F(Batch, FileNameTrimsTheID)
{
    TBatchItem b;
    b.ID = QStringLiteral(" Wall 1 ");
    EXPECT_EQ(b.FileName(), QStringLiteral("Wall 1.vcb"));
    b.BatchType = BatchTypeHalfCell;
    EXPECT_EQ(b.FileName(), QStringLiteral("Wall 1.vch"));
}

TEST_F(Batch, SummaryGridLayout)
{
    TBatchItem b;
    FillBatch(b, BatchTypeCover, BatchFormatGrid, 3, 2, {V(12.4), Over(), E(), Under(), V(30), V(31)});
    b.ID = QStringLiteral("Wall");
    b.BarSeries = 0;
    b.BarSize = 16;
    b.HighLimit = 40.6;
    b.Grid = 100;
    const TSummaryGrid g = b.SummaryGrid();
    EXPECT_EQ(g.RowCount, 32);
    EXPECT_EQ(g.ColumnCount, 3);
    EXPECT_EQ(g.Cell(0, 0).toString(), QStringLiteral("Batch ID"));
    EXPECT_EQ(g.Cell(0, 1).toString(), QStringLiteral("Wall"));
    EXPECT_EQ(g.Cell(3, 1).typeId(), QMetaType::Double);
    EXPECT_EQ(g.Cell(3, 1).toDouble(), 3);
    EXPECT_EQ(g.Cell(8, 1).toString(), QStringLiteral("No"));
    EXPECT_EQ(g.Cell(9, 1).toDouble(), 41); // the shown precision
    EXPECT_EQ(g.Cell(20, 1).toString(), QStringLiteral("16 mm"));
    EXPECT_EQ(g.Cell(22, 1).toString(), QStringLiteral("mm"));
    EXPECT_NEAR(g.Cell(23, 1).toDouble(), 24.5, 1e-9); // "%.1f" of 24.4666
    EXPECT_EQ(g.Cell(28, 1).toString(), QString());
    EXPECT_EQ(g.Cell(29, 0).toString(), QStringLiteral("Cell Type"));
    EXPECT_EQ(g.Cell(30, 0).toDouble(), 12);
    EXPECT_EQ(g.Cell(30, 1).toString(), QStringLiteral(">>"));
    EXPECT_FALSE(g.Cell(30, 2).isValid());
    EXPECT_EQ(g.Cell(31, 0).toString(), QStringLiteral("<<"));
    EXPECT_EQ(g.Cell(31, 2).toDouble(), 31);
    EXPECT_FALSE(g.Cell(10, 2).isValid());

    // Half-cell: no bar rows, the temperature unit alone when not recorded; one column batch
    // still gets two grid columns.
    FillBatch(b, BatchTypeHalfCell, BatchFormatLinear, 1, 2, {V(-200.4)});
    b.Temperature = TemperatureNotRecorded;
    b.CellType = QStringLiteral("CU/CUSO4");
    QLocale::setDefault(QLocale(QLocale::German)); // decimal comma on screen, plain numbers in the grid
    const TSummaryGrid h = b.SummaryGrid();
    EXPECT_EQ(h.ColumnCount, 2);
    EXPECT_EQ(h.RowCount, 32);
    EXPECT_EQ(h.Cell(18, 1).toString(), QString());
    EXPECT_EQ(h.Cell(20, 1).toString(), QString());
    EXPECT_EQ(h.Cell(28, 1).toString(), QStringLiteral("°C"));
    EXPECT_EQ(h.Cell(29, 1).toString(), QStringLiteral("CU/CUSO4"));
    EXPECT_EQ(h.Cell(23, 1).toDouble(), -200.4);
    EXPECT_EQ(h.Cell(30, 0).toDouble(), -200);
    b.Temperature = 21.3;
    EXPECT_EQ(b.SummaryGrid().Cell(28, 1).toString(), QStringLiteral("21,3°C"));
}

// ---------------------------------------------------------------------------------------------

TEST(BatchList, AddFindDeleteAndTagged)
{
    TBatchList list;
    TBatchItem *a = list.Add();
    a->ID = QStringLiteral("Deck");
    a->Columns = 4;
    a->Rows = 5;
    a->Tagged = true;
    TBatchItem *b = list.Add();
    b->ID = QStringLiteral("Deck");
    b->BatchType = BatchTypeHalfCell;
    b->Columns = 2;
    b->Rows = 3;
    b->Tagged = true;
    list.Add()->ID = QStringLiteral("deck");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf(QStringLiteral("Deck"), BatchTypeHalfCell), 1);
    EXPECT_EQ(list.IndexOf(QStringLiteral("deck"), BatchTypeCover), 2); // letter case matters
    EXPECT_EQ(list.IndexOf(QStringLiteral("DECK"), BatchTypeCover), -1);
    EXPECT_EQ(list.TaggedCount(), 2);
    EXPECT_EQ(list.TaggedCellCount(), 26);
    list.Delete(0);
    EXPECT_EQ(list.Items(0), b);
    EXPECT_EQ(MessageOf([&] { list.Items(2); }), QStringLiteral("List index out of bounds (2)"));
    EXPECT_EQ(MessageOf([&] { list.Delete(-1); }), QStringLiteral("List index out of bounds (-1)"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(BatchList, SortIgnoresLetterCaseAndFollowsTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    TBatchList list;
    for (const char *id : {"beam 2", "Abutment", "Éclisse", "beam 10", "Zone", "apron"})
        list.Add()->ID = QString::fromUtf8(id);
    list.Sort();
    QStringList ids;
    for (int i = 0; i < list.Count(); ++i)
        ids << list.Items(i)->ID;
    EXPECT_EQ(ids, QString::fromUtf8("Abutment|apron|beam 10|beam 2|Éclisse|Zone").split(QLatin1Char('|')));
    QLocale::setDefault(QLocale::system());
}

TEST(BatchList, LockIsReentrantAndExcludesOtherThreads)
{
    TBatchList list;
    list.Lock();
    list.Lock(); // the same thread may enter again
    std::atomic<bool> otherGotIt{true};
    QThread *t = QThread::create([&] { otherGotIt = list.Mutex().tryLock(); });
    t->start();
    ASSERT_TRUE(t->wait(10000));
    delete t;
    EXPECT_FALSE(otherGotIt);
    list.Add();
    list.Unlock();
    list.Unlock();
    QThread *u = QThread::create([&] {
        otherGotIt = list.Mutex().tryLock();
        if (otherGotIt)
            list.Unlock();
    });
    u->start();
    ASSERT_TRUE(u->wait(10000));
    delete u;
    EXPECT_TRUE(otherGotIt);
}

TEST_F(Batch, SummaryGridOfAHeaderOnlyOrVeryWideBatch)
{
    // Known only by its header (as from a folder cache): the rows are there, empty.
    TBatchItem b;
    b.BatchType = BatchTypeCover;
    b.Columns = 3;
    b.Rows = 4;
    TSummaryGrid g = b.SummaryGrid();
    EXPECT_EQ(g.RowCount, 34);
    EXPECT_EQ(g.ColumnCount, 3);
    EXPECT_FALSE(g.Cell(33, 2).isValid());
    EXPECT_EQ(g.Cell(4, 1).toDouble(), 3);

    // A header size no batch can have falls back to the cells held.
    b.Columns = -5;
    EXPECT_EQ(b.SummaryGrid().RowCount, 30);

    // A million columns in one row would need thirty million summary cells: refused.
    FillBatch(b, BatchTypeCover, BatchFormatGrid, 1000000, 1, {V(1)});
    EXPECT_TRUE(MessageOf([&] { b.SummaryGrid(); }).startsWith(QStringLiteral("The batch is too large")));
}
