#pragma once
// Font sizes that stay visible however small the scale.
#include <QFont>

// Sets the font size in points for a canvas of `dpi` pixels per inch; a size whose pixel
// height would round to 0 becomes one pixel high, so that very small text still shows.
void SetFontSizeVisible(QFont &font, double pointSize, int dpi);
