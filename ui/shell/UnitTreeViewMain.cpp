#include "UnitTreeViewMain.h"
#include "UnitNameValidator.h"
#include "UnitfocClipboard.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>

namespace {
// Edits a folder node's name; the rename on disk happens when editing ends with a new text.
class TFolderNameDelegate : public QStyledItemDelegate {
public:
    TFolderNameDelegate(ITreeViewHost *form, TTreeViewMain *tree) : QStyledItemDelegate(tree), FForm(form), FTree(tree) {}

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // The drop target is drawn as a selected node, the mark the user drops onto.
        if (QTreeWidgetItem *target = FTree->DropTarget(); target && ItemOf(index) == target)
            option->state |= QStyle::State_Selected;
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setObjectName(QStringLiteral("EditFolderName"));
            line->setValidator(new TFolderNameValidator(line));
        }
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(editor);
        QTreeWidgetItem *node = FTree->topLevelItemCount() ? ItemOf(index) : nullptr;
        // An emptied name is a failed rename too: the window says so and edits again.
        if (!line || !node || line->text() == node->text(0))
            return;
        FForm->RenameFolderNode(node, line->text());
    }

private:
    QTreeWidgetItem *ItemOf(const QModelIndex &index) const
    {
        // The tree's own lookup of the item behind an index.
        const QModelIndex parent = index.parent();
        if (!parent.isValid())
            return FTree->topLevelItem(index.row());
        QTreeWidgetItem *p = ItemOf(parent);
        return p ? p->child(index.row()) : nullptr;
    }
    ITreeViewHost *FForm;
    TTreeViewMain *FTree;
};
} // namespace

TTreeViewMain::TTreeViewMain(ITreeViewHost *host, QWidget *parent) : QTreeWidget(parent), FForm(host)
{
    setObjectName(QStringLiteral("TreeViewMain"));
    setHeaderHidden(true);
    setColumnCount(1);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new TFolderNameDelegate(host, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QWidget *TTreeViewMain::Editor() const
{
    return state() == EditingState ? indexWidget(currentIndex()) : nullptr;
}

QTreeWidgetItem *TTreeViewMain::DropTarget() const
{
    return FDropTarget.isValid() ? itemFromIndex(FDropTarget) : nullptr;
}

void TTreeViewMain::SetDropTarget(QTreeWidgetItem *node)
{
    const QModelIndex index = node ? indexFromItem(node) : QModelIndex();
    if (index == FDropTarget)
        return;
    FDropTarget = index;
    viewport()->update();
}

void TTreeViewMain::EndEditing()
{
    if (QWidget *editor = Editor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TTreeViewMain::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    FDragStart = FForm->IsBelowLocal(FForm->SelectedNode()) ? event->position().toPoint() : QPoint(-1, -1);
}

void TTreeViewMain::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::MouseButtons buttons = event->buttons();
    const bool oneButton = buttons == Qt::LeftButton || buttons == Qt::RightButton;
    const QPoint p = event->position().toPoint();
    if (FDragStart != QPoint(-1, -1) && oneButton && event->modifiers() == Qt::NoModifier &&
        (qAbs(p.x() - FDragStart.x()) >= 10 || qAbs(p.y() - FDragStart.y()) >= 10) && FForm->SelectedNode()) {
        FDragStart = QPoint(-1, -1);
        QString path = FForm->FolderPathOfNode(FForm->SelectedNode());
        path.chop(1);
        auto *drag = new QDrag(this);
        drag->setMimeData(FileListMimeData({path}, false));
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        return;
    }
    // The view's own rubber band and drag start stay off: a drag here is always a file drag.
    if (buttons == Qt::NoButton)
        QTreeWidget::mouseMoveEvent(event);
}

void TTreeViewMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    FForm->SetDragSourceFolder(event->mimeData());
    event->acceptProposedAction();
}

void TTreeViewMain::dragMoveEvent(QDragMoveEvent *event)
{
    const QPoint p = event->position().toPoint();
    // Near the top or bottom edge the tree scrolls so that every folder can be reached.
    if (p.y() < 15)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    else if (p.y() > viewport()->height() - 15)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    QTreeWidgetItem *target = itemAt(p);
    const Qt::DropAction action = FForm->ChooseDropAction(target, event->modifiers(), event->possibleActions());
    if (action == Qt::IgnoreAction) {
        SetDropTarget(nullptr);
        event->ignore();
        return;
    }
    SetDropTarget(target);
    event->setDropAction(action);
    event->accept();
}

void TTreeViewMain::dragLeaveEvent(QDragLeaveEvent *event)
{
    SetDropTarget(nullptr);
    QTreeWidget::dragLeaveEvent(event);
}

void TTreeViewMain::dropEvent(QDropEvent *event)
{
    SetDropTarget(nullptr);
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    const Qt::DropAction action = FForm->ChooseDropAction(target, event->modifiers(), event->possibleActions());
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
    FForm->DropFiles(event->mimeData(), target, action);
}
