#pragma once
// The one place that converts between internal units (mm, mV, degrees Celsius) and what the
// user sees, rounds to the display step, formats for display and compares at display resolution.
#include <QString>
#include <cstdint>
#include <functional>

extern std::uint8_t CurrentCoverUnits;       // 0 millimetres and metres, 1 inches and feet
extern std::uint8_t CurrentTemperatureUnits; // 0 Celsius, 1 Fahrenheit

// Sets the cover units for one operation and restores them however it ends.
class TCoverUnitsScope {
public:
    explicit TCoverUnitsScope(std::uint8_t units) : FSaved(CurrentCoverUnits) { CurrentCoverUnits = units; }
    ~TCoverUnitsScope() { CurrentCoverUnits = FSaved; }
    TCoverUnitsScope(const TCoverUnitsScope &) = delete;
    TCoverUnitsScope &operator=(const TCoverUnitsScope &) = delete;

private:
    std::uint8_t FSaved;
};

// Add 0.5 and truncate toward zero; saturates at the 32-bit range, NaN gives 0.
int RoundHalfUp(double x);

// The one formatter of every displayed number: a "%.Nf" format (text may surround it), halves
// rounded away from zero, the user's locale decimal separator, whatever the C library's locale.
QString FormatDisplay(const char *format, double value);
// The one reader of numbers typed by the user: the user's locale, or "." as the program writes
// them elsewhere. Only finite numbers count ("nan", "inf" are refused); 0 and ok = false otherwise.
double DisplayTextToFloat(const QString &text, bool *ok = nullptr);

double CoverToDisplay(double mm);
double CoverFromDisplay(double value);
double CoverStep();
double CoverToDisplayRounded(double mm);
const char *CoverFormat();
const char *CoverFormatFine();
QString CoverUnitName();
QString FormatCover(double mm);
QString FormatCoverRounded(double mm);
QString FormatCoverFine(double mm);
int CompareCover(double a, double b);

double LengthToDisplay(double mm);
double LengthFromDisplay(double value);
QString LengthUnitName();
QString FormatLength(double mm);

double HalfCellToDisplay(double mv);
double HalfCellFromDisplay(double value);
double HalfCellToDisplayWhole(double mv);
QString HalfCellUnitName();
QString FormatHalfCell(double mv);
QString FormatHalfCellFine(double mv);
int CompareHalfCell(double a, double b);

double TemperatureToDisplay(double celsius);
double TemperatureFromDisplay(double value);
QString TemperatureUnitName();
QString FormatTemperature(double celsius);

double DesignerGridSpacing();
double SnapValue(double mm);
double HistogramBinSize(double width);

// Paper-size table: index 0 "Custom", 1 "Default", 2 "A2" ... 9 "Tabloid"; sizes in 0.1 mm.
constexpr int PaperSizeCount = 10;
int DefaultPaperSize();
QString PaperSizeName(int index);
int PaperSizeWidth(int index);  // tenths of a millimetre, -1 for none
int PaperSizeHeight(int index); // tenths of a millimetre, -1 for none
int FindPaperSize(int width, int height);

// The current printer as the paper functions see it. The printing layer installs a provider;
// without one (or without any printer) the default paper is used.
struct TPrinterPaperInfo {
    bool Available = false;
    double WidthMM = 0;  // portrait
    double HeightMM = 0; // portrait
    int Orientation = 0; // 0 portrait, 1 landscape
};
void SetPrinterPaperProvider(std::function<TPrinterPaperInfo()> provider);
double PrinterPaperWidth();
double PrinterPaperHeight();
double PaperWidth(bool landscape);
double PaperHeight(bool landscape);
int PrinterOrientation();
