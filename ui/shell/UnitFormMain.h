#pragma once
// The main window: a file-explorer layout with the storage tree on the left and the pane of the
// selected node on the right. It owns the program-wide settings store, the tab reports list and
// the two folder watchers, and carries the folder-level commands as named QActions.
#include "UnitFileList.h"
#include "UnitSettings.h"
#include "UnitTreeViewHost.h"

#include <QList>
#include <QMainWindow>
#include <functional>
#include <QMap>
#include <memory>

class IFolderView;
class QAction;
class QLabel;
class QMimeData;
class QSplitter;
class QStackedWidget;
class QToolBar;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class TFormPleaseWait;
class TFormSplash;
class TFolderProbe;
class TThreadDirectory;
class TTreeViewMain;

// What a tree node stands for.
enum class TNodeKind { None, Root, Gauge, Templates, Reports, Local, Folder };

// The help page shipped beside the program (empty when it cannot be found).
QString HelpFileName();

class TFormMain : public QMainWindow, public ITreeViewHost {
    Q_OBJECT
public:
    // `withSplash` shows the splash window until the tree has been built.
    explicit TFormMain(QWidget *parent = nullptr, bool withSplash = false);
    ~TFormMain() override;

    TSettings &Settings() { return FSettings; }
    // Reloaded under its views (LoadTabReports): they follow the rule of TFileList.
    TFileList &TabReports() { return FTabReports; }

    // The report designs of the Settings folder shown as batch-view tabs: reloaded when changed,
    // newest order reversed after sorting.
    void LoadTabReports();

    // --- the tree
    QTreeWidget *Tree() const;
    QTreeWidgetItem *RootNode() const { return FRootNode; }
    QTreeWidgetItem *GaugeNode() const { return FGaugeNode; }
    QTreeWidgetItem *TemplatesNode() const { return FTemplatesNode; }
    QTreeWidgetItem *ReportsNode() const { return FReportsNode; }
    QTreeWidgetItem *LocalNode() const { return FLocalNode; }
    TNodeKind NodeKind(const QTreeWidgetItem *node) const;
    // Folder path (trailing "/") of a node under Local; empty otherwise.
    QString FolderPathOfNode(const QTreeWidgetItem *node) const override;
    bool IsUnderLocal(const QTreeWidgetItem *node) const;
    // Under Local and not the Local node itself.
    bool IsBelowLocal(const QTreeWidgetItem *node) const override;
    // The node of a folder under Local (names compared exactly), or nullptr.
    QTreeWidgetItem *NodeOfFolder(const QString &folder) const;
    // Brings the children of a folder's node up to date with the disk.
    void RescanFolderNodes(const QString &folder, bool recursive);
    // Clears and rebuilds the tree from the storage root.
    void BuildTree();
    QTreeWidgetItem *SelectedNode() const override;
    void SelectNode(QTreeWidgetItem *node);
    // Renames the folder of a node below Local; on failure tells the user and edits again.
    bool RenameFolderNode(QTreeWidgetItem *node, const QString &newName) override;

    // --- panes
    // The pane and tool bar buttons of a fixed node (Gauge, Templates, Reports). Until one is set
    // the node shows an empty pane with its caption.
    void SetPane(TNodeKind kind, QWidget *pane, const QList<QAction *> &toolButtons = {});
    // The folder view shown for every node under Local (not owned; nullptr removes it).
    void SetFolderView(IFolderView *view);
    IFolderView *FolderView() const { return FFolderView; }
    // The pane shown in the right-hand panel, nullptr for none.
    QWidget *CurrentPane() const;
    bool BrowsePanesVisible() const;
    void SetBrowsePanesVisible(bool visible);
    // The buttons shown on the tool bar for the selected node.
    QList<QAction *> ToolBarActions() const;

    // --- status and busy state
    void SetStatusText(int panel, const QString &text);
    QString StatusText(int panel) const;
    // Opens Preferences on the given page (as TFormPreferences numbers them).
    void ShowPreferences(int page);
    // Shows the "Please Wait..." window while set; Cancel there clears the flag.
    void SetBusy(bool busy);
    bool Busy() const { return FBusy; }
    TFormPleaseWait *PleaseWait() const { return FPleaseWait; }

    // --- commands
    // Re-evaluates every action's enabled state (done whenever focus, selection or clipboard change).
    void UpdateActions();
    // The effect a drop of files from `sourceFolder` on `target` gets.
    Qt::DropAction ChooseDropAction(QTreeWidgetItem *target, Qt::KeyboardModifiers modifiers,
                                    Qt::DropActions offered) const override;
    // Copies or moves the files of `mime` (text/uri-list) into the folder of `target`.
    void DropFiles(const QMimeData *mime, QTreeWidgetItem *target, Qt::DropAction action) override;
    // Remembers the folder of the first file of an incoming drag.
    void SetDragSourceFolder(const QMimeData *mime) override;
    // The file-list clipboard data: text/uri-list and x-special/gnome-copied-files.
    static QMimeData *FileListMimeData(const QStringList &paths, bool cut);
    // Export of the folder view's selected batch files to a spreadsheet file.
    void ExportToSpreadsheet();

