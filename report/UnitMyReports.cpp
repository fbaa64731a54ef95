#include "UnitMyReports.h"
#include "UnitException.h"
#include "UnitReport.h"
#include "UnitStorage.h"

TMyReports::TMyReports() = default;
TMyReports::~TMyReports() = default;

void TMyReports::Reload() { Reload(ReportsFolder()); }

void TMyReports::Reload(const QString &folder)
{
    TFileList::TReloadScope reload(FList);
    TFileList listing;
    TFileList::ListFolder(folder, listing);
    for (int i = FList.Count() - 1; i >= 0; --i) {
        const int at = listing.IndexOf(FList.Items(i)->FileName, FileTypeReport);
        if (at < 0) {
            FList.Delete(i);
        } else {
            listing.Delete(at);
        }
    }
    for (int i = 0; i < listing.Count(); ++i) {
        const TFileItem *entry = listing.Items(i);
        if (entry->FileType != FileTypeReport)
            continue;
        TFileItem *item = FList.Add();
        item->FileType = entry->FileType;
        item->FileName = entry->FileName;
    }
    FList.Sort();
    for (int i = 0; i < FList.Count(); ++i) {
        TFileItem *item = FList.Items(i);
        if (item->LoadState == LoadStateNone || item->IsChanged())
            item->Load();
    }
}

TFileItem *TMyReports::EntryOf(const QString &fileName) const
{
    const int at = FList.IndexOf(fileName, FileTypeReport);
    return at < 0 ? nullptr : FList.Items(at);
}

TReport *TMyReports::Find(const QString &name) const
{
    for (int i = FList.Count() - 1; i >= 0; --i) {
        TReport *report = ReportOf(*FList.Items(i));
        if (report && report->Name.compare(name, Qt::CaseInsensitive) == 0)
            return report;
    }
    return nullptr;
}

TReport &TMyReports::ByName(const QString &name) const
{
    TReport *report = Find(name);
    if (!report)
        throw Exception(Tr("Report does not exist"));
    return *report;
}
