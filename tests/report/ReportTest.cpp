#include "TestSupport.h"
#include "UnitException.h"
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"
#include "UnitReport.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {
QString RunTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString PdfInfo(const QString &file) { return RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("99"), file}); }

QStringList PageSizes(const QString &info)
{
    QStringList sizes;
    const QRegularExpression re(QStringLiteral("Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"));
    for (auto it = re.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        sizes << QStringLiteral("%1x%2").arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble()));
    }
    return sizes;
}

TPageItemMemo *AddMemo(TPage *page, const QString &text)
{
    auto *m = page->AddItem<TPageItemMemo>();
    m->Properties["Left"].SetFloat(20);
    m->Properties["Top"].SetFloat(20);
    m->Properties["Width"].SetFloat(150);
    m->Properties["Height"].SetFloat(30);
    m->Properties["FontSize"].SetInteger(12);
    m->Properties["Text"].SetString(text);
    return m;
}

void MakeWideGrid(TBatchItem &b, int columns)
{
    b.Clear();
    b.ID = QStringLiteral("Wide");
    b.Columns = columns;
    b.Rows = 10;
    b.Grid = 100;
    b.SetSize();
    for (int r = 0; r < b.Rows; ++r)
        for (int c = 0; c < b.Columns; ++c) {
            b.SetReadingType(c, r, ReadingTypeReading);
            b.SetValue(c, r, 30 + (r * c) % 40);
        }
    b.Readings = b.ValidCount();
}
} // namespace

class ReportTest : public IsolatedTest {};

TEST_F(ReportTest, FileKeepsReadOnlyAndToleratesMissingElements)
{
    TReport report;
    TPage *p = report.AddPage();
    p->Properties["PageType"].SetInteger(1);
    AddMemo(p, QStringLiteral("Hello [Site]"));
    report.AddPage()->AddItem<TPageItemShape>();
    const QString file = Home.Path() + QStringLiteral("/Site A.vcr");
    report.SaveToFile(file);
    EXPECT_EQ(report.Name, QStringLiteral("Site A"));

    TReport back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.Name, QStringLiteral("Site A"));
    EXPECT_FALSE(back.ReadOnly);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Pages(0)->Item(0)->Properties["Text"].AsString(), QStringLiteral("Hello [Site]"));
    EXPECT_FALSE(back.Pages(0)->IsModified());
    const QString other = Home.Path() + QStringLiteral("/again.vcr");
    back.SaveToFile(other);
    EXPECT_EQ(ReadWholeFile(other), ReadWholeFile(file));

    // Read-only 2 is written back as 2; pages under any element name; page defaults kept.
    WriteFileAtomic(file, "<Report><ReadOnly>2</ReadOnly><Pages><Page><PageItems></PageItems></Page>"
                          "<Other><Properties><PageType>1</PageType></Properties></Other></Pages></Report>");
    back.LoadFromFile(file);
    EXPECT_TRUE(back.ReadOnly);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_DOUBLE_EQ(back.Pages(0)->PageWidth(), 210.0);
    EXPECT_EQ(back.Pages(1)->PageType(), 1);
    back.SaveToFile(other);
    EXPECT_TRUE(ReadWholeFile(other).contains("<ReadOnly>2</ReadOnly>"));

    for (const char *text : {"<Other/>", "<Report><ReadOnly>x</ReadOnly></Report>"}) {
        WriteFileAtomic(file, text);
        back.LoadFromFile(file);
        EXPECT_EQ(back.Count(), 0) << text;
        EXPECT_FALSE(back.ReadOnly) << text;
    }
    EXPECT_THROW(back.LoadFromFile(Home.Path() + QStringLiteral("/missing.vcr")), Exception);
}

TEST_F(ReportTest, FixtureLoadsAndSavesByteForByte)
{
    TReport report;
    report.LoadFromFile(TestDataFile(QStringLiteral("ReportTwoPages.vcr")));
    ASSERT_EQ(report.Count(), 2);
    EXPECT_EQ(report.Pages(1)->Count(), 4);
    const QString out = Home.Path() + QStringLiteral("/copy.vcr");
    report.SaveToFile(out);
    EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(TestDataFile(QStringLiteral("ReportTwoPages.vcr"))));
}