    // The work done when the window is shown (gauge link start, tree built, Local selected,
    // splash closed); run at once, without showing, for an automation start.
    void StartupRefresh();
    // Shows a batch, template or report file given from outside where its kind is kept: a batch
    // selected in its folder under Local, a template or report on its node. A file outside the
    // storage folder is first offered for copying in. Returns the path shown, empty when none.
    QString OpenFile(const QString &file);
    void OpenFiles(const QStringList &files);
    // The watchers of the selected folder and of its parent (nullptr until a node under Local
    // has been selected, and while a file operation runs).
    TThreadDirectory *FolderWatcher() const { return FWatcher.get(); }
    TThreadDirectory *ParentWatcher() const { return FParentWatcher.get(); }
    // Stops both watchers (false) around a file operation of the window or its panes, so that they
    // do not report its own changes; true watches the selected node again.
    void SetWatching(bool watching);
    // The pause of the folder watchers after each report (tests shorten it).
    void SetWatcherPauseMs(int ms);

    // --- a storage root that does not answer
    // How long start-up waits for the storage root to answer.
    static constexpr int StorageAnswerMs = 1000;
    // True while the storage root does not answer (a network drive whose server cannot be
    // reached): the window shows a message where the folders would be, touches nothing under
    // the root, and looks again every few seconds; once the root answers, start-up completes.
    bool StorageUnavailable() const { return FStorageUnavailable; }
    // The message shown meanwhile (empty once the root answers).
    QString StorageMessage() const;
    // How often the root is looked at again, 3000 ms unless changed (tests shorten it).
    void SetStorageRetryMs(int ms);

signals:
    // The gauge connection is to start (at start-up) or stop (on close); a port change and a
    // storage root change stop then start it.
    void GaugeLinkStart();
    void GaugeLinkStop();
    // Display units changed in Preferences: the views redraw.
    void UnitsChanged();
    // The Preferences dialog closed with this result.
    void PreferencesClosed(int result);
    // The selected node changed and its pane is shown.
    void NodeSelected(QTreeWidgetItem *node);
    // The start-up step that loads the reports window's report list (before the tree is built).
    void LoadReportList();
    // While the Reports node is selected: its Reports or Settings folder changed on disk.
    void ReportFoldersChanged();
    // A report file given from outside is shown: the Reports node is selected, the report is to be.
    void ReportFileOpened(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateActions();
    void CreateLayout();
    QAction *NewAction(const char *name, const QString &caption, const std::function<void()> &execute);
    QTreeWidgetItem *AddFixedNode(QTreeWidgetItem *parent, TNodeKind kind, const QString &text, int picture);
    QTreeWidgetItem *AddFolderNode(QTreeWidgetItem *parent, const QString &name);
    void RescanNode(QTreeWidgetItem *node, bool recursive);
    void SelectionChanged();
    void ShowPaneOf(QTreeWidgetItem *node);
    void ShowToolBarOf(QTreeWidgetItem *node);
    void UpdateFolderLabel(QTreeWidgetItem *node);
    void WatchNode(QTreeWidgetItem *node);
    void StopWatchers();
    void WatcherChanged(bool parent);
    bool TreeFocused() const;
    bool ListFocused() const;
    void ShowPleaseWait();
    void StartupTimer();
    void ShowStorageUnavailable();
    void StorageRetry();
    QStringList ActionPaths() const;

    // Action handlers.
    void ActionNewFolderExecute();
    void ActionDeleteFolderFileExecute();
    void ActionRenameFolderFileExecute();
    void ActionCutFolderFileExecute();
    void ActionCopyFolderFileExecute();
    void ActionPasteFolderFileExecute();
    void ActionSelectAllExecute();
    void ActionBackExecute();
    void NewBatch(std::uint8_t batchType, std::uint8_t batchFormat);
    void ActionChangeStorageDirectoryExecute();
    void ActionPreferencesExecute();
    void ActionHelpExecute();
    void ActionAboutExecute();

    TSettings FSettings;
    int FPreferencesPage = -1; // the page the next Preferences opens on, -1 its own choice
    TFileList FTabReports;
    TTreeViewMain *FTree = nullptr;
    QTreeWidgetItem *FRootNode = nullptr, *FGaugeNode = nullptr, *FTemplatesNode = nullptr,
                    *FReportsNode = nullptr, *FLocalNode = nullptr;
    QWidget *FPanelFolder = nullptr;
    QSplitter *FSplitter = nullptr;
    QStackedWidget *FPanelInfoView = nullptr;
    QMap<TNodeKind, QWidget *> FPanes;
    QMap<TNodeKind, QList<QAction *>> FPaneButtons;
    QMap<TNodeKind, QWidget *> FPlaceholders;
    IFolderView *FFolderView = nullptr;
    QToolBar *FToolBarMain = nullptr;
    QLabel *FLabelSelectedFolder = nullptr;
    QLabel *FImageSelectedFolder = nullptr;
    QLabel *FStatusPanels[2] = {nullptr, nullptr};
    std::unique_ptr<TThreadDirectory> FWatcher, FParentWatcher;
    int FWatcherPauseMs = 5000;
    QString FDragSourceFolder;
    bool FBusy = false;
    bool FTreeHadFocus = true;
    bool FStarted = false;
    TFormPleaseWait *FPleaseWait = nullptr;
    TFormSplash *FSplash = nullptr;
    std::unique_ptr<TFolderProbe> FStorageProbe;
    bool FStorageUnavailable = false;
    QLabel *FStorageMessage = nullptr;
    QTimer *FStorageRetry = nullptr;
};
