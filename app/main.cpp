// The program's entry point: the start-up sequence up to the message loop.
#include "UnitApplicationNames.h"
#include "UnitAutomationServer.h"
#include "UnitColourScheme.h"
#include "UnitException.h"
#include "UnitFileHandover.h"
#include "UnitFolderViewPlug.h"
#include "UnitFormMain.h"
#include "UnitGaugePaneLink.h"
#include "UnitLanguage.h"
#include "UnitMAPIMail.h"
#include "UnitMyReports.h"
#include "UnitPage.h"
#include "UnitPrompt.h"
#include "UnitPromptDialogs.h"
#include "UnitReport.h"
#include "UnitReportsPaneLink.h"
#include "UnitServiceFile.h"
#include "UnitStorage.h"
#include "UnitTemplatesPaneLink.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {
const char *const HelpText =
    "usage: orvalis [-trace] [/AUTOMATION | /EMBEDDING | /REGSERVER | /UNREGSERVER] [FILE...]\n"
    "The desktop companion program of the Ventrax K27 covermeter: download surveys from the gauge,\n"
    "keep them in folders, check them, chart them and make reports of them.\n"
    "\n"
    "options:\n"
    "  -trace        write the gauge traffic to CommsTrace_<time>.TXT in the working folder\n"
    "                (must be the first argument)\n"
    "  /AUTOMATION, /EMBEDDING\n"
    "                start without a window, as the automation server on the session bus\n"
    "  /REGSERVER    register the automation server's activation file and end\n"
    "  /UNREGSERVER  remove that file and end\n"
    "  --help        show this text\n"
    "  --version     show the version\n"
    "Switches take \"/\" or \"-\" and any letter case.\n"
    "\n"
    "environment:\n"
    "  ORVALIS_COLOUR_SCHEME=dark|light\n"
    "                the Fusion style with a dark or a light palette, for a desktop whose own\n"
    "                theme does not reach Qt programs; without it the desktop's colours are used\n";

// The prompt service of a start without a window: errors and warnings go to stderr, questions
// are declined, and the errors are counted so that a failed start-up can end the start.
class TWindowlessPrompt : public IPromptService {
public:
    void Error(const QString &message) override
    {
        ++FErrors;
        Print(message);
    }
    void Warning(const QString &message) override { Print(message); }
    TPromptAnswer YesNo(const QString &message) override
    {
        Print(message);
        return TPromptAnswer::No;
    }
    TPromptAnswer YesNoCancelAll(const QString &message) override
    {
        Print(message);
        return TPromptAnswer::Cancel;
    }
    int ErrorCount() const { return FErrors; }

private:
    static void Print(const QString &message)
    {
        std::fprintf(stderr, "orvalis: %s\n", message.toLocal8Bit().constData());
        std::fflush(stderr);
    }
    int FErrors = 0;
};

// The process-wide services point at objects of main(): they are let go however main() ends,
// before those objects are destroyed.
struct TGlobalsReset {
    TGlobalsReset() = default;
    TGlobalsReset(const TGlobalsReset &) = delete;
    TGlobalsReset &operator=(const TGlobalsReset &) = delete;
    ~TGlobalsReset()
    {
        SetReportSettings(nullptr);
        SetPromptService(nullptr);
    }
};

