// Gauge commands and the mapping of the gauge's records, against the simulated gauge.
#include "GaugeTestSupport.h"
#include "UnitBatchList.h"
#include "UnitGaugeText.h"
#include "UnitTemplateList.h"

#include <QDateTime>

namespace {

struct TDownload {
    std::vector<std::unique_ptr<TBatchItem>> Batches;
};

// The whole conversation of a download: list, then header and readings of every batch.
TDownload DownloadAll(TVentraxK27Interface &link)
{
    TDownload d;
    link.RequestBatchList();
    for (;;) {
        auto batch = std::make_unique<TBatchItem>();
        if (!link.ReadBatchListEntry(*batch))
            break;
        d.Batches.push_back(std::move(batch));
    }
    for (auto &batch : d.Batches) {
        link.ReadBatchHeader(batch->Slot, *batch);
        link.RequestReadings(batch->Slot);
        int column = 0, row = 0;
        while (link.ReadReadingsPacket(column, row, *batch) > 0) {
        }
    }
    return d;
}

} // namespace

class GaugeCommandsTest : public GaugeLinkTest {
protected:
    void ConnectAndIdentify(const TSimOptions &options = TSimOptions())
    {
        Connect(options);
        Link.SetBaudAndWake(19200);
        const TGaugeIdentity id = Link.Identify();
        Link.TemplateSupportBatchType = id.TemplateBatchTypes;
        Link.TemplateSupportBarGrades = id.TemplateBarGrades;
        Link.TextLanguage = 0x09;
    }
};

TEST_F(GaugeCommandsTest, IdentificationTable)
{
    struct Case {
        const char *modelId;
        const char *letter;
        bool accepted;
        int code;
        bool cover;
        bool halfCell;
    };
    const Case cases[] = {
        {"PK27", "s", true, 1, true, true},   {"PK27", "S", true, 1, true, false},
        {"PK27", "h", true, 0, false, true},  {"PK27", "H", true, 0, true, false},
        {"PK27", "m", true, 2, false, true},  {"PK27", "M", true, 2, true, false},
        {"PK27", "b", true, 0, true, true},   {"PK27", "B", true, 0, true, false},
        {"PK27", "x", true, 2, true, true},   {"PK27", "c", false, 3, false, false},
        {"PK27", "C", false, 3, false, false}, {"PK28", "s", false, 3, false, false},
        {"pk27", "s", false, 3, false, false}, {"PK27", "ss", true, 2, true, true},
    };
    Connect();
    for (const Case &c : cases) {
        TSimOptions options;
        options.ModelId = c.modelId;
        options.ModelLetter = c.letter;
        options.BarGrades = c.code == 2;
        Sim.SetOptions(options);
        Link.SetBaudAndWake(19200);
        const TGaugeIdentity id = Link.Identify();
        const std::string what = std::string(c.modelId) + " " + c.letter;
        EXPECT_EQ(id.Accepted, c.accepted) << what;
        EXPECT_EQ(id.ModelCode, c.code) << what;
        EXPECT_EQ(id.TemplateBatchTypes.Cover, c.cover) << what;
        EXPECT_EQ(id.TemplateBatchTypes.HalfCell, c.halfCell) << what;
        if (c.accepted) {
            EXPECT_EQ(id.Version, QStringLiteral("210")) << what;
            EXPECT_EQ(id.SerialNumber, QStringLiteral("K27-00417")) << what;
            EXPECT_EQ(id.TemplateBarGrades, c.code == 2) << what;
            EXPECT_EQ(id.Field1, 0x1F);
            EXPECT_EQ(id.Field4, 1024);
        }
    }
    // Anything but a data packet in answer to the wake byte.
    TSimOptions silent;
    silent.Silent = true;
    Sim.SetOptions(silent);
    Sim.Inject(QByteArray(1, K27::DC4));
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.Identify(); }),
              QStringLiteral("Communications Error: (Unexpected packet type)"));
}

TEST(GaugeIdentity, TemplateFormatsByModelAndVersion)
{
    struct Case {
        int code;
        const char *version;
        bool grid, linear;
    };
    const Case cases[] = {{1, "1A0", false, false}, {1, "200", false, true}, {1, "210", false, true},
                          {1, "199", false, false}, {2, "100", true, true},  {0, "300", false, false},
                          {3, "300", false, false}};
    for (const Case &c : cases) {
        const TTemplateSupportBatchFormat f = TemplateSupportBatchFormats(c.code, QString::fromLatin1(c.version));
        EXPECT_EQ(f.Grid, c.grid) << c.code << " " << c.version;
        EXPECT_EQ(f.Linear, c.linear) << c.code << " " << c.version;
    }
}

