// The gauge commands of TVentraxK27Interface and the mapping of the gauge's fields onto batch
// records and from template batch definitions.
#include "UnitBatchList.h"
#include "UnitFileOperations.h"
#include "UnitGaugeText.h"
#include "UnitTemplateList.h"
#include "UnitVentraxK27.h"

namespace {

QString CommsError(const char *what) { return Tr("Communications Error: (%1)").arg(Tr(what)); }

QByteArray Hex(int value, int digits)
{
    return QByteArray::number(static_cast<quint32>(value), 16).toUpper().rightJustified(digits, '0');
}

QString Keyword(const QByteArray &field) { return StripControlChars(QString::fromLatin1(field)); }

std::uint8_t BatchTypeOf(const QByteArray &field)
{
    const QString k = Keyword(field);
    if (k == QLatin1String("COVER"))
        return BatchTypeCover;
    if (k == QLatin1String("HALFCELL"))
        return BatchTypeHalfCell;
    throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unknown Batch Type")));
}

std::uint8_t BatchFormatOf(const QByteArray &field)
{
    const QString k = Keyword(field);
    if (k == QLatin1String("RECT"))
        return BatchFormatGrid;
    if (k == QLatin1String("LINEAR"))
        return BatchFormatLinear;
    throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unknown Batch Format")));
}

const char *const SeriesKeywords[] = {"ME", "US", "AS", "JP"};
const char *const GradeKeywords[] = {"HT", "304", "316", "DPLX"};

std::uint8_t BarSeriesOf(const QByteArray &field)
{
    const QString k = Keyword(field);
    for (std::uint8_t i = 0; i < 4; ++i)
        if (k == QLatin1String(SeriesKeywords[i]))
            return i;
    throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unknown Batch Series")));
}

std::uint8_t BarGradeOf(const QByteArray &field)
{
    const QString k = Keyword(field);
    for (std::uint8_t i = 0; i < 4; ++i)
        if (k == QLatin1String(GradeKeywords[i]))
            return i;
    return 0;
}

// A two-character hexadecimal byte of a reading item; raises the conversion error.
int ItemByte(const QByteArray &item, int at)
{
    quint32 value = 0;
    const QByteArray pair = item.mid(at, 2);
    if (pair.size() != 2 || !TVentraxK27Interface::TryHex(pair, value))
        throw VentraxK27Exception(Tr("Communications Error: ('%1' is not a valid hexadecimal value)")
                                      .arg(TVentraxK27Interface::FormatTraceBytes(pair)));
    return static_cast<int>(value);
}

} // namespace

QString TVentraxK27Interface::GaugeText(const QByteArray &bytes) const
{
    return GaugeToPcText(bytes, TextLanguage < 0 ? CurrentPrimaryLanguage() : static_cast<unsigned>(TextLanguage));
}

TGaugeIdentity TVentraxK27Interface::Identify()
{
    const TPacket reply = ReadPacket();
    if (reply.Kind != pkData)
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unexpected packet type")));
    Identity = DecodeIdentity(reply.Payload);
    return Identity;
}

TGaugeIdentity TVentraxK27Interface::DecodeIdentity(const QByteArray &p)
{
    TGaugeIdentity id;
    const QByteArray head = GetField(p, 0);
    if (head.left(4) == "PK27") {
        id.Accepted = true;
        id.Version = QString::fromLatin1(head.mid(4, 3));
        id.Field1 = HexField(p, 1);
        id.Field2 = HexField(p, 2);
        id.Field3 = HexField(p, 3);
        id.Field4 = DecField(p, 4);
        id.SerialNumber = StripControlChars(QString::fromLatin1(GetField(p, 5)));

        const QString letter = QString::fromLatin1(GetField(p, 6));
        // A reply cut short by a stray end byte lacks the model letter; guessing a model from
        // the gap would stamp a wrong gauge into every batch. Polling asks again.
        if (letter.isEmpty())
            throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unexpected packet type")));
        const QString upper = letter.toUpper();
        if (upper == QLatin1String("C")) {
            id.Accepted = false;
        } else {
            if (upper == QLatin1String("B") || upper == QLatin1String("H"))
                id.ModelCode = 0;
            else if (upper == QLatin1String("S"))
                id.ModelCode = 1;
            else
                id.ModelCode = 2;
            id.TemplateBatchTypes.Cover = letter != QLatin1String("m") && letter != QLatin1String("h");
            id.TemplateBatchTypes.HalfCell = letter == letter.toLower();
            id.TemplateBarGrades = GetField(p, 7) == "D";
        }
    }
    return id;
}

