// The folder view on real files in a temporary folder: listing with and without the cache, lazy
// loading, rename, delete, clipboard, drops and previews.
#include "FolderViewSupport.h"
#include "UnitFileList.h"
#include "UnitFileOperations.h"
#include "UnitFormBatchView.h"
#include "UnitFormHeaderView.h"
#include "UnitFormLocal.h"
#include "UnitFormReadingsView.h"
#include "UnitFormViewPreviews.h"
#include "UnitListLayout.h"
#include "UnitfocClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QSplitter>
#include <QUrl>

namespace {

QStringList Opened;
void RecordOpen(const QString &path) { Opened << path; }

class FolderViewTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        Folder = Home.Path() + QStringLiteral("/Local/");
        QDir().mkpath(Folder);
        Host.Store[QStringLiteral("FormRatio")].SetAsFloat(0.4);
        SetShellOpener(RecordOpen);
        Opened.clear();
        QApplication::clipboard()->clear();
    }
    void TearDown() override { SetShellOpener(nullptr); }
    int Row(const QString &path) { return View.Files().IndexOf(path, FileTypeAny); }
    QStringList Names()
    {
        QStringList names;
        for (int r = 0; r < View.Files().Count(); ++r)
            names << View.CellText(r, ColumnName);
        return names;
    }
    QString Folder;
    TFakeFolderHost Host;
    TFormLocal View{&Host};
};

TEST_F(FolderViewTest, ListsAFolderWithoutCacheAndWritesTheCache)
{
    WriteBatch(Folder, QStringLiteral("Deck"), MakeBatch(BatchTypeCover, BatchFormatGrid, 4, 3));
    WriteBatch(Folder, QStringLiteral("Pier"), MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 5));
    QDir().mkpath(Folder + QStringLiteral("Site A"));
    WriteText(Folder + QStringLiteral("notes.txt"), "n");
    View.SetFolder(Folder);
    EXPECT_EQ(Names(), (QStringList{"Site A", "Deck", "Pier", "notes.txt"}));
    const int deck = Row(Folder + QStringLiteral("Deck.vcb"));
    EXPECT_EQ(View.CellText(deck, ColumnType), QStringLiteral("Cover"));
    EXPECT_EQ(View.CellText(deck, ColumnColumns), QStringLiteral("4"));
    EXPECT_EQ(View.CellText(deck, ColumnRows), QStringLiteral("3"));
    EXPECT_EQ(View.CellText(deck, ColumnReadings), QStringLiteral("12"));
    EXPECT_FALSE(View.CellText(deck, ColumnModified).isEmpty());
    const int pier = Row(Folder + QStringLiteral("Pier.vch"));
    EXPECT_EQ(View.CellText(pier, ColumnType), QStringLiteral("Half Cell"));
    EXPECT_EQ(View.CellText(0, ColumnType), QString());
    EXPECT_EQ(View.CellText(0, ColumnModified), QString());
    EXPECT_TRUE(QFileInfo::exists(Folder + CacheFileName()));
    EXPECT_EQ(View.ListViewLocal->model()->headerData(ColumnReadings, Qt::Horizontal).toString(),
              QStringLiteral("Readings"));
    EXPECT_EQ(View.ListViewLocal->header()->sectionSize(ColumnName), 175);
    // The date column shows a whole date and time, none cut short.
    const int modified = View.ListViewLocal->header()->sectionSize(ColumnModified);
    EXPECT_GE(modified, 120);
    EXPECT_GE(modified, View.ListViewLocal->fontMetrics().horizontalAdvance(View.CellText(deck, ColumnModified)) + 8);
}

