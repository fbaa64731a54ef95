#pragma once
// Small drawing helpers shared by the chart renderers. Rectangles are handled as edges with the
// right and bottom edge exclusive, as the layout rules are written, and turned into QRect only
// when drawn.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

class TBatchItem;

struct TEdges {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect ToRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TEdges FromRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    // Each edge clamped into `bounds`.
    TEdges ClippedTo(const TEdges &bounds) const;
    bool operator==(const TEdges &o) const = default;
};

// Font of a renderer: name, black, no style, size in points (a size that gives no height is
// replaced by the smallest one).
void SetCanvasFont(QPainter &canvas, const QString &name, int points);
void SetCanvasFontSize(QPainter &canvas, int points);
int TextWidth(const QPainter &canvas, const QString &text);
int TextHeight(const QPainter &canvas);

// Text with its top-left corner at (x, y), transparent background, optionally clipped.
void TextOut(QPainter &canvas, int x, int y, const QString &text);
void TextOutClipped(QPainter &canvas, const TEdges &clip, int x, int y, const QString &text);
// Text centred in the rectangle (single line), clipped to it.
void TextCentred(QPainter &canvas, const TEdges &r, const QString &text);
// Text reading upward with its (unrotated) top-left corner at (x, y).
void TextOutUpward(QPainter &canvas, int x, int y, const QString &text);

void FillEdges(QPainter &canvas, const TEdges &r, const QColor &colour);
// One-pixel outline covering the pixels Left .. Right - 1 and Top .. Bottom - 1.
void FrameEdges(QPainter &canvas, const TEdges &r, const QColor &colour);
// A one-pixel line between two points, both ends included.
void PixelLine(QPainter &canvas, int x0, int y0, int x1, int y1);

// Saves the painter's state and restores it however the scope ends: a drawing that fails half
// way leaves no transform or clip behind for what is drawn next.
class TCanvasState {
public:
    explicit TCanvasState(QPainter &canvas) : FCanvas(canvas) { FCanvas.save(); }
    ~TCanvasState() { FCanvas.restore(); }
    TCanvasState(const TCanvasState &) = delete;
    TCanvasState &operator=(const TCanvasState &) = delete;

private:
    QPainter &FCanvas;
};

// Cells that count as valid readings (not empty, neither over nor under range), and empty cells;
// a cell outside the batch's matrices counts as empty.
bool CellIsEmpty(const TBatchItem &batch, int column, int row);
bool CellIsValid(const TBatchItem &batch, int column, int row);
// ">>", "<<" or the reading rounded to the display step.
QString CellDisplayText(const TBatchItem &batch, int column, int row);
