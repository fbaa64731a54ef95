// The template batch wizard: its pages, the unit labels, the linear format skipping "Grid
// Dimensions", and every check of the size, spacing and limits pages.
#include "TemplatesTestSupport.h"
#include "UnitBatchList.h"
#include "UnitUnits.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

class TemplateBatchWizardTest : public TemplatesTest {
protected:
    // A wizard on a fresh definition of the type, shown and prepared.
    TFormTemplateBatchWizard &Make(int batchType, int format = 0)
    {
        Wizard = std::make_unique<TFormTemplateBatchWizard>();
        Wizard->Batch.BatchType = static_cast<std::uint8_t>(batchType);
        Wizard->Batch.BatchFormat = static_cast<std::uint8_t>(format);
        Wizard->Batch.Columns = 3;
        Wizard->Batch.Rows = 4;
        Wizard->Batch.Grid = 500;
        Wizard->show();
        return *Wizard;
    }
    // Presses Next until the page is reached.
    void GoTo(int page)
    {
        for (int guard = 0; guard < 6 && Wizard->CurrentPage() < page; ++guard)
            Wizard->ButtonNext()->click();
        ASSERT_EQ(Wizard->CurrentPage(), page);
    }
    std::unique_ptr<TFormTemplateBatchWizard> Wizard;
};

TEST_F(TemplateBatchWizardTest, PagesButtonsAndUnitLabels)
{
    TFormTemplateBatchWizard &w = Make(1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Template Batch Wizard"));
    EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageWelcome);
    EXPECT_EQ(w.PageTitle(0), QStringLiteral("Welcome to the Template Batch Wizard"));
    EXPECT_EQ(w.ButtonBack()->text(), QStringLiteral("< &Back"));
    EXPECT_EQ(w.ButtonNext()->text(), QStringLiteral("&Next >"));
    EXPECT_EQ(w.ButtonFinish()->text(), QStringLiteral("&Finish"));
    EXPECT_EQ(w.ButtonCancel()->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(w.ButtonBack()->isEnabled());
    EXPECT_EQ(w.LabelGrid()->text(), QStringLiteral("Grid Spacing (mm)"));
    EXPECT_EQ(w.CheckBoxHighLimit()->text(), QStringLiteral("Apply High Limit (mV)"));
    EXPECT_EQ(w.CheckBoxLowLimit()->text(), QStringLiteral("Apply Low Limit (mV)"));
    QStringList titles;
    for (int i = 1; i < w.PageCount() - 1; ++i)
        titles << w.PageTitle(i);
    EXPECT_EQ(titles, QStringList({"Batch Details", "Grid Dimensions", "Limits"}));
    GoTo(TFormTemplateBatchWizard::PageCompleted);
    EXPECT_TRUE(w.ButtonFinish()->isVisible());
    EXPECT_FALSE(w.ButtonNext()->isVisible());
    w.ButtonFinish()->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(TemplateBatchWizardTest, InchesShowInTheLabelsAndTheSpacing)
{
    TCoverUnitsScope inches(1);
    TFormTemplateBatchWizard &w = Make(0);
    EXPECT_EQ(w.LabelGrid()->text(), QStringLiteral("Grid Spacing (in)"));
    EXPECT_EQ(w.CheckBoxHighLimit()->text(), QStringLiteral("Apply High Limit (in)"));
    EXPECT_EQ(w.EditGrid()->text(), FormatCover(500));
}

TEST_F(TemplateBatchWizardTest, LinearFormatSkipsGridDimensionsAndGetsOneByThousand)
{
    TFormTemplateBatchWizard &w = Make(0);
    GoTo(TFormTemplateBatchWizard::PageBatchDetails);
    w.ListBoxBatchFormat()->setCurrentRow(1);
    w.ButtonNext()->click();
    EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageLimits);
    EXPECT_EQ(w.Batch.BatchFormat, 1);
    EXPECT_EQ(w.Batch.Columns, 1);
    EXPECT_EQ(w.Batch.Rows, 1000);
    w.ButtonBack()->click();
    EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageBatchDetails);
    // Back to grid: the page comes back.
    w.ListBoxBatchFormat()->setCurrentRow(0);
    w.ButtonNext()->click();
    EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageGridDimensions);
}

