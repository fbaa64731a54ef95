// Every view under a dark palette (Fusion with a dark QPalette, as a dark desktop hands one to Qt):
// drawn offscreen into images, its text must keep its contrast with its background, and report
// pages must stay white paper.
#include "FolderViewSupport.h"
#include "UnitColourScheme.h"
#include "UnitFileList.h"
#include "UnitFormReadingsView.h"
#include "UnitFormTemplateBatchWizard.h"
#include "UnitPageDesigner.h"
#include "UnitPageItemMemo.h"
#include "UnitPageThumbnailList.h"
#include "UnitReport.h"
#include "UnitUnits.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>

namespace {

// The strongest contrast any pixel of the area has with the background: the text's own colour,
// since anti-aliased edges only lie between the two.
double StrongestInk(const QImage &image, const QRect &area, const QColor &background)
{
    double strongest = 1.0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            strongest = std::max(strongest, ContrastRatio(image.pixelColor(x, y), background));
    return strongest;
}

QImage Render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta); // nothing may show through
    widget->render(&image);
    return image;
}

// Readable text: WCAG's 4.5:1 for normal text.
constexpr double kReadable = 4.5;

class DarkPaletteTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        FStyleName = QApplication::style()->name();
        FPalette = QApplication::palette();
        ApplyColourScheme(TColourScheme::Dark);
        ASSERT_TRUE(IsDarkPalette(QApplication::palette()));
        CurrentCoverUnits = 0;
        RegisterPageItemClasses();
    }
    void TearDown() override
    {
        QApplication::setStyle(QStyleFactory::create(FStyleName));
        QApplication::setPalette(FPalette);
    }
    QString FStyleName;
    QPalette FPalette;
};

TEST_F(DarkPaletteTest, DarkPaletteKeepsEveryTextRoleReadable)
{
    const QPalette p = DarkPalette();
    const struct {
        QPalette::ColorRole Text, Background;
    } pairs[] = {{QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
                 {QPalette::ButtonText, QPalette::Button}, {QPalette::HighlightedText, QPalette::Highlight},
                 {QPalette::ToolTipText, QPalette::ToolTipBase}, {QPalette::Text, QPalette::AlternateBase},
                 {QPalette::Link, QPalette::Base}};
    for (const auto &pair : pairs) {
        SCOPED_TRACE(int(pair.Text));
        EXPECT_GE(ContrastRatio(p.color(pair.Text), p.color(pair.Background)), kReadable);
    }
    // Greyed text stays legible, and still looks greyed.
    EXPECT_GE(ContrastRatio(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Disabled, QPalette::Base)), 3.0);
    EXPECT_LT(ContrastRatio(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Disabled, QPalette::Base)),
              ContrastRatio(p.color(QPalette::Text), p.color(QPalette::Base)));
    EXPECT_EQ(ColourSchemeOf(QStringLiteral(" Dark ")), TColourScheme::Dark);
    EXPECT_EQ(ColourSchemeOf(QStringLiteral("light")), TColourScheme::Light);
    EXPECT_EQ(ColourSchemeOf(QString()), TColourScheme::Desktop);
    EXPECT_EQ(ColourSchemeOf(QStringLiteral("solarized")), TColourScheme::Desktop);
}

TEST_F(DarkPaletteTest, ReadingsGridAndItsHeadingsAreReadable)
{
    TFileList entries;
    TFileItem *item = entries.Add();
    item->FileType = FileTypeBatch;
    item->FileName = WriteBatch(Home.Path() + QStringLiteral("/Local/"), QStringLiteral("Dark"),
                                MakeBatch(BatchTypeCover, BatchFormatGrid, 6, 8));
    ASSERT_TRUE(item->Load());
    TFormReadingsView view;
    view.resize(400, 260);
    view.show();
    view.ShowBatch(*item);
    TReadingsGrid *grid = view.DrawGridReadings;
    ASSERT_EQ(grid->model()->rowCount(), 8);

    const QImage cells = Render(grid->viewport());
    const QPalette p = grid->palette();
    EXPECT_GE(StrongestInk(cells, grid->visualRect(grid->model()->index(2, 1)), p.color(QPalette::Base)), kReadable);
    const QImage top = Render(grid->horizontalHeader());
    EXPECT_GE(StrongestInk(top, top.rect().adjusted(3, 3, -3, -3), p.color(QPalette::Button)), kReadable);
    const QImage side = Render(grid->verticalHeader());
    EXPECT_GE(StrongestInk(side, side.rect().adjusted(3, 3, -3, -3), p.color(QPalette::Button)), kReadable);
}

