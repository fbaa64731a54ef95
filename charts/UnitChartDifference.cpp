#include "UnitChartDifference.h"
#include "UnitEvaluation.h"

void TChartDifference::Update()
{
    FProblem = DifferenceProblem(Earlier, Later);
    FDifference.Clear();
    if (FProblem.isEmpty())
        FDifference = DifferenceBatch(Earlier, Later);
}

void TChartDifference::Draw(QPainter &canvas, const QRect &map, const QRect &key)
{
    Update();
    if (!FProblem.isEmpty()) {
        canvas.save();
        SetCanvasFont(canvas, FontName, 8);
        canvas.drawText(map, Qt::AlignCenter | Qt::TextWordWrap, FProblem);
        canvas.restore();
        return;
    }
    FMap.Batch = FDifference;
    static_cast<TOverviewWindow &>(FMap) = *this;
    FMap.FontName = FontName;
    FMap.CellFontSize = CellFontSize;
    FMap.CellColour = true;
    FMap.CellText = CellText;
    FMap.Method = Method;
    FMap.Threshold = Threshold;
    FMap.WarningBand = 0; // no limits apply to a change
    FMap.Draw(canvas, map);
    if (key.isEmpty())
        return;
    FKey.Batch = FDifference;
    FKey.FontName = FontName;
    FKey.KeySteps = KeySteps;
    FKey.GreyScale = GreyScale;
    FKey.Method = Method;
    FKey.Threshold = Threshold;
    FKey.WarningBand = 0;
    FKey.Draw(canvas, key);
}
