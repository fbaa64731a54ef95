#include "TestSupport.h"
#include "UnitTextFile.h"

TEST(CommaTextTest, NamesWithBlanksCommasAndQuotesComeBackAsWritten)
{
    const QStringList names{QStringLiteral("Cover Survey Report"), QStringLiteral("Plain"),
                            QStringLiteral("a,b"), QStringLiteral("say \"hi\"")};
    const QString text = CommaText(names);
    EXPECT_EQ(text, QStringLiteral("\"Cover Survey Report\",Plain,\"a,b\",\"say \"\"hi\"\"\""));
    EXPECT_EQ(CommaTextList(text), names);
    struct Case {
        const char *Text;
        QStringList List;
    };
    for (const Case &c : {Case{"", {}}, Case{"one", {"one"}}, Case{"a b,c", {"a", "b", "c"}},
                          Case{" \"x y\" , z ", {"x y", "z"}}, Case{"a,", {"a", ""}}})
        EXPECT_EQ(CommaTextList(QString::fromUtf8(c.Text)), c.List) << c.Text;
}
