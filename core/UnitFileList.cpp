#include "UnitFileList.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitStorage.h"
#include "UnitTemplateList.h"
#include "UnitTextFile.h"
#include "UnitXml.h"

#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

TFileDocumentFactory &ReportFactory()
{
    static TFileDocumentFactory factory;
    return factory;
}

// What the cache remembers of an entry: a load that changes none of it leaves the cache current.
struct TCachedValues {
    std::int32_t Time;
    int BatchType, Rows, Columns, Readings;
    bool operator==(const TCachedValues &) const = default;
};

TCachedValues CachedValues(const TFileItem &item)
{
    return {item.FileModifiedTime, item.Batch.BatchType, item.Batch.Rows, item.Batch.Columns, item.Batch.Readings};
}

// Reads a cache in exactly the layout SaveCache writes (declaration, FileList, Data, then File
// elements with their seven values in order), the common case, without building a document
// tree: a folder of many batches is listed in a fraction of the time. Anything else gives false.
bool ReadCacheLayout(const QString &text, std::vector<TCacheEntry> &entries)
{
    const QStringView all(text);
    qsizetype at = 0;
    const auto skipBlanks = [&] {
        while (at < all.size() && all[at].isSpace())
            ++at;
    };
    const auto take = [&](QStringView token) {
        skipBlanks();
        if (!all.mid(at).startsWith(token))
            return false;
        at += token.size();
        return true;
    };
    // One leaf element "<name>value</name>"; the value is the raw text, as the general reader keeps it.
    const auto leaf = [&](QStringView name, QStringView &value) {
        skipBlanks();
        if (at + name.size() + 2 > all.size() || all[at] != QLatin1Char('<') || all.sliced(at + 1, name.size()) != name ||
            all[at + 1 + name.size()] != QLatin1Char('>'))
            return false;
        at += name.size() + 2;
        const qsizetype end = all.indexOf(QLatin1Char('<'), at);
        if (end < 0)
            return false;
        const qsizetype closeEnd = end + 2 + name.size();
        if (closeEnd >= all.size() || all[end + 1] != QLatin1Char('/') || all.sliced(end + 2, name.size()) != name ||
            all[closeEnd] != QLatin1Char('>'))
            return false;
        value = all.sliced(at, end - at);
        at = closeEnd + 1;
        return true;
    };
    skipBlanks();
    if (all.mid(at).startsWith(u"<?")) {
        const qsizetype end = all.indexOf(u"?>", at);
        if (end < 0)
            return false;
        at = end + 2;
    }
    if (!take(u"<FileList>") || !take(u"<Data>"))
        return false;
    static const QStringView names[] = {u"FileType", u"FileName", u"FileModifiedTime", u"BatchType",
                                        u"Rows",     u"Columns",  u"Readings"};
    entries.reserve(static_cast<size_t>(all.size() / 200));
    for (;;) {
        if (take(u"</Data>"))
            break;
        if (!take(u"<File>"))
            return false;
        QStringView values[7];
        for (int i = 0; i < 7; ++i)
            if (!leaf(names[i], values[i]))
                return false;
        if (!take(u"</File>"))
            return false;
        entries.push_back({FileTextToInt(values[0].toString()), XmlDecode(values[1].toString()),
                           FileTextToInt(values[2].toString()), FileTextToInt(values[3].toString()),
                           FileTextToInt(values[4].toString()), FileTextToInt(values[5].toString()),
                           FileTextToInt(values[6].toString())});
    }
    if (!take(u"</FileList>"))
        return false;
    skipBlanks();
    return at == all.size();
}

TFileStamp StampOf(const struct stat &st)
{
    return {static_cast<qint64>(st.st_size), st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
            st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec};
}

} // namespace

std::uint8_t FileTypeOfName(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return FileTypeOther;
    const QString extension = name.mid(dot).toLower();
    if (extension == QLatin1String(".vcb") || extension == QLatin1String(".vch"))
        return FileTypeBatch;
    if (extension == QLatin1String(".vct"))
        return FileTypeTemplate;
    if (extension == QLatin1String(".vcr"))
        return FileTypeReport;
    return FileTypeOther;
}

std::int32_t PackFileTime(const QDateTime &time)
{
    if (!time.isValid())
        return FileTimeUnknown;
    return PackUnixFileTime(time.toSecsSinceEpoch());
}

