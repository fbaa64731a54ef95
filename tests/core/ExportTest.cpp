#include "BiffReader.h"
#include "ExportTestSupport.h"
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitExport.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"
#include "UnitDateTime.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <map>

namespace {

class ExportTest : public IsolatedTest {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QString Out(const QString &name) const { return Home.Path() + QLatin1Char('/') + name; }
};

// The non-empty cells of a summary grid in the order the binary workbook writes them.
std::vector<TBiffCell> ExpectedBiffCells(const TSummaryGrid &grid)
{
    std::vector<TBiffCell> cells;
    for (int c = 0; c < grid.ColumnCount; ++c)
        for (int r = 0; r < grid.RowCount; ++r) {
            const QVariant &v = grid.Cell(r, c);
            if (!v.isValid())
                continue;
            const bool number = v.typeId() == QMetaType::Double;
            cells.push_back({r, c, 21, number, number ? v.toDouble() : 0,
                             number ? QByteArray() : EncodeWindows1252(v.toString())});
        }
    return cells;
}

struct TXmlCell {
    int Row, Column;
    QString Type, Data;
};
struct TXmlSheet {
    QString Name;
    int Rows = 0;
    std::vector<TXmlCell> Cells;
};

// Reads an XML spreadsheet with Qt's XML reader; fails the test when it is not well formed.
std::vector<TXmlSheet> ReadXmlSpreadsheet(const QByteArray &bytes)
{
    std::vector<TXmlSheet> sheets;
    QXmlStreamReader xml(bytes);
    int row = 0, column = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attrs = xml.attributes();
        const QString ss = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");
        if (xml.name() == QLatin1String("Worksheet")) {
            sheets.push_back({attrs.value(ss, QStringLiteral("Name")).toString(), 0, {}});
        } else if (xml.name() == QLatin1String("Row")) {
            row = attrs.value(ss, QStringLiteral("Index")).toInt();
            ++sheets.back().Rows;
        } else if (xml.name() == QLatin1String("Cell")) {
            column = attrs.value(ss, QStringLiteral("Index")).toInt();
        } else if (xml.name() == QLatin1String("Data")) {
            const QString type = attrs.value(ss, QStringLiteral("Type")).toString();
            sheets.back().Cells.push_back({row, column, type, xml.readElementText()});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return sheets;
}

} // namespace

TEST_F(ExportTest, XlsHasOneSheetPerBatchWithTheSummaryCells)
{
    TBatchList list;
    FillThreeBatches(list);
    const QString file = Out(QStringLiteral("three.xls"));
    list.ExportXls(file);

    const QByteArray bytes = ReadWholeFile(file);
    bool ok = false;
    const auto records = ReadBiff(bytes, &ok);
    ASSERT_TRUE(ok);
    const auto sheets = BiffSheets(records);
    ASSERT_EQ(sheets.size(), 3u);
    const QByteArray names[] = {"Wall 1 (Cover)", "Deck & <Pier> (Half Cell)", "Slab (Cover)"};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(sheets[k].Name, names[k]);
        EXPECT_EQ(sheets[k].DeclaredSize, sheets[k].ActualSize);
        const auto expected = ExpectedBiffCells(list.Items(k)->SummaryGrid());
        ASSERT_EQ(sheets[k].Cells.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const TBiffCell &got = sheets[k].Cells[i], &want = expected[i];
            EXPECT_EQ(got.Row, want.Row);
            EXPECT_EQ(got.Column, want.Column);
            EXPECT_EQ(got.Format, 21);
            EXPECT_EQ(got.IsNumber, want.IsNumber);
            EXPECT_EQ(got.Number, want.Number);
            EXPECT_EQ(got.Text, want.Text);
        }
    }
    std::vector<QByteArray> nameRecords;
    for (const auto &r : records)
        if (r.Type == 0x0085)
            nameRecords.push_back(r.Text8(0));
    EXPECT_EQ(nameRecords, (std::vector<QByteArray>{names[0], names[1], names[2]}));

