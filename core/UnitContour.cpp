#include "UnitContour.h"
#include "UnitEvaluation.h"
#include "UnitException.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace {
// Corners of a square, clockwise from the top left: (c, r), (c + 1, r), (c + 1, r + 1), (c, r + 1).
constexpr int kCornerDc[4] = {0, 1, 1, 0};
constexpr int kCornerDr[4] = {0, 0, 1, 1};
// Edge k joins corner k and corner k + 1 (mod 4); the two edges that meet at corner k are
// k - 1 and k. Each edge's crossing is computed from its left or top end, so that both squares
// sharing an edge find the very same point.
constexpr int kEdgeFrom[4] = {0, 1, 3, 0};
constexpr int kEdgeTo[4] = {1, 2, 2, 3};

struct TCrossing {
    QPointF Point;
    qint64 Key = 0; // the same for every square that finds this point
};

struct TSquare {
    const TContourField &F;
    int C;
    int R;
    double Level;
    double V[4];
    bool In[4];
    int InCount = 0;

    TSquare(const TContourField &field, int c, int r, double level) : F(field), C(c), R(r), Level(level)
    {
        for (int k = 0; k < 4; ++k) {
            V[k] = F.At(c + kCornerDc[k], r + kCornerDr[k]);
            In[k] = V[k] >= level;
            InCount += In[k] ? 1 : 0;
        }
    }
    bool Crossed(int edge) const { return In[kEdgeFrom[edge]] != In[kEdgeTo[edge]]; }
    bool Diagonal() const { return InCount == 2 && In[0] == In[2]; }
    // A saddle is resolved by the average of its corners, as the value at its centre.
    bool CentreIn() const { return (V[0] + V[1] + V[2] + V[3]) / 4 >= Level; }
    qint64 CornerKey(int k) const
    {
        const qint64 n = qint64(F.Columns) * F.Rows;
        return 2 * n + qint64(R + kCornerDr[k]) * F.Columns + (C + kCornerDc[k]);
    }
    QPointF CornerPoint(int k) const { return {(C + kCornerDc[k]) * F.Spacing, (R + kCornerDr[k]) * F.Spacing}; }
    TCrossing Crossing(int edge) const
    {
        const int p = kEdgeFrom[edge], q = kEdgeTo[edge];
        // A reading equal to the level is the crossing itself.
        if (V[p] == Level)
            return {CornerPoint(p), CornerKey(p)};
        if (V[q] == Level)
            return {CornerPoint(q), CornerKey(q)};
        const double t = (Level - V[p]) / (V[q] - V[p]);
        const double dc = kCornerDc[q] - kCornerDc[p], dr = kCornerDr[q] - kCornerDr[p];
        const int cp = C + kCornerDc[p], rp = R + kCornerDr[p];
        const QPointF point((cp + t * dc) * F.Spacing, (rp + t * dr) * F.Spacing);
        const qint64 key = 2 * (qint64(rp) * F.Columns + cp) + (dr != 0 ? 1 : 0);
        return {point, key};
    }
};

struct TSegment {
    TCrossing A, B;
};

// The isoline segments of one square, as pairs of edges.
int SquareSegments(const TSquare &s, int edges[2][2])
{
    if (s.InCount == 0 || s.InCount == 4)
        return 0;
    if (s.Diagonal()) {
        // Cut off the corners that stand apart: the low ones when the centre is high, else the
        // high ones.
        const bool cutIn = !s.CentreIn();
        int n = 0;
        for (int k = 0; k < 4; ++k)
            if (s.In[k] == cutIn) {
                edges[n][0] = (k + 3) % 4;
                edges[n][1] = k;
                ++n;
            }
        return n;
    }
    int n = 0;
    for (int e = 0; e < 4; ++e)
        if (s.Crossed(e))
            edges[0][n++] = e;
    return 1;
}

[[noreturn]] void NeedGrid()
{
    throw Exception(Tr("Contour maps need a grid batch"));
}
} // namespace

