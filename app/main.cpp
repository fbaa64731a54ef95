// The program's entry point: the start-up sequence up to the message loop.
#include "UnitFolderViewPlug.h"
#include "UnitFormMain.h"
#include "UnitGaugePaneLink.h"
#include "UnitLanguage.h"
#include "UnitPage.h"
#include "UnitPromptDialogs.h"
#include "UnitReport.h"
#include "UnitStorage.h"
#include "UnitTemplatesPaneLink.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalis"));
    QApplication::setOrganizationName(QStringLiteral("Ventrax"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ventrax Orvalis"));

    InitConfigurationStore();
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
    const bool hidden = HasAutomationSwitch(QApplication::arguments());
    TFormMain formMain(nullptr, !hidden);
    SetReportSettings(&formMain.Settings());
    TFolderViewPlug folderView(formMain);
    auto *gaugeLink = new TGaugePaneLink(&formMain); // owned by the window
    new TTemplatesPaneLink(&formMain, gaugeLink->Pane()); // owned by the window
    if (hidden)
        formMain.StartupRefresh();
    else
        formMain.show();
    const int code = app.exec();
    SetReportSettings(nullptr);
    SetPromptService(nullptr);
    return code;
}
