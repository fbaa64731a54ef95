#include "TestSupport.h"
#include "UnitException.h"
#include "UnitFileList.h"
#include "UnitTemplateList.h"
#include "UnitTextFile.h"
#include "UnitXml.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A fixed local time, so that packed times in files do not depend on the time zone.
const QDateTime Stamp(QDate(2024, 5, 6), QTime(7, 8, 10));
const std::int32_t StampPacked = ((44 << 9 | 5 << 5 | 6) << 16) | (7 << 11 | 8 << 5 | 5);

void SetTime(const QString &path, const QDateTime &time)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite)) << path.toStdString();
    ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
}

void WriteBytes(const QString &path, const QByteArray &bytes, const QDateTime &time = Stamp)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
    f.close();
    SetTime(path, time);
}

void CopyData(const QString &name, const QString &target, const QDateTime &time = Stamp)
{
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(TestDataFile(name), target));
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    SetTime(target, time);
}

QStringList Names(const TFileList &list)
{
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Items(i)->NameOnly();
    return names;
}

// The names listed in a cache file.
QStringList CachedNames(const QString &cacheFile)
{
    XmlDocument doc;
    doc.LoadFromFile(cacheFile);
    QStringList names;
    for (const auto &file : doc.Nodes.FindByName(QStringLiteral("FileList")).Children().FindByName(QStringLiteral("Data")).Children())
        names << file->Children().FindByName(QStringLiteral("FileName")).AsString();
    return names;
}

QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// A folder with two batches, a template, a report, an other file and a sub-folder, every file
// time set to Stamp.
class FileList : public IsolatedTest {
protected:
    QTemporaryDir Dir;
    QString Folder() const { return Dir.path() + QLatin1Char('/'); }
    QString P(const QString &name) const { return Folder() + name; }
    QString Cache() const { return P(QStringLiteral("cache.vcc")); }

    void SetUp() override
    {
        CopyData(QStringLiteral("BatchCover2x3.vcb"), P("wall 2.vcb"));
        CopyData(QStringLiteral("BatchHalfCellOld.vch"), P("Beam.vch"));
        CopyData(QStringLiteral("BridgeDeck.vct"), P("Deck.vct"));
        WriteBytes(P("Design.vcr"), "<Report/>");
        WriteBytes(P("notes.txt"), "n");
        QDir().mkpath(P("Site A"));
    }

    // What the folder view does: refresh, then show every row.
    void ShowAll(TFileList &list)
    {
        list.Refresh(Folder());
        list.LoadRange(0, list.Count() - 1);
    }
};

class FakeReport : public TFileDocument {
public:
    QByteArray Content;
    void Assign(const TPersistent *source) override
    {
        Content = dynamic_cast<const FakeReport &>(*source).Content;
    }
    void LoadFromFile(const QString &fileName) override
    {
        QFile f(fileName);
        if (!f.open(QIODevice::ReadOnly))
            throw Exception(QStringLiteral("cannot open"));
        Content = f.readAll();
    }
    void SaveToFile(const QString &fileName) override { WriteBytes(fileName, Content, QDateTime::currentDateTime()); }
};
} // namespace

