#include "TestSupport.h"
#include "UnitFileOperations.h"

TEST(FileNames, MakeFileNameSafeBlanksEveryUnsafeCharacter)
{
    const struct {
        QString in, out;
    } cases[] = {
        {QStringLiteral("A/B:1"), QStringLiteral("A B 1")},
        {QStringLiteral("\"*/:<>?\\|"), QStringLiteral("         ")},
        {QStringLiteral("Wall 1 (north)"), QStringLiteral("Wall 1 (north)")},
        {QStringLiteral("Pier.3-ä"), QStringLiteral("Pier.3-ä")},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MakeFileNameSafe(c.in), c.out) << c.in.toStdString();
}

TEST(FileNames, StripControlCharsDropsEverythingBelowBlank)
{
    QString all;
    for (int code = 0; code < 32; ++code)
        all += QChar(code);
    EXPECT_EQ(StripControlChars(all), QString());
    EXPECT_EQ(StripControlChars(QStringLiteral("Site\t1\r\nEast\x1f")), QStringLiteral("Site1East"));
    // The blank itself and everything above it stays, accented letters included.
    EXPECT_EQ(StripControlChars(QStringLiteral(" ~\u00e9\u20ac")), QStringLiteral(" ~\u00e9\u20ac"));
}
