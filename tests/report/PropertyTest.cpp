#include "TestSupport.h"
#include "UnitException.h"
#include "UnitProperty.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <zlib.h>

namespace {
QByteArray Inflate(const QString &text)
{
    const QByteArray packed = QByteArray::fromBase64(text.toLatin1());
    QByteArray out(1 << 20, '\0');
    uLongf size = static_cast<uLongf>(out.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef *>(out.data()), &size,
                         reinterpret_cast<const Bytef *>(packed.constData()), static_cast<uLong>(packed.size())),
              Z_OK);
    out.truncate(static_cast<qsizetype>(size));
    return out;
}
} // namespace

TEST(PictureText, LinesOf76WithCrLfAndForgivingDecoder)
{
    for (int n : {0, 1, 5, 40, 57, 300, 5000}) {
        QByteArray s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>((i * 37 + n) & 0xFF);
        const QString text = EncodePictureText(s);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (int i = 0; i + 1 < lines.size(); ++i)
            EXPECT_EQ(lines[i].size(), 76) << n;
        EXPECT_LE(lines.last().size(), 75) << n; // a full last line is followed by CR LF too
        EXPECT_FALSE(text.contains(QLatin1Char('\n')) && !text.contains(QStringLiteral("\r\n")));
        // Length prefix, little-endian, then the bytes.
        const QByteArray plain = Inflate(QString(text).remove(QStringLiteral("\r\n")));
        ASSERT_GE(plain.size(), 4);
        EXPECT_EQ(qFromLittleEndian<quint32>(plain.constData()), static_cast<quint32>(n));
        EXPECT_EQ(plain.mid(4), s);
        // Round trip with CR LF, LF only, none, and stray spaces.
        EXPECT_EQ(DecodePictureText(text), s) << n;
        EXPECT_EQ(DecodePictureText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))), s);
        EXPECT_EQ(DecodePictureText(QString(text).remove(QStringLiteral("\r\n"))), s);
        EXPECT_EQ(DecodePictureText(QStringLiteral("  ") + text + QStringLiteral(" \t")), s);
    }
}

TEST(PictureText, TextOfExactly76CharactersEndsWithCrLf)
{
    // Find a string form whose encoding is exactly one full line.
    bool found = false;
    for (int n = 0; n < 200 && !found; ++n) {
        QByteArray s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>((i * 7919) & 0xFF);
        const QString text = EncodePictureText(s);
        if (text.size() == 78) {
            found = true;
            EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
            EXPECT_EQ(DecodePictureText(text), s);
        }
    }
    EXPECT_TRUE(found);
}

TEST(PictureText, CorruptTextReadsAsNoPicture)
{
    const QString good = EncodePictureText(QByteArray(500, 'x'));
    EXPECT_TRUE(DecodePictureText(QString()).isEmpty());
    EXPECT_TRUE(DecodePictureText(QStringLiteral("not a picture at all")).isEmpty());
    EXPECT_TRUE(DecodePictureText(good.left(good.size() / 2)).isEmpty()); // truncated stream
    QString flipped = good;
    flipped[10] = flipped[10] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    EXPECT_TRUE(DecodePictureText(flipped).isEmpty());
    // A length larger than the data.
    QByteArray plain(4, '\0');
    qToLittleEndian<quint32>(1000, plain.data());
    plain += "abc";
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    QByteArray packed(static_cast<qsizetype>(size), '\0');
    compress2(reinterpret_cast<Bytef *>(packed.data()), &size, reinterpret_cast<const Bytef *>(plain.constData()),
              static_cast<uLong>(plain.size()), 9);
    packed.truncate(static_cast<qsizetype>(size));
    EXPECT_TRUE(DecodePictureText(QString::fromLatin1(packed.toBase64())).isEmpty());
}

namespace {
struct TKindCase {
    PropertyKind Kind;
    QVariant Value;
    const char *Xml;     // element text
    const char *Display; // editor text (millimetre units)
};
} // namespace

