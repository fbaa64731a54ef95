#pragma once
// "My Reports": the report designs of the storage root's Reports folder, kept up to date with the
// folder and looked up by name. The reports window shows this list; the report viewer, the
// automation interface and orvalis-cli take reports from it by name.
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

    // The loaded report whose name equals `name` without regard to letter case; of several, the
    // last in the list. nullptr when none matches.
    TReport *Find(const QString &name) const;
    // The same; raises "Report does not exist" when none matches.
    TReport &ByName(const QString &name) const;

private:
    TFileList FList;
};
