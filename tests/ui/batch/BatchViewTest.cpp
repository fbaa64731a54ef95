// The batch view, the header view and the readings view on batch files in a temporary folder.
#include "FolderViewSupport.h"
#include "UnitDateTime.h"
#include "UnitFileList.h"
#include "UnitFormBatchView.h"
#include "UnitFormHeaderView.h"
#include "UnitFormReadingsView.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Presses and releases a key on a widget (the focused editor while one is open).
void Key(QWidget *target, int key, const QString &text = {})
{
    // An open cell editor takes the keys, as it would hold the focus on a real screen.
    QWidget *to = target;
    for (auto *editor : target->findChildren<QLineEdit *>())
        if (editor->isVisible())
            to = editor;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
    // The editor commits Enter and Escape through a queued call.
    QCoreApplication::processEvents();
}

class BatchViewTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        Folder = Home.Path() + QStringLiteral("/Local/");
        CurrentCoverUnits = 0;
        CurrentTemperatureUnits = 0;
        QLocale::setDefault(QLocale::c());
    }
    // Loads a file as the folder view hands it over and shows it in the batch view.
    TFileItem &Show(const QString &path)
    {
        auto *item = Entries.Add();
        item->FileType = FileTypeBatch;
        item->FileName = path;
        EXPECT_TRUE(item->Load());
        View.ShowBatches({item});
        return *item;
    }
    TBatchItem OnDisk(const QString &path)
    {
        TBatchItem b;
        b.LoadFromFile(path);
        return b;
    }
    QString Folder;
    TFakeFolderHost Host;
    TFileList Entries;
    TFormBatchView View{&Host};
};

TEST_F(BatchViewTest, TabsAndStoredTabAreClampedAndRemembered)
{
    Host.Titles = {QStringLiteral("Summary"), QStringLiteral("Charts")};
    Host.Store[QStringLiteral("BatchTab")].SetAsInteger(9);
    Show(WriteBatch(Folder, QStringLiteral("A"), MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 2)));
    ASSERT_EQ(View.TabCount(), 5);
    EXPECT_EQ(View.TabText(0), QStringLiteral("Header"));
    EXPECT_EQ(View.TabText(1), QStringLiteral("Measurements"));
    EXPECT_EQ(View.TabText(3), QStringLiteral("Charts"));
    EXPECT_EQ(View.TabText(4), QStringLiteral("My Reports"));
    EXPECT_EQ(View.TabIndex(), 4); // clamped to the last tab
    View.SetTabIndex(1);
    EXPECT_EQ(Host.Store[QStringLiteral("BatchTab")].AsInteger(), 1);
    EXPECT_EQ(View.DockedView(), static_cast<QWidget *>(View.ReadingsView));
    Host.Store[QStringLiteral("BatchTab")].SetAsInteger(-3);
    View.ShowBatches({Entries.Items(0)});
    EXPECT_EQ(View.TabIndex(), 0);
    EXPECT_EQ(View.DockedView(), static_cast<QWidget *>(View.HeaderView));
}

