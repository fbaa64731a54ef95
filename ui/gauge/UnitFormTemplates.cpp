#include "UnitFormTemplates.h"
#include "UnitKeyboardAccess.h"

#include "UnitFormRatio.h"
#include "UnitBatchList.h"
#include "UnitBusyCursor.h"
#include "UnitDialogHooks.h"
#include "UnitException.h"
#include "UnitListLayout.h"
#include "UnitFileOperations.h"
#include "UnitFormTemplateBatchWizard.h"
#include "UnitFormUploadTemplate.h"
#include "UnitPrompt.h"
#include "UnitSettings.h"
#include "UnitStorage.h"
#include "UnitTemplateList.h"
#include "UnitUnits.h"

#include <QAction>
#include <QCursor>
#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QSet>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int TemplateNameLength = 10;
constexpr int ColumnColumns = 2, ColumnRows = 3, ColumnHighLimit = 5, ColumnLowLimit = 6;
constexpr int AppliedRole = Qt::UserRole + 1;

// The characters MakeFileNameSafe replaces cannot be typed into a name.
bool IsUnsafeNameChar(QChar c) { return MakeFileNameSafe(QString(c)) != QString(c); }

class TNameEditFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent *>(event)->text();
            if (std::any_of(text.begin(), text.end(), IsUnsafeNameChar)) {
                QApplication::beep();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Pasted text loses the characters a name cannot hold.
class TNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input.erase(std::remove_if(input.begin(), input.end(), IsUnsafeNameChar), input.end());
        return Acceptable;
    }
};

// The name editor of the template list: at most ten characters; the rename itself is the form's.
class TTemplateNameDelegate : public QStyledItemDelegate {
public:
    TTemplateNameDelegate(TFormTemplates *form) : QStyledItemDelegate(form), FForm(form) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("EditTemplateName"));
        edit->installEventFilter(new TNameEditFilter(edit));
        return edit;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *edit = static_cast<QLineEdit *>(editor);
        const QString name = index.data().toString();
        // A name takes at most ten characters, and a paste is cut to fit. A longer name from an
        // older file is shown whole and may be shortened, never lengthened, so that opening and
        // closing the editor never renames the template by cutting its name.
        edit->setMaxLength(std::max<int>(TemplateNameLength, name.size()));
        edit->setValidator(new TNameValidator(edit));
        edit->setText(name);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        FForm->QueueRename(index.row(), static_cast<QLineEdit *>(editor)->text());
    }

private:
    TFormTemplates *FForm;
};

QPixmap LimitImage(bool applied)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(applied ? QColor(20, 140, 40) : QColor(170, 170, 170), 2.2);
    p.setPen(pen);
    if (applied) {
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    } else {
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return pixmap;
}

// The limit cells: their own background, the applied / not applied image, the text 20 px in.
class TLimitDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QWidget *view = option.widget;
        const bool selected = option.state & QStyle::State_Selected;
        const bool focused = view && view->hasFocus();
        const QPalette &pal = option.palette;
        const QColor back = selected ? (focused ? pal.color(QPalette::Highlight) : pal.color(QPalette::Button))
                                     : pal.color(QPalette::Base);
        painter->save();
        painter->fillRect(option.rect, back);
        const bool applied = index.data(AppliedRole).toBool();
        const QRect image(option.rect.left() + 2, option.rect.top() + (option.rect.height() - 16) / 2, 16, 16);
        painter->drawPixmap(image, LimitImage(applied));
        painter->setPen(selected && focused ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
        painter->restore();
    }
};

class TTemplateListView : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    // Commits and closes an open name editor.
    void EndEditing()
    {
        if (state() != EditingState)
            return;
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

protected:
    void startDrag(Qt::DropActions) override
    {
        if (selectedItems().isEmpty())
            return;
        auto *mime = new QMimeData;
        mime->setData(TemplateRowsMimeType(), QByteArray());
        auto *drag = new QDrag(this);
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction, Qt::CopyAction);
    }
};

QIcon BadgeIcon(const QColor &colour, const QString &letter)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}

QIcon DefinitionIcon(int batchType)
{
    return batchType == BatchTypeCover ? BadgeIcon(QColor(40, 90, 170), QStringLiteral("C"))
                                       : BadgeIcon(QColor(205, 110, 20), QStringLiteral("H"));
}

