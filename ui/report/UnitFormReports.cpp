#include "UnitFormReports.h"
#include "UnitKeyboardAccess.h"

#include "UnitListLayout.h"
#include "UnitBusyCursor.h"
#include "UnitDialogHooks.h"
#include "UnitException.h"
#include "UnitFileList.h"
#include "UnitFileOperations.h"
#include "UnitFormPageDesign.h"
#include "UnitFormRatio.h"
#include "UnitMyReports.h"
#include "UnitPageDesigner.h"
#include "UnitPageThumbnailList.h"
#include "UnitPrompt.h"
#include "UnitReport.h"
#include "UnitSettings.h"
#include "UnitStorage.h"
#include "UnitNameValidator.h"
#include "UnitUnits.h"
#include "UnitXml.h"
#include "UnitfocClipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int MiddleStripWidth = 44;
const QString ThumbnailQualitySetting = QStringLiteral("ThumbnailQuality");
const QString ReportExtension = QStringLiteral(".vcr");
// The file of a report row: rows find their entries by it, never by position.
constexpr int FileRole = Qt::UserRole + 1;

QString RowFile(const QTreeWidgetItem *row) { return row ? row->data(0, FileRole).toString() : QString(); }

// Pictures of the report rows: 0 an ordinary report, 3 a read-only one.
QIcon ReportIcon(bool readOnly)
{
    QPixmap pixmap = QApplication::style()->standardIcon(QStyle::SP_FileIcon).pixmap(16, 16);
    if (readOnly) {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 90, 90), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8.5, 6, 5, 6), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 150, 20));
        p.drawRect(QRectF(7.5, 9, 7, 6));
    }
    return QIcon(pixmap);
}

QIcon ArrowIcon(bool right)
{
    return QApplication::style()->standardIcon(right ? QStyle::SP_ArrowRight : QStyle::SP_ArrowLeft);
}

QString ReportCaption(const TFileItem &entry)
{
    const TReport *report = ReportOf(entry);
    return report && !report->Name.isEmpty() ? report->Name : NameWithoutExtension(entry.FileName);
}

// Loads an entry that is not loaded or whose file changed; true when its report is there.
bool EnsureLoaded(TFileItem &entry)
{
    if (entry.LoadState == LoadStateNone || entry.IsChanged())
        entry.Load();
    return ReportOf(entry) != nullptr;
}

// Writes the report through its entry. The writer's own message reaches the user when the file
// cannot be written, instead of the change silently staying in memory only.
void SaveReportEntry(TFileItem &entry)
{
    TReport *report = ReportOf(entry);
    if (!report)
        throw Exception(Tr("Cannot save file that is not loaded"));
    report->SaveToFile(entry.FileName);
    entry.FileModifiedTime = PackedFileTime(entry.FileName);
}

// The caption editor of the report lists: the file-name filter, and no editor for a report that
// may not be renamed.
class TReportNameDelegate : public QStyledItemDelegate {
public:
    TReportNameDelegate(TFormReports *form, QTreeWidget *list) : QStyledItemDelegate(list), FForm(form), FList(list) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        if (!FForm->CurrentReport() || FForm->CurrentIsReadOnly())
            return nullptr;
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("EditReportName"));
        edit->setValidator(new TFolderNameValidator(edit));
        return edit;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QLineEdit *>(editor)->setText(index.data().toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        FForm->QueueRename(FList, index.row(), static_cast<QLineEdit *>(editor)->text());
    }

private:
    TFormReports *FForm;
    QTreeWidget *FList;
};

} // namespace

QString ReportRowMimeType() { return QStringLiteral("application/x-orvalis-report-row"); }

// A report list: rows dragged out name their list; a row of the other list dropped here runs the
// matching move.
class TReportListView : public QTreeWidget {
public:
    TReportListView(TFormReports *form, QWidget *parent) : QTreeWidget(parent), FForm(form) {}
    void EndEditing()
    {
        if (state() != EditingState)
            return;
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    bool Editing() const { return state() == EditingState; }

protected:
    void startDrag(Qt::DropActions) override
    {
        if (selectedItems().isEmpty())
            return;
        auto *mime = new QMimeData;
        mime->setData(ReportRowMimeType(), objectName().toUtf8());
        auto *drag = new QDrag(this);
        drag->setMimeData(mime);
        drag->exec(Qt::MoveAction, Qt::MoveAction);
    }
    QTreeWidget *Source(const QMimeData *mime) const
    {
        if (!mime || !mime->hasFormat(ReportRowMimeType()))
            return nullptr;
        const QString name = QString::fromUtf8(mime->data(ReportRowMimeType()));
        QTreeWidget *other = this == FForm->ListViewReports() ? FForm->ListViewReportsTab() : FForm->ListViewReports();
        return name == other->objectName() ? other : nullptr;
    }
    bool Accepts(const QMimeData *mime) const { return Source(mime) && FForm->CurrentReport(); }
    void dragEnterEvent(QDragEnterEvent *event) override
    {
        if (Accepts(event->mimeData())) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->ignore();
        }
    }
    void dragMoveEvent(QDragMoveEvent *event) override
    {
        if (Accepts(event->mimeData())) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->ignore();
        }
    }
    void dropEvent(QDropEvent *event) override
    {
        if (!Accepts(event->mimeData())) {
            event->ignore();
            return;
        }
        event->setDropAction(Qt::MoveAction);
        event->accept();
        // The move runs after the drag has ended, not inside the drag's event loop.
        const bool toTab = this == FForm->ListViewReportsTab();
        QTimer::singleShot(0, FForm, [form = FForm, toTab] {
            try {
                if (toTab)
                    form->MoveToTabReports();
                else
                    form->MoveToMyReports();
            } catch (const Exception &e) {
                Prompt().Error(e.Message());
            }
            form->UpdateActions();
        });
    }

