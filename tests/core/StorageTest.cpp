#include "TestSupport.h"
#include "UnitException.h"
#include "UnitLanguage.h"
#include "UnitSettings.h"
#include "UnitStorage.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
void WriteText(const QString &file, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    WriteFileAtomic(file, bytes);
}
} // namespace

class Storage : public IsolatedTest {
protected:
    // A shared template folder under the temporary XDG_DATA_DIRS.
    QString Shared() const { return Home.DataDir() + QStringLiteral("/Orvalis/Template/EN/"); }
    void TearDown() override
    {
        CurrentCoverUnits = 0;
        CurrentTemperatureUnits = 0;
    }
};

TEST(Language, TagsFromLocaleIdentifiers)
{
    EXPECT_EQ(LanguageTagOf(0x0409), QStringLiteral("ENU"));
    EXPECT_EQ(LanguageTagOf(0x09), QStringLiteral("EN"));
    EXPECT_EQ(LanguageTagOf(0x0407), QStringLiteral("DEU"));
    EXPECT_EQ(LanguageTagOf(0x07), QStringLiteral("DE"));
    EXPECT_EQ(LanguageTagOf(0x0411), QStringLiteral("JPN"));
    EXPECT_THROW(LanguageTagOf(0x7777), Exception);
    // Without a language file (none for Japanese) the engine falls back to English.
    EXPECT_FALSE(TLocalization::Instance().SwitchTo(0x0411));
    EXPECT_EQ(LanguageTag(), QStringLiteral("EN"));
}

TEST_F(Storage, MachineLocaleIdFromTheStoreOrTheUserLanguage)
{
    EXPECT_EQ(ReadMachineLocaleId(), UserDefaultLocaleId() & 0xFF);
    {
        MachineConfigStore()->setValue(QStringLiteral("Language/LocaleID"), QStringLiteral("1031"));
    }
    EXPECT_EQ(ReadMachineLocaleId(), 1031u);
    EXPECT_TRUE(QFile::exists(Home.ConfigDir() + QStringLiteral("/Ventrax/Orvalis.conf")));
}

TEST_F(Storage, RootFromTheUserStoreWithTrailingSlash)
{
    const QString expectedDefault = Home.Home() + QStringLiteral("/Documents/My DozazEdivo Data/");
    EXPECT_EQ(GetStorageRoot(), expectedDefault);
    EXPECT_FALSE(QFile::exists(Home.ConfigHome() + QStringLiteral("/Ventrax/Orvalis.conf")));
    WriteStorageRoot(Home.Path() + QStringLiteral("/elsewhere"));
    EXPECT_EQ(GetStorageRoot(), Home.Path() + QStringLiteral("/elsewhere/"));
    EXPECT_EQ(LocalFolder(), Home.Path() + QStringLiteral("/elsewhere/Local/"));
    EXPECT_EQ(SettingsFolder(), Home.Path() + QStringLiteral("/elsewhere/Settings/"));
    EXPECT_TRUE(QFile::exists(Home.ConfigHome() + QStringLiteral("/Ventrax/Orvalis.conf")));
    EXPECT_EQ(UserConfigStore()->value(QStringLiteral("Settings/ZedivOreveZivoEN")).toString(), Home.Path() + QStringLiteral("/elsewhere/"));
}

TEST_F(Storage, FreshStartSeedsFoldersAndWritesSettings)
{
    WriteText(Shared() + QStringLiteral("Local/Site A/batch.vcb"), "batch");
    WriteText(Shared() + QStringLiteral("Templates/t.vct"), "template");
    WriteText(Shared() + QStringLiteral("Settings/Tab.vcr"), "report");

    TSettings settings;
    RunStorageStartup(settings, nullptr);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('\n')).toStdString();
    const QString root = GetStorageRoot();
    EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Local/Site A/batch.vcb")), QByteArray("batch"));
    EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Templates/t.vct")), QByteArray("template"));
    EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Settings/Tab.vcr")), QByteArray("report"));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("Reports"))); // missing in both places
    EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Settings/settings.xml")),
              QByteArray("<?xml version=\"1.0\"?>\r\n<Settings>\r\n"
                         "  <CoverUnits></CoverUnits>\r\n"
                         "  <TemperatureUnits></TemperatureUnits>\r\n"
                         "  <DatabaseVersion>01.01</DatabaseVersion>\r\n"
                         "  <FormRatio>0.3</FormRatio>\r\n"
                         "  <ThumbnailQuality>0</ThumbnailQuality>\r\n"
                         "</Settings>\r\n"));
}

