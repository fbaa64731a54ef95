#include "UnitFormLocal.h"
#include "UnitListLayout.h"

#include "UnitBusyCursor.h"
#include "UnitException.h"
#include "UnitFormRatio.h"
#include "UnitFileOperations.h"
#include "UnitFocusReturn.h"
#include "UnitFolderViewHost.h"
#include "UnitFormBatchView.h"
#include "UnitFormViewPreviews.h"
#include "UnitNameValidator.h"
#include "UnitPrompt.h"
#include "UnitSettings.h"
#include "UnitfocClipboard.h"
#include "UnitStorage.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QDrag>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QImageReader>
#include <QLineEdit>
#include <QDateTime>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <set>

namespace {
// The hourglass for the length of a file operation, the previous cursor restored however it ends.
class THourglass {
public:
    THourglass() : FPrevious(SetBusyCursor(Qt::WaitCursor)) {}
    ~THourglass() { SetBusyCursor(FPrevious); }

private:
    Qt::CursorShape FPrevious;
};

constexpr int MinimumPart = 50;

QString WithSlash(const QString &path)
{
    return path.isEmpty() || path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString ParentFolder(const QString &path)
{
    return WithSlash(QFileInfo(ExcludeTrailingSlash(path)).path());
}

// A batch type the program knows (the type check raises "Invalid Batch Type" for any other).
bool KnownBatchType(int type)
{
    try {
        IsCoverBatchType(type);
        return true;
    } catch (const Exception &) {
        return false;
    }
}

class TNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setValidator(new TFolderNameValidator(line));
        FEditing = index;
        return editor;
    }
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        FEditing = QPersistentModelIndex();
        QStyledItemDelegate::destroyEditor(editor, index);
    }
    // The cell being edited (it follows its entry through refreshes), invalid when none.
    mutable QPersistentModelIndex FEditing;
};

// The three fixed pictures: cover batch, folder, half-cell batch.
QIcon BatchIcon(const QColor &colour, const QString &letter)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(colour.darker(150));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}
} // namespace

QDateTime UnpackFileTime(std::int32_t time)
{
    if (time == FileTimeUnknown)
        return {};
    const quint32 t = static_cast<quint32>(time);
    const QDate date(1980 + int(t >> 25), int((t >> 21) & 0x0F), int((t >> 16) & 0x1F));
    const QTime clock(int((t >> 11) & 0x1F), int((t >> 5) & 0x3F), int(t & 0x1F) * 2);
    return QDateTime(date, clock);
}


// ---------------------------------------------------------------------------------------------
// The list model: one row per entry, each row filled (its batch loaded when needed) the first
// time it is shown and again after a repaint.

class TFolderListModel : public QAbstractTableModel {
public:
    explicit TFolderListModel(TFormLocal *form) : QAbstractTableModel(form), FForm(form)
    {
        FPictures << BatchIcon(QColor(0, 120, 200), QStringLiteral("C"))
                  << QFileIconProvider().icon(QFileIconProvider::Folder)
                  << BatchIcon(QColor(200, 110, 0), QStringLiteral("H"));
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : FRows; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }

    static bool IsNumberColumn(int column)
    {
        return column == ColumnColumns || column == ColumnRows || column == ColumnReadings;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const captions[ColumnCount] = {QT_TRID_NOOP("Name"), QT_TRID_NOOP("Type"), QT_TRID_NOOP("Columns"), QT_TRID_NOOP("Rows"), QT_TRID_NOOP("Readings"), QT_TRID_NOOP("Modified")};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
            return Tr(captions[section]);
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole && IsNumberColumn(section))
            return NumberAlignment();
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled;
        if (index.column() == ColumnName)
            f |= Qt::ItemIsEditable;
        if (TFileItem *e = FForm->Entry(index.row()); e && e->FileType == FileTypeFolder)
            f |= Qt::ItemIsDropEnabled;
        return f;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        TFileItem *e = FForm->Entry(index.row());
        if (!e)
            return {};
        if (role == Qt::BackgroundRole && index.row() == FForm->ListViewLocal->DropRow())
            return FForm->palette().highlight();
        if (role == Qt::ForegroundRole && index.row() == FForm->ListViewLocal->DropRow())
            return FForm->palette().highlightedText();
        if (role == Qt::TextAlignmentRole)
            return IsNumberColumn(index.column()) ? QVariant(NumberAlignment()) : QVariant();
        if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::DecorationRole)
            return {};
        const_cast<TFolderListModel *>(this)->Fill(index.row());
        if (role == Qt::DecorationRole)
            return index.column() == ColumnName ? QVariant(Picture(*e)) : QVariant();
        return Text(*e, index.column());
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole || index.column() != ColumnName)
            return false;
        return FForm->Rename(index.row(), value.toString());
    }

    Qt::DropActions supportedDragActions() const override
    {
        return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    }

    QString Text(const TFileItem &e, int column) const
    {
        const bool batch = e.FileType == FileTypeBatch;
        const bool known = batch && e.LoadState != LoadStateNone;
        switch (column) {
        case ColumnName:
            if (batch)
                return e.Batch.ID.isEmpty() ? NameWithoutExtension(e.FileName) : e.Batch.ID;
            return e.NameOnly();
        case ColumnType:
            if (!known)
                return {};
            try {
                return IsCoverBatchType(e.Batch.BatchType) ? Tr("Cover") : Tr("Half Cell");
            } catch (const Exception &ex) {
                return ex.Message(); // "Invalid Batch Type", shown rather than breaking the paint
            }
        case ColumnColumns:
            return known ? QString::number(e.Batch.Columns) : QString();
        case ColumnRows:
            return known ? QString::number(e.Batch.Rows) : QString();
        case ColumnReadings:
            return known ? QString::number(e.Batch.Readings) : QString();
        case ColumnModified:
            if (e.FileType == FileTypeFolder || e.FileModifiedTime == FileTimeUnknown)
                return {};
            return QLocale().toString(UnpackFileTime(e.FileModifiedTime), QLocale::ShortFormat);
        default:
            return {};
        }
    }

    QIcon Picture(TFileItem &e) const
    {
        switch (e.FileType) {
        case FileTypeFolder:
            return FPictures[1];
        case FileTypeBatch:
            return FPictures[e.Batch.BatchType == BatchTypeHalfCell ? 2 : 0];
        default:
            // The desktop's picture of the file, looked up once per entry.
            if (e.ImageIndex < 3 || e.ImageIndex >= FPictures.size()) {
                FPictures << QFileIconProvider().icon(QFileInfo(e.FileName));
                e.ImageIndex = int(FPictures.size()) - 1;
            }
            return FPictures[e.ImageIndex];
        }
    }

    // Loads the rows shown around `row` before they are drawn.
    void Fill(int row)
    {
        if (FForm->FUpdating || row < 0 || row >= int(FFilled.size()) || FFilled[size_t(row)])
            return;
        auto [first, last] = FForm->ListViewLocal->VisibleRows();
        if (first < 0 || row < first || row > last)
            first = last = row;
        last = std::min(last, FForm->FFiles.Count() - 1);
        FForm->FFiles.LoadRange(first, last);
        for (int r = first; r <= last; ++r)
            FFilled[size_t(r)] = true;
    }

    // Leaves the views nothing to ask about: a shown list is laid out again while its window's
    // children are torn down, after the form it asks has gone.
    void Release()
    {
        beginResetModel();
        FRows = 0;
        FFilled.clear();
        endResetModel();
    }

    void Reset()
    {
        beginResetModel();
        FRows = FForm->FFiles.Count();
        FFilled.assign(size_t(FRows), false);
        endResetModel();
    }
    // Applies `change` to the file list without a reset: selection, keyboard row and an open
    // editor stay with their entries (found again by name and kind), rows of entries that went
    // lose them, and the row count changes only when it differs.
    void Follow(const std::function<void()> &change)
    {
        emit layoutAboutToBeChanged();
        // Taken after the notice: the views and the selection make their own persistent indexes then.
        const QModelIndexList before = persistentIndexList();
        std::vector<std::pair<QString, std::uint8_t>> keys;
        keys.reserve(size_t(before.size()));
        for (const QModelIndex &index : before) {
            const TFileItem *e = FForm->Entry(index.row());
            keys.emplace_back(e ? e->FileName : QString(), e ? e->FileType : FileTypeAny);
        }
        change();
        FRows = FForm->FFiles.Count();
        FFilled.assign(size_t(FRows), false);
        QHash<QString, int> rows;
        rows.reserve(FRows);
        for (int r = 0; r < FRows; ++r)
            rows.insert(FForm->FFiles.Items(r)->FileName, r);
        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            const int row = keys[size_t(i)].first.isEmpty() ? -1 : rows.value(keys[size_t(i)].first, -1);
            const bool same = row >= 0 && FForm->FFiles.Items(row)->FileType == keys[size_t(i)].second;
            after << (same ? index(row, before[i].column()) : QModelIndex());
        }
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }
    // Every row is filled again when next shown. The name cell of `editingRow` is left out of the
    // notice: a view resets the text of an open editor inside a changed range.
    void Repaint(int editingRow)
    {
        std::fill(FFilled.begin(), FFilled.end(), false);
        if (FRows <= 0)
            return;
        if (editingRow < 0 || editingRow >= FRows) {
            emit dataChanged(index(0, 0), index(FRows - 1, ColumnCount - 1));
            return;
        }
        if (editingRow > 0)
            emit dataChanged(index(0, 0), index(editingRow - 1, ColumnCount - 1));
        emit dataChanged(index(editingRow, ColumnName + 1), index(editingRow, ColumnCount - 1));
        if (editingRow + 1 < FRows)
            emit dataChanged(index(editingRow + 1, 0), index(FRows - 1, ColumnCount - 1));
    }
    void RowChanged(int row)
    {
        if (row >= 0 && row < FRows) {
            FFilled[size_t(row)] = false;
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        }
    }
    void DropExtraPictures() { FPictures.resize(3); }

