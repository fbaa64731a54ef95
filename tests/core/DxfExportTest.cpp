#include "DxfReadBack.h"
#include "ExportTestSupport.h"
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitExport.h"
#include "UnitReadingLook.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <algorithm>
#include <map>

namespace {

class DxfExportTest : public IsolatedTest {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QString Out(const QString &name) const { return Home.Path() + QLatin1Char('/') + name; }

    // Exports one batch and reads the drawing back.
    TDxfCollector ExportAndRead(const TBatchItem &batch, const QString &name)
    {
        TBatchList list;
        *list.Add() = batch;
        const QStringList written = ExportSpreadsheet(list, Out(name));
        EXPECT_EQ(written, QStringList{Out(name)});
        TDxfCollector dxf;
        EXPECT_TRUE(ReadDxf(Out(name), dxf)) << "dxflib cannot read " << name.toStdString();
        return dxf;
    }
};

// A half-cell grid of 3 × 3 cells at 200 mm, the low limit -350 mV applied:
//   -400  -300   >>
//   -400  -300   <<
//   -250  (empty) -100
// Only the top-left square has four valid corners, so the -350 isoline is the single segment
// across it, halfway between -400 and -300: from (100, 0) to (100, -200) in the drawing. No
// square without an empty or out-of-range corner reaches -200, so that level draws nothing.
TBatchItem SurveyGrid()
{
    TBatchItem b;
    b.ID = QStringLiteral("Deck 3");
    b.BatchType = BatchTypeHalfCell;
    b.BatchFormat = BatchFormatGrid;
    b.CellType = QStringLiteral("CU/CUSO4");
    b.CreationDate = EncodeDateTime(2024, 3, 5, 14, 30, 0);
    b.UpdateDate = EncodeDateTime(2024, 3, 6, 9, 15, 45);
    b.Site = QString::fromUtf8("Caf\u00e9 \u20ac");
    b.Location = QString::fromUtf8("Pier\nNorth \u03a9");
    b.LowLimit = -350;
    b.LowLimitApplied = true;
    b.HighLimit = 0;
    b.Grid = 200;
    b.Temperature = TemperatureNotRecorded;
    b.Columns = 3;
    b.Rows = 3;
    b.SetSize();
    SetCells(b, {V(-400), V(-300), Over(), V(-400), V(-300), Under(), V(-250), E(), V(-100)});
    return b;
}

bool Near(const QPointF &a, const QPointF &b) { return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6; }

QPointF Centre(const TDxfEntity &e)
{
    double x = 0, y = 0;
    for (const QPointF &p : e.Points) {
        x += p.x();
        y += p.y();
    }
    return QPointF(x / e.Points.size(), y / e.Points.size());
}

} // namespace