TEST_F(FolderViewTest, ListsFromTheCacheWithoutOpeningUnchangedBatches)
{
    WriteBatch(Folder, QStringLiteral("Deck"), MakeBatch(BatchTypeCover, BatchFormatGrid, 4, 3));
    View.SetFolder(Folder);
    ASSERT_EQ(View.CellText(0, ColumnReadings), QStringLiteral("12"));
    // A second view of the same folder starts from the cache: the header values are there and
    // the file is not opened.
    TFormLocal second(&Host);
    second.SetFolder(Folder);
    ASSERT_EQ(second.Files().Count(), 1);
    EXPECT_EQ(second.CellText(0, ColumnReadings), QStringLiteral("12"));
    EXPECT_EQ(second.Files().Items(0)->LoadState, LoadStateCached);
    // A file changed behind the cache's back is read again when its row is shown.
    TBatchItem changed = MakeBatch(BatchTypeCover, BatchFormatGrid, 5, 5);
    const QString path = Folder + QStringLiteral("Deck.vcb");
    changed.SaveToFile(path);
    QFile f(path);
    f.open(QIODevice::ReadWrite);
    f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f.close();
    TFormLocal third(&Host);
    third.SetFolder(Folder);
    EXPECT_EQ(third.CellText(0, ColumnReadings), QStringLiteral("25"));
}

TEST_F(FolderViewTest, LoadsOnlyTheRowsShown)
{
    for (int i = 0; i < 120; ++i)
        WriteBatch(Folder, QStringLiteral("B%1").arg(i, 3, 10, QLatin1Char('0')),
                   MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    View.resize(700, 400);
    View.show();
    View.SetFolder(Folder);
    View.grab(); // paints the visible rows
    auto loaded = [&] {
        int n = 0;
        for (int r = 0; r < View.Files().Count(); ++r)
            n += View.Files().Items(r)->LoadState == LoadStateLoaded;
        return n;
    };
    const auto [first, last] = View.ListViewLocal->VisibleRows();
    ASSERT_EQ(first, 0);
    EXPECT_EQ(View.Files().Items(0)->LoadState, LoadStateLoaded);
    EXPECT_EQ(loaded(), last - first + 1);
    EXPECT_LT(loaded(), 60);
    EXPECT_EQ(View.Files().Items(119)->LoadState, LoadStateNone);
    View.ListViewLocal->scrollToBottom();
    View.grab();
    EXPECT_EQ(View.Files().Items(119)->LoadState, LoadStateLoaded);
    EXPECT_LT(loaded(), 120);
}

TEST_F(FolderViewTest, RenameInPlace)
{
    WriteBatch(Folder, QStringLiteral("A"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    WriteText(Folder + QStringLiteral("notes.txt"), "n");
    WriteText(Folder + QStringLiteral("taken.txt"), "t");
    WriteText(Folder + QStringLiteral("Design.vcr"), "<Report/>");
    QDir().mkpath(Folder + QStringLiteral("Old"));
    QDir().mkpath(Folder + QStringLiteral("Other"));
    View.SetFolder(Folder);

    ASSERT_TRUE(View.Rename(Row(Folder + QStringLiteral("A.vcb")), QStringLiteral("B")));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("B.vcb")));
    EXPECT_FALSE(QFileInfo::exists(Folder + QStringLiteral("A.vcb")));
    EXPECT_EQ(View.SelectedPaths(), QStringList{Folder + QStringLiteral("B.vcb")});
    ASSERT_TRUE(View.Rename(Row(Folder + QStringLiteral("B.vcb")), QStringLiteral("B.vcb")));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("B.vcb.vcb")));

    ASSERT_TRUE(View.Rename(Row(Folder + QStringLiteral("notes.txt")), QStringLiteral("notes")));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("notes")));

    EXPECT_FALSE(View.Rename(Row(Folder + QStringLiteral("notes")), QStringLiteral("taken.txt")));
    EXPECT_EQ(Prompts.Errors.last(),
              QStringLiteral("A file with the name you specified already exists. Specify a different name."));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("notes")));

    EXPECT_FALSE(View.Rename(Row(Folder + QStringLiteral("Design.vcr")), QStringLiteral("Plan")));
    EXPECT_EQ(Prompts.Errors.last(), QStringLiteral("Cannot rename unknown file type."));

    EXPECT_FALSE(View.Rename(Row(Folder + QStringLiteral("Old")), QStringLiteral("Other")));
    EXPECT_EQ(Prompts.Errors.last(),
              QStringLiteral("A folder with the name you specified already exists. Specify a different name."));
    ASSERT_TRUE(View.Rename(Row(Folder + QStringLiteral("Old")), QStringLiteral("New")));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("New")));
    EXPECT_EQ(Host.Renamed, (QStringList{Folder + "Old", Folder + "New"}));

    // A name that would leave the folder is refused without touching anything.
    EXPECT_FALSE(View.Rename(Row(Folder + QStringLiteral("notes")), QStringLiteral("../escaped")));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("notes")));
    EXPECT_EQ(Prompts.Errors.size(), 3);

    // The cache follows the new names.
    TFileList cached;
    cached.LoadCache(Folder + CacheFileName());
    EXPECT_GE(cached.IndexOf(Folder + QStringLiteral("B.vcb.vcb"), FileTypeBatch), 0);
}

