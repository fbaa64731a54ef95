#pragma once
#include "UnitBusyCursor.h"
// The desktop dialogs and hand-offs the windows use (modal dialogs, folder browser, save dialog,
// opening a file or URL with the desktop). Each goes through a replaceable hook so that tests run
// the windows headless and answer these dialogs from a script.
#include <QString>
#include <functional>

class QDialog;
class QWidget;

struct TDialogHooks {
    // Runs a dialog modally; returns its result (QDialog::Accepted or Rejected).
    std::function<int(QDialog &)> ExecDialog;
    // Folder browser; empty when cancelled.
    std::function<QString(QWidget *parent, const QString &title, const QString &start)> BrowseFolder;
    // Save dialog; `filter` in Qt form ("Excel XLS (*.xls);;..."); empty when cancelled.
    std::function<QString(QWidget *parent, const QString &title, const QString &proposed,
                          const QString &filter, const QString &defaultSuffix)>
        SaveFileName;
    // Opens a local file with the desktop's program for it; false when nothing could be started.
    std::function<bool(const QString &path)> OpenFile;
    // Starts the spreadsheet program on a written export.
    std::function<bool(const QString &path)> OpenSpreadsheet;
};

// The hooks in use; the defaults show the real dialogs.
TDialogHooks &DialogHooks();
// Restores the default hooks.
void ResetDialogHooks();

// Runs a dialog through the hook.
int ExecDialog(QDialog &dialog);

