#include "UnitListLayout.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTreeView>
#include <QTreeWidget>

namespace {

const char *const HintName = "LabelEmptyHint";

// Keeps the hint over the viewport and shown only while the model is empty. The view's model
// may be replaced or reset under it, so the model is looked up each time, never kept.
class THintKeeper : public QObject {
public:
    THintKeeper(QAbstractItemView *view, QLabel *label) : QObject(label), FView(view), FLabel(label)
    {
        view->viewport()->installEventFilter(this);
        Watch();
    }

    void Update()
    {
        if (!FView)
            return;
        if (FView->model() != FModel)
            Watch();
        const bool empty = !FModel || FModel->rowCount(FView->rootIndex()) == 0;
        const bool show = empty && !FLabel->text().isEmpty();
        const QRect area = FView->viewport()->rect().adjusted(12, 12, -12, -12);
        FLabel->setGeometry(area);
        FLabel->setVisible(show);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            Update();
        return QObject::eventFilter(watched, event);
    }

private:
    void Watch()
    {
        if (FModel)
            disconnect(FModel, nullptr, this, nullptr);
        FModel = FView->model();
        if (!FModel)
            return;
        auto update = [this] { Update(); };
        connect(FModel, &QAbstractItemModel::rowsInserted, this, update);
        connect(FModel, &QAbstractItemModel::rowsRemoved, this, update);
        connect(FModel, &QAbstractItemModel::modelReset, this, update);
        connect(FModel, &QAbstractItemModel::layoutChanged, this, update);
        connect(FModel, &QObject::destroyed, this, [this] {
            FModel = nullptr;
            Update();
        });
    }

    QPointer<QAbstractItemView> FView;
    QLabel *FLabel;
    QPointer<QAbstractItemModel> FModel;
};

} // namespace

int NumberAlignment() { return Qt::AlignRight | Qt::AlignVCenter; }

void ArrangeNumberColumns(QTreeView *view, const QList<int> &numberColumns)
{
    QHeaderView *header = view->header();
    header->setStretchLastSection(false);
    if (auto *tree = qobject_cast<QTreeWidget *>(view)) {
        QTreeWidgetItem *headings = tree->headerItem();
        for (int column : numberColumns)
            headings->setTextAlignment(column, NumberAlignment());
    }
    // A number column is as wide as its heading or its widest number, whichever is more.
    for (int column : numberColumns)
        header->resizeSection(column, std::max(header->sectionSize(column), header->sectionSizeHint(column)));
}

void AlignNumberCells(QTreeWidgetItem *row, const QList<int> &numberColumns)
{
    for (int column : numberColumns)
        row->setTextAlignment(column, NumberAlignment());
}

QLabel *EmptyListHint(QAbstractItemView *view)
{
    return view->viewport()->findChild<QLabel *>(QLatin1String(HintName), Qt::FindDirectChildrenOnly);
}

QLabel *SetEmptyListHint(QAbstractItemView *view, const QString &text)
{
    QLabel *label = EmptyListHint(view);
    THintKeeper *keeper = nullptr;
    if (!label) {
        label = new QLabel(view->viewport());
        label->setObjectName(QLatin1String(HintName));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setEnabled(false); // drawn in the palette's disabled text colour
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        keeper = new THintKeeper(view, label);
        keeper->setObjectName(QStringLiteral("HintKeeper"));
    } else {
        keeper = static_cast<THintKeeper *>(label->findChild<QObject *>(QStringLiteral("HintKeeper")));
    }
    label->setText(text);
    if (keeper)
        keeper->Update();
    return label;
}
