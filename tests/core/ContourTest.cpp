#include "BatchTestSupport.h"
#include "UnitContour.h"
#include "UnitException.h"

#include <algorithm>

namespace {
class Contour : public BatchUnitsTest {};

// A grid batch of `columns` columns, cells row by row, spacing 10 mm.
TBatchItem Grid(std::uint8_t type, int columns, const std::vector<TCell> &cells)
{
    TBatchItem b;
    const int n = static_cast<int>(cells.size());
    FillBatch(b, type, BatchFormatGrid, columns, (n + columns - 1) / columns, cells);
    b.Grid = 10;
    b.ID = QStringLiteral("G");
    return b;
}

using Line = std::vector<std::pair<double, double>>;

// A line's points as pairs, direction made canonical (the lesser end first) so that tests do not
// depend on which way the joining walked.
Line Canonical(const TContourLine &line)
{
    Line points;
    for (const QPointF &p : line)
        points.emplace_back(p.x(), p.y());
    Line reversed(points.rbegin(), points.rend());
    return std::min(points, reversed);
}

std::vector<Line> LinesOf(const TContourLevel &level)
{
    std::vector<Line> lines;
    for (const TContourLine &l : level.Lines)
        lines.push_back(Canonical(l));
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<Line> Sorted(std::vector<Line> lines)
{
    for (Line &l : lines)
        l = std::min(l, Line(l.rbegin(), l.rend()));
    std::sort(lines.begin(), lines.end());
    return lines;
}
} // namespace

TEST_F(Contour, SaddleIsResolvedByTheCentreAverage)
{
    // High corners top left and bottom right (10), low ones (0) elsewhere: the centre average is 5.
    // At 5 the centre counts as high, so the high corners join and the low ones are cut off; at 6
    // it is low and the high corners are cut off. Crossings lie at (level - 0) / 10 along each edge.
    const TBatchItem b = Grid(BatchTypeCover, 2, {V(10), V(0), V(0), V(10)});
    const QList<TContourLevel> levels = ContourLines(b, {6, 5});
    ASSERT_EQ(levels.size(), 2);
    EXPECT_EQ(levels[0].Value, 5);
    EXPECT_EQ(LinesOf(levels[0]), Sorted({{{5, 0}, {10, 5}}, {{0, 5}, {5, 10}}}));
    EXPECT_EQ(levels[1].Value, 6);
    EXPECT_EQ(LinesOf(levels[1]), Sorted({{{0, 4}, {4, 0}}, {{10, 6}, {6, 10}}}));

    // The filled region above each level agrees: one hexagon joining the high corners at 5, two
    // triangles at 6.
    const TContourField f = ContourFieldOf(b);
    QPointF polygons[2][6];
    int counts[2];
    EXPECT_EQ(ContourSquareRegion(f, 0, 0, 5, polygons, counts), 1);
    EXPECT_EQ(counts[0], 6);
    EXPECT_EQ(ContourSquareRegion(f, 0, 0, 6, polygons, counts), 2);
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(polygons[0][1], QPointF(0, 0));
    EXPECT_EQ(polygons[1][1], QPointF(10, 10));
}

TEST_F(Contour, SquaresWithAMaskedCornerDrawNothing)
{
    // Readings rise by 10 a column; the middle cell of the last row is empty, over or under range,
    // so only the top row of squares draws: the lines stop at the middle row.
    const TCell masks[] = {E(), Over(), Under()};
    for (const TCell &mask : masks) {
        SCOPED_TRACE(int(mask.What));
        const TBatchItem b = Grid(BatchTypeCover, 3, {V(0), V(10), V(20), V(0), V(10), V(20), V(0), mask, V(20)});
        const QList<TContourLevel> levels = ContourLines(b, {5, 15});
        ASSERT_EQ(levels.size(), 2);
        EXPECT_EQ(LinesOf(levels[0]), Sorted({{{5, 0}, {5, 10}}}));
        EXPECT_EQ(LinesOf(levels[1]), Sorted({{{15, 0}, {15, 10}}}));
        const TContourField f = ContourFieldOf(b);
        QPointF polygons[2][6];
        int counts[2];
        EXPECT_EQ(ContourSquareRegion(f, 0, 1, 5, polygons, counts), 0);
        EXPECT_EQ(ContourSquareRegion(f, 1, 1, 5, polygons, counts), 0);
    }
}

TEST_F(Contour, LevelEqualToNoReadingIsInterpolatedAndJoined)
{
    // 0 10 40 / 20 30 60 at 25: in the left square only 30 is above, crossings 3/4 down the edge
    // from 10 to 30 and half way from 20 to 30; in the right square only 10 is below, crossings
    // 3/4 down from 10 to 30 (the same point) and half way from 10 to 40. One polyline.
    const TBatchItem b = Grid(BatchTypeCover, 3, {V(0), V(10), V(40), V(20), V(30), V(60)});
    const QList<TContourLevel> levels = ContourLines(b, {25});
    ASSERT_EQ(levels.size(), 1);
    EXPECT_EQ(LinesOf(levels[0]), Sorted({{{5, 10}, {10, 7.5}, {15, 0}}}));

    // A peak inside a flat grid: a closed ring that repeats its first point.
    const TBatchItem peak = Grid(BatchTypeCover, 3, {V(0), V(0), V(0), V(0), V(10), V(0), V(0), V(0), V(0)});
    const QList<TContourLevel> ring = ContourLines(peak, {5});
    ASSERT_EQ(ring.size(), 1);
    ASSERT_EQ(ring[0].Lines.size(), 1);
    const TContourLine &l = ring[0].Lines[0];
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l.front(), l.back());
    QList<QPointF> corners(l.begin(), l.end() - 1);
    std::sort(corners.begin(), corners.end(), [](QPointF a, QPointF p) { return std::pair(a.x(), a.y()) < std::pair(p.x(), p.y()); });
    EXPECT_EQ(corners, (QList<QPointF>{{5, 10}, {10, 5}, {10, 15}, {15, 10}}));

