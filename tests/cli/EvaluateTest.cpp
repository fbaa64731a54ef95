#include "TestBatchCells.h"
#include "CliRun.h"
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitEvaluation.h"

#include <QFile>
#include <QSize>
#include <QtEndian>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

QSize PngSize(const QByteArray &png)
{
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.size() < 24)
        return QSize();
    return QSize(qFromBigEndian<qint32>(png.constData() + 16), qFromBigEndian<qint32>(png.constData() + 20));
}

QString Sample(const char *name) { return QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Local/") + QString::fromUtf8(name); }

class CliEvaluate : public IsolatedTest {
protected:
    // A grid batch saved in the test's home, its readings row by row.
    QString Save(const char *name, std::uint8_t type, int columns, int rows, const std::vector<TCell> &cells,
                 const QString &cellType = QString())
    {
        TBatchItem b;
        b.BatchType = type;
        b.Columns = columns;
        b.Rows = rows;
        b.Grid = 100;
        b.CellType = cellType;
        b.SetSize();
        SetCells(b, cells);
        const QString file = Home.Path() + QLatin1Char('/') + QLatin1String(name) + b.FileExtension();
        b.SaveToFile(file);
        return file;
    }
};
} // namespace

TEST_F(CliEvaluate, JsonOfHalfCellAndCoverBatches)
{
    std::vector<TCell> nineteen;
    for (int i = 0; i < 19; ++i)
        nineteen.push_back(V(30 + i));
    const QString few = Save("Few", BatchTypeCover, 5, 4, nineteen);
    const QString half =
        Save("Classes", BatchTypeHalfCell, 3, 2, {V(-100), V(-250), E(), V(-400), V(-420), Over()}, QStringLiteral("CU/CUSO4"));
    const QString sample = Sample("Deck Soffit 00001.vch");
    const TCliRun run = RunCli({QStringLiteral("evaluate"), QStringLiteral("--json"), half, few, sample});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonArray a = QJsonDocument::fromJson(run.Out.toUtf8()).array();
    ASSERT_EQ(a.size(), 3);

    const QJsonObject h = a[0].toObject();
    EXPECT_EQ(h[QStringLiteral("ID")].toString(), QStringLiteral("Classes"));
    const QJsonObject classes = h[QStringLiteral("CorrosionClasses")].toObject();
    EXPECT_EQ(classes[QStringLiteral("Low")].toInt(), 1);
    EXPECT_EQ(classes[QStringLiteral("Intermediate")].toInt(), 1);
    EXPECT_EQ(classes[QStringLiteral("High")].toInt(), 2);
    EXPECT_DOUBLE_EQ(h[QStringLiteral("PercentLow")].toDouble(), 25);
    EXPECT_DOUBLE_EQ(h[QStringLiteral("PercentIntermediate")].toDouble(), 25);
    EXPECT_DOUBLE_EQ(h[QStringLiteral("PercentHigh")].toDouble(), 50);
    EXPECT_FALSE(h.contains(QStringLiteral("Quantile5")));

    // Nineteen readings 30 .. 48 mm: values, but no acceptance answer.
    const QJsonObject c = a[1].toObject();
    EXPECT_NEAR(c[QStringLiteral("Quantile5")].toDouble(), 30.9, 1e-9);  // rank 18 x 0.05
    EXPECT_NEAR(c[QStringLiteral("Quantile10")].toDouble(), 31.8, 1e-9); // rank 1.8
    TBatchItem fewBatch;
    fewBatch.LoadFromFile(few);
    EXPECT_NEAR(c[QStringLiteral("NormalQuantile5")].toDouble(), fewBatch.Mean() - 1.645 * fewBatch.StandardDeviation(), 1e-9);
    ASSERT_TRUE(c.contains(QStringLiteral("Quantile5MeetsLowLimit")));
    EXPECT_TRUE(c[QStringLiteral("Quantile5MeetsLowLimit")].isNull());
    EXPECT_FALSE(c.contains(QStringLiteral("CorrosionClasses")));

    // The shipped half-cell sample, against the evaluation run here.
    TBatchItem s;
    s.LoadFromFile(sample);
    const TCorrosionClasses k = CorrosionClasses(s);
    const QJsonObject so = a[2].toObject();
    EXPECT_EQ(so[QStringLiteral("ID")].toString(), QStringLiteral("Deck Soffit 00001"));
    EXPECT_EQ(so[QStringLiteral("CorrosionClasses")].toObject()[QStringLiteral("High")].toInt(), k.Count[ccHigh]);
    EXPECT_EQ(k.Count[ccLow] + k.Count[ccIntermediate] + k.Count[ccHigh], s.ValidCount());
}

