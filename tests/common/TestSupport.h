#pragma once
// Test support: every test runs with its own temporary home, configuration and data folders,
// and answers prompts from a script.
#include "UnitException.h"
#include "UnitPrompt.h"

#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Points HOME and the XDG folders at a fresh temporary folder for as long as it lives.
class TTempHome {
public:
    TTempHome();
    ~TTempHome();
    QString Path() const { return FDir.path(); }
    QString Home() const { return FDir.path() + QStringLiteral("/home"); }
    QString ConfigHome() const { return FDir.path() + QStringLiteral("/config"); }
    QString ConfigDir() const { return FDir.path() + QStringLiteral("/xdg"); }
    QString DataHome() const { return FDir.path() + QStringLiteral("/data"); }
    QString DataDir() const { return FDir.path() + QStringLiteral("/share"); }

private:
    QTemporaryDir FDir;
};

// Answers prompts in order from a script and records every message asked.
class TScriptedPrompt : public IPromptService {
public:
    TScriptedPrompt();
    ~TScriptedPrompt() override;
    std::deque<TPromptAnswer> Answers; // consumed by the questions; empty gives Cancel / No
    QStringList Errors;
    QStringList Warnings;
    QStringList Questions;
    // Runs while a message or question is up, as the events a real box serves would.
    std::function<void(const QString &message)> During;

    void Error(const QString &message) override
    {
        Errors << message;
        RunDuring(message);
    }
    void Warning(const QString &message) override
    {
        Warnings << message;
        RunDuring(message);
    }
    TPromptAnswer YesNo(const QString &message) override;
    TPromptAnswer YesNoCancelAll(const QString &message) override;

private:
    void RunDuring(const QString &message)
    {
        if (During)
            During(message);
    }
    IPromptService *FPrevious;
};

// Readable test output for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList &l, std::ostream *os) { *os << '[' << l.join(QStringLiteral(" | ")).toStdString() << ']'; }
inline void PrintTo(const QByteArray &b, std::ostream *os) { *os << '"' << b.toStdString() << '"'; }

// Fixture base: a temporary home and a scripted prompt per test.
class IsolatedTest : public ::testing::Test {
protected:
    TTempHome Home;
    TScriptedPrompt Prompts;
};

// The message of the exception of class E that `action` raises; empty when it raises none.
template <class E = Exception>
QString MessageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const E &e) {
        return e.Message();
    }
    return QString();
}

// Path of a file kept in tests/data.
QString TestDataFile(const QString &name);

// Serves the event loop until the condition holds or the limit passes; true when it held.
bool ServeEventsUntil(const std::function<bool()> &condition, int limitMs = 20000);

// The common main of the test programs; `makeApp` creates the application object.
int RunTests(int argc, char **argv, const std::function<std::unique_ptr<QObject>(int &, char **)> &makeApp);

// Path of a program built with the project (orvalis-cli, k27sim, orvalis).
QString BuiltProgram(const QString &name);

// Switches the C library's locale (LC_ALL, so printf and strtod write and read "12,5") and the
// default QLocale to German for as long as it lives. The locale is generated once per test
// program with localedef into a temporary LOCPATH, so the machine needs none installed.
// Available() is false (and nothing is switched) when localedef or its sources are missing.
class TCommaLocale {
public:
    TCommaLocale();
    ~TCommaLocale();
    bool Available() const { return FActive; }

private:
    bool FActive = false;
    QByteArray FOldLocale;
    QLocale FOldQLocale;
};