QString TemplatePath(const QString &name) { return IncludeTrailingSlash(TemplatesFolder()) + name + QStringLiteral(".vct"); }

} // namespace

QString TemplateRowsMimeType() { return QStringLiteral("application/x-orvalis-templates"); }

void UngroupDefinition(TTemplateList &templ, int index)
{
    if (index < 0 || index >= templ.Count())
        return;
    TTemplateItem *item = templ.Items(index);
    if (!item->Grouped)
        return;
    item->Grouped = false;
    const int partner = item->BatchType == BatchTypeCover ? index + 1 : index - 1;
    if (partner >= 0 && partner < templ.Count())
        templ.Items(partner)->Grouped = false;
}

bool GroupDefinitions(TTemplateList &templ, int first, int second)
{
    if (first < 0 || second < 0 || first >= templ.Count() || second >= templ.Count() || first == second)
        return false;
    TTemplateItem *a = templ.Items(first), *b = templ.Items(second);
    if (a->BatchType == b->BatchType || a->Grouped || b->Grouped)
        return false;
    a->Grouped = b->Grouped = true;
    const int cover = a->BatchType == BatchTypeCover ? first : second;
    const int halfCell = cover == first ? second : first;
    // The list has no move: rebuild it in the new order.
    std::vector<TTemplateItem> items;
    for (int i = 0; i < templ.Count(); ++i)
        if (i != halfCell)
            items.push_back(*templ.Items(i));
    const TTemplateItem moved = *templ.Items(halfCell);
    const int coverAfter = cover > halfCell ? cover - 1 : cover;
    items.insert(items.begin() + coverAfter + 1, moved);
    templ.Clear();
    for (const TTemplateItem &item : items)
        *templ.Add() = item;
    return true;
}