TEST(FileListBasics, TypesAndPackedTimes)
{
    const struct {
        const char *name;
        std::uint8_t type;
    } cases[] = {{"a.vcb", FileTypeBatch},  {"a.VCH", FileTypeBatch},   {"b.Vct", FileTypeTemplate},
                 {"c.vcr", FileTypeReport}, {"d.vcb.txt", FileTypeOther}, {"vcb", FileTypeOther},
                 {"cache.vcc", FileTypeOther}, {".vcb", FileTypeBatch}};
    for (const auto &c : cases)
        EXPECT_EQ(FileTypeOfName(QString::fromLatin1(c.name)), c.type) << c.name;
    EXPECT_EQ(PackFileTime(Stamp), StampPacked);
    // Two-second resolution: odd seconds fall to the even second below.
    EXPECT_EQ(PackFileTime(Stamp.addSecs(1)), StampPacked);
    EXPECT_EQ(PackFileTime(QDateTime(QDate(1970, 1, 1), QTime(0, 0))), (1 << 5 | 1) << 16);
    EXPECT_EQ(PackFileTime(QDateTime()), FileTimeUnknown);
    EXPECT_EQ(PackedFileTime(QStringLiteral("/no/such/file.vcb")), FileTimeUnknown);
    // Dates after 2043 use the sign bit but never become the unknown value.
    EXPECT_NE(PackFileTime(QDateTime(QDate(2107, 12, 31), QTime(23, 59, 59))), FileTimeUnknown);
    EXPECT_LT(PackFileTime(QDateTime(QDate(2050, 1, 1), QTime(0, 0))), 0);
}

TEST_F(FileList, ListFolderSeesEveryEntryWithTypeAndTime)
{
    WriteBytes(Cache(), "<FileList/>");
    TFileList list;
    TFileList::ListFolder(Dir.path(), list);
    QStringList names = Names(list);
    names.sort();
    EXPECT_EQ(names, (QStringList{"Beam.vch", "Deck.vct", "Design.vcr", "Site A", "cache.vcc", "notes.txt", "wall 2.vcb"}));
    const TFileItem *batch = list.Items(list.IndexOf(P("Beam.vch"), FileTypeAny));
    EXPECT_EQ(batch->FileType, FileTypeBatch);
    EXPECT_EQ(batch->FileModifiedTime, StampPacked);
    EXPECT_EQ(batch->LoadState, LoadStateNone);
    EXPECT_EQ(batch->ImageIndex, -1);
    EXPECT_EQ(list.Items(list.IndexOf(P("Site A"), FileTypeAny))->FileType, FileTypeFolder);
    TFileList::ListFolder(P("missing"), list);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(FileList, FirstListingLoadsSortsAndWritesTheExpectedCache)
{
    TFileList list;
    EXPECT_TRUE(list.Refresh(Dir.path()));
    EXPECT_EQ(list.Folder(), Folder());
    EXPECT_EQ(Names(list), (QStringList{"Site A", "Beam.vch", "wall 2.vcb", "Deck.vct", "Design.vcr", "notes.txt"}));
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.Items(i)->FileModifiedTime, FileTimeUnknown);
    EXPECT_EQ(CachedNames(Cache()), Names(list));

    list.LoadRange(0, list.Count() - 1);
    const TFileItem *wall = list.Items(2);
    EXPECT_EQ(wall->LoadState, LoadStateLoaded);
    EXPECT_EQ(wall->Batch.ID, QStringLiteral("wall 2"));
    EXPECT_EQ(wall->Batch.Rows, 3);
    EXPECT_EQ(list.Items(3)->LoadState, LoadStateLoaded);
    EXPECT_EQ(list.Items(3)->Template().AutoInc, 43);
    EXPECT_EQ(list.Items(0)->LoadState, LoadStateNone); // folders are not loaded
    EXPECT_EQ(list.Items(5)->LoadState, LoadStateNone); // nor other files
    EXPECT_EQ(list.Items(5)->FileModifiedTime, StampPacked);
    EXPECT_FALSE(list.Modified);
    // The cache now knows the time of every file and the batch headers (folders are never loaded).
    EXPECT_EQ(ReadBytes(Cache()), ReadBytes(TestDataFile(QStringLiteral("FolderCache.vcc"))));
}

