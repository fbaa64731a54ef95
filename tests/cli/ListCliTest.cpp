#include "CliRun.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {


QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class ListCli : public IsolatedTest {
protected:
    QTemporaryDir Dir;
    QString P(const QString &name) const { return Dir.path() + QLatin1Char('/') + name; }
    void SetUp() override
    {
        ASSERT_FALSE(BuiltProgram(QStringLiteral("orvalis-cli")).isEmpty());
        ASSERT_TRUE(QFile::copy(TestDataFile(QStringLiteral("BatchCover2x3.vcb")), P("Wall.vcb")));
        ASSERT_TRUE(QFile::copy(TestDataFile(QStringLiteral("BatchHalfCellOld.vch")), P("beam.vch")));
        ASSERT_TRUE(QFile::copy(TestDataFile(QStringLiteral("BridgeDeck.vct")), P("Deck.vct")));
        QFile broken(P("Broken.vcb"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("no batch here");
        broken.close();
        QDir().mkpath(P("Site"));
    }
};

} // namespace

TEST_F(ListCli, ListsInSortOrderAndKeepsTheCache)
{
    const TCliRun first = RunCli({QStringLiteral("list"), Dir.path()});
    ASSERT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    EXPECT_EQ(first.Out, QStringLiteral("Site\tFolder\t\t\t\n"
                                        "beam.vch\tHalf Cell\t1\t4\t3\n"
                                        "Broken.vcb\tBatch\t\t\t\n"
                                        "Wall.vcb\tCover\t2\t3\t4\n"
                                        "Deck.vct\tTemplate\t\t\t\n"));
    const QByteArray cache = ReadBytes(P("cache.vcc"));
    ASSERT_FALSE(cache.isEmpty());
    EXPECT_FALSE(cache.contains("<FileName>cache.vcc</FileName>"));

    // A second listing answers from the cache: a batch whose time is unchanged is not reopened.
    const QDateTime time = QFileInfo(P("Wall.vcb")).lastModified();
    {
        QFile f(P("Wall.vcb"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("garbage, never read");
        f.flush();
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    }
    const TCliRun second = RunCli({QStringLiteral("list"), Dir.path()});
    ASSERT_EQ(second.ExitCode, 0);
    EXPECT_EQ(second.Out, first.Out);
    EXPECT_EQ(ReadBytes(P("cache.vcc")), cache);
}

TEST_F(ListCli, JsonForScripts)
{
    const TCliRun run = RunCli({QStringLiteral("list"), QStringLiteral("--json"), Dir.path()});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(run.Out.toUtf8()).object();
    EXPECT_EQ(root.value(QStringLiteral("folder")).toString(), Dir.path() + QLatin1Char('/'));
    const QJsonArray entries = root.value(QStringLiteral("entries")).toArray();
    ASSERT_EQ(entries.size(), 5);
    const QJsonObject wall = entries.at(3).toObject();
    EXPECT_EQ(wall.value(QStringLiteral("name")).toString(), QStringLiteral("Wall.vcb"));
    EXPECT_EQ(wall.value(QStringLiteral("type")).toString(), QStringLiteral("Cover"));
    EXPECT_EQ(wall.value(QStringLiteral("fileType")).toInt(), 1);
    EXPECT_EQ(wall.value(QStringLiteral("columns")).toInt(), 2);
    EXPECT_EQ(wall.value(QStringLiteral("rows")).toInt(), 3);
    EXPECT_EQ(wall.value(QStringLiteral("readings")).toInt(), 4);
    EXPECT_TRUE(entries.at(0).toObject().value(QStringLiteral("rows")).isNull());
    EXPECT_TRUE(entries.at(2).toObject().value(QStringLiteral("readings")).isNull()); // Broken.vcb
}

TEST_F(ListCli, ClearErrors)
{
    const TCliRun missing = RunCli({QStringLiteral("list"), P("nowhere")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("Folder not found"))) << missing.Err.toStdString();
    EXPECT_TRUE(missing.Out.isEmpty());
    const TCliRun none = RunCli({QStringLiteral("list")});
    EXPECT_NE(none.ExitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(P("nowhere/cache.vcc")));
}
