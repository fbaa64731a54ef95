#include "BatchTestSupport.h"
#include "TestSupport.h"
#include "UnitException.h"
#include "UnitUnits.h"

#include <QLocale>

namespace {
// Runs with the given selections and the "C" locale for display, restoring both afterwards.
class Units : public BatchUnitsTest {};
} // namespace

TEST_F(Units, RoundHalfUpTruncatesTowardZero)
{
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(2.4999), 2);
    EXPECT_EQ(RoundHalfUp(-2.7), -2);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
    EXPECT_EQ(RoundHalfUp(-3.6), -3);
    EXPECT_EQ(RoundHalfUp(1e30), 2147483647);
    EXPECT_EQ(RoundHalfUp(-1e30), -2147483647 - 1);
}

TEST_F(Units, CoverDisplayInBothUnits)
{
    CurrentCoverUnits = 1;
    EXPECT_EQ(FormatCover(12), QStringLiteral("0.47"));
    EXPECT_EQ(FormatCoverRounded(12), QStringLiteral("0.45"));
    EXPECT_EQ(FormatCoverFine(12), QStringLiteral("0.47"));
    EXPECT_EQ(CoverUnitName(), QStringLiteral("in"));
    EXPECT_DOUBLE_EQ(CoverFromDisplay(1), 25.4);
    EXPECT_DOUBLE_EQ(CoverStep(), 0.05);
    CurrentCoverUnits = 0;
    EXPECT_EQ(FormatCoverRounded(12.5), QStringLiteral("13"));
    EXPECT_EQ(FormatCoverFine(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(FormatCover(30), QStringLiteral("30"));
    EXPECT_EQ(CoverUnitName(), QStringLiteral("mm"));
}

TEST_F(Units, ComparisonsAtDisplayResolution)
{
    EXPECT_EQ(CompareCover(30.4, 30.0), 0);
    EXPECT_EQ(CompareCover(30.5, 30.0), 1);
    EXPECT_EQ(CompareCover(29.0, 30.0), -1);
    CurrentCoverUnits = 1;
    EXPECT_EQ(CompareCover(25.4, 25.9), 0); // 1.00 in against 1.02 in: both 20 steps
    EXPECT_EQ(CompareHalfCell(-350.6, -351.4), 0);
    EXPECT_EQ(CompareHalfCell(-350.2, -350.6), 1);
    EXPECT_EQ(CompareHalfCell(-400, -350), -1);
}

TEST_F(Units, LengthsHalfCellsAndTemperatures)
{
    EXPECT_EQ(FormatLength(1500), QStringLiteral("1.50"));
    EXPECT_EQ(LengthUnitName(), QStringLiteral("m"));
    CurrentCoverUnits = 1;
    EXPECT_EQ(FormatLength(1500), QStringLiteral("4.92"));
    EXPECT_EQ(LengthUnitName(), QStringLiteral("ft"));
    EXPECT_DOUBLE_EQ(LengthFromDisplay(1), 304.8);

    EXPECT_EQ(FormatHalfCell(-350.6), QStringLiteral("-351"));
    EXPECT_EQ(FormatHalfCellFine(-350.64), QStringLiteral("-350.6"));
    EXPECT_EQ(HalfCellToDisplayWhole(-350.6), -350.0);
    EXPECT_EQ(HalfCellUnitName(), QStringLiteral("mV"));

    EXPECT_EQ(FormatTemperature(20), QStringLiteral("20.0"));
    EXPECT_EQ(FormatTemperature(-100), QString());
    EXPECT_EQ(FormatTemperature(-100.04), QString());
    CurrentTemperatureUnits = 1;
    EXPECT_EQ(FormatTemperature(20), QStringLiteral("68.0"));
    EXPECT_EQ(FormatTemperature(-100), QString());
    EXPECT_DOUBLE_EQ(TemperatureFromDisplay(68), 20);
    EXPECT_EQ(TemperatureUnitName(), QStringLiteral("°F"));
}

TEST_F(Units, DisplayUsesTheUserLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatLength(1500), QStringLiteral("1,50"));
    EXPECT_EQ(FormatLength(1234567), QStringLiteral("1234,57")); // no group separators
    EXPECT_EQ(FormatCoverFine(12.5), QStringLiteral("12,5"));
}

TEST_F(Units, SnapAndBinSizes)
{
    EXPECT_DOUBLE_EQ(SnapValue(12), 15);
    EXPECT_DOUBLE_EQ(SnapValue(10.4), 10);
    EXPECT_DOUBLE_EQ(SnapValue(-12), -15);
    EXPECT_DOUBLE_EQ(DesignerGridSpacing(), 10);
    CurrentCoverUnits = 1;
    EXPECT_NEAR(SnapValue(12), 15.24, 1e-9);
    EXPECT_DOUBLE_EQ(DesignerGridSpacing(), 25.4);

    EXPECT_DOUBLE_EQ(HistogramBinSize(0.5), 1);
    EXPECT_DOUBLE_EQ(HistogramBinSize(7.4), 7);
    EXPECT_NEAR(HistogramBinSize(0.034), 0.03, 1e-12);
    EXPECT_NEAR(HistogramBinSize(0.05), 0.1, 1e-12);
    EXPECT_EQ(MessageOf([] { HistogramBinSize(0); }), QStringLiteral("Invalid histogram bin size"));
}

TEST_F(Units, PaperTable)
{
    EXPECT_EQ(FindPaperSize(2970, 2100), 4);
    EXPECT_EQ(FindPaperSize(2100, 2970), 4);
    EXPECT_EQ(FindPaperSize(2000, 2000), 0);
    EXPECT_EQ(FindPaperSize(2159, 2794), 8);
    EXPECT_EQ(PaperSizeName(9), QStringLiteral("Tabloid"));
    EXPECT_EQ(DefaultPaperSize(), 4);
    // Without a printer the default paper stands in.
    EXPECT_DOUBLE_EQ(PrinterPaperWidth(), 210);
    EXPECT_DOUBLE_EQ(PaperWidth(true), 297);
    EXPECT_EQ(PrinterOrientation(), 0);
    CurrentCoverUnits = 1;
    EXPECT_EQ(DefaultPaperSize(), 8);
    EXPECT_DOUBLE_EQ(PaperHeight(false), 279.4);

    SetPrinterPaperProvider([] { return TPrinterPaperInfo{true, 216, 356, 1}; });
    EXPECT_DOUBLE_EQ(PaperWidth(true), 356);
    EXPECT_EQ(PrinterOrientation(), 1);
    SetPrinterPaperProvider(nullptr);
}

TEST_F(Units, InvalidSelectionsRaise)
{
    CurrentCoverUnits = 2;
    for (const auto &f : std::vector<std::function<void()>>{
             [] { FormatCover(1); }, [] { CompareCover(1, 2); }, [] { FormatLength(1); },
             [] { SnapValue(1); }, [] { DesignerGridSpacing(); }, [] { DefaultPaperSize(); }})
        EXPECT_EQ(MessageOf(f), QStringLiteral("Invalid cover unit type"));
    EXPECT_EQ(FormatHalfCell(-300), QStringLiteral("-300")); // half-cell values do not depend on it
    CurrentTemperatureUnits = 7;
    EXPECT_EQ(MessageOf([] { FormatTemperature(1); }), QStringLiteral("Invalid temperature unit type"));
}

TEST_F(Units, ScopeRestoresTheSelection)
{
    try {
        TCoverUnitsScope scope(1);
        EXPECT_EQ(CurrentCoverUnits, 1);
        throw Exception(QStringLiteral("x"));
    } catch (const Exception &) {
    }
    EXPECT_EQ(CurrentCoverUnits, 0);
}

TEST_F(Units, DisplayRoundsHalvesAwayFromZero)
{
    struct Case {
        const char *Format;
        double Value;
        const char *Text;
    };
    // The C library's printf would give "12", "14"... here: ties to even.
    const Case cases[] = {
        {"%.0f", 12.5, "13"},      {"%.0f", 13.5, "14"},       {"%.0f", 20.5, "21"},
        {"%.0f", 0.5, "1"},        {"%.0f", -350.5, "-351"},   {"%.0f", -0.5, "-1"},
        {"%.0f", 12.4999, "12"},   {"%.0f", -0.4, "0"},        {"%.1f", 20.25, "20.3"},
        {"%.1f", 12.45, "12.5"},   {"%.1f", -0.04, "0.0"},     {"%.2f", 1.125, "1.13"},
        {"%.2f", 0.005, "0.01"},   {"%.2f", 1234567.125, "1234567.13"},
        {"%.1f %%", 12.25, "12.3 %"}, {"%.0f", 1e300, nullptr}, {"%.2f", 0, "0.00"},
    };
    for (const Case &c : cases) {
        const QString text = FormatDisplay(c.Format, c.Value);
        if (c.Text)
            EXPECT_EQ(text, QString::fromLatin1(c.Text)) << c.Format << " " << c.Value;
        else
            EXPECT_TRUE(text.size() == 301 && text.startsWith(QLatin1String("10000000000000000525"))) << text.toStdString();
    }
    // The same text for the readings grid, the summary and the comparison.
    EXPECT_EQ(FormatCover(12.5), FormatCoverRounded(12.5));
    EXPECT_EQ(FormatHalfCell(350.5), QStringLiteral("351"));
    EXPECT_EQ(FormatTemperature(20.25), QStringLiteral("20.3"));
    EXPECT_EQ(MessageOf([] { FormatDisplay("%d", 1); }), QStringLiteral("Invalid display format"));
}

TEST_F(Units, DisplayIgnoresTheCLibraryLocale)
{
    TCommaLocale comma;
    ASSERT_TRUE(comma.Available());
    EXPECT_EQ(FormatCoverFine(12.5), QStringLiteral("12,5"));
    QLocale::setDefault(QLocale::c()); // the C library still writes commas
    EXPECT_EQ(FormatCoverFine(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(FormatLength(1500), QStringLiteral("1.50"));
}

TEST_F(Units, TypedNumbersMustBeFinite)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char *text : {"nan", "NaN", "inf", "-inf", "+INF", "infinity", "", "12a", "1e400"}) {
        bool ok = true;
        EXPECT_EQ(DisplayTextToFloat(QString::fromLatin1(text), &ok), 0) << text;
        EXPECT_FALSE(ok) << text;
    }
    bool ok = false;
    EXPECT_EQ(DisplayTextToFloat(QStringLiteral(" 12,5 "), &ok), 12.5);
    EXPECT_TRUE(ok);
    EXPECT_EQ(DisplayTextToFloat(QStringLiteral("12.5"), &ok), 12.5); // the program's own "." text
    EXPECT_TRUE(ok);
}