void TVentraxK27Interface::RequestBatchList() { SendCommand({"A"}); }

bool TVentraxK27Interface::ReadBatchListEntry(TBatchItem &batch)
{
    const TPacket reply = ReadPacket();
    if (reply.Kind != pkData) {
        SendAck();
        return false;
    }
    DecodeBatchListEntry(reply.Payload, batch);
    SendAck();
    return true;
}

void TVentraxK27Interface::DecodeBatchListEntry(const QByteArray &p, TBatchItem &batch) const
{
    batch.ID = MakeFileNameSafe(GaugeText(GetField(p, 0)));
    batch.Slot = HexField(p, 1);
    batch.BatchType = BatchTypeOf(GetField(p, 2));
    batch.BatchFormat = BatchFormatOf(GetField(p, 3));
    if (batch.BatchFormat == BatchFormatGrid) {
        batch.Columns = HexField(p, 4);
        batch.Rows = HexField(p, 5);
    } else {
        batch.Columns = 1;
        batch.Rows = 1000;
    }
    batch.Readings = HexField(p, 6);
    batch.SetSize();
}

double TVentraxK27Interface::DecodePackedDateTime(quint32 w)
{
    auto bits = [w](int from, int count) { return static_cast<int>((w >> from) & ((1u << count) - 1)); };
    const int minute = bits(4, 3) * 10 + bits(0, 4);
    const int hour = bits(11, 2) * 10 + bits(7, 4);
    const int day = bits(17, 2) * 10 + bits(13, 4);
    const int month = bits(23, 1) * 10 + bits(19, 4);
    const int year2 = bits(28, 4) * 10 + bits(24, 4);
    const int year = year2 < 50 ? 2000 + year2 : 1900 + year2;
    try {
        return EncodeDateTime(year, month, day, hour, minute, 0);
    } catch (const Exception &) {
        return DateTimeNow();
    }
}

void TVentraxK27Interface::ReadBatchHeader(int slot, TBatchItem &batch)
{
    SendCommand({"B", Hex(slot, 4)});
    const TPacket reply = ReadPacket();
    if (reply.Kind != pkData)
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unexpected packet type")));
    DecodeBatchHeader(reply.Payload, batch);
    SendAck();
}

