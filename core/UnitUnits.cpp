#include "UnitUnits.h"
#include "UnitException.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

std::uint8_t CurrentCoverUnits = 0;
std::uint8_t CurrentTemperatureUnits = 0;

namespace {
bool Inches()
{
    if (CurrentCoverUnits == 0)
        return false;
    if (CurrentCoverUnits == 1)
        return true;
    throw Exception(Tr("Invalid cover unit type"));
}

bool Fahrenheit()
{
    if (CurrentTemperatureUnits == 0)
        return false;
    if (CurrentTemperatureUnits == 1)
        return true;
    throw Exception(Tr("Invalid temperature unit type"));
}

int Sign(int a, int b) { return a < b ? -1 : (a > b ? 1 : 0); }

struct PaperEntry {
    const char *Name;
    int Width;
    int Height;
};
const PaperEntry kPaper[PaperSizeCount] = {
    {QT_TRID_NOOP("Custom"), -1, -1},
    {QT_TRID_NOOP("Default"), -1, -1},
    {QT_TRID_NOOP("A2"), 4200, 5940},
    {QT_TRID_NOOP("A3"), 2970, 4200},
    {QT_TRID_NOOP("A4"), 2100, 2970},
    {QT_TRID_NOOP("A5"), 1480, 2100},
    {QT_TRID_NOOP("Executive"), 1841, 2667},
    {QT_TRID_NOOP("Legal"), 2159, 3556},
    {QT_TRID_NOOP("Letter"), 2159, 2794},
    {QT_TRID_NOOP("Tabloid"), 2794, 4318},
};

std::function<TPrinterPaperInfo()> &PaperProvider()
{
    static std::function<TPrinterPaperInfo()> provider;
    return provider;
}

TPrinterPaperInfo CurrentPrinter()
{
    auto &p = PaperProvider();
    return p ? p() : TPrinterPaperInfo{};
}
} // namespace