TEST_F(ReportTest, ExpandPagesAddsContinuationPages)
{
    TReport report;
    AddMemo(report.AddPage(), QStringLiteral("first"));
    TPage *inner = report.AddPage();
    inner->Properties["PageType"].SetInteger(1);
    MakeWideGrid(inner->Batches[0], 60); // 25 columns a page: three sheets
    inner->AddItem<TPageItemChartOverview>();
    AddMemo(inner, QStringLiteral("[PageNumber]"));
    AddMemo(report.AddPage(), QStringLiteral("last"));
    report.ExpandPages();
    ASSERT_EQ(report.Count(), 5);
    EXPECT_EQ(report.Pages(0)->Item(0)->Properties["Text"].AsString(), QStringLiteral("first"));
    EXPECT_EQ(report.Pages(4)->Item(0)->Properties["Text"].AsString(), QStringLiteral("last"));
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(static_cast<TPageItemChartOverview *>(report.Pages(i)->Item(0))->FirstColumn, 25 * (i - 1));
    report.NumberPages();
    EXPECT_EQ(static_cast<TPageItemMemo *>(report.Pages(3)->Item(1))->SubstitutedText(), QStringLiteral("4"));

    TReport small;
    small.AddPage();
    small.ExpandPages();
    EXPECT_EQ(small.Count(), 1);
    TReport none;
    none.ExpandPages();
    EXPECT_EQ(none.Count(), 0);
}

TEST_F(ReportTest, PdfPagesAndDocumentInformation)
{
    TReport report;
    TPage *p1 = report.AddPage();
    AddMemo(p1, QStringLiteral("Opening text"));
    TPage *p2 = report.AddPage();
    p2->Properties["PageType"].SetInteger(1);
    p2->Properties["PaperSize"].SetInteger(8); // Letter
    AddMemo(p2, QStringLiteral("Site [Site]"));
    TPage *p3 = report.AddPage();
    p3->Properties["PageOrientation"].SetInteger(2);
    const QString file = Home.Path() + QStringLiteral("/out.pdf");
    report.SaveToPdf(false, QStringLiteral("My Report"), file);
    const QString info = PdfInfo(file);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +My Report\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator: +Ventrax Orvalis\\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Keywords: +Ventrax Orvalis\\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +3\\n"))));
    EXPECT_EQ(PageSizes(info), (QStringList{"595x842", "612x792", "842x595"}));
    const QString text = RunTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Opening text")));
    EXPECT_TRUE(text.contains(QStringLiteral("Site M25")));
    EXPECT_EQ(report.Pages(2)->PageNumber, 3);
}

TEST_F(ReportTest, PdfReplacesTheTargetOnlyWhenComplete)
{
    TReport report;
    AddMemo(report.AddPage(), QStringLiteral("New text"));
    const QString file = Home.Path() + QStringLiteral("/out.pdf");
    WriteFileAtomic(file, "old contents");
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    report.SaveToPdf(false, QStringLiteral("Again"), file);
    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}).contains(QStringLiteral("New text")));
    EXPECT_TRUE(PdfInfo(file).contains(QRegularExpression(QStringLiteral("Keywords: +Ventrax Orvalis\\n"))));
    EXPECT_EQ(QFile::permissions(file) & 0xF0FF, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup); // the user bits aside
    // Written beside the target and renamed: nothing else is left in the folder.
    EXPECT_EQ(QDir(Home.Path()).entryList({QStringLiteral("out.pdf*")}, QDir::Files), QStringList{QStringLiteral("out.pdf")});
    // A folder that does not exist: the failure is reported and nothing is written.
    const QString missing = Home.Path() + QStringLiteral("/none/out.pdf");
    EXPECT_THROW(report.SaveToPdf(false, QStringLiteral("Again"), missing), Exception);
    EXPECT_FALSE(QFileInfo::exists(Home.Path() + QStringLiteral("/none")));
}