TEST_F(GaugeCommandsTest, DownloadsListHeadersAndReadingsOfTheDemoSet)
{
    ConnectAndIdentify();
    const TDownload d = DownloadAll(Link);
    ASSERT_EQ(d.Batches.size(), 4u);

    const TBatchItem &grid = *d.Batches[0];
    EXPECT_EQ(grid.ID, QStringLiteral("DECK-GRID"));
    EXPECT_EQ(grid.BatchType, BatchTypeCover);
    EXPECT_EQ(grid.BatchFormat, BatchFormatGrid);
    EXPECT_EQ(grid.Columns, 8);
    EXPECT_EQ(grid.Rows, 6);
    EXPECT_EQ(grid.Readings, 45);
    EXPECT_EQ(DateTimeToFileText(grid.CreationDate), QStringLiteral("2025-06-12 09:41:00"));
    EXPECT_EQ(DateTimeToFileText(grid.UpdateDate), QStringLiteral("2025-06-12 10:07:00"));
    EXPECT_EQ(grid.ProbeSerialNumber, QStringLiteral("P-20817"));
    EXPECT_EQ(grid.ProbeSide1Type, QStringLiteral("DEEP"));
    EXPECT_DOUBLE_EQ(grid.HighLimit, 60);
    EXPECT_DOUBLE_EQ(grid.GaugeLowLimit, 25);
    EXPECT_TRUE(grid.LowLimitApplied);
    EXPECT_TRUE(grid.HighLimitApplied);
    EXPECT_EQ(grid.Site, QStringLiteral("North Quay"));
    EXPECT_EQ(grid.Note, QStringLiteral("Demo batch"));
    EXPECT_DOUBLE_EQ(grid.Grid, 200);
    EXPECT_EQ(grid.BarSeries, 0);
    EXPECT_DOUBLE_EQ(grid.BarSize, 16);
    EXPECT_EQ(grid.BarGrade, 0);
    EXPECT_EQ(grid.GaugeSerialNumber, QStringLiteral("K27-00417"));
    EXPECT_EQ(grid.GaugeType, 1);
    // Row by row: cell 5 is (5, 0), cell 11 is (3, 1), the last three cells never came.
    EXPECT_EQ(grid.ReadingType(0, 0), ReadingTypeReading);
    EXPECT_EQ(grid.MeasureType(0, 0), MeasureTypeInRange);
    EXPECT_NEAR(grid.Value(0, 0), 42.0 + (0 * 37 % 301 - 150) / 10.0, 1e-9);
    EXPECT_NEAR(grid.Value(1, 0), 42.0 + (1 * 37 % 301 - 150) / 10.0, 1e-9);
    EXPECT_EQ(grid.ReadingType(5, 0), ReadingTypeEmpty);
    EXPECT_DOUBLE_EQ(grid.Value(5, 0), 0);
    EXPECT_EQ(grid.ReadingType(3, 1), ReadingTypeReading);
    EXPECT_EQ(grid.MeasureType(3, 1), MeasureTypeOverRange);
    EXPECT_EQ(grid.ReadingType(4, 5), ReadingTypeReading);
    EXPECT_EQ(grid.ReadingType(5, 5), ReadingTypeEmpty);

    // A linear entry arrives with 0 columns and rows and still becomes 1 x 1000.
    const TBatchItem &run = *d.Batches[1];
    EXPECT_EQ(run.BatchFormat, BatchFormatLinear);
    EXPECT_EQ(run.Columns, 1);
    EXPECT_EQ(run.Rows, 1000);
    EXPECT_EQ(run.BarSeries, 1);
    EXPECT_EQ(run.BarGrade, 2);
    EXPECT_EQ(run.ReadingType(0, 59), ReadingTypeReading);
    EXPECT_EQ(run.ReadingType(0, 60), ReadingTypeEmpty);

    // Half-cell limits come in volts and are kept in millivolts; readings in millivolts as sent.
    const TBatchItem &cells = *d.Batches[2];
    EXPECT_EQ(cells.BatchType, BatchTypeHalfCell);
    EXPECT_NEAR(cells.HighLimit, -200, 1e-3);
    EXPECT_NEAR(cells.LowLimit, -350, 1e-3);
    EXPECT_FALSE(cells.LowLimitApplied);
    EXPECT_TRUE(cells.HighLimitApplied);
    EXPECT_EQ(cells.CellType, QStringLiteral("CU/CUSO4"));
    EXPECT_EQ(cells.GaugeCellType, QStringLiteral("CU/CUSO4"));
    EXPECT_NEAR(cells.Temperature, 18.5, 1e-6);
    EXPECT_DOUBLE_EQ(cells.Value(1, 0), -250 + (37 % 241) - 120);

    const TBatchItem &line = *d.Batches[3];
    EXPECT_EQ(line.BarSeries, 2);
    EXPECT_DOUBLE_EQ(line.Temperature, TemperatureNotRecorded);
}