std::int32_t PackUnixFileTime(qint64 secondsSinceEpoch)
{
    const time_t seconds = static_cast<time_t>(secondsSinceEpoch);
    struct tm local {};
    if (!::localtime_r(&seconds, &local))
        return FileTimeUnknown;
    int year = local.tm_year + 1900, month = local.tm_mon + 1, day = local.tm_mday;
    int hour = local.tm_hour, minute = local.tm_min, second = local.tm_sec;
    if (year < 1980) {
        year = 1980, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    } else if (year > 2107) {
        year = 2107, month = 12, day = 31, hour = 23, minute = 59, second = 58;
    }
    second = std::min(second, 59); // a leap second stays in its minute
    const std::uint32_t packedDate = (std::uint32_t(year - 1980) << 9) | (std::uint32_t(month) << 5) | std::uint32_t(day);
    const std::uint32_t packedTime = (std::uint32_t(hour) << 11) | (std::uint32_t(minute) << 5) | std::uint32_t(second / 2);
    return static_cast<std::int32_t>((packedDate << 16) | packedTime);
}

std::int32_t PackedFileTime(const QString &path)
{
    // One stat call: this runs for every entry shown, so it avoids the heavier file-info objects.
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileTimeUnknown;
    return PackUnixFileTime(st.st_mtime);
}

void SetReportDocumentFactory(TFileDocumentFactory factory) { ReportFactory() = std::move(factory); }

// --- TFileItem

TFileItem::TFileItem(TFileList *owner) : FOwner(owner) {}

TFileItem::~TFileItem() = default;

TTemplateList &TFileItem::Template()
{
    if (!FTemplate)
        FTemplate = std::make_unique<TTemplateList>();
    return *FTemplate;
}

void TFileItem::Assign(const TPersistent *source)
{
    const auto *item = dynamic_cast<const TFileItem *>(source);
    if (!item)
        throw Exception(Tr("Cannot assign object to File item"));
    if (item == this)
        return;
    FileType = item->FileType;
    FileName = item->FileName;
    Node = item->Node;
    LoadState = item->LoadState;
    ImageIndex = item->ImageIndex;
    FileModifiedTime = item->FileModifiedTime;
    DiskStamp = item->DiskStamp;
    switch (FileType) {
    case FileTypeBatch:
        if (LoadState == LoadStateLoaded) {
            Batch.Assign(&item->Batch);
        } else if (LoadState == LoadStateCached) {
            Batch.ID = item->Batch.ID;
            Batch.Path = item->Batch.Path;
            Batch.BatchType = item->Batch.BatchType;
            Batch.Rows = item->Batch.Rows;
            Batch.Columns = item->Batch.Columns;
            Batch.Readings = item->Batch.Readings;
        }
        break;
    case FileTypeTemplate:
        if (item->FTemplate)
            Template().Assign(item->FTemplate.get());
        else
            FTemplate.reset();
        break;
    case FileTypeReport:
        FReport.reset();
        if (item->FReport && ReportFactory()) {
            FReport = ReportFactory()();
            FReport->Assign(item->FReport.get());
        }
        break;
    default:
        break;
    }
}

QString TFileItem::NameOnly() const
{
    const int slash = FileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? FileName : FileName.mid(slash + 1);
}

bool TFileItem::IsChanged() const { return PackedFileTime(FileName) != FileModifiedTime; }

bool TFileItem::Load()
{
    // Loading replaces a report entry's document: the views of the list let go of it first.
    std::optional<TFileList::TReloadScope> reload;
    if (FOwner)
        reload.emplace(*FOwner);
    const TCachedValues before = CachedValues(*this);
    LoadState = LoadStateNone;
    FileModifiedTime = FileTimeUnknown;
    // Taken before reading: a write that lands while the file is read shows as a change later.
    DiskStamp = TFileStamp::Of(FileName);
    bool ok = true;
    try {
        switch (FileType) {
        case FileTypeBatch:
            Batch.LoadFromFile(FileName);
            LoadState = LoadStateLoaded;
            break;
        case FileTypeTemplate:
            Template().LoadFromFile(FileName);
            LoadState = LoadStateLoaded;
            break;
        case FileTypeReport:
            if (ReportFactory()) {
                auto report = ReportFactory()();
                report->LoadFromFile(FileName);
                FReport = std::move(report);
                LoadState = LoadStateLoaded;
            }
            break;
        default:
            break;
        }
        FileModifiedTime = PackedFileTime(FileName);
    } catch (...) {
        // The views show an entry that cannot be loaded without details.
        ok = false;
        LoadState = LoadStateNone;
        FileModifiedTime = FileTimeUnknown;
        DiskStamp = {};
        if (FileType == FileTypeBatch)
            Batch.Clear();
    }
    if (FOwner && !(CachedValues(*this) == before))
        FOwner->Modified = true;
    return ok;
}