TEST_F(TemplateBatchWizardTest, GridDimensionsRefuseEachBadValueInOrder)
{
    struct Case {
        const char *Columns, *Rows, *Grid;
        QString Message;
        const char *Focus;
    };
    const Case cases[] = {
        {"256", "4", "500", QStringLiteral("Enter valid column value (1-255)"), "EditColumns"},
        {"0", "4", "500", QStringLiteral("Enter valid column value (1-255)"), "EditColumns"},
        {"x", "4", "500", QStringLiteral("Enter valid column value (1-255)"), "EditColumns"},
        {"3", "0", "500", QStringLiteral("Enter valid row value (1-255)"), "EditRows"},
        {"3", "2.5", "500", QStringLiteral("Enter valid row value (1-255)"), "EditRows"},
        {"3", "4", "49", QStringLiteral("Enter valid grid spacing (50 to 10000)"), "EditGrid"},
        {"3", "4", "10001", QStringLiteral("Enter valid grid spacing (50 to 10000)"), "EditGrid"},
        {"3", "4", "nan", QStringLiteral("Enter valid grid spacing (50 to 10000)"), "EditGrid"},
        {"256", "0", "49", QStringLiteral("Enter valid column value (1-255)"), "EditColumns"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Message.toStdString() + " " + c.Columns + "/" + c.Rows + "/" + c.Grid);
        TFormTemplateBatchWizard &w = Make(0);
        w.activateWindow();
        GoTo(TFormTemplateBatchWizard::PageGridDimensions);
        w.EditColumns()->setText(QString::fromLatin1(c.Columns));
        w.EditRows()->setText(QString::fromLatin1(c.Rows));
        w.EditGrid()->setText(QString::fromLatin1(c.Grid));
        Prompts.Errors.clear();
        w.ButtonNext()->click();
        EXPECT_EQ(Prompts.Errors, QStringList(c.Message));
        EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageGridDimensions);
        EXPECT_EQ(w.Batch.Columns, 3);
        EXPECT_EQ(w.focusWidget() ? w.focusWidget()->objectName() : QString(), QString::fromLatin1(c.Focus));
    }
    // The bounds themselves pass.
    TFormTemplateBatchWizard &w = Make(0);
    GoTo(TFormTemplateBatchWizard::PageGridDimensions);
    w.EditColumns()->setText(QStringLiteral("255"));
    w.EditRows()->setText(QStringLiteral("1"));
    w.EditGrid()->setText(QStringLiteral("50"));
    Prompts.Errors.clear();
    w.ButtonNext()->click();
    EXPECT_TRUE(Prompts.Errors.isEmpty());
    EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageLimits);
    EXPECT_EQ(w.Batch.Columns, 255);
    EXPECT_EQ(w.Batch.Rows, 1);
    EXPECT_EQ(w.Batch.Grid, 50.0);
}

TEST_F(TemplateBatchWizardTest, LimitsAreCheckedAgainstTheTypesRange)
{
    struct Case {
        int Type;
        const char *High, *Low;
        QString Message; // empty: accepted
        double StoredHigh, StoredLow;
    };
    const Case cases[] = {
        {0, "300", "30", QStringLiteral("Enter valid high limit value (1-250)"), 0, 0},
        {0, "75", "0", QStringLiteral("Enter valid low limit value (1-250)"), 0, 0},
        {0, "abc", "30", QStringLiteral("Enter valid high limit value (1-250)"), 0, 0},
        {0, "40", "40", QStringLiteral("High limit must be larger than low limit"), 0, 0},
        {0, "30", "40", QStringLiteral("High limit must be larger than low limit"), 0, 0},
        // Equal to a bound at display resolution is inside, and the stored value is kept in range.
        {0, "250.4", "0.6", QString(), 250, 1},
        {0, "75", "30", QString(), 75, 30},
        {1, "1000", "-350", QStringLiteral("Enter valid high limit value (-999-999)"), 0, 0},
        {1, "-200", "-1000", QStringLiteral("Enter valid low limit value (-999-999)"), 0, 0},
        {1, "-200", "-350", QString(), -200, -350},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.High) + " / " + c.Low);
        TFormTemplateBatchWizard &w = Make(c.Type);
        GoTo(TFormTemplateBatchWizard::PageLimits);
        w.CheckBoxHighLimit()->setChecked(true);
        w.CheckBoxLowLimit()->setChecked(true);
        w.EditHighLimit()->setText(QString::fromLatin1(c.High));
        w.EditLowLimit()->setText(QString::fromLatin1(c.Low));
        Prompts.Errors.clear();
        w.ButtonNext()->click();
        if (c.Message.isEmpty()) {
            EXPECT_TRUE(Prompts.Errors.isEmpty());
            EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageCompleted);
            EXPECT_EQ(w.Batch.HighLimit, c.StoredHigh);
            EXPECT_EQ(w.Batch.LowLimit, c.StoredLow);
            EXPECT_TRUE(w.Batch.HighLimitApplied);
            EXPECT_TRUE(w.Batch.LowLimitApplied);
        } else {
            EXPECT_EQ(Prompts.Errors, QStringList(c.Message));
            EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageLimits);
        }
    }
}

