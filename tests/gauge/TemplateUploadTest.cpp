// Template batch definitions written into the simulated gauge, and deletes.
#include "GaugeTestSupport.h"
#include "UnitBatchList.h"
#include "UnitTemplateList.h"

namespace {

TTemplateItem CoverGrid()
{
    TTemplateItem item;
    item.ID = QStringLiteral("BRIDGE 00001");
    item.BatchType = BatchTypeCover;
    item.BatchFormat = BatchFormatGrid;
    item.Columns = 12;
    item.Rows = 10;
    item.HighLimit = 60;
    item.LowLimit = 25.5;
    item.HighLimitApplied = true;
    item.LowLimitApplied = false;
    item.Site = QStringLiteral("Twenty characters!!!");
    item.Location = QStringLiteral("Span 2");
    item.Area = QStringLiteral("Soffit");
    item.Engineer = QStringLiteral("K. Osei");
    item.Customer = QStringLiteral("Roads Department");
    item.Note = QStringLiteral("A note that runs on beyond twenty-four characters");
    item.Grid = 150;
    item.BarGrade = 2;
    item.CellType = QStringLiteral("CU/CUSO4");
    return item;
}

QByteArray SubLetters(const QList<TSimCommand> &commands)
{
    QByteArray letters;
    for (const TSimCommand &c : commands)
        letters += c.value(0) == "D" ? c.value(1) : "/" + c.value(0);
    return letters;
}

QByteArray ValueOf(const QList<TSimCommand> &commands, const char *sub)
{
    for (const TSimCommand &c : commands)
        if (c.value(0) == "D" && c.value(1) == sub)
            return c.value(2);
    return "<none>";
}

} // namespace

class TemplateUploadTest : public GaugeLinkTest {
protected:
    void Support(bool halfCell, bool barGrades)
    {
        Link.TemplateSupportBatchType.Cover = true;
        Link.TemplateSupportBatchType.HalfCell = halfCell;
        Link.TemplateSupportBarGrades = barGrades;
    }
};

TEST_F(TemplateUploadTest, RecordOrderAndConditions)
{
    struct Case {
        bool halfCell, barGrades;
        int format;
        QByteArray letters;
    };
    const Case cases[] = {
        {true, true, BatchFormatGrid, "ABEFGHIKLMNQRSPDCJ/E"},
        {false, true, BatchFormatGrid, "ABEFGHIKLMNSPDCJ/E"},
        {true, false, BatchFormatGrid, "ABEFGHIKLMNQRPDCJ/E"},
        {false, false, BatchFormatLinear, "ABEFGHIKLMNP/E"},
    };
    Connect();
    int expectedSlot = 4;
    for (const Case &c : cases) {
        TSimOptions options;
        options.ModelLetter = c.halfCell ? "s" : "S";
        options.BarGrades = c.barGrades;
        Sim.SetOptions(options);
        Support(c.halfCell, c.barGrades);
        Sim.ClearCommands();
        TTemplateItem item = CoverGrid();
        item.ID += QString::number(expectedSlot);
        item.BatchFormat = static_cast<std::uint8_t>(c.format);
        EXPECT_EQ(Link.WriteTemplate(item), expectedSlot);
        ++expectedSlot;
        const QList<TSimCommand> commands = Sim.Commands();
        EXPECT_EQ(SubLetters(commands), c.letters) << c.halfCell << c.barGrades << c.format;
        EXPECT_EQ(ValueOf(commands, "B"), "COVER");
        EXPECT_EQ(ValueOf(commands, "E"), TVentraxK27Interface::FloatToHex(60));
        EXPECT_EQ(ValueOf(commands, "F"), TVentraxK27Interface::FloatToHex(25.5));
        EXPECT_EQ(ValueOf(commands, "G"), "2");
        EXPECT_EQ(ValueOf(commands, "H"), "Twenty character");
        EXPECT_EQ(ValueOf(commands, "N"), "A note that runs on beyo");
        if (c.halfCell) {
            EXPECT_EQ(ValueOf(commands, "Q"), ""); // a cover definition sends an empty cell type
            EXPECT_EQ(ValueOf(commands, "R"), "0000C8C2");
        }
        if (c.barGrades) {
            EXPECT_EQ(ValueOf(commands, "S"), "316");
        }
        if (c.format == BatchFormatGrid) {
            EXPECT_EQ(ValueOf(commands, "P"), "RECT");
            EXPECT_EQ(ValueOf(commands, "D"), "0A");
            EXPECT_EQ(ValueOf(commands, "C"), "0C");
            EXPECT_EQ(ValueOf(commands, "J"), TVentraxK27Interface::FloatToHex(150));
        } else {
            EXPECT_EQ(ValueOf(commands, "P"), "LINEAR");
        }
    }
    // The gauge keeps what it was given; the new batches are in its list.
    const QList<TSimBatch> batches = Sim.Batches();
    ASSERT_EQ(batches.size(), 8);
    EXPECT_EQ(batches[4].ID, "BRIDGE 000014");
    EXPECT_EQ(batches[4].Columns, 12);
    EXPECT_EQ(batches[7].BatchFormat, 1);
}