TEST_F(BatchViewTest, TwoBatchesShowTheMultipleItemsText)
{
    auto *a = Entries.Add();
    auto *b = Entries.Add();
    a->FileType = b->FileType = FileTypeBatch;
    a->FileName = WriteBatch(Folder, QStringLiteral("A"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    b->FileName = WriteBatch(Folder, QStringLiteral("B"), MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 2));
    ASSERT_TRUE(a->Load() && b->Load());
    View.ShowBatches({a, b});
    EXPECT_EQ(View.Batches().Count(), 2);
    for (int tab : {0, 1}) {
        View.SetTabIndex(tab);
        EXPECT_EQ(View.DockText(), QStringLiteral("Unable to modify multiple batch items."));
    }
}

struct HeaderCase {
    const char *Name;
    std::uint8_t Type;
    const char *Field;
    const char *Text;
    const char *Message;
};

class HeaderValidationTest : public BatchViewTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderValidationTest, RefusesWithItsMessageRestoresAndKeepsTheFile)
{
    const HeaderCase &c = GetParam();
    const QString path = WriteBatch(Folder, QStringLiteral("V"), MakeBatch(c.Type, BatchFormatGrid, 10, 10));
    const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    h->CheckBoxHighLimit->setChecked(true);
    h->CheckBoxLowLimit->setChecked(true);
    auto *field = h->findChild<QLineEdit *>(QLatin1String(c.Field));
    ASSERT_NE(field, nullptr);
    const QString stored = field->text();
    field->setText(QLatin1String(c.Text));
    h->EditExit(field);
    ASSERT_EQ(Prompts.Errors.size(), 1);
    EXPECT_EQ(Prompts.Errors.first(), QString::fromUtf8(c.Message));
    EXPECT_EQ(field->text(), stored);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, HeaderValidationTest,
    ::testing::Values(
        HeaderCase{"HighCover", BatchTypeCover, "EditHighLimit", "300", "Enter valid high limit value (1-250)"},
        HeaderCase{"HighText", BatchTypeCover, "EditHighLimit", "abc", "Enter valid high limit value (1-250)"},
        HeaderCase{"LowHalfCell", BatchTypeHalfCell, "EditLowLimit", "-1000", "Enter valid low limit value (-999-999)"},
        HeaderCase{"Columns", BatchTypeCover, "EditColumns", "256", "Enter valid column value (1-255)"},
        HeaderCase{"ColumnsText", BatchTypeCover, "EditColumns", "2.5", "Enter valid column value (1-255)"},
        HeaderCase{"Rows", BatchTypeCover, "EditRows", "0", "Enter valid row value (1-255)"},
        HeaderCase{"Grid", BatchTypeCover, "EditGrid", "49", "Enter valid grid size (50 to 10000)"},
        HeaderCase{"Temperature", BatchTypeHalfCell, "EditTemperature", "71",
                   "Enter valid temperature (-20.0\u00b0C to 70.0\u00b0C)"}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(BatchViewTest, UnappliedLimitThatIsNoNumberIsRefusedBeforeAnythingChanges)
{
    const QString path = WriteBatch(Folder, QStringLiteral("N"), MakeBatch(BatchTypeCover, BatchFormatGrid, 10, 10));
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    h->CheckBoxHighLimit->setChecked(false);
    h->EditColumns->setText(QStringLiteral("12"));
    h->EditHighLimit->setText(QStringLiteral("high"));
    h->EditExit(h->EditHighLimit);
    ASSERT_EQ(Prompts.Errors.size(), 1);
    EXPECT_EQ(Prompts.Errors.first(), QStringLiteral("'high' is not a valid floating point value"));
    EXPECT_EQ(OnDisk(path).Columns, 10);
}

TEST_F(BatchViewTest, ShrinkQuestionNoKeepsTheSizeYesCutsAndSaves)
{
    const QString path = WriteBatch(Folder, QStringLiteral("S"), MakeBatch(BatchTypeCover, BatchFormatGrid, 10, 10));
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    h->EditColumns->setText(QStringLiteral("8"));
    Prompts.Answers = {TPromptAnswer::No};
    h->EditExit(h->EditColumns);
    ASSERT_EQ(Prompts.Questions, QStringList{QStringLiteral("Data outside new batch size will be lost. Continue?")});
    EXPECT_EQ(h->EditColumns->text(), QStringLiteral("10"));
    EXPECT_EQ(OnDisk(path).Columns, 10);

    h->EditColumns->setText(QStringLiteral("8"));
    Prompts.Answers = {TPromptAnswer::Yes};
    h->EditExit(h->EditColumns);
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.Columns, 8);
    EXPECT_EQ(saved.Rows, 10);
    EXPECT_EQ(saved.Readings, 80);
    EXPECT_EQ(h->EditReadings->text(), QStringLiteral("80 of 80"));
    // Growing asks nothing.
    h->EditRows->setText(QStringLiteral("12"));
    h->EditExit(h->EditRows);
    EXPECT_EQ(Prompts.Questions.size(), 2);
    EXPECT_EQ(OnDisk(path).Rows, 12);
    // The readings view follows the new size.
    View.SetTabIndex(1);
    EXPECT_EQ(View.ReadingsView->DrawGridReadings->model()->rowCount(), 12);
    EXPECT_EQ(View.ReadingsView->DrawGridReadings->model()->columnCount(), 8);
}

TEST_F(BatchViewTest, CellTypeChangeShiftsEveryValueBy81AndSaves)
{
    TBatchItem b = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 3, 2);
    b.GaugeCellType = QStringLiteral("CU/CUSO4");
    b.CellType = QStringLiteral("CU/CUSO4");
    const QString path = WriteBatch(Folder, QStringLiteral("H"), b);
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    ASSERT_TRUE(h->ComboBoxCellType->isEnabled());
    ASSERT_EQ(h->ComboBoxCellType->count(), 2);
    h->ComboBoxCellType->setCurrentIndex(CellTypeAgAgCl);
    h->EditExit(h->ComboBoxCellType);
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.CellType, QStringLiteral("AG/AGCL"));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r)
            EXPECT_DOUBLE_EQ(saved.Value(c, r), 10 + c + r + 81);
}