TEST_F(FolderViewTest, DeleteAsksAndDeletesFilesAndFolders)
{
    WriteText(Folder + QStringLiteral("a.txt"), "a");
    WriteText(Folder + QStringLiteral("b.txt"), "b");
    QDir().mkpath(Folder + QStringLiteral("Sub/Deep"));
    View.SetFolder(Folder);
    View.SelectRows({Row(Folder + "a.txt"), Row(Folder + "Sub")});
    Prompts.Answers = {TPromptAnswer::No};
    View.DeleteSelection();
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete these 2 items?"));
    EXPECT_TRUE(QFileInfo::exists(Folder + "a.txt"));
    Prompts.Answers = {TPromptAnswer::Yes};
    View.DeleteSelection();
    EXPECT_FALSE(QFileInfo::exists(Folder + "a.txt"));
    EXPECT_FALSE(QFileInfo::exists(Folder + "Sub"));
    EXPECT_EQ(Names(), QStringList{"b.txt"});
    View.SelectRows({0});
    Prompts.Answers = {TPromptAnswer::Yes};
    View.DeleteSelection();
    EXPECT_EQ(Prompts.Questions.last(), QStringLiteral("Are you sure you want to delete 'b.txt'?"));
    EXPECT_EQ(View.Files().Count(), 0);
}

TEST_F(FolderViewTest, CopyAndPasteIntoTheSameFolderMakesACopy)
{
    WriteText(Folder + QStringLiteral("a.txt"), "a");
    View.SetFolder(Folder);
    View.SelectRows({0});
    View.CopySelection();
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime->hasFormat("x-special/gnome-copied-files"));
    EXPECT_TRUE(mime->data("x-special/gnome-copied-files").startsWith("copy\nfile://"));
    EXPECT_EQ(mime->urls(), QList<QUrl>{QUrl::fromLocalFile(Folder + "a.txt")});
    View.PasteFiles();
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("Copy of a.txt")));
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("a.txt")));
    EXPECT_EQ(View.Files().Count(), 2);
    EXPECT_NE(QApplication::clipboard()->mimeData()->urls().size(), 0); // a copy stays on the clipboard
}

