#include "TestSupport.h"
#include "UnitStorage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFileInfo>
#include <QSettings>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>

namespace {
void SetEnv(const char *name, const QString &value) { qputenv(name, value.toLocal8Bit()); }
} // namespace

TTempHome::TTempHome()
{
    for (const QString &sub : {Home(), ConfigHome(), ConfigDir(), DataHome(), DataDir()})
        QDir().mkpath(sub);
    SetEnv("HOME", Home());
    SetEnv("XDG_CONFIG_HOME", ConfigHome());
    SetEnv("XDG_CONFIG_DIRS", ConfigDir());
    SetEnv("XDG_DATA_HOME", DataHome());
    SetEnv("XDG_DATA_DIRS", DataDir());
    SetEnv("XDG_CACHE_HOME", Path() + QStringLiteral("/cache"));
    SetEnv("XDG_DOCUMENTS_DIR", Home() + QStringLiteral("/Documents"));
    InitConfigurationStore();
}

TTempHome::~TTempHome() = default;

TScriptedPrompt::TScriptedPrompt() : FPrevious(SetPromptService(this)) {}

TScriptedPrompt::~TScriptedPrompt() { SetPromptService(FPrevious); }

TPromptAnswer TScriptedPrompt::YesNo(const QString &message)
{
    Questions << message;
    RunDuring(message);
    if (Answers.empty())
        return TPromptAnswer::No;
    const TPromptAnswer a = Answers.front();
    Answers.pop_front();
    return a;
}

TPromptAnswer TScriptedPrompt::YesNoCancelAll(const QString &message)
{
    Questions << message;
    RunDuring(message);
    if (Answers.empty())
        return TPromptAnswer::Cancel;
    const TPromptAnswer a = Answers.front();
    Answers.pop_front();
    return a;
}

bool ServeEventsUntil(const std::function<bool()> &condition, int limitMs)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer check;
    check.setInterval(2);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start();
    limit.start(limitMs);
    loop.exec();
    return condition();
}

QString TestDataFile(const QString &name) { return QStringLiteral(ORVALIS_TEST_DATA "/") + name; }

int RunTests(int argc, char **argv, const std::function<std::unique_ptr<QObject>(int &, char **)> &makeApp)
{
    // Nothing a test does may reach the real user's files, even outside the fixtures.
    static TTempHome processHome;
    // Files written to the current folder (gauge traces) go to the run's own folder too.
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(processHome.Path());
    ::testing::InitGoogleTest(&argc, argv);
    auto app = makeApp(argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir::setCurrent(previousFolder);
    return result;
}

QString BuiltProgram(const QString &name)
{
    for (const char *sub : {"/cli/", "/tools/k27sim/", "/app/", "/tests/"}) {
        const QString path = QStringLiteral(ORVALIS_BINARY_DIR) + QLatin1String(sub) + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

namespace {
// The folder holding the generated comma locale; empty when it could not be made.
const QString &CommaLocaleFolder()
{
    static QTemporaryDir dir;
    static const QString folder = [] {
        if (!dir.isValid())
            return QString();
        QProcess p;
        p.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                                              QStringLiteral("UTF-8"), dir.path() + QStringLiteral("/de_DE.UTF-8")});
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return QString();
        // localedef warns (exit code 1) about some sources while still writing a usable locale.
        if (!QFileInfo::exists(dir.path() + QStringLiteral("/de_DE.UTF-8/LC_NUMERIC")))
            return QString();
        return dir.path();
    }();
    return folder;
}
} // namespace

TCommaLocale::TCommaLocale()
{
    const QString folder = CommaLocaleFolder();
    if (folder.isEmpty())
        return;
    FOldLocale = std::setlocale(LC_ALL, nullptr);
    qputenv("LOCPATH", QFile::encodeName(folder));
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        qunsetenv("LOCPATH");
        return;
    }
    FActive = true;
    FOldQLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

TCommaLocale::~TCommaLocale()
{
    if (!FActive)
        return;
    std::setlocale(LC_ALL, FOldLocale.constData());
    qunsetenv("LOCPATH");
    QLocale::setDefault(FOldQLocale);
}
