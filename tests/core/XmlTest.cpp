#include "TestSupport.h"
#include "UnitXml.h"

#include <QBuffer>
#include <QLocale>

TEST(Xml, WriterIsByteExact)
{
    XmlDocument doc;
    XmlNode &root = doc.Nodes.AddChild(QStringLiteral("Settings"));
    root.Children().AddChild(QStringLiteral("CoverUnits")).SetAsInteger(0);
    root.Children().AddChild(QStringLiteral("FormRatio")).SetAsFloat(0.3);
    root.Children().AddChild(QStringLiteral("Empty"));
    XmlNode &group = root.Children().AddChild(QStringLiteral("Group"));
    group.Text = QStringLiteral("not written"); // a node with children writes only its children
    group.Children().AddChild(QStringLiteral("Flag")).SetAsBoolean(true);
    EXPECT_EQ(doc.SaveToBytes(), QByteArray("<?xml version=\"1.0\"?>\r\n"
                                            "<Settings>\r\n"
                                            "  <CoverUnits>0</CoverUnits>\r\n"
                                            "  <FormRatio>0.3</FormRatio>\r\n"
                                            "  <Empty></Empty>\r\n"
                                            "  <Group>\r\n"
                                            "    <Flag>1</Flag>\r\n"
                                            "  </Group>\r\n"
                                            "</Settings>\r\n"));
}

TEST(Xml, EmptyDocumentAndEncodingAndAttribute)
{
    XmlDocument empty;
    EXPECT_TRUE(empty.SaveToBytes().isEmpty());
    XmlDocument parsed;
    parsed.Parse(QString());
    EXPECT_EQ(parsed.Nodes.Count(), 0);

    XmlDocument doc;
    doc.Encoding = QStringLiteral("UTF-8");
    XmlNode &n = doc.Nodes.AddChild(QStringLiteral("Item Kind=\"Batch\""));
    EXPECT_EQ(n.Name, QStringLiteral("Item"));
    EXPECT_EQ(n.AttributeName, QStringLiteral("Kind"));
    EXPECT_EQ(n.AttributeValue, QStringLiteral("Batch"));
    EXPECT_EQ(doc.SaveToBytes(),
              QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Item Kind=\"Batch\"></Item>\r\n"));
}

TEST(Xml, EntitiesRoundTrip)
{
    XmlDocument doc;
    XmlNode &n = doc.Nodes.AddChild(QStringLiteral("T"));
    n.SetAsString(QStringLiteral("a<b & \"c\" 'd' 'e' \"f\" >"));
    EXPECT_EQ(n.Text, QStringLiteral("a&lt;b &amp; &quot;c&quot; &pos;d&pos; &pos;e&pos; &quot;f&quot; &gt;"));
    XmlDocument back;
    back.Parse(doc.SaveToText());
    EXPECT_EQ(back.Nodes.FindByName(QStringLiteral("T")).AsString(), QStringLiteral("a<b & \"c\" 'd' 'e' \"f\" >"));

    // The entity text itself survives as text and is not turned into "<".
    n.SetAsString(QStringLiteral("&lt;"));
    EXPECT_EQ(n.Text, QStringLiteral("&amp;lt;"));
    EXPECT_EQ(n.AsString(), QStringLiteral("&lt;"));
    // Only the five entities are decoded; others and character references stay.
    n.Text = QStringLiteral("&apos;&#65;&nbsp;");
    EXPECT_EQ(n.AsString(), QStringLiteral("&apos;&#65;&nbsp;"));
}

TEST(Xml, ReaderKeepsLeafTextAndFindsByExactName)
{
    XmlDocument doc;
    doc.Parse(QStringLiteral("<?xml version=\"1.0\"?>\r\n<Settings>\r\n  <A></A>\r\n  <B>  two\r\n lines </B>\r\n"
                             "  <Num>2,5</Num><Neg>-1.25</Neg><Big>1E-5</Big></Settings>\r\n"));
    const XmlNode &root = doc.Nodes.FindByName(QStringLiteral("Settings"));
    ASSERT_FALSE(root.IsNull());
    EXPECT_TRUE(doc.Nodes.FindByName(QStringLiteral("settings")).IsNull());
    EXPECT_EQ(root.Children().Count(), 5);
    EXPECT_EQ(root.Children().FindByName(QStringLiteral("A")).Text, QString());
    EXPECT_EQ(root.Children().FindByName(QStringLiteral("A")).AsInteger(), 0);
    EXPECT_EQ(root.Children().FindByName(QStringLiteral("B")).AsString(), QStringLiteral("  two\r\n lines "));
    EXPECT_EQ(root.Children().FindByName(QStringLiteral("Num")).AsFloat(), 0.0);
    EXPECT_EQ(root.Children().FindByName(QStringLiteral("Neg")).AsFloat(), -1.25);
    EXPECT_EQ(root.Children().FindByName(QStringLiteral("Big")).AsFloat(), 1e-5);
    EXPECT_EQ(root.Children().Items(1).Level(), 1);
}