TEST_F(CliEvaluate, AcceptanceTestInJsonAndText)
{
    std::vector<TCell> twenty;
    for (int i = 0; i < 20; ++i)
        twenty.push_back(V(20 + 2 * i)); // 5 % quantile 21.9 mm
    TBatchItem b;
    b.BatchType = BatchTypeCover;
    b.Columns = 5;
    b.Rows = 4;
    b.SetSize();
    SetCells(b, twenty);
    b.LowLimitApplied = true;
    struct Case {
        double Limit;
        bool Meets;
        const char *Text;
    };
    for (const Case &c : {Case{22, true, "5 % Quantile Meets Low Limit: Yes (Low Limit 22 mm)"},
                          Case{25, false, "5 % Quantile Meets Low Limit: No (Low Limit 25 mm)"}}) {
        b.LowLimit = c.Limit;
        const QString file = Home.Path() + QStringLiteral("/Accept.vcb");
        b.SaveToFile(file);
        const TCliRun json = RunCli({QStringLiteral("evaluate"), QStringLiteral("--json"), file});
        ASSERT_EQ(json.ExitCode, 0) << json.Err.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(json.Out.toUtf8()).array()[0].toObject();
        EXPECT_EQ(o[QStringLiteral("Quantile5MeetsLowLimit")].toBool(!c.Meets), c.Meets);
        const TCliRun text = RunCli({QStringLiteral("evaluate"), file});
        ASSERT_EQ(text.ExitCode, 0);
        EXPECT_TRUE(text.Out.contains(QLatin1String(c.Text))) << text.Out.toStdString();
        EXPECT_TRUE(text.Out.contains(QLatin1String("5 % Quantile: 21.9 mm"))) << text.Out.toStdString();
        EXPECT_TRUE(text.Out.contains(QLatin1String("10 % Quantile: 23.8 mm")));
    }
}

TEST_F(CliEvaluate, TextFormForAPerson)
{
    const QString half =
        Save("Ag", BatchTypeHalfCell, 2, 2, {V(-100), V(-150), V(-250), V(-300)}, QStringLiteral("AG/AGCL"));
    const TCliRun run = RunCli({QStringLiteral("evaluate"), half});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    // -100 -> -181 (Low), -150 -> -231, -250 -> -331 (Intermediate), -300 -> -381 (High).
    for (const char *line : {"Batch ID: Ag", "Cell Type: AG/AGCL", "Valid Readings: 4",
                             "Low: 1 (25.0 %) - more positive than -200 mV, corrosion unlikely",
                             "Intermediate: 2 (50.0 %) - -200 mV to -350 mV",
                             "High: 1 (25.0 %) - more negative than -350 mV, corrosion likely",
                             "Readings shifted by -81 mV from AG/AGCL to CU/CUSO4 before classing."})
        EXPECT_TRUE(run.Out.contains(QLatin1String(line))) << line << "\n" << run.Out.toStdString();
}

TEST_F(CliEvaluate, FailuresAreReportedPerFile)
{
    const QString good = Save("Good", BatchTypeCover, 1, 1, {V(30)});
    const TCliRun run = RunCli({QStringLiteral("evaluate"), Home.Path() + QStringLiteral("/missing.vcb"), good});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(QLatin1String("missing.vcb"))) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QLatin1String("Batch ID: Good")));
    EXPECT_TRUE(run.Out.contains(QLatin1String("5 % Quantile Meets Low Limit: no low limit applied")));
    EXPECT_EQ(RunCli({QStringLiteral("evaluate")}).ExitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("evaluate"), QStringLiteral("--bogus"), good}).ExitCode, 2);
}