TEST_F(TemplateUploadTest, HalfCellDefinitions)
{
    Connect();
    TTemplateItem item = CoverGrid();
    item.BatchType = BatchTypeHalfCell;
    item.HighLimit = -200;
    item.LowLimit = -350;
    item.CellType = QStringLiteral("AG/AGCL with a long name");

    // A gauge that takes half-cell templates: limits in volts, cell type cut to 16.
    Support(true, true);
    Link.WriteTemplate(item);
    QList<TSimCommand> commands = Sim.Commands();
    EXPECT_EQ(ValueOf(commands, "B"), "HALFCELL");
    EXPECT_EQ(ValueOf(commands, "E"), TVentraxK27Interface::FloatToHex(-0.2));
    EXPECT_EQ(ValueOf(commands, "F"), TVentraxK27Interface::FloatToHex(-0.35));
    EXPECT_EQ(ValueOf(commands, "Q"), "AG/AGCL with a l");

    // One that does not: sent as a cover definition with the limits as they are.
    TSimOptions options;
    options.ModelLetter = "S";
    Sim.SetOptions(options);
    Support(false, true);
    Sim.ClearCommands();
    item.ID = QStringLiteral("OTHER");
    Link.WriteTemplate(item);
    commands = Sim.Commands();
    EXPECT_EQ(ValueOf(commands, "B"), "COVER");
    EXPECT_EQ(ValueOf(commands, "E"), TVentraxK27Interface::FloatToHex(-200));
    EXPECT_EQ(ValueOf(commands, "Q"), "<none>");
}

TEST_F(TemplateUploadTest, KatakanaAndCutsAfterConversion)
{
    Connect();
    Support(true, false);
    TTemplateItem item = CoverGrid();
    // Eighteen half-width katakana with voiced marks: 18 gauge bytes, cut to 16.
    item.ID = QString::fromUtf16(u"\uFF76\uFF9E\uFF77\uFF9E\uFF78\uFF9E\uFF79\uFF9E\uFF7A\uFF9E\uFF8A\uFF9F\uFF8B\uFF9F\uFF8C\uFF9F\uFF8D\uFF9F");
    item.Site = QString::fromUtf16(u"\u01D6\u20AC\u0101");
    Link.WriteTemplate(item);
    const QList<TSimCommand> commands = Sim.Commands();
    EXPECT_EQ(ValueOf(commands, "A"), QByteArray("\xAB\x8E\xAD\x8E\xAF\x8E\xB1\x8E\xB3\x8E\xCF\x8F\xD2\x8F\xD5\x8F"));
    EXPECT_EQ(ValueOf(commands, "H"), QByteArray("\x13\x0E"));
}

TEST_F(TemplateUploadTest, RefusedDefinitionsSendNothing)
{
    Connect();
    Support(true, true);
    TTemplateItem grade = CoverGrid();
    grade.BarGrade = 4;
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.WriteTemplate(grade); }),
              QStringLiteral("Communications Error: (Unknown Bar Grade)"));
    TTemplateItem format = CoverGrid();
    format.BatchFormat = 2;
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.WriteTemplate(format); }),
              QStringLiteral("Communications Error: (Invalid Batch Format)"));
    // Grid sizes outside what two hex digits carry (a file edited elsewhere).
    for (const auto &[columns, rows] : {std::pair{256, 4}, std::pair{3, 0}, std::pair{-1, 4}, std::pair{3, 100000}}) {
        TTemplateItem size = CoverGrid();
        size.Columns = columns;
        size.Rows = rows;
        Sim.ClearCommands();
        EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.WriteTemplate(size); }),
                  QStringLiteral("Communications Error: (Invalid Grid Dimensions)"))
            << columns << " x " << rows;
        EXPECT_TRUE(Sim.Commands().isEmpty()) << columns << " x " << rows;
    }
    // Without bar grades the grade is not looked at.
    Support(true, false);
    EXPECT_EQ(Link.WriteTemplate(grade), 4);
    EXPECT_EQ(SubLetters(Sim.Commands()), "ABEFGHIKLMNQRPDCJ/E");
}

TEST_F(TemplateUploadTest, MemoryFullAndBatchExists)
{
    Connect();
    Support(true, true);
    TSimOptions options;
    options.MemoryFull = true;
    Sim.SetOptions(options);
    try {
        Link.WriteTemplate(CoverGrid());
        ADD_FAILURE() << "no exception";
    } catch (const VentraxK27MemoryFullException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Communications Error: (Gauge memory full)"));
    }
    Sim.SetOptions(TSimOptions());
    EXPECT_EQ(Link.WriteTemplate(CoverGrid()), 4);
    try {
        Link.WriteTemplate(CoverGrid()); // the same name again
        ADD_FAILURE() << "no exception";
    } catch (const VentraxK27BatchExistsException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Communications Error: (Batch already exists)"));
    }
    // A gauge that answers the store with a bare byte has stored nothing: no slot 0.
    options = TSimOptions();
    options.CutPacket = 1;
    Sim.SetOptions(options);
    TTemplateItem other = CoverGrid();
    other.ID = QStringLiteral("ANOTHER");
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.WriteTemplate(other); }),
              QStringLiteral("Communications Error: (Unexpected packet type)"));
}

TEST_F(TemplateUploadTest, DeleteBatch)
{
    Connect();
    Link.DeleteBatch(1);
    const QList<TSimBatch> batches = Sim.Batches();
    ASSERT_EQ(batches.size(), 3);
    EXPECT_EQ(batches[1].ID, "SLAB-CELLS");
    EXPECT_EQ(Sim.Commands().last(), (TSimCommand{"F", "0001", "YES"}));
    // A slot the gauge does not hold is refused on every attempt.
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.DeleteBatch(1); }),
              QStringLiteral("Communications Error: (Invalid response to command)"));
}
