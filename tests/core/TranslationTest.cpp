#include "TestSupport.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitLanguage.h"
#include "UnitStorage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QXmlStreamReader>

namespace {
// Where the build puts the language files: beside the uninstalled program.
const QString kProgramFolder = QStringLiteral(ORVALIS_BINARY_DIR "/app");
const QString kSourceFolder = QStringLiteral(ORVALIS_RESOURCE_DIR "/../translations");

// Every language the program ships besides English, with a few of its texts: the program's own,
// one of Qt's standard buttons (from the system's Qt translations), and how the desktop names it.
struct LanguageCase {
    const char *Code;
    unsigned LocaleId;
    const char *Tag;
    const char *Desktop;
    const char *Preferences;
    const char *FolderNotFound;
    const char *HalfCell;
    const char *ReplaceBatchStart;
    const char *QtCancel;
};
const LanguageCase kLanguages[] = {
    {"de", 0x0407, "DEU", "de_DE.UTF-8", "Einstellungen", "Ordner nicht gefunden: /x", "Halbzelle",
     "Das Messgerät enthält bereits eine Messreihe mit dem Namen '%1'\r\n\r\n", "Abbrechen"},
    {"fr", 0x040C, "FRA", "fr_FR.UTF-8", "Préférences", "Dossier introuvable : /x", "Demi-cellule",
     "L'appareil contient déjà une série nommée '%1'\r\n\r\n", "Annuler"},
    {"es", 0x0C0A, "ESN", "es_ES.UTF-8", "Preferencias", "Carpeta no encontrada: /x", "Semicelda",
     "El equipo ya contiene una serie llamada '%1'\r\n\r\n", "Cancelar"},
    {"it", 0x0410, "ITA", "it_IT.UTF-8", "Preferenze", "Cartella non trovata: /x", "Semicella",
     "Lo strumento contiene già una serie denominata '%1'\r\n\r\n", "Annulla"},
};

QString SourceOf(const LanguageCase &language)
{
    return kSourceFolder + QStringLiteral("/orvalis_") + QString::fromLatin1(language.Code) + QStringLiteral(".ts");
}

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

TEST_F(Translation, EachLanguageFileTranslatesThroughTr)
{
    for (const LanguageCase &language : kLanguages) {
        SCOPED_TRACE(language.Code);
        ASSERT_TRUE(QFile::exists(kProgramFolder + QStringLiteral("/translations/orvalis_") + QString::fromLatin1(language.Code) +
                                  QStringLiteral(".qm")));
        ASSERT_TRUE(TLocalization::Instance().SwitchTo(language.LocaleId));
        EXPECT_EQ(LanguageTag(), QString::fromLatin1(language.Tag));
        EXPECT_EQ(Tr("Preferences"), QString::fromUtf8(language.Preferences));
        EXPECT_EQ(Tr("Folder not found: %1").arg(QStringLiteral("/x")), QString::fromUtf8(language.FolderNotFound));
        // An item of an array marked for translation, and a text with line breaks in it.
        EXPECT_EQ(BatchTypeName(BatchTypeHalfCell), QString::fromUtf8(language.HalfCell));
        EXPECT_TRUE(Tr("The gauge already contains a batch named '%1'\r\n\r\nWould you like to replace the existing batch?")
                        .startsWith(QString::fromUtf8(language.ReplaceBatchStart)));
        // Qt's own standard buttons follow the same language.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(language.QtCancel));
        // Back to the built-in English, Qt's texts with it.
        ASSERT_TRUE(TLocalization::Instance().SwitchTo(0x0409));
        EXPECT_EQ(Tr("Preferences"), QStringLiteral("Preferences"));
        EXPECT_EQ(BatchTypeName(BatchTypeHalfCell), QStringLiteral("Half Cell"));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
}

TEST_F(Translation, LanguageFromTheMachineWideLocaleId)
{
    const struct {
        const char *LocaleId;
        bool Switched;
        const char *Preferences;
        const char *Tag;
    } cases[] = {
        {"1031", true, "Einstellungen", "DEU"},  // German
        {"3079", true, "Einstellungen", "DEA"},  // German (Austria): the file of the language
        {"1036", true, "Préférences", "FRA"},    // French
        {"4108", true, "Préférences", "FRS"},    // French (Switzerland)
        {"12", true, "Préférences", "FR"},       // French, the language alone
        {"3082", true, "Preferencias", "ESN"},   // Spanish (modern sort)
        {"2058", true, "Preferencias", "ESM"},   // Spanish (Mexico)
        {"1040", true, "Preferenze", "ITA"},     // Italian
        {"1033", true, "Preferences", "ENU"},    // English needs no file
        {"1043", false, "Preferences", "EN"},    // Dutch: no file, silently English
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.LocaleId);
        SetMachineLocaleId(c.LocaleId);
        EXPECT_EQ(SwitchAsAtStartup(), c.Switched);
        EXPECT_EQ(Tr("Preferences"), QString::fromUtf8(c.Preferences));
        EXPECT_EQ(LanguageTag(), QString::fromLatin1(c.Tag));
    }
}

// Run by DesktopLocaleWithoutLocaleIdPicksItsLanguage in a process of its own, whose desktop speaks
// one of the shipped languages.
TEST_F(Translation, DISABLED_DesktopLocaleChild)
{
    const LanguageCase *language = nullptr;
    for (const LanguageCase &c : kLanguages)
        if (QLocale(QString::fromLatin1(c.Code)).language() == QLocale::system().language())
            language = &c;
    ASSERT_NE(language, nullptr) << QLocale::system().name().toStdString();
    EXPECT_EQ(ReadMachineLocaleId(), language->LocaleId & 0xFF);
    EXPECT_TRUE(SwitchAsAtStartup());
    EXPECT_EQ(Tr("Preferences"), QString::fromUtf8(language->Preferences));
    EXPECT_EQ(LanguageTag(), QString::fromLatin1(language->Tag).left(2));
}

TEST_F(Translation, DesktopLocaleWithoutLocaleIdPicksItsLanguage)
{
    // QLocale::system() reads the environment once per process, so each check runs in a child
    // started with that desktop language and an empty machine-wide store (this test's XDG folders).
    for (const LanguageCase &language : kLanguages) {
        SCOPED_TRACE(language.Desktop);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(language.Desktop));
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
    }

    // A machine-wide choice of a language without a file: English.
    SetMachineLocaleId("1043");
    EXPECT_FALSE(SwitchAsAtStartup());
    EXPECT_EQ(Tr("Preferences"), QStringLiteral("Preferences"));
}

TEST(TranslationSource, EveryMessageIsFinishedAndKeepsItsPlaceholders)
{
    for (const LanguageCase &language : kLanguages) {
        SCOPED_TRACE(language.Code);
        const std::vector<TsMessage> messages = ReadTs(SourceOf(language));
        ASSERT_FALSE(messages.empty()) << SourceOf(language).toStdString();
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
}

TEST(TranslationSource, EveryLanguageHasTheMessagesOfTheGerman)
{
    // German is where every new message arrives first; a language lacking one would show it in
    // English without any test noticing.
    QStringList german;
    for (const TsMessage &m : ReadTs(SourceOf(kLanguages[0])))
        german << m.Id;
    german.sort();
    ASSERT_FALSE(german.isEmpty());
    for (const LanguageCase &language : kLanguages) {
        SCOPED_TRACE(language.Code);
        QStringList ids;
        for (const TsMessage &m : ReadTs(SourceOf(language)))
            ids << m.Id;
        ids.sort();
        EXPECT_EQ(ids, german);
    }
}
