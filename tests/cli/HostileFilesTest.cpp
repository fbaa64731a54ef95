// Hostile files (absurd sizes and counts, odd numbers, wrong types, cut or binary content, deep
// nesting, foreign text, cache entries naming files elsewhere) through every orvalis-cli command
// that reads them: each run ends in time, within modest memory, with a readable message or a
// result, and no good file beside them changes.
#include "CliRun.h"
#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitFileList.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <map>
#include <sys/resource.h>

namespace {
// Generous for the sanitizer build, far below what a runaway loop or allocation would take.
constexpr int TimeLimitMs = 30000;
constexpr long MemoryLimitKb = 768L * 1024;


QString Describe(const QStringList &args) { return args.join(QLatin1Char(' ')); }

// Twice the limit, so that a run a little over it is still seen to end and is measured.
TCliRun RunHostile(const QStringList &args) { return RunCli(args, TimeLimitMs * 2); }

// A run that ended by itself in time and within the memory limit: success, or failure with one
// message of the program's own (not a sanitizer report, not an allocator's exception).
void ExpectCleanEnd(const TCliRun &run, const QStringList &args)
{
    const std::string what = Describe(args).toStdString();
    ASSERT_TRUE(run.Finished) << what << " did not end";
    EXPECT_LT(run.Milliseconds, TimeLimitMs) << what;
    EXPECT_TRUE(run.ExitCode == 0 || run.ExitCode == 1) << what << " exit " << run.ExitCode << "\n"
                                                        << run.Err.toStdString();
    if (run.ExitCode == 1) {
        EXPECT_TRUE(run.Err.startsWith(QLatin1String("orvalis-cli: "))) << what << "\n" << run.Err.toStdString();
        EXPECT_FALSE(run.Err.contains(QLatin1String("bad_alloc"))) << what;
    }
    EXPECT_FALSE(run.Err.contains(QLatin1String("Sanitizer"))) << what << "\n" << run.Err.toStdString();
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, MemoryLimitKb) << what << " peak " << usage.ru_maxrss << " kB";
}

QString HostileFolder() { return TestDataFile(QStringLiteral("hostile")); }

QStringList HostileNames(const QStringList &patterns)
{
    return QDir(HostileFolder()).entryList(patterns, QDir::Files, QDir::Name);
}

// Bytes of every file in a folder, to show that nothing was changed.
std::map<QString, QByteArray> Contents(const QString &folder)
{
    std::map<QString, QByteArray> contents;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        contents[name] = ReadWholeFile(folder + QLatin1Char('/') + name);
    return contents;
}

void Copy(const QString &from, const QString &to)
{
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to)) << from.toStdString();
}

// The loader's own message for a batch file; empty when it loads.
QString BatchLoadMessage(const QString &file)
{
    return MessageOf([&] {
        TBatchItem batch;
        batch.LoadFromFile(file);
    });
}

class HostileFiles : public IsolatedTest {
protected:
    QTemporaryDir Work;
    QString Path(const QString &name) const { return Work.path() + QLatin1Char('/') + name; }
};
} // namespace

TEST_F(HostileFiles, BatchCommandsEndWithTheLoadersMessageOrAResult)
{
    const QString goodReport = Path(QStringLiteral("Good.vcr"));
    Copy(TestDataFile(QStringLiteral("ReportTwoPages.vcr")), goodReport);
    const QByteArray goodBytes = ReadWholeFile(goodReport);
    // The other kinds of file go through "info" as well: each is refused, none crashes.
    for (const QString &name : HostileNames({QStringLiteral("*")})) {
        SCOPED_TRACE(name.toStdString());
        const QString file = Path(name);
        Copy(HostileFolder() + QLatin1Char('/') + name, file);
        const QByteArray bytes = ReadWholeFile(file);
        const QString message = BatchLoadMessage(file);
        const QString pdf = Path(QStringLiteral("out.pdf"));
        QList<QStringList> commands{{QStringLiteral("info"), file}};
        if (FileTypeOfName(name) == FileTypeBatch)
            commands += QList<QStringList>{
                {QStringLiteral("info"), QStringLiteral("--json"), file},
                {QStringLiteral("export"), Path(QStringLiteral("out.xlsx")), file},
                {QStringLiteral("export"), Path(QStringLiteral("out.csv")), file},
                {QStringLiteral("report"), QStringLiteral("--report"), goodReport, file, QStringLiteral("-o"), pdf},
            };
        for (const QStringList &args : commands) {
            const TCliRun run = RunHostile(args);
            ExpectCleanEnd(run, args);
            if (!message.isEmpty() && args.first() != QLatin1String("report")) {
                EXPECT_TRUE(run.ExitCode == 1 && run.Err.contains(message))
                    << Describe(args).toStdString() << "\n" << run.Err.toStdString();
            }
        }
        EXPECT_EQ(ReadWholeFile(file), bytes) << "reading never writes the file";
        QFile::remove(file);
        // A failed export leaves no file behind, not even a temporary one.
        EXPECT_EQ(QDir(Work.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".part")), QStringList());
    }
    EXPECT_EQ(ReadWholeFile(goodReport), goodBytes);
}