private:
    TFormReports *FForm;
};

TFormReports::TFormReports(TMyReports &myReports, TFileList &tabReports, QWidget *parent)
    : QWidget(parent), FMyReports(myReports), FTabReports(tabReports), FMyList(new TReportListView(this, this)),
      FTabList(new TReportListView(this, this)), FButtonToTab(new QToolButton(this)), FButtonToMy(new QToolButton(this)),
      FPages(new TPageThumbnailList(this)), FLabel(new QLabel(this)), FSplitter(new QSplitter(Qt::Vertical, this)),
      FToolBar(new QToolBar(this)), FPopupReports(new QMenu(this)), FPopupPages(new QMenu(this)),
      FNewPageMenu(new QMenu(this)), FIdleTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("FormReports"));

    // --- actions
    ActionNewReport = MakeAction("ActionNewReport", Tr("New Report"), [this] { NewReport(); });
    ActionDeleteReport = MakeAction("ActionDeleteReport", Tr("Delete"), [this] { DeleteReport(); });
    ActionDeleteReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    ActionRenameReport = MakeAction("ActionRenameReport", Tr("Rename"), [this] { StartRenameReport(); });
    ActionCopyReport = MakeAction("ActionCopyReport", Tr("Copy"), [this] { CopyReport(); });
    ActionMoveToTabReports = MakeAction("ActionMoveToTabReports", QString(), [this] { MoveToTabReports(); });
    ActionMoveToMyReports = MakeAction("ActionMoveToMyReports", QString(), [this] { MoveToMyReports(); });
    ActionNewPage = MakeAction("ActionNewPage", Tr("New Page"), [this] {
        if (QWidget *button = FToolBar->widgetForAction(ActionNewPage))
            FNewPageMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
    ActionOpeningPage = MakeAction("ActionOpeningPage", Tr("Opening Page"), [this] { NewPage(PageTypeOpening); });
    ActionInnerPage = MakeAction("ActionInnerPage", Tr("Inner Page"), [this] { NewPage(PageTypeInner); });
    ActionClosingPage = MakeAction("ActionClosingPage", Tr("Closing Page"), [this] { NewPage(PageTypeClosing); });
    ActionOpeningPage->setData(PageTypeOpening);
    ActionInnerPage->setData(PageTypeInner);
    ActionClosingPage->setData(PageTypeClosing);
    ActionDeletePage = MakeAction("ActionDeletePage", Tr("Delete"), [this] { DeletePage(); });
    ActionEditPage = MakeAction("ActionEditPage", Tr("Edit"), [this] { EditPage(); });
    ActionCopy = MakeAction("ActionCopy", Tr("Copy"), [this] { CopyPage(); });
    ActionPaste = MakeAction("ActionPaste", Tr("Paste"), [this] { PastePage(); });
    ActionMoveUp = MakeAction("ActionMoveUp", Tr("Move Up"), [this] { MovePageUp(); });
    ActionMoveDown = MakeAction("ActionMoveDown", Tr("Move Down"), [this] { MovePageDown(); });
    FNewPageMenu->setObjectName(QStringLiteral("PopupMenuNewPage"));
    FNewPageMenu->addAction(ActionOpeningPage);
    FNewPageMenu->addAction(ActionInnerPage);
    FNewPageMenu->addAction(ActionClosingPage);
    ActionNewPage->setMenu(FNewPageMenu);

    QStyle *style = QApplication::style();
    ActionNewReport->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    ActionDeleteReport->setIcon(style->standardIcon(QStyle::SP_TrashIcon));
    ActionRenameReport->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    ActionCopyReport->setIcon(style->standardIcon(QStyle::SP_FileDialogNewFolder));
    ActionMoveToTabReports->setIcon(ArrowIcon(true));
    ActionMoveToMyReports->setIcon(ArrowIcon(false));
    ActionNewPage->setIcon(style->standardIcon(QStyle::SP_FileDialogNewFolder));
    ActionDeletePage->setIcon(style->standardIcon(QStyle::SP_DialogDiscardButton));
    ActionEditPage->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
    ActionCopy->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    ActionPaste->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    ActionMoveUp->setIcon(style->standardIcon(QStyle::SP_ArrowUp));
    ActionMoveDown->setIcon(style->standardIcon(QStyle::SP_ArrowDown));

    // --- the two report lists and the strip between them
    auto setUpList = [this](QTreeWidget *list, const char *name, const QString &caption) {
        list->setObjectName(QString::fromLatin1(name));
        list->setHeaderLabels({caption});
        list->setAccessibleName(caption);
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->header()->setStretchLastSection(true);
        list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        list->setItemDelegateForColumn(0, new TReportNameDelegate(this, list));
        list->setDragEnabled(true);
        list->setAcceptDrops(true);
        list->viewport()->setAcceptDrops(true);
        list->setDragDropMode(QAbstractItemView::DragDrop);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        list->installEventFilter(this);
        connect(list, &QTreeWidget::itemSelectionChanged, this, [this, list] { ReportSelected(list); });
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint &p) { FPopupReports->popup(list->viewport()->mapToGlobal(p)); });
    };
    setUpList(FMyList, "ListViewReports", Tr("My Reports"));
    setUpList(FTabList, "ListViewReportsTab", Tr("Tab Reports"));
    SetEmptyListHint(FMyList, Tr("No reports yet. Choose New Report to design one."));
    FPopupReports->setObjectName(QStringLiteral("PopupMenuReports"));
    FPopupReports->addAction(ActionCopyReport);
    FPopupReports->addAction(ActionRenameReport);
    FPopupReports->addAction(ActionDeleteReport);
    FPopupReports->addSeparator();
    FPopupReports->addAction(ActionNewReport);

    auto *top = new QWidget(FSplitter);
    top->setObjectName(QStringLiteral("PanelReports"));
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(0);
    auto *strip = new QWidget(top);
    strip->setObjectName(QStringLiteral("PanelMoveButtons"));
    strip->setFixedWidth(MiddleStripWidth);
    auto *stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->addStretch();
    // Arrows only: the name says where the report goes.
    for (auto [button, action, name, caption] :
         {std::tuple{FButtonToTab, ActionMoveToTabReports, "ButtonMoveToTabReports", QT_TRID_NOOP("Move to Tab Reports")},
          std::tuple{FButtonToMy, ActionMoveToMyReports, "ButtonMoveToMyReports", QT_TRID_NOOP("Move to My Reports")}}) {
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(Tr(caption));
        button->setDefaultAction(action);
        // The buttons leave the focus in the list they work on.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        stripLayout->addWidget(button, 0, Qt::AlignHCenter);
    }
    stripLayout->addStretch();
    topLayout->addWidget(FMyList, 1);
    topLayout->addWidget(strip);
    topLayout->addWidget(FTabList, 1);

    // --- the page area
    auto *lower = new QWidget(FSplitter);
    lower->setObjectName(QStringLiteral("PanelPages"));
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 4, 0, 0);
    lowerLayout->setSpacing(2);
    FLabel->setObjectName(QStringLiteral("LabelReportPath"));
    QFont bold = FLabel->font();
    bold.setBold(true);
    bold.setPixelSize(13);
    FLabel->setFont(bold);
    FToolBar->setObjectName(QStringLiteral("ToolBarPages"));
    FToolBar->setAccessibleName(Tr("Pages"));
    FToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    FToolBar->setIconSize(QSize(16, 16));
    FToolBar->addAction(ActionNewPage);
    if (auto *button = qobject_cast<QToolButton *>(FToolBar->widgetForAction(ActionNewPage)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
    FToolBar->addSeparator();
    FToolBar->addAction(ActionDeletePage);
    FToolBar->addAction(ActionEditPage);
    FToolBar->addAction(ActionCopy);
    FToolBar->addAction(ActionPaste);
    FToolBar->addSeparator();
    FToolBar->addAction(ActionMoveUp);
    FToolBar->addAction(ActionMoveDown);

    FPages->SetColumns({Tr("Number"), Tr("Type"), Tr("Page Type")}, [](const TPage &page, int index, int column) {
        if (column == 0)
            return QString::number(index + 1);
        if (column == 1)
            return page.Properties["PageType"].DisplayText();
        QStringList names;
        const int used = page.UsedBatchTypes();
        for (int type : {BatchTypeCover, BatchTypeHalfCell})
            if (used & (1 << type))
                names << BatchTypeName(type);
        return names.join(QStringLiteral(", "));
    });
    FPages->setColumnWidth(0, 120);
    FPages->setColumnWidth(1, 100);
    FPages->header()->setStretchLastSection(true);
    FPages->setContextMenuPolicy(Qt::CustomContextMenu);
    FPages->SetPageDragEnabled(true);
    FPages->DropRule = [this](int from, int to) {
        TReport *report = CurrentDocument();
        return report && !report->ReadOnly && report->CanMovePage(from, to);
    };
    connect(FPages, &TPageThumbnailList::PageDropped, this, [this](int from, int to) {
        try {
            MovePageTo(from, to);
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
        }
        UpdateActions();
    });
    connect(FPages, &TPageThumbnailList::SelectedPageChanged, this, &TFormReports::UpdateActions);
    connect(FPages, &QAbstractItemView::doubleClicked, this, [this] {
        UpdateActions();
        if (ActionEditPage->isEnabled())
            ActionEditPage->trigger();
    });
    FPopupPages->setObjectName(QStringLiteral("PopupMenuPages"));
    FPopupPages->addAction(ActionEditPage);
    FPopupPages->addSeparator();
    FPopupPages->addAction(ActionDeletePage);
    FPopupPages->addAction(ActionCopy);
    FPopupPages->addAction(ActionPaste);
    connect(FPages, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { FPopupPages->popup(FPages->viewport()->mapToGlobal(p)); });
    lowerLayout->addWidget(FLabel);
    lowerLayout->addWidget(FToolBar);
    lowerLayout->addWidget(FPages, 1);

    FSplitter->setObjectName(QStringLiteral("SplitterReports"));
    FSplitter->setChildrenCollapsible(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FSplitter);
    connect(FSplitter, &QSplitter::splitterMoved, this, &TFormReports::SplitterMoved);

    // Paste follows the clipboard, the move buttons the focus.
    FIdleTimer->setInterval(250);
    connect(FIdleTimer, &QTimer::timeout, this, &TFormReports::UpdateActions);
    // Only while shown: a hidden pane may outlive the lists it shows (the main window's tab list
    // goes before its panes do).
    auto whileShown = [this] {
        if (isVisible())
            UpdateActions();
    };
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, whileShown);
    connect(qApp, &QApplication::focusChanged, this, whileShown);
    // Both lists are reloaded by others too (the folder watcher, the viewer, automation).
    for (TFileList *entries : {&FMyReports.List(), &FTabReports}) {
        connect(&entries->Notifier(), &TFileListNotifier::Reloading, this, &TFormReports::ListReloading);
        connect(&entries->Notifier(), &TFileListNotifier::Reloaded, this, &TFormReports::ListReloaded);
    }
    UpdateActions();
    MakeKeyboardAccessible(this);
}