    // The half-cell sheet: readings laid out below the 30 header rows; over range, under range,
    // empty cells.
    auto cellAt = [&](int sheet, int row, int column) -> const TBiffCell * {
        for (const auto &c : sheets[sheet].Cells)
            if (c.Row == row && c.Column == column)
                return &c;
        return nullptr;
    };
    ASSERT_NE(cellAt(1, 30, 1), nullptr);
    EXPECT_EQ(cellAt(1, 30, 1)->Text, QByteArray(">>"));
    ASSERT_NE(cellAt(1, 31, 0), nullptr);
    EXPECT_EQ(cellAt(1, 31, 0)->Text, QByteArray("<<"));
    EXPECT_EQ(cellAt(1, 31, 1), nullptr) << "an empty cell is not written";
    ASSERT_NE(cellAt(1, 30, 0), nullptr);
    EXPECT_TRUE(cellAt(1, 30, 0)->IsNumber);
    EXPECT_DOUBLE_EQ(cellAt(1, 30, 0)->Number, -250);
    for (int row : {18, 19, 20}) {
        ASSERT_NE(cellAt(1, row, 1), nullptr) << row;
        EXPECT_EQ(cellAt(1, row, 1)->Text, QByteArray()) << row;
    }
    ASSERT_NE(cellAt(1, 28, 1), nullptr);
    EXPECT_TRUE(cellAt(1, 28, 1)->Text.endsWith(EncodeWindows1252(TemperatureUnitName())));
    EXPECT_TRUE(cellAt(1, 28, 1)->Text.startsWith("21")) << cellAt(1, 28, 1)->Text.toStdString();
    ASSERT_NE(cellAt(1, 29, 1), nullptr);
    EXPECT_EQ(cellAt(1, 29, 1)->Text, QByteArray("CU/CUSO4"));
    ASSERT_NE(cellAt(1, 12, 1), nullptr);
    EXPECT_EQ(cellAt(1, 12, 1)->Text, QByteArray("Caf\xE9 & <Co> \x80"));
}

TEST_F(ExportTest, XmlIsWellFormedWithEveryRowAndCell)
{
    TBatchList list;
    FillThreeBatches(list);
    const QString file = Out(QStringLiteral("three.xml"));
    list.ExportXml(file);
    const QByteArray bytes = ReadWholeFile(file);

    // CR LF line ends, UTF-8 without an encoding declaration.
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\"?>\r\n<Workbook "));
    EXPECT_TRUE(bytes.endsWith("</Workbook>\r\n"));
    EXPECT_FALSE(bytes.contains("\n") && bytes.count("\n") != bytes.count("\r\n"));

    const auto sheets = ReadXmlSpreadsheet(bytes);
    ASSERT_EQ(sheets.size(), 3u);
    const QString names[] = {QStringLiteral("Wall 1 (Cover)"), QStringLiteral("Deck & <Pier> (Half Cell)"),
                             QStringLiteral("Slab (Cover)")};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(sheets[k].Name, names[k]);
        const TSummaryGrid grid = list.Items(k)->SummaryGrid();
        EXPECT_EQ(sheets[k].Rows, grid.RowCount) << "every row is written, also empty ones";
        std::vector<TXmlCell> expected;
        for (int r = 0; r < grid.RowCount; ++r)
            for (int c = 0; c < grid.ColumnCount; ++c) {
                const QVariant &v = grid.Cell(r, c);
                if (!v.isValid())
                    continue;
                const bool number = v.typeId() == QMetaType::Double;
                expected.push_back({r + 1, c + 1, number ? QStringLiteral("Number") : QStringLiteral("String"),
                                    number ? QString::number(v.toDouble(), 'g', 15) : v.toString()});
            }
        ASSERT_EQ(sheets[k].Cells.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(sheets[k].Cells[i].Row, expected[i].Row);
            EXPECT_EQ(sheets[k].Cells[i].Column, expected[i].Column);
            EXPECT_EQ(sheets[k].Cells[i].Type, expected[i].Type);
            EXPECT_EQ(sheets[k].Cells[i].Data, expected[i].Data);
        }
    }
    // Escaped texts, the empty String cell of a half-cell bar row.
    EXPECT_TRUE(bytes.contains("<Worksheet ss:Name=\"Deck &amp; &lt;Pier&gt; (Half Cell)\">"));
    EXPECT_TRUE(bytes.contains("<Data ss:Type=\"String\">Caf\xC3\xA9 &amp; &lt;Co&gt; \xE2\x82\xAC</Data>"));
    EXPECT_TRUE(bytes.contains("<Data ss:Type=\"String\"></Data>"));
    EXPECT_TRUE(bytes.contains("<Data ss:Type=\"String\">&gt;&gt;</Data>"));
}

