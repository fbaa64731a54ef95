#pragma once
// The list of a page's items in drawing order: several can be selected, and dragging rows
// changes the drawing order.
#include <QWidget>
#include <functional>

class QTreeWidget;
class TPage;

class TFormPageItemList : public QWidget {
    Q_OBJECT
public:
    explicit TFormPageItemList(QWidget *parent = nullptr);
    void SetPage(TPage *page);
    TPage *Page() const { return FPage; }
    QTreeWidget *List() const { return FList; }
    // Rebuilds the rows unless they already match the page (count, names and selection marks).
    void Rebuild();
    // Scrolls to the one selected item.
    void ScrollToSelected();
    // Moves the selected items to the position of the item at `target`, as a drop of the
    // focused row `dragged` there does.
    void MoveSelectedTo(int dragged, int target);
    // Called after the user changed the selection or the order.
    std::function<void()> OnSelectionChanged;

private:
    void RowsSelected();
    QTreeWidget *FList = nullptr;
    TPage *FPage = nullptr;
    bool FUpdating = false;
};
