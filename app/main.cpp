// The program's entry point: the start-up sequence up to the message loop.
#include "UnitAutomationServer.h"
#include "UnitException.h"
#include "UnitExtInterface.h"
#include "UnitFolderViewPlug.h"
#include "UnitFormMain.h"
#include "UnitGaugePaneLink.h"
#include "UnitLanguage.h"
#include "UnitMyReports.h"
#include "UnitPage.h"
#include "UnitPromptDialogs.h"
#include "UnitReport.h"
#include "UnitServiceFile.h"
#include "UnitStorage.h"
#include "UnitTemplatesPaneLink.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    // A server start (or registration) outside a desktop session shows no window, so it needs no
    // display either.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    if (ServerStartOf(rawArguments) != TServerStart::Window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalis"));
    QApplication::setOrganizationName(QStringLiteral("Ventrax"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ventrax Orvalis"));

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

    // The automation object is offered before the start-up work, so that a second automation
    // start finds the name taken and hands over at once; calls wait for the message loop.
    const bool hidden = start == TServerStart::Automation;
    TMyReports myReports;
    TOrvalisInterface automationObject(myReports);
    TAutomationServer server(automationObject, hidden);
    if (!server.Start(QDBusConnection::sessionBus()) && hidden) {
        if (QDBusConnection::sessionBus().isConnected())
            return 0; // another instance serves the clients
        std::fprintf(stderr, "orvalis: %s\n", qPrintable(QDBusConnection::sessionBus().lastError().message()));
        return 1;
    }
    QObject::connect(&server, &TAutomationServer::Finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    TPromptDialogs prompts;
    SetPromptService(&prompts);

    // Language: a missing translation leaves the built-in English.
    const unsigned lcid = ReadMachineLocaleId();
    TLocalization &engine = TLocalization::Instance();
    try {
        engine.SetFolder(QDir::cleanPath(QApplication::applicationDirPath()));
        engine.SetExecutable(QApplication::applicationFilePath());
        engine.SwitchTo(lcid);
    } catch (...) {
    }

    // Report files in the folder store load as report documents; pages ask the printer for paper.
    RegisterReportDocument();
    InstallPrinterPaperProvider();

    // An automation client starts the program without a window: the lists it reads are built at
    // once instead of when the window is shown.
    TFormMain formMain(nullptr, !hidden);
    SetReportSettings(&formMain.Settings());
    TFolderViewPlug folderView(formMain);
    auto *gaugeLink = new TGaugePaneLink(&formMain); // owned by the window
    new TTemplatesPaneLink(&formMain, gaugeLink->Pane()); // owned by the window
    myReports.Reload();
    if (hidden)
        formMain.StartupRefresh();
    else
        formMain.show();
    const int code = app.exec();
    SetReportSettings(nullptr);
    SetPromptService(nullptr);
    return code;
}
