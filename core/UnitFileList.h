#pragma once
// The program's view of one folder: a typed list of entries (folders, batch, template and report
// files, other files), loaded lazily, with the folder's cache file "cache.vcc" that remembers each
// entry's type, file time and, for batches, the header values the folder view shows, so that a
// folder of many batches is listed without opening every file.
#include "UnitBatchList.h"
#include "UnitPersistent.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TFileList;
class TTemplateList;
class XmlNodeList;

// File type codes of an entry; FileTypeAny matches every type in lookups.
constexpr std::uint8_t FileTypeFolder = 0;
constexpr std::uint8_t FileTypeBatch = 1;    // ".vcb", ".vch"
constexpr std::uint8_t FileTypeTemplate = 2; // ".vct"
constexpr std::uint8_t FileTypeReport = 3;   // ".vcr"
constexpr std::uint8_t FileTypeOther = 4;
constexpr std::uint8_t FileTypeAny = 5;

// Load states of an entry.
constexpr std::uint8_t LoadStateNone = 0;
constexpr std::uint8_t LoadStateCached = 1; // batch header values known from the cache
constexpr std::uint8_t LoadStateLoaded = 2;

// File time not known (or the file is gone).
constexpr std::int32_t FileTimeUnknown = -1;

// Name of the per-folder cache file. Every listing of the program skips it by name.
inline QString CacheFileName() { return QStringLiteral("cache.vcc"); }

// The file type of a name by its extension (any letter case); folders are decided by the caller.
std::uint8_t FileTypeOfName(const QString &name);
// The order of names in every listing (folder view and tree alike): letter case ignored.
bool FileNameLess(const QString &a, const QString &b);

// A last-write time in packed local form: date in the high 16 bits (years from 1980, month, day),
// time in the low 16 bits (hours, minutes, seconds / 2). Times outside 1980-2107 are clamped.
std::int32_t PackFileTime(const QDateTime &time);
std::int32_t PackUnixFileTime(qint64 secondsSinceEpoch);
// The packed last-write time of a file or folder, FileTimeUnknown when it does not exist.
std::int32_t PackedFileTime(const QString &path);

// Content of a report entry. The report layer supplies the document through
// SetReportDocumentFactory; until it does, report entries are listed without content.
class TFileDocument : public TPersistent {
public:
    virtual void LoadFromFile(const QString &fileName) = 0;
    virtual void SaveToFile(const QString &fileName) = 0;
};
using TFileDocumentFactory = std::function<std::unique_ptr<TFileDocument>()>;
void SetReportDocumentFactory(TFileDocumentFactory factory);

// The values of one "File" element of the cache.
struct TCacheEntry {
    int FileType = FileTypeOther;
    QString Name; // without folder
    std::int32_t Time = FileTimeUnknown;
    int BatchType = 0, Rows = 0, Columns = 0, Readings = 0;
};

// What a file on disk was when it was read or written: another program's write since then gives
// a different stamp (a save that replaces the file changes its change time even where it keeps
// size and last-write time).
struct TFileStamp {
    qint64 Size = -1; // -1: not known
    qint64 ModifiedNs = 0, ChangedNs = 0;
    bool Known() const { return Size >= 0; }
    bool operator==(const TFileStamp &) const = default;
    // The stamp of the file now; an unknown stamp when it does not exist.
    static TFileStamp Of(const QString &fileName);
};

class TFileItem : public TPersistent {
public:
    explicit TFileItem(TFileList *owner = nullptr);
    ~TFileItem() override;
    TFileItem(const TFileItem &) = delete;
    TFileItem &operator=(const TFileItem &) = delete;

    std::uint8_t FileType = FileTypeOther;
    QString FileName; // full path
    void *Node = nullptr; // the folder tree node showing a folder entry (owned by the main window)
    std::int32_t FileModifiedTime = FileTimeUnknown;
    std::uint8_t LoadState = LoadStateNone;
    TBatchItem Batch; // batch entries; an empty record for the others
    int ImageIndex = -1;
    // The file as it was when this entry was loaded or saved (unknown for entries from the cache
    // or a listing).
    TFileStamp DiskStamp;
    // True when the entry was loaded or saved and the file has been changed or removed since,
    // by another program or another computer.
    bool ChangedOnDisk() const { return DiskStamp.Known() && TFileStamp::Of(FileName) != DiskStamp; }

    TFileList *Owner() const { return FOwner; }
    // The template of a template entry (created empty on first use).
    TTemplateList &Template();
    bool HasTemplate() const { return FTemplate != nullptr; }
    // The report document of a loaded report entry, or nullptr.
    TFileDocument *Report() const { return FReport.get(); }

