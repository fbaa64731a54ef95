#pragma once
// The template upload shared by the gauge contents pane ("Upload", chooser first) and the
// templates window ("Upload", its selection): the upload wizard, the numbering committed and
// saved, and the hand-over to the communication thread.
#include <QList>

class QWidget;
class TFileItem;
class TFormCalvaneK27;
class TFormTemplates;

// Uploads template entries: copies of those holding definitions go through the upload wizard;
// after Finish each is numbered for good and saved, then handed to the gauge. Returns whether
// the upload was started (false when nothing was chosen or the wizard was cancelled).
bool UploadTemplateEntries(TFormCalvaneK27 &pane, const QList<TFileItem *> &entries, QWidget *parent);

// The gauge pane's Upload: the "Upload Template" chooser, then UploadTemplateEntries.
bool UploadFromGaugePane(TFormCalvaneK27 &pane, QWidget *parent);

// Wires both entry points: the gauge pane's Upload and the templates window's Upload (whose
// list is reloaded after an upload from the gauge pane).
void ConnectTemplateUpload(TFormCalvaneK27 &pane, TFormTemplates &templates);