TEST_F(ReportTest, PdfStoresAPictureOnEveryPageOnce)
{
    QImage image(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    TVentraxGraphic graphic;
    graphic.Bitmap = image;
    TReport report;
    TPageItemGraphic *item = report.AddPage()->AddItem<TPageItemGraphic>();
    item->Properties["Width"].SetFloat(60);
    item->Properties["Height"].SetFloat(40);
    item->Properties["Graphic"].SetGraphic(graphic);
    for (int i = 0; i < 4; ++i) // continuation pages are copies of the page
        report.AddPage()->Assign(report.Pages(0));
    const QString file = Home.Path() + QStringLiteral("/logo.pdf");
    report.SaveToPdf(false, QStringLiteral("Logo"), file);
    // One row per page; the object number (column 11) is the same on each.
    QStringList rows = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(rows.size(), 5);
    QSet<QString> objects;
    for (const QString &row : rows)
        objects.insert(row.simplified().split(QLatin1Char(' ')).value(10));
    EXPECT_EQ(objects.size(), 1) << rows.join(QLatin1Char('\n')).toStdString();
}

// Rasterised pages of a PDF file, in order.
static QList<QByteArray> RasterPages(const QString &pdf, const QString &folder)
{
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), pdf, folder + QStringLiteral("/p")});
    QList<QByteArray> pages;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("p*.ppm")}, QDir::Files, QDir::Name)) {
        QFile f(folder + QLatin1Char('/') + name);
        f.open(QIODevice::ReadOnly);
        pages << f.readAll();
    }
    return pages;
}

TEST_F(ReportTest, PdfChartsRepeatedOnLaterPagesShowTheirOwnBatch)
{
    // Run charts and histograms repeated over pages are drawn once per batch: a page with another
    // batch still shows that batch.
    TBatchItem x, y;
    MakeWideGrid(x, 12);
    MakeWideGrid(y, 12);
    y.ID = QStringLiteral("Other");
    for (int c = 0; c < y.Columns; ++c)
        y.SetValue(c, 3, 75);
    const auto makeReport = [](TReport &report, const std::vector<const TBatchItem *> &batches) {
        for (const TBatchItem *b : batches) {
            TPage *page = report.AddPage();
            page->Properties["PageType"].SetInteger(PageTypeInner);
            for (TPageItem *item : {static_cast<TPageItem *>(page->AddItem<TPageItemChartRun>()),
                                    static_cast<TPageItem *>(page->AddItem<TPageItemChartHistogram>())}) {
                item->Properties["Width"].SetFloat(90);
                item->Properties["Height"].SetFloat(60);
            }
            page->Item(1)->Properties["Top"].SetFloat(100);
            page->Batches[0] = *b;
        }
    };
    TReport both, single, twice;
    makeReport(both, {&x, &y});
    makeReport(single, {&y});
    makeReport(twice, {&y, &y});
    QStringList folders;
    for (const char *name : {"both", "single", "twice"}) {
        folders << Home.Path() + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(folders.last());
    }
    both.SaveToPdf(false, QStringLiteral("Both"), folders[0] + QStringLiteral("/r.pdf"));
    single.SaveToPdf(false, QStringLiteral("Single"), folders[1] + QStringLiteral("/r.pdf"));
    twice.SaveToPdf(false, QStringLiteral("Twice"), folders[2] + QStringLiteral("/r.pdf"));
    const QList<QByteArray> a = RasterPages(folders[0] + QStringLiteral("/r.pdf"), folders[0]);
    const QList<QByteArray> b = RasterPages(folders[1] + QStringLiteral("/r.pdf"), folders[1]);
    const QList<QByteArray> c = RasterPages(folders[2] + QStringLiteral("/r.pdf"), folders[2]);
    ASSERT_EQ(a.size(), 2);
    ASSERT_EQ(b.size(), 1);
    ASSERT_EQ(c.size(), 2);
    EXPECT_NE(a[0], a[1]);
    EXPECT_EQ(a[1], b[0]);
    EXPECT_EQ(c[0], c[1]);
}

