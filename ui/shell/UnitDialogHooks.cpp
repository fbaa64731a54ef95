#include "UnitDialogHooks.h"
#include "UnitFileOperations.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QUrl>

namespace {
TDialogHooks DefaultHooks()
{
    TDialogHooks h;
    h.ExecDialog = [](QDialog &d) { return d.exec(); };
    h.BrowseFolder = [](QWidget *parent, const QString &title, const QString &start) {
        return QFileDialog::getExistingDirectory(parent, title, start);
    };
    h.SaveFileName = [](QWidget *parent, const QString &title, const QString &proposed,
                        const QString &filter, const QString &suffix) {
        QFileDialog dialog(parent, title, proposed, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The program asks before replacing, so the dialog must not ask a second time.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(suffix);
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().constFirst()
                   : QString();
    };
    h.OpenFile = [](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    h.OpenSpreadsheet = [](const QString &path) { return OpenInSpreadsheetApplication(path); };
    return h;
}
} // namespace

TDialogHooks &DialogHooks()
{
    static TDialogHooks hooks = DefaultHooks();
    return hooks;
}

void ResetDialogHooks() { DialogHooks() = DefaultHooks(); }

int ExecDialog(QDialog &dialog) { return DialogHooks().ExecDialog(dialog); }