// Answered before any window system is needed, so that the text also comes on a plain console.
bool AnsweredAtConsole(int argc, char *argv[], int &code)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            std::fputs(HelpText, stdout);
            code = 0;
            return true;
        }
        if (arg == "--version") {
            std::fputs("orvalis " ORVALIS_VERSION "\n", stdout);
            code = 0;
            return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char *argv[])
{
    int consoleCode = 0;
    if (AnsweredAtConsole(argc, argv, consoleCode))
        return consoleCode;
    // A server start (or registration) outside a desktop session shows no window, so it needs no
    // display either.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    if (ServerStartOf(rawArguments) != TServerStart::Window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetApplicationNames();
    ApplyColourScheme(ColourSchemeFromEnvironment());

    InitConfigurationStore();

    // The bus's activation file: written or removed on request (and nothing else done), brought up
    // to date quietly on every other start.
    const TServerStart start = ServerStartOf(QApplication::arguments());
    if (start == TServerStart::Register || start == TServerStart::Unregister) {
        try {
            if (start == TServerStart::Register)
                WriteServiceFile(QApplication::applicationFilePath());
            else
                RemoveServiceFile();
        } catch (const Exception &e) {
            std::fprintf(stderr, "orvalis: %s\n", e.Message().toLocal8Bit().constData());
            return 1;
        }
        return 0;
    }
    try {
        WriteServiceFile(QApplication::applicationFilePath());
    } catch (const Exception &) {
    }

    const bool hidden = start == TServerStart::Automation;
    // Files opened from the desktop go to the window that already runs, when there is one.
    const QStringList files = FileArguments(QApplication::arguments());
    if (!hidden && !files.isEmpty() && TFileHandover::HandOver(QDBusConnection::sessionBus(), files))
        return 0;
    // Only a start without a window serves automation clients, so that no client works on the
    // lists a user's window shows. The name is taken before the start-up work, so that a second
    // automation start finds it taken and ends at once; calls wait for the message loop.
    std::unique_ptr<TAutomationServer> server;
    if (hidden) {
        server = std::make_unique<TAutomationServer>();
        if (!server->Start(QDBusConnection::sessionBus())) {
            if (QDBusConnection::sessionBus().isConnected())
                return 0; // another instance serves the clients
            std::fprintf(stderr, "orvalis: %s\n", qPrintable(QDBusConnection::sessionBus().lastError().message()));
            return 1;
        }
        QObject::connect(server.get(), &TAutomationServer::Finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    }

    // A start without a window has nobody to answer a box: its messages go to stderr.
    TPromptDialogs prompts;
    TWindowlessPrompt windowless;
    SetPromptService(hidden ? static_cast<IPromptService *>(&windowless) : &prompts);

    // Language: a missing translation leaves the built-in English.
    TLocalization::Instance().StartUp(QApplication::applicationFilePath());

    // Attachments of mails sent on earlier days: their mail client has long read them.
    DeleteOldMailFolders(QDateTime::currentDateTime());

    // Report files in the folder store load as report documents; pages ask the printer for paper.
    RegisterReportDocument();
    InstallPrinterPaperProvider();

    // An automation start runs the window's start-up work at once, without showing the window.
    // The window's report list serves its panes; the automation server keeps a list of its own.
    TMyReports myReports;
    TFormMain formMain(nullptr, !hidden);
    SetReportSettings(&formMain.Settings());
    const TGlobalsReset globalsReset;
    TFolderViewPlug folderView(formMain, &myReports);
    auto *gaugeLink = new TGaugePaneLink(&formMain); // owned by the window
    new TTemplatesPaneLink(&formMain, gaugeLink->Pane()); // owned by the window
    new TReportsPaneLink(&formMain, myReports); // owned by the window; loads the list at start-up
    TFileHandover handover([&formMain](const QStringList &handed) {
        formMain.raise();
        formMain.activateWindow();
        formMain.OpenFiles(handed);
    });
    if (hidden) {
        // A start-up failure ends a start without a window: nobody would see the program run on
        // without its storage, and the bus name and the gauge port are released for a new start.
        if (windowless.ErrorCount() == 0)
            formMain.StartupRefresh();
        if (windowless.ErrorCount() > 0)
            return 1;
        server->StartIdleWatch();
    } else {
        formMain.show();
        handover.Register(QDBusConnection::sessionBus());
        if (!files.isEmpty())
            QTimer::singleShot(0, &formMain, [&formMain, files] {
                formMain.StartupRefresh();
                formMain.OpenFiles(files);
            });
    }
    return app.exec();
}