TEST_F(ExportTest, XmlMatchesTheStoredExample)
{
    TBatchList list;
    TBatchItem &b = *list.Add();
    FillExampleBatch(b);
    const QString file = Out(QStringLiteral("example.xml"));
    list.ExportXml(file);
    // The dates are shown in the user's format and time zone; the stored file names them.
    QString expected = QString::fromUtf8(ReadWholeFile(TestDataFile(QStringLiteral("export/example.xml"))));
    expected.replace(QStringLiteral("@CreationDate@"), DateTimeToDisplayText(b.CreationDate));
    expected.replace(QStringLiteral("@UpdateDate@"), DateTimeToDisplayText(b.UpdateDate));
    EXPECT_EQ(QString::fromUtf8(ReadWholeFile(file)), expected);
}

TEST_F(ExportTest, NumbersUseAPointUnderACommaLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TBatchList list;
    FillExampleBatch(*list.Add());
    list.ExportXml(Out(QStringLiteral("de.xml")));
    const QByteArray xml = ReadWholeFile(Out(QStringLiteral("de.xml")));
    EXPECT_TRUE(xml.contains("<Data ss:Type=\"Number\">12.5</Data>")) << xml.toStdString();
    EXPECT_FALSE(xml.contains("<Data ss:Type=\"Number\">12,5</Data>"));
}

TEST_F(ExportTest, TheExtensionChoosesTheForm)
{
    TBatchList list;
    FillExampleBatch(*list.Add());
    struct {
        const char *name;
        const char *starts;
    } cases[] = {
        {"a.xls", "\x09\x04"},
        {"b.XLS", "\x09\x04"},
        {"c.xml", "<?xml"},
        {"d.XML", "<?xml"},
        {"e.xlsx", "PK\x03\x04"},
        {"f.XLSX", "PK\x03\x04"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList written = ExportSpreadsheet(list, Out(QString::fromLatin1(c.name)));
        ASSERT_EQ(written, QStringList{Out(QString::fromLatin1(c.name))});
        EXPECT_TRUE(ReadWholeFile(written.first()).startsWith(c.starts));
    }
    // CSV: one file per batch, named after its sheet.
    EXPECT_EQ(ExportSpreadsheet(list, Out(QStringLiteral("g.CSV"))), QStringList{Out(QStringLiteral("g-Example (Cover).csv"))});
    // The workbooks are written through temporary files: none is left behind.
    const QStringList left = QDir(Home.Path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_TRUE(left.filter(QStringLiteral("tmp")).isEmpty() && left.filter(QStringLiteral(".part")).isEmpty()) << left.join(QLatin1Char(' ')).toStdString();

    // Any other extension writes nothing and says why.
    QDir dir(Home.Path());
    const QStringList before = dir.entryList(QDir::Files);
    for (const char *name : {"g.txt", "h", "i.xls.bak", "j.ods", "k.xlsm", "l.tsv"}) {
        try {
            ExportSpreadsheet(list, Out(QString::fromLatin1(name)));
            ADD_FAILURE() << name << " was accepted";
        } catch (const Exception &e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral(".xls"))) << e.Message().toStdString();
        }
    }
    EXPECT_EQ(dir.entryList(QDir::Files), before);
}