TEST_F(FolderViewTest, CutAndPasteMovesAndEmptiesTheClipboard)
{
    const QString other = Home.Path() + QStringLiteral("/Elsewhere/");
    QDir().mkpath(other);
    WriteText(other + QStringLiteral("x.txt"), "x");
    WriteBatch(other, QStringLiteral("Deck"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    // As a file manager puts a cut on the clipboard.
    auto *mime = new QMimeData;
    mime->setData("x-special/gnome-copied-files",
                  "cut\n" + QUrl::fromLocalFile(other + "x.txt").toEncoded() + "\n" +
                      QUrl::fromLocalFile(other + "Deck.vcb").toEncoded());
    mime->setUrls({QUrl::fromLocalFile(other + "x.txt"), QUrl::fromLocalFile(other + "Deck.vcb")});
    QApplication::clipboard()->setMimeData(mime);
    View.SetFolder(Folder);
    View.PasteFiles();
    EXPECT_TRUE(QFileInfo::exists(Folder + "x.txt"));
    EXPECT_TRUE(QFileInfo::exists(Folder + "Deck.vcb"));
    EXPECT_FALSE(QFileInfo::exists(other + "x.txt"));
    EXPECT_EQ(Names(), (QStringList{"Deck", "x.txt"}));
    const QMimeData *after = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!after || after->urls().isEmpty());
    EXPECT_TRUE(Host.Changed.contains(other));
    EXPECT_EQ(Host.WatchStops, Host.WatchStarts);

    // Our own cut, pasted into another folder.
    View.SelectRows({Row(Folder + "x.txt")});
    View.CutSelection();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->data("x-special/gnome-copied-files").startsWith("cut\n"));
    View.SetFolder(other);
    View.PasteFiles();
    EXPECT_TRUE(QFileInfo::exists(other + "x.txt"));
    EXPECT_FALSE(QFileInfo::exists(Folder + "x.txt"));
}

TEST_F(FolderViewTest, DropOntoAFolderRowGoesIntoThatFolder)
{
    const QString source = Home.Path() + QStringLiteral("/Source/");
    QDir().mkpath(source);
    WriteText(source + QStringLiteral("d.txt"), "d");
    QDir().mkpath(Folder + QStringLiteral("Sub"));
    View.SetFolder(Folder);
    View.DropFiles({source + "d.txt"}, Qt::CopyAction, Folder + "Sub/");
    EXPECT_TRUE(QFileInfo::exists(Folder + "Sub/d.txt"));
    EXPECT_FALSE(QFileInfo::exists(Folder + "d.txt"));
    EXPECT_TRUE(QFileInfo::exists(source + "d.txt"));
    // A folder dropped into itself is refused with the message of the copy.
    View.DropFiles({Folder + "Sub"}, Qt::CopyAction, Folder + "Sub/");
    ASSERT_EQ(Prompts.Errors.size(), 1);
    EXPECT_EQ(Prompts.Errors.first(), QStringLiteral("Destination same as source folder"));
}

TEST_F(FolderViewTest, DraggingFilesOntoAFolderRowMovesThemAndEmptiesTheClipboard)
{
    WriteText(Folder + QStringLiteral("a.txt"), "a");
    WriteText(Folder + QStringLiteral("b.txt"), "b");
    QDir().mkpath(Folder + QStringLiteral("Sub"));
    View.resize(600, 400);
    View.show();
    View.SetFolder(Folder);
    QApplication::clipboard()->setMimeData(FileListMimeData({Folder + QStringLiteral("b.txt")}, false));

    std::unique_ptr<QMimeData> mime(FileListMimeData({Folder + QStringLiteral("a.txt")}, false));
    QWidget *viewport = View.ListViewLocal->viewport();
    const QPoint at = View.ListViewLocal->visualRect(View.ListViewLocal->model()->index(Row(Folder + "Sub"), 0)).center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, offered, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_EQ(move.dropAction(), Qt::MoveAction);
    QDropEvent drop(QPointF(at), offered, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(QFileInfo::exists(Folder + QStringLiteral("Sub/a.txt")));
    EXPECT_FALSE(QFileInfo::exists(Folder + QStringLiteral("a.txt")));
    // As after a drag-move in the tree: a file list on the clipboard no longer holds.
    const QMimeData *after = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!after || !after->hasFormat(QStringLiteral("x-special/gnome-copied-files")));
}