TEST_F(Storage, ExistingFoldersAreNeverReplaced)
{
    WriteText(Shared() + QStringLiteral("Local/batch.vcb"), "seed");
    const QString root = GetStorageRoot();
    WriteText(root + QStringLiteral("Local/batch.vcb"), "mine");
    EnsureStorageFolders();
    EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Local/batch.vcb")), QByteArray("mine"));
}

TEST_F(Storage, UpgradeRunsOnlyBelowVersion0101)
{
    WriteText(Shared() + QStringLiteral("Settings/Tab.vcr"), "new design");
    WriteText(Shared() + QStringLiteral("Settings/settings.xml"), "<Settings><CoverUnits>1</CoverUnits></Settings>");
    const struct {
        const char *stored;
        bool upgrades;
    } cases[] = {{"01.00", true}, {"", true}, {"01.01", false}, {"02.00", false}, {"01.1", false}};
    for (const auto &c : cases) {
        TTempHome home;
        const QString root = GetStorageRoot();
        WriteText(root + QStringLiteral("Settings/Tab.vcr"), "old design");
        WriteText(root + QStringLiteral("Settings/settings.xml"),
                  QByteArray("<Settings><DatabaseVersion>") + c.stored + "</DatabaseVersion><CoverUnits>1</CoverUnits></Settings>");
        // The shared folder lives in the outer home's data folder.
        qputenv("XDG_DATA_DIRS", Home.DataDir().toLocal8Bit());
        TSettings settings;
        RunStorageStartup(settings, nullptr);
        EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Settings/Tab.vcr")),
                  QByteArray(c.upgrades ? "new design" : "old design")) << c.stored;
        EXPECT_EQ(settings[QStringLiteral("DatabaseVersion")].AsString(),
                  c.upgrades ? QStringLiteral("01.01") : QString::fromLatin1(c.stored));
        EXPECT_EQ(CurrentCoverUnits, 1);
        // The store in memory wins over the settings file the copy brought along.
        TSettings onDisk;
        onDisk.Load(root + QStringLiteral("Settings/settings.xml"));
        EXPECT_EQ(onDisk[QStringLiteral("DatabaseVersion")].AsString(), settings[QStringLiteral("DatabaseVersion")].AsString());
    }
}

TEST_F(Storage, FolderThatCannotBeCreatedIsReportedAndStartupGoesOn)
{
    // A file where the root folder should be.
    const QString blocker = Home.Path() + QStringLiteral("/blocker");
    WriteText(blocker, "x");
    WriteStorageRoot(blocker + QStringLiteral("/root"));
    TSettings settings;
    int tabReportsLoaded = 0;
    RunStorageStartup(settings, [&] { ++tabReportsLoaded; });
    // Each failing step is reported once, and only steps that touch the folder fail.
    ASSERT_GE(Prompts.Errors.size(), 2);
    EXPECT_EQ(Prompts.Errors.size(), Prompts.Errors.count(QStringLiteral("Unable to create directories")));
    EXPECT_EQ(tabReportsLoaded, 1);
    EXPECT_EQ(settings[QStringLiteral("FormRatio")].AsFloat(), 0.3);
}

