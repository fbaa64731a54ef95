#include "TestSupport.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QThread>

namespace {

const QString FolderQuestionStart = QStringLiteral("The folder already contains a folder named '");
const QString FileQuestionStart = QStringLiteral("The folder already contains a file named '");

void Write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// Every file of a tree by relative path with its content; empty folders as "path/".
QMap<QString, QByteArray> Tree(const QString &root)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            if (QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                result.insert(rel + QLatin1Char('/'), QByteArray());
        } else {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            result.insert(rel, f.readAll());
        }
    }
    return result;
}

class FileOperations : public IsolatedTest {
protected:
    QTemporaryDir Dir;
    QString P(const QString &rel) const { return Dir.path() + QLatin1Char('/') + rel; }

    // Source tree "src": a.vcb, .hidden, sub/b.vcb, sub/deep/c.vct, empty/
    void MakeSourceTree()
    {
        Write(P("src/a.vcb"), "A");
        Write(P("src/.hidden"), "H");
        Write(P("src/sub/b.vcb"), "B");
        Write(P("src/sub/deep/c.vct"), "C");
        QDir().mkpath(P("src/empty"));
    }
};
} // namespace

TEST(FileNames, MakeFileNameSafeBlanksEveryUnsafeCharacter)
{
    const struct {
        QString in, out;
    } cases[] = {
        {QStringLiteral("A/B:1"), QStringLiteral("A B 1")},
        {QStringLiteral("\"*/:<>?\\|"), QStringLiteral("         ")},
        {QStringLiteral("Wall 1 (north)"), QStringLiteral("Wall 1 (north)")},
        {QStringLiteral("Pier.3-ä"), QStringLiteral("Pier.3-ä")},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MakeFileNameSafe(c.in), c.out) << c.in.toStdString();
}

TEST(FileNames, StripControlCharsDropsEverythingBelowBlank)
{
    QString all;
    for (int code = 0; code < 32; ++code)
        all += QChar(code);
    EXPECT_EQ(StripControlChars(all), QString());
    EXPECT_EQ(StripControlChars(QStringLiteral("Site\t1\r\nEast\x1f")), QStringLiteral("Site1East"));
    // The blank itself and everything above it stays, accented letters included.
    EXPECT_EQ(StripControlChars(QStringLiteral(" ~\u00e9\u20ac")), QStringLiteral(" ~\u00e9\u20ac"));
}

