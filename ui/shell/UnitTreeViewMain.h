#pragma once
// The main window's folder tree: in-place renaming that refuses the characters a folder name
// cannot hold, dragging a folder out as a file list and dropping file lists onto folders.
#include "UnitTreeViewHost.h"

#include <QStyledItemDelegate>
#include <QTreeWidget>

class TTreeViewMain : public QTreeWidget {
public:
    TTreeViewMain(ITreeViewHost *host, QWidget *parent);
    // Ends an edit in progress, keeping the typed text.
    void EndEditing();
    bool Editing() const { return state() == EditingState; }
    // The line edit of the node being edited, or nullptr.
    QWidget *Editor() const;
    // The node under a drag that would take its drop, drawn highlighted; nullptr when none.
    QTreeWidgetItem *DropTarget() const;
    void SetDropTarget(QTreeWidgetItem *node);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    ITreeViewHost *FForm;
    QPoint FDragStart{-1, -1};
    QPersistentModelIndex FDropTarget; // nodes come and go with rescans
};
