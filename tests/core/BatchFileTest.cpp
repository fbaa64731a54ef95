#include "BatchTestSupport.h"
#include "TestSupport.h"
#include "UnitTextFile.h"
#include "UnitXml.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace {
class BatchFile : public IsolatedTest {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QString Temp(const QString &name) const { return Home.Path() + QLatin1Char('/') + name; }

    // The record that tests/data/BatchCover2x3.vcb holds.
    static void FillExpected(TBatchItem &b)
    {
        FillBatch(b, BatchTypeCover, BatchFormatGrid, 2, 3, {V(1), V(2), Over(), V(4), V(5.25), E()});
        b.Slot = 7;
        b.Tagged = true;
        b.CreationDate = EncodeDateTime(2006, 3, 5, 14, 20, 0);
        b.UpdateDate = EncodeDateTime(2006, 3, 6, 9, 5, 7) + 0.4 / 86400; // fraction of a second dropped
        b.ProbeSerialNumber = QStringLiteral("P-1234");
        b.ProbeType = QStringLiteral("Standard");
        b.ProbeSide0Type = QStringLiteral("Deep");
        b.ProbeSide1Type = QStringLiteral("Shallow");
        b.HighLimit = 80.5;
        b.LowLimit = 12.5;
        b.GaugeHighLimit = 80;
        b.GaugeLowLimit = 0.001;
        b.LowLimitApplied = true;
        b.Site = QStringLiteral("Harbour & Quay");
        b.Location = QStringLiteral("Pier 3");
        b.Grid = 100;
        b.Area = QStringLiteral("Deck <north>");
        b.Engineer = QStringLiteral("J. O'Neill");
        b.Customer = QStringLiteral("\"Port\" Authority");
        b.Note = QStringLiteral("a<b & c");
        b.BarSeries = 0;
        b.BarSize = 16;
        b.GaugeSerialNumber = QStringLiteral("K27-0042");
        b.GaugeType = 1;
        b.Temperature = TemperatureNotRecorded;
        b.BarGrade = 2;
    }

    // The fixture's text with one replacement, written as a batch file.
    QString Variant(const QString &from, const QString &to) const
    {
        QString text = QString::fromUtf8(ReadWholeFile(TestDataFile(QStringLiteral("BatchCover2x3.vcb"))));
        EXPECT_TRUE(text.contains(from)) << from.toStdString();
        text.replace(from, to);
        const QString name = Temp(QStringLiteral("Variant.vcb"));
        WriteFileAtomic(name, text.toUtf8());
        return name;
    }
};
} // namespace

TEST_F(BatchFile, WritesTheFixtureByteForByteInAnyLocale)
{
    const QByteArray expected = ReadWholeFile(TestDataFile(QStringLiteral("BatchCover2x3.vcb")));
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::French)}) {
        QLocale::setDefault(locale);
        TBatchItem b;
        FillExpected(b);
        b.ID = QStringLiteral("ignored");
        const QString name = Temp(b.FileName());
        b.SaveToFile(name);
        EXPECT_EQ(ReadWholeFile(name), expected) << locale.name().toStdString();
    }
}

TEST_F(BatchFile, ReadsTheFixtureAndWritesItBackUnchanged)
{
    QLocale::setDefault(QLocale(QLocale::German)); // decimal comma must not matter
    const QString source = TestDataFile(QStringLiteral("BatchCover2x3.vcb"));
    TBatchItem b;
    b.LoadFromFile(source);
    TBatchItem expected;
    FillExpected(expected);
    EXPECT_EQ(b.ID, QStringLiteral("BatchCover2x3"));
    EXPECT_EQ(b.Path, QStringLiteral(ORVALIS_TEST_DATA "/"));
    EXPECT_EQ(b.Note, expected.Note);
    EXPECT_EQ(b.Customer, expected.Customer);
    EXPECT_EQ(b.Engineer, expected.Engineer);
    EXPECT_EQ(b.Area, expected.Area);
    EXPECT_EQ(b.LowLimit, 12.5);
    EXPECT_EQ(b.GaugeLowLimit, 0.001);
    EXPECT_EQ(b.GaugeType, 1);
    EXPECT_EQ(b.BarGrade, 2);
    EXPECT_TRUE(b.LowLimitApplied);
    EXPECT_FALSE(b.HighLimitApplied);
    EXPECT_EQ(b.CreationDate, expected.CreationDate);
    EXPECT_EQ(DateTimeToFileText(b.UpdateDate), QStringLiteral("2006-03-06 09:05:07"));
    EXPECT_EQ(b.GaugeCellType, QString());
    EXPECT_EQ(b.Value(1, 0), 2);
    EXPECT_EQ(b.MeasureType(0, 1), MeasureTypeOverRange);
    EXPECT_EQ(b.Value(0, 2), 5.25);
    EXPECT_EQ(b.ReadingType(1, 2), ReadingTypeEmpty);
    EXPECT_EQ(b.ValidCount(), 4);

    const QString copy = Temp(b.FileName());
    b.SaveToFile(copy);
    EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(source));
}

