// The gauge's packet reader fed from a byte stream: every reply it frames, and the field
// accessors on every field of every packet.
#include "FuzzSupport.h"
#include "UnitVentraxK27.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TPacketFramer framer;
    TPacket packet;
    for (size_t i = 0; i < size; ++i) {
        if (!framer.Feed(static_cast<char>(data[i]), packet))
            continue;
        if (packet.Kind != pkData) {
            FUZZ_CHECK(packet.Payload.isEmpty());
            continue;
        }
        const QByteArray &p = packet.Payload;
        FUZZ_CHECK(!p.contains(K27::ETB));
        const int fields = TVentraxK27Interface::FieldCount(p);
        FUZZ_CHECK(fields >= 1);
        QList<QByteArray> joined;
        for (int f = -1; f <= fields; ++f) {
            const QByteArray field = TVentraxK27Interface::GetField(p, f);
            FUZZ_CHECK(!field.contains(K27::FS));
            if (f >= 0 && f < fields)
                joined << field;
            else
                FUZZ_CHECK(field.isEmpty());
            (void)TVentraxK27Interface::HexField(p, f);
            (void)TVentraxK27Interface::DecField(p, f);
            const double value = TVentraxK27Interface::FloatField(p, f);
            FUZZ_CHECK(std::isfinite(value));
            try {
                (void)TVentraxK27Interface::Hex32Field(p, f);
            } catch (const VentraxK27Exception &) {
            }
        }
        FUZZ_CHECK(joined.join(K27::FS) == p);
        try {
            (void)TVentraxK27Interface::DecodeIdentity(p);
        } catch (const VentraxK27Exception &) {
            // A reply without its model letter is refused; polling asks again.
        }
    }
    return 0;
}