bool TFileItem::Save()
{
    try {
        if (LoadState != LoadStateLoaded)
            throw Exception(Tr("Cannot save file that is not loaded"));
        switch (FileType) {
        case FileTypeBatch:
            Batch.SaveToFile(FileName);
            break;
        case FileTypeTemplate:
            Template().SaveToFile(FileName);
            break;
        case FileTypeReport:
            if (!FReport)
                throw Exception(Tr("Cannot save file that is not loaded"));
            FReport->SaveToFile(FileName);
            break;
        default:
            break;
        }
        DiskStamp = TFileStamp::Of(FileName);
        const std::int32_t time = PackedFileTime(FileName);
        if (FOwner && time != FileModifiedTime)
            FOwner->Modified = true;
        FileModifiedTime = time;
        return true;
    } catch (...) {
        return false;
    }
}

TFileStamp TFileStamp::Of(const QString &fileName)
{
    struct stat st {};
    if (fileName.isEmpty() || ::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return {};
    return StampOf(st);
}

void TFileItem::LoadFromCache(const QString &folder, const XmlNodeList &nodes)
{
    TCacheEntry entry;
    entry.FileType = nodes.FindByName(QStringLiteral("FileType")).AsInteger();
    entry.Name = nodes.FindByName(QStringLiteral("FileName")).AsString();
    entry.Time = nodes.FindByName(QStringLiteral("FileModifiedTime")).AsInteger();
    entry.BatchType = nodes.FindByName(QStringLiteral("BatchType")).AsInteger();
    entry.Rows = nodes.FindByName(QStringLiteral("Rows")).AsInteger();
    entry.Columns = nodes.FindByName(QStringLiteral("Columns")).AsInteger();
    entry.Readings = nodes.FindByName(QStringLiteral("Readings")).AsInteger();
    LoadFromCache(folder, entry);
}

void TFileItem::LoadFromCache(const QString &folder, const TCacheEntry &entry)
{
    const QString &name = entry.Name;
    // The cache names entries of its own folder only; anything else would lead loads and saves
    // outside it.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        throw Exception(Tr("Invalid file name in folder cache"));
    const QString path = IncludeTrailingSlash(folder);
    FileType = static_cast<std::uint8_t>(entry.FileType);
    FileName = path + name;
    Node = nullptr;
    LoadState = LoadStateNone;
    ImageIndex = -1;
    DiskStamp = {};
    FileModifiedTime = entry.Time;
    if (FileType == FileTypeBatch) {
        Batch.ID = NameWithoutExtension(name);
        Batch.Path = path;
        Batch.BatchType = static_cast<std::uint8_t>(entry.BatchType);
        Batch.Rows = entry.Rows;
        Batch.Columns = entry.Columns;
        Batch.Readings = entry.Readings;
        LoadState = LoadStateCached;
    }
}

void TFileItem::SaveToCache(XmlNodeList &nodes) const
{
    nodes.AddChild(QStringLiteral("FileType")).SetAsInteger(FileType);
    nodes.AddChild(QStringLiteral("FileName")).SetAsString(NameOnly());
    nodes.AddChild(QStringLiteral("FileModifiedTime")).SetAsInteger(FileModifiedTime);
    nodes.AddChild(QStringLiteral("BatchType")).SetAsInteger(Batch.BatchType);
    nodes.AddChild(QStringLiteral("Rows")).SetAsInteger(Batch.Rows);
    nodes.AddChild(QStringLiteral("Columns")).SetAsInteger(Batch.Columns);
    nodes.AddChild(QStringLiteral("Readings")).SetAsInteger(Batch.Readings);
}

// --- TFileList

TFileList::TReloadScope::TReloadScope(TFileList &list) : FList(list)
{
    if (FList.FReloadDepth++ == 0 && FList.FNotifier)
        emit FList.FNotifier->Reloading();
}

TFileList::TReloadScope::~TReloadScope()
{
    if (--FList.FReloadDepth == 0 && FList.FNotifier)
        emit FList.FNotifier->Reloaded();
}

TFileList::TFileList() { FItems.reserve(1024); }

TFileListNotifier &TFileList::Notifier()
{
    if (!FNotifier)
        FNotifier = std::make_unique<TFileListNotifier>();
    return *FNotifier;
}

TFileList::~TFileList() = default;

TFileItem *TFileList::Add()
{
    FItems.push_back(std::make_unique<TFileItem>(this));
    return FItems.back().get();
}

void TFileList::Clear() { FItems.clear(); }

void TFileList::Delete(int index)
{
    Items(index);
    FItems.erase(FItems.begin() + index);
}

TFileItem *TFileList::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(Tr("List index out of bounds (%1)").arg(index));
    return FItems[static_cast<size_t>(index)].get();
}