TEST_F(FileList, SecondListingComesFromTheCacheWithoutOpeningBatches)
{
    {
        TFileList first;
        ShowAll(first);
    }
    // Garbage with the same time: a batch opened now would fail to load.
    WriteBytes(P("wall 2.vcb"), "not a batch");
    const QByteArray cacheBefore = ReadBytes(Cache());
    TFileList list;
    EXPECT_FALSE(list.Refresh(Dir.path()));
    list.LoadRange(0, list.Count() - 1);
    const TFileItem *wall = list.Items(list.IndexOf(P("wall 2.vcb"), FileTypeBatch));
    EXPECT_EQ(wall->LoadState, LoadStateCached);
    EXPECT_EQ(wall->Batch.ID, QStringLiteral("wall 2"));
    EXPECT_EQ(wall->Batch.Path, Folder());
    EXPECT_EQ(wall->Batch.BatchType, BatchTypeCover);
    EXPECT_EQ(wall->Batch.Columns, 2);
    EXPECT_EQ(wall->Batch.Rows, 3);
    EXPECT_EQ(wall->Batch.Readings, 4);
    EXPECT_EQ(ReadBytes(Cache()), cacheBefore);
    // Setting the same folder again changes nothing.
    list.Items(0)->ImageIndex = 7;
    list.SetFolder(Folder());
    EXPECT_EQ(list.Items(0)->ImageIndex, 7);
}

TEST_F(FileList, CacheCasesDroppedChangedAndNewFiles)
{
    {
        TFileList first;
        ShowAll(first);
    }
    ASSERT_TRUE(QFile::remove(P("Beam.vch")));
    // Changed on disk since the cache was written: another batch under the same name.
    CopyData(QStringLiteral("BatchHalfCellOld.vch"), P("wall 2.vcb"), Stamp.addSecs(60));
    CopyData(QStringLiteral("BatchCover2x3.vcb"), P("new.vcb"));

    TFileList list;
    EXPECT_TRUE(list.Refresh(Dir.path()));
    EXPECT_EQ(list.IndexOf(P("Beam.vch"), FileTypeAny), -1);
    EXPECT_FALSE(CachedNames(Cache()).contains(QStringLiteral("Beam.vch")));
    const int added = list.IndexOf(P("new.vcb"), FileTypeBatch);
    ASSERT_GE(added, 0);
    EXPECT_EQ(list.Items(added)->FileModifiedTime, FileTimeUnknown);
    EXPECT_EQ(list.Items(added)->LoadState, LoadStateNone);
    TFileItem *wall = list.Items(list.IndexOf(P("wall 2.vcb"), FileTypeBatch));
    EXPECT_EQ(wall->LoadState, LoadStateCached);
    EXPECT_TRUE(wall->IsChanged());

    list.LoadRange(0, list.Count() - 1);
    EXPECT_EQ(wall->LoadState, LoadStateLoaded);
    EXPECT_EQ(wall->Batch.BatchType, BatchTypeHalfCell);
    EXPECT_EQ(wall->Batch.Rows, 4);
    EXPECT_EQ(list.Items(added)->LoadState, LoadStateLoaded);

    // The rewritten cache tells the next listing the new header.
    TFileList next;
    next.Refresh(Dir.path());
    const TFileItem *cached = next.Items(next.IndexOf(P("wall 2.vcb"), FileTypeBatch));
    EXPECT_EQ(cached->LoadState, LoadStateCached);
    EXPECT_EQ(cached->Batch.BatchType, BatchTypeHalfCell);
    EXPECT_EQ(cached->Batch.Rows, 4);
    EXPECT_FALSE(cached->IsChanged());
    EXPECT_FALSE(CachedNames(Cache()).contains(QStringLiteral("cache.vcc")));
}

TEST_F(FileList, EntryWhoseTypeChangedIsReplaced)
{
    {
        TFileList first;
        ShowAll(first);
    }
    ASSERT_TRUE(QFile::remove(P("notes.txt")));
    QDir().mkpath(P("notes.txt"));
    TFileList list;
    EXPECT_TRUE(list.Refresh(Dir.path()));
    EXPECT_EQ(list.IndexOf(P("notes.txt"), FileTypeOther), -1);
    EXPECT_EQ(list.IndexOf(P("notes.txt"), FileTypeFolder), 0);
}

