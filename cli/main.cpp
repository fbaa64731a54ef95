// orvalis-cli: the program's data and gauge code without a window, for scripts and tests.
#include "CliCommands.h"
#include "UnitCommandLine.h"
#include "UnitException.h"
#include "UnitLanguage.h"
#include "UnitStorage.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

namespace {
struct TEntry {
    QString Usage;
    TCliCommand Command;
};

std::map<QString, TEntry> &Commands()
{
    static std::map<QString, TEntry> commands;
    return commands;
}

bool gTrace = false;

QString UsageText()
{
    QString text = QStringLiteral("usage: orvalis-cli [-trace] COMMAND [ARGUMENTS...]\n"
                                  "The program's data, gauge and report code without a window.\n"
                                  "commands:\n");
    for (const auto &[name, entry] : Commands())
        text += QStringLiteral("  ") + entry.Usage + QLatin1Char('\n');
    text += QStringLiteral("options:\n"
                           "  -trace     write the gauge traffic to CommsTrace_<time>.TXT\n"
                           "  --help     show this text\n"
                           "  --version  show the version\n");
    return text;
}

int Usage()
{
    CliErr(UsageText());
    return 2;
}
} // namespace

TCliRegistration::TCliRegistration(const char *name, const char *usage, TCliCommand command)
{
    Commands()[QString::fromLatin1(name)] = TEntry{QString::fromLatin1(usage), std::move(command)};
}

bool CliTraceRequested() { return gTrace; }

void CliOut(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void CliErr(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

int main(int argc, char *argv[])
{
    // Charts and report pages draw text, and the charting engine needs the widgets application;
    // a command line program never shows a window, so it needs no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Outside a desktop session (scripts, services) the runtime folder is missing; a private one
    // for this run keeps the output free of Qt's warning about it.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvalis"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ventrax"));
    InitConfigurationStore();
    // Pages and charts drawn here speak the program's language, and the storage root is the one
    // the program uses under that language.
    TLocalization::Instance().StartUp(QCoreApplication::applicationFilePath());
    QStringList args = QCoreApplication::arguments().mid(1);
    if (TraceRequested(QCoreApplication::arguments())) {
        gTrace = true;
        args.removeFirst();
    }
    if (args.isEmpty())
        return Usage();
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        CliOut(UsageText());
        return 0;
    }
    if (args.first() == QLatin1String("--version")) {
        CliOut(QStringLiteral("orvalis-cli " ORVALIS_VERSION "\n"));
        return 0;
    }
    const auto found = Commands().find(args.first());
    if (found == Commands().end()) {
        CliErr(QStringLiteral("orvalis-cli: unknown command \"%1\"\n").arg(args.first()));
        return Usage();
    }
    try {
        return found->second.Command(args.mid(1));
    } catch (const Exception &e) {
        CliErr(QStringLiteral("orvalis-cli: %1\n").arg(e.Message()));
    } catch (const std::exception &e) {
        CliErr(QStringLiteral("orvalis-cli: %1\n").arg(QString::fromLocal8Bit(e.what())));
    }
    return 1;
}
