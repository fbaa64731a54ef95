#pragma once
// The working report of the report viewer: the pages of the chosen report designs filled with the
// selected batches, ready to be shown, printed, written or mailed.
#include <vector>

class TBatchItem;
class TBatchList;
class TReport;

// The survey a later one is compared with on difference pages: of the selected batches, the one
// of the same type and grid created last before `batch`; nullptr when there is none.
const TBatchItem *EarlierSurveyOf(const TBatchList &batches, const TBatchItem &batch);

// Clears `working` and fills it from the designs in order: each design's opening pages, then its
// inner pages once per batch (with the batch and, for pages that need both types, the half-cell
// batch of the same ID next to each cover batch), then its closing pages; continuation pages are
// inserted and the pages numbered. Pages comparing with an earlier survey get the batch's
// EarlierSurveyOf and are left out when it has none. Raises "Invalid Batch Type" for a batch of another type.
void AssembleWorkingReport(TReport &working, const std::vector<const TReport *> &designs, const TBatchList &batches);

// The page to show after the working report was rebuilt: `previous` while it is still a page,
// else the first inner page, else page 0; -1 without pages.
int ReselectedPage(const TReport &working, int previous);
