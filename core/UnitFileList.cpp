#include "UnitFileList.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitStorage.h"
#include "UnitTemplateList.h"
#include "UnitXml.h"

#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

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

std::uint8_t FileTypeOf(const QFileInfo &info)
{
    return info.isDir() ? FileTypeFolder : FileTypeOfName(info.fileName());
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
    const QDateTime local = time.toLocalTime();
    QDate date = local.date();
    QTime clock = local.time();
    if (date.year() < 1980) {
        date = QDate(1980, 1, 1);
        clock = QTime(0, 0);
    } else if (date.year() > 2107) {
        date = QDate(2107, 12, 31);
        clock = QTime(23, 59, 58);
    }
    const std::uint32_t packedDate = (std::uint32_t(date.year() - 1980) << 9) | (std::uint32_t(date.month()) << 5) |
                                     std::uint32_t(date.day());
    const std::uint32_t packedTime =
        (std::uint32_t(clock.hour()) << 11) | (std::uint32_t(clock.minute()) << 5) | std::uint32_t(clock.second() / 2);
    return static_cast<std::int32_t>((packedDate << 16) | packedTime);
}

std::int32_t PackedFileTime(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileTimeUnknown;
    return PackFileTime(info.lastModified());
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
    const TCachedValues before = CachedValues(*this);
    LoadState = LoadStateNone;
    FileModifiedTime = FileTimeUnknown;
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
        const std::int32_t time = PackedFileTime(FileName);
        if (FOwner && time != FileModifiedTime)
            FOwner->Modified = true;
        FileModifiedTime = time;
        return true;
    } catch (...) {
        return false;
    }
}

void TFileItem::LoadFromCache(const QString &folder, const XmlNodeList &nodes)
{
    const QString name = nodes.FindByName(QStringLiteral("FileName")).AsString();
    // The cache names entries of its own folder only; anything else would lead loads and saves
    // outside it.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        throw Exception(Tr("Invalid file name in folder cache"));
    const QString path = IncludeTrailingSlash(folder);
    FileType = static_cast<std::uint8_t>(nodes.FindByName(QStringLiteral("FileType")).AsInteger());
    FileName = path + name;
    Node = nullptr;
    LoadState = LoadStateNone;
    ImageIndex = -1;
    FileModifiedTime = nodes.FindByName(QStringLiteral("FileModifiedTime")).AsInteger();
    if (FileType == FileTypeBatch) {
        Batch.ID = NameWithoutExtension(name);
        Batch.Path = path;
        Batch.BatchType = static_cast<std::uint8_t>(nodes.FindByName(QStringLiteral("BatchType")).AsInteger());
        Batch.Rows = nodes.FindByName(QStringLiteral("Rows")).AsInteger();
        Batch.Columns = nodes.FindByName(QStringLiteral("Columns")).AsInteger();
        Batch.Readings = nodes.FindByName(QStringLiteral("Readings")).AsInteger();
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

TFileList::TFileList() { FItems.reserve(1024); }

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

void TFileList::Sort()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
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
    Clear();
    const QString folder = IncludeTrailingSlash(QFileInfo(fileName).path());
    try {
        XmlDocument doc;
        doc.LoadFromFile(fileName);
        const XmlNodeList &files =
            doc.Nodes.FindByName(QStringLiteral("FileList")).Children().FindByName(QStringLiteral("Data")).Children();
        for (const auto &node : files) {
            if (node->Name != QLatin1String("File"))
                continue;
            TFileItem *item = Add();
            try {
                item->LoadFromCache(folder, node->Children());
            } catch (const Exception &) {
                // An entry naming something outside the folder is dropped; the rest still counts.
                Delete(Count() - 1);
            }
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

void TFileList::ListFolder(const QString &folder, TFileList &list)
{
    list.Clear();
    const QString path = IncludeTrailingSlash(folder);
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &info : entries) {
        TFileItem *item = list.Add();
        item->FileName = path + info.fileName();
        item->FileModifiedTime = PackFileTime(info.lastModified());
        item->ImageIndex = -1;
        item->LoadState = LoadStateNone;
        item->FileType = FileTypeOf(info);
    }
}

bool TFileList::Refresh(const QString &folder, const std::function<void(TFileList &)> &attachNodes)
{
    SetFolder(folder);
    TFileList scratch;
    ListFolder(FFolder, scratch);
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
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    for (int i = first; i <= last; ++i) {
        TFileItem &item = *FItems[static_cast<size_t>(i)];
        if (item.FileType == FileTypeFolder)
            continue;
        if (item.LoadState == LoadStateNone || item.IsChanged())
            item.Load();
    }
    if (Modified)
        SaveCache();
}
