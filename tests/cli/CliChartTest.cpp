#include "CliRun.h"
#include "TestSupport.h"

#include <QFile>
#include <QSize>
#include <QtEndian>

namespace {
TCliRun RunChart(const QStringList &args) { return RunCli(QStringList{QStringLiteral("chart")} + args); }

QString Sample(const char *name) { return QStringLiteral(ORVALIS_RESOURCE_DIR "/Orvalis/Template/EN/Local/") + QString::fromUtf8(name); }

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Width and height from a PNG's header chunk.
QSize PngSize(const QByteArray &png)
{
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.size() < 24)
        return QSize();
    return QSize(qFromBigEndian<qint32>(png.constData() + 16), qFromBigEndian<qint32>(png.constData() + 20));
}

class CliChart : public IsolatedTest {};

TEST_F(CliChart, DrawsEveryChartOfTheSamplesInEachFormat)
{
    const QString cover = Sample("Deck Soffit 00001.vcb");
    const QString half = Sample("Deck Soffit 00001.vch");
    const QString run = Sample("Parapet Run 00002.vcb");
    const struct {
        QStringList Args;
        const char *Out;
    } cases[] = {
        {{"overview", cover, "--method", "warning", "--cell-text", "--grid-lines", "--grid-spacing", "1000"}, "overview.png"},
        {{"key", cover, "--method", "limits", "--key-steps", "10"}, "key.png"},
        {{"combined", cover, half, "--primary", "halfcell", "--window", "0,0,10,12"}, "combined.svg"},
        {{"run", run, "--type", "bar", "--3d", "--legend", "--grid"}, "run.pdf"},
        {{"histogram", half, "--bar-gap", "--mark-frame", "--legend", "--units", "in"}, "histogram.png"},
        {{"linear", run, "--table", "5x20", "--cell-text", "--first-reading", "100", "--grey"}, "linear.png"},
    };
    for (const auto &c : cases) {
        const QString out = Home.Path() + QLatin1Char('/') + QLatin1String(c.Out);
        const TCliRun r = RunChart(c.Args + QStringList{"-o", out, "--size", "640x360"});
        SCOPED_TRACE(c.Out);
        EXPECT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        const QByteArray bytes = ReadAll(out);
        if (out.endsWith(QLatin1String(".png")))
            EXPECT_EQ(PngSize(bytes), QSize(640, 360));
        else if (out.endsWith(QLatin1String(".svg")))
            EXPECT_TRUE(bytes.contains("<svg") && bytes.contains("<text"));
        else
            EXPECT_TRUE(bytes.startsWith("%PDF"));
    }
}

TEST_F(CliChart, RefusesBadArgumentsWithAMessage)
{
    const QString cover = Sample("Deck Soffit 00001.vcb");
    const QString out = Home.Path() + QStringLiteral("/x.png");
    const QList<QStringList> bad = {
        {"pie", cover, "-o", out},
        {"overview", cover},
        {"overview", cover, "-o", Home.Path() + QStringLiteral("/x.bmp")},
        {"overview", cover, "-o", out, "--size", "0x10"},
        {"overview", cover, "-o", out, "--method", "rainbow"},
        {"combined", cover, "-o", out},
        {"combined", cover, cover, "-o", out},
        {"overview", Home.Path() + QStringLiteral("/missing.vcb"), "-o", out},
    };
    for (const QStringList &args : bad) {
        const TCliRun r = RunChart(args);
        EXPECT_NE(r.ExitCode, 0) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.Err.contains(QLatin1String("orvalis-cli:"))) << r.Err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}
} // namespace
