// The property editor's conversions and messages, and the anchor and text editor windows that
// properties open from it.
#include "TestSupport.h"
#include "UnitDialogHooks.h"
#include "UnitFormAnchor.h"
#include "UnitFormMemoEditor.h"
#include "UnitFormPropertyEditor.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitPropertyForm.h"
#include "UnitUnits.h"

#include <QDialog>
#include <QFontDatabase>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

namespace {

class PropertyEditorTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        CurrentCoverUnits = 0;
        InstallPropertyEditorForms();
        Shape = Page.AddItem<TPageItemShape>();
        Editor.ShowProperties(&Shape->Properties);
        Editor.OnCommitted = [this] { ++Commits; };
    }
    void TearDown() override { ResetDialogHooks(); }
    int Row(const char *name) { return Editor.RowOf(QString::fromLatin1(name)); }
    QString Cell(const char *name) { return Editor.Grid()->item(Row(name), 1)->text(); }

    TPage Page;
    TPageItemShape *Shape = nullptr;
    TFormPropertyEditor Editor;
    int Commits = 0;
};

TEST_F(PropertyEditorTest, RowsShowCaptionsWithUnitsAndSelectName)
{
    EXPECT_EQ(Editor.Grid()->rowCount(), Shape->Properties.Count());
    EXPECT_EQ(Editor.Grid()->item(Row("Left"), 0)->text(), QStringLiteral("Left (mm)"));
    EXPECT_EQ(Editor.Grid()->item(Row("LineWidth"), 0)->text(), QStringLiteral("LineWidth"));
    EXPECT_EQ(Editor.Grid()->currentRow(), Row("Name"));
    EXPECT_EQ(Cell("FillStyle"), QStringLiteral("bsSolid"));
    // The row chosen last comes back for the next list by name.
    Editor.Grid()->setCurrentCell(Row("LineWidth"), 1);
    TPageItemShape *other = Page.AddItem<TPageItemShape>();
    Editor.ShowProperties(&other->Properties);
    EXPECT_EQ(Editor.Grid()->currentRow(), Row("LineWidth"));
    Editor.ShowProperties(nullptr);
    EXPECT_FALSE(Editor.isVisibleTo(nullptr) && Editor.isVisible());
    EXPECT_EQ(Editor.Grid()->rowCount(), 0);
}

TEST_F(PropertyEditorTest, BadTextIsRefusedWithItsMessage)
{
    Page.AddItem<TPageItemMemo>();
    struct Case {
        const char *property;
        const char *text;
        const char *message;
    };
    const Case cases[] = {
        {"Shape", "Circle", "Invalid property value"},
        {"FillStyle", "bsDots", "Invalid brush style 'bsDots'"},
        {"LineStyle", "psWavy", "Invalid pen style 'psWavy'"},
        {"LineWidth", "two", "Invalid property value"},
        {"Left", "12mm", "Invalid property value"},
        {"LineColor", "clPink", "Invalid property value"},
        {"Name", "Memo1", "Item name already in use."},
    };
    for (const Case &c : cases) {
        const QString before = Cell(c.property);
        Prompts.Errors.clear();
        Commits = 0;
        EXPECT_FALSE(Editor.CommitText(Row(c.property), QString::fromLatin1(c.text))) << c.property;
        EXPECT_EQ(Prompts.Errors, QStringList{QString::fromLatin1(c.message)}) << c.property;
        EXPECT_EQ(Cell(c.property), before) << c.property;
        EXPECT_EQ(Commits, 0);
    }
}

TEST_F(PropertyEditorTest, BooleansInAnyCaseOnly)
{
    TPageItemMemo *memo = Page.AddItem<TPageItemMemo>();
    Editor.ShowProperties(&memo->Properties);
    EXPECT_FALSE(Editor.CommitText(Row("Bold"), QStringLiteral("yes")));
    EXPECT_EQ(Prompts.Errors.last(), QStringLiteral("Invalid boolean value 'yes'"));
    EXPECT_TRUE(Editor.CommitText(Row("Bold"), QStringLiteral("TRUE")));
    EXPECT_TRUE(memo->Properties["Bold"].AsBoolean());
    EXPECT_EQ(Cell("Bold"), QStringLiteral("True"));
    EXPECT_EQ(Editor.PickList(Row("FontSize")).first(), QStringLiteral("2"));
    EXPECT_EQ(Editor.PickList(Row("FontName")), QFontDatabase::families());
    EXPECT_EQ(Editor.PickList(Row("Bold")), (QStringList{QStringLiteral("True"), QStringLiteral("False")}));
    // Double-click moves on through the pick list.
    Editor.ValueDoubleClick(Row("Bold"));
    EXPECT_FALSE(memo->Properties["Bold"].AsBoolean());
    Editor.ValueDoubleClick(Row("Bold"));
    EXPECT_TRUE(memo->Properties["Bold"].AsBoolean());
}