TFormReports::~TFormReports()
{
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
}

QAction *TFormReports::MakeAction(const char *name, const QString &caption, const std::function<void()> &execute)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, execute] {
        try {
            // A name being edited is settled before any command works on the reports.
            if (!FFilling)
                EndNameEditing();
            execute();
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
        }
        UpdateActions();
    });
    addAction(action);
    return action;
}

// --- lists

TFileList &TFormReports::ListOf(const QTreeWidget *list) const
{
    return list == FTabList ? FTabReports : FMyReports.List();
}

QString TFormReports::FolderOf(const QTreeWidget *list) const
{
    return IncludeTrailingSlash(list == FTabList ? SettingsFolder() : ReportsFolder());
}

int TFormReports::SelectedRow(const QTreeWidget *list) const
{
    const QList<QTreeWidgetItem *> rows = list->selectedItems();
    return rows.size() == 1 ? list->indexOfTopLevelItem(rows.first()) : -1;
}

int TFormReports::RowOf(const QTreeWidget *list, const QString &file) const
{
    for (int i = 0; !file.isEmpty() && i < list->topLevelItemCount(); ++i)
        if (RowFile(list->topLevelItem(i)) == file)
            return i;
    return -1;
}

TFileItem *TFormReports::EntryOf(const QTreeWidget *list, const QString &file) const
{
    const TFileList &entries = ListOf(list);
    // Half-reloaded lists are not read.
    if (file.isEmpty() || entries.Reloading())
        return nullptr;
    const int at = entries.IndexOf(file, FileTypeReport);
    return at < 0 ? nullptr : entries.Items(at);
}