TEST_F(HostileFiles, ReportCommandEndsOnEveryHostileDesign)
{
    const QString cover = Path(QStringLiteral("Cover.vcb"));
    const QString halfCell = Path(QStringLiteral("HalfCell.vch"));
    Copy(TestDataFile(QStringLiteral("ChartCover10x10.vcb")), cover);
    Copy(TestDataFile(QStringLiteral("ChartHalfCell5x5.vch")), halfCell);
    const auto before = Contents(Work.path());
    for (const QString &name : HostileNames({QStringLiteral("*.vcr")})) {
        SCOPED_TRACE(name.toStdString());
        const QString design = HostileFolder() + QLatin1Char('/') + name;
        for (const QString &out : {QStringLiteral("out.pdf"), QStringLiteral("out.jpg")}) {
            const QStringList args{QStringLiteral("report"), QStringLiteral("--report"), design, cover, halfCell,
                                   QStringLiteral("-o"), Path(out), QStringLiteral("--page"), QStringLiteral("1")};
            ExpectCleanEnd(RunHostile(args), args);
        }
    }
    for (const auto &[name, bytes] : before)
        EXPECT_EQ(ReadWholeFile(Path(name)), bytes) << name.toStdString();
}

TEST_F(HostileFiles, ListKeepsToItsFolderWhateverTheCacheSays)
{
    // The folder holds two good files; the cache beside them is hostile; a batch file one level
    // up is what entries such as "../Outside.vcb" would reach.
    const QString folder = Path(QStringLiteral("Site"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Copy(TestDataFile(QStringLiteral("BatchCover2x3.vcb")), folder + QStringLiteral("/Good.vcb"));
    Copy(TestDataFile(QStringLiteral("BridgeDeck.vct")), folder + QStringLiteral("/Good.vct"));
    Copy(TestDataFile(QStringLiteral("BatchCover2x3.vcb")), Path(QStringLiteral("Outside.vcb")));
    const auto goodFiles = Contents(folder);
    const auto outside = Contents(Work.path());
    for (const QString &name : HostileNames({QStringLiteral("*.vcc")})) {
        SCOPED_TRACE(name.toStdString());
        Copy(HostileFolder() + QLatin1Char('/') + name, folder + QStringLiteral("/cache.vcc"));
        const QStringList args{QStringLiteral("list"), folder, QStringLiteral("--json")};
        const TCliRun run = RunHostile(args);
        ExpectCleanEnd(run, args);
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        const QJsonArray entries = QJsonDocument::fromJson(run.Out.toUtf8()).object()[QStringLiteral("entries")].toArray();
        QStringList names;
        for (const QJsonValue &v : entries) {
            const QJsonObject o = v.toObject();
            names << o[QStringLiteral("name")].toString();
            if (names.last() == QLatin1String("Good.vcb")) {
                EXPECT_EQ(o[QStringLiteral("columns")].toInt(), 2);
                EXPECT_EQ(o[QStringLiteral("rows")].toInt(), 3);
                EXPECT_EQ(o[QStringLiteral("readings")].toInt(), 4);
            }
        }
        names.removeAll(QStringLiteral("cache.vcc"));
        EXPECT_EQ(names, (QStringList{QStringLiteral("Good.vcb"), QStringLiteral("Good.vct")}));
        for (const auto &[file, bytes] : goodFiles)
            EXPECT_EQ(ReadWholeFile(folder + QLatin1Char('/') + file), bytes) << file.toStdString();
        EXPECT_EQ(Contents(Work.path()), outside) << "nothing outside the folder is touched";
    }
}

TEST_F(HostileFiles, ListOfAFolderOfHostileFilesShowsWhatLoads)
{
    const QString folder = Path(QStringLiteral("Mixed"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &name : HostileNames({QStringLiteral("*.vcb"), QStringLiteral("*.vch"), QStringLiteral("*.vct"),
                                              QStringLiteral("*.vcr")}))
        Copy(HostileFolder() + QLatin1Char('/') + name, folder + QLatin1Char('/') + name);
    Copy(TestDataFile(QStringLiteral("BatchCover2x3.vcb")), folder + QStringLiteral("/Good.vcb"));
    const auto before = Contents(folder);
    const QStringList args{QStringLiteral("list"), folder, QStringLiteral("--json")};
    for (int pass = 0; pass < 2; ++pass) { // the second pass reads the cache the first one wrote
        SCOPED_TRACE(pass);
        const TCliRun run = RunHostile(args);
        ExpectCleanEnd(run, args);
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        const QJsonArray entries = QJsonDocument::fromJson(run.Out.toUtf8()).object()[QStringLiteral("entries")].toArray();
        int listed = 0;
        for (const QJsonValue &v : entries) {
            const QJsonObject o = v.toObject();
            const QString name = o[QStringLiteral("name")].toString();
            if (name == QLatin1String("cache.vcc"))
                continue;
            ++listed;
            if (o[QStringLiteral("fileType")].toInt() != FileTypeBatch)
                continue;
            // Details only for a batch that loads, and then the loader's own.
            TBatchItem batch;
            const bool loads = BatchLoadMessage(folder + QLatin1Char('/') + name).isEmpty();
            EXPECT_EQ(!o[QStringLiteral("columns")].isNull(), loads) << name.toStdString();
            if (loads) {
                batch.LoadFromFile(folder + QLatin1Char('/') + name);
                EXPECT_EQ(o[QStringLiteral("columns")].toInt(), batch.Columns) << name.toStdString();
                EXPECT_EQ(o[QStringLiteral("rows")].toInt(), batch.Rows) << name.toStdString();
            }
        }
        EXPECT_EQ(listed, static_cast<int>(before.size()));
    }
    auto after = Contents(folder);
    after.erase(QStringLiteral("cache.vcc"));
    EXPECT_EQ(after, before);
}
