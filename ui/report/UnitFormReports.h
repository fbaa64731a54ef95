#pragma once
// The reports window: the pane of the Reports node. It keeps the report designs of two folders,
// "My Reports" (the storage root's Reports folder) and "Tab Reports" (its Settings folder, shown
// as tabs of the batch view), creates, renames, copies, deletes and moves them between the two,
// and lists the pages of the selected report with thumbnails and the page commands: new, delete,
// edit in the page design window, copy, paste and reordering within a page type. Every change is
// written to the report file at once.
//
// Both lists are reloaded by others as well, so the window follows the rule of TFileList: a row
// carries its report's file name, and every command that asks the user first finds its report
// again by that name once the question is answered.
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TFileItem;
class TFileList;
class TMyReports;
class TPageThumbnailList;
class TReport;
class TSettings;

// The drag format of a report row; the data names the list it comes from.
QString ReportRowMimeType();

class TFormReports : public QWidget {
    Q_OBJECT
public:
    // The list that last received the focus.
    enum TActiveList { ActiveNone = 0, ActiveMyReports = 1, ActiveTabReports = 2 };

    // `myReports` is the program's "My Reports" list (also read by the viewer and automation),
    // `tabReports` the main window's tab reports list.
    TFormReports(TMyReports &myReports, TFileList &tabReports, QWidget *parent = nullptr);
    ~TFormReports() override;

    // Where "FormRatio" and "ThumbnailQuality" are kept; without one the defaults hold.
    TSettings *Settings = nullptr;
    // Rebuilds the tab reports list from the Settings folder (the main window's LoadTabReports).
    std::function<void()> LoadTabReports;

    void ReloadMyReports();
    void RefreshLists();
    void ShowCurrentReport();
    void SelectReportByPath(const QString &path);
    // The Reports or Settings folder changed from outside: the lists follow, unless a name is
    // being edited.
    void FoldersChanged();

    int ActiveList() const { return FActiveList; }
    void SetActiveList(int list);
    // The entry selected in the active list, or nullptr (also while a list is being reloaded).
    // Used at once, never kept across a question, a dialog or an event-loop turn.
    TFileItem *CurrentReport() const;
    // The file of the report selected in the active list, empty when none.
    QString CurrentFile() const;
    // The current report's document (loaded on demand), or nullptr.
    TReport *CurrentDocument() const;
    bool CurrentIsReadOnly() const;
    // The selected page row, -1 when none.
    int SelectedPage() const;
    void SelectPage(int index);

    // The work of the actions, also for the main window and tests.
    void NewReport();
    void DeleteReport();
    void StartRenameReport();
    // Renames the report of a row of a list to `text` (without extension); a refused name tells
    // the user and starts editing again.
    void RenameReport(QTreeWidget *list, int row, const QString &text);
    void RenameReportFile(QTreeWidget *list, const QString &path, const QString &text);
    void QueueRename(QTreeWidget *list, int row, const QString &text);
    void EndNameEditing();
    void CopyReport();
    void MoveToTabReports();
    void MoveToMyReports();
    void NewPage(int pageType);
    void DeletePage();
    void EditPage();
    void CopyPage();
    void PastePage();
    void MovePageUp();
    void MovePageDown();
    // A page row dropped on another row of the same page type.
    void MovePageTo(int from, int to);
    void UpdateActions();

    QTreeWidget *ListViewReports() const { return FMyList; }
    QTreeWidget *ListViewReportsTab() const { return FTabList; }
    TPageThumbnailList *ListViewPages() const { return FPages; }
    QLabel *LabelReportPath() const { return FLabel; }
    QSplitter *Splitter() const { return FSplitter; }
    QToolBar *ToolBarPages() const { return FToolBar; }
    QMenu *PopupMenuReports() const { return FPopupReports; }
    QMenu *PopupMenuPages() const { return FPopupPages; }

    QAction *ActionNewReport, *ActionDeleteReport, *ActionRenameReport, *ActionCopyReport, *ActionMoveToTabReports,
        *ActionMoveToMyReports, *ActionNewPage, *ActionOpeningPage, *ActionInnerPage, *ActionClosingPage,
        *ActionDeletePage, *ActionEditPage, *ActionCopy, *ActionPaste, *ActionMoveUp, *ActionMoveDown;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class TReportListView;
    QAction *MakeAction(const char *name, const QString &caption, const std::function<void()> &execute);
    TFileList &ListOf(const QTreeWidget *list) const;
    QString FolderOf(const QTreeWidget *list) const;
    TFileItem *SelectedEntry(const QTreeWidget *list) const;
    int SelectedRow(const QTreeWidget *list) const;
    // The row of a report file in a list, -1 when none.
    int RowOf(const QTreeWidget *list, const QString &file) const;
    // The entry of a report file in the list of a view, or in either list; nullptr when none.
    TFileItem *EntryOf(const QTreeWidget *list, const QString &file) const;
    TFileItem *EntryByFile(const QString &file) const;
    // Shows the lists as they are now and fails with "The report '%1' no longer exists.".
    [[noreturn]] void ReportGone(const QString &file);
    // A list announced a reload: the page list lets go of its report; afterwards the rows, the
    // selection, the page and the scroll position are found again by file name.
    void ListReloading();
    void ListReloaded();
    bool CanEditReport() const;
    void FillRows();
    // Rows for the entries of a list, the row of `selectedFile` selected.
    void FillRows(QTreeWidget *list, const QString &selectedFile);
    QString SelectedFile(const QTreeWidget *list) const;
    void ReportSelected(QTreeWidget *list);
    void StartRename(QTreeWidget *list, int row);
    void MoveReport(QTreeWidget *from, const QString &toFolder);
    // Runs a change of the current report's pages, saves the file and selects the page the change
    // returns.
    void ChangePages(const std::function<int(TReport &report)> &change);
    void ApplyFormRatio();
    void SplitterMoved();

    TMyReports &FMyReports;
    TFileList &FTabReports;
    int FActiveList = ActiveNone;
    QTreeWidget *FMyList, *FTabList;
    QToolButton *FButtonToTab, *FButtonToMy;
    TPageThumbnailList *FPages;
    QLabel *FLabel;
    QSplitter *FSplitter;
    QToolBar *FToolBar;
    QMenu *FPopupReports, *FPopupPages, *FNewPageMenu;
    QTimer *FIdleTimer;
    bool FFilling = false;
    // A rename waits until the list has closed its editor.
    QTreeWidget *FRenameList = nullptr;
    QString FRenameFile;
    QString FRenameText;
    // Open reload announcements of the two lists, and what the user looked at before them.
    int FListsReloading = 0;
    bool FFollowing = false;
    QString FKeptFile;
    int FKeptPage = -1;
    int FKeptScroll = 0;
};