TEST_F(FileList, CorruptOrHostileCacheIsIgnored)
{
    const struct {
        const char *what;
        QByteArray content;
    } cases[] = {
        {"garbage", QByteArray::fromHex("0001ff3c3c3c6e6f7420786d6c")},
        {"empty", QByteArray()},
        {"truncated", "<?xml version=\"1.0\"?>\n<FileList>\n  <Data>\n    <File>\n      <FileType>1</FileType>\n      <FileName>Beam.vch</Fi"},
        {"other root", "<Batch><Data><File><FileType>1</FileType><FileName>x.vcb</FileName></File></Data></Batch>"},
        {"escaping names",
         "<FileList><Data><File><FileType>1</FileType><FileName>../outside.vcb</FileName></File>"
         "<File><FileType>1</FileType><FileName>..</FileName></File>"
         "<File><FileType>1</FileType><FileName></FileName></File></Data></FileList>"},
    };
    for (const auto &c : cases) {
        WriteBytes(Cache(), c.content);
        TFileList list;
        list.SetFolder(Dir.path());
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_TRUE(list.Items(i)->FileName.startsWith(Folder()) && !list.Items(i)->NameOnly().contains(QLatin1String("..")))
                << c.what;
        list.Refresh(Dir.path());
        list.LoadRange(0, list.Count() - 1);
        EXPECT_EQ(Names(list), (QStringList{"Site A", "Beam.vch", "wall 2.vcb", "Deck.vct", "Design.vcr", "notes.txt"}))
            << c.what;
        EXPECT_EQ(CachedNames(Cache()), Names(list)) << c.what;
    }
}

TEST_F(FileList, CacheEntriesReadBeforeAFaultAreKept)
{
    WriteBytes(Cache(), "<?xml version=\"1.0\"?>\n<FileList>\n  <Data>\n    <File>\n      <FileType>1</FileType>\n"
                        "      <FileName>Beam.vch</FileName>\n      <FileModifiedTime>" +
                            QByteArray::number(StampPacked) +
                            "</FileModifiedTime>\n      <BatchType>1</BatchType>\n      <Rows>9</Rows>\n"
                            "      <Columns>1</Columns>\n      <Readings>5</Readings>\n    </File>\n    <File>\n   <File");
    TFileList list;
    list.SetFolder(Dir.path());
    ASSERT_GE(list.Count(), 1);
    EXPECT_EQ(list.Items(0)->NameOnly(), QStringLiteral("Beam.vch"));
    EXPECT_EQ(list.Items(0)->Batch.Rows, 9);
    EXPECT_FALSE(list.Modified);
    list.Refresh(Dir.path());
    const TFileItem *beam = list.Items(list.IndexOf(P("Beam.vch"), FileTypeBatch));
    EXPECT_EQ(beam->LoadState, LoadStateCached);
    EXPECT_EQ(beam->Batch.Rows, 9); // trusted: its time is unchanged
}

TEST_F(FileList, SortPutsTypesFirstThenNamesIgnoringCase)
{
    TFileList list;
    const struct {
        const char *name;
        std::uint8_t type;
    } entries[] = {{"b.txt", FileTypeOther}, {"Zed.vcb", FileTypeBatch}, {"apple.vcb", FileTypeBatch},
                   {"x", FileTypeFolder},   {"B.vcr", FileTypeReport},  {"Apple2.vct", FileTypeTemplate},
                   {"A", FileTypeFolder}};
    for (const auto &e : entries) {
        TFileItem *item = list.Add();
        item->FileName = QStringLiteral("/f/") + QString::fromLatin1(e.name);
        item->FileType = e.type;
    }
    list.Sort();
    EXPECT_EQ(Names(list), (QStringList{"A", "x", "apple.vcb", "Zed.vcb", "Apple2.vct", "B.vcr", "b.txt"}));
    EXPECT_EQ(list.IndexOf(QStringLiteral("/f/zed.vcb"), FileTypeAny), -1);
    EXPECT_EQ(list.IndexOf(QStringLiteral("/f/Zed.vcb"), FileTypeTemplate), -1);
    EXPECT_EQ(list.IndexOf(QStringLiteral("/f/Zed.vcb"), FileTypeBatch), 3);
    list.DeleteType(FileTypeFolder);
    list.DeleteName(QStringLiteral("b.vcr"));
    EXPECT_EQ(Names(list), (QStringList{"apple.vcb", "Zed.vcb", "Apple2.vct", "B.vcr", "b.txt"}));
    list.DeleteName(QStringLiteral("B.vcr"));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(MessageOf([&] { list.Items(4); }), QStringLiteral("List index out of bounds (4)"));
}

