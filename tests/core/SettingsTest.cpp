#include "TestSupport.h"
#include "UnitException.h"
#include "UnitSettings.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace {
class OtherPersistent : public TPersistent {
public:
    void Assign(const TPersistent *) override {}
};
} // namespace

class Settings : public IsolatedTest {
protected:
    QString File() const { return Home.Path() + QStringLiteral("/Settings/settings.xml"); }
};

TEST_F(Settings, NamesIgnoreCaseAndLookupAppends)
{
    TSettings s;
    s.ItemByName(QStringLiteral("ComPort")).SetAsInteger(3);
    EXPECT_EQ(s.IndexOf(QStringLiteral("comport")), 0);
    EXPECT_EQ(s.ItemByName(QStringLiteral("COMPORT")).AsInteger(), 3);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_TRUE(s.ItemByName(QStringLiteral("Grid")).IsEmpty());
    EXPECT_EQ(s.Count(), 2);
    EXPECT_EQ(s.IndexOf(QStringLiteral("Nothing")), -1);
}

TEST_F(Settings, TypedValuesAndTheirTextForms)
{
    TSettings s;
    s[QStringLiteral("Grid")].SetAsBoolean(true);
    s[QStringLiteral("Ratio")].SetAsFloat(0.3);
    s[QStringLiteral("Port")].SetAsInteger(-2);
    s[QStringLiteral("Name")].SetAsString(QStringLiteral("a<b"));
    EXPECT_EQ(s[QStringLiteral("Grid")].AsString(), QStringLiteral("True"));
    EXPECT_EQ(s[QStringLiteral("Ratio")].AsString(), QStringLiteral("0.3"));
    EXPECT_EQ(s[QStringLiteral("Port")].AsString(), QStringLiteral("-2"));
    EXPECT_EQ(s[QStringLiteral("Name")].AsInteger(), 0);
    EXPECT_FALSE(s[QStringLiteral("Name")].AsBoolean());
    s[QStringLiteral("Flag")].SetAsString(QStringLiteral("tRUE"));
    EXPECT_TRUE(s[QStringLiteral("Flag")].AsBoolean());
    s[QStringLiteral("Flag")].SetAsString(QStringLiteral("0"));
    EXPECT_FALSE(s[QStringLiteral("Flag")].AsBoolean());
    s[QStringLiteral("Flag")].SetAsString(QStringLiteral("2"));
    EXPECT_TRUE(s[QStringLiteral("Flag")].AsBoolean());
    EXPECT_EQ(s[QStringLiteral("Missing")].AsFloat(), 0.0);
}

TEST_F(Settings, AutoSaveWritesTheFileByteForByte)
{
    TSettings s;
    s.AutoSave = true;
    s.LoadFromFile(File()); // a missing file is created
    EXPECT_EQ(ReadWholeFile(File()), QByteArray("<?xml version=\"1.0\"?>\r\n<Settings></Settings>\r\n"));
    s[QStringLiteral("CoverUnits")];
    s[QStringLiteral("FormRatio")].SetAsFloat(0.3);
    s[QStringLiteral("Grid")].SetAsBoolean(false);
    s[QStringLiteral("Site")].SetAsString(QStringLiteral("A & 'B'"));
    EXPECT_EQ(ReadWholeFile(File()), QByteArray("<?xml version=\"1.0\"?>\r\n<Settings>\r\n"
                                                "  <CoverUnits></CoverUnits>\r\n"
                                                "  <FormRatio>0.3</FormRatio>\r\n"
                                                "  <Grid>False</Grid>\r\n"
                                                "  <Site>A &amp; &pos;B&pos;</Site>\r\n"
                                                "</Settings>\r\n"));
}

TEST_F(Settings, ReloadTurnsEmptyItemsIntoEmptyText)
{
    {
        TSettings s;
        s.AutoSave = true;
        s.LoadFromFile(File());
        EXPECT_TRUE(s[QStringLiteral("LastPDFFile")].IsEmpty());
        s[QStringLiteral("Site")].SetAsString(QStringLiteral("x\"y"));
    }
    TSettings back;
    back.LoadFromFile(File());
    ASSERT_EQ(back.Count(), 2);
    EXPECT_FALSE(back[QStringLiteral("LastPDFFile")].IsEmpty());
    EXPECT_EQ(back[QStringLiteral("LastPDFFile")].AsInteger(), 0);
    EXPECT_EQ(back[QStringLiteral("Site")].AsString(), QStringLiteral("x\"y"));
}

