#include "CliRun.h"
#include "TestSupport.h"
#include "UnitStorage.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSize>
#include <QRegularExpression>

namespace {
TCliRun RunReport(const QStringList &args) { return RunCli(QStringList{QStringLiteral("report")} + args); }

QString Shipped(const char *path) { return QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/") + QString::fromUtf8(path); }

// Width and height from a baseline JPEG's frame header.
QSize JpegSize(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    const qsizetype i = b.indexOf(QByteArray("\xFF\xC0", 2));
    if (i < 0 || i + 9 > b.size())
        return {};
    const auto u16 = [&](qsizetype at) { return (static_cast<uchar>(b[at]) << 8) | static_cast<uchar>(b[at + 1]); };
    return QSize(u16(i + 7), u16(i + 5));
}

QString Tool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class CliReportTest : public IsolatedTest {};

TEST_F(CliReportTest, ShippedCoverReportToPdf)
{
    const QString out = Home.Path() + QStringLiteral("/cover.pdf");
    const TCliRun run = RunReport({QStringLiteral("--report"), Shipped("Reports/Cover Survey Report.vcr"),
                                      Shipped("Local/Deck Soffit 00001.vcb"), QStringLiteral("-o"), out});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, out + QLatin1Char('\n'));
    const QString info = Tool(QStringLiteral("pdfinfo"), {out});
    // 24 x 12 cells, 10 rows a sheet: the map continues on a second page.
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +2\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Cover Survey Report\\n"))));
    const QString text = Tool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Site: Harbour Road Bridge"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2")));

    // One page, numbered as in the whole report.
    const QString one = Home.Path() + QStringLiteral("/one.pdf");
    ASSERT_EQ(RunReport({QStringLiteral("--report"), Shipped("Reports/Cover Survey Report.vcr"),
                         Shipped("Local/Deck Soffit 00001.vcb"), QStringLiteral("-o"), one, QStringLiteral("--page"),
                         QStringLiteral("2")})
                  .ExitCode,
              0);
    EXPECT_TRUE(Tool(QStringLiteral("pdfinfo"), {one}).contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
    EXPECT_TRUE(Tool(QStringLiteral("pdftotext"), {one, QStringLiteral("-")}).contains(QStringLiteral("Page 2")));
}

TEST_F(CliReportTest, HalfCellReportToJpeg)
{
    const QString out = Home.Path() + QStringLiteral("/half.jpg");
    const TCliRun run = RunReport({QStringLiteral("--report"), Shipped("Settings/Half Cell Summary.vcr"),
                                      Shipped("Local/Deck Soffit 00001.vch"), Shipped("Local/Parapet Run 00002.vcb"),
                                      QStringLiteral("-o"), out});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QString first = Home.Path() + QStringLiteral("/half_1.jpg");
    EXPECT_TRUE(run.Out.startsWith(first + QLatin1Char('\n')));
    EXPECT_EQ(JpegSize(first), QSize(724, 1024));
}

TEST_F(CliReportTest, ClearErrors)
{
    const QString out = Home.Path() + QStringLiteral("/x.pdf");
    struct TCase {
        QStringList Args;
        const char *Message;
    };
    const TCase cases[] = {
        {{QStringLiteral("--report"), Shipped("Reports/Cover Survey Report.vcr"), QStringLiteral("-o"), out}, "Usage"},
        {{QStringLiteral("--report"), Shipped("Reports/Cover Survey Report.vcr"), Shipped("Local/Deck Soffit 00001.vcb"),
          QStringLiteral("-o"), Home.Path() + QStringLiteral("/x.png")},
         ".pdf or .jpg"},
        {{QStringLiteral("--report"), Shipped("Reports/Cover Survey Report.vcr"), Shipped("Local/Deck Soffit 00001.vch"),
          QStringLiteral("-o"), out},
         "no page"},
        {{QStringLiteral("--report"), Shipped("Reports/Cover Survey Report.vcr"), Shipped("Local/Deck Soffit 00001.vcb"),
          QStringLiteral("-o"), out, QStringLiteral("--page"), QStringLiteral("9")},
         "Page does not exist"},
        {{QStringLiteral("--report"), Home.Path() + QStringLiteral("/none.vcr"), Shipped("Local/Deck Soffit 00001.vcb"),
          QStringLiteral("-o"), out},
         ""},
    };
    for (const auto &c : cases) {
        const TCliRun run = RunReport(c.Args);
        EXPECT_NE(run.ExitCode, 0) << c.Message;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.Message;
    }
}

