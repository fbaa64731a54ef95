#pragma once
// Locale identifiers (Windows LCID numbers) and the localization engine.
#include <QString>
#include <memory>

class QTranslator;

// Three-letter abbreviated language name of a locale identifier ("ENU" for 0x0409); raises
// "Can not get locale info" for an identifier the program does not know.
QString AbbreviatedLanguageName(unsigned lcid);
// ENU for 0x0409, but EN for a bare primary-language identifier such as 0x09.
QString LanguageTagOf(unsigned lcid);
// The locale identifier of the user's locale (QLocale::system()).
unsigned UserDefaultLocaleId();
// "LocaleID" from the machine-wide store, else the user's primary language (low byte).
unsigned ReadMachineLocaleId();

// The localization engine: language files "orvalis_<ABBREV>.qm" (or "orvalis_<xx>.qm") in the
// program's folder or its "translations" folder. A locale without a file falls back silently to
// the built-in English.
class TLocalization {
public:
    static TLocalization &Instance();
    void SetFolder(const QString &folder);
    void SetExecutable(const QString &path);
    // Switches the user interface; returns false (and runs in English) when there is no file.
    bool SwitchTo(unsigned lcid);
    // What every program of the suite does at start: language files beside the executable (or
    // installed), the machine's language; any failure leaves English.
    void StartUp(const QString &executable);
    // The locale identifier the interface runs under (0x09, English, until switched).
    unsigned CurrentLocaleId() const { return FCurrent; }

private:
    QString FFolder;
    QString FExecutable;
    unsigned FCurrent = 0x09;
    std::unique_ptr<QTranslator> FTranslator;
};

// The language tag of the running interface, used in the storage-root key and template folder.
QString LanguageTag();