int RoundHalfUp(double x)
{
    if (std::isnan(x))
        return 0;
    const double t = std::trunc(x + 0.5);
    if (t >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (t <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(t);
}

namespace {
// The number of decimals of a "%.Nf" format, and the text before and after it.
int DisplayDecimals(const char *format, QLatin1StringView &prefix, QLatin1StringView &suffix)
{
    const char *p = std::strchr(format, '%');
    if (!p)
        throw Exception(Tr("Invalid display format"));
    const char *q = p + 1;
    int decimals = 6;
    if (*q == '.') {
        ++q;
        decimals = 0;
        while (*q >= '0' && *q <= '9')
            decimals = decimals * 10 + (*q++ - '0');
    }
    if (*q != 'f' || decimals > 15)
        throw Exception(Tr("Invalid display format"));
    prefix = QLatin1StringView(format, p);
    suffix = QLatin1StringView(q + 1);
    if (prefix.contains(QLatin1Char('%')) || (suffix.contains(QLatin1Char('%')) && !suffix.contains(QLatin1String("%%"))))
        throw Exception(Tr("Invalid display format"));
    return decimals;
}
} // namespace

QString FormatDisplay(const char *format, double value)
{
    QLatin1StringView prefix, suffix;
    const int decimals = DisplayDecimals(format, prefix, suffix);
    QString s;
    if (!std::isfinite(value)) {
        s = std::isnan(value) ? QStringLiteral("nan") : (value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf"));
    } else {
        // Halves go away from zero (12.5 shows "13", -350.5 "-351"), the way people round, so
        // that a reading and a limit that look equal compare equal. The scaled value is rounded
        // as a double, like RoundHalfUp does, rather than from its exact binary expansion.
        const double scale = std::pow(10.0, decimals);
        const double scaled = value * scale;
        char buf[400];
        std::to_chars_result r;
        if (std::fabs(scaled) < 9007199254740992.0) { // 2^53: below it a double holds every integer
            const double whole = std::round(scaled);
            r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(whole));
            std::string digits(buf, r.ptr);
            const bool negative = digits.front() == '-';
            if (negative)
                digits.erase(0, 1);
            if (decimals > 0) {
                if (static_cast<int>(digits.size()) <= decimals)
                    digits.insert(0, decimals + 1 - digits.size(), '0');
                digits.insert(digits.size() - decimals, 1, '.');
            }
            // A value that rounds to zero shows no sign.
            if (negative && whole != 0)
                digits.insert(0, 1, '-');
            s = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
        } else {
            r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
            s = QString::fromLatin1(buf, r.ptr - buf);
        }
    }
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        s.replace(QLatin1Char('.'), point);
    // "%%" stands for "%", as in printf.
    return QString(prefix).replace(QLatin1String("%%"), QLatin1String("%")) + s +
           QString(suffix).replace(QLatin1String("%%"), QLatin1String("%"));
}

double DisplayTextToFloat(const QString &text, bool *ok)
{
    const QString t = text.trimmed();
    bool good = false;
    double v = QLocale().toDouble(t, &good);
    if (!good)
        v = QLocale::c().toDouble(t, &good);
    if (!good || !std::isfinite(v))
        v = 0, good = false;
    if (ok)
        *ok = good;
    return v;
}

// --- cover depths and bar sizes

double CoverToDisplay(double mm) { return Inches() ? mm / 25.4 : mm; }
double CoverFromDisplay(double value) { return Inches() ? value * 25.4 : value; }
double CoverStep() { return Inches() ? 0.05 : 1.0; }

double CoverToDisplayRounded(double mm)
{
    const double step = CoverStep();
    return RoundHalfUp(CoverToDisplay(mm) / step) * step;
}

const char *CoverFormat() { return Inches() ? "%.2f" : "%.0f"; }
const char *CoverFormatFine() { return Inches() ? "%.2f" : "%.1f"; }
QString CoverUnitName() { return Inches() ? Tr("in") : Tr("mm"); }
QString FormatCover(double mm) { return FormatDisplay(CoverFormat(), CoverToDisplay(mm)); }
QString FormatCoverRounded(double mm) { return FormatDisplay(CoverFormat(), CoverToDisplayRounded(mm)); }
QString FormatCoverFine(double mm) { return FormatDisplay(CoverFormatFine(), CoverToDisplay(mm)); }

int CompareCover(double a, double b)
{
    const double step = CoverStep();
    return Sign(RoundHalfUp(CoverToDisplay(a) / step), RoundHalfUp(CoverToDisplay(b) / step));
}

// --- distances

double LengthToDisplay(double mm) { return Inches() ? mm / 25.4 / 12.0 : mm / 1000.0; }
double LengthFromDisplay(double value) { return Inches() ? value * 12.0 * 25.4 : value * 1000.0; }
QString LengthUnitName() { return Inches() ? Tr("ft") : Tr("m"); }
QString FormatLength(double mm) { return FormatDisplay("%.2f", LengthToDisplay(mm)); }

// --- half-cell potentials

double HalfCellToDisplay(double mv) { return mv; }
double HalfCellFromDisplay(double value) { return value; }
double HalfCellToDisplayWhole(double mv) { return RoundHalfUp(mv); }
QString HalfCellUnitName() { return Tr("mV"); }
QString FormatHalfCell(double mv) { return FormatDisplay("%.0f", mv); }
QString FormatHalfCellFine(double mv) { return FormatDisplay("%.1f", mv); }
int CompareHalfCell(double a, double b) { return Sign(RoundHalfUp(a), RoundHalfUp(b)); }

// --- temperatures

double TemperatureToDisplay(double celsius) { return Fahrenheit() ? celsius * 9.0 / 5.0 + 32.0 : celsius; }
double TemperatureFromDisplay(double value) { return Fahrenheit() ? (value - 32.0) * 5.0 / 9.0 : value; }
QString TemperatureUnitName() { return Fahrenheit() ? Tr("°F") : Tr("°C"); }

QString FormatTemperature(double celsius)
{
    const QString text = FormatDisplay("%.1f", TemperatureToDisplay(celsius));
    // -100 degrees Celsius marks a temperature that was not recorded.
    const QString none = FormatDisplay("%.1f", TemperatureToDisplay(-100.0));
    return text == none ? QString() : text;
}

// --- page and grid

double DesignerGridSpacing() { return Inches() ? 25.4 : 10.0; }

double SnapValue(double mm)
{
    // Moves away from zero to the next multiple of `multiple` unless already on one.
    auto snap = [](int r, bool positive, int multiple) {
        const int rem = r % multiple;
        if (rem == 0)
            return r;
        return positive ? r - rem + multiple : r - rem - multiple;
    };
    if (!Inches()) {
        const int r = RoundHalfUp(mm);
        return snap(r, mm > 0, 5);
    }
    const int t = RoundHalfUp(mm / 25.4 * 10.0);
    return snap(t, mm > 0, 2) / 10.0 * 25.4;
}

double HistogramBinSize(double width)
{
    if (width == 0 || std::isnan(width))
        throw Exception(Tr("Invalid histogram bin size"));
    double factor = 1;
    double w = width;
    int r = 0;
    do {
        r = RoundHalfUp(w);
        factor *= 10;
        w *= 10;
    } while (r == 0 && factor < 1e300);
    return r / (factor / 10);
}

// --- paper

int DefaultPaperSize() { return Inches() ? 8 : 4; }

QString PaperSizeName(int index)
{
    if (index < 0 || index >= PaperSizeCount)
        return QString();
    return Tr(kPaper[index].Name);
}

int PaperSizeWidth(int index) { return index < 0 || index >= PaperSizeCount ? -1 : kPaper[index].Width; }
int PaperSizeHeight(int index) { return index < 0 || index >= PaperSizeCount ? -1 : kPaper[index].Height; }

int FindPaperSize(int width, int height)
{
    for (int i = 0; i < PaperSizeCount; ++i) {
        const PaperEntry &p = kPaper[i];
        if ((p.Width == width && p.Height == height) || (p.Width == height && p.Height == width))
            return i;
    }
    return 0;
}

void SetPrinterPaperProvider(std::function<TPrinterPaperInfo()> provider)
{
    PaperProvider() = std::move(provider);
}

double PrinterPaperWidth()
{
    const TPrinterPaperInfo info = CurrentPrinter();
    if (!info.Available)
        return PaperSizeWidth(DefaultPaperSize()) / 10.0;
    return info.WidthMM;
}

double PrinterPaperHeight()
{
    const TPrinterPaperInfo info = CurrentPrinter();
    if (!info.Available)
        return PaperSizeHeight(DefaultPaperSize()) / 10.0;
    return info.HeightMM;
}

double PaperWidth(bool landscape) { return landscape ? PrinterPaperHeight() : PrinterPaperWidth(); }
double PaperHeight(bool landscape) { return landscape ? PrinterPaperWidth() : PrinterPaperHeight(); }

int PrinterOrientation()
{
    const TPrinterPaperInfo info = CurrentPrinter();
    return info.Available ? info.Orientation : 0;
}