TFormTemplates::TFormTemplates(QWidget *parent)
    : QWidget(parent), FTemplates(new TTemplateListView(this)), FBatches(new QTreeWidget(this)), FLabel(new QLabel(this)),
      FSplitter(new QSplitter(Qt::Vertical, this)), FIdleTimer(new QTimer(this)), FPopupTemplates(new QMenu(this)),
      FPopupBatches(new QMenu(this)), FNewBatchMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("FormTemplates"));

    FTemplates->setObjectName(QStringLiteral("ListViewTemplates"));
    FTemplates->setAccessibleName(Tr("Templates"));
    FTemplates->setRootIsDecorated(false);
    FTemplates->setUniformRowHeights(true);
    FTemplates->setAllColumnsShowFocus(true);
    FTemplates->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FTemplates->setSelectionBehavior(QAbstractItemView::SelectRows);
    FTemplates->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    FTemplates->setItemDelegateForColumn(0, new TTemplateNameDelegate(this));
    FTemplates->setDragEnabled(true);
    FTemplates->setDragDropMode(QAbstractItemView::DragOnly);
    FTemplates->setContextMenuPolicy(Qt::CustomContextMenu);
    FTemplates->setHeaderLabels({Tr("Name"), Tr("Uploaded")});
    FTemplates->setColumnWidth(0, 220);
    ArrangeNumberColumns(FTemplates, {1});
    SetEmptyListHint(FTemplates, Tr("No templates yet. Choose New Template to make one."));

    FBatches->setObjectName(QStringLiteral("ListViewBatches"));
    FBatches->setAccessibleName(Tr("Batches"));
    FBatches->setRootIsDecorated(false);
    FBatches->setUniformRowHeights(true);
    FBatches->setAllColumnsShowFocus(true);
    FBatches->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FBatches->setSelectionBehavior(QAbstractItemView::SelectRows);
    FBatches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FBatches->setContextMenuPolicy(Qt::CustomContextMenu);
    FBatches->setHeaderLabels({Tr("Type"), Tr("Format"), Tr("Columns"), Tr("Rows"), Tr("Grouped"), Tr("High Limit"),
                               Tr("Low Limit")});
    FBatches->setColumnWidth(0, 110);
    FBatches->setColumnWidth(ColumnHighLimit, 110);
    ArrangeNumberColumns(FBatches, {ColumnColumns, ColumnRows});
    auto *limitDelegate = new TLimitDelegate(this);
    FBatches->setItemDelegateForColumn(ColumnHighLimit, limitDelegate);
    FBatches->setItemDelegateForColumn(ColumnLowLimit, limitDelegate);

    auto makeAction = [this](const char *name, const QString &caption, const std::function<void()> &execute) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this, execute] {
            try {
                // A name being edited is settled before any command works on the templates.
                EndNameEditing();
                execute();
            } catch (const Exception &e) {
                Prompt().Error(e.Message());
            }
            UpdateActions();
        });
        addAction(action);
        return action;
    };
    FActionNewTemplate = makeAction("ActionNewTemplate", Tr("New Template"), [this] { NewTemplate(); });
    FActionRenameTemplate = makeAction("ActionRenameTemplate", Tr("Rename"), [this] {
        const QList<QTreeWidgetItem *> rows = FTemplates->selectedItems();
        if (rows.size() == 1)
            StartRename(FTemplates->indexOfTopLevelItem(rows.first()));
    });
    FActionDeleteTemplate = makeAction("ActionDeleteTemplate", Tr("Delete"), [this] { DeleteTemplates(); });
    FActionDeleteTemplate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    FActionUploadSelectedTemplate = makeAction("ActionUploadSelectedTemplate", Tr("Upload"), [this] { UploadSelected(); });
    FActionNewCoverBatch = makeAction("ActionNewCoverBatch", Tr("Cover Batch"), [this] { NewBatch(BatchTypeCover); });
    FActionNewHalfCellBatch = makeAction("ActionNewHalfCellBatch", Tr("Half Cell Batch"), [this] { NewBatch(BatchTypeHalfCell); });
    // "New Batch" only offers its two choices: it never picks a batch type for the user.
    FActionNewBatch = makeAction("ActionNewBatch", Tr("New Batch"), [this] { FNewBatchMenu->popup(QCursor::pos()); });
    FActionEditBatch = makeAction("ActionEditBatch", Tr("Edit"), [this] { EditBatch(); });
    FActionDeleteBatch = makeAction("ActionDeleteBatch", Tr("Delete"), [this] { DeleteBatches(); });
    FActionGroup = makeAction("ActionGroup", Tr("Group"), [this] { Group(); });
    FActionUngroup = makeAction("ActionUngroup", Tr("Ungroup"), [this] { Ungroup(); });
    FNewBatchMenu->addAction(FActionNewCoverBatch);
    FNewBatchMenu->addAction(FActionNewHalfCellBatch);
    FActionNewBatch->setMenu(FNewBatchMenu);

    QStyle *style = QApplication::style();
    FActionNewTemplate->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    FActionDeleteTemplate->setIcon(style->standardIcon(QStyle::SP_TrashIcon));
    FActionRenameTemplate->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    FActionUploadSelectedTemplate->setIcon(style->standardIcon(QStyle::SP_ArrowUp));
    FActionNewBatch->setIcon(style->standardIcon(QStyle::SP_FileDialogNewFolder));
    FActionNewCoverBatch->setIcon(DefinitionIcon(BatchTypeCover));
    FActionNewHalfCellBatch->setIcon(DefinitionIcon(BatchTypeHalfCell));
    FActionEditBatch->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
    FActionDeleteBatch->setIcon(style->standardIcon(QStyle::SP_DialogDiscardButton));

    FPopupTemplates->addAction(FActionUploadSelectedTemplate);
    FPopupTemplates->addSeparator();
    FPopupTemplates->addAction(FActionRenameTemplate);
    FPopupTemplates->addAction(FActionDeleteTemplate);
    FPopupTemplates->addSeparator();
    FPopupTemplates->addAction(FActionNewTemplate);
    FPopupBatches->addAction(FActionEditBatch);
    FPopupBatches->addAction(FActionDeleteBatch);
    FPopupBatches->addSeparator();
    FPopupBatches->addAction(FActionNewCoverBatch);
    FPopupBatches->addAction(FActionNewHalfCellBatch);
    connect(FTemplates, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { FPopupTemplates->popup(FTemplates->viewport()->mapToGlobal(p)); });
    connect(FBatches, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { FPopupBatches->popup(FBatches->viewport()->mapToGlobal(p)); });

    // The lower half: the template's name, the definitions' tool bar and list.
    auto *lower = new QWidget(FSplitter);
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 4, 0, 0);
    lowerLayout->setSpacing(2);
    FLabel->setObjectName(QStringLiteral("LabelTemplateName"));
    QFont bold = FLabel->font();
    bold.setBold(true);
    FLabel->setFont(bold);
    auto *bar = new QToolBar(lower);
    bar->setObjectName(QStringLiteral("ToolBarBatches"));
    bar->setAccessibleName(Tr("Batches"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    bar->addAction(FActionNewBatch);
    if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(FActionNewBatch)))
        button->setPopupMode(QToolButton::InstantPopup);
    bar->addAction(FActionEditBatch);
    bar->addAction(FActionDeleteBatch);
    bar->addSeparator();
    bar->addAction(FActionGroup);
    bar->addAction(FActionUngroup);
    auto *labelRow = new QHBoxLayout;
    labelRow->setContentsMargins(4, 0, 0, 0);
    labelRow->addWidget(FLabel, 1);
    labelRow->addWidget(bar);
    lowerLayout->addLayout(labelRow);
    lowerLayout->addWidget(FBatches, 1);

    FSplitter->setObjectName(QStringLiteral("SplitterTemplates"));
    FSplitter->insertWidget(0, FTemplates);
    FSplitter->setChildrenCollapsible(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FSplitter);

    connect(FTemplates, &QTreeWidget::itemSelectionChanged, this, &TFormTemplates::TemplateSelectionChanged);
    connect(FBatches, &QTreeWidget::itemSelectionChanged, this, &TFormTemplates::UpdateActions);
    connect(FBatches, &QTreeWidget::itemDoubleClicked, this, [this] { FActionEditBatch->trigger(); });
    connect(FSplitter, &QSplitter::splitterMoved, this, &TFormTemplates::SplitterMoved);
    // The gauge connects and disconnects on its own: Upload follows it while the window shows.
    FIdleTimer->setInterval(250);
    connect(FIdleTimer, &QTimer::timeout, this, &TFormTemplates::UpdateActions);
    UpdateActions();
    MakeKeyboardAccessible(this);
}