TEST_F(FolderViewTest, RenamedBatchesTakeTheExtensionOfTheirType)
{
    MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2).SaveToFile(Folder + QStringLiteral("Upper.VCB"));
    MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 2, 2).SaveToFile(Folder + QStringLiteral("Misnamed.vcb"));
    WriteText(Folder + QStringLiteral("Broken.vch"), "not a batch");
    View.SetFolder(Folder);
    const struct {
        const char *From, *To, *Result;
    } cases[] = {
        {"Upper.VCB", "Cover", "Cover.vcb"},
        {"Misnamed.vcb", "Half", "Half.vch"},
        {"Broken.vch", "Kept", "Kept.vch"}, // unreadable: the file's own extension stays
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(View.Rename(Row(Folder + QLatin1String(c.From)), QLatin1String(c.To))) << c.From;
        EXPECT_TRUE(QFileInfo::exists(Folder + QLatin1String(c.Result))) << c.From;
        EXPECT_FALSE(QFileInfo::exists(Folder + QLatin1String(c.From))) << c.From;
    }
}

TEST(DropActionTest, RulesInOrder)
{
    const QString a = QDir::tempPath() + "/a/", b = QDir::tempPath() + "/b/";
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    struct Case {
        QString Drop, Source;
        Qt::KeyboardModifiers Keys;
        Qt::DropActions Offered;
        Qt::DropAction Expected;
    };
    const Case cases[] = {
        {a, a, Qt::NoModifier, all, Qt::IgnoreAction},
        {a, b, Qt::ControlModifier | Qt::ShiftModifier, all, Qt::IgnoreAction},
        {a, b, Qt::ShiftModifier, all, Qt::MoveAction},
        {a, b, Qt::ControlModifier, all, Qt::CopyAction},
        {a, b, Qt::NoModifier, all, Qt::MoveAction}, // same device
        {a, QString(), Qt::NoModifier, all, Qt::CopyAction},
        {a, b, Qt::NoModifier, Qt::CopyAction, Qt::CopyAction},
        {a, b, Qt::NoModifier, Qt::LinkAction, Qt::IgnoreAction},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChooseDropAction(c.Drop, c.Source, c.Keys, c.Offered), c.Expected)
            << c.Source.toStdString() << " " << int(c.Keys) << " " << int(c.Offered);
}

