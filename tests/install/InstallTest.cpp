// The installed layout: what `cmake --install` puts under a prefix, checked with the desktop's own
// validators, and a first start of the installed program seeding its storage root from there.
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>

namespace {

struct TRun {
    int Code = -1;
    QString Out;
};

TRun RunProgram(const QString &program, const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    TRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.Out = QStringLiteral("timed out");
        return run;
    }
    run.Code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = QString::fromLocal8Bit(process.readAll());
    return run;
}

// One install for the whole suite: it copies every program.
class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Prefix = new QTemporaryDir;
        const TRun run = RunProgram(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(ORVALIS_BINARY_DIR),
                                                       QStringLiteral("--prefix"), Prefix->path()});
        InstallOutput = run.Out;
        Installed = run.Code == 0;
    }
    static void TearDownTestSuite()
    {
        delete Prefix;
        Prefix = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(Installed) << InstallOutput.toStdString(); }

    static QString At(const QString &relative) { return Prefix->path() + QLatin1Char('/') + relative; }
    static void RequireTool(const char *tool)
    {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_FAIL() << tool << " is missing: run scripts/setup.sh";
    }

    static QTemporaryDir *Prefix;
    static QString InstallOutput;
    static bool Installed;
};
QTemporaryDir *InstallTest::Prefix = nullptr;
QString InstallTest::InstallOutput;
bool InstallTest::Installed = false;

} // namespace

TEST_F(InstallTest, ProgramsDataAndGuideLandWhereADistributionShipsThem)
{
    for (const char *program : {"bin/orvalis", "bin/orvalis-cli", "bin/k27sim"}) {
        const QFileInfo info(At(QString::fromLatin1(program)));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    for (const char *file : {"share/Orvalis/Template/EN/Local/Deck Soffit 00001.vcb", "share/Orvalis/Template/EN/Templates/Harbour Road Bridge.vct",
                             "share/Orvalis/Template/EN/Reports/Cover Survey Report.vcr", "share/Orvalis/Template/EN/Settings/Cover Summary.vcr",
                             "share/Orvalis/help/index.html", "share/icons/hicolor/scalable/apps/com.ventrax.Orvalis.svg",
                             "share/icons/hicolor/48x48/apps/com.ventrax.Orvalis.png"})
        EXPECT_TRUE(QFileInfo(At(QString::fromLatin1(file))).isFile()) << file;
    for (const char *kind : {"cover-batch", "halfcell-batch", "template", "report"}) {
        const QString name = QStringLiteral("application-x-orvalis-") + QString::fromLatin1(kind);
        EXPECT_TRUE(QFileInfo(At(QStringLiteral("share/icons/hicolor/scalable/mimetypes/") + name + QStringLiteral(".svg"))).isFile()) << kind;
        for (int size : {16, 32, 64, 256})
            EXPECT_TRUE(QFileInfo(At(QStringLiteral("share/icons/hicolor/%1x%1/mimetypes/").arg(size) + name + QStringLiteral(".png"))).isFile())
                << kind << size;
    }
    // Nothing that points back at the build or source tree.
    QDirIterator it(Prefix->path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        EXPECT_FALSE(file.contains(QLatin1String("CMakeFiles"))) << file.toStdString();
    }
}

TEST_F(InstallTest, DesktopEntryMimePackageAndMetadataPassTheirValidators)
{
    RequireTool("desktop-file-validate");
    const QString desktop = At(QStringLiteral("share/applications/com.ventrax.Orvalis.desktop"));
    TRun run = RunProgram(QStringLiteral("desktop-file-validate"), {desktop});
    EXPECT_EQ(run.Code, 0) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.trimmed().isEmpty()) << run.Out.toStdString(); // not even a hint
    QFile entry(desktop);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QLatin1String("\nExec=orvalis %F\n")));
    for (const char *type : {"application/x-orvalis-cover-batch", "application/x-orvalis-halfcell-batch", "application/x-orvalis-template",
                             "application/x-orvalis-report"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(type))) << type;

    RequireTool("update-mime-database");
    QTemporaryDir mime;
    ASSERT_TRUE(QDir().mkpath(mime.path() + QStringLiteral("/packages")));
    ASSERT_TRUE(QFile::copy(At(QStringLiteral("share/mime/packages/com.ventrax.Orvalis.mime.xml")), mime.path() + QStringLiteral("/packages/orvalis.xml")));
    run = RunProgram(QStringLiteral("update-mime-database"), {mime.path()});
    EXPECT_EQ(run.Code, 0) << run.Out.toStdString();
    QFile globs(mime.path() + QStringLiteral("/globs2"));
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    const QString globText = QString::fromUtf8(globs.readAll());
    for (const char *glob : {"application/x-orvalis-cover-batch:*.vcb", "application/x-orvalis-halfcell-batch:*.vch",
                             "application/x-orvalis-template:*.vct", "application/x-orvalis-report:*.vcr"})
        EXPECT_TRUE(globText.contains(QString::fromLatin1(glob))) << glob;
    // The root element tells a report from a batch when the name has no extension.
    EXPECT_TRUE(QFileInfo(mime.path() + QStringLiteral("/XMLnamespaces")).isFile());

    RequireTool("appstreamcli");
    run = RunProgram(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                               At(QStringLiteral("share/metainfo/com.ventrax.Orvalis.metainfo.xml"))});
    EXPECT_EQ(run.Code, 0) << run.Out.toStdString();
}

