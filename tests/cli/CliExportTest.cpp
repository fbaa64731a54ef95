#include "../core/BiffReader.h"
#include "../core/DxfReadBack.h"
#include "../core/ExportTestSupport.h"
#include "CliRun.h"
#include "TestSupport.h"
#include "UnitTextFile.h"

#include <QDir>

namespace {

class CliExportTest : public IsolatedTest {
protected:
    QString Dir() const { return Home.Path() + QStringLiteral("/batches/"); }
    QString Out(const QString &name) const { return Home.Path() + QLatin1Char('/') + name; }

    // Three batch files, returned in the order they are to be exported (not name order).
    QStringList WriteBatchFiles()
    {
        QDir().mkpath(Dir());
        TBatchList list;
        FillThreeBatches(list);
        const QStringList names = {QStringLiteral("Wall 1.vcb"), QStringLiteral("Deck.vch"), QStringLiteral("Slab.vcb")};
        QStringList files;
        for (int k : {2, 0, 1}) {
            files << Dir() + names[k];
            list.Items(k)->SaveToFile(files.last());
        }
        return files;
    }

    int Run(const QStringList &args)
    {
        const TCliRun run = RunCli(QStringList{QStringLiteral("export")} + args, 60000);
        StdOut = run.Out;
        StdErr = run.Err;
        return run.ExitCode;
    }

    QString StdOut, StdErr;
};

} // namespace

TEST_F(CliExportTest, WritesOneSheetPerFileInTheGivenOrder)
{
    ASSERT_FALSE(BuiltProgram(QStringLiteral("orvalis-cli")).isEmpty());
    const QStringList files = WriteBatchFiles();
    ASSERT_EQ(Run(QStringList{Out(QStringLiteral("out.xls"))} + files), 0) << StdErr.toStdString();
    EXPECT_EQ(StdOut, Out(QStringLiteral("out.xls")) + QLatin1Char('\n'));
    const auto sheets = BiffSheets(ReadBiff(ReadWholeFile(Out(QStringLiteral("out.xls")))));
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_EQ(sheets[0].Name, QByteArray("Slab (Cover)"));
    EXPECT_EQ(sheets[1].Name, QByteArray("Wall 1 (Cover)"));
    EXPECT_EQ(sheets[2].Name, QByteArray("Deck (Half Cell)"));
    ASSERT_FALSE(sheets[2].Cells.empty());
    // The batch's path is where its file lies.
    bool pathFound = false;
    for (const auto &c : sheets[2].Cells)
        pathFound |= c.Row == 2 && c.Column == 1 && c.Text == QFile::encodeName(Dir());
    EXPECT_TRUE(pathFound);
}

TEST_F(CliExportTest, ExtensionDecidesWithoutRegardToCase)
{
    const QStringList files = WriteBatchFiles();
    ASSERT_EQ(Run(QStringList{Out(QStringLiteral("OUT.XML"))} + files), 0) << StdErr.toStdString();
    const QByteArray xml = ReadWholeFile(Out(QStringLiteral("OUT.XML")));
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\"?>\r\n"));
    EXPECT_EQ(xml.count("<Worksheet "), 3);

    ASSERT_EQ(Run(QStringList{Out(QStringLiteral("sheets.Xls"))} + files), 0) << StdErr.toStdString();
    EXPECT_TRUE(ReadWholeFile(Out(QStringLiteral("sheets.Xls"))).startsWith("\x09\x04"));

    ASSERT_EQ(Run(QStringList{Out(QStringLiteral("book.XLSX"))} + files), 0) << StdErr.toStdString();
    EXPECT_TRUE(ReadWholeFile(Out(QStringLiteral("book.XLSX"))).startsWith("PK\x03\x04"));

    // CSV: one file per batch, each named on its own output line.
    ASSERT_EQ(Run(QStringList{Out(QStringLiteral("rows.csv"))} + files), 0) << StdErr.toStdString();
    const QStringList written = StdOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(written.size(), 3) << StdOut.toStdString();
    for (const QString &f : written) {
        EXPECT_TRUE(QFileInfo(f).fileName().startsWith(QStringLiteral("rows-"))) << f.toStdString();
        EXPECT_TRUE(ReadWholeFile(f).startsWith("Batch ID,"));
    }
}

TEST_F(CliExportTest, RefusesWithoutWritingAnything)
{
    const QStringList files = WriteBatchFiles();
    struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {QStringList{Out(QStringLiteral("out.txt"))} + files, ".xls"},
        {QStringList{Out(QStringLiteral("out"))} + files, ".xls"},
        {QStringList{Out(QStringLiteral("out.ods"))} + files, ".xlsx"},
        {QStringList{Out(QStringLiteral("out.xls")), Dir() + QStringLiteral("missing.vcb")}, "missing.vcb"},
        {QStringList{Out(QStringLiteral("out.xls"))}, "batch file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        EXPECT_NE(Run(c.args), 0);
        EXPECT_TRUE(StdErr.contains(QString::fromLatin1(c.message))) << StdErr.toStdString();
        EXPECT_EQ(QDir(Home.Path()).entryList(QDir::Files), QStringList());
    }
}

TEST_F(CliExportTest, WritesOneDrawingPerBatch)
{
    const QStringList files = WriteBatchFiles();
    // Several batches: one drawing each, named as the .csv files are, in the given order.
    ASSERT_EQ(Run(QStringList{Out(QStringLiteral("plan.dxf"))} + files), 0) << StdErr.toStdString();
    const QStringList written = StdOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(written, (QStringList{Out(QStringLiteral("plan-Slab (Cover).dxf")), Out(QStringLiteral("plan-Wall 1 (Cover).dxf")),
                                    Out(QStringLiteral("plan-Deck (Half Cell).dxf"))}));
    for (const QString &f : written) {
        SCOPED_TRACE(f.toStdString());
        TDxfCollector dxf;
        ASSERT_TRUE(ReadDxf(f, dxf));
        for (const char *layer : {"Grid", "Cells", "Readings", "Title"})
            EXPECT_NE(std::find(dxf.Layers.begin(), dxf.Layers.end(), layer), dxf.Layers.end()) << layer;
        EXPECT_FALSE(dxf.OnLayer("Readings", "TEXT").empty());
    }
    // One batch: the name given.
    ASSERT_EQ(Run({Out(QStringLiteral("one.DXF")), files[1]}), 0) << StdErr.toStdString();
    EXPECT_EQ(StdOut, Out(QStringLiteral("one.DXF")) + QLatin1Char('\n'));
    TDxfCollector one;
    ASSERT_TRUE(ReadDxf(Out(QStringLiteral("one.DXF")), one));
    std::vector<std::string> texts;
    for (const TDxfEntity &e : one.OnLayer("Readings"))
        texts.push_back(e.Text);
    // "Wall 1": 10, 15, over range, under range; the empty cells have no text.
    EXPECT_EQ(texts, (std::vector<std::string>{"10", "15", ">>", "<<"}));
}