void TVentraxK27Interface::DecodeBatchHeader(const QByteArray &p, TBatchItem &batch) const
{
    const int listColumns = batch.Columns;
    const int listRows = batch.Rows;
    const bool hadCells = batch.HasCells();

    batch.ID = MakeFileNameSafe(GaugeText(GetField(p, 0)));
    batch.CreationDate = DecodePackedDateTime(Hex32Field(p, 1));
    batch.UpdateDate = DecodePackedDateTime(Hex32Field(p, 2));
    batch.ProbeSerialNumber = StripControlChars(QString::fromLatin1(GetField(p, 3)));
    batch.ProbeType = StripControlChars(QString::fromLatin1(GetField(p, 4)));
    batch.ProbeSide0Type = StripControlChars(QString::fromLatin1(GetField(p, 5)));
    batch.ProbeSide1Type = StripControlChars(QString::fromLatin1(GetField(p, 6)));
    batch.BatchType = BatchTypeOf(GetField(p, 7));
    batch.BatchFormat = BatchFormatOf(GetField(p, 8));
    int columns = 1;
    int rows = 1000;
    if (batch.BatchFormat == BatchFormatGrid) {
        columns = HexField(p, 21);
        rows = HexField(p, 22);
    }
    const bool halfCell = batch.BatchType == BatchTypeHalfCell;
    batch.HighLimit = FloatField(p, 9) * (halfCell ? 1000.0 : 1.0);
    batch.LowLimit = FloatField(p, 10) * (halfCell ? 1000.0 : 1.0);
    batch.GaugeHighLimit = batch.HighLimit;
    batch.GaugeLowLimit = batch.LowLimit;
    const int flags = HexField(p, 11);
    batch.LowLimitApplied = (flags & 1) != 0;
    batch.HighLimitApplied = (flags & 2) != 0;
    batch.Site = GaugeText(GetField(p, 12));
    batch.Location = GaugeText(GetField(p, 13));
    batch.Grid = FloatField(p, 14);
    batch.Area = GaugeText(GetField(p, 15));
    batch.Engineer = GaugeText(GetField(p, 16));
    batch.Customer = GaugeText(GetField(p, 17));
    batch.Note = GaugeText(GetField(p, 18));
    batch.BarSeries = BarSeriesOf(GetField(p, 19));
    batch.BarSize = FloatField(p, 20);
    // The readings are stored into matrices of this size: when the header disagrees with the
    // list entry (or no entry was read), the matrices follow the header rather than leave the
    // record's size and its cells apart.
    if (!hadCells || columns != listColumns || rows != listRows)
        batch.Resize(columns, rows);
    batch.Columns = columns;
    batch.Rows = rows;
    batch.Readings = HexField(p, 23);
    if (halfCell) {
        batch.CellType = GaugeText(GetField(p, 24));
        batch.GaugeCellType = batch.CellType;
        batch.Temperature = FloatField(p, 25);
    } else {
        batch.BarGrade = BarGradeOf(GetField(p, 24));
    }
    if (Identity.Accepted) {
        batch.GaugeSerialNumber = Identity.SerialNumber;
        batch.GaugeType = static_cast<std::uint8_t>(Identity.ModelCode);
    }
}

void TVentraxK27Interface::RequestReadings(int slot) { SendCommand({"C", Hex(slot, 4)}); }

void TVentraxK27Interface::DecodeReadingItem(const QByteArray &item, TBatchItem &batch, int column, int row)
{
    const int flags = ItemByte(item, 0);
    const bool present = item.size() == 6 && (flags & 0x80) == 0;
    std::uint8_t measure = MeasureTypeOverRange;
    if ((flags & 0x20) != 0)
        measure = (flags & 0x10) != 0 ? MeasureTypeInRange : MeasureTypeUnderRange;
    double value = 0;
    if (present) {
        const auto raw = static_cast<qint16>(static_cast<quint16>(ItemByte(item, 2) | ItemByte(item, 4) << 8));
        value = batch.BatchType == BatchTypeCover ? raw / 10.0 : raw;
    }
    batch.SetReadingType(column, row, present ? ReadingTypeReading : ReadingTypeEmpty);
    batch.SetMeasureType(column, row, measure);
    batch.SetValue(column, row, value);
}

int TVentraxK27Interface::ReadReadingsPacket(int &column, int &row, TBatchItem &batch)
{
    const TPacket reply = ReadPacket();
    const int count = reply.Kind == pkData ? DecodeReadingsPacket(reply.Payload, column, row, batch) : 0;
    SendAck();
    return count;
}

int TVentraxK27Interface::DecodeReadingsPacket(const QByteArray &payload, int &column, int &row, TBatchItem &batch)
{
    int count = 0;
    const int fields = FieldCount(payload);
    for (int i = 0; i < fields; ++i) {
        if (column >= batch.Columns || row >= batch.Rows || column < 0 || row < 0)
            throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Data item out of expected batch dimensions")));
        DecodeReadingItem(GetField(payload, i), batch, column, row);
        ++count;
        if (column < batch.Columns - 1) {
            ++column;
        } else if (row < batch.Rows - 1) {
            column = 0;
            ++row;
        }
    }
    return count;
}

