#include "TestSupport.h"
#include "UnitFormMain.h"
#include "UnitStorage.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFileInfo>

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