TEST_F(BatchFile, MatrixItemsGoInRowOrder)
{
    TBatchItem b;
    FillBatch(b, BatchTypeCover, BatchFormatGrid, 2, 3, {V(1), V(2), V(3), V(4), V(5), V(6)});
    XmlDocument doc;
    b.SaveToXml(doc.Nodes);
    const XmlNodeList &c = doc.Nodes.FindByName(QStringLiteral("Batch")).Children();
    EXPECT_EQ(c.FindByName(QStringLiteral("DataValue")).Text, QStringLiteral("1,2,3,4,5,6"));
    EXPECT_EQ(c.Count(), 37);

    TBatchItem back;
    back.LoadFromXml(doc.Nodes);
    EXPECT_EQ(back.Value(1, 1), 4);
    EXPECT_EQ(back.Value(0, 2), 5);
}

TEST_F(BatchFile, ValuesKeepFifteenDigitsWithAPoint)
{
    QLocale::setDefault(QLocale(QLocale::German));
    const double values[] = {12.5, 0.1 + 0.2, 1e-5, -0.0, 123456789012345.0, 1e20, -2147483647, 1.0 / 3};
    const char *texts[] = {"12.5", "0.3", "1E-5", "0", "123456789012345", "1E20", "-2147483647", "0.333333333333333"};
    TBatchItem b;
    std::vector<TCell> cells;
    for (double v : values)
        cells.push_back(V(v));
    FillBatch(b, BatchTypeCover, BatchFormatLinear, 1, 8, cells);
    XmlDocument doc;
    b.SaveToXml(doc.Nodes);
    const QStringList items = doc.Nodes.Items(0).Children().FindByName(QStringLiteral("DataValue")).Text.split(QLatin1Char(','));
    ASSERT_EQ(items.size(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(items[i], QString::fromLatin1(texts[i]));
    TBatchItem back;
    back.LoadFromXml(doc.Nodes);
    EXPECT_EQ(back.Value(0, 0), 12.5);
    EXPECT_EQ(back.Value(0, 2), 1e-5);
    EXPECT_EQ(back.Value(0, 6), -2147483647);
}

TEST_F(BatchFile, OlderFileWithoutGaugeCellTypeAndInWindows1252)
{
    TBatchItem b;
    b.LoadFromFile(TestDataFile(QStringLiteral("BatchHalfCellOld.vch")));
    EXPECT_EQ(b.BatchType, BatchTypeHalfCell);
    EXPECT_EQ(b.FileExtension(), QStringLiteral(".vch"));
    EXPECT_EQ(b.GaugeCellType, QStringLiteral("CU/CUSO4"));
    EXPECT_EQ(b.Site, QString::fromUtf8("Straßenbrücke"));
    EXPECT_EQ(b.Temperature, 18.5);
    EXPECT_EQ(b.MeasureType(0, 1), MeasureTypeUnderRange);
    EXPECT_EQ(b.ReadingPositions(), 3);
    EXPECT_EQ(b.Mean(), (-310.5 - 180) / 2);
    // Written back, the element appears, in UTF-8.
    b.SaveToFile(Temp(QStringLiteral("x.vch")));
    const QByteArray bytes = ReadWholeFile(Temp(QStringLiteral("x.vch")));
    EXPECT_TRUE(bytes.contains("  <GaugeCellType>CU/CUSO4</GaugeCellType>\r\n  <DataReadingType>"));
    EXPECT_TRUE(bytes.contains(QString::fromUtf8("Straßenbrücke").toUtf8()));
}

TEST_F(BatchFile, IDComesFromTheTrimmedFileName)
{
    TBatchItem b;
    FillBatch(b, BatchTypeCover, BatchFormatGrid, 1, 1, {V(3)});
    b.ID = QStringLiteral("  Wall 2.east ");
    const QString name = Temp(b.FileName());
    EXPECT_TRUE(name.endsWith(QStringLiteral("/Wall 2.east.vcb")));
    b.SaveToFile(name);
    TBatchItem back;
    back.LoadFromFile(name);
    EXPECT_EQ(back.ID, QStringLiteral("Wall 2.east")); // up to the last "."
    EXPECT_EQ(back.Path, QDir(Home.Path()).absolutePath() + QLatin1Char('/'));
}

TEST_F(BatchFile, EmptyBatchWritesEmptyMatrices)
{
    TBatchItem b;
    b.CreationDate = b.UpdateDate = EncodeDateTime(2020, 1, 2);
    XmlDocument doc;
    b.SaveToXml(doc.Nodes);
    const QString text = doc.SaveToText();
    EXPECT_TRUE(text.contains(QStringLiteral("  <DataReadingType></DataReadingType>\r\n  <DataMeasureType></DataMeasureType>\r\n  <DataValue></DataValue>\r\n</Batch>\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("<CreationDate>2020-01-02 00:00:00</CreationDate>")));
    TBatchItem back;
    FillBatch(back, BatchTypeCover, BatchFormatGrid, 2, 2, {V(1)});
    back.LoadFromXml(doc.Nodes);
    EXPECT_FALSE(back.HasCells());
    EXPECT_EQ(back.ValidCount(), 0);
}

TEST_F(BatchFile, CommaTextRules)
{
    struct Case {
        const char *Text;
        double Cell3;   // value of the fourth cell (column 1, row 1)
    };
    const Case cases[] = {
        {"1,2,3,4", 4},
        {" 1, 2 ,3,\t4 ", 4},        // blanks around items are skipped
        {"1 2 3 4", 4},              // an unquoted blank ends an item too
        {"\"1\",\"2\",3,\"4\"", 4},  // quoted items
        {"1,2,3,4,5,6,x,\"", 4},     // items beyond the matrix are ignored, even malformed ones
    };
    // The fixture cut down to two columns by two rows, with the value matrix under test.
    QString base = QString::fromUtf8(ReadWholeFile(TestDataFile(QStringLiteral("BatchCover2x3.vcb"))));
    base.replace(QStringLiteral("<Rows>3</Rows>"), QStringLiteral("<Rows>2</Rows>"));
    base.replace(QStringLiteral("0,0,0,0,0,1<"), QStringLiteral("0,0,0,0<"));
    base.replace(QStringLiteral("0,0,1,0,0,0<"), QStringLiteral("0,0,1,0<"));
    for (const Case &c : cases) {
        QString text = base;
        text.replace(QStringLiteral("1,2,2147483647,4,5.25,0"), XmlEncode(QString::fromLatin1(c.Text)));
        XmlDocument doc;
        doc.Parse(text);
        TBatchItem b;
        EXPECT_EQ(MessageOf([&] { b.LoadFromXml(doc.Nodes); }), QString()) << c.Text;
        ASSERT_TRUE(b.HasCells());
        EXPECT_EQ(b.Value(1, 1), c.Cell3) << c.Text;
    }
}

TEST_F(BatchFile, BadInputFailsWithAClearMessage)
{
    struct Case {
        const char *From;
        const char *To;
        const char *Message; // start of the expected message
    };
    const Case cases[] = {
        {"2006-03-05 14:20:00", "2006-3-5 14:20:00", "The batch file's CreationDate \"2006-3-5 14:20:00\" is not a valid date"},
        {"2006-03-05 14:20:00", "2006-02-30 14:20:00", "The batch file's CreationDate"},
        {"2006-03-06 09:05:07", "2006-03-06 24:00:00", "The batch file's UpdateDate"},
        {"<CreationDate>2006-03-05 14:20:00</CreationDate>", "", "The batch file's CreationDate \"\""},
        {"<Batch>", "<Batches>", "The batch file's CreationDate"},
        {"0,0,0,0,0,1<", "0,0,x,0,0,1<", "The batch file's DataReadingType holds an invalid item \"x\" at position 3"},
        {"0,0,1,0,0,0<", "0,0,1.5,0,0,0<", "The batch file's DataMeasureType holds an invalid item \"1.5\""},
        {"1,2,2147483647,4,5.25,0<", "1,2,2147483647,4,5;25,0<", "The batch file's DataValue holds an invalid item \"5;25\" at position 5"},
        {"1,2,2147483647,4,5.25,0<", "1,2,1e999,4,5,0<", "The batch file's DataValue holds an invalid item \"1e999\""},
        {"1,2,2147483647,4,5.25,0<", "1,2,nan,4,5,0<", "The batch file's DataValue holds an invalid item \"nan\""},
        {"1,2,2147483647,4,5.25,0<", "1,,3,4,5,0<", "The batch file's DataValue holds an invalid item \"\" at position 2"},
        {"1,2,2147483647,4,5.25,0<", "1,2,3,4,5<", "The batch file's DataValue holds 5 items where 6 cells are expected"},
        {"<DataValue>1,2,2147483647,4,5.25,0</DataValue>", "", "The batch file's DataValue holds 0 items"},
        {"<Columns>2</Columns>", "<Columns>-2</Columns>", "The batch file's size of -2 columns by 3 rows is not valid"},
        {"<Rows>3</Rows>", "<Rows>600000</Rows>", "The batch file's size of 2 columns by 600000 rows is not valid"},
        {"<Columns>2</Columns>", "<Columns>2147483647</Columns>", "The batch file's size of 2147483647 columns"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.To);
        const QString name = Variant(QString::fromLatin1(c.From), QString::fromLatin1(c.To));
        TBatchItem b;
        FillBatch(b, BatchTypeHalfCell, BatchFormatGrid, 1, 1, {V(-42)});
        b.ID = QStringLiteral("Before");
        b.Path = QStringLiteral("/before/");
        const QString message = MessageOf([&] { b.LoadFromFile(name); });
        EXPECT_TRUE(message.startsWith(QString::fromUtf8(c.Message))) << message.toStdString();
        // A failed load leaves the record as it was.
        EXPECT_EQ(b.ID, QStringLiteral("Before"));
        EXPECT_EQ(b.Path, QStringLiteral("/before/"));
        EXPECT_EQ(b.BatchType, BatchTypeHalfCell);
        EXPECT_EQ(b.Value(0, 0), -42);
    }
    TBatchItem b;
    EXPECT_FALSE(MessageOf([&] { b.LoadFromFile(Temp(QStringLiteral("missing.vcb"))); }).isEmpty());
    // Paths that are not files fail at once instead of reading for ever (a device) or blocking
    // (a pipe without writer).
    const QString fifo = Temp(QStringLiteral("pipe.vcb"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {QStringLiteral("/dev/zero"), fifo, Home.Path()})
        EXPECT_TRUE(MessageOf([&] { b.LoadFromFile(path); }).contains(QStringLiteral("not a file"))) << path.toStdString();
}

TEST_F(BatchFile, SaveReplacesAtomically)
{
    TBatchItem b;
    FillBatch(b, BatchTypeCover, BatchFormatGrid, 1, 1, {V(3)});
    const QString name = Temp(QStringLiteral("A.vcb"));
    WriteFileAtomic(name, QByteArray("old content"));
    b.SaveToFile(name);
    EXPECT_TRUE(ReadWholeFile(name).startsWith("<?xml version=\"1.0\"?>\r\n<Batch>\r\n  <Slot>0</Slot>\r\n"));
    QDir dir(Home.Path());
    EXPECT_EQ(dir.entryList(QStringList{QStringLiteral("A.vcb*")}, QDir::Files | QDir::Hidden), QStringList{QStringLiteral("A.vcb")});
    EXPECT_FALSE(MessageOf([&] { b.SaveToFile(Temp(QStringLiteral("no/such/folder/B.vcb"))); }).isEmpty());
}

TEST_F(BatchFile, ShippedSamplesLoadAndWriteBackUnchanged)
{
    const QString local = QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Local/");
    const QStringList names = QDir(local).entryList(QStringList{QStringLiteral("*.vcb"), QStringLiteral("*.vch")}, QDir::Files);
    ASSERT_GE(names.size(), 3);
    bool grid = false, halfCell = false, linear = false;
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        TBatchItem b;
        b.LoadFromFile(local + name);
        EXPECT_EQ(b.Readings, b.ValidCount());
        EXPECT_TRUE(b.FileName() == name);
        grid = grid || (b.BatchType == BatchTypeCover && b.BatchFormat == BatchFormatGrid && b.Columns >= 20
                        && b.Rows >= 10 && b.LowLimitApplied && b.CountBelowLow() > 0 && b.CountAboveHigh() > 0
                        && b.CountOverRange() > 0 && b.CountUnderRange() > 0);
        halfCell = halfCell || (b.BatchType == BatchTypeHalfCell && b.BatchFormat == BatchFormatGrid);
        linear = linear || (b.BatchType == BatchTypeCover && b.BatchFormat == BatchFormatLinear);
        const QString copy = Temp(name);
        b.SaveToFile(copy);
        EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(local + name));
    }
    EXPECT_TRUE(grid);
    EXPECT_TRUE(halfCell);
    EXPECT_TRUE(linear);
}
