#pragma once
// What the folder view and the batch views take from the window that hosts them: the settings
// store, the titles of the tab reports, the browse panes and the folder tree. The main window
// supplies it; tests supply a small fake.
#include <QStringList>

class QTreeWidgetItem;
class TFileListNotifier;
class TMyReports;
class TReport;
class TSettings;

class IFolderViewHost {
public:
    virtual ~IFolderViewHost() = default;
    virtual TSettings &Settings() = 0;
    // Titles of the report designs shown as batch-view tabs, in tab order.
    virtual QStringList TabReportTitles() = 0;
    // Their files, in the same order (empty when the host has no files behind the titles). A tab
    // keeps its report's file, never its position: the tab reports list reloads under the view.
    virtual QStringList TabReportFiles() { return {}; }
    // The loaded tab report of that file, or nullptr. Used at once, never kept.
    virtual TReport *TabReport(const QString & /*file*/) { return nullptr; }
    // The reload announcements of the tab reports list, or nullptr.
    virtual TFileListNotifier *TabReportsNotifier() { return nullptr; }
    // The reports window's "My Reports" list the report viewer offers in custom mode, or nullptr.
    virtual TMyReports *MyReports() { return nullptr; }
    virtual bool BrowsePanesVisible() const = 0;
    virtual void SetBrowsePanesVisible(bool visible) = 0;
    // The contents of these folders changed (files copied, moved, renamed): the tree follows.
    virtual void FoldersChanged(const QStringList &folders) = 0;
    // A folder was renamed on disk.
    virtual void FolderRenamed(const QString &oldPath, const QString &newPath) = 0;
    // Selects the tree node of a folder (the view then shows that folder).
    virtual void SelectFolder(const QString &folder) = 0;
    // Stops (false) and restarts (true) the folder watchers around the view's own file operations.
    virtual void SetWatching(bool watching) = 0;
    // The tree node showing a folder (trailing "/"), looked up when asked: nodes come and go with
    // every rescan, so the view keeps no pointers to them.
    virtual QTreeWidgetItem *NodeOfFolder(const QString &folder) = 0;
};
