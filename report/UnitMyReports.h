#pragma once
// "My Reports": the report designs of the storage root's Reports folder, kept up to date with the
// folder and looked up by name. The reports window shows this list; the report viewer, the
// automation interface and orvalis-cli take reports from it by name.
//
// Reload removes, adds and loads entries again, freeing the reports it replaces. A view of the
// list follows the rule of TFileList (UnitFileList.h): it refers to a report by its file name,
// lets go of every entry and report on List().Notifier()'s Reloading, and finds them again by
// name on Reloaded. Who only looks a report up (Find, ByName) uses it at once and keeps nothing.
#include "UnitFileList.h"

class TReport;

class TMyReports {
public:
    TMyReports();
    ~TMyReports();
    TMyReports(const TMyReports &) = delete;
    TMyReports &operator=(const TMyReports &) = delete;

    TFileList &List() { return FList; }
    const TFileList &List() const { return FList; }

    // Brings the list up to date with the Reports folder (or the given folder): entries whose file
    // is gone or is no longer a report are removed, new report files are added, the list is sorted
    // and every entry that is not loaded or whose file changed is loaded.
    void Reload();
    void Reload(const QString &folder);

    // The entry of a report file (its full path), or nullptr.
    TFileItem *EntryOf(const QString &fileName) const;

    // The loaded report whose name equals `name` without regard to letter case; of several, the
    // last in the list. nullptr when none matches.
    TReport *Find(const QString &name) const;
    // The same; raises "Report does not exist" when none matches.
    TReport &ByName(const QString &name) const;

private:
    TFileList FList;
};