int TFileList::IndexOf(const QString &fileName, std::uint8_t fileType) const
{
    for (int i = 0; i < Count(); ++i) {
        const TFileItem &item = *FItems[static_cast<size_t>(i)];
        if (item.FileName == fileName && (fileType == FileTypeAny || item.FileType == fileType))
            return i;
    }
    return -1;
}

void TFileList::DeleteType(std::uint8_t fileType)
{
    std::erase_if(FItems, [&](const auto &item) { return item->FileType == fileType; });
}

void TFileList::DeleteName(const QString &name)
{
    std::erase_if(FItems, [&](const auto &item) { return item->NameOnly() == name; });
}

namespace {
QCollator FileNameCollator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}
} // namespace

bool FileNameLess(const QString &a, const QString &b)
{
    // Folded first: the C locale's collation would otherwise keep letter case.
    return FileNameCollator().compare(a.toCaseFolded(), b.toCaseFolded()) < 0;
}

void TFileList::Reverse() { std::reverse(FItems.begin(), FItems.end()); }

void TFileList::Sort()
{
    const QCollator collator = FileNameCollator();
    struct TKeyed {
        std::unique_ptr<TFileItem> Item;
        QCollatorSortKey Key;
    };
    std::vector<TKeyed> keyed;
    keyed.reserve(FItems.size());
    for (auto &item : FItems) {
        // Folded first: the C locale's sort keys would otherwise keep letter case.
        QCollatorSortKey key = collator.sortKey(item->FileName.toCaseFolded());
        keyed.push_back({std::move(item), std::move(key)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const TKeyed &a, const TKeyed &b) {
        if (a.Item->FileType != b.Item->FileType)
            return a.Item->FileType < b.Item->FileType;
        return a.Key.compare(b.Key) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        FItems[i] = std::move(keyed[i].Item);
}

void TFileList::SetFolder(const QString &folder)
{
    const QString path = folder.isEmpty() ? folder : IncludeTrailingSlash(folder);
    if (path == FFolder)
        return;
    if (!path.isEmpty() && QFileInfo(path + CacheFileName()).isFile())
        LoadCache(path + CacheFileName());
    FFolder = path;
}

void TFileList::LoadCache(const QString &fileName)
{
    QString text;
    try {
        text = DecodeFileText(ReadWholeFile(fileName));
    } catch (...) {
        // An unreadable cache is ignored: the refresh lists the folder itself.
    }
    LoadCacheText(QFileInfo(fileName).path(), text);
}

void TFileList::LoadCacheText(const QString &folderPath, const QString &text)
{
    TReloadScope reload(*this);
    Clear();
    const QString folder = IncludeTrailingSlash(folderPath);
    try {
        const auto add = [&](auto &&fill) {
            TFileItem *item = Add();
            try {
                fill(*item);
            } catch (const Exception &) {
                // An entry naming something outside the folder is dropped; the rest still counts.
                Delete(Count() - 1);
            }
        };
        std::vector<TCacheEntry> entries;
        if (ReadCacheLayout(text, entries)) {
            for (const TCacheEntry &entry : entries)
                add([&](TFileItem &item) { item.LoadFromCache(folder, entry); });
        } else {
            // Not in the layout this program writes: the general reader decides.
            XmlDocument doc;
            doc.Parse(text);
            const XmlNodeList &files =
                doc.Nodes.FindByName(QStringLiteral("FileList")).Children().FindByName(QStringLiteral("Data")).Children();
            for (const auto &node : files)
                if (node->Name == QLatin1String("File"))
                    add([&](TFileItem &item) { item.LoadFromCache(folder, node->Children()); });
        }
    } catch (...) {
        // A corrupt cache is ignored: the refresh completes what was read.
    }
    Modified = false;
}

void TFileList::SaveCache()
{
    if (FFolder.isEmpty())
        return;
    try {
        XmlDocument doc;
        XmlNodeList &data = doc.Nodes.AddChild(QStringLiteral("FileList")).Children().AddChild(QStringLiteral("Data")).Children();
        for (const auto &item : FItems)
            item->SaveToCache(data.AddChild(QStringLiteral("File")).Children());
        doc.SaveToFile(FFolder + CacheFileName());
        Modified = false;
    } catch (...) {
        // A cache that cannot be written is simply not written.
    }
}

void TFileList::ListFolder(const QString &folder, TFileList &list) { ListFolderEntries(folder, list, true); }

void TFileList::ListFolderEntries(const QString &folder, TFileList &list, bool withTimes)
{
    list.Clear();
    const QString path = IncludeTrailingSlash(folder);
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        // A save cut short by a crash may leave its temporary beside the file, and other programs
        // on a shared folder keep theirs there: not files of the folder.
        if ((name[0] == '.' || name[0] == '~') && IsTemporaryFileName(QFile::decodeName(name)))
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        std::int32_t time = FileTimeUnknown;
        // Links and file systems without entry types need a stat to tell folders from files.
        if (withTimes || entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat st {};
            if (::fstatat(dirFd, name, &st, 0) == 0) {
                isFolder = S_ISDIR(st.st_mode);
                time = PackUnixFileTime(st.st_mtime);
            } else if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                time = PackUnixFileTime(st.st_mtime); // a dangling link
            }
        }
        const QString fileName = QFile::decodeName(name);
        TFileItem *item = list.Add();
        item->FileName = path + fileName;
        item->FileModifiedTime = withTimes ? time : FileTimeUnknown;
        item->ImageIndex = -1;
        item->LoadState = LoadStateNone;
        item->FileType = isFolder ? FileTypeFolder : FileTypeOfName(fileName);
    }
    ::closedir(dir);
}

bool TFileList::Refresh(const QString &folder, const std::function<void(TFileList &)> &attachNodes)
{
    TReloadScope reload(*this);
    SetFolder(folder);
    TFileList scratch;
    // New entries get an unknown time anyway: the enumeration needs no file times.
    ListFolderEntries(FFolder, scratch, false);
    scratch.DeleteName(CacheFileName());

    QHash<QString, int> onDisk; // full path -> scratch index
    onDisk.reserve(scratch.Count());
    for (int i = 0; i < scratch.Count(); ++i)
        onDisk.insert(scratch.FItems[static_cast<size_t>(i)]->FileName, i);
    std::vector<bool> known(static_cast<size_t>(scratch.Count()), false);

    bool changed = false;
    for (int i = Count() - 1; i >= 0; --i) {
        const TFileItem &item = *FItems[static_cast<size_t>(i)];
        const auto found = onDisk.constFind(item.FileName);
        const bool present = found != onDisk.cend() && !known[static_cast<size_t>(*found)] &&
                             scratch.FItems[static_cast<size_t>(*found)]->FileType == item.FileType;
        if (present) {
            known[static_cast<size_t>(*found)] = true;
        } else {
            FItems.erase(FItems.begin() + i);
            changed = true;
        }
    }
    for (int i = 0; i < scratch.Count(); ++i) {
        if (known[static_cast<size_t>(i)])
            continue;
        TFileItem *item = Add();
        item->Assign(scratch.FItems[static_cast<size_t>(i)].get());
        item->FileModifiedTime = FileTimeUnknown;
        changed = true;
    }
    if (attachNodes)
        attachNodes(*this);
    Sort();
    if (changed)
        SaveCache();
    return changed;
}

void TFileList::LoadRange(int first, int last)
{
    TReloadScope reload(*this);
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    // The times of the folder's own entries are read relative to the open folder: one short
    // lookup per entry instead of a walk along the whole path.
    DIR *dir = FFolder.isEmpty() ? nullptr : ::opendir(QFile::encodeName(FFolder).constData());
    const auto changed = [&](const TFileItem &item) {
        if (!dir || !item.FileName.startsWith(FFolder))
            return item.IsChanged() || item.ChangedOnDisk();
        struct stat st {};
        const QByteArray name = QFile::encodeName(item.FileName.mid(FFolder.size()));
        if (::fstatat(::dirfd(dir), name.constData(), &st, 0) != 0)
            return item.FileModifiedTime != FileTimeUnknown || item.DiskStamp.Known();
        // A loaded entry also compares the finer stamp: another computer's save within the two
        // seconds the packed time resolves is read again too.
        return PackUnixFileTime(st.st_mtime) != item.FileModifiedTime ||
               (item.DiskStamp.Known() && StampOf(st) != item.DiskStamp);
    };
    for (int i = first; i <= last; ++i) {
        TFileItem &item = *FItems[static_cast<size_t>(i)];
        if (item.FileType == FileTypeFolder)
            continue;
        if (item.LoadState == LoadStateNone || changed(item))
            item.Load();
    }
    if (dir)
        ::closedir(dir);
    if (Modified)
        SaveCache();
}