TEST_F(DarkPaletteTest, PageDesignerKeepsWhitePaperInReadableSurroundings)
{
    TPageDesigner designer;
    auto *editor = new TPageEditor;
    TPageRuler top, left;
    designer.resize(640, 500);
    designer.SetPageEditor(editor);
    designer.SetTopRuler(&top);
    designer.SetLeftRuler(&left);
    left.SetRulerType(rtVertical);
    designer.SetZoomType(ztPageWidth);
    designer.show();
    designer.UpdateLayout();
    auto *memo = editor->Page().AddItem<TPageItemMemo>();
    memo->Properties["Left"].SetFloat(20);
    memo->Properties["Top"].SetFloat(20);
    memo->Properties["Width"].SetFloat(80);
    memo->Properties["Height"].SetFloat(20);

    const QImage page = Render(editor);
    const QRect r = editor->PageRect();
    EXPECT_EQ(page.pixelColor(r.center().x(), r.bottom() - 10), QColor(Qt::white)) << "the paper stays white";
    EXPECT_EQ(page.pixelColor(5, 5), editor->palette().color(QPalette::Button)) << "the surroundings follow the palette";
    // The memo's default black text on the white paper.
    EXPECT_GE(StrongestInk(page, memo->PixelRect(), Qt::white), kReadable);

    // The rulers' numbers and ticks on the palette's button colour.
    for (TPageRuler *ruler : {&top, &left}) {
        ruler->resize(ruler == &top ? QSize(400, 24) : QSize(24, 400));
        const QImage image = Render(ruler);
        EXPECT_GE(StrongestInk(image, image.rect(), ruler->palette().color(QPalette::Button)), kReadable);
    }
}

TEST_F(DarkPaletteTest, PageThumbnailsAreWhitePaperBesideReadableRows)
{
    TReport report;
    report.AddPage();
    report.AddPage();
    TPageThumbnailList list;
    list.resize(300, 300);
    list.show();
    list.SetReport(&report);
    QApplication::processEvents();
    const QImage image = Render(list.viewport());
    // The second row: the first is current, its picture tinted by the selection.
    const QRect row = list.visualRect(list.model()->index(1, 0));
    ASSERT_FALSE(row.isEmpty());
    // The thumbnail (at the row's left) is paper: its middle is white.
    const QRect thumb(row.left(), row.top(), std::min(row.height(), row.width()), row.height());
    bool paper = false;
    for (int x = thumb.left(); x <= thumb.right() && !paper; ++x)
        paper = image.pixelColor(x, thumb.center().y()) == QColor(Qt::white);
    EXPECT_TRUE(paper);
    // The page number beside it reads against the list's base colour.
    const QRect text(thumb.right() + 1, row.top(), row.right() - thumb.right(), row.height());
    EXPECT_GE(StrongestInk(image, text, list.palette().color(QPalette::Base)), kReadable);
}

TEST_F(DarkPaletteTest, WizardHeaderAndGreyedEditsAreReadable)
{
    TFormTemplateBatchWizard wizard;
    wizard.Batch.BatchType = BatchTypeCover;
    wizard.Batch.Columns = 3;
    wizard.Batch.Rows = 4;
    wizard.Batch.Grid = 500;
    wizard.show();
    auto *header = wizard.findChild<QWidget *>(QStringLiteral("PanelHeader"));
    ASSERT_NE(header, nullptr);
    const QImage band = Render(header);
    const QColor background = band.pixelColor(2, 2);
    EXPECT_EQ(background, header->palette().color(QPalette::Window));
    EXPECT_GE(StrongestInk(band, band.rect(), background), kReadable);

    // An edit box in the wizard, greyed and normal: its text reads against its field either way.
    QLineEdit edit(&wizard);
    edit.setText(QStringLiteral("Harbour 250"));
    edit.resize(200, 28);
    for (bool greyed : {true, false, true}) {
        SCOPED_TRACE(greyed);
        ShowEditGreyed(&edit, greyed);
        edit.setEnabled(!greyed);
        const QImage image = Render(&edit);
        const QColor field = image.pixelColor(edit.width() - 6, edit.height() / 2);
        EXPECT_EQ(field, edit.palette().color(edit.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base));
        EXPECT_GE(StrongestInk(image, image.rect().adjusted(4, 4, -40, -4), field), greyed ? 3.0 : kReadable);
    }
    ShowEditGreyed(&edit, false);
    edit.setEnabled(true);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    ShowEditGreyed(&edit, true);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
}

} // namespace
