#pragma once
// The main window's folder tree: in-place renaming that refuses the characters a folder name
// cannot hold, dragging a folder out as a file list and dropping file lists onto folders.
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QValidator>

class TFormMain;

// True for \ / : * ? " < > | (the characters refused while a folder name is typed).
bool IsForbiddenNameChar(QChar c);

// Refuses, with a beep, any text holding a forbidden character; everything else is accepted.
class TFolderNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

class TTreeViewMain : public QTreeWidget {
public:
    explicit TTreeViewMain(TFormMain *form);
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
    TFormMain *FForm;
    QPoint FDragStart{-1, -1};
    QPersistentModelIndex FDropTarget; // nodes come and go with rescans
};