TEST_F(GaugeCommandsTest, ListEntryCleansTheIdAndRefusesUnknownKeywords)
{
    QList<TSimBatch> batches = TK27Simulator::DemoBatches();
    batches[0].ID = "A:B/C*D\x09";
    Sim.SetBatches(batches);
    ConnectAndIdentify();
    Link.RequestBatchList();
    TBatchItem batch;
    ASSERT_TRUE(Link.ReadBatchListEntry(batch));
    EXPECT_EQ(batch.ID, QStringLiteral("A B C D\x09"));
    while (Link.ReadBatchListEntry(batch)) {
    }

    struct Case {
        int field;
        QByteArray value;
        QString message;
    };
    const Case cases[] = {
        {2, "COVERX", QStringLiteral("Communications Error: (Unknown Batch Type)")},
        {3, "rect", QStringLiteral("Communications Error: (Unknown Batch Format)")},
    };
    TSimOptions silent;
    silent.Silent = true;
    Sim.SetOptions(silent);
    for (const Case &c : cases) {
        QList<QByteArray> fields{"ID", "0001", "COVER", "RECT", "02", "02", "0000"};
        fields[c.field] = c.value;
        Sim.Inject(QByteArray(1, K27::SOH) + fields.join(K27::FS) + K27::ETB);
        TBatchItem entry;
        EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.ReadBatchListEntry(entry); }), c.message);
    }
    // Keywords pass through control-character stripping before they are compared.
    Sim.Inject(QByteArray("\x01ID\x1C" "0001\x1C" "CO\x0AVER\x1C" "RE\x0D" "CT\x1C" "02\x1C" "03\x1C" "0004\x17"));
    TBatchItem entry;
    ASSERT_TRUE(Link.ReadBatchListEntry(entry));
    EXPECT_EQ(entry.Columns, 2);
    EXPECT_EQ(entry.Rows, 3);
    EXPECT_EQ(entry.Readings, 4);
}

TEST_F(GaugeCommandsTest, HeaderFaults)
{
    QList<TSimBatch> batches = TK27Simulator::DemoBatches();
    batches[0].BarSeries = "EU";
    batches[1].CreationDate = TK27Simulator::PackDate(2025, 13, 1, 0, 0);
    Sim.SetBatches(batches);
    ConnectAndIdentify();
    TBatchItem batch;
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.ReadBatchHeader(0, batch); }),
              QStringLiteral("Communications Error: (Unknown Batch Series)"));
    // Month 13: the current date and time instead.
    TBatchItem run;
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    Link.ReadBatchHeader(1, run);
    const QDateTime created = DateTimeToQDateTime(run.CreationDate);
    EXPECT_GE(created, before);
    EXPECT_LE(created, QDateTime::currentDateTime().addSecs(1));
    // The header of a batch without a list entry still gives matrices of its own size.
    TBatchItem fresh;
    Link.ReadBatchHeader(2, fresh);
    EXPECT_EQ(fresh.Columns, 5);
    EXPECT_TRUE(fresh.HasCells());
    Link.RequestReadings(2);
    int column = 0, row = 0;
    while (Link.ReadReadingsPacket(column, row, fresh) > 0) {
    }
    EXPECT_EQ(fresh.ReadingType(4, 4), ReadingTypeReading);
}