TEST_F(FolderViewTest, PreviewFollowsTheSelection)
{
    WriteBatch(Folder, QStringLiteral("A"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    WriteBatch(Folder, QStringLiteral("B"), MakeBatch(BatchTypeHalfCell, BatchFormatGrid, 3, 3));
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(Folder + QStringLiteral("photo.jpg"));
    {
        QPdfWriter pdf(Folder + QStringLiteral("report.pdf"));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        painter.fillRect(QRect(0, 0, 2000, 2000), Qt::blue);
    }
    WriteText(Folder + QStringLiteral("readme.txt"), "hello");
    WriteText(Folder + QStringLiteral("drawing.wmf"), QByteArray("\xD7\xCD\xC6\x9A\0\0", 6));
    View.SetFolder(Folder);
    const int a = Row(Folder + "A.vcb"), b = Row(Folder + "B.vch");

    View.SelectRows({a, b});
    EXPECT_EQ(View.PreviewForm(), static_cast<QWidget *>(View.BatchView));
    EXPECT_EQ(View.BatchView->Batches().Count(), 2);
    View.BatchView->SetTabIndex(0);
    EXPECT_EQ(View.BatchView->DockText(), QStringLiteral("Unable to modify multiple batch items."));

    View.SelectRows({a, Row(Folder + "photo.jpg")});
    EXPECT_EQ(View.PreviewForm(), static_cast<QWidget *>(View.BatchView));
    EXPECT_EQ(View.BatchView->Batches().Count(), 1);
    EXPECT_EQ(View.BatchView->DockedView(), static_cast<QWidget *>(View.BatchView->HeaderView));

    View.SelectRows({Row(Folder + "photo.jpg")});
    EXPECT_EQ(View.PreviewForm(), static_cast<QWidget *>(View.FormViewImage));
    EXPECT_EQ(View.FormViewImage->Picture().size(), QSize(40, 20));
    const int loads = View.FormViewImage->LoadCount();
    View.SelectRows({a});
    View.SelectRows({Row(Folder + "photo.jpg")});
    EXPECT_EQ(View.FormViewImage->LoadCount(), loads); // unchanged file: not read again

    View.SelectRows({Row(Folder + "report.pdf")});
    EXPECT_EQ(View.PreviewForm(), static_cast<QWidget *>(View.FormViewPDF));
    ASSERT_FALSE(View.FormViewPDF->Picture().isNull());
    EXPECT_EQ(View.FormViewPDF->Picture().pixelColor(5, 5), QColor(Qt::blue));

    View.SelectRows({Row(Folder + "readme.txt")});
    EXPECT_EQ(View.PreviewForm(), static_cast<QWidget *>(View.FormViewOle));
    EXPECT_TRUE(View.FormViewOle->DetailsText().contains(QStringLiteral("readme.txt")));

    // A metafile, which no image reader here decodes, shows its details rather than nothing.
    View.SelectRows({Row(Folder + "drawing.wmf")});
    EXPECT_EQ(View.PreviewForm(), static_cast<QWidget *>(View.FormViewOle));
    EXPECT_TRUE(View.FormViewOle->DetailsText().contains(QStringLiteral("drawing.wmf")));

    View.ListViewLocal->selectionModel()->clear();
    EXPECT_EQ(View.PreviewForm(), nullptr);
}

TEST_F(FolderViewTest, DoubleClickOpensFoldersInTheTreeAndOtherFilesInTheirProgram)
{
    QDir().mkpath(Folder + QStringLiteral("Sub"));
    WriteText(Folder + QStringLiteral("readme.txt"), "hello");
    WriteBatch(Folder, QStringLiteral("A"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    View.SetFolder(Folder);
    View.OpenRow(Row(Folder + "Sub"));
    EXPECT_EQ(Host.Selected, Folder + "Sub/");
    View.OpenRow(Row(Folder + "readme.txt"));
    View.OpenRow(Row(Folder + "A.vcb"));
    EXPECT_EQ(Opened, QStringList{Folder + "readme.txt"});
}

TEST_F(FolderViewTest, ReadingsEditReachesTheFileTheListAndTheCache)
{
    const QString path = WriteBatch(Folder, QStringLiteral("A"), MakeBatch(BatchTypeCover, BatchFormatGrid, 2, 2));
    View.SetFolder(Folder);
    View.SelectRows({0});
    ASSERT_EQ(View.CellText(0, ColumnReadings), QStringLiteral("4"));
    View.BatchView->ReadingsView->CellEdited(1, 1, QString());
    EXPECT_EQ(View.CellText(0, ColumnReadings), QStringLiteral("3"));
    TBatchItem saved;
    saved.LoadFromFile(path);
    EXPECT_EQ(saved.Readings, 3);
    TFileList cached;
    cached.LoadCache(Folder + CacheFileName());
    ASSERT_EQ(cached.Count(), 1);
    EXPECT_EQ(cached.Items(0)->Batch.Readings, 3);
    EXPECT_EQ(cached.Items(0)->FileModifiedTime, PackedFileTime(path));
}

TEST_F(FolderViewTest, SplitterFollowsTheStoredRatio)
{
    View.resize(600, 500);
    View.show();
    View.SetFolder(Folder);
    const int total = View.SplitterLocal->height();
    EXPECT_NEAR(View.ListViewLocal->height(), 0.4 * total, 8);
    View.SetListVisible(false);
    EXPECT_FALSE(View.ListVisible());
    View.SetListVisible(true);
    EXPECT_TRUE(View.ListVisible());
}

TEST(ClipboardStreamTest, LengthPrefixedLittleEndian)
{
    const QByteArray stream("abc\0def", 7);
    const QByteArray block = EncodeClipboardStream(stream);
    EXPECT_EQ(block.left(4), QByteArray("\x07\x00\x00\x00", 4));
    EXPECT_EQ(DecodeClipboardStream(block), stream);
    EXPECT_EQ(DecodeClipboardStream(QByteArray("\xFF\x00\x00\x00xy", 6)), QByteArray("xy"));
    EXPECT_EQ(DecodeClipboardStream(QByteArray("\x01", 1)), QByteArray());

    const QString format = QStringLiteral("application/x-orvalis-reportitem");
    TfocClipboard &clipboard = TfocClipboard::Instance();
    clipboard.PutStream(stream, format);
    EXPECT_TRUE(clipboard.HasFormat(format));
    EXPECT_EQ(clipboard.GetStream(format), stream);
    EXPECT_FALSE(clipboard.HasFormat(QStringLiteral("application/x-none")));
    EXPECT_EQ(clipboard.GetStream(QStringLiteral("application/x-none")), QByteArray());
    // Two writes inside one open share the clipboard; a later write starts it afresh.
    clipboard.Open();
    clipboard.PutStream("one", QStringLiteral("application/x-one"));
    clipboard.PutStream("two", QStringLiteral("application/x-two"));
    clipboard.Close();
    EXPECT_EQ(clipboard.GetStream(QStringLiteral("application/x-one")), QByteArray("one"));
    EXPECT_EQ(clipboard.GetStream(QStringLiteral("application/x-two")), QByteArray("two"));
    clipboard.PutStream("three", QStringLiteral("application/x-two"));
    EXPECT_FALSE(clipboard.HasFormat(QStringLiteral("application/x-one")));

    // Another program takes the clipboard between two writes of one open: its content is
    // dropped by the clipboard, and the next write starts afresh instead of reading it.
    clipboard.Open();
    clipboard.PutStream("one", QStringLiteral("application/x-one"));
    auto *other = new QMimeData;
    other->setText(QStringLiteral("from elsewhere"));
    QApplication::clipboard()->setMimeData(other);
    clipboard.PutStream("two", QStringLiteral("application/x-two"));
    clipboard.Close();
    EXPECT_FALSE(clipboard.HasFormat(QStringLiteral("application/x-one")));
    EXPECT_EQ(clipboard.GetStream(QStringLiteral("application/x-two")), QByteArray("two"));
}

} // namespace

TEST_F(FolderViewTest, AnEmptyFolderSaysHowToFillItAndNumbersSitUnderTheirHeadings)
{
    View.resize(900, 500);
    View.show();
    QDir().mkpath(Folder + QStringLiteral("Empty"));
    View.SetFolder(Folder + QStringLiteral("Empty/"));
    QLabel *hint = EmptyListHint(View.ListViewLocal);
    ASSERT_TRUE(hint);
    ASSERT_TRUE(ServeEventsUntil([&] { return hint->isVisible(); }, 5000));
    EXPECT_EQ(hint->text(),
              QStringLiteral("This folder is empty. Download batches from the gauge, or choose New Batch, to fill it."));

    WriteBatch(Folder, QStringLiteral("Deck"), MakeBatch(BatchTypeCover, BatchFormatGrid, 4, 3));
    View.SetFolder(Folder);
    EXPECT_FALSE(hint->isVisible());
    const QAbstractItemModel *model = View.ListViewLocal->model();
    EXPECT_FALSE(View.ListViewLocal->header()->stretchLastSection());
    for (int column : {int(ColumnColumns), int(ColumnRows), int(ColumnReadings)}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), NumberAlignment());
        EXPECT_EQ(model->index(Row(Folder + QStringLiteral("Deck.vcb")), column).data(Qt::TextAlignmentRole).toInt(),
                  NumberAlignment());
    }
    EXPECT_EQ(model->headerData(ColumnName, Qt::Horizontal, Qt::TextAlignmentRole), QVariant());
}
