#include "UnitFormMain.h"
#include "UnitStorage.h"

TFormMain::TFormMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Ventrax Orvalis"));
    resize(1000, 700);
    RunStorageStartup(FSettings, [this] { LoadTabReports(); });
}

void TFormMain::LoadTabReports() {}