TEST_F(ExportTest, SheetNamesAreValidAndUnique)
{
    struct {
        const char *id;
        int type;
        const char *name;
    } cases[] = {
        {"Wall 1", 0, "Wall 1 (Cover)"},
        {"Wall 1", 0, "Wall 1 (Cover) (2)"},
        {"wall 1", 0, "wall 1 (Cover) (3)"},
        {"Wall 1", 1, "Wall 1 (Half Cell)"},
        {"a/b\\c:d*e?f[g]", 0, "a_b_c_d_e_f_g_ (Cover)"},
        {"A very long batch identifier indeed", 0, "A very long batch identifier in"},
        {"A very long batch identifier indeed", 0, "A very long batch identifie (2)"},
        {"'quoted'", 1, "_quoted' (Half Cell)"},
        {"Tom & <Jerry>", 0, "Tom & <Jerry> (Cover)"},
    };
    TBatchList list;
    for (const auto &c : cases) {
        TBatchItem *b = list.Add();
        b->ID = QString::fromLatin1(c.id);
        b->BatchType = static_cast<std::uint8_t>(c.type);
    }
    const QStringList names = ExportSheetNames(list);
    ASSERT_EQ(names.size(), static_cast<qsizetype>(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(names[static_cast<int>(i)], QString::fromLatin1(cases[i].name)) << i;
}

TEST_F(ExportTest, AnEmptyListWritesNothing)
{
    TBatchList list;
    for (const char *name : {"e.xls", "e.xml", "e.xlsx", "e.csv"})
        EXPECT_THROW(ExportSpreadsheet(list, Out(QString::fromLatin1(name))), Exception) << name;
    EXPECT_TRUE(QDir(Home.Path()).entryList(QDir::Files).isEmpty());
}

namespace {

// Converts every sheet of a file to CSV with Gnumeric's ssconvert; returns the texts by sheet.
QStringList GnumericSheets(const QString &ssconvert, const QString &file, const QString &outDir)
{
    QDir().mkpath(outDir);
    QProcess p;
    p.start(ssconvert, {QStringLiteral("-S"), file, outDir + QStringLiteral("/%n.csv")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        ADD_FAILURE() << "ssconvert failed on " << file.toStdString() << ": "
                      << p.readAllStandardError().toStdString();
        return {};
    }
    QStringList sheets;
    for (int n = 0;; ++n) {
        QFile f(outDir + QStringLiteral("/%1.csv").arg(n));
        if (!f.open(QIODevice::ReadOnly))
            break;
        sheets << QString::fromUtf8(f.readAll());
    }
    return sheets;
}

} // namespace

TEST_F(ExportTest, EveryFormOpensInGnumericWithTheSameCells)
{
    const QString ssconvert = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
    if (ssconvert.isEmpty())
        GTEST_SKIP() << "ssconvert (gnumeric) is not installed";
    TBatchList list;
    FillThreeBatches(list);
    for (const char *name : {"all.xls", "all.xml", "all.xlsx"})
        ExportSpreadsheet(list, Out(QString::fromLatin1(name)));
    const QStringList csvFiles = ExportSpreadsheet(list, Out(QStringLiteral("all.csv")));

    std::map<QString, QStringList> byForm;
    for (const char *form : {"xls", "xml", "xlsx"})
        byForm[QString::fromLatin1(form)] =
            GnumericSheets(ssconvert, Out(QStringLiteral("all.") + QString::fromLatin1(form)),
                           Out(QStringLiteral("gnumeric-") + QString::fromLatin1(form)));
    // Each CSV file read back by Gnumeric gives the sheet of its batch.
    ASSERT_EQ(csvFiles, (QStringList{Out(QStringLiteral("all-Wall 1 (Cover).csv")), Out(QStringLiteral("all-Deck & <Pier> (Half Cell).csv")),
                                     Out(QStringLiteral("all-Slab (Cover).csv"))}));
    for (int k = 0; k < csvFiles.size(); ++k)
        byForm[QStringLiteral("csv")] << GnumericSheets(ssconvert, csvFiles[k], Out(QStringLiteral("gnumeric-csv%1").arg(k))).value(0);

    const QStringList &xls = byForm[QStringLiteral("xls")];
    ASSERT_EQ(xls.size(), 3);
    for (const auto &[form, sheets] : byForm) {
        SCOPED_TRACE(form.toStdString());
        ASSERT_EQ(sheets.size(), 3);
        for (int k = 0; k < 3; ++k) {
            if (form != QLatin1String("csv")) {
                EXPECT_EQ(sheets[k], xls[k]) << "sheet " << k;
                continue;
            }
            // Reading CSV, Gnumeric turns date texts into dates of its own form: the dates are
            // compared as the files hold them instead.
            const auto withoutDates = [](const QString &sheet) {
                QStringList lines = sheet.split(QLatin1Char('\n'));
                lines.removeIf([](const QString &l) { return l.contains(QLatin1String("Date\",")); });
                return lines;
            };
            EXPECT_EQ(withoutDates(sheets[k]), withoutDates(xls[k])) << "sheet " << k;
            const QString raw = QString::fromUtf8(ReadWholeFile(csvFiles[k]));
            for (const QString &line : xls[k].split(QLatin1Char('\n')))
                if (line.contains(QLatin1String("Date\","))) {
                    const QString date = line.section(QLatin1Char(','), 1, 1).remove(QLatin1Char('"'));
                    EXPECT_TRUE(raw.contains(QLatin1Char(',') + date)) << line.toStdString();
                }
        }
    }
    // What a user sees in the half-cell sheet.
    const QString deck = xls[1];
    EXPECT_TRUE(deck.startsWith(QStringLiteral("\"Batch ID\",\"Deck & <Pier>\"\n"))) << deck.toStdString();
    EXPECT_TRUE(deck.contains(QStringLiteral("\nSite,\"Caf\u00e9 & <Co> \u20ac\"\n")));
    EXPECT_TRUE(deck.contains(QStringLiteral("\n\"Cell Type\",CU/CUSO4\n")));
    EXPECT_TRUE(deck.endsWith(QStringLiteral("\n-250,>>\n<<,\n"))) << deck.toStdString();
    EXPECT_TRUE(xls[0].contains(QStringLiteral("\nMean,12.5,\n"))) << xls[0].toStdString();

    // Sheet names as Gnumeric reads them.
    for (const char *form : {"xls", "xml", "xlsx"}) {
        QProcess p;
        const QString dir = Out(QStringLiteral("names-") + QString::fromLatin1(form));
        QDir().mkpath(dir);
        p.start(ssconvert, {QStringLiteral("-S"), Out(QStringLiteral("all.") + QString::fromLatin1(form)),
                            dir + QStringLiteral("/%s.csv")});
        ASSERT_TRUE(p.waitForFinished(120000));
        QStringList files = QDir(dir).entryList(QDir::Files, QDir::Name);
        EXPECT_EQ(files, (QStringList{QStringLiteral("Deck & <Pier> (Half Cell).csv"), QStringLiteral("Slab (Cover).csv"),
                                      QStringLiteral("Wall 1 (Cover).csv")}))
            << form;
    }
}

TEST_F(ExportTest, CsvQuotesAsRfc4180InUtf8)
{
    TBatchList list;
    TBatchItem &b = *list.Add();
    FillExampleBatch(b);
    b.Site = QStringLiteral("Quay \"North\", Caf\u00e9 \u20ac");
    b.Note = QStringLiteral("line one\nline two");
    const QStringList files = ExportSpreadsheet(list, Out(QStringLiteral("q.csv")));
    ASSERT_EQ(files.size(), 1);
    const QByteArray bytes = ReadWholeFile(files.first());
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Batch ID,Example\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nSite,\"Quay \"\"North\"\", Caf\u00e9 \u20ac\"\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nNote,\"line one\nline two\"\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nMean,12.5\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
}

TEST_F(ExportTest, XlsxAndCsvNumbersUseAPointUnderACommaCLocale)
{
    TCommaLocale comma;
    ASSERT_TRUE(comma.Available());
    TBatchList list;
    FillExampleBatch(*list.Add());
    list.ExportXlsx(Out(QStringLiteral("de.xlsx")));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), Out(QStringLiteral("de.xlsx")), QStringLiteral("xl/worksheets/sheet1.xml")});
    ASSERT_TRUE(unzip.waitForFinished(60000));
    const QByteArray sheet = unzip.readAllStandardOutput();
    ASSERT_FALSE(sheet.isEmpty()) << "unzip failed";
    EXPECT_TRUE(sheet.contains("<v>12.5</v>")) << sheet.toStdString();
    EXPECT_FALSE(sheet.contains("12,5"));
    const QStringList csv = list.ExportCsv(Out(QStringLiteral("de.csv")));
    EXPECT_TRUE(ReadWholeFile(csv.first()).contains("\r\nMean,12.5\r\n"));
}

TEST_F(ExportTest, XlsxOpensInLibreOffice)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (LibreOffice) is not installed";
    TBatchList list;
    FillExampleBatch(*list.Add());
    list.ExportXlsx(Out(QStringLiteral("lo.xlsx")));
    QProcess p;
    p.setWorkingDirectory(Home.Path());
    p.start(soffice, {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + Home.Path() + QStringLiteral("/lo"),
                      QStringLiteral("--convert-to"), QStringLiteral("csv"), QStringLiteral("--outdir"), Out(QStringLiteral("lo")),
                      Out(QStringLiteral("lo.xlsx"))});
    ASSERT_TRUE(p.waitForFinished(180000));
    const QString text = QString::fromUtf8(ReadWholeFile(Out(QStringLiteral("lo/lo.csv"))));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Batch ID,Example"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nMean,12.5"))) << text.toStdString();
}