TFormTemplates::~TFormTemplates() = default;

// --- list of templates

void TFormTemplates::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Refresh();
    ApplyFormRatio();
    FIdleTimer->start();
    UpdateActions();
}

void TFormTemplates::hideEvent(QHideEvent *event)
{
    FIdleTimer->stop();
    QWidget::hideEvent(event);
    UpdateActions();
}

void TFormTemplates::Refresh(bool reload)
{
    QStringList selected;
    for (const TFileItem *entry : SelectedTemplates())
        selected << entry->FileName;
    RefreshTemplateEntries(FList);
    if (reload)
        for (int i = 0; i < FList.Count(); ++i)
            FList.Items(i)->LoadState = LoadStateNone;
    FillTemplateRows(selected);
}

bool TFormTemplates::EnsureLoaded(TFileItem *entry) { return LoadTemplateEntry(entry); }

void TFormTemplates::FillTemplateRows(const QStringList &selectedFiles)
{
    FFilling = true;
    FTemplates->clear();
    QList<QTreeWidgetItem *> rows;
    for (int i = 0; i < FList.Count(); ++i) {
        TFileItem *entry = FList.Items(i);
        EnsureLoaded(entry);
        auto *row = new QTreeWidgetItem({NameWithoutExtension(entry->FileName),
                                         QString::number(entry->Template().AutoInc - 1)});
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        row->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_FileIcon));
        AlignNumberCells(row, {1});
        rows << row;
    }
    FTemplates->addTopLevelItems(rows);
    for (int i = 0; i < FList.Count(); ++i)
        if (selectedFiles.contains(FList.Items(i)->FileName))
            rows[i]->setSelected(true);
    FFilling = false;
    TemplateSelectionChanged();
}

QList<TFileItem *> TFormTemplates::SelectedTemplates() const
{
    QList<TFileItem *> entries;
    for (int i = 0; i < FTemplates->topLevelItemCount() && i < FList.Count(); ++i)
        if (FTemplates->topLevelItem(i)->isSelected())
            entries << FList.Items(i);
    return entries;
}

