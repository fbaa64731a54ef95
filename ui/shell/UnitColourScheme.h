#pragma once
// The program's colours. By default every window takes the palette the desktop hands to Qt (a dark
// desktop theme included); ORVALIS_COLOUR_SCHEME picks Fusion with a dark or a light palette for a
// desktop that does not pass its theme on. Views that draw themselves take their colours from the
// palette; report pages stay white paper whatever the scheme.
#include <QColor>
#include <QPalette>
#include <QString>

class QApplication;
class QWidget;

enum class TColourScheme { Desktop, Dark, Light };

// "dark", "light", anything else (or nothing) the desktop's; letter case ignored.
TColourScheme ColourSchemeOf(const QString &name);
// The scheme the environment asks for (ORVALIS_COLOUR_SCHEME).
TColourScheme ColourSchemeFromEnvironment();
// Fusion with DarkPalette() or Fusion's own light palette; the desktop's scheme changes nothing.
void ApplyColourScheme(TColourScheme scheme);
// A dark palette in which every text role keeps its contrast with the background it is drawn on.
QPalette DarkPalette();
// True when the palette's window is darker than its text, as in a dark theme.
bool IsDarkPalette(const QPalette &palette);
// The WCAG contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);
// An edit box shown greyed (a read-only or defaulted value) or normal, in the colours of the
// palette it inherits, so its text stays readable in a dark palette as in a light one.
void ShowEditGreyed(QWidget *edit, bool greyed);
