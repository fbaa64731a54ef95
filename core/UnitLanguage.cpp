#include "UnitLanguage.h"
#include "UnitException.h"
#include "UnitStorage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {
struct LcidEntry {
    unsigned Lcid;
    const char *Abbrev;
    QLocale::Language Language;
    QLocale::Territory Territory;
};

// Primary-language entries (bare identifiers) come first for each language so a lookup by
// language alone finds the usual sub-language after them.
const LcidEntry kLcids[] = {
    {0x0409, "ENU", QLocale::English, QLocale::UnitedStates},
    {0x0809, "ENG", QLocale::English, QLocale::UnitedKingdom},
    {0x0C09, "ENA", QLocale::English, QLocale::Australia},
    {0x1009, "ENC", QLocale::English, QLocale::Canada},
    {0x1409, "ENZ", QLocale::English, QLocale::NewZealand},
    {0x1809, "ENI", QLocale::English, QLocale::Ireland},
    {0x1C09, "ENS", QLocale::English, QLocale::SouthAfrica},
    {0x0407, "DEU", QLocale::German, QLocale::Germany},
    {0x0C07, "DEA", QLocale::German, QLocale::Austria},
    {0x0807, "DES", QLocale::German, QLocale::Switzerland},
    {0x040C, "FRA", QLocale::French, QLocale::France},
    {0x080C, "FRB", QLocale::French, QLocale::Belgium},
    {0x0C0C, "FRC", QLocale::French, QLocale::Canada},
    {0x100C, "FRS", QLocale::French, QLocale::Switzerland},
    {0x0410, "ITA", QLocale::Italian, QLocale::Italy},
    {0x0C0A, "ESN", QLocale::Spanish, QLocale::Spain},
    {0x080A, "ESM", QLocale::Spanish, QLocale::Mexico},
    {0x0411, "JPN", QLocale::Japanese, QLocale::Japan},
    {0x0804, "CHS", QLocale::Chinese, QLocale::China},
    {0x0404, "CHT", QLocale::Chinese, QLocale::Taiwan},
    {0x0416, "PTB", QLocale::Portuguese, QLocale::Brazil},
    {0x0816, "PTG", QLocale::Portuguese, QLocale::Portugal},
    {0x0419, "RUS", QLocale::Russian, QLocale::Russia},
    {0x0413, "NLD", QLocale::Dutch, QLocale::Netherlands},
    {0x0813, "NLB", QLocale::Dutch, QLocale::Belgium},
    {0x0415, "PLK", QLocale::Polish, QLocale::Poland},
    {0x0406, "DAN", QLocale::Danish, QLocale::Denmark},
    {0x041D, "SVE", QLocale::Swedish, QLocale::Sweden},
    {0x0414, "NOR", QLocale::NorwegianBokmal, QLocale::Norway},
    {0x040B, "FIN", QLocale::Finnish, QLocale::Finland},
    {0x0405, "CSY", QLocale::Czech, QLocale::CzechRepublic},
    {0x040E, "HUN", QLocale::Hungarian, QLocale::Hungary},
    {0x041F, "TRK", QLocale::Turkish, QLocale::Turkey},
    {0x0412, "KOR", QLocale::Korean, QLocale::SouthKorea},
    {0x0408, "ELL", QLocale::Greek, QLocale::Greece},
};

const LcidEntry *FindLcid(unsigned lcid)
{
    for (const auto &e : kLcids)
        if (e.Lcid == lcid)
            return &e;
    // A bare primary-language identifier names the language's first entry.
    if (lcid == (lcid & 0x3FF))
        for (const auto &e : kLcids)
            if ((e.Lcid & 0x3FF) == lcid)
                return &e;
    return nullptr;
}

// Qt's own texts (the standard buttons of message boxes and dialogs) in the same language, when
// the system carries Qt's translations; without them those few texts stay English.
std::unique_ptr<QTranslator> &QtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void SwitchQtTexts(const QString &language)
{
    std::unique_ptr<QTranslator> &current = QtTranslator();
    if (current && QCoreApplication::instance())
        QCoreApplication::removeTranslator(current.get());
    current.reset();
    if (language.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(translator.get());
    current = std::move(translator);
}
} // namespace

QString AbbreviatedLanguageName(unsigned lcid)
{
    const LcidEntry *e = FindLcid(lcid);
    if (!e)
        throw Exception(Tr("Can not get locale info"));
    return QString::fromLatin1(e->Abbrev);
}

QString LanguageTagOf(unsigned lcid)
{
    const QString name = AbbreviatedLanguageName(lcid);
    return lcid == (lcid & 0x3FF) ? name.left(2) : name;
}

unsigned UserDefaultLocaleId()
{
    const QLocale system = QLocale::system();
    const LcidEntry *byLanguage = nullptr;
    for (const auto &e : kLcids) {
        if (e.Language != system.language())
            continue;
        if (e.Territory == system.territory())
            return e.Lcid;
        if (!byLanguage)
            byLanguage = &e;
    }
    return byLanguage ? byLanguage->Lcid : 0x0409;
}

unsigned ReadMachineLocaleId()
{
    bool ok = false;
    const unsigned value = MachineConfigStore()->value(QStringLiteral("Language/LocaleID")).toString().trimmed().toUInt(&ok, 10);
    if (ok)
        return value;
    return UserDefaultLocaleId() & 0xFF;
}

TLocalization &TLocalization::Instance()
{
    static TLocalization engine;
    return engine;
}

void TLocalization::SetFolder(const QString &folder) { FFolder = folder; }

void TLocalization::StartUp(const QString &executable)
{
    try {
        SetFolder(QFileInfo(executable).absolutePath());
        SetExecutable(executable);
        SwitchTo(ReadMachineLocaleId());
    } catch (...) {
    }
}

void TLocalization::SetExecutable(const QString &path) { FExecutable = QFileInfo(path).canonicalFilePath(); }

bool TLocalization::SwitchTo(unsigned lcid)
{
    if (FTranslator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(FTranslator.get());
    FTranslator.reset();
    SwitchQtTexts(QString());
    FCurrent = 0x09;
    const LcidEntry *e = FindLcid(lcid);
    if (!e)
        return false;
    const QString abbrev = QString::fromLatin1(e->Abbrev);
    if (abbrev.startsWith(QLatin1String("EN"))) {
        FCurrent = lcid; // the built-in language needs no file
        return true;
    }
    const QStringList names = {QStringLiteral("orvalis_") + abbrev,
                               QStringLiteral("orvalis_") + abbrev.left(2).toLower()};
    QStringList folders = {FFolder, FFolder + QStringLiteral("/translations")};
    for (const QString &data : SharedDataFolders())
        folders << data + QStringLiteral("/Orvalis/translations");
    if (!BuildTreeFolder().isEmpty())
        folders << BuildTreeFolder() + QStringLiteral("/app/translations");
    auto translator = std::make_unique<QTranslator>();
    for (const QString &folder : folders)
        for (const QString &name : names)
            if (!folder.isEmpty() && translator->load(name, folder)) {
                if (QCoreApplication::instance())
                    QCoreApplication::installTranslator(translator.get());
                FTranslator = std::move(translator);
                FCurrent = lcid;
                SwitchQtTexts(abbrev.left(2).toLower());
                return true;
            }
    return false;
}

QString LanguageTag() { return LanguageTagOf(TLocalization::Instance().CurrentLocaleId()); }
