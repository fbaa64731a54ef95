#pragma once
// "Upload Template": the chooser of the templates to upload from the gauge contents pane.
#include "UnitFileList.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTreeWidget;

class TFormUploadTemplate : public QDialog {
    Q_OBJECT
public:
    explicit TFormUploadTemplate(QWidget *parent = nullptr);

    // Brings the list in line with the "Templates" folder and shows one row per template.
    void Refresh();
    // The entries of the selected rows, in list order.
    QList<TFileItem *> SelectedTemplates() const;
    TFileList &Templates() { return FList; }

    QTreeWidget *ListViewTemplates() const { return FTemplates; }
    QPushButton *ButtonOK() const { return FOK; }
    QPushButton *ButtonCancel() const { return FCancel; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    TFileList FList;
    QTreeWidget *FTemplates;
    QPushButton *FOK, *FCancel;
};

// Loads a template entry when it is not loaded or its file changed; false when it cannot be read.
bool LoadTemplateEntry(TFileItem *entry);
// Brings a list of template entries in line with the "Templates" folder and sorts it.
void RefreshTemplateEntries(TFileList &list);