TFileItem *TFormTemplates::CurrentTemplate() const
{
    const QList<TFileItem *> entries = SelectedTemplates();
    return entries.size() == 1 ? entries.first() : nullptr;
}

void TFormTemplates::SelectTemplate(const QString &name)
{
    FTemplates->clearSelection();
    for (int i = 0; i < FTemplates->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = FTemplates->topLevelItem(i);
        if (row->text(0) == name) {
            row->setSelected(true);
            FTemplates->setCurrentItem(row, 0, QItemSelectionModel::Select);
            FTemplates->scrollToItem(row);
        }
    }
}

void TFormTemplates::TemplateSelectionChanged()
{
    if (FFilling)
        return;
    TFileItem *entry = CurrentTemplate();
    FLabel->setText(entry ? NameWithoutExtension(entry->FileName) : QString());
    FillBatchRows();
}

void TFormTemplates::NewTemplate()
{
    const QString folder = IncludeTrailingSlash(TemplatesFolder());
    QDir().mkpath(folder);
    const QString path = DefaultName(folder, QStringLiteral("New"), QStringLiteral(".vct"));
    TTemplateList empty;
    empty.SaveToFile(path);
    Refresh();
    const QString name = NameWithoutExtension(path);
    SelectTemplate(name);
    for (int i = 0; i < FTemplates->topLevelItemCount(); ++i)
        if (FTemplates->topLevelItem(i)->text(0) == name)
            StartRename(i);
}

void TFormTemplates::StartRename(int row)
{
    QTreeWidgetItem *item = FTemplates->topLevelItem(row);
    if (!item)
        return;
    FTemplates->setFocus();
    FTemplates->setCurrentItem(item, 0);
    FTemplates->editItem(item, 0);
}

void TFormTemplates::QueueRename(int row, const QString &newName)
{
    // The list is rebuilt by the rename: not while the view still holds its editor.
    FPendingRename = {row, newName};
    FHasPendingRename = true;
    QTimer::singleShot(0, this, &TFormTemplates::ApplyPendingRename);
}

void TFormTemplates::ApplyPendingRename()
{
    if (!FHasPendingRename)
        return;
    FHasPendingRename = false;
    RenameTemplate(FPendingRename.first, FPendingRename.second);
}

void TFormTemplates::EndNameEditing()
{
    static_cast<TTemplateListView *>(FTemplates)->EndEditing();
    ApplyPendingRename();
}

void TFormTemplates::RenameTemplate(int row, const QString &newName)
{
    if (row < 0 || row >= FList.Count())
        return;
    TFileItem *entry = FList.Items(row);
    const QString oldName = NameWithoutExtension(entry->FileName);
    QTreeWidgetItem *item = FTemplates->topLevelItem(row);
    // An empty name would leave a file called ".vct": the old name stays.
    if (newName == oldName || newName.trimmed().isEmpty()) {
        if (item)
            item->setText(0, oldName);
        return;
    }
    const QString newPath = TemplatePath(newName);
    if (PathExists(newPath)) {
        Prompt().Error(Tr("A template with the name you specified already exists. Specify a different name."));
        if (item)
            item->setText(0, oldName);
        StartRename(row);
        return;
    }
    QFile file(entry->FileName);
    if (!file.rename(newPath)) {
        // Another name would not help: the system's reason, and the old name stays.
        if (item)
            item->setText(0, oldName);
        Prompt().Error(Tr("Unable to rename '%1': %2").arg(oldName, file.errorString()));
        return;
    }
    entry->FileName = newPath;
    entry->Load();
    FList.Sort();
    FillTemplateRows({});
    SelectTemplate(newName);
}

void TFormTemplates::DeleteTemplates()
{
    const QList<TFileItem *> entries = SelectedTemplates();
    if (entries.isEmpty())
        return;
    const QString question =
        entries.size() == 1
            ? Tr("Are you sure you want to delete '%1'?").arg(NameWithoutExtension(entries.first()->FileName))
            : Tr("Are you sure you want to delete these %1 templates?").arg(entries.size());
    if (Prompt().YesNo(question) != TPromptAnswer::Yes)
        return;
    {
        TBusyCursor busy;
        try {
            for (int i = 0; i < FTemplates->topLevelItemCount() && i < FList.Count(); ++i) {
                QTreeWidgetItem *row = FTemplates->topLevelItem(i);
                if (!row->isSelected())
                    continue;
                DeleteTree(FList.Items(i)->FileName);
                row->setSelected(false);
            }
        } catch (const Exception &e) {
            Refresh();
            throw;
        }
    }
    Refresh();
}

