// The record decoders in the order of a download, fed from a byte stream of replies: the
// identification, a batch list entry, the batch header, then readings packets. A batch that
// comes through is written as a batch file, so its saved text must load again.
#include "FuzzSupport.h"
#include "UnitBatchList.h"
#include "UnitVentraxK27.h"

#include <QCoreApplication>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TVentraxK27Interface link;
    link.TextLanguage = 0x09; // English, whatever the machine's language
    TPacketFramer framer;
    TPacket packet;
    TBatchItem batch;
    int stage = 0, column = 0, row = 0;
    try {
        for (size_t i = 0; i < size; ++i) {
            if (!framer.Feed(static_cast<char>(data[i]), packet) || packet.Kind != pkData)
                continue;
            switch (stage++) {
            case 0:
                link.Identity = TVentraxK27Interface::DecodeIdentity(packet.Payload);
                break;
            case 1:
                link.DecodeBatchListEntry(packet.Payload, batch);
                break;
            case 2:
                link.DecodeBatchHeader(packet.Payload, batch);
                FUZZ_CHECK(batch.Columns >= 0 && batch.Rows >= 0);
                FUZZ_CHECK(std::isfinite(batch.HighLimit) && std::isfinite(batch.LowLimit) && std::isfinite(batch.Grid) &&
                           std::isfinite(batch.BarSize) && std::isfinite(batch.Temperature));
                if (batch.Columns > 0 && batch.Rows > 0)
                    (void)batch.ReadingType(batch.Columns - 1, batch.Rows - 1); // the cells follow the header
                break;
            default:
                TVentraxK27Interface::DecodeReadingsPacket(packet.Payload, column, row, batch);
                break;
            }
        }
    } catch (const Exception &) {
        return 0; // the download ends with its message
    }
    if (stage < 3)
        return 0;
    batch.Readings = batch.ValidCount();
    const QString saved = SavedText([&](XmlNodeList &nodes) { batch.SaveToXml(nodes); });
    XmlDocument again;
    again.Parse(saved);
    TBatchItem reloaded;
    reloaded.LoadFromXml(again.Nodes);
    FUZZ_CHECK(SavedText([&](XmlNodeList &nodes) { reloaded.SaveToXml(nodes); }) == saved);
    return 0;
}
