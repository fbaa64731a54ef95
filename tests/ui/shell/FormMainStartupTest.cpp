#include "TestSupport.h"
#include "UnitApplicationNames.h"
#include "UnitFormMain.h"
#include "UnitFormPleaseWait.h"
#include "UnitFormPreferences.h"
#include "UnitStorage.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

TEST_F(IsolatedTest, MainWindowStartsOnAnEmptyHome)
{
    TFormMain form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ventrax Orvalis"));
    const QString root = Home.Home() + QStringLiteral("/Documents/My DozazEdivo Data/");
    EXPECT_EQ(GetStorageRoot(), root);
    for (const char *folder : {"Local", "Templates", "Reports", "Settings"})
        EXPECT_TRUE(QFileInfo(root + QLatin1String(folder)).isDir()) << folder;
    const QByteArray settings = ReadWholeFile(root + QStringLiteral("Settings/settings.xml"));
    EXPECT_TRUE(settings.startsWith("<?xml version=\"1.0\"?>\r\n<Settings>\r\n"
                                    "  <CoverUnits></CoverUnits>\r\n"
                                    "  <TemperatureUnits></TemperatureUnits>\r\n"
                                    "  <DatabaseVersion>01.01</DatabaseVersion>\r\n"
                                    "  <FormRatio>0.3</FormRatio>\r\n"
                                    "  <ThumbnailQuality>0</ThumbnailQuality>\r\n"))
        << settings.toStdString();
    EXPECT_TRUE(Prompts.Errors.isEmpty());
}

TEST_F(IsolatedTest, WindowsShowExactlyTheirOwnCaption)
{
    const QString application = QCoreApplication::applicationName();
    const QString organization = QCoreApplication::organizationName();
    SetApplicationNames();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Orvalis"));
    EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Ventrax"));
    // A display name set on the application would be added to every window's title by the
    // window system's platform plugin; unset, it falls back to the application name.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    TFormMain form;
    EXPECT_EQ(form.windowTitle(), ProgramTitle());
    TFormPleaseWait wait;
    EXPECT_EQ(wait.windowTitle(), QStringLiteral("Please Wait..."));
    TFormPreferences preferences;
    EXPECT_EQ(preferences.windowTitle(), QStringLiteral("Preferences"));
    QCoreApplication::setApplicationName(application);
    QCoreApplication::setOrganizationName(organization);
}
