#pragma once
// The folder view: the entries of one folder under Local in a list filled on demand, with in-place
// rename, clipboard, drag and drop, and below it the preview of the selection (the batch view for
// batch files, a picture, the first page of a PDF document, or the details of any other file).
#include "UnitFileList.h"
#include "UnitFolderViewLink.h"
#include "UnitDropEffect.h"

#include <QTreeView>
#include <QWidget>

class IFolderViewHost;
class QFrame;
class QMenu;
class QTreeWidgetItem;
class QSplitter;
class QStackedWidget;
class TFolderListModel;
class TFormBatchView;
class TFormLocal;
class TFormViewImage;
class TFormViewOle;
class TFormViewPDF;

// List columns.
enum TLocalColumn { ColumnName, ColumnType, ColumnColumns, ColumnRows, ColumnReadings, ColumnModified, ColumnCount };

// A packed file time as local date and time (invalid for an unknown time).
QDateTime UnpackFileTime(std::int32_t time);

class TListViewLocal : public QTreeView {
    Q_OBJECT
public:
    explicit TListViewLocal(TFormLocal *form);
    int DropRow() const { return FDropRow; }
    // The row whose name is being edited in place, -1 when none.
    int EditingRow() const;
    // The rows shown now (first, last), -1 when none.
    std::pair<int, int> VisibleRows() const;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QString DropFolderAt(const QPoint &pos, int *row) const;
    void SetDropRow(int row);
    TFormLocal *FForm;
    int FDropRow = -1;
    QString FDragSourceFolder;
};

class TFormLocal : public QWidget, public IFolderView {
    Q_OBJECT
public:
    explicit TFormLocal(IFolderViewHost *host, QWidget *parent = nullptr);
    ~TFormLocal() override;

    QWidget *Widget() override { return this; }
    // Points the view at a folder (trailing "/" added) and refreshes it.
    void SetFolder(const QString &folder) override;
    void RefreshView() override { Refresh(); }
    const QString &Folder() const { return FFolder; }
    // Re-reads the folder: new and vanished entries, cache, selection kept by path and kind.
    void Refresh();
    TFileList &Files() { return FFiles; }
    // The entry of a row, nullptr outside the list.
    TFileItem *Entry(int row) const;
    // The text of a cell, as the list shows it (fills the row first).
    QString CellText(int row, int column);

    void SelectByPath(const QString &path);
    QStringList SelectedPaths() const override; // full paths of the selected rows, in list order
    const TFileItem *BatchEntry(const QString &path) const override;
    QList<int> SelectedRows() const;
    int SelectedBatchCount() const;
    // With exactly one row selected and that row a folder, the folder's tree node; else nullptr.
    QTreeWidgetItem *SelectedFolderNode() const;
    void SelectAll() override;
    void SelectRows(const QList<int> &rows);

    // Clipboard: the selected paths as a file list, to be copied or moved.
    void CopySelection();
    void CutSelection();
    // A drop of the clipboard's file list, with its effect, into the view's folder.
    void PasteFiles();
    // Copies or moves files into `dropFolder` (trailing "/"), asking before replacing.
    void DropFiles(const QStringList &paths, Qt::DropAction action, const QString &dropFolder);
    // Asks, then deletes the selected files and folders.
    void DeleteSelection() override;

    // Renames the entry of a row to the typed caption; false when refused or failed.
    bool Rename(int row, const QString &text);
    void EditSelectedCaption() override;
    void SelectAndEdit(const QString &path) override;
    void SelectPath(const QString &path) override { SelectByPath(path); }
    // A double-click on a row: a folder opens in the tree, another file in its own program.
    void OpenRow(int row);

    // Shows the preview of the selection.
    void UpdatePreview();
    QWidget *PreviewForm() const;
    // An edited batch was saved: the list's copy and the cache follow.
    void BatchSaved(const TFileItem &entry);
    // Redraws the batch views in new display units.
    void UnitsChanged();

    bool ListHasFocus() const override;
    bool ListVisible() const override;
    void SetListVisible(bool visible) override;
    // The actions of the list's context menu (owned by the main window).
    void SetContextActions(QMenu *menu) { FContextMenu = menu; }
    QMenu *ContextMenu() const { return FContextMenu; }
    bool Updating() const { return FUpdating; }
    IFolderViewHost *Host() const { return FHost; }

    TListViewLocal *ListViewLocal;
    QSplitter *SplitterLocal;
    QFrame *PanelPreview;
    TFormBatchView *BatchView;
    TFormViewImage *FormViewImage;
    TFormViewPDF *FormViewPDF;
    TFormViewOle *FormViewOle;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class TFolderListModel;
    void ShowPreview(QWidget *form);
    void ApplyFormRatio();
    void SplitterMoved();
    void Repaint();

    IFolderViewHost *FHost;
    QString FFolder;
    TFileList FFiles;
    TFolderListModel *FModel;
    QStackedWidget *FPreviews;
    QWidget *FEmptyPreview;
    QMenu *FContextMenu = nullptr;
    bool FUpdating = false;
};
