#include "UnitStorage.h"
#include "UnitException.h"
#include "UnitLanguage.h"
#include "UnitPrompt.h"
#include "UnitSettings.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#ifndef ORVALIS_RESOURCE_DIR
#define ORVALIS_RESOURCE_DIR ""
#endif
#ifndef ORVALIS_BINARY_DIR
#define ORVALIS_BINARY_DIR ""
#endif

namespace {
QString RootKey() { return QStringLiteral("Settings/ZedivOreveZivo") + LanguageTag(); }

void MakePath(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw Exception(Tr("Unable to create directories"));
}

// Copies a folder tree; existing files are replaced only when `replace` is set.
void CopyFolderTree(const QString &source, const QString &dest, bool replace)
{
    MakePath(dest);
    const QDir dir(source);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString target = IncludeTrailingSlash(dest) + entry.fileName();
        if (entry.isDir()) {
            CopyFolderTree(entry.absoluteFilePath(), target, replace);
            continue;
        }
        const bool exists = QFileInfo::exists(target);
        if (exists && !replace)
            continue;
        // An existing file is replaced through a temporary copy, so a failed copy keeps it.
        if (!(exists ? CopyFileOver(entry.absoluteFilePath(), target) : QFile::copy(entry.absoluteFilePath(), target)))
            throw Exception(Tr("Cannot read from the source file or disk"));
        // Seed files are read-only in an installed tree; the user's copies must be writable.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
}

QString ProgramFolder()
{
    return QCoreApplication::instance() ? QDir::cleanPath(QCoreApplication::applicationDirPath()) : QString();
}

bool RunsFromBuildTree()
{
    const QString build = QDir::cleanPath(QStringLiteral(ORVALIS_BINARY_DIR));
    const QString program = ProgramFolder();
    return !build.isEmpty() && (program == build || program.startsWith(build + QLatin1Char('/')));
}

QStringList CommonDataFolders()
{
    QStringList folders;
    const QString env = qEnvironmentVariable("XDG_DATA_DIRS");
    const QStringList dirs = env.isEmpty() ? QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}
                                           : env.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &d : dirs)
        folders << d;
    const QString installed = InstalledDataFolder();
    if (!installed.isEmpty())
        folders << installed;
    // The source tree's copy serves only a program that runs where it was built.
    if (RunsFromBuildTree())
        folders << QStringLiteral(ORVALIS_RESOURCE_DIR);
    return folders;
}

void ShowStepFailure(const std::function<void()> &step)
{
    try {
        step();
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    } catch (const std::exception &e) {
        Prompt().Error(QString::fromLocal8Bit(e.what()));
    }
}
} // namespace

QString BuildTreeFolder() { return RunsFromBuildTree() ? QDir::cleanPath(QStringLiteral(ORVALIS_BINARY_DIR)) : QString(); }

QStringList SharedDataFolders() { return CommonDataFolders(); }

void InitConfigurationStore()
{
    QString user = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (user.isEmpty())
        user = QDir::homePath() + QStringLiteral("/.config");
    QString machine = qEnvironmentVariable("XDG_CONFIG_DIRS").section(QLatin1Char(':'), 0, 0);
    if (machine.isEmpty())
        machine = QStringLiteral("/etc/xdg");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, machine);
}

std::unique_ptr<QSettings> UserConfigStore()
{
    // The native format on this platform is an INI file named "Orvalis.conf".
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ventrax"),
                                       QStringLiteral("Orvalis"));
}

std::unique_ptr<QSettings> MachineConfigStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Ventrax"),
                                       QStringLiteral("Orvalis"));
}

