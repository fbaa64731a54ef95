#include "UnitFormPageItemList.h"

#include "UnitException.h"
#include "UnitPage.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
class TItemTree : public QTreeWidget {
public:
    explicit TItemTree(TFormPageItemList *owner) : QTreeWidget(owner), FOwner(owner) {}

protected:
    void dropEvent(QDropEvent *event) override
    {
        QTreeWidgetItem *target = itemAt(event->position().toPoint());
        QTreeWidgetItem *dragged = currentItem();
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (!target || !dragged)
            return;
        FOwner->MoveSelectedTo(indexOfTopLevelItem(dragged), indexOfTopLevelItem(target));
    }

private:
    TFormPageItemList *FOwner;
};
} // namespace

TFormPageItemList::TFormPageItemList(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FormPageItemList"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FList = new TItemTree(this);
    FList->setObjectName(QStringLiteral("ListViewItems"));
    FList->setAccessibleName(Tr("Items"));
    FList->setHeaderLabels({Tr("Name")});
    FList->setRootIsDecorated(false);
    FList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FList->setDragEnabled(true);
    FList->setAcceptDrops(true);
    FList->setDragDropMode(QAbstractItemView::InternalMove);
    FList->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(FList);
    connect(FList, &QTreeWidget::itemSelectionChanged, this, &TFormPageItemList::RowsSelected);
}

void TFormPageItemList::SetPage(TPage *page)
{
    FPage = page;
    Rebuild();
}

void TFormPageItemList::Rebuild()
{
    const int n = FPage ? FPage->Count() : 0;
    bool same = FList->topLevelItemCount() == n;
    for (int i = 0; same && i < n; ++i) {
        const QTreeWidgetItem *row = FList->topLevelItem(i);
        same = row->text(0) == FPage->Item(i)->Name() && row->isSelected() == FPage->Item(i)->Selected;
    }
    if (same)
        return;
    FUpdating = true;
    FList->clear();
    for (int i = 0; i < n; ++i) {
        auto *row = new QTreeWidgetItem(FList, {FPage->Item(i)->Name()});
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
        row->setSelected(FPage->Item(i)->Selected);
    }
    FList->resizeColumnToContents(0);
    FUpdating = false;
}

void TFormPageItemList::ScrollToSelected()
{
    if (!FPage || FPage->SelectedCount() != 1)
        return;
    const int i = FPage->IndexOf(FPage->CurrentItem());
    if (i >= 0 && i < FList->topLevelItemCount())
        FList->scrollToItem(FList->topLevelItem(i));
}

void TFormPageItemList::RowsSelected()
{
    if (FUpdating || !FPage)
        return;
    for (int i = 0; i < FList->topLevelItemCount() && i < FPage->Count(); ++i) {
        TPageItem *item = FPage->Item(i);
        const bool selected = FList->topLevelItem(i)->isSelected();
        if (selected && !item->Selected)
            FPage->Select(item); // a new selection order
        else if (!selected)
            item->Selected = false;
    }
    if (OnSelectionChanged)
        OnSelectionChanged();
}

void TFormPageItemList::MoveSelectedTo(int dragged, int target)
{
    if (!FPage || target < 0 || target >= FPage->Count() || dragged < 0)
        return;
    const TPageItem *targetItem = FPage->Item(target);
    std::vector<TPageItem *> selected;
    for (int i = 0; i < FPage->Count(); ++i)
        if (FPage->Item(i)->Selected)
            selected.push_back(FPage->Item(i));
    // Dragged downwards the last goes first, so that the items keep their order behind the target.
    if (dragged < target)
        std::reverse(selected.begin(), selected.end());
    for (TPageItem *item : selected)
        FPage->Move(FPage->IndexOf(item), FPage->IndexOf(targetItem));
    Rebuild();
    if (OnSelectionChanged)
        OnSelectionChanged();
}