private:
    TFormLocal *FForm;
    int FRows = 0;
    std::vector<char> FFilled;
    mutable QList<QIcon> FPictures;
};

// ---------------------------------------------------------------------------------------------

TListViewLocal::TListViewLocal(TFormLocal *form) : QTreeView(form), FForm(form)
{
    setObjectName(QStringLiteral("ListViewLocal"));
    setAccessibleName(Tr("Files"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(EditKeyPressed | SelectedClicked);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(DragDrop);
    setAutoScrollMargin(15);
    setItemDelegateForColumn(ColumnName, new TNameDelegate(this));
}

std::pair<int, int> TListViewLocal::VisibleRows() const
{
    // Before the rows are laid out nothing is known to be visible: callers then load only the
    // row they ask for, never the whole folder.
    if (!model() || model()->rowCount() == 0 || !isVisible())
        return {-1, -1};
    const QModelIndex top = indexAt(QPoint(1, 1));
    if (!top.isValid())
        return {-1, -1};
    const QModelIndex bottom = indexAt(QPoint(1, viewport()->height() - 2));
    int last = bottom.isValid() ? bottom.row()
                                : top.row() + viewport()->height() / std::max(1, rowHeight(top));
    return {top.row(), std::min(last, model()->rowCount() - 1)};
}

void TListViewLocal::startDrag(Qt::DropActions)
{
    const QStringList paths = FForm->SelectedPaths();
    if (paths.isEmpty())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(FileListMimeData(paths, false));
    const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    // Files moved away by another program leave the list.
    if (done == Qt::MoveAction)
        FForm->Refresh();
}

QString TListViewLocal::DropFolderAt(const QPoint &pos, int *row) const
{
    const QModelIndex index = indexAt(pos);
    TFileItem *e = index.isValid() ? FForm->Entry(index.row()) : nullptr;
    if (e && e->FileType == FileTypeFolder) {
        *row = index.row();
        return WithSlash(e->FileName);
    }
    *row = -1;
    return FForm->Folder();
}

int TListViewLocal::EditingRow() const
{
    const auto *names = static_cast<const TNameDelegate *>(itemDelegateForColumn(ColumnName));
    return names && names->FEditing.isValid() ? names->FEditing.row() : -1;
}

void TListViewLocal::SetDropRow(int row)
{
    if (row == FDropRow)
        return;
    const int old = FDropRow;
    FDropRow = row;
    for (int r : {old, row})
        if (r >= 0)
            viewport()->update(visualRect(model()->index(r, 0)).adjusted(0, 0, viewport()->width(), 0));
}

void TListViewLocal::dragEnterEvent(QDragEnterEvent *event)
{
    QStringList paths;
    bool cut = false;
    if (!ReadFileList(event->mimeData(), paths, cut)) {
        event->ignore();
        return;
    }
    FDragSourceFolder = ParentFolder(paths.first());
    event->acceptProposedAction();
}

void TListViewLocal::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeView::dragMoveEvent(event); // scrolls near the edges
    int row = -1;
    const QString folder = DropFolderAt(event->position().toPoint(), &row);
    const Qt::DropAction action =
        ChooseDropAction(folder, FDragSourceFolder, event->modifiers(), event->possibleActions());
    SetDropRow(action == Qt::IgnoreAction ? -1 : row);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void TListViewLocal::dragLeaveEvent(QDragLeaveEvent *event)
{
    SetDropRow(-1);
    QTreeView::dragLeaveEvent(event);
}

void TListViewLocal::dropEvent(QDropEvent *event)
{
    SetDropRow(-1);
    QStringList paths;
    bool cut = false;
    int row = -1;
    const QString folder = DropFolderAt(event->position().toPoint(), &row);
    const Qt::DropAction action =
        ChooseDropAction(folder, FDragSourceFolder, event->modifiers(), event->possibleActions());
    if (action == Qt::IgnoreAction || !ReadFileList(event->mimeData(), paths, cut)) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
    FForm->DropFiles(paths, action, folder);
}

void TListViewLocal::contextMenuEvent(QContextMenuEvent *event)
{
    if (QMenu *menu = FForm->ContextMenu())
        menu->exec(event->globalPos());
}

// The host's folder watchers stay stopped while the view changes files itself, and watch again
// on every way out.
class TWatchPause {
public:
    explicit TWatchPause(IFolderViewHost *host) : FHost(host)
    {
        if (FHost)
            FHost->SetWatching(false);
    }
    ~TWatchPause()
    {
        if (FHost)
            FHost->SetWatching(true);
    }
    TWatchPause(const TWatchPause &) = delete;
    TWatchPause &operator=(const TWatchPause &) = delete;

private:
    IFolderViewHost *FHost;
};

// ---------------------------------------------------------------------------------------------

TFormLocal::TFormLocal(IFolderViewHost *host, QWidget *parent) : QWidget(parent), FHost(host)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    SplitterLocal = new QSplitter(Qt::Vertical, this);
    SplitterLocal->setObjectName(QStringLiteral("SplitterLocal"));
    SplitterLocal->setChildrenCollapsible(false);
    layout->addWidget(SplitterLocal);

    ListViewLocal = new TListViewLocal(this);
    FModel = new TFolderListModel(this);
    ListViewLocal->setModel(FModel);
    static const int widths[ColumnCount] = {175, 75, 70, 70, 70, 120};
    for (int i = 0; i < ColumnCount; ++i)
        ListViewLocal->header()->resizeSection(i, widths[i]);
    ArrangeNumberColumns(ListViewLocal, {ColumnColumns, ColumnRows, ColumnReadings});
    // The last column is as wide as a date and time of this locale, so none is cut short.
    {
        const QString sample = QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
        const int width = ListViewLocal->fontMetrics().horizontalAdvance(sample) + 24;
        ListViewLocal->header()->resizeSection(ColumnModified, std::max(widths[ColumnModified], width));
    }
    SetEmptyListHint(ListViewLocal, Tr("This folder is empty. Download batches from the gauge, or choose New Batch, to fill it."));
    ListViewLocal->setMinimumHeight(MinimumPart);
    new TFocusReturn(ListViewLocal);

    PanelPreview = new QFrame(this);
    PanelPreview->setObjectName(QStringLiteral("PanelPreview"));
    PanelPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelPreview->setMinimumHeight(MinimumPart);
    auto *previewLayout = new QVBoxLayout(PanelPreview);
    previewLayout->setContentsMargins(1, 1, 1, 1);
    FPreviews = new QStackedWidget(PanelPreview);
    previewLayout->addWidget(FPreviews);
    FEmptyPreview = new QWidget(FPreviews);
    BatchView = new TFormBatchView(host, FPreviews);
    FormViewImage = new TFormViewImage(FPreviews);
    FormViewPDF = new TFormViewPDF(FPreviews);
    FormViewOle = new TFormViewOle(FPreviews);
    for (QWidget *w : {FEmptyPreview, static_cast<QWidget *>(BatchView), static_cast<QWidget *>(FormViewImage),
                       static_cast<QWidget *>(FormViewPDF), static_cast<QWidget *>(FormViewOle)})
        FPreviews->addWidget(w);
    FPreviews->setCurrentWidget(FEmptyPreview);

    SplitterLocal->addWidget(ListViewLocal);
    SplitterLocal->addWidget(PanelPreview);
    SplitterLocal->setStretchFactor(1, 1);

    BatchView->OnBatchSaved = [this](const TFileItem &entry) { BatchSaved(entry); };
    connect(ListViewLocal->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!FUpdating)
            UpdatePreview();
    });
    connect(ListViewLocal, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (SelectedRows().size() == 1)
            OpenRow(index.row());
    });
    connect(SplitterLocal, &QSplitter::splitterMoved, this, [this] { SplitterMoved(); });
}

