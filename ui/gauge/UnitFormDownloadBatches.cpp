#include "UnitFormDownloadBatches.h"

#include "UnitException.h"
#include "UnitFileList.h"
#include "UnitFileOperations.h"
#include "UnitPrompt.h"
#include "UnitStorage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

namespace {

// Characters a folder name cannot hold are dropped as they are typed, with a beep.
class TNameCharFilter : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        const QString unsafe = QStringLiteral("\"*/:<>?\\|");
        int removedBeforeCursor = 0;
        QString kept;
        for (int i = 0; i < input.size(); ++i) {
            if (unsafe.contains(input.at(i))) {
                if (i < pos)
                    ++removedBeforeCursor;
                continue;
            }
            kept += input.at(i);
        }
        if (kept.size() != input.size()) {
            QApplication::beep();
            input = kept;
            pos -= removedBeforeCursor;
        }
        return Acceptable;
    }
};

// The tree with its index-to-item lookup open to the caption editor.
class TDownloadTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    using QTreeWidget::itemFromIndex;
};

// Edits a folder's caption; the rename on disk is the dialog's, not the model's.
class TFolderCaptionDelegate : public QStyledItemDelegate {
public:
    TFolderCaptionDelegate(TFormDownloadBatches *dialog, TDownloadTree *tree)
        : QStyledItemDelegate(tree), FDialog(dialog), FTree(tree)
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setObjectName(QStringLiteral("EditFolderCaption"));
            line->setValidator(new TNameCharFilter(line));
        }
        return editor;
    }
    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(editor);
        QTreeWidgetItem *node = FTree->itemFromIndex(index);
        if (!line || !node || line->text() == node->text(0))
            return;
        const QString text = line->text();
        const QPersistentModelIndex at(index);
        // Renaming re-sorts the items and may edit again: done after this editor has gone.
        QTimer::singleShot(0, FDialog, [dialog = FDialog, tree = FTree, at, text] {
            if (QTreeWidgetItem *item = at.isValid() ? tree->itemFromIndex(at) : nullptr)
                dialog->RenameNode(item, text);
        });
    }

private:
    TFormDownloadBatches *FDialog;
    TDownloadTree *FTree;
};

// Items' captions are folder names: compared as the folder view orders them.
bool CaptionLess(const QTreeWidgetItem *a, const QTreeWidgetItem *b) { return FileNameLess(a->text(0), b->text(0)); }

QIcon FolderIcon() { return QApplication::style()->standardIcon(QStyle::SP_DirIcon); }

} // namespace

TFormDownloadBatches::TFormDownloadBatches(QWidget *parent)
    : QDialog(parent), FTree(new TDownloadTree(this)), FRoot(new QTreeWidgetItem), FOk(nullptr),
      FNewFolder(new QPushButton(Tr("New Folder"), this))
{
    setObjectName(QStringLiteral("FormDownloadBatches"));
    setWindowTitle(Tr("Select Data Folder"));
    resize(360, 420);

    FTree->setObjectName(QStringLiteral("TreeViewDownload"));
    FTree->setAccessibleName(Tr("Folder List"));
    FTree->setHeaderHidden(true);
    FTree->setSelectionMode(QAbstractItemView::SingleSelection);
    FTree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    FTree->setItemDelegate(new TFolderCaptionDelegate(this, static_cast<TDownloadTree *>(FTree)));
    FRoot->setText(0, Tr("Data"));
    FRoot->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon));
    FRoot->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    FTree->addTopLevelItem(FRoot);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    FOk = buttons->button(QDialogButtonBox::Ok);
    FOk->setObjectName(QStringLiteral("ButtonOk"));
    FNewFolder->setObjectName(QStringLiteral("ButtonNewFolder"));
    buttons->addButton(FNewFolder, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(FNewFolder, &QPushButton::clicked, this, &TFormDownloadBatches::NewFolder);
    connect(FTree, &QTreeWidget::itemExpanded, this, &TFormDownloadBatches::LoadNode);
    connect(FTree, &QTreeWidget::itemSelectionChanged, this, &TFormDownloadBatches::UpdateButtons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FTree);
    layout->addWidget(buttons);
    UpdateButtons();
}

void TFormDownloadBatches::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (FShownOnce)
        return;
    FShownOnce = true;
    LoadNode(FRoot);
    FRoot->setExpanded(true);
    FTree->setCurrentItem(FRoot);
}

