#pragma once
// The main window. It owns the program-wide settings store.
#include "UnitSettings.h"

#include <QMainWindow>

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *parent = nullptr);
    TSettings &Settings() { return FSettings; }

    // The report designs of the Settings folder shown as batch-view tabs.
    void LoadTabReports();

private:
    TSettings FSettings;
};