TFormLocal::~TFormLocal() { FModel->Release(); }

TFileItem *TFormLocal::Entry(int row) const
{
    return row >= 0 && row < FFiles.Count() && row < FModel->rowCount() ? FFiles.Items(row) : nullptr;
}

QString TFormLocal::CellText(int row, int column)
{
    return FModel->data(FModel->index(row, column), Qt::DisplayRole).toString();
}

void TFormLocal::SetFolder(const QString &folder)
{
    FFolder = WithSlash(folder);
    Refresh();
}

void TFormLocal::Refresh()
{
    if (FFolder.isEmpty())
        return;
    FUpdating = true;
    const int topRow = ListViewLocal->VisibleRows().first;
    struct Remembered {
        QString FileName;
        std::uint8_t FileType;
        std::int32_t Time;
    };
    std::vector<Remembered> selected;
    const bool otherFolder = FFiles.Folder() != FFolder;
    if (!otherFolder)
        for (int row : SelectedRows())
            selected.push_back({FFiles.Items(row)->FileName, FFiles.Items(row)->FileType,
                                FFiles.Items(row)->FileModifiedTime});

    // A failure is told once the list is consistent again: a message box serves events.
    QString failure;
    const auto reread = [&] {
        try {
            FFiles.Refresh(FFolder);
        } catch (const Exception &e) {
            failure = e.Message();
        }
    };
    if (otherFolder) {
        FModel->DropExtraPictures();
        ListViewLocal->selectionModel()->clear();
        reread();
        FModel->Reset();
    } else {
        // The same folder again (a watcher notice every few seconds): a rename being typed, the
        // keyboard row and the selection stay with their entries.
        FModel->Follow(reread);
        if (topRow >= 0 && topRow < FFiles.Count())
            ListViewLocal->scrollTo(FModel->index(topRow, 0), QAbstractItemView::PositionAtTop);
    }

    bool previewStale = otherFolder;
    for (const Remembered &r : selected) {
        const int row = FFiles.IndexOf(r.FileName, r.FileType);
        if (row < 0 || PackedFileTime(r.FileName) != r.Time)
            previewStale = true;
    }
    FUpdating = false;
    Repaint();
    if (!failure.isEmpty())
        Prompt().Error(failure);
    if (previewStale)
        UpdatePreview();
}

