// What a screen reader gets from the drawn views: the readings grid's cells, the page designer's
// items, the page thumbnails and the summary of a chart.
#include "FolderViewSupport.h"
#include "UnitAccessiblePage.h"
#include "UnitChartSummary.h"
#include "UnitFormHeaderView.h"
#include "UnitFormPageDesign.h"
#include "UnitFormReadingsView.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitPageThumbnailList.h"
#include "UnitReport.h"
#include "UnitUnits.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

namespace {

class AccessibleViewsTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        CurrentCoverUnits = 0;
        QLocale::setDefault(QLocale::c());
        RegisterReportDocument();
        RegisterPageItemClasses();
    }
};

QString Text(QAccessibleInterface *iface, QAccessible::Text t) { return iface ? iface->text(t) : QStringLiteral("<none>"); }

TEST_F(AccessibleViewsTest, ReadingsGridCellsSayTheirTextAndPlace)
{
    TBatchItem batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 2);
    batch.SetMeasureType(1, 0, MeasureTypeOverRange);
    batch.SetValue(1, 0, OverRangeValue);
    batch.SetReadingType(2, 1, ReadingTypeEmpty);
    batch.Readings = batch.ValidCount();
    TFileItem entry;
    entry.FileType = FileTypeBatch;
    entry.FileName = WriteBatch(Home.Path() + QStringLiteral("/Local/"), QStringLiteral("Deck"), batch);
    ASSERT_TRUE(entry.Load());
    TFormReadingsView view;
    view.ShowBatch(entry);
    view.resize(400, 300);
    view.show();
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(view.DrawGridReadings);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->text(QAccessible::Name), QStringLiteral("Readings"));
    QAccessibleTableInterface *table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->rowCount(), 2);
    struct TCase {
        int Row, Column;
        QString Name, Place, Heading;
    };
    const TCase cases[] = {
        {0, 0, view.CellText(0, 0), QStringLiteral("Column A, row 1"), QStringLiteral("A")},
        {0, 1, QStringLiteral(">>"), QStringLiteral("Column B, row 1"), QStringLiteral("B")},
        {1, 2, QStringLiteral("Empty"), QStringLiteral("Column C, row 2"), QStringLiteral("C")},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Place.toStdString());
        QAccessibleInterface *cell = table->cellAt(c.Row, c.Column);
        ASSERT_NE(cell, nullptr);
        EXPECT_FALSE(c.Name.isEmpty());
        EXPECT_EQ(cell->text(QAccessible::Name), c.Name);
        EXPECT_EQ(cell->text(QAccessible::Description), c.Place);
        QAccessibleTableCellInterface *tableCell = cell->tableCellInterface();
        ASSERT_NE(tableCell, nullptr);
        QList<QAccessibleInterface *> headers = tableCell->columnHeaderCells();
        ASSERT_EQ(headers.size(), 1);
        EXPECT_EQ(headers[0]->text(QAccessible::Name), c.Heading);
        QList<QAccessibleInterface *> rows = tableCell->rowHeaderCells();
        // Qt hands out header cells it keeps nowhere: the cache takes them, as it does its own.
        for (QAccessibleInterface *header : headers + rows)
            QAccessible::uniqueId(header);
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0]->text(QAccessible::Name), QString::number(c.Row + 1));
    }
    // The value as the grid shows it: a number of the batch's units.
    EXPECT_EQ(view.CellText(0, 0), batch.FormatValueRounded(batch.Value(0, 0)));
}

TEST_F(AccessibleViewsTest, ChartSummaryGivesCountAndRangeAsTheChartShows)
{
    TBatchItem batch = MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 2); // 10 .. 13, mean 11.5
    batch.ID = QStringLiteral("D1");
    const QString summary = ChartSummary(batch);
    EXPECT_EQ(summary, QStringLiteral("Batch D1 (Cover): 6 readings, Min %1, Max %2, Mean %3 %4")
                           .arg(batch.FormatValueRounded(10), batch.FormatValueRounded(13),
                                batch.FormatValueRounded(11.5), batch.UnitName()));
    // Over-range and empty cells are no readings, as in the charts.
    batch.SetMeasureType(2, 1, MeasureTypeOverRange);
    batch.SetReadingType(0, 0, ReadingTypeEmpty);
    EXPECT_TRUE(ChartSummary(batch).contains(QStringLiteral(": 4 readings, Min %1,").arg(batch.FormatValueRounded(11))))
        << ChartSummary(batch).toStdString();
    TBatchItem none;
    none.ID = QStringLiteral("E");
    EXPECT_EQ(ChartSummary(none), QStringLiteral("Batch E (Cover): no readings"));
}