void TFormTemplates::UploadSelected()
{
    if (!FActionUploadSelectedTemplate->isEnabled() || !UploadTemplates)
        return;
    const QList<TFileItem *> entries = SelectedTemplates();
    if (entries.isEmpty())
        return;
    UploadTemplates(entries);
    Refresh(true);
}

// --- definitions of the selected template

void TFormTemplates::FillBatchRows()
{
    TFileItem *entry = CurrentTemplate();
    // A selection belongs to the template it was made in: another template starts with none.
    const QString shown = entry ? entry->FileName : QString();
    const QList<int> selected = shown == FBatchesShown ? SelectedBatches() : QList<int>();
    FBatchesShown = shown;
    FBatches->clear();
    if (entry && EnsureLoaded(entry)) {
        const TTemplateList &templ = entry->Template();
        QList<QTreeWidgetItem *> rows;
        for (int i = 0; i < templ.Count(); ++i) {
            const TTemplateItem *d = templ.Items(i);
            const bool linear = d->BatchFormat == BatchFormatLinear;
            QString high, low;
            try {
                high = QStringLiteral("%1 %2").arg(d->FormatValueRounded(d->HighLimit), d->UnitName());
                low = QStringLiteral("%1 %2").arg(d->FormatValueRounded(d->LowLimit), d->UnitName());
            } catch (const Exception &) {
                // A definition of an unknown type shows no limits.
            }
            auto *row = new QTreeWidgetItem({BatchTypeName(d->BatchType), BatchFormatName(d->BatchFormat),
                                             linear ? QStringLiteral("-") : QString::number(d->Columns),
                                             linear ? QStringLiteral("-") : QString::number(d->Rows),
                                             d->Grouped ? Tr("Grouped") : QString(), high, low});
            row->setIcon(0, DefinitionIcon(d->BatchType));
            AlignNumberCells(row, {ColumnColumns, ColumnRows});
            row->setData(ColumnHighLimit, AppliedRole, d->HighLimitApplied);
            row->setData(ColumnLowLimit, AppliedRole, d->LowLimitApplied);
            rows << row;
        }
        FBatches->addTopLevelItems(rows);
        for (int i : selected)
            if (i < rows.size())
                rows[i]->setSelected(true);
    }
    UpdateActions();
}

QList<int> TFormTemplates::SelectedBatches() const
{
    QList<int> indexes;
    for (int i = 0; i < FBatches->topLevelItemCount(); ++i)
        if (FBatches->topLevelItem(i)->isSelected())
            indexes << i;
    return indexes;
}

void TFormTemplates::SelectBatches(const QList<int> &indexes)
{
    FBatches->clearSelection();
    for (int i : indexes)
        if (QTreeWidgetItem *row = FBatches->topLevelItem(i))
            row->setSelected(true);
    UpdateActions();
}

void TFormTemplates::SaveTemplate(TFileItem *entry)
{
    // A template that cannot be written keeps its change in memory; no message, as before.
    entry->Save();
}

bool TFormTemplates::RunBatchWizard(TTemplateItem &definition)
{
    TFormTemplateBatchWizard wizard(this);
    wizard.Batch = definition;
    // A definition the wizard cannot show (a hand-edited batch type) fails here, with its message.
    wizard.Prepare();
    if (ExecDialog(wizard) != QDialog::Accepted)
        return false;
    definition = wizard.Batch;
    return true;
}

void TFormTemplates::NewBatch(std::uint8_t batchType)
{
    TFileItem *entry = CurrentTemplate();
    if (!entry || !EnsureLoaded(entry))
        return;
    TTemplateItem definition;
    definition.BatchType = batchType;
    definition.BatchFormat = BatchFormatGrid;
    definition.Columns = 3;
    definition.Rows = 4;
    definition.Grid = 500.0;
    if (!RunBatchWizard(definition))
        return;
    *entry->Template().Add() = definition;
    SaveTemplate(entry);
    FillBatchRows();
}