void TFormLocal::Repaint()
{
    FModel->Repaint(ListViewLocal->EditingRow());
    ListViewLocal->viewport()->update();
}

QList<int> TFormLocal::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : ListViewLocal->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

const TFileItem *TFormLocal::BatchEntry(const QString &path) const
{
    const int row = FFiles.IndexOf(path, FileTypeBatch);
    return row < 0 ? nullptr : FFiles.Items(row);
}

QStringList TFormLocal::SelectedPaths() const
{
    QStringList paths;
    for (int row : SelectedRows())
        paths << FFiles.Items(row)->FileName;
    return paths;
}

int TFormLocal::SelectedBatchCount() const
{
    int count = 0;
    for (int row : SelectedRows())
        count += FFiles.Items(row)->FileType == FileTypeBatch;
    return count;
}

QTreeWidgetItem *TFormLocal::SelectedFolderNode() const
{
    const QList<int> rows = SelectedRows();
    if (rows.size() != 1 || !FHost)
        return nullptr;
    const TFileItem *e = FFiles.Items(rows.first());
    return e->FileType == FileTypeFolder ? FHost->NodeOfFolder(WithSlash(e->FileName)) : nullptr;
}

void TFormLocal::SelectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int row : rows)
        if (row >= 0 && row < FModel->rowCount())
            selection.select(FModel->index(row, 0), FModel->index(row, ColumnCount - 1));
    ListViewLocal->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty() && rows.first() >= 0 && rows.first() < FModel->rowCount())
        ListViewLocal->selectionModel()->setCurrentIndex(FModel->index(rows.first(), 0), QItemSelectionModel::NoUpdate);
}

