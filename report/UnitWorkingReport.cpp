#include "UnitWorkingReport.h"

#include "UnitEvaluation.h"
#include "UnitFileOperations.h"
#include "UnitReport.h"

const TBatchItem *EarlierSurveyOf(const TBatchList &batches, const TBatchItem &batch)
{
    const TBatchItem *earlier = nullptr;
    for (int i = 0; i < batches.Count(); ++i) {
        const TBatchItem *candidate = batches.Items(i);
        if (candidate == &batch || candidate->CreationDate >= batch.CreationDate)
            continue;
        if (!DifferenceProblem(*candidate, batch).isEmpty())
            continue;
        if (!earlier || candidate->CreationDate > earlier->CreationDate)
            earlier = candidate;
    }
    return earlier;
}

void AssembleWorkingReport(TReport &working, const std::vector<const TReport *> &designs, const TBatchList &batches)
{
    working.Clear();
    const auto appendOfType = [&working](const TReport &design, int pageType) {
        for (int i = 0; i < design.Count(); ++i)
            if (design.Pages(i)->PageType() == pageType) {
                TPage &page = *working.AddPage();
                page.Assign(design.Pages(i));
                // A design's pages hold sample batches, which no output may show.
                page.ClearBatches();
            }
    };
    for (const TReport *design : designs) {
        if (!design)
            continue;
        appendOfType(*design, PageTypeOpening);
        for (int b = 0; b < batches.Count(); ++b) {
            const TBatchItem &batch = *batches.Items(b);
            const int type = IsCoverBatchType(batch.BatchType) ? 0 : 1;
            const int other = 1 - type;
            const int partnerAt = batches.IndexOf(batch.ID, static_cast<std::uint8_t>(other));
            const TBatchItem *partner = partnerAt >= 0 ? batches.Items(partnerAt) : nullptr;
            const TBatchItem *earlier = EarlierSurveyOf(batches, batch);
            const TBatchItem *partnerEarlier = partner ? EarlierSurveyOf(batches, *partner) : nullptr;
            for (int i = 0; i < design->Count(); ++i) {
                const TPage &source = *design->Pages(i);
                if (source.PageType() != PageTypeInner)
                    continue;
                TPage &page = *working.AddPage();
                page.Assign(&source);
                page.ClearBatches();
                const int used = page.UsedBatchTypes();
                const int comparing = page.UsedEarlierBatchTypes();
                if (used & (1 << type)) {
                    page.Batches[static_cast<size_t>(type)] = batch;
                    // Only pages that compare get the earlier survey: each page holds its own copy.
                    if (earlier && (comparing & (1 << type)))
                        page.EarlierBatches[static_cast<size_t>(type)] = *earlier;
                    if (partner && (used & (1 << other))) {
                        // A page needing both types is made in the cover batch's turn.
                        if (other == 1) {
                            page.Batches[1] = *partner;
                            if (partnerEarlier && (comparing & 2))
                                page.EarlierBatches[1] = *partnerEarlier;
                        } else {
                            page.ClearBatches();
                        }
                    }
                }
                if (!page.HasBatches())
                    working.DeletePage(working.Count() - 1);
            }
        }
        appendOfType(*design, PageTypeClosing);
    }
    working.ExpandPages();
    working.NumberPages();
}

int ReselectedPage(const TReport &working, int previous)
{
    if (working.Count() == 0)
        return -1;
    if (previous >= 0 && previous < working.Count())
        return previous;
    for (int i = 0; i < working.Count(); ++i)
        if (working.Pages(i)->IsInner())
            return i;
    return 0;
}
