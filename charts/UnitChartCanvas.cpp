#include "UnitChartCanvas.h"
#include "UnitBatchList.h"
#include "UnitReadingLook.h"

#include <QFontMetrics>
#include <algorithm>

TEdges TEdges::ClippedTo(const TEdges &b) const
{
    auto clamp = [](int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); };
    return {clamp(Left, b.Left, b.Right), clamp(Top, b.Top, b.Bottom), clamp(Right, b.Left, b.Right),
            clamp(Bottom, b.Top, b.Bottom)};
}

void SetCanvasFont(QPainter &canvas, const QString &name, int points)
{
    QFont font(name);
    font.setStyleStrategy(QFont::PreferDefault);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    canvas.setFont(font);
    SetCanvasFontSize(canvas, points);
    canvas.setPen(QPen(Qt::black));
}

void SetCanvasFontSize(QPainter &canvas, int points)
{
    QFont font = canvas.font();
    font.setPointSize(std::max(1, points));
    if (QFontMetrics(font, canvas.device()).height() <= 0)
        font.setPixelSize(1);
    canvas.setFont(font);
}

int TextWidth(const QPainter &canvas, const QString &text)
{
    return QFontMetrics(canvas.font(), canvas.device()).horizontalAdvance(text);
}

int TextHeight(const QPainter &canvas) { return QFontMetrics(canvas.font(), canvas.device()).height(); }

void TextOut(QPainter &canvas, int x, int y, const QString &text)
{
    const QFontMetrics fm(canvas.font(), canvas.device());
    canvas.drawText(QPoint(x, y + fm.ascent()), text);
}

void TextOutClipped(QPainter &canvas, const TEdges &clip, int x, int y, const QString &text)
{
    if (clip.Width() <= 0 || clip.Height() <= 0)
        return;
    canvas.save();
    canvas.setClipRect(clip.ToRect(), Qt::IntersectClip);
    TextOut(canvas, x, y, text);
    canvas.restore();
}

void TextCentred(QPainter &canvas, const TEdges &r, const QString &text)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    canvas.save();
    canvas.setClipRect(r.ToRect(), Qt::IntersectClip);
    canvas.drawText(r.ToRect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
    canvas.restore();
}

void TextOutUpward(QPainter &canvas, int x, int y, const QString &text)
{
    const QFontMetrics fm(canvas.font(), canvas.device());
    canvas.save();
    canvas.translate(x, y);
    canvas.rotate(-90);
    canvas.drawText(QPoint(0, fm.ascent()), text);
    canvas.restore();
}

void FillEdges(QPainter &canvas, const TEdges &r, const QColor &colour)
{
    if (r.Width() > 0 && r.Height() > 0)
        canvas.fillRect(r.ToRect(), colour);
}

void FrameEdges(QPainter &canvas, const TEdges &r, const QColor &colour)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    canvas.save();
    canvas.setPen(QPen(colour, 0));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
    canvas.restore();
}

void PixelLine(QPainter &canvas, int x0, int y0, int x1, int y1) { canvas.drawLine(x0, y0, x1, y1); }

bool CellIsEmpty(const TBatchItem &batch, int column, int row) { return ReadingIsEmpty(batch, column, row); }

bool CellIsValid(const TBatchItem &batch, int column, int row)
{
    return !CellIsEmpty(batch, column, row) && batch.MeasureType(column, row) == MeasureTypeInRange;
}

QString CellDisplayText(const TBatchItem &batch, int column, int row) { return ReadingDisplayText(batch, column, row); }