TEST(Property, XmlAndTextFormsOfEveryKind)
{
    TCoverUnitsScope mm(0);
    const TKindCase cases[] = {
        {pkCoverLength, 12.7, "12.7", "13"},
        {pkDistance, 1500.0, "1500", "1.50"},
        {pkInteger, 42, "42", "42"},
        {pkBoolean, true, "1", "True"},
        {pkString, QStringLiteral("a<b"), "a&lt;b", "a<b"},
        {pkChoice, 1, "1", "Landscape"},
        {pkColour, 0x0000FF, "255", "clRed"},
        {pkColour, 0x123456, "1193046", "$00123456"},
        {pkBrushStyle, 5, "5", "bsDiagCross"},
        {pkPenStyle, 6, "6", "psInsideFrame"},
        {pkMemo, QStringLiteral("[Site]\nx"), "[Site]\nx", "[Site]\nx"},
        {pkHalfCell, -350.0, "-350", "-350"},
    };
    for (const auto &c : cases) {
        TPropertyList list;
        TProperty &p = list.Add(QStringLiteral("P"), c.Kind, c.Value, {QStringLiteral("Portrait"), QStringLiteral("Landscape")});
        XmlDocument doc;
        list.SaveToXml(doc.Nodes);
        ASSERT_EQ(doc.Nodes.Count(), 1);
        EXPECT_EQ(doc.Nodes.Items(0).Name, QStringLiteral("P"));
        EXPECT_EQ(doc.Nodes.Items(0).Text, QString::fromUtf8(c.Xml)) << c.Kind;
        EXPECT_EQ(p.DisplayText(), QString::fromUtf8(c.Display)) << c.Kind;

        TPropertyList back;
        TProperty &q = back.Add(QStringLiteral("P"), c.Kind, QVariant(), p.Choices);
        XmlDocument reread;
        reread.Parse(doc.SaveToText());
        back.LoadFromXml(reread.Nodes);
        EXPECT_EQ(q.DisplayText(), p.DisplayText()) << c.Kind;
        EXPECT_FALSE(back.Modified);
        // Text input gives the same value again (except the rounded cover display).
        if (c.Kind != pkCoverLength) {
            q.SetDisplayText(p.DisplayText());
            EXPECT_EQ(q.DisplayText(), p.DisplayText()) << c.Kind;
        }
    }
}

TEST(Property, PictureXmlRoundTripSetsModified)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    TVentraxGraphic g;
    g.Bitmap = image;
    TPropertyList list;
    TProperty &p = list.Add(QStringLiteral("Graphic"), pkPicture, QVariant());
    EXPECT_EQ(p.DisplayText(), QStringLiteral("(None)"));
    p.SetGraphic(g);
    EXPECT_EQ(p.DisplayText(), QStringLiteral("(Graphic)"));
    XmlDocument doc;
    list.SaveToXml(doc.Nodes);

    TPropertyList back;
    int changes = 0;
    TProperty &q = back.Add(QStringLiteral("Graphic"), pkPicture, QVariant());
    q.OnValidate = [](TProperty &, QVariant &) { ADD_FAILURE() << "validated while loading"; };
    q.OnChange = [&](TProperty &, const QVariant &) { ++changes; };
    back.LoadFromXml(doc.Nodes);
    EXPECT_TRUE(back.Modified);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(q.AsBytes(), p.AsBytes());
    EXPECT_EQ(q.GetGraphic().Bitmap.pixel(2, 1), qRgb(10, 20, 30));
}

TEST(Property, ReadingAPlainValueRunsNoCallbacksAndMissingElementsKeepDefaults)
{
    TPropertyList list;
    TProperty &b = list.Add(QStringLiteral("Bold"), pkBoolean, false);
    TProperty &s = list.Add(QStringLiteral("Steps"), pkInteger, 15);
    b.OnValidate = [](TProperty &, QVariant &) { ADD_FAILURE(); };
    b.OnChange = [](TProperty &, const QVariant &) { ADD_FAILURE(); };
    XmlDocument doc;
    doc.Parse(QStringLiteral("<Bold>1</Bold>"));
    list.LoadFromXml(doc.Nodes);
    EXPECT_TRUE(b.AsBoolean());
    EXPECT_EQ(s.AsInteger(), 15);
    EXPECT_FALSE(list.Modified);
    EXPECT_FALSE(b.Loading);
}

TEST(Property, ValidateClampsAndChangeSeesThePreviousValue)
{
    TPropertyList list;
    int listChanges = -1;
    list.OnChange = [&](TPropertyList &, int index) { listChanges = index; };
    list.Add(QStringLiteral("A"), pkString, QString());
    TProperty &p = list.Add(QStringLiteral("KeySteps"), pkInteger, 15);
    p.OnValidate = [](TProperty &, QVariant &v) { v = std::clamp(v.toInt(), 2, 15); };
    QVariant previous;
    p.OnChange = [&](TProperty &, const QVariant &prev) { previous = prev; };
    p.SetInteger(20);
    EXPECT_EQ(p.AsInteger(), 15);
    p.SetInteger(0);
    EXPECT_EQ(p.AsInteger(), 2);
    EXPECT_EQ(previous.toInt(), 15);
    EXPECT_EQ(listChanges, 1);
    EXPECT_TRUE(list.Modified);
}