TEST_F(ReportTest, JpegPicturesHaveTheLongerSide1024)
{
    TReport report;
    report.AddPage()->Properties["PaperSize"].SetInteger(8); // Letter
    report.AddPage()->Properties["PageOrientation"].SetInteger(2);
    QStringList files{QStringLiteral("stale")};
    const QString base = Home.Path() + QStringLiteral("/page");
    report.SaveToJpegFiles(base, files);
    ASSERT_EQ(files, (QStringList{base + "_1.jpg", base + "_2.jpg"}));
    QImageReader first(files[0]);
    EXPECT_EQ(first.format(), QByteArray("jpeg"));
    EXPECT_EQ(first.size(), QSize(791, 1024));
    EXPECT_EQ(QImageReader(files[1]).size(), QSize(1024, 724));
    // Baseline JPEG: a SOF0 marker, no progressive SOF2.
    const QByteArray bytes = ReadWholeFile(files[0]);
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2)));
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2)));

    TReport empty;
    empty.SaveToJpegFiles(base + QStringLiteral("x"), files);
    EXPECT_TRUE(files.isEmpty());
    EXPECT_FALSE(QFile::exists(base + QStringLiteral("x_1.jpg")));
}

TEST_F(ReportTest, DownsampleAveragesBlocks)
{
    QImage src(8, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            src.setPixel(x, y, x < 4 ? qRgb(16 * (x + 4 * y), 255, 0) : qRgb(1, 2, 3));
    QImage target;
    DownsampleBox4(src, target);
    ASSERT_EQ(target.size(), QSize(2, 1));
    EXPECT_EQ(target.format(), QImage::Format_RGB888);
    EXPECT_EQ(target.pixel(0, 0), qRgb(120, 255, 0)); // (0 + 16 + ... + 240) / 16
    EXPECT_EQ(target.pixel(1, 0), qRgb(1, 2, 3));
}

TEST_F(ReportTest, ThumbnailKeepsThePageShape)
{
    TPage page;
    QImage picture, mask;
    RenderPageThumbnail(page, 2, picture, mask);
    EXPECT_EQ(mask.size(), QSize(64, 64));
    EXPECT_EQ(mask.pixelColor(32, 32), QColor(Qt::white));
    for (int quality : {0, 1}) {
        RenderPageThumbnail(page, quality, picture, mask);
        // A4 portrait: 32 x 45 pixels in the middle.
        EXPECT_EQ(mask.pixelColor(16, 9), QColor(Qt::black)) << quality;
        EXPECT_EQ(mask.pixelColor(47, 53), QColor(Qt::black)) << quality;
        EXPECT_EQ(mask.pixelColor(15, 9), QColor(Qt::white)) << quality;
        EXPECT_EQ(mask.pixelColor(48, 53), QColor(Qt::white)) << quality;
        EXPECT_EQ(mask.pixelColor(16, 8), QColor(Qt::white)) << quality;
        EXPECT_EQ(picture.pixel(16, 9), qRgb(0, 0, 0)) << quality; // the frame
        EXPECT_EQ(picture.pixel(30, 30), qRgb(255, 255, 255)) << quality;
    }
}

TEST_F(ReportTest, ClipboardGetsSvgAndPicture)
{
    TReport report;
    AddMemo(report.AddPage(), QStringLiteral("Clipboard text"));
    EXPECT_THROW(report.CopyPageToClipboard(1), Exception);
    report.CopyPageToClipboard(0);
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    const QByteArray svg = mime->data(QStringLiteral("image/svg+xml"));
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("Clipboard text"));
    EXPECT_TRUE(mime->hasImage());
    const QImage image = qvariant_cast<QImage>(mime->imageData());
    EXPECT_EQ(image.size(), QSize(794, 1123)); // 210 x 297 mm at 96 pixels per inch
}