TEST_F(FileList, AssignCopiesByTypeAndState)
{
    TFileList list;
    ShowAll(list);
    TFileItem *wall = list.Items(list.IndexOf(P("wall 2.vcb"), FileTypeBatch));
    TFileItem copy;
    copy.Assign(wall);
    EXPECT_EQ(copy.FileName, wall->FileName);
    EXPECT_EQ(copy.LoadState, LoadStateLoaded);
    EXPECT_EQ(copy.Batch.Site, wall->Batch.Site);
    EXPECT_EQ(copy.Batch.Value(1, 2), wall->Batch.Value(1, 2));

    TFileList cached;
    cached.Refresh(Dir.path());
    TFileItem header;
    header.Assign(cached.Items(cached.IndexOf(P("wall 2.vcb"), FileTypeBatch)));
    EXPECT_EQ(header.LoadState, LoadStateCached);
    EXPECT_EQ(header.Batch.Rows, 3);
    EXPECT_EQ(header.Batch.Columns, 2);
    EXPECT_EQ(header.Batch.Readings, 4);
    EXPECT_FALSE(header.Batch.HasCells());

    TFileItem deck;
    deck.Assign(list.Items(list.IndexOf(P("Deck.vct"), FileTypeTemplate)));
    EXPECT_EQ(deck.Template().AutoInc, 43);

    TBatchItem notAFileItem;
    EXPECT_EQ(MessageOf([&] { copy.Assign(&notAFileItem); }), QStringLiteral("Cannot assign object to File item"));
    EXPECT_EQ(MessageOf([&] { copy.Assign(nullptr); }), QStringLiteral("Cannot assign object to File item"));
}

TEST_F(FileList, LoadAndSave)
{
    TFileList list;
    list.Refresh(Dir.path());
    TFileItem *beam = list.Items(list.IndexOf(P("Beam.vch"), FileTypeBatch));
    EXPECT_FALSE(beam->Save()); // not loaded
    ASSERT_TRUE(beam->Load());
    EXPECT_TRUE(list.Modified);
    beam->Batch.Site = QStringLiteral("Changed");
    ASSERT_TRUE(beam->Save());
    EXPECT_FALSE(beam->IsChanged());
    TBatchItem back;
    back.LoadFromFile(P("Beam.vch"));
    EXPECT_EQ(back.Site, QStringLiteral("Changed"));

    // A file that cannot be loaded stays in state 0 with an unknown time.
    WriteBytes(P("Beam.vch"), "<Batch><Columns>x");
    WriteBytes(P("Beam.vch"), QByteArray());
    EXPECT_FALSE(beam->Load());
    EXPECT_EQ(beam->LoadState, LoadStateNone);
    EXPECT_EQ(beam->FileModifiedTime, FileTimeUnknown);
    EXPECT_EQ(beam->Batch.Rows, 0);
    ASSERT_TRUE(QFile::remove(P("Deck.vct")));
    TFileItem *deck = list.Items(list.IndexOf(P("Deck.vct"), FileTypeTemplate));
    EXPECT_FALSE(deck->Load());
    EXPECT_TRUE(deck->IsChanged() == false); // gone, and known as unknown
}