TEST_F(CliReportTest, UsesTheSettingsOfTheStorageRootOrTheNamedFile)
{
    // The first page made an inner page whose memo shows the threshold and the units.
    QByteArray design = ReadWholeFile(TestDataFile(QStringLiteral("ReportTwoPages.vcr")));
    design.replace("<PageType>0</PageType>", "<PageType>1</PageType>");
    design.replace("<Text>Cover survey\r\n[Site] &amp; &lt;[Location]&gt;</Text>", "<Text>T=[Threshold] U=[Units]</Text>");
    ASSERT_TRUE(design.contains("T=[Threshold]"));
    const QString report = Home.Path() + QStringLiteral("/t.vcr");
    WriteFileAtomic(report, design);
    const auto memoText = [&](const QStringList &extra) {
        const QString out = Home.Path() + QStringLiteral("/t.pdf");
        const TCliRun run = RunReport(QStringList{QStringLiteral("--report"), report, Shipped("Local/Deck Soffit 00001.vcb"),
                                                     QStringLiteral("-o"), out} + extra);
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        return Tool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")}).simplified();
    };
    EXPECT_TRUE(memoText({}).contains(QStringLiteral("T=0 U=mm")));
    QDir().mkpath(QFileInfo(SettingsFileName()).path());
    WriteFileAtomic(SettingsFileName(), "<Settings><ThresholdCover>35</ThresholdCover><CoverUnits>0</CoverUnits></Settings>");
    EXPECT_TRUE(memoText({}).contains(QStringLiteral("T=35 U=mm")));
    const QString other = Home.Path() + QStringLiteral("/other.xml");
    WriteFileAtomic(other, "<Settings><ThresholdCover>25.4</ThresholdCover><CoverUnits>1</CoverUnits></Settings>");
    EXPECT_TRUE(memoText({QStringLiteral("--settings"), other}).contains(QStringLiteral("T=1.00 U=in")));
    // A named file that cannot be read is an error.
    const TCliRun bad = RunReport({QStringLiteral("--report"), report, Shipped("Local/Deck Soffit 00001.vcb"),
                                      QStringLiteral("-o"), Home.Path() + QStringLiteral("/x.pdf"), QStringLiteral("--settings"),
                                      Home.Path() + QStringLiteral("/none.xml")});
    EXPECT_NE(bad.ExitCode, 0);
}

TEST_F(CliReportTest, ReportByNameFromMyReports)
{
    const QString root = Home.Path() + QStringLiteral("/root/");
    WriteStorageRoot(root);
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("Reports")));
    ASSERT_TRUE(QFile::copy(Shipped("Reports/Cover Survey Report.vcr"), root + QStringLiteral("Reports/Deck Survey.vcr")));
    const QString out = Home.Path() + QStringLiteral("/named.pdf");
    const TCliRun run = RunReport({QStringLiteral("--name"), QStringLiteral("DECK survey"),
                                      Shipped("Local/Deck Soffit 00001.vcb"), QStringLiteral("-o"), out});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QString info = Tool(QStringLiteral("pdfinfo"), {out});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +2\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Deck Survey\\n")))) << info.toStdString();

    struct TCase {
        QStringList Args;
        const char *Message;
    };
    const TCase cases[] = {
        {{QStringLiteral("--name"), QStringLiteral("Cover Survey Report"), Shipped("Local/Deck Soffit 00001.vcb"),
          QStringLiteral("-o"), out},
         "Report does not exist"},
        {{QStringLiteral("--name"), QStringLiteral("Deck Survey"), QStringLiteral("--report"),
          Shipped("Reports/Cover Survey Report.vcr"), Shipped("Local/Deck Soffit 00001.vcb"), QStringLiteral("-o"), out},
         "Usage"},
    };
    QFile::remove(out);
    for (const auto &c : cases) {
        const TCliRun failed = RunReport(c.Args);
        EXPECT_NE(failed.ExitCode, 0) << c.Message;
        EXPECT_TRUE(failed.Err.contains(QString::fromUtf8(c.Message))) << failed.Err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.Message;
    }
}

TEST_F(CliReportTest, PagesSpeakTheMachineLanguage)
{
    // The chart legends are the program's own texts; a machine set to a language gets them in it.
    const struct {
        const char *LocaleId, *HighLimit;
    } languages[] = {{"1031", "Oberer Grenzwert"}, {"1036", "Limite haute"}, {"3082", "Límite superior"}, {"1040", "Limite superiore"}};
    for (const auto &language : languages) {
        SCOPED_TRACE(language.LocaleId);
        MachineConfigStore()->setValue(QStringLiteral("Language/LocaleID"), QString::fromLatin1(language.LocaleId));
        MachineConfigStore()->sync();
        const QString out = Home.Path() + QStringLiteral("/") + QString::fromLatin1(language.LocaleId) + QStringLiteral(".pdf");
        const TCliRun run = RunReport({QStringLiteral("--report"), Shipped("Reports/Cover Survey Report.vcr"),
                                          Shipped("Local/Deck Soffit 00001.vcb"), QStringLiteral("-o"), out,
                                          QStringLiteral("--page"), QStringLiteral("1")});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        const QString text = Tool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
        EXPECT_TRUE(text.contains(QString::fromUtf8(language.HighLimit))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("High Limit")));
    }
}
