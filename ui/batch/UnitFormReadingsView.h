#pragma once
// The readings view of the batch view: the batch's cells in a grid with letter column headings
// and numbered rows, edited in place and written back at once through `OnBatchChanged`.
#include "UnitFileList.h"

#include <QTableView>
#include <QWidget>
#include <functional>

class TReadingsModel;

// "A" .. "Z", then two letters: "AA" for column 26, "BA" for column 52.
QString ColumnHeading(int column);

// The grid: Enter moves down, from the last row to the top of the next column, from the last
// cell back to the first.
class TReadingsGrid : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;
    void MoveNext();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
};

class TFormReadingsView : public QWidget {
    Q_OBJECT
public:
    explicit TFormReadingsView(QWidget *parent = nullptr);
    ~TFormReadingsView() override;

    // Shows the entry when it differs from the copy held by FileName or FileModifiedTime.
    void ShowBatch(const TFileItem &entry);
    void Invalidate();
    const TFileItem &Item() const { return FItem; }
    // The text shown in a cell (column, row).
    QString CellText(int column, int row) const;
    // The cell-edit handler: stores the text typed into a cell and reports the change.
    void CellEdited(int column, int row, const QString &text);

    std::function<void(const TFileItem &)> OnBatchChanged;
    TReadingsGrid *DrawGridReadings;

private:
    friend class TReadingsModel;
    void ApplyCellText(int column, int row, const QString &text);
    TFileItem FItem;
    TReadingsModel *FModel;
};