    // Raises "Cannot assign object to File item" for a source of another class.
    void Assign(const TPersistent *source) override;
    // The file name without folder.
    QString NameOnly() const;
    // True when the file's current time (FileTimeUnknown when gone) differs from FileModifiedTime.
    bool IsChanged() const;
    // Loads the file's content by type and stores its current time. False when it could not be
    // loaded: the entry then stays in state 0 with an unknown time. Folders and other files have
    // no content: only their time is stored.
    bool Load();
    // Saves a loaded entry to FileName and stores the new time; false when not loaded
    // ("Cannot save file that is not loaded") or when saving failed.
    bool Save();
    // One "File" element of the cache. Names holding a folder part are refused (Exception).
    void LoadFromCache(const QString &folder, const XmlNodeList &nodes);
    void LoadFromCache(const QString &folder, const TCacheEntry &entry);
    void SaveToCache(XmlNodeList &nodes) const;

private:
    friend class TFileList;
    TFileList *FOwner;
    std::unique_ptr<TTemplateList> FTemplate;
    std::unique_ptr<TFileDocument> FReport;
};

// The announcements of a list whose entries are about to be removed, re-created or loaded again.
// Owned by its list; made on first use, so a plain temporary list never has one.
class TFileListNotifier : public QObject {
    Q_OBJECT
signals:
    // Before the first entry changes: a view lets go of every entry, and every report or template
    // of an entry, it is holding.
    void Reloading();
    // After the last change: a view finds its entries again by file name.
    void Reloaded();
};

// A list that can be reloaded under the windows that show it. The rule for every view of such a
// list (this one and "My Reports", the tab reports, the folder view's list): refer to an entry by
// its file name, never by a pointer or a row kept across a dialog, an event-loop turn or a reload.
// A view follows Reloading and Reloaded of Notifier(), and a command that asks the user about an
// entry looks the entry up again by name after the question and acts on that file, or says it is
// gone. Everything that removes, re-creates or loads entries again runs inside a TReloadScope.
class TFileList {
public:
    // Announces a reload of the list for as long as it lives; nested scopes announce once.
    class TReloadScope {
    public:
        explicit TReloadScope(TFileList &list);
        ~TReloadScope();
        TReloadScope(const TReloadScope &) = delete;
        TReloadScope &operator=(const TReloadScope &) = delete;

    private:
        TFileList &FList;
    };

    TFileList();
    ~TFileList();
    TFileList(const TFileList &) = delete;
    TFileList &operator=(const TFileList &) = delete;

    // The folder whose entries the list holds, with a trailing "/" (empty when created).
    const QString &Folder() const { return FFolder; }
    // Set when a load changed what the cache holds; cleared when the cache is written or read.
    bool Modified = false;

    TFileItem *Add(); // a new empty entry owned by the list
    void Clear();
    void Delete(int index);
    int Count() const { return static_cast<int>(FItems.size()); }
    TFileItem *Items(int index) const; // raises "List index out of bounds (%d)"

    // The first entry whose FileName equals the path exactly and whose type is `fileType`
    // (FileTypeAny: any type); -1 when none.
    int IndexOf(const QString &fileName, std::uint8_t fileType) const;
    void DeleteType(std::uint8_t fileType);
    void DeleteName(const QString &name); // every entry whose NameOnly equals the name
    // Folders first, then batches, templates, reports and others; by name within a type, letter
    // case ignored, in the user's locale.
    void Sort();
    // The entries in the opposite order (the entries themselves stay).
    void Reverse();

    // A different folder holding a cache file starts from the cached entries; Folder becomes the
    // folder in every case.
    void SetFolder(const QString &folder);
    // Replaces the entries by those of a cache file; a corrupt or unreadable cache leaves the
    // entries read so far.
    void LoadCache(const QString &fileName);
    // The same from the cache file's text, for the folder that holds it.
    void LoadCacheText(const QString &folder, const QString &text);
    // Writes "cache.vcc" into Folder; a cache that cannot be written is not written.
    void SaveCache();
    // Fills `list` with one entry per entry of the folder (cache file included), unsorted. A
    // folder that cannot be listed gives an empty list.
    static void ListFolder(const QString &folder, TFileList &list);

    // The folder refresh of the folder view: start from the cache of a different folder, drop
    // entries gone from disk, add new ones with an unknown time, let `attachNodes` link folder
    // entries to tree nodes, sort, and save the cache when anything was added or removed.
    // Returns true when entries were added or removed.
    bool Refresh(const QString &folder, const std::function<void(TFileList &)> &attachNodes = {});
    // Lazy loading of the entries first..last (inclusive) that are about to be shown: every entry
    // that is not a folder is loaded when its state is 0 or it IsChanged; then the cache is saved
    // when Modified. Batches in state 1 with an unchanged time are not opened.
    void LoadRange(int first, int last);

    // The reload announcements of this list (made on first use).
    TFileListNotifier &Notifier();
    // True while a TReloadScope of the list is open: its entries are not to be read.
    bool Reloading() const { return FReloadDepth > 0; }

private:
    static void ListFolderEntries(const QString &folder, TFileList &list, bool withTimes);
    QString FFolder;
    std::vector<std::unique_ptr<TFileItem>> FItems;
    std::unique_ptr<TFileListNotifier> FNotifier;
    int FReloadDepth = 0;
};