void TFormTemplates::EditBatch()
{
    TFileItem *entry = CurrentTemplate();
    const QList<int> selected = SelectedBatches();
    if (!entry || selected.isEmpty())
        return;
    QTreeWidgetItem *current = FBatches->currentItem();
    int index = current && current->isSelected() ? FBatches->indexOfTopLevelItem(current) : selected.first();
    TTemplateItem definition = *entry->Template().Items(index);
    if (!RunBatchWizard(definition))
        return;
    *entry->Template().Items(index) = definition;
    SaveTemplate(entry);
    FillBatchRows();
}

void TFormTemplates::DeleteBatches()
{
    TFileItem *entry = CurrentTemplate();
    const QList<int> selected = SelectedBatches();
    if (!entry || selected.isEmpty())
        return;
    const QString question = selected.size() == 1 ? Tr("Are you sure you want to delete this template batch?")
                                                  : Tr("Are you sure you want to delete the selected batches?");
    if (Prompt().YesNo(question) != TPromptAnswer::Yes)
        return;
    TTemplateList &templ = entry->Template();
    for (int k = selected.size() - 1; k >= 0; --k) {
        UngroupDefinition(templ, selected[k]);
        templ.Delete(selected[k]);
    }
    SaveTemplate(entry);
    FBatches->clearSelection();
    FillBatchRows();
}

bool TFormTemplates::CanGroup() const
{
    TFileItem *entry = CurrentTemplate();
    const QList<int> selected = SelectedBatches();
    if (!entry || selected.size() != 2 || !entry->HasTemplate())
        return false;
    const TTemplateList &templ = entry->Template();
    if (selected[1] >= templ.Count())
        return false;
    const TTemplateItem *a = templ.Items(selected[0]), *b = templ.Items(selected[1]);
    return a->BatchType != b->BatchType && !a->Grouped && !b->Grouped;
}

bool TFormTemplates::CanUngroup() const
{
    TFileItem *entry = CurrentTemplate();
    const QList<int> selected = SelectedBatches();
    if (!entry || !entry->HasTemplate() || selected.isEmpty() || selected.size() > 2)
        return false;
    const TTemplateList &templ = entry->Template();
    if (selected.last() >= templ.Count())
        return false;
    const TTemplateItem *first = templ.Items(selected[0]);
    if (selected.size() == 1)
        return first->Grouped;
    return first->Grouped && first->BatchType == BatchTypeCover;
}

void TFormTemplates::Group()
{
    if (!CanGroup())
        return;
    TFileItem *entry = CurrentTemplate();
    const QList<int> selected = SelectedBatches();
    GroupDefinitions(entry->Template(), selected[0], selected[1]);
    SaveTemplate(entry);
    FBatches->clearSelection();
    FillBatchRows();
}

void TFormTemplates::Ungroup()
{
    if (!CanUngroup())
        return;
    TFileItem *entry = CurrentTemplate();
    UngroupDefinition(entry->Template(), SelectedBatches().first());
    SaveTemplate(entry);
    FillBatchRows();
}

void TFormTemplates::UpdateActions()
{
    const int templates = static_cast<int>(SelectedTemplates().size());
    const bool one = templates == 1;
    const bool definition = one && !SelectedBatches().isEmpty();
    FActionNewTemplate->setEnabled(isVisible());
    FActionRenameTemplate->setEnabled(one);
    FActionDeleteTemplate->setEnabled(templates > 0);
    FActionUploadSelectedTemplate->setEnabled(templates > 0 && GaugeTakesTemplates && GaugeTakesTemplates());
    FActionNewCoverBatch->setEnabled(one);
    FActionNewHalfCellBatch->setEnabled(one);
    FActionNewBatch->setEnabled(one);
    FActionEditBatch->setEnabled(definition);
    FActionDeleteBatch->setEnabled(definition);
    FActionGroup->setEnabled(CanGroup());
    FActionUngroup->setEnabled(CanUngroup());
}

// --- layout

void TFormTemplates::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ApplyFormRatio();
}

void TFormTemplates::ApplyFormRatio()
{
    SplitAtFormRatio(FSplitter, height(), Settings);
}

void TFormTemplates::SplitterMoved()
{
    StoreFormRatio(FTemplates->height(), height(), Settings);
}