TEST_F(BatchViewTest, UnknownGaugeCellTypeIsFreeText)
{
    TBatchItem b = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 2);
    b.GaugeCellType = QStringLiteral("ZN");
    b.CellType = QStringLiteral("ZN");
    const QString path = WriteBatch(Folder, QStringLiteral("Z"), b);
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    EXPECT_FALSE(h->EditCellType->isHidden());
    EXPECT_EQ(h->EditCellType->text(), QStringLiteral("ZN"));
    h->EditCellType->setText(QStringLiteral("Zinc"));
    h->EditExit(h->EditCellType);
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.CellType, QStringLiteral("Zinc"));
    EXPECT_DOUBLE_EQ(saved.Value(1, 1), 12);
}

TEST_F(BatchViewTest, TemperatureRules)
{
    TBatchItem b = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 2);
    b.Temperature = 21.5;
    const QString path = WriteBatch(Folder, QStringLiteral("T"), b);
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    EXPECT_EQ(h->EditTemperature->text(), FormatTemperature(21.5));
    EXPECT_EQ(h->LabelTemperature->text(), QStringLiteral("Temperature (%1):").arg(TemperatureUnitName()));
    // Cleared: not recorded, and shown empty again.
    h->EditTemperature->setText(QString());
    h->EditExit(h->EditTemperature);
    EXPECT_EQ(OnDisk(path).Temperature, TemperatureNotRecorded);
    View.HeaderView->Invalidate();
    View.ShowBatches({View.Batches().Items(0)});
    EXPECT_EQ(h->EditTemperature->text(), QString());
    // Fahrenheit bounds are -5 to 160 and the value is stored in Celsius.
    CurrentTemperatureUnits = 1;
    h->EditTemperature->setText(QStringLiteral("-6"));
    h->EditExit(h->EditTemperature);
    ASSERT_EQ(Prompts.Errors.size(), 1);
    EXPECT_EQ(Prompts.Errors.first(), QStringLiteral("Enter valid temperature (-5.0%1 to 160.0%1)").arg(TemperatureUnitName()));
    h->EditTemperature->setText(QStringLiteral("212"));
    h->EditExit(h->EditTemperature);
    EXPECT_EQ(Prompts.Errors.size(), 2);
    h->EditTemperature->setText(QStringLiteral("50"));
    h->EditExit(h->EditTemperature);
    EXPECT_NEAR(OnDisk(path).Temperature, 10.0, 1e-9);
    // A cover batch shows no temperature.
    const QString cover = WriteBatch(Folder, QStringLiteral("C"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    Show(cover);
    EXPECT_FALSE(h->EditTemperature->isEnabled());
    EXPECT_EQ(h->EditTemperature->text(), QString());
}

TEST_F(BatchViewTest, LinearBatchHasNoSizeFieldsAndIgnoresThem)
{
    const QString path = WriteBatch(Folder, QStringLiteral("L"), MakeBatch(BatchTypeCover, BatchFormatLinear, 1, 20));
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    EXPECT_FALSE(h->EditColumns->isEnabled());
    EXPECT_EQ(h->EditColumns->text(), QString());
    EXPECT_EQ(h->EditGrid->text(), QString());
    h->EditColumns->setText(QStringLiteral("7"));
    h->EditSite->setText(QStringLiteral("North pier"));
    h->EditExit(h->EditSite);
    EXPECT_TRUE(Prompts.Errors.isEmpty());
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.Columns, 1);
    EXPECT_EQ(saved.Rows, 20);
    EXPECT_EQ(saved.Site, QStringLiteral("North pier"));
}