TEST_F(ReportTest, PrintingKeepsEachPagesOrientation)
{
    TReport report;
    AddMemo(report.AddPage(), QStringLiteral("Printed page one"));
    report.AddPage()->Properties["PageOrientation"].SetInteger(2);
    report.AddPage();
    const QString file = Home.Path() + QStringLiteral("/printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    report.Print(QStringLiteral("Job"), &printer);
    EXPECT_EQ(PageSizes(PdfInfo(file)), (QStringList{"595x842", "842x595", "842x595"}));
    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}).contains(QStringLiteral("Printed page one")));

    EXPECT_THROW(report.PrintPage(QStringLiteral("Job"), 3, &printer), Exception);
    EXPECT_THROW(report.PrintPage(QStringLiteral("Job"), -1, &printer), Exception);

    // A custom first page asks for its own paper.
    TReport custom;
    TPage *p = custom.AddPage();
    p->Properties["PageWidth"].SetFloat(100);
    p->Properties["PageHeight"].SetFloat(150);
    ASSERT_EQ(p->Properties["PaperSize"].AsInteger(), 0);
    const QString one = Home.Path() + QStringLiteral("/custom.pdf");
    QPrinter second(QPrinter::HighResolution);
    second.setOutputFormat(QPrinter::PdfFormat);
    second.setOutputFileName(one);
    custom.PrintPage(QStringLiteral("Custom"), 0, &second);
    EXPECT_EQ(PageSizes(PdfInfo(one)), (QStringList{"283x425"}));

    // An empty report still opens and ends a job.
    TReport empty;
    const QString none = Home.Path() + QStringLiteral("/empty.pdf");
    QPrinter third(QPrinter::HighResolution);
    third.setOutputFormat(QPrinter::PdfFormat);
    third.setOutputFileName(none);
    empty.Print(QStringLiteral("Empty"), &third);
    EXPECT_TRUE(QFile::exists(none));
}

TEST_F(ReportTest, PaperFallsBackToTheDefaultWithoutAPrinter)
{
    InstallPrinterPaperProvider(); // no printer on this machine
    TPage page;
    EXPECT_DOUBLE_EQ(page.PageWidth(), 210.0);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 297.0);
    EXPECT_EQ(TReport::PageSizePoints(page), QSize(595, 842));
    SetPrinterPaperProvider(nullptr);
}

TEST_F(ReportTest, FolderStoreHoldsReportDocuments)
{
    RegisterReportDocument();
    TReport report;
    report.AddPage();
    const QString file = Home.Path() + QStringLiteral("/Entry.vcr");
    report.SaveToFile(file);
    TFileItem item;
    item.FileName = file;
    item.FileType = FileTypeReport;
    ASSERT_TRUE(item.Load());
    ASSERT_NE(ReportOf(item), nullptr);
    EXPECT_EQ(ReportOf(item)->Count(), 1);
    EXPECT_EQ(ReportOf(item)->Name, QStringLiteral("Entry"));
}

TEST_F(ReportTest, PageSizesFromAFileAreBoundedSoPagingEnds)
{
    // A hand-edited report: zero and negative sizes a page, which the editor would never allow.
    QByteArray text = ReadWholeFile(TestDataFile(QStringLiteral("ReportTwoPages.vcr")));
    text.replace("<LinearRowsPerPage>20</LinearRowsPerPage>", "<LinearRowsPerPage>0</LinearRowsPerPage>");
    text.replace("<LinearColumnsPerPage>10</LinearColumnsPerPage>", "<LinearColumnsPerPage>-3</LinearColumnsPerPage>");
    text.replace("<GridRowsPerPage>10</GridRowsPerPage>", "<GridRowsPerPage>0</GridRowsPerPage>");
    text.replace("<GridColumnsPerPage>25</GridColumnsPerPage>", "<GridColumnsPerPage>900</GridColumnsPerPage>");
    const QString file = Home.Path() + QStringLiteral("/Zero.vcr");
    WriteFileAtomic(file, text);
    TReport report;
    report.LoadFromFile(file);
    int charts = 0;
    for (int i = 0; i < report.Count(); ++i)
        for (int k = 0; k < report.Pages(i)->Count(); ++k) {
            const TPropertyList &p = report.Pages(i)->Item(k)->Properties;
            if (p.IndexOf(QStringLiteral("LinearRowsPerPage")) < 0)
                continue;
            ++charts;
            EXPECT_EQ(p[QStringLiteral("LinearRowsPerPage")].AsInteger(), 1);
            EXPECT_EQ(p[QStringLiteral("LinearColumnsPerPage")].AsInteger(), 1);
            EXPECT_EQ(p[QStringLiteral("GridRowsPerPage")].AsInteger(), 1);
            EXPECT_EQ(p[QStringLiteral("GridColumnsPerPage")].AsInteger(), 255);
        }
    EXPECT_GT(charts, 0);
}