void TFormLocal::SelectByPath(const QString &path)
{
    ListViewLocal->selectionModel()->clear();
    const int row = FFiles.IndexOf(path, FileTypeAny);
    if (row < 0)
        return;
    const QModelIndex index = FModel->index(row, 0);
    ListViewLocal->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
    ListViewLocal->scrollTo(index);
}

void TFormLocal::SelectAll()
{
    FUpdating = true;
    ListViewLocal->selectAll();
    FUpdating = false;
    UpdatePreview();
}

void TFormLocal::CopySelection()
{
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty())
        return;
    QApplication::clipboard()->setMimeData(FileListMimeData(paths, false));
    Repaint();
}

void TFormLocal::CutSelection()
{
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty())
        return;
    QApplication::clipboard()->setMimeData(FileListMimeData(paths, true));
    Repaint();
}

void TFormLocal::PasteFiles()
{
    QStringList paths;
    bool cut = false;
    if (!ReadFileList(QApplication::clipboard()->mimeData(), paths, cut))
        return;
    DropFiles(paths, cut ? Qt::MoveAction : Qt::CopyAction, FFolder);
}

void TFormLocal::DropFiles(const QStringList &paths, Qt::DropAction action, const QString &dropFolder)
{
    if (action != Qt::MoveAction && action != Qt::CopyAction)
        return;
    const QString folder = WithSlash(dropFolder);
    TWatchPause pause(FHost);
    QStringList changed{folder};
    try {
        THourglass busy;
        bool yesToAll = false;
        for (const QString &path : paths) {
            QString destination = folder + QFileInfo(path).fileName();
            changed << ParentFolder(path);
            if (action == Qt::MoveAction) {
                if (destination != path)
                    MoveTree(path, destination, yesToAll);
            } else {
                if (destination == path)
                    destination = CopyName(path);
                CopyTree(path, destination, yesToAll);
            }
        }
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
    if (action == Qt::MoveAction)
        ClearFileListClipboard();
    changed.removeDuplicates();
    if (FHost)
        FHost->FoldersChanged(changed);
    Refresh();
}

void TFormLocal::DeleteSelection()
{
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    QString question;
    if (rows.size() == 1) {
        const TFileItem *e = FFiles.Items(rows.first());
        const QString caption = CellText(rows.first(), ColumnName);
        question = e->FileType == FileTypeFolder
                       ? Tr("Are you sure you want to remove the folder named '%1' and all its contents?").arg(caption)
                       : Tr("Are you sure you want to delete '%1'?").arg(caption);
    } else {
        question = Tr("Are you sure you want to delete these %1 items?").arg(rows.size());
    }
    // The question serves events, and a watcher notice may refresh the list meanwhile: what is
    // deleted is what was asked about, by name.
    const QStringList paths = SelectedPaths();
    if (Prompt().YesNo(question) != TPromptAnswer::Yes)
        return;
    TWatchPause pause(FHost);
    try {
        THourglass busy;
        for (int i = int(paths.size()) - 1; i >= 0; --i)
            DeleteTree(paths[i]);
    } catch (const Exception &e) {
        Prompt().Error(e.Message());
    }
    if (FHost)
        FHost->FoldersChanged({FFolder});
    Refresh();
}

bool TFormLocal::Rename(int row, const QString &text)
{
    TFileItem *e = Entry(row);
    if (!e || text.isEmpty() || text == CellText(row, ColumnName))
        return false;
    // The editor refuses these; a name holding them would leave the folder or be no file name.
    if (!IsAcceptableName(text)) {
        QApplication::beep();
        return false;
    }
    QString newPath;
    switch (e->FileType) {
    case FileTypeFolder:
        newPath = FFolder + text;
        break;
    case FileTypeBatch: {
        // The extension of the batch's type; a batch that cannot be read keeps the file's own.
        if (e->LoadState == LoadStateNone)
            e->Load();
        const bool known = e->LoadState != LoadStateNone && KnownBatchType(e->Batch.BatchType);
        newPath = FFolder + text + (known ? e->Batch.FileExtension() : QLatin1Char('.') + QFileInfo(e->FileName).suffix());
        break;
    }
    case FileTypeTemplate:
    case FileTypeReport:
        Prompt().Error(Tr("Cannot rename unknown file type."));
        return false;
    default:
        newPath = FFolder + text;
        break;
    }
    const QString oldPath = e->FileName;
    const bool folder = e->FileType == FileTypeFolder;
    TWatchPause pause(FHost);
    const bool ok = !PathExists(newPath) &&
                    (folder ? QDir().rename(oldPath, newPath) : QFile::rename(oldPath, newPath));
    if (!ok) {
        Prompt().Error(folder ? Tr("A folder with the name you specified already exists. Specify a different name.")
                              : Tr("A file with the name you specified already exists. Specify a different name."));
        ListViewLocal->setFocus();
        return false;
    }
    e->FileName = newPath;
    e->Load();
    if (folder && FHost)
        FHost->FolderRenamed(oldPath, newPath);
    FFiles.Sort();
    FFiles.SaveCache();
    FUpdating = true;
    FModel->Reset();
    FUpdating = false;
    SelectByPath(newPath);
    return true;
}

void TFormLocal::EditSelectedCaption()
{
    const QModelIndex current = ListViewLocal->currentIndex();
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    const int row = current.isValid() && rows.contains(current.row()) ? current.row() : rows.first();
    ListViewLocal->setFocus();
    ListViewLocal->edit(FModel->index(row, ColumnName));
}

void TFormLocal::SelectAndEdit(const QString &path)
{
    SelectByPath(path);
    EditSelectedCaption();
}

void TFormLocal::OpenRow(int row)
{
    TFileItem *e = Entry(row);
    if (!e)
        return;
    if (e->FileType == FileTypeFolder) {
        if (FHost)
            FHost->SelectFolder(WithSlash(e->FileName));
    } else if (e->FileType == FileTypeOther) {
        OpenWithShell(e->FileName);
    }
}

void TFormLocal::ShowPreview(QWidget *form)
{
    if (FPreviews->currentWidget() != form)
        FPreviews->setCurrentWidget(form);
}

QWidget *TFormLocal::PreviewForm() const
{
    return FPreviews->currentWidget() == FEmptyPreview ? nullptr : FPreviews->currentWidget();
}

void TFormLocal::UpdatePreview()
{
    if (FUpdating)
        return;
    setUpdatesEnabled(false);
    const QList<int> rows = SelectedRows();
    const TFileItem *single = rows.size() == 1 ? FFiles.Items(rows.first()) : nullptr;
    if (single && single->FileType == FileTypeOther) {
        // A picture this system cannot decode (a metafile, a damaged file) shows its details.
        if (IsPictureFile(single->FileName) && QImageReader(single->FileName).canRead()) {
            FormViewImage->ShowFile(single->FileName);
            ShowPreview(FormViewImage);
        } else if (IsPdfFile(single->FileName)) {
            FormViewPDF->ShowFile(single->FileName);
            ShowPreview(FormViewPDF);
        } else {
            FormViewOle->ShowFile(single->FileName);
            ShowPreview(FormViewOle);
        }
    } else {
        std::vector<const TFileItem *> batches;
        for (int row : rows) {
            TFileItem *e = FFiles.Items(row);
            if (e->FileType != FileTypeBatch)
                continue;
            if (e->LoadState != LoadStateLoaded || e->IsChanged())
                e->Load();
            if (e->LoadState == LoadStateLoaded)
                batches.push_back(e);
        }
        if (FFiles.Modified)
            FFiles.SaveCache();
        if (batches.empty()) {
            ShowPreview(FEmptyPreview);
        } else {
            ShowPreview(BatchView);
            BatchView->ShowBatches(batches);
        }
    }
    setUpdatesEnabled(true);
}

void TFormLocal::BatchSaved(const TFileItem &entry)
{
    const int row = FFiles.IndexOf(entry.FileName, FileTypeBatch);
    if (row < 0)
        return;
    FFiles.Items(row)->Assign(&entry);
    FFiles.SaveCache();
    FModel->RowChanged(row);
}

void TFormLocal::UnitsChanged()
{
    BatchView->Invalidate();
}

bool TFormLocal::ListHasFocus() const { return ListViewLocal->hasFocus(); }
// The list's own shown or hidden state: the view itself is off screen whenever a node outside Local
// is selected, and that must not count as the browse panes being hidden.
bool TFormLocal::ListVisible() const { return !ListViewLocal->isHidden() && !SplitterLocal->isHidden(); }

void TFormLocal::SetListVisible(bool visible)
{
    ListViewLocal->setVisible(visible);
    if (visible)
        ApplyFormRatio();
}

void TFormLocal::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ApplyFormRatio();
    Refresh();
    UpdatePreview();
}

void TFormLocal::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ApplyFormRatio();
}

void TFormLocal::ApplyFormRatio()
{
    if (FHost && ListViewLocal->isVisibleTo(this))
        SplitAtFormRatio(SplitterLocal, SplitterLocal->height(), &FHost->Settings(), MinimumPart);
}

void TFormLocal::SplitterMoved()
{
    if (FHost)
        StoreFormRatio(ListViewLocal->height(), SplitterLocal->height(), &FHost->Settings());
}