TEST_F(PropertyEditorTest, CoverLengthsInInchesGoBackToMillimetres)
{
    TCoverUnitsScope inches(1);
    Editor.ShowProperties(&Shape->Properties);
    EXPECT_EQ(Editor.Grid()->item(Row("Width"), 0)->text(), QStringLiteral("Width (in)"));
    EXPECT_TRUE(Editor.CommitText(Row("Width"), QStringLiteral("2.5")));
    EXPECT_DOUBLE_EQ(Shape->Width(), 63.5);
    EXPECT_EQ(Cell("Width"), QStringLiteral("2.50"));
    EXPECT_EQ(Commits, 1);
}

TEST_F(PropertyEditorTest, ListsAndStylesAndColours)
{
    EXPECT_EQ(Editor.PickList(Row("FillStyle")).size(), 8);
    EXPECT_EQ(Editor.PickList(Row("LineStyle")).size(), 7);
    const QStringList colours = Editor.PickList(Row("LineColor"));
    ASSERT_EQ(colours.size(), 16);
    EXPECT_EQ(colours.first(), QStringLiteral("clAqua"));
    EXPECT_EQ(colours.last(), QStringLiteral("clYellow"));
    EXPECT_EQ(Editor.PickList(Row("Shape")), Shape->Properties["Shape"].Choices);
    EXPECT_TRUE(Editor.CommitText(Row("FillStyle"), QStringLiteral("bsCross")));
    EXPECT_EQ(Shape->Properties["FillStyle"].AsBrushStyle(), 4);
    EXPECT_TRUE(Editor.CommitText(Row("LineColor"), QStringLiteral("$00123456")));
    EXPECT_EQ(Shape->Properties["LineColor"].AsColour(), 0x123456);

    // Double-click on a colour opens the colour dialog at the current colour.
    QColor offered;
    Editor.PickColour = [&](QColor &c) {
        offered = c;
        c = QColor(255, 0, 0);
        return true;
    };
    Editor.ValueDoubleClick(Row("LineColor"));
    EXPECT_EQ(offered, ColourFromInt(0x123456));
    EXPECT_EQ(Cell("LineColor"), QStringLiteral("clRed"));
    Editor.PickColour = [](QColor &) { return false; };
    Editor.ValueDoubleClick(Row("LineColor"));
    EXPECT_EQ(Cell("LineColor"), QStringLiteral("clRed"));
}

TEST_F(PropertyEditorTest, ValuesChangedElsewhereRefreshTheirCells)
{
    Shape->Properties["Left"].SetFloat(42);
    EXPECT_EQ(Cell("Left"), QStringLiteral("42"));
    // After switching lists the old one is no longer followed.
    TPageItemShape *other = Page.AddItem<TPageItemShape>();
    Editor.ShowProperties(&other->Properties);
    EXPECT_FALSE(static_cast<bool>(Shape->Properties.OnChange));
}

TEST_F(PropertyEditorTest, PictureFromFileDialog)
{
    TPageItemGraphic *graphic = Page.AddItem<TPageItemGraphic>();
    Editor.ShowProperties(&graphic->Properties);
    EXPECT_EQ(Cell("Graphic"), QStringLiteral("(None)"));
    const QString file = Home.Path() + QStringLiteral("/picture.png");
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(file));
    Editor.PickPictureFile = [&] { return file; };
    Editor.OpenEditor(Row("Graphic"));
    EXPECT_EQ(Cell("Graphic"), QStringLiteral("(Graphic)"));
    EXPECT_EQ(graphic->Properties["Graphic"].GetGraphic().Size(), QSize(40, 20));
    EXPECT_EQ(Commits, 1);
    // A file that is no picture: the message, and the picture stays.
    const QString bad = Home.Path() + QStringLiteral("/bad.bmp");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    Editor.PickPictureFile = [&] { return bad; };
    Editor.OpenEditor(Row("Graphic"));
    EXPECT_EQ(Prompts.Errors.size(), 1);
    EXPECT_EQ(Cell("Graphic"), QStringLiteral("(Graphic)"));
    EXPECT_TRUE(PictureFileFilter().contains(QStringLiteral("*.svg")));
}