TEST(GaugeRecords, PackedDateTime)
{
    struct Case {
        int year, month, day, hour, minute;
        const char *text;
    };
    const Case cases[] = {
        {2025, 6, 12, 9, 41, "2025-06-12 09:41:00"}, {2049, 12, 31, 23, 59, "2049-12-31 23:59:00"},
        {1950, 1, 1, 0, 0, "1950-01-01 00:00:00"},  {2000, 2, 29, 20, 5, "2000-02-29 20:05:00"},
        {2024, 10, 20, 22, 30, "2024-10-20 22:30:00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DateTimeToFileText(TVentraxK27Interface::DecodePackedDateTime(
                      TK27Simulator::PackDate(c.year, c.month, c.day, c.hour, c.minute))),
                  QString::fromLatin1(c.text));
    // Hour tens digit 2 (bits 11-12) with units 1: 21 o'clock.
    const quint32 word = TK27Simulator::PackDate(2024, 1, 2, 0, 0) | (2u << 11) | (1u << 7);
    EXPECT_EQ(DateTimeToFileText(TVentraxK27Interface::DecodePackedDateTime(word)), QStringLiteral("2024-01-02 21:00:00"));
    // Impossible values give now.
    for (const quint32 bad : {TK27Simulator::PackDate(2024, 2, 30, 0, 0), TK27Simulator::PackDate(2024, 1, 1, 24, 0),
                              0xFFFFFFFFu, 0u}) {
        const double value = TVentraxK27Interface::DecodePackedDateTime(bad);
        EXPECT_NEAR(value, DateTimeNow(), 2.0 / 86400) << bad;
    }
}

TEST(GaugeRecords, ReadingItems)
{
    struct Case {
        const char *item;
        int batchType;
        int readingType;
        int measureType;
        double value;
    };
    const Case cases[] = {
        {"30FEFF", BatchTypeHalfCell, 0, 0, -2},   {"30FEFF", BatchTypeCover, 0, 0, -0.2},
        {"30E803", BatchTypeCover, 0, 0, 100},     {"30FF7F", BatchTypeHalfCell, 0, 0, 32767},
        {"300080", BatchTypeHalfCell, 0, 0, -32768}, {"20E803", BatchTypeCover, 0, 2, 100},
        {"00E803", BatchTypeCover, 0, 1, 100},     {"10E803", BatchTypeCover, 0, 1, 100},
        {"B0E803", BatchTypeCover, 1, 0, 0},       {"80ZZZZ", BatchTypeCover, 1, 1, 0},
        {"30E8", BatchTypeCover, 1, 0, 0},         {"30E80300", BatchTypeCover, 1, 0, 0},
        {"30", BatchTypeCover, 1, 0, 0},
    };
    for (const Case &c : cases) {
        TBatchItem batch;
        batch.BatchType = static_cast<std::uint8_t>(c.batchType);
        batch.Columns = 1;
        batch.Rows = 1;
        batch.SetSize();
        TVentraxK27Interface::DecodeReadingItem(c.item, batch, 0, 0);
        EXPECT_EQ(batch.ReadingType(0, 0), c.readingType) << c.item;
        EXPECT_EQ(batch.MeasureType(0, 0), c.measureType) << c.item;
        EXPECT_DOUBLE_EQ(batch.Value(0, 0), c.value) << c.item;
    }
    for (const char *bad : {"", "3", "Z01234", "30ZZ12", "30120G", " 30123"}) {
        TBatchItem batch;
        batch.Columns = 1;
        batch.Rows = 1;
        batch.SetSize();
        EXPECT_TRUE(MessageOf<VentraxK27Exception>([&] { TVentraxK27Interface::DecodeReadingItem(bad, batch, 0, 0); })
                        .startsWith(QStringLiteral("Communications Error: (")))
            << bad;
    }
}

TEST_F(GaugeCommandsTest, ReadingsBeyondTheMatrix)
{
    TSimBatch tiny;
    tiny.ID = "TINY";
    tiny.Columns = 2;
    tiny.Rows = 2;
    for (int i = 1; i <= 5; ++i)
        tiny.Items << TK27Simulator::ReadingItem(0x30, i * 10);
    TSimBatch empty = tiny;
    empty.ID = "NONE";
    empty.Slot = 1;
    empty.Columns = 0;
    empty.Rows = 0;
    Sim.SetBatches({tiny, empty});
    TSimOptions options;
    options.ItemsPerPacket = 3;
    ConnectAndIdentify(options);
    Link.RequestBatchList();
    TBatchItem a, b;
    ASSERT_TRUE(Link.ReadBatchListEntry(a));
    ASSERT_TRUE(Link.ReadBatchListEntry(b));
    ASSERT_FALSE(Link.ReadBatchListEntry(b));

    // A fifth item on a 2 x 2 grid overwrites the last cell.
    Link.RequestReadings(0);
    int column = 0, row = 0;
    EXPECT_EQ(Link.ReadReadingsPacket(column, row, a), 3);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(Link.ReadReadingsPacket(column, row, a), 2);
    EXPECT_EQ(Link.ReadReadingsPacket(column, row, a), 0);
    EXPECT_DOUBLE_EQ(a.Value(0, 1), 3);
    EXPECT_DOUBLE_EQ(a.Value(1, 1), 5);

    Link.RequestReadings(1);
    column = row = 0;
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.ReadReadingsPacket(column, row, b); }),
              QStringLiteral("Communications Error: (Data item out of expected batch dimensions)"));
}