TEST_F(DxfExportTest, GridDrawingHasItsLayersCellsTextsAndIsolines)
{
    const TDxfCollector dxf = ExportAndRead(SurveyGrid(), QStringLiteral("deck.dxf"));
    EXPECT_EQ(dxf.Layers, (std::vector<std::string>{"0", "Grid", "Cells", "Readings", "Contour -350", "Contour -200",
                                                    "Title"}));

    // Every position outlined: a closed square of 200 mm around (c × 200, −r × 200).
    const auto outlines = dxf.OnLayer("Grid");
    ASSERT_EQ(outlines.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        const int c = k % 3, r = k / 3;
        EXPECT_EQ(outlines[k].Type, "POLYLINE");
        EXPECT_TRUE(outlines[k].Closed);
        ASSERT_EQ(outlines[k].Points.size(), 4u);
        EXPECT_TRUE(Near(Centre(outlines[k]), QPointF(c * 200.0, -r * 200.0)));
        const auto [minX, maxX] = std::minmax({outlines[k].Points[0].x(), outlines[k].Points[2].x()});
        EXPECT_NEAR(maxX - minX, 200, 1e-6);
    }

    // One filled cell and one text per reading, none for the empty cell; the colour map's
    // pass/fail colours (green, red below the low limit and under range), true colour and index.
    struct TExpected {
        int Column, Row;
        const char *Text;
        int Colour24, Colour;
    } expected[] = {
        {0, 0, "-400", 0xFF0000, 1}, {1, 0, "-300", 0x00FF00, 3}, {2, 0, ">>", 0x00FF00, 3},
        {0, 1, "-400", 0xFF0000, 1}, {1, 1, "-300", 0x00FF00, 3}, {2, 1, "<<", 0xFF0000, 1},
        {0, 2, "-250", 0x00FF00, 3}, {2, 2, "-100", 0x00FF00, 3},
    };
    const auto cells = dxf.OnLayer("Cells");
    const auto texts = dxf.OnLayer("Readings");
    ASSERT_EQ(cells.size(), std::size(expected));
    ASSERT_EQ(texts.size(), std::size(expected));
    for (size_t k = 0; k < std::size(expected); ++k) {
        const TExpected &e = expected[k];
        SCOPED_TRACE(e.Text);
        const QPointF centre(e.Column * 200.0, -e.Row * 200.0);
        EXPECT_EQ(cells[k].Type, "SOLID");
        EXPECT_TRUE(Near(Centre(cells[k]), centre));
        EXPECT_EQ(cells[k].Colour24, e.Colour24);
        EXPECT_EQ(cells[k].Colour, e.Colour);
        // Corners first, second, then across: the square is filled, not a bow tie.
        EXPECT_TRUE(Near(cells[k].Points[0], centre + QPointF(-100, 100)));
        EXPECT_TRUE(Near(cells[k].Points[1], centre + QPointF(100, 100)));
        EXPECT_TRUE(Near(cells[k].Points[2], centre + QPointF(-100, -100)));
        EXPECT_TRUE(Near(cells[k].Points[3], centre + QPointF(100, -100)));
        EXPECT_EQ(texts[k].Type, "TEXT");
        EXPECT_EQ(texts[k].Text, e.Text);
        EXPECT_TRUE(Near(texts[k].Points[0], centre));
        EXPECT_GT(texts[k].Height, 0);
    }

    // The isolines, hand-worked above.
    const auto low = dxf.OnLayer("Contour -350");
    ASSERT_EQ(low.size(), 1u);
    ASSERT_EQ(low[0].Points.size(), 2u);
    const auto [first, second] = std::minmax(low[0].Points[0], low[0].Points[1], [](const QPointF &a, const QPointF &b) {
        return a.y() > b.y();
    });
    EXPECT_TRUE(Near(first, QPointF(100, 0))) << first.x() << " " << first.y();
    EXPECT_TRUE(Near(second, QPointF(100, -200))) << second.x() << " " << second.y();
    EXPECT_TRUE(dxf.OnLayer("Contour -200").empty());

    // The title, in the drawing's code page (Windows-1252) with an escape for what it lacks, one
    // line per text (a line break becomes a blank), above the first row.
    std::vector<std::string> title;
    for (const TDxfEntity &e : dxf.OnLayer("Title")) {
        title.push_back(e.Text);
        EXPECT_GT(e.Points[0].y(), 100);
    }
    const std::vector<std::string> wanted = {
        "Batch: Deck 3 (Half Cell)", "Site: Caf\xE9 \x80", "Location: Pier North \\U+03A9",
        ("Created: " + DateTimeToDisplayText(EncodeDateTime(2024, 3, 5, 14, 30, 0)) +
         ", updated: " + DateTimeToDisplayText(EncodeDateTime(2024, 3, 6, 9, 15, 45)))
            .toStdString(),
        "Units: mV"};
    for (const std::string &line : wanted)
        EXPECT_NE(std::find(title.begin(), title.end(), line), title.end()) << line;
}

TEST_F(DxfExportTest, LinearBatchIsOneRowAlongX)
{
    TBatchItem b;
    b.ID = QStringLiteral("Beam");
    b.BatchType = BatchTypeCover;
    b.BatchFormat = BatchFormatLinear;
    b.HighLimit = 40;
    b.HighLimitApplied = true;
    b.Grid = 150;
    b.Columns = 1;
    b.Rows = 1000;
    b.SetSize();
    SetCells(b, {V(25), V(52), E(), Over()});
    const TDxfCollector dxf = ExportAndRead(b, QStringLiteral("beam.dxf"));
    // No isolines along a line.
    EXPECT_EQ(dxf.Layers, (std::vector<std::string>{"0", "Grid", "Cells", "Readings", "Title"}));
    // The positions up to the last reading, the empty one outlined but neither filled nor written.
    const auto outlines = dxf.OnLayer("Grid");
    ASSERT_EQ(outlines.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(Near(Centre(outlines[k]), QPointF(k * 150.0, 0))) << k;
    const auto cells = dxf.OnLayer("Cells");
    const auto texts = dxf.OnLayer("Readings");
    ASSERT_EQ(cells.size(), 3u);
    ASSERT_EQ(texts.size(), 3u);
    // Over range counts as above the high limit, as on the colour map.
    const double xs[] = {0, 150, 450};
    const char *values[] = {"25", "52", ">>"};
    const int colours[] = {0x00FF00, 0xFF0000, 0xFF0000};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(Near(Centre(cells[k]), QPointF(xs[k], 0)));
        EXPECT_EQ(cells[k].Colour24, colours[k]);
        EXPECT_TRUE(Near(texts[k].Points[0], QPointF(xs[k], 0)));
        EXPECT_EQ(texts[k].Text, values[k]);
    }
}