TEST_F(Settings, FloatsReadBackUnderACommaLocale)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    {
        TSettings s;
        s.AutoSave = true;
        s.LoadFromFile(File());
        s[QStringLiteral("ThresholdCover")].SetAsFloat(25.75);
    }
    TSettings back;
    back.LoadFromFile(File());
    EXPECT_EQ(back[QStringLiteral("ThresholdCover")].AsFloat(), 25.75);
    QLocale::setDefault(QLocale::system());
}

TEST_F(Settings, FileWithoutSettingsElementGivesEmptyStore)
{
    QDir().mkpath(Home.Path() + QStringLiteral("/Settings"));
    WriteFileAtomic(File(), "<?xml version=\"1.0\"?>\r\n<settings><A>1</A></settings>\r\n");
    TSettings s;
    s.LoadFromFile(File());
    EXPECT_EQ(s.Count(), 0);
}

TEST_F(Settings, AssignCopiesAndChecksTheClass)
{
    TSettings main;
    main.AutoSave = true;
    main.LoadFromFile(File());
    main[QStringLiteral("ComPort")].SetAsInteger(1);

    TSettings dialog;
    dialog.Assign(&main);
    EXPECT_EQ(dialog[QStringLiteral("comport")].AsInteger(), 1);
    dialog[QStringLiteral("ComPort")].SetAsInteger(4);
    dialog[QStringLiteral("Grid")].SetAsBoolean(true);
    main.Assign(&dialog);
    EXPECT_TRUE(main.AutoSave);
    TSettings onDisk;
    onDisk.Load(File());
    EXPECT_EQ(onDisk[QStringLiteral("ComPort")].AsInteger(), 4);
    EXPECT_TRUE(onDisk[QStringLiteral("Grid")].AsBoolean());

    OtherPersistent other;
    EXPECT_EQ(MessageOf([&] { main.Assign(&other); }), QStringLiteral("Unable to assign object to TSettings"));
    EXPECT_EQ(MessageOf([&] { main.Assign(nullptr); }), QStringLiteral("Unable to assign object to TSettings"));
    EXPECT_EQ(MessageOf([&] { main[QStringLiteral("Grid")].Assign(&other); }),
              QStringLiteral("Unable to assign object to TSettingsItem"));
    main[QStringLiteral("Grid")].Assign(&main[QStringLiteral("ComPort")]);
    EXPECT_EQ(main.Items(main.IndexOf(QStringLiteral("ComPort"))).AsInteger(), 4);
}

TEST_F(Settings, FailedAutoSaveShowsOneErrorAndResumesWhenWritable)
{
    // A file where the settings folder should be: every save fails, whoever runs the test.
    const QString blocker = Home.Path() + QStringLiteral("/blocker");
    WriteFileAtomic(blocker, "x");
    TSettings s;
    s.AutoSave = true;
    s.FileName = blocker + QStringLiteral("/settings.xml");
    EXPECT_NO_THROW(s[QStringLiteral("FormRatio")].SetAsFloat(0.4)); // a lookup that appends
    EXPECT_NO_THROW(s[QStringLiteral("BatchTab")].SetAsInteger(1));
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("Unable to create directories")});
    EXPECT_TRUE(s.SaveFailed());
    QFile::remove(blocker);
    s[QStringLiteral("BatchTab")].SetAsInteger(2);
    EXPECT_FALSE(s.SaveFailed());
    TSettings onDisk;
    onDisk.Load(s.FileName);
    EXPECT_EQ(onDisk[QStringLiteral("FormRatio")].AsFloat(), 0.4);
    EXPECT_EQ(onDisk[QStringLiteral("BatchTab")].AsInteger(), 2);
    // A new failure after a good save is shown again, once.
    QDir(blocker).removeRecursively();
    WriteFileAtomic(blocker, "x");
    s[QStringLiteral("BatchTab")].SetAsInteger(3);
    s[QStringLiteral("BatchTab")].SetAsInteger(4);
    EXPECT_EQ(Prompts.Errors.size(), 2);
}