TEST_F(PropertyEditorTest, AnchorWindowSetsBitsFromItsToggles)
{
    TProperty &anchor = Shape->Properties["Anchor"];
    ASSERT_NE(anchor.Editor, nullptr);
    auto *form = dynamic_cast<TFormAnchor *>(anchor.Editor);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Anchor"));
    bool shownLeftTop = false;
    DialogHooks().ExecDialog = [&](QDialog &dialog) {
        dialog.show();
        shownLeftTop = form->ButtonLeft->isChecked() && form->ButtonTop->isChecked() && !form->ButtonRight->isChecked()
                       && !form->ButtonBottom->isChecked();
        form->ButtonRight->click();
        form->ButtonBottom->click();
        form->ButtonTop->click();
        dialog.close();
        return dialog.result();
    };
    Editor.OpenEditor(Row("Anchor"));
    EXPECT_TRUE(shownLeftTop);
    EXPECT_EQ(anchor.AsInteger(), AnchorLeft | AnchorRight | AnchorBottom);
    EXPECT_EQ(Cell("Anchor"), QStringLiteral("[Left,Right,Bottom]"));
    EXPECT_EQ(Commits, 1);
    EXPECT_EQ(form->EditProperty, nullptr);
}

TEST_F(PropertyEditorTest, DoubleClickOnAPropertyWithItsOwnWindowOpensIt)
{
    TPageItemMemo *memo = Page.AddItem<TPageItemMemo>();
    memo->Properties["Text"].SetString(QStringLiteral("Line one\nLine two"));
    struct Case {
        TPropertyList *list;
        const char *property;
    };
    for (const Case &c : {Case{&Shape->Properties, "Anchor"}, Case{&memo->Properties, "Text"}}) {
        SCOPED_TRACE(c.property);
        Editor.ShowProperties(c.list);
        Editor.resize(300, 900);
        ASSERT_TRUE(ServeEventsUntil([&] { return Editor.Grid()->viewport()->height() > 600; }, 2000));
        TProperty &p = (*c.list)[QString::fromLatin1(c.property)];
        const QString before = p.DisplayText();
        EXPECT_TRUE(Editor.PickList(Row(c.property)).isEmpty());
        QStringList opened;
        DialogHooks().ExecDialog = [&](QDialog &dialog) {
            opened << dialog.windowTitle();
            return int(QDialog::Rejected);
        };
        QTableWidget *grid = Editor.Grid();
        const QPoint at = grid->visualItemRect(grid->item(Row(c.property), 1)).center();
        // As the window system reports one: press, release, double-click, release.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(opened.size(), 1);
        EXPECT_EQ(p.DisplayText(), before);
    }
}

TEST_F(PropertyEditorTest, TextEditorInsertsFieldsAndStoresMarkers)
{
    TPageItemMemo *memo = Page.AddItem<TPageItemMemo>();
    memo->Properties["Text"].SetString(QStringLiteral("Site: [Site]\n"));
    Editor.ShowProperties(&memo->Properties);
    TProperty &text = memo->Properties["Text"];
    auto *form = dynamic_cast<TFormMemoEditor *>(text.Editor);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Text Editor"));
    ASSERT_NE(form->FieldButton(38), nullptr);
    EXPECT_EQ(form->FieldButton(0)->text(), QStringLiteral("Batch ID"));
    EXPECT_EQ(form->FieldButton(20)->text(), QStringLiteral("Average"));
    EXPECT_EQ(form->FieldButton(38)->text(), QStringLiteral("Bar Grade"));
    EXPECT_EQ(form->FieldButton(39), nullptr);
    QString shown, status;
    DialogHooks().ExecDialog = [&](QDialog &dialog) {
        dialog.show();
        shown = form->MemoText->toPlainText();
        status = form->StatusBar->currentMessage();
        form->MemoText->moveCursor(QTextCursor::End);
        form->FieldButton(20)->click();
        form->ButtonOK->click();
        return dialog.result();
    };
    Editor.OpenEditor(Row("Text"));
    EXPECT_EQ(shown, QStringLiteral("Site: [Site]\n"));
    EXPECT_EQ(status, QStringLiteral("Text"));
    EXPECT_EQ(text.AsString(), QStringLiteral("Site: [Site]\n[MeanAverage]"));
    // Cancel changes nothing.
    DialogHooks().ExecDialog = [&](QDialog &dialog) {
        dialog.show();
        form->MemoText->setPlainText(QStringLiteral("gone"));
        form->ButtonCancel->click();
        return dialog.result();
    };
    Editor.OpenEditor(Row("Text"));
    EXPECT_EQ(text.AsString(), QStringLiteral("Site: [Site]\n[MeanAverage]"));
    // Typed inline, the text is stored with its markers.
    EXPECT_TRUE(Editor.CommitText(Row("Text"), QStringLiteral("[Engineer]")));
    EXPECT_EQ(text.AsString(), QStringLiteral("[Engineer]"));
}

} // namespace