TEST_F(ReportTest, SavedAndReloadedUnderACommaCLocale)
{
    TCommaLocale comma;
    ASSERT_TRUE(comma.Available());
    TReport report;
    report.LoadFromFile(TestDataFile(QStringLiteral("ReportTwoPages.vcr")));
    // The fixture's memo is 100.5 mm wide: read back as that, written with a point.
    EXPECT_EQ(report.Pages(0)->Item(0)->Properties["Width"].AsFloat(), 100.5);
    report.Pages(0)->Item(0)->Properties["Top"].SetFloat(12.25);
    const QString out = Home.Path() + QStringLiteral("/comma.vcr");
    report.SaveToFile(out);
    const QByteArray text = ReadWholeFile(out);
    EXPECT_TRUE(text.contains("<Width>100.5</Width>")) << text.toStdString();
    EXPECT_TRUE(text.contains("<Top>12.25</Top>"));
    TReport back;
    back.LoadFromFile(out);
    EXPECT_EQ(back.Pages(0)->Item(0)->Properties["Top"].AsFloat(), 12.25);
    EXPECT_EQ(back.Pages(0)->Item(0)->Properties["Width"].AsFloat(), 100.5);
}

TEST_F(ReportTest, CustomPaperIgnoresTheOrientation)
{
    // Custom paper keeps its own size, so an orientation out of range does not matter to it.
    QByteArray text = ReadWholeFile(TestDataFile(QStringLiteral("ReportTwoPages.vcr")));
    text.replace("<PageOrientation>0</PageOrientation>\r\n        <PaperSize>1</PaperSize>",
                 "<PageOrientation>7</PageOrientation>\r\n        <PaperSize>0</PaperSize>");
    ASSERT_TRUE(text.contains("<PageOrientation>7</PageOrientation>"));
    const QString file = Home.Path() + QStringLiteral("/Custom.vcr");
    WriteFileAtomic(file, text);
    TReport report;
    EXPECT_NO_THROW(report.LoadFromFile(file));
    // With a paper size the orientation is checked as before.
    text.replace("<PaperSize>0</PaperSize>", "<PaperSize>4</PaperSize>");
    WriteFileAtomic(file, text);
    TReport a4;
    EXPECT_EQ(MessageOf([&] { a4.LoadFromFile(file); }), QStringLiteral("Invalid Page Orientation"));
}

TEST_F(ReportTest, PagesStayGroupedByType)
{
    // Opening, inner, inner, closing; names tell the pages apart after a move.
    TReport report;
    const int types[] = {PageTypeOpening, PageTypeInner, PageTypeInner, PageTypeClosing};
    for (int t : types)
        report.AddPage()->Properties["PageType"].SetInteger(t);
    for (int i = 0; i < report.Count(); ++i)
        AddMemo(report.Pages(i), QStringLiteral("P%1").arg(i));
    auto order = [&report] {
        QStringList names;
        for (int i = 0; i < report.Count(); ++i)
            names << report.Pages(i)->Item(0)->Properties["Text"].AsString();
        return names.join(QLatin1Char(' '));
    };
    EXPECT_EQ(report.InsertIndexOfType(PageTypeOpening), 1);
    EXPECT_EQ(report.InsertIndexOfType(PageTypeInner), 3);
    EXPECT_EQ(report.InsertIndexOfType(PageTypeClosing), 4);
    TReport innerOnly;
    innerOnly.AddPage()->Properties["PageType"].SetInteger(PageTypeInner);
    EXPECT_EQ(innerOnly.InsertIndexOfType(PageTypeOpening), 0);

    EXPECT_TRUE(report.CanMovePage(1, 2));
    EXPECT_TRUE(report.CanMovePage(2, 1));
    EXPECT_FALSE(report.CanMovePage(1, 0));
    EXPECT_FALSE(report.CanMovePage(2, 3));
    EXPECT_FALSE(report.CanMovePage(2, 2));
    EXPECT_FALSE(report.CanMovePage(3, 4));

    report.MovePage(2, 1);
    EXPECT_EQ(order(), QStringLiteral("P0 P2 P1 P3"));
    report.MovePage(0, 3);
    EXPECT_EQ(order(), QStringLiteral("P2 P1 P3 P0"));
    EXPECT_EQ(MessageOf([&] { report.MovePage(0, 4); }), QStringLiteral("Page does not exist"));
    EXPECT_EQ(order(), QStringLiteral("P2 P1 P3 P0"));
}