TFileItem *TFormReports::EntryByFile(const QString &file) const
{
    TFileItem *entry = EntryOf(FMyList, file);
    return entry ? entry : EntryOf(FTabList, file);
}

TFileItem *TFormReports::SelectedEntry(const QTreeWidget *list) const
{
    return EntryOf(list, SelectedFile(list));
}

void TFormReports::ReportGone(const QString &file)
{
    RefreshLists();
    ShowCurrentReport();
    throw Exception(Tr("The report '%1' no longer exists.").arg(NameWithoutExtension(file)));
}

void TFormReports::ListReloading()
{
    if (FListsReloading++ == 0 && !FFollowing) {
        // What the user looks at, noted while the page list still shows it.
        FKeptFile = CurrentFile();
        FKeptPage = SelectedPage();
        FKeptScroll = FPages->verticalScrollBar()->value();
    }
    // The reload may free the report the page list shows.
    FPages->SetReport(nullptr);
}

void TFormReports::ListReloaded()
{
    if (--FListsReloading > 0 || FFollowing)
        return;
    // Filling the rows loads entries, which announces again: those announcements change nothing
    // that is not being put right here anyway.
    FFollowing = true;
    // A list whose caption is being edited keeps its rows (and the editor) until the next refresh:
    // its rows name their files, so they cannot point at the wrong report meanwhile.
    for (QTreeWidget *list : {FMyList, FTabList})
        if (!static_cast<TReportListView *>(list)->Editing())
            FillRows(list, SelectedFile(list));
    ShowCurrentReport();
    if (!FKeptFile.isEmpty() && CurrentFile() == FKeptFile) {
        if (FKeptPage >= 0)
            FPages->SelectPage(FKeptPage);
        FPages->verticalScrollBar()->setValue(FKeptScroll);
    }
    FFollowing = false;
}

