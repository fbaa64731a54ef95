#include "UnitFontSize.h"
#include "UnitUnits.h"

void SetFontSizeVisible(QFont &font, double pointSize, int dpi)
{
    const int pixels = RoundHalfUp(pointSize * dpi / 72.0);
    if (pixels == 0)
        font.setPixelSize(1);
    else
        font.setPointSizeF(pointSize > 0 ? pointSize : -pointSize);
}