TEST(FileNames, SmallTests)
{
    EXPECT_EQ(NameWithoutExtension(QStringLiteral("/d/Wall 1.vcb")), QStringLiteral("Wall 1"));
    EXPECT_EQ(NameWithoutExtension(QStringLiteral("/d.x/a.b.vcb")), QStringLiteral("a.b"));
    EXPECT_EQ(NameWithoutExtension(QStringLiteral("/d.x/plain")), QStringLiteral("plain"));
    EXPECT_TRUE(IsPictureFile(QStringLiteral("a.JPG")));
    EXPECT_TRUE(IsPictureFile(QStringLiteral("a.emf")));
    EXPECT_TRUE(IsPictureFile(QStringLiteral("a.Bmp")));
    EXPECT_FALSE(IsPictureFile(QStringLiteral("a.jpg.txt")));
    EXPECT_TRUE(IsPdfFile(QStringLiteral("/x/Report.PDF")));
    EXPECT_FALSE(IsPdfFile(QStringLiteral("/x/pdf")));
    EXPECT_TRUE(TempFolder().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(IsCoverBatchType(0));
    EXPECT_FALSE(IsCoverBatchType(1));
    EXPECT_EQ(MessageOf([] { IsCoverBatchType(2); }), QStringLiteral("Invalid Batch Type"));
    EXPECT_EQ(MessageOf([] { IsCoverBatchType(-1); }), QStringLiteral("Invalid Batch Type"));
    EXPECT_EQ(ClampRect(QRect(QPoint(-5, 3), QPoint(50, 120)), QRect(QPoint(0, 0), QPoint(40, 100))),
              QRect(QPoint(0, 3), QPoint(40, 100)));
    EXPECT_EQ(ClampRect(QRect(QPoint(60, -9), QPoint(70, -2)), QRect(QPoint(0, 0), QPoint(40, 100))),
              QRect(QPoint(40, 0), QPoint(40, 0)));
}

TEST_F(FileOperations, PathExistsSeesFilesFoldersAndNothingElse)
{
    Write(P("f.vcb"), "x");
    EXPECT_TRUE(PathExists(P("f.vcb")));
    EXPECT_TRUE(PathExists(Dir.path()));
    EXPECT_TRUE(PathExists(Dir.path() + QLatin1Char('/')));
    EXPECT_FALSE(PathExists(P("g.vcb")));
    EXPECT_FALSE(PathExists(QString()));
}

TEST_F(FileOperations, CopyNameCountsUpToTwoHundred)
{
    Write(P("Wall 1.vcb"), "w");
    EXPECT_EQ(CopyName(P("Wall 1.vcb")), P("Copy of Wall 1.vcb"));
    Write(P("Copy of Wall 1.vcb"), "c");
    EXPECT_EQ(CopyName(P("Wall 1.vcb")), P("Copy (2) of Wall 1.vcb"));
    // A folder of that name takes the name as well.
    QDir().mkpath(P("Copy (2) of Wall 1.vcb"));
    EXPECT_EQ(CopyName(P("Wall 1.vcb")), P("Copy (3) of Wall 1.vcb"));
    for (int n = 3; n <= 199; ++n)
        Write(P(QStringLiteral("Copy (%1) of Wall 1.vcb").arg(n)), "c");
    EXPECT_EQ(CopyName(P("Wall 1.vcb")), P("Copy (200) of Wall 1.vcb"));
    Write(P("Copy (200) of Wall 1.vcb"), "c");
    EXPECT_EQ(MessageOf([&] { CopyName(P("Wall 1.vcb")); }), QStringLiteral("Unable to copy, too many \"Copy of\" files"));
    // Folders are named the same way.
    QDir().mkpath(P("Site"));
    EXPECT_EQ(CopyName(P("Site/")), P("Copy of Site"));
}

TEST_F(FileOperations, DefaultNameCountsUpToTwoHundred)
{
    EXPECT_EQ(DefaultName(Dir.path(), QStringLiteral("New Folder"), QString()), P("New Folder"));
    QDir().mkpath(P("New Folder"));
    EXPECT_EQ(DefaultName(Dir.path() + QLatin1Char('/'), QStringLiteral("New Folder"), QString()), P("New Folder (2)"));
    for (int n = 2; n <= 200; ++n)
        QDir().mkpath(P(QStringLiteral("New Folder (%1)").arg(n)));
    EXPECT_EQ(MessageOf([&] { DefaultName(Dir.path(), QStringLiteral("New Folder"), QString()); }),
              QStringLiteral("Unable to create file/folder, too many default named items."));
    // With an extension, a file of another extension does not count.
    Write(P("New Batch.vch"), "x");
    EXPECT_EQ(DefaultName(Dir.path(), QStringLiteral("New Batch"), QStringLiteral(".vcb")), P("New Batch.vcb"));
    Write(P("New Batch.vcb"), "x");
    EXPECT_EQ(DefaultName(Dir.path(), QStringLiteral("New Batch"), QStringLiteral(".vcb")), P("New Batch (2).vcb"));
}

TEST_F(FileOperations, CopyFolderTreeKeepsEverythingAndFileTimes)
{
    MakeSourceTree();
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(P("src/sub/b.vcb"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    bool all = false;
    CopyTree(P("src"), P("dst/copy"), all);
    EXPECT_EQ(Tree(P("dst/copy")), Tree(P("src")));
    EXPECT_EQ(Tree(P("src")).size(), 5);
    EXPECT_EQ(QFileInfo(P("dst/copy/sub/b.vcb")).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    EXPECT_TRUE(Prompts.Questions.isEmpty());
}

TEST_F(FileOperations, CopyFolderIntoItselfIsRefused)
{
    MakeSourceTree();
    bool all = false;
    for (const QString &dest : {P("src"), P("src/"), P("src/sub/x"), P("src/../src/new"), P("dst/../src/sub")})
        EXPECT_EQ(MessageOf([&] { CopyTree(P("src"), dest, all); }), QStringLiteral("Destination same as source folder"))
            << dest.toStdString();
    for (const QString &dest : {P("src"), P("src/empty/x")})
        EXPECT_EQ(MessageOf([&] { MoveTree(P("src"), dest, all); }), QStringLiteral("Destination same as source folder"));
    // A sibling whose name merely starts with the source's name is another folder.
    CopyTree(P("src"), P("src2"), all);
    EXPECT_EQ(Tree(P("src2")), Tree(P("src")));
}

TEST_F(FileOperations, CopyFileAnswers)
{
    const struct {
        TPromptAnswer answer;
        QByteArray expected;
        bool yesToAllAfter;
        QString error;
    } cases[] = {
        {TPromptAnswer::Yes, "new", false, QString()},
        {TPromptAnswer::No, "old", false, QString()},
        {TPromptAnswer::Cancel, "old", false, QStringLiteral("Copy of file and folders canceled")},
        {TPromptAnswer::YesToAll, "new", true, QString()},
    };
    for (const auto &c : cases) {
        Write(P("a/Wall.vcb"), "new");
        Write(P("b/Wall.vcb"), "old");
        Prompts.Questions.clear();
        Prompts.Answers = {c.answer};
        bool all = false;
        EXPECT_EQ(MessageOf([&] { CopyTree(P("a/Wall.vcb"), P("b/Wall.vcb"), all); }), c.error);
        EXPECT_EQ(Tree(P("b")).value(QStringLiteral("Wall.vcb")), c.expected);
        EXPECT_EQ(all, c.yesToAllAfter);
        EXPECT_EQ(Prompts.Questions,
                  QStringList{QStringLiteral("The folder already contains a file named 'Wall.vcb'\r\n\r\nWould you "
                                             "like to replace the existing file?")});
        EXPECT_EQ(Tree(P("a")).value(QStringLiteral("Wall.vcb")), QByteArray("new"));
    }
    // With the flag already set nothing is asked.
    Write(P("b/Wall.vcb"), "old");
    Prompts.Questions.clear();
    bool all = true;
    CopyTree(P("a/Wall.vcb"), P("b/Wall.vcb"), all);
    EXPECT_EQ(Tree(P("b")).value(QStringLiteral("Wall.vcb")), QByteArray("new"));
    EXPECT_TRUE(Prompts.Questions.isEmpty());
    EXPECT_EQ(MessageOf([&] { CopyTree(P("a/none.vcb"), P("b/none.vcb"), all); }),
              QStringLiteral("Cannot read from the source file or disk"));
}

TEST_F(FileOperations, CopyFolderOverExistingFolder)
{
    const QString folderQuestion =
        QStringLiteral("The folder already contains a folder named 'dst'\r\n\r\nIf the files in the existing folder "
                       "have the same name as the files in the\r\nfolder you are moving or copying, they will be "
                       "replaced.  Do you still\r\nwant to move or copy the folder?");
    // No: the folder is skipped and nothing is copied.
    MakeSourceTree();
    Write(P("dst/a.vcb"), "old");
    Prompts.Answers = {TPromptAnswer::No};
    bool all = false;
    CopyTree(P("src"), P("dst"), all);
    EXPECT_EQ(Prompts.Questions, QStringList{folderQuestion});
    EXPECT_EQ(Tree(P("dst")), (QMap<QString, QByteArray>{{QStringLiteral("a.vcb"), "old"}}));

    // Cancel raises.
    Prompts.Questions.clear();
    Prompts.Answers = {TPromptAnswer::Cancel};
    EXPECT_EQ(MessageOf([&] { CopyTree(P("src"), P("dst"), all); }), QStringLiteral("Copy of file and folders canceled"));

    // Yes: the folder is merged, each clashing file asked for ("sub" does not exist yet).
    Prompts.Questions.clear();
    Prompts.Answers = {TPromptAnswer::Yes, TPromptAnswer::No};
    CopyTree(P("src"), P("dst"), all);
    EXPECT_EQ(Prompts.Questions.size(), 2);
    EXPECT_TRUE(Prompts.Questions.at(1).startsWith(FileQuestionStart + QStringLiteral("a.vcb'")));
    EXPECT_EQ(Tree(P("dst")).value(QStringLiteral("a.vcb")), QByteArray("old"));
    EXPECT_EQ(Tree(P("dst")).value(QStringLiteral("sub/deep/c.vct")), QByteArray("C"));

    // Yes to All at the folder question replaces everything without further questions.
    Write(P("dst/sub/b.vcb"), "old");
    Prompts.Questions.clear();
    Prompts.Answers = {TPromptAnswer::YesToAll};
    all = false;
    CopyTree(P("src"), P("dst"), all);
    EXPECT_TRUE(all);
    EXPECT_EQ(Prompts.Questions.size(), 1);
    EXPECT_EQ(Tree(P("dst")), Tree(P("src")));
}

TEST_F(FileOperations, CopyCancelInsideTreeKeepsWhatWasDone)
{
    MakeSourceTree();
    Write(P("dst/sub/b.vcb"), "old");
    Prompts.Answers = {TPromptAnswer::Yes, TPromptAnswer::Cancel};
    bool all = false;
    EXPECT_EQ(MessageOf([&] { CopyTree(P("src"), P("dst"), all); }), QStringLiteral("Copy of file and folders canceled"));
    EXPECT_EQ(Tree(P("dst")).value(QStringLiteral("sub/b.vcb")), QByteArray("old"));
    EXPECT_TRUE(Tree(P("src")).contains(QStringLiteral("a.vcb")));
}

TEST_F(FileOperations, MoveFileAnswers)
{
    const struct {
        TPromptAnswer answer;
        QByteArray expected;
        bool sourceKept;
        QString error;
    } cases[] = {
        {TPromptAnswer::Yes, "new", false, QString()},
        {TPromptAnswer::No, "old", true, QString()},
        {TPromptAnswer::Cancel, "old", true, QStringLiteral("Copy of file and folders canceled")},
        {TPromptAnswer::YesToAll, "new", false, QString()},
    };
    for (const auto &c : cases) {
        Write(P("a/Wall.vcb"), "new");
        Write(P("b/Wall.vcb"), "old");
        Prompts.Questions.clear();
        Prompts.Answers = {c.answer};
        bool all = false;
        EXPECT_EQ(MessageOf([&] { MoveTree(P("a/Wall.vcb"), P("b/Wall.vcb"), all); }), c.error);
        EXPECT_EQ(Tree(P("b")).value(QStringLiteral("Wall.vcb")), c.expected);
        EXPECT_EQ(QFileInfo::exists(P("a/Wall.vcb")), c.sourceKept);
        EXPECT_EQ(Prompts.Questions.size(), 1);
        EXPECT_EQ(all, c.answer == TPromptAnswer::YesToAll);
    }
    bool all = false;
    EXPECT_EQ(MessageOf([&] { MoveTree(P("a/none.vcb"), P("b/none.vcb"), all); }),
              QStringLiteral("Cannot read from the source file or disk"));
}

TEST_F(FileOperations, FileOntoItselfIsLeftAlone)
{
    Write(P("a/Wall.vcb"), "keep");
    Prompts.Answers = {TPromptAnswer::Yes, TPromptAnswer::Yes};
    bool all = false;
    MoveTree(P("a/Wall.vcb"), P("a/../a/Wall.vcb"), all);
    CopyTree(P("a/Wall.vcb"), P("a/Wall.vcb"), all);
    all = true;
    MoveTree(P("a/Wall.vcb"), P("a/Wall.vcb"), all);
    EXPECT_EQ(Tree(P("a")).value(QStringLiteral("Wall.vcb")), QByteArray("keep"));
}

TEST_F(FileOperations, MoveFolderTree)
{
    MakeSourceTree();
    const auto before = Tree(P("src"));
    bool all = false;
    MoveTree(P("src"), P("dst/moved"), all);
    EXPECT_EQ(Tree(P("dst/moved")), before);
    EXPECT_FALSE(QFileInfo::exists(P("src")));
    EXPECT_TRUE(Prompts.Questions.isEmpty());
}

TEST_F(FileOperations, MoveKeepsDeclinedFilesAndTheirFolders)
{
    MakeSourceTree();
    Write(P("dst/sub/deep/c.vct"), "old C");
    Write(P("dst/a.vcb"), "old A");
    // The folders dst, dst/sub and dst/sub/deep exist (Yes to each), then sub/deep/c.vct is
    // declined and a.vcb replaced.
    Prompts.Answers = {TPromptAnswer::Yes, TPromptAnswer::Yes, TPromptAnswer::Yes, TPromptAnswer::No, TPromptAnswer::Yes};
    bool all = false;
    MoveTree(P("src"), P("dst"), all);
    ASSERT_EQ(Prompts.Questions.size(), 5);
    EXPECT_TRUE(Prompts.Questions.at(0).startsWith(FolderQuestionStart + QStringLiteral("dst'")));
    EXPECT_TRUE(Prompts.Questions.at(1).startsWith(FolderQuestionStart + QStringLiteral("sub'")));
    EXPECT_TRUE(Prompts.Questions.at(2).startsWith(FolderQuestionStart + QStringLiteral("deep'")));
    EXPECT_TRUE(Prompts.Questions.at(3).startsWith(FileQuestionStart + QStringLiteral("c.vct'")));
    EXPECT_TRUE(Prompts.Questions.at(4).startsWith(FileQuestionStart + QStringLiteral("a.vcb'")));
    // The declined file stays where it was, with the folders that hold it; nothing else remains.
    EXPECT_EQ(Tree(P("src")), (QMap<QString, QByteArray>{{QStringLiteral("sub/deep/c.vct"), "C"}}));
    const auto dst = Tree(P("dst"));
    EXPECT_EQ(dst.value(QStringLiteral("sub/deep/c.vct")), QByteArray("old C"));
    EXPECT_EQ(dst.value(QStringLiteral("a.vcb")), QByteArray("A"));
    EXPECT_EQ(dst.value(QStringLiteral("sub/b.vcb")), QByteArray("B"));
    EXPECT_EQ(dst.value(QStringLiteral(".hidden")), QByteArray("H"));
    EXPECT_TRUE(dst.contains(QStringLiteral("empty/")));
}

TEST_F(FileOperations, MoveFolderAnswersAtTheFolderQuestion)
{
    MakeSourceTree();
    const auto before = Tree(P("src"));
    Write(P("dst/x.vcb"), "x");
    bool all = false;
    Prompts.Answers = {TPromptAnswer::No};
    MoveTree(P("src"), P("dst"), all);
    EXPECT_EQ(Tree(P("src")), before);
    Prompts.Answers = {TPromptAnswer::Cancel};
    EXPECT_EQ(MessageOf([&] { MoveTree(P("src"), P("dst"), all); }), QStringLiteral("Copy of file and folders canceled"));
    EXPECT_EQ(Tree(P("src")), before);
    Write(P("dst/sub/b.vcb"), "old");
    Prompts.Questions.clear();
    Prompts.Answers = {TPromptAnswer::YesToAll};
    MoveTree(P("src"), P("dst"), all);
    EXPECT_EQ(Prompts.Questions.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(P("src")));
    auto expected = before;
    expected.insert(QStringLiteral("x.vcb"), "x");
    EXPECT_EQ(Tree(P("dst")), expected);
}

TEST_F(FileOperations, DeleteTreeRemovesLinksNotTheirTargets)
{
    MakeSourceTree();
    Write(P("outside/keep.vcb"), "K");
    ASSERT_TRUE(QFile::link(P("outside"), P("src/sub/link")));
    ASSERT_TRUE(QFile::link(P("outside/keep.vcb"), P("src/filelink.vcb")));
    DeleteTree(P("src/"));
    EXPECT_FALSE(QFileInfo::exists(P("src")));
    EXPECT_EQ(Tree(P("outside")), (QMap<QString, QByteArray>{{QStringLiteral("keep.vcb"), "K"}}));
    Write(P("one.vcb"), "1");
    DeleteTree(P("one.vcb"));
    EXPECT_FALSE(QFileInfo::exists(P("one.vcb")));
    EXPECT_EQ(MessageOf([&] { DeleteTree(P("gone.vcb")); }), QStringLiteral("Unable to delete file gone.vcb"));
}

TEST_F(FileOperations, DeleteTreeReportsAFolderItCannotEmpty)
{
    if (QFileInfo(QStringLiteral("/root")).isWritable())
        GTEST_SKIP() << "running as root: permissions do not stop deletes";
    Write(P("ro/inner/f.vcb"), "f");
    QFile::setPermissions(P("ro/inner"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString message = MessageOf([&] { DeleteTree(P("ro")); });
    QFile::setPermissions(P("ro/inner"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(message, QStringLiteral("Unable to delete file f.vcb"));
}

TEST_F(FileOperations, SpreadsheetProgramFromTheDesktopDefaults)
{
    // A registered program that records its arguments.
    const QString program = Home.Path() + QStringLiteral("/bin/fakecalc");
    const QString record = Home.Path() + QStringLiteral("/args.txt");
    Write(program, QStringLiteral("#!/bin/sh\nprintf '%s|' \"$@\" > \"%1.tmp\" && mv \"%1.tmp\" \"%1\"\n").arg(record).toUtf8());
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(SpreadsheetApplication(), QString());
    EXPECT_FALSE(OpenInSpreadsheetApplication(P("book.xls")));

    Write(Home.ConfigHome() + QStringLiteral("/mimeapps.list"),
          "[Default Applications]\napplication/vnd.ms-excel=fakecalc.desktop\n");
    Write(Home.DataHome() + QStringLiteral("/applications/fakecalc.desktop"),
          QStringLiteral("[Desktop Entry]\nType=Application\nName=Calc\nExec=%1 --calc %U\n").arg(program).toUtf8());
    EXPECT_EQ(SpreadsheetApplication(), program + QStringLiteral(" --calc"));
    ASSERT_TRUE(OpenInSpreadsheetApplication(P("my book.xls")));
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(record) && timer.elapsed() < 20000)
        QThread::msleep(20);
    QFile f(record);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("--calc|") + P("my book.xls") + QLatin1Char('|'));
}

TEST_F(FileOperations, FailedReplaceKeepsTheOldFile)
{
    // A source that exists but cannot be read: reading /proc/self/mem at offset 0 fails (EIO).
    const QString unreadable = QStringLiteral("/proc/self/mem");
    ASSERT_TRUE(QFileInfo::exists(unreadable));
    Write(P("b/Wall.vcb"), "old");
    bool all = true;
    EXPECT_EQ(MessageOf([&] { CopyTree(unreadable, P("b/Wall.vcb"), all); }),
              QStringLiteral("Cannot read from the source file or disk"));
    EXPECT_EQ(Tree(P("b")), (QMap<QString, QByteArray>{{QStringLiteral("Wall.vcb"), QByteArray("old")}}));
    // A good replace leaves no temporary file behind.
    Write(P("a/Wall.vcb"), "new");
    CopyTree(P("a/Wall.vcb"), P("b/Wall.vcb"), all);
    EXPECT_EQ(Tree(P("b")), (QMap<QString, QByteArray>{{QStringLiteral("Wall.vcb"), QByteArray("new")}}));
    // A move that replaces keeps the new content and removes the source.
    Write(P("a/Wall.vcb"), "moved");
    MoveTree(P("a/Wall.vcb"), P("b/Wall.vcb"), all);
    EXPECT_EQ(Tree(P("b")), (QMap<QString, QByteArray>{{QStringLiteral("Wall.vcb"), QByteArray("moved")}}));
    EXPECT_FALSE(QFileInfo::exists(P("a/Wall.vcb")));
}

TEST(FileOver, FailedCopyLeavesTarget)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("t.vcb"));
    WriteFileAtomic(target, "old");
    EXPECT_FALSE(CopyFileOver(dir.filePath(QStringLiteral("missing")), target));
    EXPECT_FALSE(CopyFileOver(dir.path(), target)); // a folder is no file to copy
    EXPECT_FALSE(CopyFileOver(QStringLiteral("/proc/self/mem"), target));
    EXPECT_EQ(ReadWholeFile(target), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("t.vcb")});
}
