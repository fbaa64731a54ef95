#include "TestSupport.h"
#include "UnitLanguage.h"
#include "UnitPageItemMemo.h"
#include "UnitUnits.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {
struct TMemoPage {
    TPage Page;
    TPageItemMemo *Memo;
    explicit TMemoPage(int pageType = PageTypeInner)
    {
        Page.Properties["PageType"].SetInteger(pageType);
        Memo = Page.AddItem<TPageItemMemo>();
    }
    QString Show(const QString &text)
    {
        Memo->Properties["Text"].SetString(text);
        return Memo->SubstitutedText();
    }
};
} // namespace

TEST(Memo, NewMemoShowsItsName)
{
    TPage page;
    auto *m = page.AddItem<TPageItemMemo>();
    EXPECT_EQ(m->Properties["Text"].AsString(), QStringLiteral("Memo1"));
    EXPECT_EQ(m->Properties["FontName"].AsString(), QStringLiteral("Arial"));
    EXPECT_EQ(m->Properties["FontSize"].AsInteger(), 8);
    // Item properties are sorted by name.
    EXPECT_EQ(m->Properties.Items(0).Name, QStringLiteral("Alignment"));
    EXPECT_EQ(m->Properties.Items(1).Name, QStringLiteral("Anchor"));
}

TEST(Memo, FieldsOnInnerAndOtherPages)
{
    TCoverUnitsScope mm(0);
    const QString notice = QStringLiteral("Data values only available on inner pages");
    TMemoPage inner;
    EXPECT_EQ(inner.Show(QStringLiteral("[Site]/[Location]")), QStringLiteral("M25/J14"));
    EXPECT_EQ(inner.Show(QStringLiteral("[site] [Sitex]")), QStringLiteral("[site] [Sitex]"));
    EXPECT_EQ(inner.Show(QStringLiteral("[HighLimit]")), QStringLiteral("85 mm"));
    EXPECT_EQ(inner.Show(QStringLiteral("[PageNumber]")), QStringLiteral("1"));
    EXPECT_EQ(inner.Show(QStringLiteral("[Rows]x[Columns] [Readings]")), QStringLiteral("12x32 384"));
    EXPECT_EQ(inner.Show(QStringLiteral("[Size]|[CellType]|[Temperature]")), QStringLiteral("16 mm||"));
    TBatchItem &b = inner.Page.Batches[0];
    b.HighLimitApplied = false;
    EXPECT_EQ(inner.Show(QStringLiteral("[HighLimit] [AboveHighLimit] [PerAboveHighLimit]")), QStringLiteral("- - -"));
    b.HighLimitApplied = true;
    b.HighLimit = 60;
    const double percent = b.PercentAboveHigh();
    EXPECT_EQ(inner.Show(QStringLiteral("[PerAboveHighLimit]")), FormatDisplay("%.1f", percent) + QLatin1Char('%'));
    EXPECT_TRUE(inner.Show(QStringLiteral("[PerAboveHighLimit]")).endsWith(QLatin1Char('%')));
    b.BatchFormat = BatchFormatLinear;
    EXPECT_EQ(inner.Show(QStringLiteral("[Rows] [GridSpacing]")), QStringLiteral("- -"));
    b.ID.clear(); // no batch: every batch field empty
    EXPECT_EQ(inner.Show(QStringLiteral("<[Site]>[PageNumber]")), QStringLiteral("<>1"));

    inner.Memo->Properties["BatchType"].SetInteger(1);
    EXPECT_EQ(inner.Show(QStringLiteral("[CellType] [Temperature] [Customer]")), QStringLiteral("CU/CUSO4 20.0°C Calvane"));

    TMemoPage opening(PageTypeOpening);
    EXPECT_EQ(opening.Show(QStringLiteral("[Site]")), notice);
    TMemoPage closing(PageTypeClosing);
    EXPECT_EQ(closing.Show(QStringLiteral("[TodaysDate]")), notice);
}

TEST(Memo, DisplayAndStoredMarkersAreTheSameInEnglish)
{
    const QString t = QStringLiteral("[BatchID] [MeanAverage] [BarGrade]");
    EXPECT_EQ(TPageItemMemo::ToDisplayText(t), t);
    EXPECT_EQ(TPageItemMemo::ToStoredText(t), t);
    EXPECT_EQ(MemoFieldName(38), QStringLiteral("BarGrade"));
    EXPECT_EQ(MemoFieldButtonCaption(20), QStringLiteral("Average"));
}