TEST_F(InstallTest, ManualPagesDescribeEachProgram)
{
    const struct {
        const char *Page;
        const char *Mentions;
    } pages[] = {{"orvalis.1", "EMBEDDING"}, {"orvalis-cli.1", "export"}, {"k27sim.1", "register"}};
    for (const auto &page : pages) {
        QFile file(At(QStringLiteral("share/man/man1/") + QString::fromLatin1(page.Page)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.Page;
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.startsWith(QLatin1String(".\\\"")) || text.contains(QLatin1String(".TH "))) << page.Page;
        EXPECT_TRUE(text.contains(QLatin1String(".SH DESCRIPTION"))) << page.Page;
        EXPECT_TRUE(text.contains(QString::fromLatin1(page.Mentions))) << page.Page;
    }
}

TEST_F(InstallTest, FirstStartOfTheInstalledProgramSeedsFromTheInstalledTree)
{
    TTempHome home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No shared data folder but the program's own prefix, and no source tree to fall back on.
    env.insert(QStringLiteral("XDG_DATA_DIRS"), home.DataDir());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(At(QStringLiteral("bin/orvalis")), {});
    ASSERT_TRUE(program.waitForStarted());
    const QString root = home.Home() + QStringLiteral("/Documents/My DozazEdivo Data/");
    const QString seeded = root + QStringLiteral("Local/Deck Soffit 00001.vcb");
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo(seeded).isFile() && timer.elapsed() < 60000 && program.state() == QProcess::Running)
        program.waitForFinished(100);
    program.kill();
    program.waitForFinished();
    EXPECT_TRUE(QFileInfo(seeded).isFile()) << QString::fromLocal8Bit(program.readAllStandardError()).toStdString();
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("Reports/Cover Survey Report.vcr")).isFile());
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("Templates/Harbour Road Bridge.vct")).isFile());
}

TEST_F(InstallTest, TranslationsAreInstalledWithTheirMessages)
{
    const QString folder = At(QStringLiteral("share/Orvalis/translations"));
    const struct {
        const char *Code, *Preferences, *FolderNotFound;
    } languages[] = {
        {"de", "Einstellungen", "Ordner nicht gefunden: %1"},
        {"fr", "Préférences", "Dossier introuvable : %1"},
        {"es", "Preferencias", "Carpeta no encontrada: %1"},
        {"it", "Preferenze", "Cartella non trovata: %1"},
    };
    for (const auto &language : languages) {
        SCOPED_TRACE(language.Code);
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("orvalis_") + QString::fromLatin1(language.Code), folder)) << folder.toStdString();
        // Messages are found by their English text (qtTrId), with no context.
        EXPECT_EQ(translator.translate(nullptr, "Preferences"), QString::fromUtf8(language.Preferences));
        EXPECT_EQ(translator.translate(nullptr, "Folder not found: %1"), QString::fromUtf8(language.FolderNotFound));
    }
}