TEST_F(Storage, SetStorageRootRepeatsTheSettingsSteps)
{
    TSettings settings;
    RunStorageStartup(settings, nullptr);
    const QString other = Home.Path() + QStringLiteral("/other/");
    WriteText(other + QStringLiteral("Settings/settings.xml"),
              "<Settings><CoverUnits>1</CoverUnits><DatabaseVersion>01.01</DatabaseVersion></Settings>");
    QStringList order;
    SetStorageRoot(Home.Path() + QStringLiteral("/other"), settings, [&] { order << QStringLiteral("tree"); },
                   [&] { order << QStringLiteral("tabs"); });
    EXPECT_EQ(order, (QStringList{QStringLiteral("tree"), QStringLiteral("tabs")}));
    EXPECT_EQ(GetStorageRoot(), other);
    EXPECT_EQ(CurrentCoverUnits, 1);
    EXPECT_TRUE(QFileInfo(other + QStringLiteral("Settings")).isDir());
    EXPECT_EQ(settings[QStringLiteral("ThumbnailQuality")].AsString(), QStringLiteral("0"));
    EXPECT_TRUE(ReadWholeFile(other + QStringLiteral("Settings/settings.xml")).contains("<FormRatio>0.3</FormRatio>"));
}

TEST(TextFile, Windows1252BothWays)
{
    EXPECT_EQ(DecodeWindows1252("\x80\xE9\x9F"), QStringLiteral("€éŸ"));
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("€é漢")), QByteArray("\x80\xE9?"));
}

TEST_F(Storage, UnreadableSettingsKeepAutoSaveAndUpgradeOnlyOnce)
{
    WriteText(Shared() + QStringLiteral("Settings/Tab.vcr"), "shipped design");
    const QString root = GetStorageRoot();
    WriteText(root + QStringLiteral("Settings/Tab.vcr"), "old design");
    // A folder where settings.xml should be: it can be neither read nor written.
    const QString file = root + QStringLiteral("Settings/settings.xml");
    QDir().mkpath(file);
    {
        TSettings settings;
        RunStorageStartup(settings, nullptr);
        EXPECT_TRUE(settings.AutoSave);
        // One box for the failed load, one for the failed save; none for every later change.
        EXPECT_EQ(Prompts.Errors.size(), 2) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Settings/Tab.vcr")), QByteArray("shipped design"));
        settings[QStringLiteral("BatchTab")].SetAsInteger(1);
        EXPECT_EQ(Prompts.Errors.size(), 2);
        // The user mends it; the next change writes the whole store, the upgrade's version too.
        QDir(file).removeRecursively();
        settings[QStringLiteral("LastExcelExport")].SetAsString(QStringLiteral("/tmp/x.xlsx"));
    }
    TSettings onDisk;
    onDisk.Load(file);
    EXPECT_EQ(onDisk[QStringLiteral("DatabaseVersion")].AsString(), QStringLiteral("01.01"));
    EXPECT_EQ(onDisk[QStringLiteral("LastExcelExport")].AsString(), QStringLiteral("/tmp/x.xlsx"));
    // The user edits the copied report; the next start must leave it alone.
    WriteText(root + QStringLiteral("Settings/Tab.vcr"), "user design");
    TSettings again;
    RunStorageStartup(again, nullptr);
    EXPECT_EQ(ReadWholeFile(root + QStringLiteral("Settings/Tab.vcr")), QByteArray("user design"));
    EXPECT_EQ(Prompts.Errors.size(), 2);
}

TEST_F(Storage, AutoSaveResumesAfterAStorageRootChange)
{
    const QString blocker = Home.Path() + QStringLiteral("/blocker");
    WriteText(blocker, "x");
    WriteStorageRoot(blocker + QStringLiteral("/root"));
    TSettings settings;
    RunStorageStartup(settings, nullptr);
    ASSERT_FALSE(Prompts.Errors.isEmpty());
    const QString other = Home.Path() + QStringLiteral("/other");
    SetStorageRoot(other, settings, nullptr, nullptr);
    settings[QStringLiteral("BatchTab")].SetAsInteger(5);
    EXPECT_TRUE(ReadWholeFile(other + QStringLiteral("/Settings/settings.xml")).contains("<BatchTab>5</BatchTab>"));
    EXPECT_TRUE(ReadWholeFile(other + QStringLiteral("/Settings/settings.xml")).contains("<DatabaseVersion>01.01</DatabaseVersion>"));
}