TEST_F(BatchViewTest, SeriesChangeKeepsTheDiameterAndLimitsAreStored)
{
    TBatchItem b = MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2);
    b.BarSeries = 0;
    b.BarSize = BarSizeDiameter(0, 3);
    const QString path = WriteBatch(Folder, QStringLiteral("B"), b);
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    EXPECT_EQ(h->ComboBoxBarSize->currentText(), BarSizeLabel(0, 3));
    h->ComboBoxBarSeries->setCurrentIndex(1);
    h->CheckBoxHighLimit->setChecked(true);
    h->EditHighLimit->setText(QStringLiteral("80"));
    h->ComboBoxBarGrade->setCurrentIndex(2);
    h->EditExit(h->ComboBoxBarSeries);
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.BarSeries, 1);
    EXPECT_DOUBLE_EQ(saved.BarSize, BarSizeDiameter(0, 3));
    EXPECT_TRUE(saved.HighLimitApplied);
    EXPECT_DOUBLE_EQ(saved.HighLimit, 80);
    EXPECT_EQ(saved.BarGrade, 2);
    EXPECT_EQ(h->ComboBoxBarSize->currentText(), saved.BarSizeName());
}

TEST(ColumnHeadingTest, LettersThenPairs)
{
    QStringList headings;
    for (int c = 0; c < 30; ++c)
        headings << ColumnHeading(c);
    EXPECT_EQ(headings.first(), QStringLiteral("A"));
    EXPECT_EQ(headings[25], QStringLiteral("Z"));
    EXPECT_EQ(headings.mid(26), (QStringList{"AA", "AB", "AC", "AD"}));
    EXPECT_EQ(ColumnHeading(52), QStringLiteral("BA"));
    EXPECT_EQ(ColumnHeading(254), QStringLiteral("IU"));
    // Past ZZ (a file may hold up to a million cells in one row) the letters go on.
    EXPECT_EQ(ColumnHeading(701), QStringLiteral("ZZ"));
    EXPECT_EQ(ColumnHeading(702), QStringLiteral("AAA"));
    EXPECT_EQ(ColumnHeading(999999), QStringLiteral("BDWGN"));
}