    // Levels outside the readings and a level below a flat grid draw nothing.
    const QList<TContourLevel> none = ContourLines(b, {-5, 100});
    ASSERT_EQ(none.size(), 2);
    EXPECT_TRUE(none[0].Lines.isEmpty());
    EXPECT_TRUE(none[1].Lines.isEmpty());
}

TEST_F(Contour, LevelEqualToAReadingRunsThroughItsCell)
{
    // Columns of 0, 10 and 20 at level 10: the line runs along the middle column's centres, one
    // polyline through all three rows; the squares right of it are wholly above and draw nothing.
    const TBatchItem b = Grid(BatchTypeHalfCell, 3, {V(0), V(10), V(20), V(0), V(10), V(20), V(0), V(10), V(20)});
    const QList<TContourLevel> levels = ContourLines(b, {10});
    ASSERT_EQ(levels.size(), 1);
    EXPECT_EQ(LinesOf(levels[0]), Sorted({{{10, 0}, {10, 10}, {10, 20}}}));

    // A single reading that just touches the level gives no line of any length.
    const TBatchItem touch = Grid(BatchTypeCover, 3, {V(0), V(0), V(0), V(0), V(10), V(0), V(0), V(0), V(0)});
    const QList<TContourLevel> touched = ContourLines(touch, {10});
    ASSERT_EQ(touched.size(), 1);
    EXPECT_TRUE(touched[0].Lines.isEmpty());
}

TEST_F(Contour, OnlyGridsOfAtLeastTwoByTwoHaveContours)
{
    TBatchItem row = Grid(BatchTypeCover, 4, {V(1), V(2), V(3), V(4)}); // 4 x 1
    TBatchItem column = Grid(BatchTypeCover, 1, {V(1), V(2), V(3)});     // 1 x 3
    TBatchItem linear;
    FillBatch(linear, BatchTypeHalfCell, BatchFormatLinear, 2, 2, {V(1), V(2), V(3), V(4)});
    for (const TBatchItem *b : {&row, &column, &linear}) {
        try {
            ContourLines(*b, {2});
            ADD_FAILURE() << "no exception";
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Contour maps need a grid batch"));
        }
    }
}

TEST_F(Contour, DefaultAndStepLevels)
{
    TBatchItem b = Grid(BatchTypeHalfCell, 2, {V(-400), V(-300), V(-250), V(-100)});
    b.CellType = QStringLiteral("CU/CUSO4");
    EXPECT_EQ(ContourDefaultLevels(b), (QList<double>{-350, -200}));
    b.CellType = QStringLiteral("AG/AGCL"); // 81 mV more positive than CU/CUSO4
    EXPECT_EQ(ContourDefaultLevels(b), (QList<double>{-269, -119}));

    TBatchItem c = Grid(BatchTypeCover, 2, {V(3), V(12), V(27), V(20)});
    c.LowLimit = 25;
    c.HighLimit = 60;
    EXPECT_TRUE(ContourDefaultLevels(c).isEmpty());
    c.LowLimitApplied = true;
    EXPECT_EQ(ContourDefaultLevels(c), (QList<double>{25}));
    c.HighLimitApplied = true;
    EXPECT_EQ(ContourDefaultLevels(c), (QList<double>{25, 60}));

    EXPECT_EQ(ContourStepLevels(c, 10), (QList<double>{10, 20}));
    EXPECT_EQ(ContourStepLevels(b, 100), (QList<double>{-400, -300, -200, -100}));
    EXPECT_THROW(ContourStepLevels(c, 0), Exception);
    EXPECT_THROW(ContourStepLevels(c, 1e-6), Exception);
    EXPECT_EQ(ContourSortedLevels({5, std::nan(""), 1, 5}), (QList<double>{1, 5}));

    // A step wins over given levels, which win over the defaults.
    EXPECT_EQ(ContourLevelsOf(c, {30}, 10), (QList<double>{10, 20}));
    EXPECT_EQ(ContourLevelsOf(c, {30, 5}, 0), (QList<double>{5, 30}));
    EXPECT_EQ(ContourLevelsOf(c, {}, 0), (QList<double>{25, 60}));

    EXPECT_EQ(ParseContourLevels(QStringLiteral(" -350, -200;10  2.5 ")), (QList<double>{-350, -200, 10, 2.5}));
    EXPECT_TRUE(ParseContourLevels(QString()).isEmpty());
    EXPECT_EQ(ContourLevelsText({-350, 2.5}), QStringLiteral("-350, 2.5"));
    for (const char *bad : {"1,x", "1,,inf", "nan"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseContourLevels(QString::fromLatin1(bad)), Exception);
    }
}
