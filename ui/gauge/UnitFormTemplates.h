#pragma once
// The templates window: the pane of the Templates node. It lists the template files of the
// storage root's "Templates" folder, creates, renames and deletes them, shows and edits the batch
// definitions of the selected template, groups a cover definition with a half-cell one, and
// starts the upload of the selected templates. Every change is written to the file at once.
#include "UnitFileList.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <utility>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class TSettings;
class TTemplateItem;
class TTemplateList;

// The drag format of template rows; the data is empty: a drop uploads the window's selection.
QString TemplateRowsMimeType();

class TFormTemplates : public QWidget {
    Q_OBJECT
public:
    explicit TFormTemplates(QWidget *parent = nullptr);
    ~TFormTemplates() override;

    // Where "FormRatio" is kept; without one the ratio stays at its default.
    TSettings *Settings = nullptr;
    // Whether the gauge is connected and takes at least one batch type in templates.
    std::function<bool()> GaugeTakesTemplates;
    // Uploads these template entries (the upload wizard and the hand-over to the gauge).
    std::function<void(const QList<TFileItem *> &entries)> UploadTemplates;

    // Brings the list in line with the folder; `reload` loads every template again (after an
    // upload wrote them, within the file time's two-second resolution).
    void Refresh(bool reload = false);
    TFileList &Templates() { return FList; }
    // Entries of the selected rows, in list order.
    QList<TFileItem *> SelectedTemplates() const;
    // The template shown in the lower list (exactly one selected), or nullptr.
    TFileItem *CurrentTemplate() const;
    // Indexes of the selected definitions, ascending.
    QList<int> SelectedBatches() const;
    void SelectTemplate(const QString &name);
    void SelectBatches(const QList<int> &indexes);

    // The work of the actions, also for the main window and tests.
    void NewTemplate();
    // Renames the template of a row; a refused name tells the user and starts editing again.
    void RenameTemplate(int row, const QString &newName);
    // The name editor's result, renamed as soon as the editor has closed.
    void QueueRename(int row, const QString &newName);
    // Commits an open name editor and runs its rename now.
    void EndNameEditing();
    void DeleteTemplates();
    void NewBatch(std::uint8_t batchType);
    void EditBatch();
    void DeleteBatches();
    void Group();
    void Ungroup();
    void UploadSelected();
    // Enabling rules of Group and Ungroup on the current selection.
    bool CanGroup() const;
    bool CanUngroup() const;
    void UpdateActions();

    QTreeWidget *ListViewTemplates() const { return FTemplates; }
    QTreeWidget *ListViewBatches() const { return FBatches; }
    QLabel *LabelTemplate() const { return FLabel; }
    QSplitter *Splitter() const { return FSplitter; }
    QMenu *PopupMenuTemplates() const { return FPopupTemplates; }
    QMenu *PopupMenuBatches() const { return FPopupBatches; }
    QAction *ActionNewTemplate() const { return FActionNewTemplate; }
    QAction *ActionRenameTemplate() const { return FActionRenameTemplate; }
    QAction *ActionDeleteTemplate() const { return FActionDeleteTemplate; }
    QAction *ActionUploadSelectedTemplate() const { return FActionUploadSelectedTemplate; }
    QAction *ActionNewCoverBatch() const { return FActionNewCoverBatch; }
    QAction *ActionNewHalfCellBatch() const { return FActionNewHalfCellBatch; }
    QAction *ActionNewBatch() const { return FActionNewBatch; }
    QAction *ActionEditBatch() const { return FActionEditBatch; }
    QAction *ActionDeleteBatch() const { return FActionDeleteBatch; }
    QAction *ActionGroup() const { return FActionGroup; }
    QAction *ActionUngroup() const { return FActionUngroup; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FillTemplateRows(const QStringList &selectedFiles);
    void FillBatchRows();
    void TemplateSelectionChanged();
    bool EnsureLoaded(TFileItem *entry);
    void SaveTemplate(TFileItem *entry);
    // Runs the template batch wizard on a definition; true on Finish.
    bool RunBatchWizard(TTemplateItem &definition);
    void ApplyFormRatio();
    void SplitterMoved();
    void StartRename(int row);

    TFileList FList;
    QTreeWidget *FTemplates, *FBatches;
    QLabel *FLabel;
    QSplitter *FSplitter;
    QTimer *FIdleTimer;
    QMenu *FPopupTemplates, *FPopupBatches, *FNewBatchMenu;
    QAction *FActionNewTemplate, *FActionRenameTemplate, *FActionDeleteTemplate, *FActionUploadSelectedTemplate,
        *FActionNewCoverBatch, *FActionNewHalfCellBatch, *FActionNewBatch, *FActionEditBatch, *FActionDeleteBatch,
        *FActionGroup, *FActionUngroup;
    void ApplyPendingRename();
    std::pair<int, QString> FPendingRename;
    bool FHasPendingRename = false;
    bool FFilling = false;
    // The file of the template whose definitions the lower list shows.
    QString FBatchesShown;
};

// Clears Grouped on a definition and on its partner (the next definition for a cover one, the
// previous for a half-cell one).
void UngroupDefinition(TTemplateList &templ, int index);
// Groups a cover and a half-cell definition: both flagged, the half-cell one moved directly
// behind the cover one. Returns false (and changes nothing) unless the rule allows it.
bool GroupDefinitions(TTemplateList &templ, int first, int second);