TEST(Property, GettersAreForgivingAndLookupIsExact)
{
    TPropertyList list;
    TProperty &p = list.Add(QStringLiteral("X"), pkInteger, QVariant());
    EXPECT_EQ(p.AsInteger(), 0);
    EXPECT_EQ(p.AsString(), QString());
    EXPECT_FALSE(p.AsBoolean());
    p.Value = QStringLiteral("abc");
    EXPECT_EQ(p.AsInteger(), 0);
    EXPECT_EQ(p.AsFloat(), 0.0);
    EXPECT_EQ(list.IndexOf(QStringLiteral("x")), -1);
    try {
        list.PropertyByName(QStringLiteral("x"));
        FAIL();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Property does not exist"));
    }
}

TEST(Property, SortIgnoresCaseAndAssignValuesCopiesByName)
{
    TPropertyList list;
    for (const char *n : {"Bold", "anchor", "Width", "Alignment"})
        list.Add(QString::fromLatin1(n), pkInteger, 1);
    list.Sort();
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Items(i).Name;
    EXPECT_EQ(names, (QStringList{"Alignment", "anchor", "Bold", "Width"}));

    TPropertyList source;
    source.Add(QStringLiteral("Bold"), pkInteger, 7);
    source.Add(QStringLiteral("Extra"), pkInteger, 9);
    list["Bold"].OnValidate = [](TProperty &, QVariant &) { ADD_FAILURE(); };
    list.AssignValues(&source);
    EXPECT_EQ(list["Bold"].AsInteger(), 7);
    EXPECT_EQ(list["Width"].AsInteger(), 1);
    EXPECT_FALSE(list.Modified);
    TVentraxGraphic g;
    EXPECT_THROW(list.AssignValues(&g), Exception);
    EXPECT_THROW(list["Bold"].Assign(&g), Exception);
    EXPECT_THROW(g.Assign(&list), Exception);
}

TEST(VentraxGraphic, FileTypesAndStringForm)
{
    TTempHome home;
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(qRgb(200, 100, 50));
    const QString jpg = home.Path() + QStringLiteral("/photo.JPG");
    const QString bmp = home.Path() + QStringLiteral("/plain.bmp");
    const QString png = home.Path() + QStringLiteral("/plain.png");
    const QString emf = home.Path() + QStringLiteral("/old.emf");
    ASSERT_TRUE(image.save(jpg, "JPEG"));
    ASSERT_TRUE(image.save(bmp, "BMP"));
    ASSERT_TRUE(image.save(png, "PNG"));
    WriteFileAtomic(emf, QByteArray("\x01\x00\x00\x00 emf bytes", 15));

    TVentraxGraphic g;
    g.LoadFromFile(jpg);
    EXPECT_EQ(g.Format, 1);
    EXPECT_EQ(g.Bitmap.size(), QSize(8, 4));
    EXPECT_EQ(g.SaveToString().mid(1), ReadWholeFile(jpg)); // the JPEG file kept byte for byte
    g.LoadFromFile(bmp);
    EXPECT_EQ(g.Format, 0);
    g.LoadFromFile(png);
    EXPECT_EQ(g.Format, 0);
    const QByteArray bitmapForm = g.SaveToString();
    EXPECT_EQ(bitmapForm.at(0), '\0');
    EXPECT_EQ(bitmapForm.mid(1, 2), QByteArray("BM"));
    g.LoadFromFile(emf);
    EXPECT_EQ(g.Format, 2);
    EXPECT_EQ(g.SaveToString().mid(1), ReadWholeFile(emf)); // foreign metafiles are never dropped

    TVentraxGraphic back;
    back.LoadFromString(bitmapForm);
    EXPECT_EQ(back.Format, 0);
    EXPECT_EQ(back.Bitmap.pixel(7, 3), qRgb(200, 100, 50));
    EXPECT_THROW(g.LoadFromFile(home.Path() + QStringLiteral("/missing.bmp")), Exception);
}