TEST_F(FileList, ReportEntriesWaitForTheReportDocument)
{
    TFileList list;
    ShowAll(list);
    TFileItem *design = list.Items(list.IndexOf(P("Design.vcr"), FileTypeReport));
    EXPECT_EQ(design->LoadState, LoadStateNone);
    EXPECT_EQ(design->Report(), nullptr);
    EXPECT_EQ(design->FileModifiedTime, StampPacked);

    SetReportDocumentFactory([] { return std::make_unique<FakeReport>(); });
    EXPECT_TRUE(design->Load());
    EXPECT_EQ(design->LoadState, LoadStateLoaded);
    ASSERT_NE(design->Report(), nullptr);
    EXPECT_EQ(static_cast<FakeReport *>(design->Report())->Content, QByteArray("<Report/>"));
    TFileItem copy;
    copy.Assign(design);
    ASSERT_NE(copy.Report(), nullptr);
    EXPECT_NE(copy.Report(), design->Report());
    EXPECT_TRUE(design->Save());
    SetReportDocumentFactory(nullptr);
}

TEST_F(FileList, SwitchingFoldersStartsFromTheOtherCache)
{
    QTemporaryDir other;
    CopyData(QStringLiteral("BatchCover2x3.vcb"), other.path() + QStringLiteral("/only.vcb"));
    TFileList list;
    ShowAll(list);
    {
        TFileList o;
        ShowAll(o);
        o.Refresh(other.path());
    }
    list.SetFolder(other.path());
    EXPECT_EQ(Names(list), QStringList{"only.vcb"});
    EXPECT_EQ(list.Items(0)->LoadState, LoadStateCached);
    // Without a cache, the refresh replaces the old folder's entries.
    QFile::remove(Cache());
    list.Refresh(Dir.path());
    EXPECT_EQ(Names(list), (QStringList{"Site A", "Beam.vch", "wall 2.vcb", "Deck.vct", "Design.vcr", "notes.txt"}));
    EXPECT_TRUE(QFileInfo::exists(Cache()));
}

TEST_F(FileList, CacheReadsOwnAndForeignLayoutsAlike)
{
    // A name with characters the files escape, written by this program...
    CopyData(QStringLiteral("BatchCover2x3.vcb"), P("R&D 'x' <1>.vcb"));
    TFileList own;
    ShowAll(own);
    ASSERT_TRUE(ReadBytes(Cache()).contains("<FileName>R&amp;D &pos;x&pos; &lt;1&gt;.vcb</FileName>"))
        << ReadBytes(Cache()).toStdString();
    TFileList fromOwn;
    fromOwn.LoadCache(Cache());

    // ...and the same entries in another layout: other line ends, no indentation, other element
    // order, an unknown element.
    QByteArray foreign = "<?xml version=\"1.0\"?>\n<FileList><Data>";
    for (int i = 0; i < own.Count(); ++i) {
        const TFileItem &item = *own.Items(i);
        XmlDocument name;
        name.Nodes.AddChild(QStringLiteral("FileName")).SetAsString(item.NameOnly());
        foreign += "<File><Extra>1</Extra><FileName>" + name.Nodes.Items(0).Text.toUtf8() + "</FileName><FileType>" +
                   QByteArray::number(item.FileType) + "</FileType><Readings>" + QByteArray::number(item.Batch.Readings) +
                   "</Readings><Rows>" + QByteArray::number(item.Batch.Rows) + "</Rows><Columns>" +
                   QByteArray::number(item.Batch.Columns) + "</Columns><BatchType>" +
                   QByteArray::number(item.Batch.BatchType) + "</BatchType><FileModifiedTime>" +
                   QByteArray::number(item.FileModifiedTime) + "</FileModifiedTime></File>\n";
    }
    foreign += "</Data></FileList>\n";
    WriteBytes(Cache(), foreign);
    TFileList fromForeign;
    fromForeign.LoadCache(Cache());

    ASSERT_EQ(fromOwn.Count(), own.Count());
    ASSERT_EQ(fromForeign.Count(), own.Count());
    for (int i = 0; i < own.Count(); ++i) {
        for (const TFileList *read : {&fromOwn, &fromForeign}) {
            const TFileItem &a = *own.Items(i), &b = *read->Items(i);
            EXPECT_EQ(b.FileName, a.FileName);
            EXPECT_EQ(b.FileType, a.FileType);
            EXPECT_EQ(b.FileModifiedTime, a.FileModifiedTime);
            EXPECT_EQ(b.Batch.Rows, a.Batch.Rows);
            EXPECT_EQ(b.Batch.Columns, a.Batch.Columns);
            EXPECT_EQ(b.Batch.Readings, a.Batch.Readings);
            EXPECT_EQ(b.Batch.BatchType, a.Batch.BatchType);
            EXPECT_EQ(b.LoadState, a.FileType == FileTypeBatch ? LoadStateCached : LoadStateNone);
        }
    }
    EXPECT_EQ(fromOwn.Items(fromOwn.IndexOf(P("R&D 'x' <1>.vcb"), FileTypeBatch))->Batch.ID, QStringLiteral("R&D 'x' <1>"));
}