QString IncludeTrailingSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString ExcludeTrailingSlash(const QString &path)
{
    QString result = path;
    while (result.size() > 1 && result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

QString DefaultStorageRoot()
{
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath();
    return IncludeTrailingSlash(docs) + Tr("My DozazEdivo Data") + QLatin1Char('/');
}

QString GetStorageRoot()
{
    const QString stored = UserConfigStore()->value(RootKey()).toString();
    return IncludeTrailingSlash(stored.isEmpty() ? DefaultStorageRoot() : stored);
}

void WriteStorageRoot(const QString &path)
{
    auto store = UserConfigStore();
    store->setValue(RootKey(), IncludeTrailingSlash(path));
    store->sync();
    if (store->status() != QSettings::NoError)
        throw Exception(Tr("Unable to store the storage directory in the configuration file"));
}

QString LocalFolder() { return GetStorageRoot() + QStringLiteral("Local/"); }
QString TemplatesFolder() { return GetStorageRoot() + QStringLiteral("Templates/"); }
QString ReportsFolder() { return GetStorageRoot() + QStringLiteral("Reports/"); }
QString InstalledDataFolder()
{
    const QString program = ProgramFolder();
    if (program.isEmpty())
        return QString();
    const QString share = QDir::cleanPath(program + QStringLiteral("/../share"));
    return QFileInfo(share + QStringLiteral("/Orvalis")).isDir() ? IncludeTrailingSlash(share) : QString();
}

QString SettingsFolder() { return GetStorageRoot() + QStringLiteral("Settings/"); }
QString SettingsFileName() { return SettingsFolder() + QStringLiteral("settings.xml"); }

QString SharedTemplateFolder()
{
    const QString tag = LanguageTag();
    // "ENU" falls back to the language's two-letter folder "EN"; a language that ships no
    // template tree of its own (German: the interface is translated, the samples are not) uses
    // the English one, so that its first start is seeded too.
    QStringList tags = tag.size() > 2 ? QStringList{tag, tag.left(2)} : QStringList{tag};
    if (!tags.contains(QStringLiteral("EN")))
        tags << QStringLiteral("EN");
    for (const QString &base : CommonDataFolders())
        for (const QString &t : tags) {
            const QString folder = IncludeTrailingSlash(base) + QStringLiteral("Orvalis/Template/") + t + QLatin1Char('/');
            if (!base.isEmpty() && QFileInfo(folder).isDir())
                return folder;
        }
    return QString();
}

void EnsureStorageFolders()
{
    const QString root = GetStorageRoot();
    MakePath(root);
    const QString shared = SharedTemplateFolder();
    for (const char *name : {"Templates", "Reports", "Local", "Settings"}) {
        const QString target = root + QLatin1String(name);
        if (QFileInfo::exists(target) || shared.isEmpty())
            continue;
        const QString source = shared + QLatin1String(name);
        if (QFileInfo(source).isDir())
            CopyFolderTree(source, target, false);
    }
}

void UpgradeDatabase(TSettings &settings)
{
    const QString shared = SharedTemplateFolder();
    if (!shared.isEmpty() && QFileInfo(shared + QStringLiteral("Settings")).isDir())
        CopyFolderTree(shared + QStringLiteral("Settings"), SettingsFolder(), true);
    settings.ItemByName(QStringLiteral("DatabaseVersion")).SetAsString(QStringLiteral("01.01"));
}

void ApplyUnitSettings(TSettings &settings)
{
    CurrentCoverUnits = static_cast<std::uint8_t>(settings.ItemByName(QStringLiteral("CoverUnits")).AsInteger());
    CurrentTemperatureUnits =
        static_cast<std::uint8_t>(settings.ItemByName(QStringLiteral("TemperatureUnits")).AsInteger());
}

namespace {
void SettingsSteps(TSettings &settings, const std::function<void()> &loadTabReports)
{
    ShowStepFailure([&] { ApplyUnitSettings(settings); });
    ShowStepFailure([&] {
        const TSettingsItem &version = settings.ItemByName(QStringLiteral("DatabaseVersion"));
        if (version.AsString().isEmpty() || version.AsString().compare(QStringLiteral("01.01")) < 0)
            UpgradeDatabase(settings);
    });
    if (loadTabReports)
        ShowStepFailure(loadTabReports);
    ShowStepFailure([&] {
        if (settings.ItemByName(QStringLiteral("FormRatio")).IsEmpty())
            settings.ItemByName(QStringLiteral("FormRatio")).SetAsFloat(0.3);
        if (settings.ItemByName(QStringLiteral("ThumbnailQuality")).IsEmpty())
            settings.ItemByName(QStringLiteral("ThumbnailQuality")).SetAsInteger(0);
    });
}
} // namespace

void RunStorageStartup(TSettings &settings, const std::function<void()> &loadTabReports)
{
    ShowStepFailure([] { EnsureStorageFolders(); });
    // Auto-save stays on even when the load fails: the store reports a failed save once and
    // saves again as soon as it can, so DatabaseVersion and later changes are not lost.
    settings.AutoSave = true;
    ShowStepFailure([&] { settings.LoadFromFile(SettingsFileName()); });
    SettingsSteps(settings, loadTabReports);
}

void SetStorageRoot(const QString &path, TSettings &settings, const std::function<void()> &rebuildTree,
                    const std::function<void()> &loadTabReports)
{
    WriteStorageRoot(path);
    EnsureStorageFolders();
    if (rebuildTree)
        rebuildTree();
    settings.AutoSave = true;
    settings.LoadFromFile(SettingsFileName());
    SettingsSteps(settings, loadTabReports);
}
