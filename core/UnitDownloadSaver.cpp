#include "UnitDownloadSaver.h"

#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitStorage.h"

#include <QMutexLocker>

QString ReplaceFileMessage(const QString &fileName)
{
    return Tr("The folder already contains a file named '%1'\r\n\r\nWould you like to replace the existing file?")
        .arg(fileName);
}

TDownloadSaveResult SaveDownloadedBatches(TBatchList &list, const QString &folder, const TReplaceFileQuestion &ask)
{
    QMutexLocker guard(&list.Mutex());
    // Whatever happens below, the download's marks do not outlive it.
    struct TUntagAll {
        TBatchList &List;
        ~TUntagAll()
        {
            for (int i = 0; i < List.Count(); ++i)
                List.Items(i)->Tagged = false;
        }
    } untag{list};

    const QString base = IncludeTrailingSlash(folder);
    TDownloadSaveResult result;
    bool replaceAll = false;
    for (int i = 0; i < list.Count(); ++i) {
        TBatchItem *entry = list.Items(i);
        if (!entry->Tagged)
            continue;
        entry->Tagged = false;
        const QString name = entry->FileName();
        const QString path = base + name;
        if (result.Cancelled) {
            result.Declined << path;
            continue;
        }
        if (!replaceAll && PathExists(path)) {
            const TPromptAnswer answer = ask ? ask(name) : Prompt().YesNoCancelAll(ReplaceFileMessage(name));
            if (answer == TPromptAnswer::Cancel) {
                result.Cancelled = true;
                result.Declined << path;
                continue;
            }
            if (answer == TPromptAnswer::YesToAll)
                replaceAll = true;
            else if (answer != TPromptAnswer::Yes) {
                result.Declined << path;
                continue;
            }
        }
        entry->SaveToFile(path);
        result.Written << path;
    }
    return result;
}