QString TFormReports::CurrentFile() const
{
    if (FActiveList == ActiveMyReports)
        return SelectedFile(FMyList);
    if (FActiveList == ActiveTabReports)
        return SelectedFile(FTabList);
    return QString();
}

TFileItem *TFormReports::CurrentReport() const
{
    if (FActiveList == ActiveMyReports)
        return SelectedEntry(FMyList);
    if (FActiveList == ActiveTabReports)
        return SelectedEntry(FTabList);
    return nullptr;
}

TReport *TFormReports::CurrentDocument() const
{
    TFileItem *entry = CurrentReport();
    return entry && EnsureLoaded(*entry) ? ReportOf(*entry) : nullptr;
}

bool TFormReports::CurrentIsReadOnly() const
{
    const TReport *report = CurrentDocument();
    return report && report->ReadOnly;
}

bool TFormReports::CanEditReport() const { return CurrentDocument() && !CurrentIsReadOnly(); }

void TFormReports::SetActiveList(int list)
{
    if (list == FActiveList)
        return;
    FActiveList = list;
    ShowCurrentReport();
}

void TFormReports::ReloadMyReports() { FMyReports.Reload(); }

void TFormReports::RefreshLists()
{
    // Each reload is followed through the lists' announcements (ListReloaded): rows, selection,
    // page and scroll position stay with their files.
    ReloadMyReports();
    if (LoadTabReports)
        LoadTabReports();
}

QString TFormReports::SelectedFile(const QTreeWidget *list) const
{
    const QList<QTreeWidgetItem *> rows = list->selectedItems();
    return rows.size() == 1 ? RowFile(rows.first()) : QString();
}

void TFormReports::FillRows()
{
    FillRows(FMyList, SelectedFile(FMyList));
    FillRows(FTabList, SelectedFile(FTabList));
}

