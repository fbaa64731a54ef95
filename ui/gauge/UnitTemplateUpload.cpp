#include "UnitTemplateUpload.h"

#include "UnitCommK27Thread.h"
#include "UnitDialogHooks.h"
#include "UnitException.h"
#include "UnitFileList.h"
#include "UnitFormCalvaneK27.h"
#include "UnitFormTemplates.h"
#include "UnitFormUploadTemplate.h"
#include "UnitFormUploadWizard.h"
#include "UnitPrompt.h"
#include "UnitTemplateList.h"

#include <QMutexLocker>
#include <QPointer>

bool UploadTemplateEntries(TFormCalvaneK27 &pane, const QList<TFileItem *> &entries, QWidget *parent)
{
    if (!pane.TakesTemplates())
        return false;
    TFormUploadWizard wizard(parent);
    // The file of each wizard template: the numbering goes back to the file it came from, whatever
    // the letter case of its extension.
    QStringList files;
    for (TFileItem *entry : entries) {
        if (entry->FileType != FileTypeTemplate || !LoadTemplateEntry(entry))
            continue;
        if (entry->Template().Count() > 0) {
            wizard.Templates.Add()->Assign(&entry->Template());
            files << entry->FileName;
        }
    }
    if (wizard.Templates.TotalBatchCount() == 0)
        return false;
    if (ExecDialog(wizard) != QDialog::Accepted)
        return false;
    // The connection may have ended while the wizard was open: then no number is used up, and the
    // user learns that nothing went to the gauge.
    if (!pane.TakesTemplates()) {
        Prompt().Error(Tr("The connection to the gauge has ended. Nothing was uploaded."));
        return false;
    }
    // The numbers are committed and kept in the files before anything is sent, so that a second
    // upload never reuses them, whatever the gauge answers.
    for (int i = 0; i < wizard.Templates.Count(); ++i) {
        TTemplateList *templ = wizard.Templates.Items(i);
        templ->GenerateBatchIDs(true);
        try {
            templ->SaveToFile(files.at(i));
        } catch (const Exception &e) {
            // Uploading numbers that were not kept would give the next upload the same IDs.
            Prompt().Error(e.Message());
            return false;
        }
    }
    TCommK27Thread *thread = pane.Thread();
    thread->UploadList.Lock();
    thread->UploadList.Assign(&wizard.Templates);
    thread->UploadList.Unlock();
    pane.RunCommand(cmdWriteTemplates);
    return true;
}

bool UploadFromGaugePane(TFormCalvaneK27 &pane, QWidget *parent)
{
    // A connection that failed keeps its list and its Connected state until the next Refresh.
    if (!pane.TakesTemplates())
        return false;
    TFormUploadTemplate chooser(parent);
    if (ExecDialog(chooser) != QDialog::Accepted)
        return false;
    return UploadTemplateEntries(pane, chooser.SelectedTemplates(), parent);
}

void ConnectTemplateUpload(TFormCalvaneK27 &pane, TFormTemplates &templates)
{
    QPointer<TFormCalvaneK27> gauge(&pane);
    QPointer<TFormTemplates> window(&templates);
    templates.GaugeTakesTemplates = [gauge] { return gauge && gauge->TakesTemplates(); };
    templates.UploadTemplates = [gauge, window](const QList<TFileItem *> &entries) {
        if (gauge)
            UploadTemplateEntries(*gauge, entries, window);
    };
    pane.UploadTemplates = [gauge, window] {
        if (gauge && UploadFromGaugePane(*gauge, gauge) && window)
            window->Refresh(true);
    };
    pane.UpdateActions();
}
