#pragma once
// A list of the pages of a report, one row per page with a thumbnail of the page. Thumbnails are
// drawn only when a row is painted (rows off screen cost nothing) and kept per page until that
// page's content changes, so rebuilding the list after a page command redraws only what changed.
// The columns are the caller's: the reports window shows number, type and batch types; the
// report viewer only the page number.
#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QTreeView>
#include <functional>
#include <vector>

class TPage;
class TReport;
class TPageThumbnailModel;

class TPageThumbnailList : public QTreeView {
    Q_OBJECT
public:
    // The text of a cell: the page, its index in the report and the column.
    using TCellText = std::function<QString(const TPage &page, int index, int column)>;
    // Whether a dragged page row (index `from`) may be dropped on the row `to`.
    using TDropRule = std::function<bool(int from, int to)>;

    explicit TPageThumbnailList(QWidget *parent = nullptr);
    ~TPageThumbnailList() override;

    // Column headers and cell texts. The thumbnail shows in column 0. Without a call: one column
    // "Page" holding the page number (index + 1).
    void SetColumns(const QStringList &headers, const TCellText &text);
    // The alignment of a column's text (left and vertically centred unless set).
    void SetColumnAlignment(int column, Qt::Alignment alignment);
    // Rows for every page of the report (nullptr: none). Thumbnails of pages whose content has not
    // changed since they were drawn are kept. The list keeps the pointer: before the report is
    // destroyed, hand the list another one (or nullptr). A report of a list entry is handed over
    // again on every reload of its list (Reloading of the list's notifier: nullptr; Reloaded: the
    // report of the entry found again by file name).
    void SetReport(TReport *report);
    TReport *Report() const { return FReport; }
    // 0 high (4 x 4 averaging), 1 normal (smooth scaling), 2 none (empty pictures, the rows keep
    // their texts). A change throws the drawn thumbnails away.
    void SetQuality(int quality);
    int Quality() const { return FQuality; }
    // A page was changed in place: its thumbnail is checked again when it is next shown.
    void PageChanged(int index);
    // Throws every drawn thumbnail away (for pages whose batches changed, which the content check
    // does not see).
    void ClearThumbnails();

    int PageCount() const;
    // The index of the current row when it is selected, else -1.
    int SelectedPage() const;
    // Selects the row, makes it current (the focus mark) and scrolls to it; -1 clears the selection.
    void SelectPage(int index);

    // Rows can be dragged onto other rows of this list; a drop the rule allows emits PageDropped.
    void SetPageDragEnabled(bool enabled);
    TDropRule DropRule;

    // How many thumbnails have been drawn since the list was made (for measurements and tests).
    int ThumbnailsDrawn() const { return FDrawn; }
    // The thumbnail of a page as the list shows it, drawn now when it is not known.
    QPixmap Thumbnail(int index);

    static constexpr int ThumbnailSize = 64;

signals:
    // The selected page changed (-1: none).
    void SelectedPageChanged(int index);
    // A dragged row was dropped on the row `to`.
    void PageDropped(int from, int to);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend class TPageThumbnailModel;
    // The row of a drag from this very list, or -1.
    int DraggedRow(const QMimeData *mime) const;
    bool AcceptsDrop(const QMimeData *mime, const QPoint &at, int &from, int &to) const;
    QByteArray Fingerprint(int index) const;

    TPageThumbnailModel *FModel;
    TReport *FReport = nullptr;
    int FQuality = 0;
    int FDrawn = 0;
    // Per row: the content fingerprint of its page (empty until the row is first shown).
    mutable std::vector<QByteArray> FRowKeys;
    // Drawn thumbnails by content fingerprint.
    QHash<QByteArray, QPixmap> FCache;
};