TEST_F(DxfExportTest, SeveralBatchesGetOneDrawingEachNamedAsTheCsvFiles)
{
    EXPECT_EQ(ExportFormOf(QStringLiteral("plan.DXF")), TExportForm::Dxf);
    EXPECT_TRUE(ExportDialogFilter(QString()).contains(QStringLiteral("(*.dxf)")));
    EXPECT_TRUE(ExportDialogFilter(QStringLiteral("old.dxf")).startsWith(QStringLiteral("AutoCAD DXF")));
    EXPECT_EQ(ExportDefaultSuffix(QStringLiteral("old.dxf")), QStringLiteral("dxf"));

    TBatchList list;
    FillThreeBatches(list);
    const QStringList written = ExportSpreadsheet(list, Out(QStringLiteral("plan.dxf")));
    const QStringList csv = ExportSpreadsheet(list, Out(QStringLiteral("plan.csv")));
    ASSERT_EQ(written.size(), 3);
    ASSERT_EQ(csv.size(), 3);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(QFileInfo(written[k]).completeBaseName(), QFileInfo(csv[k]).completeBaseName());
        EXPECT_EQ(QFileInfo(written[k]).suffix(), QStringLiteral("dxf"));
        TDxfCollector dxf;
        ASSERT_TRUE(ReadDxf(written[k], dxf));
        const TBatchItem &b = *list.Items(k);
        size_t readings = 0;
        for (int c = 0; c < b.Columns; ++c)
            for (int r = 0; r < b.Rows; ++r)
                readings += ReadingIsEmpty(b, c, r) ? 0 : 1;
        EXPECT_EQ(dxf.OnLayer("Readings").size(), readings) << "one text per reading, none for empty cells";
    }
    EXPECT_EQ(QFileInfo(written[0]).fileName(), QStringLiteral("plan-Wall 1 (Cover).dxf"));
    // dxflib's own file is gone; the plain name is written only for a single batch.
    const QStringList left = QDir(Home.Path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_TRUE(left.filter(QStringLiteral(".part")).isEmpty()) << left.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(left.contains(QStringLiteral("plan.dxf")));

    // An empty list writes nothing and says why.
    TBatchList none;
    EXPECT_THROW(ExportSpreadsheet(none, Out(QStringLiteral("none.dxf"))), Exception);
    EXPECT_FALSE(QFileInfo::exists(Out(QStringLiteral("none.dxf"))));
}

TEST_F(DxfExportTest, NumbersUseAPointUnderACommaCLocale)
{
    TCommaLocale comma;
    ASSERT_TRUE(comma.Available());
    TBatchItem b = SurveyGrid();
    b.Grid = 12.5;
    const TDxfCollector dxf = ExportAndRead(b, QStringLiteral("comma.dxf"));
    const auto outlines = dxf.OnLayer("Grid");
    ASSERT_EQ(outlines.size(), 9u);
    EXPECT_TRUE(Near(Centre(outlines[4]), QPointF(12.5, -12.5)));
    EXPECT_TRUE(Near(outlines[0].Points[0], QPointF(-6.25, -6.25)));
    EXPECT_FALSE(ReadWholeFile(Out(QStringLiteral("comma.dxf"))).contains("6,25"));
}

TEST_F(DxfExportTest, EzdxfAuditFindsNoError)
{
    // Debian's interpreter, where python3-ezdxf is installed.
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                                  : QStringLiteral("python3");
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import ezdxf")});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        GTEST_SKIP() << "python3-ezdxf is not installed (apt-get install python3-ezdxf)";

    TBatchList list;
    *list.Add() = SurveyGrid();
    const QString file = Out(QStringLiteral("audit.dxf"));
    ExportSpreadsheet(list, file);
    const char *script = R"(
import sys, ezdxf
from ezdxf.lldxf.encoding import decode_dxf_unicode
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
for e in auditor.errors:
    print('ERROR', e.code, e.message)
print('version', doc.dxfversion)
print('layers', '|'.join(sorted(layer.dxf.name for layer in doc.layers)))
msp = doc.modelspace()
print('solids', len(msp.query('SOLID[layer=="Cells"]')))
print('texts', len(msp.query('TEXT[layer=="Readings"]')))
print('truecolour', sorted({hex(e.dxf.true_color) for e in msp.query('SOLID') if e.dxf.hasattr('true_color')}))
print('title', [decode_dxf_unicode(t.dxf.text) for t in msp.query('TEXT[layer=="Title"]') if t.dxf.text.startswith(('Site', 'Location'))])
print('units', doc.header.get('$INSUNITS'))
)";
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    p.setProcessEnvironment(env);
    p.start(python, {QStringLiteral("-c"), QString::fromLatin1(script), file});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("ERROR"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("version AC1015\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("layers 0|Cells|Contour -200|Contour -350|Defpoints|Grid|Readings|Title\n")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("solids 8\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("texts 8\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("truecolour ['0xff00', '0xff0000']\n"))) << out.toStdString();
    // The code page the header names, and the escapes beyond it as CAD programs read them.
    EXPECT_TRUE(out.contains(QString::fromUtf8("title ['Site: Caf\u00e9 \u20ac', 'Location: Pier North \u03a9']\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("units 4\n"))) << out.toStdString();
}