double ContourGridSpacing(const TBatchItem &batch)
{
    // A header without a spacing still gives distinct points: one millimetre per cell.
    return std::isfinite(batch.Grid) && batch.Grid > 0 ? batch.Grid : 1.0;
}

QList<double> ContourSortedLevels(const QList<double> &levels)
{
    QList<double> sorted;
    for (double v : levels)
        if (std::isfinite(v))
            sorted.append(v);
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

QList<double> ContourDefaultLevels(const TBatchItem &batch)
{
    QList<double> levels;
    if (batch.BatchType == BatchTypeHalfCell) {
        levels << CorrosionBoundaryFor(batch, CorrosionBoundaryHigh) << CorrosionBoundaryFor(batch, CorrosionBoundaryLow);
    } else if (batch.BatchType == BatchTypeCover) {
        if (batch.LowLimitApplied)
            levels << batch.LowLimit;
        if (batch.HighLimitApplied)
            levels << batch.HighLimit;
    }
    return ContourSortedLevels(levels);
}

QList<double> ContourStepLevels(const TBatchItem &batch, double step)
{
    if (!(std::isfinite(step) && step > 0))
        throw Exception(Tr("The contour step must be a positive number"));
    const std::vector<double> values = SortedValidReadings(batch);
    QList<double> levels;
    if (values.empty())
        return levels;
    const double first = std::ceil(values.front() / step);
    const double last = std::floor(values.back() / step);
    if (last - first + 1 > ContourMaxLevels)
        throw Exception(Tr("The contour step gives more than %1 levels").arg(ContourMaxLevels));
    for (double k = first; k <= last; ++k)
        levels << k * step;
    return levels;
}

QList<double> ContourLevelsOf(const TBatchItem &batch, const QList<double> &levels, double step)
{
    if (step > 0)
        return ContourStepLevels(batch, step);
    const QList<double> given = ContourSortedLevels(levels);
    return given.isEmpty() ? ContourDefaultLevels(batch) : given;
}

QList<double> ParseContourLevels(const QString &text)
{
    QList<double> levels;
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    for (const QString &part : text.split(separators, Qt::SkipEmptyParts)) {
        bool ok = false;
        const double v = part.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            throw Exception(Tr("\"%1\" is not a contour level").arg(part));
        levels << v;
    }
    return levels;
}

QString ContourLevelsText(const QList<double> &levels)
{
    QStringList parts;
    for (double v : levels)
        parts << QString::number(v, 'g', 15);
    return parts.join(QStringLiteral(", "));
}

bool TContourField::SquareValid(int c, int r) const
{
    return Valid(c, r) && Valid(c + 1, r) && Valid(c, r + 1) && Valid(c + 1, r + 1);
}

TContourField ContourFieldOf(const TBatchItem &batch)
{
    if (batch.BatchFormat != BatchFormatGrid || batch.Columns < 2 || batch.Rows < 2 || !batch.HasCells())
        NeedGrid();
    TContourField f;
    f.Columns = batch.Columns;
    f.Rows = batch.Rows;
    f.Spacing = ContourGridSpacing(batch);
    f.Values.resize(size_t(f.Columns) * size_t(f.Rows));
    for (int r = 0; r < f.Rows; ++r)
        for (int c = 0; c < f.Columns; ++c)
            f.Values[size_t(r) * size_t(f.Columns) + size_t(c)] =
                batch.ReadingType(c, r) == ReadingTypeReading && batch.MeasureType(c, r) == MeasureTypeInRange
                    ? batch.Value(c, r)
                    : std::numeric_limits<double>::quiet_NaN();
    return f;
}

int ContourSquareRegion(const TContourField &field, int c, int r, double level, QPointF polygons[2][6], int counts[2])
{
    counts[0] = counts[1] = 0;
    if (!field.SquareValid(c, r))
        return 0;
    const TSquare s(field, c, r, level);
    if (s.InCount == 0)
        return 0;
    if (s.Diagonal() && !s.CentreIn()) {
        // Two high corners apart: a triangle at each.
        int n = 0;
        for (int k = 0; k < 4; ++k)
            if (s.In[k]) {
                polygons[n][0] = s.Crossing((k + 3) % 4).Point;
                polygons[n][1] = s.CornerPoint(k);
                polygons[n][2] = s.Crossing(k).Point;
                counts[n++] = 3;
            }
        return n;
    }
    // Round the square: its high corners and the crossings between them.
    int n = 0;
    for (int k = 0; k < 4; ++k) {
        if (s.In[k])
            polygons[0][n++] = s.CornerPoint(k);
        if (s.Crossed(k))
            polygons[0][n++] = s.Crossing(k).Point;
    }
    counts[0] = n;
    return 1;
}

QList<TContourLevel> ContourLines(const TBatchItem &batch, const QList<double> &levels)
{
    const TContourField field = ContourFieldOf(batch);
    QList<TContourLevel> result;
    std::vector<TSegment> segments;
    // The segment ends at each point: a list through `nextEnd` from `head`, indexed by the point's
    // key (below 3 x columns x rows); end 2i is segment i's A, 2i + 1 its B.
    std::vector<int> head(size_t(3) * size_t(field.Columns) * size_t(field.Rows), -1);
    std::vector<int> nextEnd;
    std::vector<char> used;
    for (double level : ContourSortedLevels(levels)) {
        TContourLevel out;
        out.Value = level;
        segments.clear();
        for (int r = 0; r + 1 < field.Rows; ++r)
            for (int c = 0; c + 1 < field.Columns; ++c) {
                if (!field.SquareValid(c, r))
                    continue;
                const TSquare s(field, c, r, level);
                int edges[2][2];
                const int n = SquareSegments(s, edges);
                for (int k = 0; k < n; ++k) {
                    const TSegment seg{s.Crossing(edges[k][0]), s.Crossing(edges[k][1])};
                    // A line touching a reading equal to the level at one corner has no length.
                    if (seg.A.Key != seg.B.Key)
                        segments.push_back(seg);
                }
            }
        // Join the segments at their shared points into polylines.
        nextEnd.assign(2 * segments.size(), -1);
        for (int i = 0; i < int(segments.size()); ++i)
            for (int side = 0; side < 2; ++side) {
                const qint64 key = side == 0 ? segments[size_t(i)].A.Key : segments[size_t(i)].B.Key;
                nextEnd[size_t(2 * i + side)] = head[size_t(key)];
                head[size_t(key)] = 2 * i + side;
            }
        used.assign(segments.size(), 0);
        auto next = [&](qint64 key) -> int {
            for (int e = head[size_t(key)]; e >= 0; e = nextEnd[size_t(e)])
                if (!used[size_t(e / 2)])
                    return e / 2;
            return -1;
        };
        for (int first = 0; first < int(segments.size()); ++first) {
            if (used[size_t(first)])
                continue;
            used[size_t(first)] = 1;
            const TSegment &s0 = segments[size_t(first)];
            // Forward from B, then backward from A.
            QList<QPointF> forward{s0.A.Point, s0.B.Point};
            qint64 head = s0.B.Key;
            const qint64 tail0 = s0.A.Key;
            for (int i; (i = next(head)) >= 0;) {
                used[size_t(i)] = 1;
                const TSegment &s = segments[size_t(i)];
                const bool fromA = s.A.Key == head;
                forward.append(fromA ? s.B.Point : s.A.Point);
                head = fromA ? s.B.Key : s.A.Key;
                if (head == tail0)
                    break;
            }
            if (head != tail0) {
                QList<QPointF> backward;
                qint64 tail = tail0;
                for (int i; (i = next(tail)) >= 0;) {
                    used[size_t(i)] = 1;
                    const TSegment &s = segments[size_t(i)];
                    const bool fromA = s.A.Key == tail;
                    backward.append(fromA ? s.B.Point : s.A.Point);
                    tail = fromA ? s.B.Key : s.A.Key;
                }
                std::reverse(backward.begin(), backward.end());
                forward = backward + forward;
            }
            out.Lines.append(forward);
        }
        for (const TSegment &seg : segments)
            head[size_t(seg.A.Key)] = head[size_t(seg.B.Key)] = -1;
        result.append(out);
    }
    return result;
}