TEST(Xml, NullNodeIsSharedAndReadOnly)
{
    XmlDocument doc;
    XmlNode &missing = doc.Nodes.FindByName(QStringLiteral("Nope")).Children().FindByName(QStringLiteral("Deeper"));
    EXPECT_TRUE(missing.IsNull());
    EXPECT_EQ(&missing, &XmlNode::Null());
    EXPECT_EQ(missing.AsString(), QString());
    EXPECT_EQ(missing.AsInteger(), 0);
    EXPECT_FALSE(missing.AsBoolean());
    missing.SetAsString(QStringLiteral("x"));
    missing.SetAsInteger(5);
    EXPECT_TRUE(missing.Children().AddChild(QStringLiteral("Child")).IsNull());
    EXPECT_EQ(XmlNode::Null().Text, QString());
    EXPECT_EQ(XmlNode::Null().Children().Count(), 0);
}

TEST(Xml, ReaderSurvivesMalformedInput)
{
    const QStringList inputs = {
        QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("<a"), QStringLiteral("</a></b>text"),
        QStringLiteral("<a><b>text"), QStringLiteral("<a>1</a>trailing"), QStringLiteral("<?xml"),
        QStringLiteral("<a>x</a>"), QStringLiteral("<<<>>>"), QStringLiteral("<a x=>"), QStringLiteral("<=\">"),
        QStringLiteral("<!-- c --><a>1</a>"), QStringLiteral("<a>&amp</a>"), QString(QChar(0)) + QStringLiteral("<a>"),
    };
    for (const QString &input : inputs) {
        XmlDocument doc;
        doc.Parse(input); // must terminate and not throw
        (void)doc.SaveToBytes();
    }
    XmlDocument doc;
    doc.Parse(QStringLiteral("<a>1</a>"));
    EXPECT_EQ(doc.Nodes.Count(), 1);
    EXPECT_EQ(doc.Nodes.Items(0).AsInteger(), 1);

    // A maliciously deep file is read and freed without exhausting the stack.
    XmlDocument deep;
    deep.Parse(QStringLiteral("<a>").repeated(200000));
    EXPECT_EQ(deep.Nodes.Count(), 1);
}

TEST(Xml, NumbersIgnoreTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    XmlDocument doc;
    XmlNode &n = doc.Nodes.AddChild(QStringLiteral("N"));
    const struct {
        double value;
        const char *text;
    } cases[] = {{0.3, "0.3"}, {12.5, "12.5"}, {-1.25, "-1.25"}, {1e-5, "1E-5"}, {0.0001, "0.0001"},
                 {1e20, "1E20"}, {123456789012345.0, "123456789012345"}, {1.0 / 3, "0.333333333333333"},
                 {-0.0, "0"}, {2, "2"}};
    for (const auto &c : cases) {
        n.SetAsFloat(c.value);
        EXPECT_EQ(n.Text, QString::fromLatin1(c.text)) << c.text;
        EXPECT_DOUBLE_EQ(n.AsFloat(), c.value == 1.0 / 3 ? 0.333333333333333 : c.value);
    }
    QLocale::setDefault(saved);
}

TEST(Xml, FilesDecodeUtf8OrWindows1252)
{
    TTempHome home;
    const QString file = home.Path() + QStringLiteral("/t.xml");
    XmlDocument doc;
    doc.Nodes.AddChild(QStringLiteral("Site")).SetAsString(QStringLiteral("Brücke €"));
    doc.SaveToFile(file);
    XmlDocument utf8;
    utf8.LoadFromFile(file);
    EXPECT_EQ(utf8.Nodes.Items(0).AsString(), QStringLiteral("Brücke €"));

    QFile legacy(file);
    ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
    legacy.write("<Site>Br\xFC" "cke \x80</Site>\r\n");
    legacy.close();
    XmlDocument old;
    old.LoadFromFile(file);
    EXPECT_EQ(old.Nodes.Items(0).AsString(), QStringLiteral("Brücke €"));

    XmlDocument missing;
    EXPECT_ANY_THROW(missing.LoadFromFile(home.Path() + QStringLiteral("/none.xml")));
}