void TFormReports::FillRows(QTreeWidget *list, const QString &selectedFile)
{
    TFileList &entries = ListOf(list);
    FFilling = true;
    list->clear();
    QList<QTreeWidgetItem *> rows;
    for (int i = 0; i < entries.Count(); ++i) {
        TFileItem &entry = *entries.Items(i);
        EnsureLoaded(entry);
        const TReport *report = ReportOf(entry);
        auto *row = new QTreeWidgetItem({ReportCaption(entry)});
        row->setData(0, FileRole, entry.FileName);
        row->setIcon(0, ReportIcon(report && report->ReadOnly));
        row->setFlags(row->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
        rows << row;
    }
    list->addTopLevelItems(rows);
    for (QTreeWidgetItem *row : rows)
        if (!selectedFile.isEmpty() && RowFile(row) == selectedFile) {
            list->setCurrentItem(row);
            row->setSelected(true);
        }
    FFilling = false;
}

void TFormReports::ReportSelected(QTreeWidget *list)
{
    if (FFilling)
        return;
    FActiveList = list == FTabList ? ActiveTabReports : ActiveMyReports;
    ShowCurrentReport();
}

void TFormReports::ShowCurrentReport()
{
    TFileItem *entry = CurrentReport();
    TReport *report = entry && EnsureLoaded(*entry) ? ReportOf(*entry) : nullptr;
    if (!report) {
        FLabel->clear();
        FPages->SetReport(nullptr);
        UpdateActions();
        return;
    }
    if (FActiveList == ActiveMyReports)
        FLabel->setText(Tr("My Reports > %1").arg(report->Name));
    else if (FActiveList == ActiveTabReports)
        FLabel->setText(Tr("Tab Reports > %1").arg(report->Name));
    else
        FLabel->clear();
    FPages->SetQuality(Settings ? (*Settings)[ThumbnailQualitySetting].AsInteger() : 0);
    FPages->SetReport(report);
    UpdateActions();
}

void TFormReports::SelectReportByPath(const QString &path)
{
    auto clearBoth = [this] {
        FFilling = true;
        for (QTreeWidget *list : {FMyList, FTabList}) {
            list->clearSelection();
            list->setCurrentItem(nullptr);
        }
        FFilling = false;
    };
    for (QTreeWidget *list : {FMyList, FTabList}) {
        const int row = RowOf(list, path);
        if (row < 0)
            continue;
        list->setFocus();
        clearBoth();
        FActiveList = list == FTabList ? ActiveTabReports : ActiveMyReports;
        QTreeWidgetItem *item = list->topLevelItem(row);
        list->setCurrentItem(item);
        item->setSelected(true);
        list->scrollToItem(item);
        ShowCurrentReport();
        return;
    }
    clearBoth();
    ShowCurrentReport();
}

void TFormReports::FoldersChanged()
{
    auto *my = static_cast<TReportListView *>(FMyList);
    auto *tab = static_cast<TReportListView *>(FTabList);
    if (my->Editing() || tab->Editing())
        return;
    // The window's own saves come back this way too: the page the user works on stays selected
    // and in view (ListReloaded).
    RefreshLists();
}

// --- report commands

void TFormReports::NewReport()
{
    QTreeWidget *target = FTabList->hasFocus() ? FTabList : FMyList;
    const QString folder = FolderOf(target);
    const QString path = DefaultName(folder, QStringLiteral("New"), ReportExtension);
    if (!QDir().mkpath(folder))
        throw Exception(Tr("Unable to create directories"));
    TReport empty;
    empty.SaveToFile(path);
    RefreshLists();
    QApplication::processEvents();
    // Events were served: the row is found again by its file.
    if (RowOf(target, path) < 0)
        return;
    SelectReportByPath(path);
    StartRename(target, RowOf(target, path));
}

void TFormReports::DeleteReport()
{
    const QString path = CurrentFile();
    if (!CurrentReport() || CurrentIsReadOnly())
        return;
    if (Prompt().YesNo(Tr("Are you sure you want to delete '%1'?").arg(NameWithoutExtension(path))) !=
        TPromptAnswer::Yes)
        return;
    // The question served events: the lists may have been reloaded, the file gone.
    if (!EntryByFile(path) || !PathExists(path))
        ReportGone(path);
    try {
        TBusyCursor busy;
        DeleteTree(path);
    } catch (const Exception &) {
        RefreshLists();
        ShowCurrentReport();
        throw;
    }
    RefreshLists();
    ShowCurrentReport();
}

void TFormReports::StartRenameReport()
{
    if (!CanEditReport())
        return;
    QTreeWidget *list = FActiveList == ActiveMyReports ? FMyList : FTabList;
    StartRename(list, SelectedRow(list));
}

void TFormReports::StartRename(QTreeWidget *list, int row)
{
    QTreeWidgetItem *item = list->topLevelItem(row);
    if (!item)
        return;
    list->setFocus();
    list->setCurrentItem(item, 0);
    list->editItem(item, 0);
}

void TFormReports::QueueRename(QTreeWidget *list, int row, const QString &text)
{
    // The rename rebuilds the rows: not while the list still holds its editor. It waits for an
    // event-loop turn, so the row is kept as its file.
    FRenameList = list;
    FRenameFile = RowFile(list->topLevelItem(row));
    FRenameText = text;
    QTimer::singleShot(0, this, [this] {
        if (!FRenameList)
            return;
        QTreeWidget *list = FRenameList;
        FRenameList = nullptr;
        try {
            RenameReportFile(list, FRenameFile, FRenameText);
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
        }
        UpdateActions();
    });
}

void TFormReports::EndNameEditing()
{
    static_cast<TReportListView *>(FMyList)->EndEditing();
    static_cast<TReportListView *>(FTabList)->EndEditing();
    if (!FRenameList)
        return;
    QTreeWidget *list = FRenameList;
    FRenameList = nullptr;
    RenameReportFile(list, FRenameFile, FRenameText);
}

void TFormReports::RenameReport(QTreeWidget *list, int row, const QString &text)
{
    RenameReportFile(list, RowFile(list->topLevelItem(row)), text);
}

void TFormReports::RenameReportFile(QTreeWidget *list, const QString &path, const QString &text)
{
    TFileItem *entry = EntryOf(list, path);
    if (!entry) {
        if (!path.isEmpty())
            ReportGone(path);
        return;
    }
    const QString oldCaption = ReportCaption(*entry);
    const TReport *report = EnsureLoaded(*entry) ? ReportOf(*entry) : nullptr;
    const bool readOnly = report && report->ReadOnly;
    entry = nullptr; // loading may have announced a reload: from here on, only the file counts
    auto restoreCaption = [&] {
        if (QTreeWidgetItem *item = list->topLevelItem(RowOf(list, path)))
            item->setText(0, oldCaption);
    };
    // An empty name would leave a file called ".vcr"; a read-only report keeps its name.
    if (text == oldCaption || text.trimmed().isEmpty() || readOnly) {
        restoreCaption();
        return;
    }
    const QString newPath = FolderOf(list) + text + ReportExtension;
    if (PathExists(newPath)) {
        Prompt().Error(Tr("A report with the name you specified already exists. Specify a different name."));
        // The message served events: the row is found again by its file.
        if (RowOf(list, path) < 0 || !PathExists(path))
            ReportGone(path);
        restoreCaption();
        list->setFocus();
        StartRename(list, RowOf(list, path));
        return;
    }
    if (!QFile::rename(path, newPath)) {
        restoreCaption();
        throw Exception(Tr("Unable to move file %1").arg(QFileInfo(newPath).fileName()));
    }
    RefreshLists();
    SelectReportByPath(newPath);
}

void TFormReports::CopyReport()
{
    TFileItem *entry = CurrentReport();
    if (!entry)
        return;
    const QString copy = CopyName(entry->FileName);
    bool yesToAll = false;
    {
        TBusyCursor busy;
        CopyTree(entry->FileName, copy, yesToAll);
    }
    RefreshLists();
    SelectReportByPath(copy);
    TFileItem *current = CurrentReport();
    if (!current || current->FileName != copy || !EnsureLoaded(*current))
        return;
    // A copy of a read-only report is the user's own to change.
    TReport *report = ReportOf(*current);
    report->ReadOnly = false;
    report->ReadOnlyValue = 0;
    SaveReportEntry(*current);
    FillRows();
    StartRenameReport();
}

void TFormReports::MoveReport(QTreeWidget *from, const QString &toFolder)
{
    const TFileItem *entry = SelectedEntry(from);
    if (!entry)
        return;
    const QString source = entry->FileName;
    const QString destination = toFolder + QFileInfo(source).fileName();
    // A report of that name in the other list stays as it is, and so does this one.
    if (PathExists(destination))
        return;
    QDir().mkpath(toFolder);
    if (!QFile::rename(source, destination))
        throw Exception(Tr("Unable to move file %1").arg(QFileInfo(destination).fileName()));
    RefreshLists();
    ShowCurrentReport();
    SelectReportByPath(destination);
}

void TFormReports::MoveToTabReports() { MoveReport(FMyList, IncludeTrailingSlash(SettingsFolder())); }

void TFormReports::MoveToMyReports() { MoveReport(FTabList, IncludeTrailingSlash(ReportsFolder())); }

// --- page commands

int TFormReports::SelectedPage() const { return FPages->SelectedPage(); }

void TFormReports::SelectPage(int index)
{
    FPages->SelectPage(index);
    UpdateActions();
}

void TFormReports::ChangePages(const std::function<int(TReport &report)> &change)
{
    TFileItem *entry = CurrentReport();
    if (!entry || !CanEditReport())
        return;
    const int selected = change(*ReportOf(*entry));
    SaveReportEntry(*entry);
    ShowCurrentReport();
    FPages->setFocus();
    SelectPage(selected);
}

void TFormReports::NewPage(int pageType)
{
    ChangePages([pageType](TReport &report) {
        const int index = report.InsertIndexOfType(pageType);
        report.InsertPage(index)->Properties["PageType"].SetInteger(pageType);
        return index;
    });
}

void TFormReports::DeletePage()
{
    const QString path = CurrentFile();
    const int page = SelectedPage();
    if (page < 0 || !CanEditReport())
        return;
    if (Prompt().YesNo(Tr("Are you sure you want to delete this report page?")) != TPromptAnswer::Yes)
        return;
    // The question served events: the page is deleted only from the report it was asked about.
    if (CurrentFile() != path || !CurrentReport())
        ReportGone(path);
    if (SelectedPage() != page)
        return;
    ChangePages([page](TReport &report) {
        report.DeletePage(page);
        return std::min(page, report.Count() - 1);
    });
}

void TFormReports::EditPage()
{
    const TFileItem *entry = CurrentReport();
    const QString path = CurrentFile();
    const int page = SelectedPage();
    if (!entry || page < 0 || !CanEditReport())
        return;
    int endedOn = page;
    {
        TFormPageDesign design(Settings, this);
        design.SetReportEntry(*entry);
        entry = nullptr; // the window works on its own copy; the lists may reload meanwhile
        design.PageIndex = page;
        ExecDialog(design);
        endedOn = design.PageIndex;
    }
    // The design window saved its own copy; the file time alone (two-second steps) may not show
    // a save made soon after the last one, so the report is read again in any case.
    RefreshLists();
    TFileItem *edited = EntryByFile(path);
    if (!edited || !PathExists(path))
        ReportGone(path);
    edited->Load();
    SelectReportByPath(path);
    FPages->setFocus();
    SelectPage(endedOn);
}

void TFormReports::CopyPage()
{
    TReport *report = CurrentDocument();
    const int page = SelectedPage();
    if (!report || page < 0)
        return;
    XmlDocument doc;
    report->Pages(page)->SaveToXml(doc.Nodes, false);
    TfocClipboard &clipboard = TfocClipboard::Instance();
    clipboard.Open();
    try {
        clipboard.PutStream(doc.SaveToBytes(), ReportItemFormat);
    } catch (...) {
        clipboard.Close();
        throw;
    }
    clipboard.Close();
    UpdateActions();
}

void TFormReports::PastePage()
{
    if (!CanEditReport() || !TfocClipboard::Instance().HasFormat(ReportItemFormat))
        return;
    // Read completely before the report is touched: a bad document leaves it unchanged.
    XmlDocument doc;
    doc.Parse(QString::fromUtf8(TfocClipboard::Instance().GetStream(ReportItemFormat)));
    // The reader takes any text; without a page's properties or items there is nothing to paste,
    // and a blank default page in the report would be no better.
    if (doc.Nodes.FindByName(QStringLiteral("Properties")).IsNull() && doc.Nodes.FindByName(QStringLiteral("PageItems")).IsNull())
        throw Exception(Tr("The clipboard holds no report page"));
    TPage scratch;
    scratch.LoadFromXml(doc.Nodes, true, false);
    ChangePages([&scratch](TReport &report) {
        const int index = report.InsertIndexOfType(scratch.PageType());
        report.InsertPage(index)->Assign(&scratch);
        return index;
    });
}

void TFormReports::MovePageUp()
{
    const int page = SelectedPage();
    MovePageTo(page, page - 1);
}

void TFormReports::MovePageDown()
{
    const int page = SelectedPage();
    MovePageTo(page, page + 1);
}

void TFormReports::MovePageTo(int from, int to)
{
    TReport *report = CurrentDocument();
    if (!report || !report->CanMovePage(from, to))
        return;
    ChangePages([from, to](TReport &r) {
        r.MovePage(from, to);
        return to;
    });
}

// --- enabling rules

void TFormReports::UpdateActions()
{
    const TFileItem *entry = CurrentReport();
    const TReport *report = CurrentDocument();
    const bool editable = report && !report->ReadOnly;
    const int page = report ? SelectedPage() : -1;
    const bool pageSelected = editable && page >= 0 && page < report->Count();
    ActionNewReport->setEnabled(isVisible());
    ActionDeleteReport->setEnabled(entry && editable);
    ActionRenameReport->setEnabled(entry && editable);
    ActionCopyReport->setEnabled(entry != nullptr);
    ActionMoveToTabReports->setEnabled(FMyList->hasFocus() && FMyList->selectedItems().size() == 1);
    ActionMoveToMyReports->setEnabled(FTabList->hasFocus() && FTabList->selectedItems().size() == 1);
    ActionNewPage->setEnabled(editable);
    ActionOpeningPage->setEnabled(editable);
    ActionInnerPage->setEnabled(editable);
    ActionClosingPage->setEnabled(editable);
    ActionDeletePage->setEnabled(pageSelected);
    ActionEditPage->setEnabled(pageSelected);
    ActionCopy->setEnabled(pageSelected);
    ActionPaste->setEnabled(editable && TfocClipboard::Instance().HasFormat(ReportItemFormat));
    ActionMoveUp->setEnabled(pageSelected && report->CanMovePage(page, page - 1));
    ActionMoveDown->setEnabled(pageSelected && report->CanMovePage(page, page + 1));
}

// --- showing, layout

void TFormReports::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Every show starts with no active list and an empty page area.
    FActiveList = ActiveNone;
    RefreshLists();
    ShowCurrentReport();
    ApplyFormRatio();
    FIdleTimer->start();
    UpdateActions();
}

void TFormReports::hideEvent(QHideEvent *event)
{
    FIdleTimer->stop();
    QWidget::hideEvent(event);
    UpdateActions();
}

bool TFormReports::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a list makes it the active list and shows its report.
    if (event->type() == QEvent::FocusIn && (watched == FMyList || watched == FTabList))
        SetActiveList(watched == FTabList ? ActiveTabReports : ActiveMyReports);
    return QWidget::eventFilter(watched, event);
}

void TFormReports::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ApplyFormRatio();
}

void TFormReports::ApplyFormRatio()
{
    SplitAtFormRatio(FSplitter, height(), Settings);
}

void TFormReports::SplitterMoved()
{
    StoreFormRatio(FMyList->height(), height(), Settings);
}