TEST_F(GaugeCommandsTest, NoiseBeforePacketsAndCutPackets)
{
    TSimOptions options;
    options.NoiseBytes = 40;
    ConnectAndIdentify(options);
    EXPECT_EQ(DownloadAll(Link).Batches.size(), 4u);

    // Packet 1 is the identification, 2 the first list entry; the second entry is cut by DC4
    // and the list ends there.
    options.NoiseBytes = 0;
    options.CutPacket = 3;
    Sim.SetOptions(options);
    Link.SetBaudAndWake(19200);
    EXPECT_TRUE(Link.Identify().Accepted);
    Link.RequestBatchList();
    TBatchItem first, second;
    EXPECT_TRUE(Link.ReadBatchListEntry(first));
    EXPECT_EQ(first.ID, QStringLiteral("DECK-GRID"));
    EXPECT_FALSE(Link.ReadBatchListEntry(second));

    // A readings packet cut by an ACK byte ends that read as an ACK: no items, the batch stops.
    options.CutPacket = 1;
    options.CutByte = K27::ACK;
    Sim.SetOptions(options);
    TBatchItem grid = first;
    Link.RequestReadings(0);
    int column = 0, row = 0;
    EXPECT_EQ(Link.ReadReadingsPacket(column, row, grid), 0);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(grid.ReadingType(0, 0), ReadingTypeEmpty);
}

TEST(GaugeText, GaugeToPc)
{
    const QByteArray bytes("\x90\xF7\x8E\x91\xA6\xFE\x41\xE9\x13\x0E", 10);
    EXPECT_EQ(GaugeToPcText(bytes, LangJapanese),
              QString::fromUtf16(u"=\u30EF\u309B\u309B\u30A1\u30A6\u30FE" u"A\u30E9\u0013\u000E"));
    EXPECT_EQ(GaugeToPcText(bytes, LangChinese),
              QString::fromUtf16(u"\u0090\u00F7\u008E\u0091\u00A6\u00FE" u"A\u00E9\u01D6\u0101"));
    EXPECT_EQ(GaugeToPcText(bytes, 0x09), QString::fromLatin1(bytes));
    EXPECT_EQ(GaugeToPcText("\xF8\xF9\xFA\x8F\x95", LangJapanese),
              QString::fromUtf16(u"\u30F0\u309B\u30F1\u309B\u30F2\u309B\u309C\u30A5"));
}

TEST(GaugeText, PcToGauge)
{
    struct Case {
        const char16_t *text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {u"\uFF71\uFF72\uFF73", "\x92\x94\xA6"},                 // half-width katakana
        {u"\uFF76\uFF9E\uFF8A\uFF9F", "\xAB\x8E\xCF\x8F"},       // with voiced and semi-voiced marks
        {u"\u30A2\u30A0\u309B\u30FE", "\x92\x90\x8E\xFE"},       // full-width as they are
        {u"\u01D6\u0101\u01DC", "\x13\x0E\x1E"},                 // pinyin letters
        {u"Caf\u00E9 \u20AC5", "Caf\xE9 5"},                      // outside the gauge's set: dropped
        {u"a\u0001b\u0014c\u001Cd\u0017e\u0006\u0007\u0015f", "abcdef"}, // framing bytes never go out
    };
    for (const Case &c : cases)
        EXPECT_EQ(PcToGaugeText(QString::fromUtf16(c.text)), c.bytes) << QString::fromUtf16(c.text).toStdString();
    // Round trip of the katakana range in the Japanese reading
    // (the gauge codes F7 to FA stand for a katakana followed by the voiced mark).
    for (char16_t k = 0x30A6; k <= 0x30FE; ++k) {
        if (k < 0x30F7 || k > 0x30FA) {
            EXPECT_EQ(GaugeToPcText(PcToGaugeText(QString(QChar(k))), LangJapanese), QString(QChar(k)));
        }
    }
}