TEST_F(CliEvaluate, CumulativeAndDifferenceCharts)
{
    const QString earlier = Save("Earlier", BatchTypeCover, 3, 2, {V(30), V(35), E(), V(40), Over(), V(50)});
    const QString later = Save("Later", BatchTypeCover, 3, 2, {V(28), E(), V(33), V(44), V(45), V(47)});
    const QString other = Save("Other", BatchTypeCover, 2, 3, {V(28)});
    const struct {
        QStringList Args;
        const char *Out;
    } cases[] = {
        {{"cumulative", Sample("Deck Soffit 00001.vch"), "--legend", "--grid"}, "cumulative.png"},
        {{"cumulative", Sample("Deck Soffit 00001.vcb"), "--units", "in", "--colour", "#aa0000"}, "cumulative.svg"},
        {{"difference", earlier, later, "--cell-text", "--method", "threshold"}, "difference.png"},
        {{"difference", earlier, later, "--grey", "--grid-lines", "--grid-spacing", "cell"}, "difference.pdf"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Out);
        const QString out = Home.Path() + QLatin1Char('/') + QLatin1String(c.Out);
        const TCliRun r = RunCli(QStringList{QStringLiteral("chart")} + c.Args + QStringList{"-o", out, "--size", "640x480"});
        EXPECT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        if (out.endsWith(QLatin1String(".png"))) {
            EXPECT_EQ(PngSize(bytes), QSize(640, 480));
        } else if (out.endsWith(QLatin1String(".svg"))) {
            EXPECT_TRUE(bytes.contains("<svg"));
        } else {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
        }
    }
    const TCliRun bad = RunCli({QStringLiteral("chart"), QStringLiteral("difference"), earlier, other, QStringLiteral("-o"),
                             Home.Path() + QStringLiteral("/bad.png")});
    EXPECT_NE(bad.ExitCode, 0);
    EXPECT_TRUE(bad.Err.contains(QLatin1String("The surveys do not have the same grid (3 x 2 and 2 x 3)"))) << bad.Err.toStdString();
    EXPECT_FALSE(QFile::exists(Home.Path() + QStringLiteral("/bad.png")));
    EXPECT_NE(RunCli({QStringLiteral("chart"), QStringLiteral("difference"), earlier, QStringLiteral("-o"),
                      Home.Path() + QStringLiteral("/one.png")})
                  .ExitCode,
              0);
}

namespace {
QString Tool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString Shipped(const char *path) { return QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/") + QString::fromUtf8(path); }

int PdfPages(const QString &pdf)
{
    const QString info = Tool(QStringLiteral("pdfinfo"), {pdf});
    for (const QString &line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}
} // namespace

TEST_F(CliEvaluate, ShippedEvaluationReportsToPdf)
{
    struct Case {
        const char *Report;
        const char *Batch;
        const char *Title;
    };
    for (const Case &c : {Case{"Reports/Half Cell Evaluation Report.vcr", "Local/Deck Soffit 00001.vch", "Half Cell Evaluation Report"},
                          Case{"Reports/Cover Evaluation Report.vcr", "Local/Deck Soffit 00001.vcb", "Cover Evaluation Report"}}) {
        SCOPED_TRACE(c.Report);
        TBatchItem batch;
        batch.LoadFromFile(Shipped(c.Batch));
        // An earlier survey of the same grid, every reading a little higher.
        TBatchItem earlier = batch;
        for (int col = 0; col < earlier.Columns; ++col)
            for (int row = 0; row < earlier.Rows; ++row)
                earlier.SetValue(col, row, batch.Value(col, row) + (col + row) % 5);
        const QString earlierFile = Home.Path() + QStringLiteral("/Earlier") + batch.FileExtension();
        earlier.SaveToFile(earlierFile);

        const QString one = Home.Path() + QStringLiteral("/one.pdf");
        const TCliRun alone = RunCli({QStringLiteral("report"), QStringLiteral("--report"), Shipped(c.Report), Shipped(c.Batch),
                                   QStringLiteral("-o"), one});
        ASSERT_EQ(alone.ExitCode, 0) << alone.Err.toStdString();
        // Without an earlier survey the page of changes is left out; the contour map follows.
        EXPECT_EQ(PdfPages(one), 2);
        const QString text = Tool(QStringLiteral("pdftotext"), {one, QStringLiteral("-")});
        EXPECT_TRUE(text.contains(QLatin1String(c.Title))) << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('[')) && text.contains(QLatin1String("Quantile"))) << text.toStdString();
        if (batch.BatchType == BatchTypeHalfCell) {
            const TCorrosionClasses k = CorrosionClasses(batch);
            EXPECT_TRUE(text.contains(QStringLiteral("(corrosion likely): %1 (").arg(k.Count[ccHigh]))) << text.toStdString();
            EXPECT_TRUE(text.contains(QLatin1String("Cumulative %")));
        } else {
            const TCharacteristicCover k = CharacteristicCover(batch);
            ASSERT_TRUE(k.Quantile5);
            EXPECT_TRUE(text.contains(QStringLiteral("5 % quantile: %1 mm").arg(batch.FormatValueFine(*k.Quantile5))))
                << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("reaches the low limit: %1").arg(QuantileCheckText(k.Check))));
        }

        const QString two = Home.Path() + QStringLiteral("/two.pdf");
        const TCliRun both = RunCli({QStringLiteral("report"), QStringLiteral("--report"), Shipped(c.Report), Shipped(c.Batch),
                                  QStringLiteral("--earlier"), earlierFile, QStringLiteral("-o"), two});
        ASSERT_EQ(both.ExitCode, 0) << both.Err.toStdString();
        EXPECT_EQ(PdfPages(two), 3);
        EXPECT_TRUE(Tool(QStringLiteral("pdftotext"), {two, QStringLiteral("-")}).contains(QLatin1String("Change Since the Earlier Survey")));
    }
}
