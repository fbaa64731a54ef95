#pragma once
// What the main window needs of the folder view that shows the selected folder under Local:
// the view registers itself with TFormMain::SetFolderView and the main window drives it.
#include <QStringList>

class QWidget;
class TFileItem;

class IFolderView {
public:
    virtual ~IFolderView() = default;
    // The pane shown in the main window's right-hand panel.
    virtual QWidget *Widget() = 0;
    // Points the view at a folder (with trailing "/") and lists it.
    virtual void SetFolder(const QString &folder) = 0;
    // Re-reads the folder shown.
    virtual void RefreshView() = 0;
    virtual bool ListHasFocus() const = 0;
    virtual bool ListVisible() const = 0;
    // Shows or hides the list and its splitter (the browse panes).
    virtual void SetListVisible(bool visible) = 0;
    // Full paths of the selected items, in view order.
    virtual QStringList SelectedPaths() const = 0;
    // The listed entry of a batch file (its header values, possibly from the cache), or nullptr.
    virtual const TFileItem *BatchEntry(const QString &path) const { return nullptr; }
    // Starts editing the caption of the selected item.
    virtual void EditSelectedCaption() = 0;
    virtual void SelectAll() = 0;
    // Asks (naming the item by its caption), then deletes the selected items.
    virtual void DeleteSelection() = 0;
    // Clears the selection, selects the item of `path` and starts editing its caption.
    virtual void SelectAndEdit(const QString &path) = 0;
    // Clears the selection and selects the item of `path`.
    virtual void SelectPath(const QString &path) = 0;
};
