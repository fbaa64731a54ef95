#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitLanguage.h"
#include "UnitStorage.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QXmlStreamReader>

namespace {
// Where the build puts the language files: beside the uninstalled program.
const QString kProgramFolder = QStringLiteral(ORVALIS_BINARY_DIR "/app");
const QString kGermanSource = QStringLiteral(ORVALIS_RESOURCE_DIR "/../translations/orvalis_de.ts");

void SetMachineLocaleId(const char *value)
{
    MachineConfigStore()->setValue(QStringLiteral("Language/LocaleID"), QString::fromLatin1(value));
}

// The start-up's choice: the machine-wide language, else the desktop's.
bool SwitchAsAtStartup() { return TLocalization::Instance().SwitchTo(ReadMachineLocaleId()); }

struct TsMessage {
    QString Id;
    QString Translation;
    bool Finished = false;
};

// The text of a <translation>, with lupdate's <byte value="xd"/> for control characters.
QString ReadTranslationText(QXmlStreamReader &xml)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
            xml.skipCurrentElement();
        } else if (xml.isEndElement())
            break;
    }
    return text;
}

std::vector<TsMessage> ReadTs(const QString &path)
{
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("message"))
            continue;
        TsMessage m;
        m.Id = xml.attributes().value(QLatin1String("id")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("translation")) {
                m.Finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                m.Translation = ReadTranslationText(xml);
            } else {
                xml.skipCurrentElement();
            }
        }
        messages.push_back(m);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
    return messages;
}

// Qt's %1..%99 and the printf forms the program formats with.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2}|[-+#0]*\\d*(\\.\\d+)?[sdfgxXu])"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QString Margin(const QString &text, bool leading)
{
    static const QRegularExpression head(QStringLiteral("^\\s*")), tail(QStringLiteral("\\s*$"));
    return (leading ? head : tail).match(text).captured();
}
} // namespace

class Translation : public IsolatedTest {
protected:
    void SetUp() override { TLocalization::Instance().SetFolder(kProgramFolder); }
    void TearDown() override
    {
        TLocalization::Instance().SwitchTo(0x09);
        TLocalization::Instance().SetFolder(QString());
    }
};

TEST_F(Translation, GermanFileTranslatesThroughTr)
{
    ASSERT_TRUE(QFile::exists(kProgramFolder + QStringLiteral("/translations/orvalis_de.qm")));
    ASSERT_TRUE(TLocalization::Instance().SwitchTo(0x0407));
    EXPECT_EQ(LanguageTag(), QStringLiteral("DEU"));
    EXPECT_EQ(Tr("Preferences"), QStringLiteral("Einstellungen"));
    EXPECT_EQ(Tr("Folder not found: %1").arg(QStringLiteral("/x")), QStringLiteral("Ordner nicht gefunden: /x"));
    // An item of an array marked for translation, and a text with line breaks in it.
    EXPECT_EQ(BatchTypeName(BatchTypeHalfCell), QStringLiteral("Halbzelle"));
    EXPECT_TRUE(Tr("The gauge already contains a batch named '%1'\r\n\r\nWould you like to replace the existing batch?")
                    .startsWith(QStringLiteral("Das Messgerät enthält bereits eine Messreihe mit dem Namen '%1'\r\n\r\n")));
    // Back to the built-in English.
    ASSERT_TRUE(TLocalization::Instance().SwitchTo(0x0409));
    EXPECT_EQ(Tr("Preferences"), QStringLiteral("Preferences"));
    EXPECT_EQ(BatchTypeName(BatchTypeHalfCell), QStringLiteral("Half Cell"));
}

TEST_F(Translation, LanguageFromTheMachineWideLocaleId)
{
    const struct {
        const char *LocaleId;
        bool Switched;
        const char *Preferences;
        const char *Tag;
    } cases[] = {
        {"1031", true, "Einstellungen", "DEU"}, // German
        {"3079", true, "Einstellungen", "DEA"}, // German (Austria): the file of the language
        {"1033", true, "Preferences", "ENU"},   // English needs no file
        {"1036", false, "Preferences", "EN"},   // French: no file, silently English
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.LocaleId);
        SetMachineLocaleId(c.LocaleId);
        EXPECT_EQ(SwitchAsAtStartup(), c.Switched);
        EXPECT_EQ(Tr("Preferences"), QString::fromUtf8(c.Preferences));
        EXPECT_EQ(LanguageTag(), QString::fromLatin1(c.Tag));
    }
}

// Run by DesktopLocaleWithoutLocaleIdPicksGerman in a process of its own, whose desktop is German.
TEST_F(Translation, DISABLED_DesktopLocaleChild)
{
    EXPECT_EQ(QLocale::system().language(), QLocale::German);
    EXPECT_EQ(ReadMachineLocaleId(), 0x07u);
    EXPECT_TRUE(SwitchAsAtStartup());
    EXPECT_EQ(Tr("Preferences"), QStringLiteral("Einstellungen"));
    EXPECT_EQ(LanguageTag(), QStringLiteral("DE"));
}

TEST_F(Translation, DesktopLocaleWithoutLocaleIdPicksGerman)
{
    // QLocale::system() reads the environment once per process, so the check runs in a child
    // started with a German desktop and an empty machine-wide store (this test's XDG folders).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=Translation.DISABLED_DesktopLocaleChild")});
    ASSERT_TRUE(child.waitForFinished(180000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();

    // The same desktop with a machine-wide French choice: no file, English.
    SetMachineLocaleId("1036");
    EXPECT_FALSE(SwitchAsAtStartup());
    EXPECT_EQ(Tr("Preferences"), QStringLiteral("Preferences"));
}

TEST(TranslationSource, EveryGermanMessageIsFinishedAndKeepsItsPlaceholders)
{
    const std::vector<TsMessage> messages = ReadTs(kGermanSource);
    ASSERT_FALSE(messages.empty()) << kGermanSource.toStdString();
    for (const TsMessage &m : messages) {
        SCOPED_TRACE(m.Id.toStdString());
        EXPECT_FALSE(m.Id.isEmpty());
        EXPECT_TRUE(m.Finished && !m.Translation.isEmpty());
        EXPECT_EQ(Placeholders(m.Translation), Placeholders(m.Id));
        EXPECT_EQ(m.Translation.count(QLatin1Char('&')), m.Id.count(QLatin1Char('&')));
        EXPECT_EQ(m.Translation.count(QStringLiteral("\r\n")), m.Id.count(QStringLiteral("\r\n")));
        EXPECT_EQ(Margin(m.Translation, true), Margin(m.Id, true));
        EXPECT_EQ(Margin(m.Translation, false), Margin(m.Id, false));
    }
}