QList<QList<QByteArray>> TVentraxK27Interface::TemplateRecord(const TTemplateItem &item) const
{
    auto text = [](const QString &value, int length) { return PcToGaugeText(value).left(length); };
    const bool halfCells = TemplateSupportBatchType.HalfCell;
    const bool sendHalfCell = halfCells && item.BatchType == BatchTypeHalfCell;
    const double scale = sendHalfCell ? 1000.0 : 1.0;

    QList<QList<QByteArray>> record;
    record.append({"D", "A", text(item.ID, 16)});
    record.append({"D", "B", sendHalfCell ? "HALFCELL" : "COVER"});
    record.append({"D", "E", FloatToHex(item.HighLimit / scale)});
    record.append({"D", "F", FloatToHex(item.LowLimit / scale)});
    record.append({"D", "G", Hex((item.LowLimitApplied ? 1 : 0) | (item.HighLimitApplied ? 2 : 0), 1)});
    record.append({"D", "H", text(item.Site, 16)});
    record.append({"D", "I", text(item.Location, 16)});
    record.append({"D", "K", text(item.Area, 16)});
    record.append({"D", "L", text(item.Engineer, 16)});
    record.append({"D", "M", text(item.Customer, 16)});
    record.append({"D", "N", text(item.Note, 24)});
    if (halfCells) {
        record.append({"D", "Q", item.BatchType == BatchTypeHalfCell ? text(item.CellType, 16) : QByteArray()});
        record.append({"D", "R", FloatToHex(TemperatureNotRecorded)});
    }
    if (TemplateSupportBarGrades) {
        if (item.BarGrade > 3)
            throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unknown Bar Grade")));
        record.append({"D", "S", GradeKeywords[item.BarGrade]});
    }
    if (item.BatchFormat > 1)
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Invalid Batch Format")));
    record.append({"D", "P", item.BatchFormat == BatchFormatLinear ? "LINEAR" : "RECT"});
    if (item.BatchFormat == BatchFormatGrid) {
        // The gauge reads two hex digits each; a file edited elsewhere could hold a size that
        // would go out as a longer field the gauge misreads.
        if (item.Rows < 1 || item.Rows > 255 || item.Columns < 1 || item.Columns > 255)
            throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Invalid Grid Dimensions")));
        record.append({"D", "D", Hex(item.Rows, 2)});
        record.append({"D", "C", Hex(item.Columns, 2)});
        record.append({"D", "J", FloatToHex(item.Grid)});
    }
    return record;
}

int TVentraxK27Interface::WriteTemplate(const TTemplateItem &item)
{
    // The whole record is checked before the first field goes out, so a definition that cannot
    // be sent leaves nothing half-defined in the gauge.
    const QList<QList<QByteArray>> record = TemplateRecord(item);
    for (const QList<QByteArray> &command : record)
        SendCommand(command);
    SendCommand({"E"});
    WaitForBytes(1, 60000);
    const TPacket reply = ReadPacket();
    // Only a data packet carries a slot; anything else would pass for slot 0 otherwise.
    if (reply.Kind != pkData)
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unexpected packet type")));
    const int slot = HexField(reply.Payload, 0);
    if (slot == 0xFFFF)
        throw VentraxK27MemoryFullException(CommsError(QT_TRID_NOOP("Gauge memory full")));
    if (slot == 0xFFFE)
        throw VentraxK27BatchExistsException(CommsError(QT_TRID_NOOP("Batch already exists")));
    return slot;
}

void TVentraxK27Interface::DeleteBatch(int slot) { SendCommand({"F", Hex(slot, 4), "YES"}); }