QString TFormDownloadBatches::PathOf(const QTreeWidgetItem *node) const
{
    if (!node || node == FRoot)
        return IncludeTrailingSlash(LocalFolder());
    return PathOf(node->parent()) + node->text(0) + QLatin1Char('/');
}

QString TFormDownloadBatches::SelectedFolder() const
{
    const QList<QTreeWidgetItem *> selected = FTree->selectedItems();
    return selected.isEmpty() ? QString() : PathOf(selected.first());
}

void TFormDownloadBatches::LoadNode(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const QStringList onDisk =
        QDir(PathOf(node)).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (int i = node->childCount() - 1; i >= 0; --i)
        if (!onDisk.contains(node->child(i)->text(0)))
            delete node->takeChild(i);
    for (const QString &name : onDisk) {
        bool known = false;
        for (int i = 0; i < node->childCount() && !known; ++i)
            known = node->child(i)->text(0) == name;
        if (known)
            continue;
        auto *child = new QTreeWidgetItem(node, {name});
        child->setIcon(0, FolderIcon());
        child->setFlags(child->flags() | Qt::ItemIsEditable);
        // Unknown until loaded: the expander shows so the user can open it.
        child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    SortChildren(node);
    for (int i = 0; i < node->childCount(); ++i)
        if (node->child(i)->isExpanded())
            LoadNode(node->child(i));
}

void TFormDownloadBatches::SortChildren(QTreeWidgetItem *node)
{
    // Taking the children out and back forgets which of them (and below) were open.
    QList<QTreeWidgetItem *> open;
    std::function<void(QTreeWidgetItem *)> collect = [&](QTreeWidgetItem *item) {
        for (int i = 0; i < item->childCount(); ++i) {
            if (item->child(i)->isExpanded())
                open << item->child(i);
            collect(item->child(i));
        }
    };
    collect(node);
    QTreeWidgetItem *current = FTree->currentItem();
    QList<QTreeWidgetItem *> children = node->takeChildren();
    std::stable_sort(children.begin(), children.end(), CaptionLess);
    node->addChildren(children);
    {
        // Reopening is not a user's expand: nothing to load again.
        const QSignalBlocker quiet(FTree);
        for (QTreeWidgetItem *item : open)
            item->setExpanded(true);
    }
    if (current)
        FTree->setCurrentItem(current);
}

void TFormDownloadBatches::UpdateButtons()
{
    const bool selected = !FTree->selectedItems().isEmpty();
    FOk->setEnabled(selected);
    FNewFolder->setEnabled(selected);
}

void TFormDownloadBatches::NewFolder()
{
    QTreeWidgetItem *node = FTree->currentItem();
    if (!node)
        return;
    const QString folder = PathOf(node);
    QString path;
    try {
        path = DefaultName(folder, Tr("New Folder"), QString());
        if (!QDir().mkdir(path))
            throw Exception(Tr("Unable to create directories"));
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
        return;
    }
    LoadNode(node);
    if (RescanFolderNodes)
        RescanFolderNodes(folder, true);
    node->setExpanded(true);
    const QString name = QFileInfo(path).fileName();
    for (int i = 0; i < node->childCount(); ++i)
        if (node->child(i)->text(0) == name) {
            FTree->setCurrentItem(node->child(i));
            FTree->editItem(node->child(i), 0);
            break;
        }
}

bool TFormDownloadBatches::RenameNode(QTreeWidgetItem *node, const QString &newName)
{
    if (!node || node == FRoot || newName == node->text(0))
        return false;
    const QString parentFolder = PathOf(node->parent());
    const QString oldPath = parentFolder + node->text(0);
    const QString newPath = parentFolder + newName;
    // rename() would quietly replace an empty folder of that name: an existing name is refused.
    // An emptied name fails like a taken one: the message, the old caption and editing again.
    const bool renamed = !newName.isEmpty() && !PathExists(newPath) && QDir().rename(oldPath, newPath);
    if (renamed) {
        node->setText(0, newName);
        SortChildren(node->parent());
        FTree->scrollToItem(node);
    } else {
        Prompt().Error(Tr("A folder with the name you specified already exists. Specify a different name."));
        FTree->setCurrentItem(node);
        FTree->editItem(node, 0);
    }
    if (RescanFolderNodes)
        RescanFolderNodes(parentFolder, true);
    return renamed;
}
