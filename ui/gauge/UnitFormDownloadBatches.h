#pragma once
// "Select Data Folder": the folders under Local as a tree, loaded as they are opened, with New
// Folder and in-place rename. Used to choose where downloaded batches go.
#include <QDialog>
#include <functional>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TFormDownloadBatches : public QDialog {
    Q_OBJECT
public:
    explicit TFormDownloadBatches(QWidget *parent = nullptr);

    // The chosen folder with a trailing separator; empty while nothing is selected.
    QString SelectedFolder() const;
    // The folder a node stands for, with a trailing separator.
    QString PathOf(const QTreeWidgetItem *node) const;
    // Brings a node's children up to date with the disk, then the expanded children in turn.
    void LoadNode(QTreeWidgetItem *node);
    // Creates "New Folder" (or the first free numbered name) in the selected folder and starts
    // editing its name. Failures are told through the prompt service.
    void NewFolder();
    // Renames a node's folder on disk; on failure tells the user, keeps the old name and edits again.
    bool RenameNode(QTreeWidgetItem *node, const QString &newName);

    QTreeWidget *TreeViewDownload() const { return FTree; }
    QTreeWidgetItem *RootNode() const { return FRoot; }
    QPushButton *ButtonOk() const { return FOk; }
    QPushButton *ButtonNewFolder() const { return FNewFolder; }

    // The main window's refresh of its tree after a folder was made or renamed here.
    std::function<void(const QString &folder, bool recursive)> RescanFolderNodes;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SortChildren(QTreeWidgetItem *node);
    void UpdateButtons();

    QTreeWidget *FTree;
    QTreeWidgetItem *FRoot;
    QPushButton *FOk;
    QPushButton *FNewFolder;
    bool FShownOnce = false;
};