TEST(Memo, TranslatedMarkersComeBackAsTheStoredNames)
{
    // The shown form of a marker is the field's name in the user's language; storing must give
    // back the file's marker for every field, which fails when two translations coincide.
    const struct {
        unsigned LocaleId;
        const char *Mean, *FontSize, *FontColour;
    } languages[] = {
        {0x0407, "Mittelwert", "Schriftgröße", "Schriftfarbe"},
        {0x040C, "Moyenne", "Taille de police", "Couleur de police"},
        {0x0C0A, "Media", "Tamaño de fuente", "Color de fuente"},
        {0x0410, "Media", "Dimensione carattere", "Colore carattere"},
    };
    TLocalization &engine = TLocalization::Instance();
    engine.SetFolder(QStringLiteral(ORVALIS_BINARY_DIR "/app"));
    for (const auto &language : languages) {
        SCOPED_TRACE(language.LocaleId);
        ASSERT_TRUE(engine.SwitchTo(language.LocaleId));
        QString stored;
        for (int i = 0; i < MemoAllFieldCount; ++i)
            stored += QLatin1Char('[') + MemoFieldName(i) + QStringLiteral("] ");
        const QString shown = TPageItemMemo::ToDisplayText(stored);
        EXPECT_TRUE(shown.contains(QLatin1Char('[') + QString::fromUtf8(language.Mean) + QLatin1Char(']'))) << shown.toStdString();
        EXPECT_EQ(TPageItemMemo::ToStoredText(shown), stored);
        EXPECT_EQ(MemoFieldButtonCaption(20), QString::fromUtf8(language.Mean));
        // Captions follow the language; the keys the files use do not.
        TPage page;
        auto &memo = *page.AddItem<TPageItemMemo>();
        EXPECT_EQ(memo.Properties["FontSize"].Caption, QString::fromUtf8(language.FontSize));
        EXPECT_EQ(memo.Properties["FontColor"].Caption, QString::fromUtf8(language.FontColour));
        EXPECT_EQ(memo.Properties.Items(memo.Properties.IndexOf(QStringLiteral("FontSize"))).Name,
                  QStringLiteral("FontSize"));
    }
    engine.SwitchTo(0x09);
    engine.SetFolder(QString());
}

TEST(Memo, WordLayout)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    const QFontMetrics fm(font);
    const int wordA = fm.horizontalAdvance(QStringLiteral("A "));
    struct TCase {
        const char *Text;
        bool Wrap;
        int Limit;
        QStringList Lines;
    };
    const TCase cases[] = {
        {"A B", true, wordA + 2, {"A ", "B"}},
        {"A B", false, wordA + 2, {"A B"}},
        {"A\n", false, 1000, {"A"}},
        {"A\n\nB", false, 1000, {"A", "", "B"}},
        {"A\r\n\tB", false, 1000, {"A", "B"}},
        {"Averyveryverylongword x", true, 5, {"Averyveryverylongword ", "x"}},
    };
    for (const auto &c : cases) {
        QStringList lines;
        for (const auto &l : LayoutMemoLines(QString::fromUtf8(c.Text), fm, c.Limit, c.Wrap))
            lines << l.Text;
        EXPECT_EQ(lines, c.Lines) << c.Text;
    }
}

TEST(Memo, FontHeightAndPitchFollowThePageResolution)
{
    TMemoPage p;
    // 600 pixels per inch: 297 mm high page drawn 297 / 25.4 * 600 pixels high.
    p.Page.PageRect = QRect(0, 0, 4961, 7016);
    p.Memo->Properties["FontSize"].SetInteger(10);
    EXPECT_NEAR(p.Page.PixelsPerInch(), 600.0, 0.1);
    EXPECT_EQ(p.Memo->FontPixelHeight(), 83);
    EXPECT_NEAR(p.Memo->LinePitch(), 83.33, 0.01);
    EXPECT_EQ(RoundHalfUp(p.Memo->LinePitch() * 3), 250);
}

TEST(Memo, DrawsLinesClippedToTheItem)
{
    TMemoPage p;
    QImage image(210, 297, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    p.Page.Canvas = &painter;
    p.Page.PageRect = image.rect();
    p.Memo->Properties["Left"].SetFloat(10);
    p.Memo->Properties["Top"].SetFloat(10);
    p.Memo->Properties["Width"].SetFloat(40);
    p.Memo->Properties["Height"].SetFloat(20);
    p.Memo->Properties["FontSize"].SetInteger(20);
    p.Memo->Properties["Alignment"].SetInteger(8);
    p.Memo->Properties["Text"].SetString(QStringLiteral("WWWWWWWWWWWWWWWWWWWW\n[Site]"));
    p.Page.Draw();
    painter.end();
    EXPECT_EQ(p.Memo->Lines, (QStringList{"WWWWWWWWWWWWWWWWWWWW", "M25"}));
    // Nothing outside the item rectangle.
    for (int y = 0; y < 297; ++y)
        for (int x = 0; x < 210; ++x)
            if (x < 10 || x >= 50 || y < 10 || y >= 30) {
                ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
    // Zero width: no text.
    p.Memo->Properties["Width"].SetFloat(0);
    QImage empty(210, 297, QImage::Format_RGB32);
    QPainter again(&empty);
    p.Page.Canvas = &again;
    p.Page.Draw();
    EXPECT_TRUE(p.Memo->Lines.isEmpty());
}