TEST_F(AccessibleViewsTest, DesignerItemsAreChildrenNamedAndPlaced)
{
    TReport report;
    TPage *page = report.AddPage();
    page->Properties["PageType"].SetInteger(PageTypeInner);
    auto *memo = page->AddItem<TPageItemMemo>();
    memo->Properties["Name"].SetString(QStringLiteral("Title"));
    memo->Properties["Left"].SetFloat(10);
    memo->Properties["Top"].SetFloat(20);
    memo->Properties["Width"].SetFloat(80);
    memo->Properties["Height"].SetFloat(15);
    page->AddItem<TPageItemChartRun>();
    const QString file = Home.Path() + QStringLiteral("/Design.vcr");
    report.SaveToFile(file);
    TFileItem entry;
    entry.FileName = file;
    entry.FileType = FileTypeReport;
    ASSERT_TRUE(entry.Load());
    TSettings settings;
    TFormPageDesign form(&settings);
    form.SetReportEntry(entry);
    form.PageIndex = 0;
    form.show();
    TPageEditor *editor = form.Designer()->PageEditor();
    ASSERT_TRUE(ServeEventsUntil([&] { return editor->Page().Count() == 2; }, 5000));
    QAccessibleInterface *surface = QAccessible::queryAccessibleInterface(editor);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->text(QAccessible::Name), QStringLiteral("Page"));
    ASSERT_EQ(surface->childCount(), 2);
    QAccessibleInterface *title = surface->child(0);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(QAccessible::Name), QStringLiteral("Title"));
    EXPECT_EQ(title->role(), QAccessible::StaticText);
    EXPECT_EQ(title->text(QAccessible::Description),
              QStringLiteral("Memo at 10.0 mm, 20.0 mm, 80.0 mm wide, 15.0 mm high"));
    EXPECT_EQ(title->parent(), surface);
    EXPECT_EQ(surface->indexOfChild(title), 0);
    // Its screen rectangle is where the editor draws it, and a point inside finds it.
    const QRect r = title->rect();
    EXPECT_TRUE(editor->rect().translated(editor->mapToGlobal(QPoint())).contains(r.center()));
    EXPECT_EQ(surface->childAt(r.center().x(), r.center().y()), title);
    // The chart: its kind, and the summary of the batch the designer shows it with.
    QAccessibleInterface *chart = surface->child(1);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    const TPageItem *run = editor->Page().Item(1);
    EXPECT_EQ(chart->text(QAccessible::Name), run->Name());
    const QString summary = ChartSummary(editor->Page().Batches[0]);
    EXPECT_TRUE(summary.contains(QStringLiteral("readings, Min"))) << summary.toStdString();
    EXPECT_TRUE(chart->text(QAccessible::Description).startsWith(QStringLiteral("Run at ")));
    EXPECT_TRUE(chart->text(QAccessible::Description).endsWith(summary))
        << chart->text(QAccessible::Description).toStdString();
    // An item removed under the reader: its interface no longer answers.
    editor->Page().Remove(editor->Page().Item(1));
    EXPECT_FALSE(chart->isValid());
    EXPECT_EQ(surface->childCount(), 1);
}

TEST_F(AccessibleViewsTest, ThumbnailsNameTheirPages)
{
    TReport report;
    for (int i = 0; i < 3; ++i)
        report.AddPage()->AddItem<TPageItemShape>();
    TPageThumbnailList list;
    list.SetQuality(2);
    list.SetReport(&report);
    list.resize(200, 300);
    list.show();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Pages"));
    QAccessibleTableInterface *table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        QAccessibleInterface *cell = table->cellAt(row, 0);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Page %1").arg(row + 1));
    }
    list.SetReport(nullptr);
}

// Tab goes down the batch header form row by row, each row's second control after its field.
TEST_F(AccessibleViewsTest, HeaderViewTabOrderFollowsTheRows)
{
    TFormHeaderView view;
    const QList<QWidget *> rows = {
        view.EditFileLocation, view.EditBatchID,   view.EditReadings,     view.EditDateCreated,
        view.EditDateUpdated,  view.EditBatchFormat, view.EditColumns,    view.EditRows,
        view.EditGrid,         view.EditHighLimit, view.CheckBoxHighLimit, view.EditGaugeHighLimit,
        view.EditLowLimit,     view.CheckBoxLowLimit, view.EditGaugeLowLimit, view.ComboBoxBarSeries,
        view.ComboBoxBarSize,  view.ComboBoxBarGrade, view.ComboBoxCellType, view.EditCellType,
        view.EditTemperature,  view.EditSite,      view.EditLocation,     view.EditArea,
        view.EditEngineer,     view.EditCustomer,  view.EditNote,
    };
    for (int i = 1; i < rows.size(); ++i) {
        QWidget *next = rows[i - 1]->nextInFocusChain();
        while (next && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, rows[i]) << rows[i - 1]->objectName().toStdString() << " -> "
                                 << (next ? next->objectName().toStdString() : "none");
    }
    // Each field says what it holds: the label beside it names it.
    QAccessibleInterface *site = QAccessible::queryAccessibleInterface(view.EditSite);
    EXPECT_EQ(site->text(QAccessible::Name), QStringLiteral("Site:"));
}

} // namespace