TEST_F(BatchViewTest, ReadingsEditsChangeTheFile)
{
    const QString path = WriteBatch(Folder, QStringLiteral("R"), MakeBatch(BatchTypeCover, BatchFormatGrid, 30, 3));
    Show(path);
    TFormReadingsView *v = View.ReadingsView;
    QAbstractItemModel *model = v->DrawGridReadings->model();
    EXPECT_EQ(model->headerData(29, Qt::Horizontal).toString(), QStringLiteral("AD"));
    EXPECT_EQ(model->headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));
    EXPECT_EQ(v->CellText(1, 1), QStringLiteral("12"));

    struct Edit {
        int Column, Row;
        const char *Text;
        const char *Shown;
        std::uint8_t Reading, Measure;
        int Readings;
    };
    const Edit edits[] = {
        {0, 0, "45.4", "45", ReadingTypeReading, MeasureTypeInRange, 90},
        {0, 1, ">>", ">>", ReadingTypeReading, MeasureTypeOverRange, 89},
        {0, 2, "<<", "<<", ReadingTypeReading, MeasureTypeUnderRange, 88},
        {1, 0, "", "", ReadingTypeEmpty, MeasureTypeInRange, 87},
        {1, 1, "x1", "", ReadingTypeEmpty, MeasureTypeInRange, 86},
        // Not numbers either: stored, they would make the file unloadable.
        {1, 2, "nan", "", ReadingTypeEmpty, MeasureTypeInRange, 85},
        {2, 0, "inf", "", ReadingTypeEmpty, MeasureTypeInRange, 84},
        {2, 1, "-Infinity", "", ReadingTypeEmpty, MeasureTypeInRange, 83},
    };
    for (const Edit &e : edits) {
        ASSERT_TRUE(model->setData(model->index(e.Row, e.Column), QString::fromUtf8(e.Text)));
        EXPECT_EQ(v->CellText(e.Column, e.Row), QString::fromUtf8(e.Shown)) << e.Text;
        const TBatchItem saved = OnDisk(path);
        EXPECT_EQ(saved.ReadingType(e.Column, e.Row), e.Reading) << e.Text;
        EXPECT_EQ(saved.MeasureType(e.Column, e.Row), e.Measure) << e.Text;
        EXPECT_EQ(saved.Readings, e.Readings) << e.Text;
    }
    EXPECT_DOUBLE_EQ(OnDisk(path).Value(0, 0), 45.4);
    EXPECT_DOUBLE_EQ(OnDisk(path).Value(0, 1), OverRangeValue);
    EXPECT_EQ(View.Batches().Items(0)->Batch.Readings, 83);
}

TEST_F(BatchViewTest, NumbersAreReadInTheUsersLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString path = WriteBatch(Folder, QStringLiteral("D"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    Show(path);
    View.ReadingsView->CellEdited(0, 0, QStringLiteral("12,6"));
    EXPECT_DOUBLE_EQ(OnDisk(path).Value(0, 0), 12.6);
    QLocale::setDefault(QLocale::c());
}

TEST_F(BatchViewTest, EnterMovesDownThenToTheNextColumnThenBackToTheStart)
{
    Show(WriteBatch(Folder, QStringLiteral("E"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 3)));
    View.SetTabIndex(1);
    View.resize(400, 300);
    View.show();
    TReadingsGrid *grid = View.ReadingsView->DrawGridReadings;
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QList<QPair<int, int>> visited;
    for (int i = 0; i < 6; ++i) {
        Key(grid, Qt::Key_Return);
        visited << qMakePair(grid->currentIndex().column(), grid->currentIndex().row());
    }
    EXPECT_EQ(visited, (QList<QPair<int, int>>{{0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {0, 0}}));

    // Typing into a cell and pressing Enter stores it and moves down; Escape cancels.
    grid->setCurrentIndex(grid->model()->index(0, 1));
    Key(grid, Qt::Key_7, QStringLiteral("7"));
    Key(grid, Qt::Key_7, QStringLiteral("7"));
    Key(grid, Qt::Key_Return);
    EXPECT_EQ(View.ReadingsView->CellText(1, 0), QStringLiteral("77"));
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(grid->currentIndex().column(), 1);
    Key(grid, Qt::Key_5, QStringLiteral("5"));
    Key(grid, Qt::Key_Escape);
    EXPECT_EQ(View.ReadingsView->CellText(1, 1), QStringLiteral("12"));
}

} // namespace

TEST_F(BatchViewTest, HeaderNumbersThatAreNoNumbersAreRefused)
{
    TBatchItem b = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 2);
    b.HighLimitApplied = true;
    b.HighLimit = -200;
    const QString path = WriteBatch(Folder, QStringLiteral("NaN"), b);
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    const struct {
        QLineEdit *Edit;
        const char *Text;
        const char *Message;
    } cases[] = {
        {h->EditHighLimit, "nan", "Enter valid high limit value (-999-999)"},
        {h->EditHighLimit, "inf", "Enter valid high limit value (-999-999)"},
        {h->EditLowLimit, "NaN", "'NaN' is not a valid floating point value"},
        {h->EditTemperature, "nan", "Enter valid temperature (-20.0°C to 70.0°C)"},
        {h->EditGrid, "nan", "Enter valid grid size (50 to 10000)"},
    };
    for (const auto &c : cases) {
        Prompts.Errors.clear();
        c.Edit->setText(QString::fromUtf8(c.Text));
        h->EditExit(c.Edit);
        EXPECT_EQ(Prompts.Errors, QStringList{QString::fromUtf8(c.Message)}) << c.Text;
    }
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.HighLimit, -200);
    EXPECT_EQ(saved.Grid, b.Grid);
}

