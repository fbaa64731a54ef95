#include "CliRun.h"
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString Sample(const char *name) { return QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Local/") + QString::fromUtf8(name); }

class CliInfo : public IsolatedTest {};
} // namespace

TEST_F(CliInfo, PrintsHeaderAndStatisticsOfTheSamples)
{
    const TCliRun run = RunCli({QStringLiteral("info"), Sample("Deck Soffit 00001.vcb"), Sample("Deck Soffit 00001.vch"),
                             Sample("Parapet Run 00002.vcb")});
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.isEmpty());
    EXPECT_EQ(run.Out.count(QStringLiteral("Batch ID: ")), 3);
    TBatchItem b;
    b.LoadFromFile(Sample("Deck Soffit 00001.vcb"));
    for (const QString &line :
         {QStringLiteral("Batch ID: Deck Soffit 00001"), QStringLiteral("Batch Type: Half Cell"),
          QStringLiteral("Batch Format: Linear"), QStringLiteral("Site: Harbour Road Bridge"),
          QStringLiteral("Mean: %1 mm").arg(b.FormatValueFine(b.Mean())),
          QStringLiteral("Below Low Limit: %1 (").arg(b.CountBelowLow()), QStringLiteral("Over Range: 3 ("),
          QStringLiteral("Temperature: 14.5°C"), QStringLiteral("Low Limit: -350 mV (applied)")})
        EXPECT_TRUE(run.Out.contains(line)) << line.toStdString();
}

TEST_F(CliInfo, JsonCarriesTheRecordNamesInStoredUnits)
{
    const QStringList files{Sample("Deck Soffit 00001.vcb"), Sample("Parapet Run 00002.vcb")};
    const TCliRun run = RunCli(QStringList{QStringLiteral("info"), QStringLiteral("--json"), QStringLiteral("--units"),
                                        QStringLiteral("imperial")} + files);
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonArray reports = QJsonDocument::fromJson(run.Out.toUtf8()).array();
    ASSERT_EQ(reports.size(), 2);
    // Limits compare at display resolution, so the counts follow the chosen units.
    TCoverUnitsScope inches(1);
    for (int i = 0; i < 2; ++i) {
        TBatchItem b;
        b.LoadFromFile(files[i]);
        const QJsonObject o = reports[i].toObject();
        EXPECT_EQ(o[QStringLiteral("ID")].toString(), b.ID);
        EXPECT_EQ(o[QStringLiteral("BatchType")].toInt(), b.BatchType);
        EXPECT_EQ(o[QStringLiteral("BatchFormat")].toInt(), b.BatchFormat);
        EXPECT_EQ(o[QStringLiteral("Columns")].toInt(), b.Columns);
        EXPECT_EQ(o[QStringLiteral("Rows")].toInt(), b.Rows);
        EXPECT_EQ(o[QStringLiteral("Readings")].toInt(), b.Readings);
        EXPECT_DOUBLE_EQ(o[QStringLiteral("Mean")].toDouble(), b.Mean()); // millimetres, not inches
        EXPECT_DOUBLE_EQ(o[QStringLiteral("StandardDeviation")].toDouble(), b.StandardDeviation());
        EXPECT_EQ(o[QStringLiteral("Max")].toDouble(), b.Max());
        EXPECT_EQ(o[QStringLiteral("Min")].toDouble(), b.Min());
        EXPECT_EQ(o[QStringLiteral("Range")].toDouble(), b.Range());
        EXPECT_EQ(o[QStringLiteral("CountBelowLow")].toInt(), b.CountBelowLow());
        EXPECT_EQ(o[QStringLiteral("CountAboveHigh")].toInt(), b.CountAboveHigh());
        EXPECT_DOUBLE_EQ(o[QStringLiteral("PercentBelowLow")].toDouble(), b.PercentBelowLow());
        EXPECT_DOUBLE_EQ(o[QStringLiteral("PercentAboveHigh")].toDouble(), b.PercentAboveHigh());
        EXPECT_EQ(o[QStringLiteral("CountOverRange")].toInt(), b.CountOverRange());
        EXPECT_EQ(o[QStringLiteral("CountUnderRange")].toInt(), b.CountUnderRange());
        EXPECT_DOUBLE_EQ(o[QStringLiteral("PercentOverRange")].toDouble(), b.PercentOverRange());
        EXPECT_DOUBLE_EQ(o[QStringLiteral("PercentUnderRange")].toDouble(), b.PercentUnderRange());
        EXPECT_EQ(o[QStringLiteral("ReadingPositions")].toInt(), b.ReadingPositions());
        EXPECT_EQ(o[QStringLiteral("LastReadingPosition")].toInt(), b.LastReadingPosition());
        EXPECT_EQ(o[QStringLiteral("HighLimit")].toDouble(), b.HighLimit);
        EXPECT_EQ(o[QStringLiteral("LowLimitApplied")].toBool(), b.LowLimitApplied);
        EXPECT_EQ(o[QStringLiteral("Site")].toString(), b.Site);
        EXPECT_EQ(o[QStringLiteral("CreationDate")].toString(), DateTimeToFileText(b.CreationDate));
    }
}