TEST(FileListBasics, TemporariesOfOtherProgramsAreSkippedConflictCopiesAreNot)
{
    const struct {
        const char *Name;
        bool Temporary;
    } cases[] = {
        {".wall.vcb.ab12cd.part", true},      // our own atomic save
        {".~lock.wall.vcb#", true},           // office lock file
        {"~$wall.vcb", true},                 // office owner file
        {".nfs000000000123abcd00000001", true}, // NFS: deleted while open
        {".fuse_hidden0000001a00000002", true}, // FUSE: the same
        {".syncthing.wall.vcb.tmp", true},    // synchronisation tool, being downloaded
        {".wall.vcb.TMP", true},
        {"wall.vcb", false},
        {"wall (conflicted copy 2026-12-01).vcb", false},
        {"wall.sync-conflict-20261201-123456-ABCDEFG.vcb", false},
        {"wall (Case Conflict).vcb", false},
        {"notes.tmp", false}, // visible: a user's own file
        {".nfsd-config", false},
        {".nfs", false},
        {"~$", false},
        {".hidden.vcb", false},
        {"wall.vcb~", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsTemporaryFileName(QString::fromUtf8(c.Name)), c.Temporary) << c.Name;
}

TEST_F(FileList, SharedFolderListsConflictCopiesAndRebuildsAForeignCache)
{
    // Left by other programs on the shared folder.
    WriteBytes(P(".~lock.wall 2.vcb#"), "user,host");
    WriteBytes(P("~$wall 2.vcb"), "owner");
    WriteBytes(P(".nfs0000000000a1b2c300000004"), "gone");
    WriteBytes(P(".wall 2.vcb.tmp"), "partial");
    CopyData(QStringLiteral("BatchCover2x3.vcb"), P("wall 2 (conflicted copy 2026-12-01).vcb"));
    CopyData(QStringLiteral("BatchHalfCellOld.vch"), P("wall 2.sync-conflict-20261201-123456-ABCDEFG.vch"));
    // A cache written by another computer: it names a batch that is not here, misses the
    // conflict copies and claims another header for "wall 2.vcb" at another time.
    WriteBytes(Cache(), "<FileList><Data>"
                        "<File><FileType>1</FileType><FileName>gone.vcb</FileName><FileModifiedTime>1</FileModifiedTime>"
                        "<BatchType>0</BatchType><Rows>9</Rows><Columns>9</Columns><Readings>81</Readings></File>"
                        "<File><FileType>1</FileType><FileName>wall 2.vcb</FileName><FileModifiedTime>1</FileModifiedTime>"
                        "<BatchType>1</BatchType><Rows>40</Rows><Columns>40</Columns><Readings>1600</Readings></File>"
                        "</Data></FileList>");
    TFileList list;
    ShowAll(list);
    QStringList names = Names(list);
    names.sort();
    EXPECT_EQ(names, (QStringList{"Beam.vch", "Deck.vct", "Design.vcr", "Site A", "notes.txt",
                                  "wall 2 (conflicted copy 2026-12-01).vcb",
                                  "wall 2.sync-conflict-20261201-123456-ABCDEFG.vch", "wall 2.vcb"}));
    for (const QString &name : {QStringLiteral("wall 2.vcb"), QStringLiteral("wall 2 (conflicted copy 2026-12-01).vcb")}) {
        const TFileItem *item = list.Items(list.IndexOf(P(name), FileTypeBatch));
        EXPECT_EQ(item->LoadState, LoadStateLoaded) << name.toStdString();
        EXPECT_EQ(item->Batch.Rows, 3) << name.toStdString();
        EXPECT_EQ(item->Batch.BatchType, BatchTypeCover) << name.toStdString();
    }
    EXPECT_EQ(list.Items(list.IndexOf(P("wall 2.sync-conflict-20261201-123456-ABCDEFG.vch"), FileTypeBatch))->Batch.Rows, 4);
    // The cache now tells what is on disk.
    EXPECT_EQ(CachedNames(Cache()), Names(list));
    TFileList next;
    next.Refresh(Dir.path());
    EXPECT_EQ(next.Items(next.IndexOf(P("wall 2.vcb"), FileTypeBatch))->Batch.Rows, 3);
}

TEST_F(FileList, AnEntryKnowsWhenAnotherProgramChangedItsFile)
{
    TFileList list;
    ShowAll(list);
    TFileItem *wall = list.Items(list.IndexOf(P("wall 2.vcb"), FileTypeBatch));
    EXPECT_FALSE(wall->ChangedOnDisk());
    TFileItem copy;
    copy.Assign(wall);
    EXPECT_FALSE(copy.ChangedOnDisk());

    // Another program replaces the file with one of the same size and time.
    const QByteArray bytes = ReadBytes(P("wall 2.vcb"));
    QByteArray other = bytes;
    other.replace("Pier 3", "Pier 4");
    ASSERT_EQ(other.size(), bytes.size());
    WriteBytes(P(".wall.new"), other);
    ASSERT_TRUE(QFile::remove(P("wall 2.vcb")));
    ASSERT_TRUE(QFile::rename(P(".wall.new"), P("wall 2.vcb")));
    EXPECT_FALSE(wall->IsChanged()); // the packed time cannot tell
    EXPECT_TRUE(wall->ChangedOnDisk());
    EXPECT_TRUE(copy.ChangedOnDisk());
    // The folder view's next look reads it again.
    list.LoadRange(0, list.Count() - 1);
    EXPECT_EQ(wall->Batch.Location, QStringLiteral("Pier 4"));
    EXPECT_FALSE(wall->ChangedOnDisk());

    // Our own save, and a new load, take the file as it is now.
    ASSERT_TRUE(copy.Save());
    EXPECT_FALSE(copy.ChangedOnDisk());
    EXPECT_TRUE(wall->ChangedOnDisk());
    ASSERT_TRUE(wall->Load());
    EXPECT_FALSE(wall->ChangedOnDisk());
    ASSERT_TRUE(QFile::remove(P("wall 2.vcb")));
    EXPECT_TRUE(wall->ChangedOnDisk());
    // Entries never read from disk have nothing to compare.
    TFileList cached;
    cached.Refresh(Dir.path());
    for (int i = 0; i < cached.Count(); ++i)
        EXPECT_FALSE(cached.Items(i)->ChangedOnDisk()) << cached.Items(i)->NameOnly().toStdString();
}