TEST_F(TemplateBatchWizardTest, ClearedApplyBoxGreysItsEditAndShowsTheAllowedBound)
{
    TFormTemplateBatchWizard &w = Make(0);
    GoTo(TFormTemplateBatchWizard::PageLimits);
    // A new definition has limits 0, not applied: the boxes show the allowed bounds.
    EXPECT_FALSE(w.CheckBoxHighLimit()->isChecked());
    EXPECT_TRUE(w.EditHighLimit()->isReadOnly());
    EXPECT_EQ(w.EditHighLimit()->text(), QStringLiteral("250"));
    EXPECT_EQ(w.EditLowLimit()->text(), QStringLiteral("1"));
    w.CheckBoxHighLimit()->setChecked(true);
    EXPECT_FALSE(w.EditHighLimit()->isReadOnly());
    w.EditHighLimit()->setText(QStringLiteral("80"));
    w.CheckBoxHighLimit()->setChecked(false);
    EXPECT_TRUE(w.EditHighLimit()->isReadOnly());
    EXPECT_EQ(w.EditHighLimit()->text(), QStringLiteral("250"));
    EXPECT_NE(w.EditHighLimit()->palette().color(QPalette::Base), w.EditColumns()->palette().color(QPalette::Base));
    w.ButtonNext()->click();
    EXPECT_EQ(w.CurrentPage(), TFormTemplateBatchWizard::PageCompleted);
    EXPECT_FALSE(w.Batch.HighLimitApplied);
    EXPECT_EQ(w.Batch.HighLimit, 250.0);
    EXPECT_EQ(w.Batch.LowLimit, 1.0);
}

TEST_F(TemplateBatchWizardTest, AnExistingDefinitionFillsTheControls)
{
    Wizard = std::make_unique<TFormTemplateBatchWizard>();
    TTemplateItem &b = Wizard->Batch;
    b.BatchType = 0;
    b.Columns = 24;
    b.Rows = 12;
    b.Grid = 200;
    b.HighLimit = 75;
    b.LowLimit = 30;
    b.HighLimitApplied = true;
    Wizard->show();
    EXPECT_EQ(Wizard->EditColumns()->text(), QStringLiteral("24"));
    EXPECT_EQ(Wizard->EditRows()->text(), QStringLiteral("12"));
    EXPECT_EQ(Wizard->EditGrid()->text(), QStringLiteral("200"));
    EXPECT_TRUE(Wizard->CheckBoxHighLimit()->isChecked());
    EXPECT_EQ(Wizard->EditHighLimit()->text(), QStringLiteral("75"));
    EXPECT_FALSE(Wizard->CheckBoxLowLimit()->isChecked());
    EXPECT_EQ(Wizard->EditLowLimit()->text(), QStringLiteral("1"));
    EXPECT_EQ(Wizard->ListBoxBatchFormat()->currentRow(), 0);
}

// A hand-edited definition of a batch type the program does not know: the wizard tells so and
// closes instead of failing inside its show event.
TEST_F(TemplateBatchWizardTest, UnknownBatchTypeIsToldAndClosesTheWizard)
{
    Wizard = std::make_unique<TFormTemplateBatchWizard>();
    Wizard->Batch.BatchType = 2;
    EXPECT_NO_THROW(Wizard->show());
    EXPECT_EQ(Prompts.Errors, QStringList(QStringLiteral("Invalid Batch Type")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Wizard->isVisible(); }, 5000));
    EXPECT_EQ(Wizard->result(), QDialog::Rejected);
}
