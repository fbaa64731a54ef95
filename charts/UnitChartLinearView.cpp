#include "UnitChartLinearView.h"
#include "UnitChartCanvas.h"

void TChartLinearView::Draw(QPainter &canvas, const QRect &rect)
{
    Gradient.Prepare(Batch, WarningBand, CellColour, GreyScale, Method, Threshold);
    if (Batch.BatchFormat != BatchFormatLinear || TableColumns <= 0 || RowsPerColumn <= 0)
        return;

    canvas.save();
    SetCanvasFont(canvas, FontName, CellFontSize);
    const TEdges r = TEdges::FromRect(rect);
    const int cwd = r.Width() / TableColumns;
    const int rh = r.Height() / RowsPerColumn;
    const int hw = cwd / 2;
    const int th = TextHeight(canvas);
    const int count = Batch.LastReadingPosition();
    const QColor grey(128, 128, 128);

    for (int a = 0; a < TableColumns; ++a) {
        for (int b = 0; b < RowsPerColumn; ++b) {
            const qint64 k = qint64(FirstReading) + qint64(a) * RowsPerColumn + b;
            if (k < 0 || k >= count)
                continue;
            const int row = static_cast<int>(k);
            const bool empty = CellIsEmpty(Batch, 0, row);
            const QString text = empty ? QStringLiteral("-") : CellDisplayText(Batch, 0, row);
            const int top = r.Top + b * rh;
            const int left = r.Left + a * cwd;

            canvas.setPen(QPen(grey));
            TextOut(canvas, left + TextWidth(canvas, QStringLiteral("W")), top + rh / 2 - th / 2,
                    QString::asprintf("%d: ", row + 1));

            const TEdges value{left + hw, top, left + cwd, top + rh};
            QColor brush(Qt::white);
            if (CellColour && !empty) {
                brush = Gradient.ColourFor(Batch.Value(0, row));
                FillEdges(canvas, value, brush);
            }
            if (CellText) {
                QColor colour = grey;
                if (GreyScale)
                    colour = TGradiantHelper::ContrastColour(brush);
                else if (!CellColour)
                    colour = empty ? QColor(Qt::black) : Gradient.ColourFor(Batch.Value(0, row));
                canvas.setPen(QPen(colour));
                TextCentred(canvas, value, text);
            }
            canvas.setPen(QPen(Qt::black, 0));
            canvas.drawLine(left + cwd, top, left + cwd, top + rh - 1);
            if (k + 1 == count)
                canvas.drawLine(left, top + rh, left + cwd - 1, top + rh);
        }
    }
    canvas.setPen(QPen(Qt::black, 0));
    FrameEdges(canvas, TEdges{r.Left, r.Top, r.Left + TableColumns * cwd, r.Top + RowsPerColumn * rh}, Qt::black);
    canvas.restore();
}
