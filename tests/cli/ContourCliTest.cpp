#include "CliRun.h"
#include "TestBatchCells.h"
#include "TestSupport.h"
#include "UnitBatchList.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtEndian>

namespace {
QString Sample(const char *name) { return QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Local/") + QString::fromUtf8(name); }

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ContourCli : public IsolatedTest {
protected:
    // 0 10 40 / 20 30 60 at 10 mm: one isoline at 25 through (15, 0), (10, 7.5) and (5, 10).
    QString SmallBatch()
    {
        TBatchItem b;
        b.BatchType = BatchTypeCover;
        b.BatchFormat = BatchFormatGrid;
        b.Columns = 3;
        b.Rows = 2;
        b.Grid = 10;
        b.SetSize();
        SetCells(b, {V(0), V(10), V(40), V(20), V(30), V(60)});
        const QString file = Home.Path() + QStringLiteral("/Small.vcb");
        b.SaveToFile(file);
        return file;
    }
};
} // namespace

TEST_F(ContourCli, JsonGivesTheIsolinesInMillimetres)
{
    const TCliRun r = RunCli({"contour", SmallBatch(), "--levels", "25", "--json"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, QStringLiteral("{\"batch\": \"Small\", \"type\": \"Cover\", \"grid_spacing_mm\": 10, \"levels\": "
                                    "[{\"value\": 25, \"lines\": [[[15, 0], [10, 7.5], [5, 10]]]}]}\n"));

    // A step draws every multiple of it within the readings.
    const TCliRun s = RunCli({"contour", SmallBatch(), "--step", "20", "--json"});
    ASSERT_EQ(s.ExitCode, 0) << s.Err.toStdString();
    const QJsonArray levels = QJsonDocument::fromJson(s.Out.toUtf8()).object()[QStringLiteral("levels")].toArray();
    QList<double> values;
    for (const QJsonValue &l : levels)
        values << l.toObject()[QStringLiteral("value")].toDouble();
    EXPECT_EQ(values, (QList<double>{0, 20, 40, 60}));
}

TEST_F(ContourCli, SampleHalfCellSurveyAtTheClassBoundaries)
{
    const TCliRun r = RunCli({"contour", Sample("Deck Soffit 00001.vch"), "--json"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.Out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o[QStringLiteral("batch")].toString(), QStringLiteral("Deck Soffit 00001"));
    EXPECT_EQ(o[QStringLiteral("type")].toString(), QStringLiteral("Half Cell"));
    EXPECT_EQ(o[QStringLiteral("grid_spacing_mm")].toDouble(), 200);
    const QJsonArray levels = o[QStringLiteral("levels")].toArray();
    ASSERT_EQ(levels.size(), 2);
    EXPECT_EQ(levels[0].toObject()[QStringLiteral("value")].toDouble(), -350);
    EXPECT_EQ(levels[1].toObject()[QStringLiteral("value")].toDouble(), -200);
    int lines = 0;
    for (const QJsonValue &level : levels)
        for (const QJsonValue &line : level.toObject()[QStringLiteral("lines")].toArray()) {
            const QJsonArray points = line.toArray();
            ASSERT_GE(points.size(), 2);
            ++lines;
            for (const QJsonValue &p : points) {
                // Inside the grid of cell centres: 24 x 12 cells at 200 mm.
                const double x = p.toArray()[0].toDouble(), y = p.toArray()[1].toDouble();
                EXPECT_TRUE(x >= 0 && x <= 23 * 200 && y >= 0 && y <= 11 * 200) << x << "," << y;
            }
        }
    EXPECT_GT(lines, 0);
}

TEST_F(ContourCli, ChartContourInEachFormatAndTheMessages)
{
    const QString half = Sample("Deck Soffit 00001.vch");
    for (const char *name : {"contour.png", "contour.svg", "contour.pdf"}) {
        SCOPED_TRACE(name);
        const QString out = Home.Path() + QLatin1Char('/') + QLatin1String(name);
        const TCliRun r = RunCli({"chart", "contour", half, "-o", out, "--size", "640x400", "--levels", "-300,-250", "--step", "50"});
        EXPECT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        const QByteArray bytes = ReadAll(out);
        if (out.endsWith(QLatin1String(".png"))) {
            ASSERT_GT(bytes.size(), 24);
            EXPECT_EQ(qFromBigEndian<qint32>(bytes.constData() + 16), 640);
        } else if (out.endsWith(QLatin1String(".svg"))) {
            EXPECT_TRUE(bytes.contains("<svg") && bytes.contains("<path"));
        } else {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
        }
    }
    // A linear batch and wrong levels fail with their message and write nothing.
    const QString run = Sample("Parapet Run 00002.vcb");
    const QString out = Home.Path() + QStringLiteral("/none.png");
    const struct {
        QStringList Args;
        const char *Message;
    } bad[] = {
        {{"contour", run, "--json"}, "Contour maps need a grid batch"},
        {{"chart", "contour", run, "-o", out}, "Contour maps need a grid batch"},
        {{"contour", half, "--levels", "-300,abc", "--json"}, "\"abc\" is not a contour level"},
        {{"contour", half, "--step", "0", "--json"}, "--step"},
        {{"contour", half}, "--json"},
    };
    for (const auto &b : bad) {
        const TCliRun r = RunCli(b.Args);
        EXPECT_NE(r.ExitCode, 0) << b.Args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.Err.contains(QLatin1String(b.Message))) << r.Err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

namespace {
QString Shipped(const char *path) { return QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/") + QString::fromUtf8(path); }

QString Tool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

TEST_F(ContourCli, ShippedEvaluationReportsEndWithTheContourPage)
{
    const struct {
        const char *Report;
        const char *Batch;
        const char *Title;
        const char *Legend; // the legend's lowest band
    } cases[] = {
        {"Reports/Half Cell Evaluation Report.vcr", "Local/Deck Soffit 00001.vch", "Equipotential Contour Map", "below -350"},
        {"Reports/Cover Evaluation Report.vcr", "Local/Deck Soffit 00001.vcb", "Cover Evaluation Report: Contour Map", "below "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Report);
        const QString out = Home.Path() + QStringLiteral("/r.pdf");
        const TCliRun r = RunCli({"report", "--report", Shipped(c.Report), Shipped(c.Batch), "-o", out});
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        // The evaluation page, then the contour page (no earlier survey: no page of changes).
        const QString last = Tool(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2", out, "-"});
        EXPECT_TRUE(last.contains(QLatin1String(c.Title))) << last.toStdString();
        EXPECT_TRUE(last.contains(QLatin1String(c.Legend))) << last.toStdString();
        EXPECT_FALSE(last.contains(QLatin1String("Contour maps need"))) << last.toStdString();
    }

    // A linear batch: the page carries the item's message.
    const QString out = Home.Path() + QStringLiteral("/linear.pdf");
    const TCliRun r = RunCli({"report", "--report", Shipped("Reports/Cover Evaluation Report.vcr"),
                              Shipped("Local/Parapet Run 00002.vcb"), "-o", out});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    const QString text = Tool(QStringLiteral("pdftotext"), {out, "-"});
    EXPECT_TRUE(text.contains(QLatin1String("Contour maps need a grid batch"))) << text.toStdString();
}
