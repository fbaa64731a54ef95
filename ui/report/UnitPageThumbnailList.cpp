#include "UnitPageThumbnailList.h"

#include "UnitException.h"
#include "UnitReport.h"
#include "UnitXml.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBitmap>
#include <QCryptographicHash>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <algorithm>
#include <QMimeData>
#include <QPalette>

namespace {
// A page row dragged within one list: the row, and which list it came from.
QString PageRowMimeType() { return QStringLiteral("application/x-orvalis-page-row"); }
} // namespace

class TPageThumbnailModel : public QAbstractTableModel {
public:
    explicit TPageThumbnailModel(TPageThumbnailList *list) : QAbstractTableModel(list), FList(list) {}

    QStringList Headers{Tr("Page")};
    QHash<int, Qt::Alignment> Alignments;
    TPageThumbnailList::TCellText Text = [](const TPage &, int index, int) { return QString::number(index + 1); };

    void Reset()
    {
        beginResetModel();
        endResetModel();
    }
    void RowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : FList->PageCount(); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(Headers.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < Headers.size())
            return Headers[section];
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid())
            return Qt::ItemIsDropEnabled;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= FList->PageCount())
            return {};
        const int row = index.row();
        if (role == Qt::DisplayRole)
            return Text(*FList->Report()->Pages(row), row, index.column());
        // The first cell names its page for a screen reader, whatever the columns show.
        if (role == Qt::AccessibleTextRole && index.column() == 0)
            return Tr("Page %1").arg(row + 1);
        if (role == Qt::TextAlignmentRole)
            return Alignments.value(index.column(), Qt::AlignLeft | Qt::AlignVCenter).toInt();
        // Asked only for the rows being painted: that is where the drawing is done.
        if (role == Qt::DecorationRole && index.column() == 0)
            return FList->Thumbnail(row);
        return {};
    }

private:
    TPageThumbnailList *FList;
};

TPageThumbnailList::TPageThumbnailList(QWidget *parent) : QTreeView(parent), FModel(new TPageThumbnailModel(this))
{
    setObjectName(QStringLiteral("ListViewPages"));
    setAccessibleName(Tr("Pages"));
    setModel(FModel);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // One row height for all rows: the view then never asks off-screen rows for their pictures.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit SelectedPageChanged(SelectedPage()); });
}

TPageThumbnailList::~TPageThumbnailList() = default;

void TPageThumbnailList::SetColumns(const QStringList &headers, const TCellText &text)
{
    FModel->Headers = headers;
    FModel->Text = text;
    FModel->Reset();
}

void TPageThumbnailList::SetColumnAlignment(int column, Qt::Alignment alignment)
{
    FModel->Alignments[column] = alignment;
    FModel->Reset();
}

void TPageThumbnailList::SetReport(TReport *report)
{
    // The report shown so far may be gone already (its entry was loaded again): not asked.
    const bool hadSelection = selectionModel()->hasSelection();
    FReport = report;
    FRowKeys.assign(static_cast<size_t>(PageCount()), QByteArray());
    // Thumbnails of pages that are gone would pile up over a long session of edits.
    if (FCache.size() > std::max(256, 2 * PageCount()))
        FCache.clear();
    FModel->Reset();
    if (hadSelection)
        emit SelectedPageChanged(SelectedPage());
}

void TPageThumbnailList::SetQuality(int quality)
{
    if (quality == FQuality)
        return;
    FQuality = quality;
    ClearThumbnails();
}

void TPageThumbnailList::PageChanged(int index)
{
    if (index < 0 || index >= static_cast<int>(FRowKeys.size()))
        return;
    FRowKeys[static_cast<size_t>(index)].clear();
    FModel->RowChanged(index);
}

void TPageThumbnailList::ClearThumbnails()
{
    FCache.clear();
    std::fill(FRowKeys.begin(), FRowKeys.end(), QByteArray());
    if (PageCount() > 0)
        emit FModel->dataChanged(FModel->index(0, 0), FModel->index(PageCount() - 1, 0));
}

int TPageThumbnailList::PageCount() const { return FReport ? FReport->Count() : 0; }

int TPageThumbnailList::SelectedPage() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return -1;
    return current.row();
}

void TPageThumbnailList::SelectPage(int index)
{
    if (index < 0 || index >= PageCount()) {
        clearSelection();
        return;
    }
    const QModelIndex at = FModel->index(index, 0);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(at);
}

