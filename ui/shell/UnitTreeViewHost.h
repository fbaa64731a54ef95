#pragma once
// What the folder tree takes from the window that shows it. The main window supplies it, so the
// tree needs nothing else of that window.
#include <QString>
#include <QtCore/qnamespace.h>

class QTreeWidgetItem;
class QMimeData;

class ITreeViewHost {
public:
    virtual ~ITreeViewHost() = default;
    virtual QTreeWidgetItem *SelectedNode() const = 0;
    // Under Local and not the Local node itself: such a node's folder can be dragged out.
    virtual bool IsBelowLocal(const QTreeWidgetItem *node) const = 0;
    // Folder path (trailing "/") of a node under Local; empty otherwise.
    virtual QString FolderPathOfNode(const QTreeWidgetItem *node) const = 0;
    // Renames the folder of a node; on failure tells the user and edits again.
    virtual bool RenameFolderNode(QTreeWidgetItem *node, const QString &newName) = 0;
    virtual void SetDragSourceFolder(const QMimeData *mime) = 0;
    virtual Qt::DropAction ChooseDropAction(QTreeWidgetItem *target, Qt::KeyboardModifiers modifiers,
                                            Qt::DropActions offered) const = 0;
    virtual void DropFiles(const QMimeData *mime, QTreeWidgetItem *target, Qt::DropAction action) = 0;
};
