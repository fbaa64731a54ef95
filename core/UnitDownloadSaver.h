#pragma once
// Writing the batches downloaded from the gauge into a folder, asking before a file is replaced.
#include "UnitPrompt.h"

#include <QStringList>
#include <functional>

class TBatchList;

// Asked before an existing file is replaced; gets the file name (without folder) and answers Yes,
// No, Cancel or YesToAll.
using TReplaceFileQuestion = std::function<TPromptAnswer(const QString &fileName)>;

// The question of the default answerer: "The folder already contains a file named '%s' ...".
QString ReplaceFileMessage(const QString &fileName);

struct TDownloadSaveResult {
    QStringList Written;  // paths written
    QStringList Declined; // paths left as they were (No, or after Cancel)
    bool Cancelled = false;
};

// Under the list's lock, writes every tagged entry, in list order, as a batch file named by its
// FileName into `folder`. An existing file is replaced only after the question answers Yes (or
// Yes to All, which stops the questions); No keeps it; Cancel keeps it and every later one.
// Without a question the prompt service asks. Every tagged entry ends untagged, also when a
// write fails (its exception passes on) or the user cancels.
TDownloadSaveResult SaveDownloadedBatches(TBatchList &list, const QString &folder,
                                          const TReplaceFileQuestion &ask = TReplaceFileQuestion());