QByteArray TPageThumbnailList::Fingerprint(int index) const
{
    // What the drawing depends on: the page's stored design, its number and its batches.
    TPage &page = *FReport->Pages(index);
    XmlDocument doc;
    page.SaveToXml(doc.Nodes.AddChild(QStringLiteral("Page")).Children(), false);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(doc.SaveToBytes());
    QByteArray extra = QByteArray::number(FQuality) + ' ' + QByteArray::number(page.PageNumber);
    for (const TBatchItem &batch : page.Batches)
        extra += '|' + batch.Path.toUtf8() + '/' + batch.ID.toUtf8() + ' ' + QByteArray::number(batch.UpdateDate, 'g', 17) +
                 ' ' + QByteArray::number(batch.Columns) + 'x' + QByteArray::number(batch.Rows) + ' ' +
                 QByteArray::number(batch.Readings);
    hash.addData(extra);
    return hash.result();
}

QPixmap TPageThumbnailList::Thumbnail(int index)
{
    if (index < 0 || index >= PageCount())
        return {};
    QByteArray &key = FRowKeys[static_cast<size_t>(index)];
    if (key.isEmpty())
        key = Fingerprint(index);
    const auto found = FCache.constFind(key);
    if (found != FCache.constEnd())
        return *found;
    QImage picture, mask;
    try {
        RenderPageThumbnail(*FReport->Pages(index), FQuality, picture, mask, QSize(ThumbnailSize, ThumbnailSize),
                            palette().color(QPalette::Window));
    } catch (const Exception &) {
        // A page that cannot be drawn shows an empty picture; its row stays usable.
        picture = QImage(ThumbnailSize, ThumbnailSize, QImage::Format_RGB32);
        mask = QImage(ThumbnailSize, ThumbnailSize, QImage::Format_Grayscale8);
        mask.fill(255);
    }
    ++FDrawn;
    QPixmap pixmap = QPixmap::fromImage(picture);
    // Black in the mask is the page, which alone is opaque.
    pixmap.setMask(QBitmap::fromImage(mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)));
    FCache.insert(key, pixmap);
    return pixmap;
}

// --- dragging rows within the list

void TPageThumbnailList::SetPageDragEnabled(bool enabled)
{
    setDragEnabled(enabled);
    setAcceptDrops(enabled);
    viewport()->setAcceptDrops(enabled);
    setDropIndicatorShown(enabled);
    setDragDropMode(enabled ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
}

void TPageThumbnailList::startDrag(Qt::DropActions)
{
    const int row = SelectedPage();
    if (row < 0)
        return;
    auto *mime = new QMimeData;
    mime->setData(PageRowMimeType(),
                  QByteArray::number(reinterpret_cast<quintptr>(this)) + ' ' + QByteArray::number(row));
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(Thumbnail(row));
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

int TPageThumbnailList::DraggedRow(const QMimeData *mime) const
{
    if (!mime || !mime->hasFormat(PageRowMimeType()))
        return -1;
    const QList<QByteArray> parts = mime->data(PageRowMimeType()).split(' ');
    if (parts.size() != 2 || parts[0] != QByteArray::number(reinterpret_cast<quintptr>(this)))
        return -1;
    bool ok = false;
    const int row = parts[1].toInt(&ok);
    return ok && row >= 0 && row < PageCount() ? row : -1;
}

bool TPageThumbnailList::AcceptsDrop(const QMimeData *mime, const QPoint &at, int &from, int &to) const
{
    from = DraggedRow(mime);
    const QModelIndex target = indexAt(at);
    to = target.isValid() ? target.row() : -1;
    return from >= 0 && to >= 0 && (!DropRule || DropRule(from, to));
}

void TPageThumbnailList::dragEnterEvent(QDragEnterEvent *event)
{
    if (DraggedRow(event->mimeData()) < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void TPageThumbnailList::dragMoveEvent(QDragMoveEvent *event)
{
    int from = -1, to = -1;
    if (AcceptsDrop(event->mimeData(), event->position().toPoint(), from, to)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TPageThumbnailList::dropEvent(QDropEvent *event)
{
    int from = -1, to = -1;
    if (!AcceptsDrop(event->mimeData(), event->position().toPoint(), from, to)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit PageDropped(from, to);
}