TEST_F(CliInfo, ImperialUnitsInTheText)
{
    const TCliRun run = RunCli({QStringLiteral("info"), QStringLiteral("--units"), QStringLiteral("imperial"),
                             Sample("Deck Soffit 00001.vcb"), Sample("Deck Soffit 00001.vch")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral("High Limit: 2.95 in (applied)"))) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral("Temperature: 58.1°F")));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("Low Limit: -350 mV (applied)")));
}

TEST_F(CliInfo, ABadFileIsReportedAndTheOthersStillPrinted)
{
    const QString bad = Home.Path() + QStringLiteral("/Broken.vcb");
    QByteArray text = ReadWholeFile(Sample("Parapet Run 00002.vcb"));
    text.replace("<Rows>200</Rows>", "<Rows>2000000</Rows>");
    WriteFileAtomic(bad, text);
    const QString missing = Home.Path() + QStringLiteral("/Missing.vcb");
    const TCliRun run = RunCli({QStringLiteral("info"), bad, Sample("Parapet Run 00002.vcb"), missing});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Out.contains(QStringLiteral("Batch ID: Parapet Run 00002")));
    EXPECT_EQ(run.Out.count(QStringLiteral("Batch ID: ")), 1);
    EXPECT_TRUE(run.Err.contains(bad + QStringLiteral(": The batch file's size of 1 columns by 2000000 rows is not valid")))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(missing + QStringLiteral(": "))) << run.Err.toStdString();

    EXPECT_EQ(RunCli({QStringLiteral("info")}).ExitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("info"), QStringLiteral("--units"), QStringLiteral("cubits"), bad}).ExitCode, 2);
}

TEST_F(CliInfo, HalvesShowAsTheReadingsGridAndTheComparisonSeeThem)
{
    // 12.5 mm and -350.5 mV: the C library would print "12" and "-350" (halves to even).
    TBatchItem cover;
    cover.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    cover.ID = QStringLiteral("Halves");
    cover.Columns = 2;
    cover.Rows = 1;
    cover.SetSize();
    for (int c = 0; c < 2; ++c)
        cover.SetReadingType(c, 0, ReadingTypeReading);
    cover.SetValue(0, 0, 12.5);
    cover.SetValue(1, 0, 20.5);
    cover.Readings = cover.ValidCount();
    cover.HighLimit = 12.5;
    const QString coverFile = Home.Path() + QStringLiteral("/Halves.vcb");
    cover.SaveToFile(coverFile);
    TBatchItem cell;
    cell.SetNewBatchDefaults(BatchTypeHalfCell, BatchFormatGrid);
    cell.ID = QStringLiteral("Cells");
    cell.Columns = 1;
    cell.Rows = 1;
    cell.SetSize();
    cell.SetReadingType(0, 0, ReadingTypeReading);
    cell.SetValue(0, 0, -350.5);
    cell.Readings = 1;
    cell.Temperature = 20.25;
    const QString cellFile = Home.Path() + QStringLiteral("/Cells.vch");
    cell.SaveToFile(cellFile);

    const TCliRun run = RunCli({QStringLiteral("info"), coverFile, cellFile});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    for (const char *line : {"High Limit: 13 mm", "Min: 13 mm", "Max: 21 mm", "Min: -351 mV", "Temperature: 20.3°C"})
        EXPECT_TRUE(run.Out.contains(QString::fromUtf8(line))) << line << "\n" << run.Out.toStdString();
    EXPECT_EQ(cover.FormatValueRounded(12.5), QStringLiteral("13")); // the readings grid's text
}