TEST_F(BatchViewTest, CellTypeChangeFromAnUnknownStoredTypeIsRefused)
{
    TBatchItem b = MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 2);
    b.GaugeCellType = QStringLiteral("CU/CUSO4");
    b.CellType = QStringLiteral("Zinc");
    const QString path = WriteBatch(Folder, QStringLiteral("U"), b);
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    ASSERT_EQ(h->ComboBoxCellType->currentIndex(), -1);
    h->ComboBoxCellType->setCurrentIndex(CellTypeAgAgCl);
    h->EditExit(h->ComboBoxCellType);
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("Unable to convert data to cell type")});
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.CellType, QStringLiteral("Zinc"));
    EXPECT_DOUBLE_EQ(saved.Value(1, 1), 12);
    EXPECT_EQ(h->ComboBoxCellType->currentIndex(), -1);
}

TEST_F(BatchViewTest, HeaderEditSavedUnderACommaCLocale)
{
    TCommaLocale comma;
    ASSERT_TRUE(comma.Available());
    const QString path = WriteBatch(Folder, QStringLiteral("Komma"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    Show(path);
    TFormHeaderView *h = View.HeaderView;
    h->EditGrid->setText(QStringLiteral("152,4"));
    h->CheckBoxLowLimit->setChecked(true);
    h->EditLowLimit->setText(QStringLiteral("12,5"));
    h->EditExit(h->EditGrid);
    EXPECT_TRUE(Prompts.Errors.isEmpty()) << Prompts.Errors.join(QLatin1Char('|')).toStdString();
    const QByteArray text = ReadWholeFile(path);
    EXPECT_TRUE(text.contains("<Grid>152.4</Grid>")) << text.left(800).toStdString();
    const TBatchItem saved = OnDisk(path);
    EXPECT_EQ(saved.Grid, 152.4);
    EXPECT_TRUE(text.contains("<LowLimit>12.5</LowLimit>"));
    EXPECT_EQ(saved.LowLimit, 12.5); // the field shows whole millimetres, rounded half away from zero
    EXPECT_EQ(h->EditLowLimit->text(), QStringLiteral("13"));
    // Dates as the summary shows them: no time zone of today glued to a stored time.
    EXPECT_EQ(h->EditDateCreated->text(), DateTimeToDisplayText(saved.CreationDate));
}

TEST_F(BatchViewTest, AFailedSaveLeavesTheFolderViewAlone)
{
    const QString path = WriteBatch(Folder, QStringLiteral("Gone"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    Show(path);
    int handedOn = 0;
    View.OnBatchSaved = [&](const TFileItem &) { ++handedOn; };
    QDir(Folder).removeRecursively(); // nowhere to write
    View.HeaderView->EditSite->setText(QStringLiteral("New site"));
    View.HeaderView->EditExit(View.HeaderView->EditSite);
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("Unable to save the batch file %1").arg(path)});
    EXPECT_EQ(handedOn, 0);
    // A good save goes on to the folder view.
    QDir().mkpath(Folder);
    View.HeaderView->EditSite->setText(QStringLiteral("Newer site"));
    View.HeaderView->EditExit(View.HeaderView->EditSite);
    EXPECT_EQ(handedOn, 1);
}

// Two program instances on one storage folder, each with its batch view on the same batch (the
// second one as an object of its own in this process): neither overwrites the other's work unasked.
TEST_F(BatchViewTest, AnEditOfABatchAnotherProgramReplacedAsksAndNothingIsLostEitherWay)
{
    const QString question = QStringLiteral(
        "The batch file was changed by another program since it was shown. Replace it with your change?");
    const QString path = WriteBatch(Folder, QStringLiteral("Shared"), MakeBatch(BatchTypeCover, BatchFormatGrid, 3, 3));
    Show(path);
    TFakeFolderHost otherHost;
    TFormBatchView other(&otherHost);
    TFileList otherEntries;
    TFileItem *otherItem = otherEntries.Add();
    otherItem->FileType = FileTypeBatch;
    otherItem->FileName = path;
    ASSERT_TRUE(otherItem->Load());
    other.ShowBatches({otherItem});
    QStringList handed;
    View.OnBatchSaved = [&](const TFileItem &entry) { handed << entry.Batch.Site; };

    // The other instance saves first: nothing had changed under it, so it asks nothing.
    other.HeaderView->EditSite->setText(QStringLiteral("Site of the other"));
    other.HeaderView->EditExit(other.HeaderView->EditSite);
    EXPECT_TRUE(Prompts.Questions.isEmpty());
    EXPECT_EQ(OnDisk(path).Site, QStringLiteral("Site of the other"));

    // No: the other's file stays, and this view shows it.
    Prompts.Answers = {TPromptAnswer::No};
    View.HeaderView->EditSite->setText(QStringLiteral("Site of mine"));
    View.HeaderView->EditExit(View.HeaderView->EditSite);
    EXPECT_EQ(Prompts.Questions, QStringList{question});
    EXPECT_EQ(OnDisk(path).Site, QStringLiteral("Site of the other"));
    EXPECT_EQ(View.HeaderView->EditSite->text(), QStringLiteral("Site of the other"));
    EXPECT_EQ(View.Batches().Items(0)->Batch.Site, QStringLiteral("Site of the other"));
    EXPECT_EQ(handed, QStringList{QStringLiteral("Site of the other")});

    // Now shown as it is on disk: the next edit is saved without a question.
    View.HeaderView->EditNote->setText(QStringLiteral("Note of mine"));
    View.HeaderView->EditExit(View.HeaderView->EditNote);
    EXPECT_EQ(Prompts.Questions.size(), 1);
    EXPECT_EQ(OnDisk(path).Site, QStringLiteral("Site of the other"));
    EXPECT_EQ(OnDisk(path).Note, QStringLiteral("Note of mine"));

    // The other instance edits a reading of its stale copy: asked; Yes writes its change.
    Prompts.Answers = {TPromptAnswer::Yes};
    other.ReadingsView->CellEdited(0, 0, QStringLiteral("45"));
    EXPECT_EQ(Prompts.Questions, (QStringList{question, question}));
    const TBatchItem after = OnDisk(path);
    EXPECT_EQ(after.Value(0, 0), 45);
    EXPECT_EQ(after.Site, QStringLiteral("Site of the other"));
    EXPECT_TRUE(after.Note.isEmpty());
    // Its own save does not count as another program's.
    other.ReadingsView->CellEdited(1, 0, QStringLiteral("46"));
    EXPECT_EQ(Prompts.Questions.size(), 2);
    EXPECT_EQ(OnDisk(path).Value(1, 0), 46);
}
