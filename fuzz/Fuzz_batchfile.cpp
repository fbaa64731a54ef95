// The batch file loader on any bytes. A batch that loads must give its statistics, and what it
// saves must load again and save the same text.
#include "FuzzSupport.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    XmlDocument doc;
    doc.Parse(DecodeFileText(FuzzBytes(data, size)));
    TBatchItem batch;
    try {
        batch.LoadFromXml(doc.Nodes);
    } catch (const Exception &) {
        return 0;
    }
    (void)batch.Mean();
    (void)batch.StandardDeviation();
    (void)batch.Range();
    (void)batch.PercentOverRange();
    (void)batch.PercentUnderRange();
    (void)batch.LastReadingPosition();
    (void)batch.ReadingPositions();
    try {
        (void)batch.PercentBelowLow();
        (void)batch.PercentAboveHigh();
        (void)batch.SummaryGrid();
        (void)batch.FormatValue(batch.Max());
        (void)batch.BarSizeName();
    } catch (const Exception &) {
        // An unknown batch type or bar series is refused with its message.
    }

    const QString saved = SavedText([&](XmlNodeList &nodes) { batch.SaveToXml(nodes); });
    XmlDocument again;
    again.Parse(saved);
    TBatchItem reloaded;
    reloaded.LoadFromXml(again.Nodes); // a saved batch must always load
    FUZZ_CHECK(SavedText([&](XmlNodeList &nodes) { reloaded.SaveToXml(nodes); }) == saved);
    return 0;
}
