// The program as an automation server: started by the bus through its activation file, driven by
// a client over a private session bus.
#include "AutomationTestSupport.h"
#include "UnitBatchList.h"
#include "UnitExtInterface.h"
#include "UnitFileHandover.h"
#include "UnitPageItemChart.h"
#include "UnitReport.h"
#include "UnitServiceFile.h"
#include "UnitSettings.h"
#include "UnitStorage.h"
#include "UnitUnits.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QXmlStreamReader>
#include <climits>
#include <optional>
#include <csignal>
#include <sys/stat.h>

namespace {
// The interface as other programs know it: names, argument names and types, in this order.
struct TExpectedMethod {
    const char *Name;
    const char *In;       // signature of the in arguments
    const char *InNames;  // comma separated
    const char *OutName;  // empty: no result
    const char *OutType;
};
const TExpectedMethod Expected[] = {
    {"PrintPage", "si", "AReport,APage", "", ""},
    {"Print", "s", "AReport", "", ""},
    {"OpenBatch", "s", "ABatch", "", ""},
    {"GetBatchID", "", "", "ABatchID", "s"},
    {"GetBatchColumns", "", "", "AColumns", "i"},
    {"GetBatchRows", "", "", "ARows", "i"},
    {"GetBatchReadings", "", "", "AReadings", "i"},
    {"GetBatchCreationDate", "", "", "ACreationDate", "d"},
    {"GetBatchUpdateDate", "", "", "AUpdateDate", "d"},
    {"GetBatchType", "", "", "AType", "i"},
    {"GetBatchFormat", "", "", "AFormat", "i"},
    {"GetBatchHighLimit", "", "", "AHighLimit", "d"},
    {"GetBatchLowLimit", "", "", "ALowLimit", "d"},
    {"GetBatchHighLimitApplied", "", "", "AHighLimitApplied", "i"},
    {"GetBatchLowLimitApplied", "", "", "ALowLimitApplied", "i"},
    {"GetBatchTagSite", "", "", "ATagSite", "s"},
    {"GetBatchTagLocation", "", "", "ATagLocation", "s"},
    {"GetBatchTagArea", "", "", "ATagArea", "s"},
    {"GetBatchTagEngineer", "", "", "ATagEngineer", "s"},
    {"GetBatchTagCustomer", "", "", "ATagCustomer", "s"},
    {"GetBatchTagNote", "", "", "ATagNote", "s"},
    {"GetBatchBarSeries", "", "", "ABarSeries", "i"},
    {"GetBatchBarSize", "", "", "ABarSize", "s"},
    {"GetBatchReadingType", "ii", "AColumn,ARow", "AReadingType", "i"},
    {"GetBatchMeasureType", "ii", "AColumn,ARow", "AMeasureType", "i"},
    {"GetBatchReadingValue", "ii", "AColumn,ARow", "AReadingValue", "d"},
    {"GetBatchMean", "", "", "AMean", "d"},
    {"GetBatchStandardDeviation", "", "", "AStandardDeviation", "d"},
    {"GetBatchMaxValue", "", "", "AMaxValue", "d"},
    {"GetBatchMinValue", "", "", "AMinValue", "d"},
    {"GetBatchReadingsBelowLow", "", "", "AReadingsBelowLow", "i"},
    {"GetBatchReadingsAboveHigh", "", "", "AReadingsAboveHigh", "i"},
    {"GetBatchPercentBelowLow", "", "", "APercentBelowLow", "d"},
    {"GetBatchPercentAboveHigh", "", "", "APercentAboveHigh", "d"},
    {"GetBatchOverRangeReadings", "", "", "AOverRangeReadings", "i"},
    {"GetBatchUnderRangeReadings", "", "", "AUnderRangeReadings", "i"},
    {"GetBatchPercentOverRange", "", "", "APercentOverRange", "d"},
    {"GetBatchPercentUnderRange", "", "", "APercentUnderRange", "d"},
    {"GetBatchGrid", "", "", "AGrid", "d"},
    {"GetLocalPath", "", "", "APath", "s"},
    {"GetBatchReadingValueFormated", "iii", "AColumn,ARow,AUnits", "AValue", "s"},
    {"CopyPageToClipboard", "si", "AReport,APage", "", ""},
    {"GetPageCount", "s", "AReport", "APageCount", "i"},
    {"GetBatchTagCellType", "", "", "ATagCellType", "s"},
    {"GetBatchTagTemperature", "", "", "ATagTemperature", "d"},
};

QString S(const char *text) { return QString::fromUtf8(text); }

// The D-Bus signature a list of test arguments goes out with.
QString SignatureOf(const QVariantList &args)
{
    QString signature;
    for (const QVariant &v : args) {
        switch (v.metaType().id()) {
        case QMetaType::QString: signature += QLatin1Char('s'); break;
        case QMetaType::Int: signature += QLatin1Char('i'); break;
        case QMetaType::UInt: signature += QLatin1Char('u'); break;
        case QMetaType::Double: signature += QLatin1Char('d'); break;
        case QMetaType::Bool: signature += QLatin1Char('b'); break;
        case QMetaType::LongLong: signature += QLatin1Char('x'); break;
        case QMetaType::QByteArray: signature += QStringLiteral("ay"); break;
        case QMetaType::QStringList: signature += QStringLiteral("as"); break;
        default: signature += QLatin1Char('?'); break;
        }
    }
    return signature;
}

void WriteInnerCoverReport(const QString &file)
{
    TReport report;
    TPage *page = report.AddPage();
    page->Properties["PageType"].SetInteger(PageTypeInner);
    page->AddItem<TPageItemChartOverview>();
    report.SaveToFile(file);
}
} // namespace

class AutomationServerTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        Root = Home.Path() + QStringLiteral("/root/");
        WriteStorageRoot(Root);
        EnsureStorageFolders();
        Program = BuiltProgram(QStringLiteral("orvalis"));
        ASSERT_FALSE(Program.isEmpty());
        const TProgramRun reg = RunProgram(Program, {QStringLiteral("-regserver")});
        ASSERT_EQ(reg.ExitCode, 0) << reg.Err.toStdString();
        ASSERT_TRUE(QFile::exists(Home.DataHome() + QStringLiteral("/dbus-1/services/Orvalis.OrvalisInterface.service")));
        Bus = std::make_unique<TPrivateBus>(Home.Path());
        ASSERT_TRUE(Bus->Running());
        Client = Bus->Connect(QStringLiteral("client"));
        ASSERT_TRUE(Client.isConnected());
    }

    void TearDown() override
    {
        if (Bus) {
            StopServer();
            Bus->Disconnect(QStringLiteral("client"));
        }
        Bus.reset();
    }

    // Ends a server still running (started by the bus for this test).
    void StopServer()
    {
        const uint pid = OwnerPid(Client, AutomationServiceName());
        if (pid == 0)
            return;
        ::kill(static_cast<pid_t>(pid), SIGTERM);
        EXPECT_TRUE(ServeEventsUntil([&] { return !NameHasOwner(Client, AutomationServiceName()); }, 30000));
    }

    // The result of a call that must succeed.
    QVariant Get(const QString &method, const QVariantList &args = {})
    {
        const QDBusMessage reply = CallAutomation(Client, method, args);
        EXPECT_EQ(ErrorOf(reply), QString()) << method.toStdString();
        return reply.arguments().value(0);
    }
    QString Fails(const QString &method, const QVariantList &args = {})
    {
        return ErrorOf(CallAutomation(Client, method, args));
    }

    QString LocalFile(const QString &source, const QString &name)
    {
        const QString target = Root + QStringLiteral("Local/") + name;
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(source, target));
        return target;
    }

    QString Root, Program;
    std::unique_ptr<TPrivateBus> Bus;
    QDBusConnection Client{QStringLiteral("none")};
};

TEST_F(AutomationServerTest, OpenBatchGivesTheValuesOfTheBatchRecord)
{
    // Before any OpenBatch the open batch is empty.
    for (const char *zero : {"GetBatchColumns", "GetBatchRows", "GetBatchReadings", "GetBatchReadingsBelowLow"})
        EXPECT_EQ(Get(S(zero)), QVariant(0)) << zero;
    for (const char *zero : {"GetBatchMean", "GetBatchStandardDeviation", "GetBatchMaxValue", "GetBatchPercentOverRange"})
        EXPECT_EQ(Get(S(zero)), QVariant(0.0)) << zero;
    for (const char *empty : {"GetBatchID", "GetBatchTagSite", "GetBatchTagNote", "GetBatchTagCellType"})
        EXPECT_EQ(Get(S(empty)), QVariant(QString())) << empty;
    EXPECT_EQ(Get(QStringLiteral("GetBatchHighLimitApplied")), QVariant(0));
    EXPECT_TRUE(Fails(QStringLiteral("GetBatchReadingType"), {0, 0}).startsWith(QStringLiteral("Orvalis.Error.Unexpected: Cell index out of range")));

    // The fixture with limits that readings fall on both sides of.
    const QString file = Root + QStringLiteral("Local/Chart Cover.vcb");
    TBatchItem b;
    b.LoadFromFile(TestDataFile(QStringLiteral("ChartCover10x10.vcb")));
    b.LowLimit = b.Mean() - 2;
    b.HighLimit = b.Mean() + 2;
    b.SaveToFile(file);
    b.LoadFromFile(file);
    ASSERT_TRUE(b.HighLimitApplied);
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {file}), QString());
    const std::pair<const char *, QVariant> values[] = {
        {"GetBatchID", QStringLiteral("Chart Cover")},
        {"GetBatchColumns", int(b.Columns)},
        {"GetBatchRows", int(b.Rows)},
        {"GetBatchReadings", int(b.Readings)},
        {"GetBatchCreationDate", b.CreationDate},
        {"GetBatchUpdateDate", b.UpdateDate},
        {"GetBatchType", int(b.BatchType)},
        {"GetBatchFormat", int(b.BatchFormat)},
        {"GetBatchHighLimit", b.HighLimit},
        {"GetBatchLowLimit", b.LowLimit},
        {"GetBatchHighLimitApplied", -1},
        {"GetBatchLowLimitApplied", -1},
        {"GetBatchTagSite", b.Site},
        {"GetBatchTagLocation", b.Location},
        {"GetBatchTagArea", b.Area},
        {"GetBatchTagEngineer", b.Engineer},
        {"GetBatchTagCustomer", b.Customer},
        {"GetBatchTagNote", b.Note},
        {"GetBatchBarSeries", int(b.BarSeries)},
        {"GetBatchBarSize", b.BarSizeName()},
        {"GetBatchMean", b.Mean()},
        {"GetBatchStandardDeviation", b.StandardDeviation()},
        {"GetBatchMaxValue", b.Max()},
        {"GetBatchMinValue", b.Min()},
        {"GetBatchReadingsBelowLow", b.CountBelowLow()},
        {"GetBatchReadingsAboveHigh", b.CountAboveHigh()},
        {"GetBatchPercentBelowLow", b.PercentBelowLow()},
        {"GetBatchPercentAboveHigh", b.PercentAboveHigh()},
        {"GetBatchOverRangeReadings", b.CountOverRange()},
        {"GetBatchUnderRangeReadings", b.CountUnderRange()},
        {"GetBatchPercentOverRange", b.PercentOverRange()},
        {"GetBatchPercentUnderRange", b.PercentUnderRange()},
        {"GetBatchGrid", b.Grid},
        {"GetLocalPath", Root + QStringLiteral("Local/")},
        {"GetBatchTagCellType", b.CellType},
        {"GetBatchTagTemperature", b.Temperature},
    };
    for (const auto &[method, expected] : values) {
        const QVariant actual = Get(S(method));
        EXPECT_EQ(actual.metaType(), expected.metaType()) << method;
        EXPECT_EQ(actual, expected) << method;
    }
    // The fixture has readings out of range and outside a limit.
    EXPECT_GT(b.CountOverRange(), 0);
    EXPECT_GT(b.CountUnderRange(), 0);
    EXPECT_GT(b.CountAboveHigh(), 0);
    EXPECT_GT(b.CountBelowLow(), 0);

    for (int c = 0; c < b.Columns; ++c)
        for (int r = 0; r < b.Rows; ++r) {
            EXPECT_EQ(Get(QStringLiteral("GetBatchReadingType"), {c, r}), QVariant(int(b.ReadingType(c, r))));
            EXPECT_EQ(Get(QStringLiteral("GetBatchMeasureType"), {c, r}), QVariant(int(b.MeasureType(c, r))));
            EXPECT_EQ(Get(QStringLiteral("GetBatchReadingValue"), {c, r}), QVariant(b.Value(c, r)));
        }
    // Cells outside the matrix fail.
    const std::pair<int, int> outside[] = {{b.Columns, 0}, {0, b.Rows}, {-1, 0}, {0, -1}, {INT_MAX, INT_MIN}};
    for (const auto &[c, r] : outside)
        for (const char *method : {"GetBatchReadingType", "GetBatchMeasureType", "GetBatchReadingValue"}) {
            EXPECT_TRUE(Fails(S(method), {c, r}).startsWith(QStringLiteral("Orvalis.Error.Unexpected: Cell index out of range")))
                << method << " " << c << "," << r;
        }
    EXPECT_TRUE(Fails(QStringLiteral("GetBatchReadingValueFormated"), {b.Columns, 0, 0})
                    .startsWith(QStringLiteral("Orvalis.Error.Unexpected: Cell index out of range")));
}

TEST_F(AutomationServerTest, FormattedValueInTheGivenUnitsLeavesTheProgramsUnits)
{
    TBatchItem b;
    b.SetNewBatchDefaults(BatchTypeCover, BatchFormatGrid);
    b.SetValue(0, 0, 25.4);
    b.SetReadingType(0, 0, ReadingTypeReading);
    b.SetMeasureType(0, 0, MeasureTypeInRange);
    b.Readings = b.ValidCount();
    const QString file = Root + QStringLiteral("Local/Inch.vcb");
    b.SaveToFile(file);
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {file}), QString());

    QString inch, millimetres;
    {
        TCoverUnitsScope imperial(1);
        inch = b.FormatValue(25.4);
    }
    {
        TCoverUnitsScope metric(0);
        millimetres = b.FormatValue(25.4);
    }
    EXPECT_EQ(inch, QLocale().toString(1.0, 'f', 2));
    EXPECT_EQ(Get(QStringLiteral("GetBatchReadingValueFormated"), {0, 0, 1}), QVariant(inch));
    EXPECT_EQ(Get(QStringLiteral("GetBatchReadingValueFormated"), {0, 0, 0}), QVariant(millimetres));
    EXPECT_EQ(Get(QStringLiteral("GetBatchReadingValueFormated"), {0, 0, 1}), QVariant(inch));
    EXPECT_TRUE(Fails(QStringLiteral("GetBatchReadingValueFormated"), {0, 0, 257}).startsWith(QStringLiteral("Orvalis.Error.Unexpected: ")));
    // The program's own unit setting is untouched.
    TSettings settings;
    settings.LoadFromFile(SettingsFileName());
    EXPECT_EQ(settings.ItemByName(QStringLiteral("CoverUnits")).AsInteger(), 0);
    EXPECT_EQ(Get(QStringLiteral("GetBatchReadingValue"), {0, 0}), QVariant(25.4));
}

TEST_F(AutomationServerTest, ReportsByNameFilledWithTheOpenBatch)
{
    WriteInnerCoverReport(Root + QStringLiteral("Reports/Cover Inner.vcr"));
    const QString cover = LocalFile(TestDataFile(QStringLiteral("ChartCover10x10.vcb")), QStringLiteral("Cover.vcb"));
    const QString half = LocalFile(TestDataFile(QStringLiteral("ChartHalfCell5x5.vch")), QStringLiteral("Half.vch"));

    // Nothing open: the inner page has no batch.
    EXPECT_EQ(Get(QStringLiteral("GetPageCount"), {QStringLiteral("Cover Inner")}), QVariant(0));
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {cover}), QString());
    TBatchItem b;
    b.LoadFromFile(cover);
    TReport design, expected;
    design.LoadFromFile(Root + QStringLiteral("Reports/Cover Inner.vcr"));
    expected.Assign(&design);
    expected.FillWithBatches(&b, nullptr);
    ASSERT_GE(expected.Count(), 1);
    EXPECT_EQ(Get(QStringLiteral("GetPageCount"), {QStringLiteral("cOVER iNNER")}), QVariant(expected.Count()));
    // Without a printer printing fails with a clear message; the page index is checked first.
    EXPECT_EQ(Fails(QStringLiteral("PrintPage"), {QStringLiteral("cover inner"), expected.Count()}),
              QStringLiteral("Orvalis.Error.Unexpected: Page does not exist"));
    EXPECT_EQ(Fails(QStringLiteral("PrintPage"), {QStringLiteral("cover inner"), 0}),
              QStringLiteral("Orvalis.Error.Unexpected: There is no default printer to print on"));
    EXPECT_EQ(Fails(QStringLiteral("Print"), {QStringLiteral("cover inner")}),
              QStringLiteral("Orvalis.Error.Unexpected: There is no default printer to print on"));
    // The bus starts the server without a display: no other program could paste a copied page.
    for (int page : {0, -1})
        EXPECT_EQ(Fails(QStringLiteral("CopyPageToClipboard"), {QStringLiteral("cover inner"), page}),
                  QStringLiteral("Orvalis.Error.Unexpected: There is no display: no other program could paste a page "
                                 "from this clipboard"));

    // A half-cell batch leaves the cover-only report without pages.
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {half}), QString());
    EXPECT_EQ(Get(QStringLiteral("GetPageCount"), {QStringLiteral("Cover Inner")}), QVariant(0));
    EXPECT_EQ(Fails(QStringLiteral("PrintPage"), {QStringLiteral("Cover Inner"), 0}),
              QStringLiteral("Orvalis.Error.Unexpected: Page does not exist"));

    // A report stored after the start is found; one that is not there fails.
    WriteInnerCoverReport(Root + QStringLiteral("Reports/Later.vcr"));
    EXPECT_EQ(Get(QStringLiteral("GetPageCount"), {QStringLiteral("LATER")}), QVariant(0));
    for (const char *method : {"GetPageCount", "Print"})
        EXPECT_EQ(Fails(S(method), {QStringLiteral("No Such Report")}), QStringLiteral("Orvalis.Error.Unexpected: Report does not exist"));
    // The shipped half-cell report has pages for the half-cell batch.
    EXPECT_GE(Get(QStringLiteral("GetPageCount"), {QStringLiteral("half cell survey report")}).toInt(), 1);
}

TEST_F(AutomationServerTest, AFailedOpenCarriesTheReadersMessage)
{
    const QString missing = Root + QStringLiteral("Local/Missing.vcb");
    TBatchItem b;
    const QString message = MessageOf([&] { b.LoadFromFile(missing); });
    ASSERT_FALSE(message.isEmpty());
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {missing}), QStringLiteral("Orvalis.Error.Unexpected: ") + message);
    const QString broken = Root + QStringLiteral("Local/Broken.vcb");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<Batch><Columns>2</Columns>");
    f.close();
    const QString brokenMessage = MessageOf([&] { b.LoadFromFile(broken); });
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {broken}), QStringLiteral("Orvalis.Error.Unexpected: ") + brokenMessage);

    // A file larger than any batch (sparse, so it costs no disk) is refused by its size, before
    // it is read; the batch opened before stays open.
    const QString cover = LocalFile(TestDataFile(QStringLiteral("ChartCover10x10.vcb")), QStringLiteral("Cover.vcb"));
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {cover}), QString());
    const QString huge = Root + QStringLiteral("Local/Huge.vcb");
    QFile big(huge);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(MaxBatchFileBytes + 1));
    big.close();
    EXPECT_EQ(Fails(QStringLiteral("OpenBatch"), {huge}),
              QStringLiteral("Orvalis.Error.Unexpected: The file \"%1\" is larger than any batch file can be (at most 64 MB)")
                  .arg(huge));
    EXPECT_EQ(Get(QStringLiteral("GetBatchID")), QVariant(QStringLiteral("Cover")));
}

TEST_F(AutomationServerTest, IntrospectionListsTheMethodsInOrderWithTheirHelp)
{
    const QDBusMessage reply = CallAutomation(Client, QStringLiteral("Introspect"), {}, QStringLiteral("org.freedesktop.DBus.Introspectable"));
    ASSERT_EQ(ErrorOf(reply), QString());
    QXmlStreamReader xml(reply.arguments().value(0).toString());
    QStringList names;
    QMap<QString, QString> signature, argNames, out, help;
    QString interface, method;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("interface")) {
            interface = a.value(QLatin1String("name")).toString();
        } else if (xml.name() == QLatin1String("method") && interface == AutomationInterfaceName()) {
            method = a.value(QLatin1String("name")).toString();
            names << method;
        } else if (xml.name() == QLatin1String("arg") && interface == AutomationInterfaceName()) {
            if (a.value(QLatin1String("direction")) == QLatin1String("out")) {
                out[method] = a.value(QLatin1String("name")).toString() + QLatin1Char(':') + a.value(QLatin1String("type")).toString();
            } else {
                signature[method] += a.value(QLatin1String("type")).toString();
                argNames[method] += (argNames[method].isEmpty() ? QString() : QStringLiteral(",")) + a.value(QLatin1String("name")).toString();
            }
        } else if (xml.name() == QLatin1String("annotation") && interface == AutomationInterfaceName() &&
                   a.value(QLatin1String("name")) == QLatin1String("org.gtk.GDBus.DocString")) {
            help[method] = a.value(QLatin1String("value")).toString();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    QStringList expectedNames;
    for (const TExpectedMethod &m : Expected) {
        expectedNames << S(m.Name);
        const QString name = S(m.Name);
        EXPECT_EQ(signature.value(name), S(m.In)) << m.Name;
        EXPECT_EQ(argNames.value(name), S(m.InNames)) << m.Name;
        EXPECT_EQ(out.value(name), *m.OutName ? S(m.OutName) + QLatin1Char(':') + S(m.OutType) : QString()) << m.Name;
    }
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(help.value(QStringLiteral("PrintPage")), QStringLiteral("Print a page of a report of open batch to current printer"));
    EXPECT_EQ(help.value(QStringLiteral("GetBatchTagEngineer")), QStringLiteral("Returns the engineer tag of the open batch"));
    EXPECT_EQ(help.value(QStringLiteral("CopyPageToClipboard")), QStringLiteral("Copys specified page to the windows clipboard"));
    EXPECT_EQ(help.size(), 43);
    EXPECT_FALSE(help.contains(QStringLiteral("GetBatchTagCellType")));
    EXPECT_FALSE(help.contains(QStringLiteral("GetBatchTagTemperature")));
}

TEST_F(AutomationServerTest, FuzzedCallsGetErrorRepliesNeverACrash)
{
    // Start the server and remember who serves.
    ASSERT_EQ(Get(QStringLiteral("GetBatchColumns")), QVariant(0));
    const uint pid = OwnerPid(Client, AutomationServiceName());
    ASSERT_NE(pid, 0u);

    // Wrong argument types and counts, for every method.
    const QVariantList samples[] = {
        {}, {QStringLiteral("x")}, {1}, {1.5}, {true}, {uint(3)}, {qlonglong(1)}, {QByteArray("ab")},
        {QStringList{QStringLiteral("a")}}, {QStringLiteral("x"), 1}, {1, QStringLiteral("x")}, {1, 1}, {1, 1, 1},
        {1, 1, 1, 1}, {QStringLiteral("x"), QStringLiteral("y")}, {QStringLiteral("x"), 1.0}, {1.0, 1.0, 1.0},
    };
    for (const TExpectedMethod &m : Expected)
        for (const QVariantList &args : samples) {
            if (SignatureOf(args) == S(m.In))
                continue;
            const QString error = Fails(S(m.Name), args);
            EXPECT_TRUE(error.startsWith(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs: "))) << m.Name << " " << SignatureOf(args).toStdString() << " " << error.toStdString();
        }
    // Unknown methods and interfaces.
    EXPECT_TRUE(Fails(QStringLiteral("NoSuchMethod")).startsWith(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod")));
    EXPECT_FALSE(ErrorOf(CallAutomation(Client, QStringLiteral("GetBatchRows"), {}, QStringLiteral("Orvalis.Other"))).isEmpty());
    // A call without an interface reaches the method of that name.
    EXPECT_EQ(ErrorOf(CallAutomation(Client, QStringLiteral("GetBatchRows"), {}, QStringLiteral(""))), QString());

    // Huge strings and paths that are not batch files.
    const QString huge(4 * 1024 * 1024, QLatin1Char('a'));
    const QString fifo = Home.Path() + QStringLiteral("/pipe.vcb");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString unexpected = QStringLiteral("Orvalis.Error.Unexpected: ");
    for (const QString &path : {huge, QStringLiteral("/"), QStringLiteral("/dev/zero"), QStringLiteral("/dev/null"), fifo, Home.Path(),
                                QStringLiteral("relative/none.vcb"), QString(), QStringLiteral("/proc/self/status"),
                                QStringLiteral("\u00e9\u4e2d\u0001\t\n")})
        EXPECT_TRUE(Fails(QStringLiteral("OpenBatch"), {path}).startsWith(unexpected)) << path.left(40).toStdString();
    for (const char *method : {"GetPageCount", "Print"})
        EXPECT_TRUE(Fails(S(method), {huge}).startsWith(unexpected)) << method;
    for (const char *method : {"PrintPage", "CopyPageToClipboard"})
        for (int page : {0, -1, INT_MAX, INT_MIN})
            EXPECT_TRUE(Fails(S(method), {huge, page}).startsWith(unexpected)) << method;

    // Random calls: any reply is fine as long as one comes.
    QRandomGenerator random(22);
    const auto randomArgument = [&]() -> QVariant {
        switch (random.bounded(5)) {
        case 0: return int(random.generate());
        case 1: return random.generateDouble() * 1e9 - 5e8;
        case 2: return QString(random.bounded(2000), QChar(char16_t(0x20 + random.bounded(0x3000))));
        case 3: return QStringLiteral("/dev/zero");
        default: return QStringLiteral("Half Cell Survey Report");
        }
    };
    for (int i = 0; i < 300; ++i) {
        const TExpectedMethod &m = Expected[random.bounded(int(std::size(Expected)))];
        if (S(m.Name) == QLatin1String("Print") || S(m.Name) == QLatin1String("PrintPage"))
            continue;
        QVariantList args;
        const int count = random.bounded(4);
        for (int k = 0; k < count; ++k)
            args << randomArgument();
        const QDBusMessage reply = CallAutomation(Client, S(m.Name), args);
        ASSERT_TRUE(reply.type() == QDBusMessage::ReplyMessage || reply.type() == QDBusMessage::ErrorMessage) << m.Name;
        ASSERT_FALSE(reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply")) << m.Name;
    }
    // Still the same process, still answering.
    EXPECT_EQ(ErrorOf(CallAutomation(Client, QStringLiteral("GetBatchColumns"))), QString());
    EXPECT_EQ(OwnerPid(Client, AutomationServiceName()), pid);
}

TEST_F(AutomationServerTest, GdbusCallsReachOneProcessEachAsAClientOfItsOwn)
{
    const QString file = LocalFile(TestDataFile(QStringLiteral("ChartHalfCell5x5.vch")), QStringLiteral("Half Cell 5.vch"));
    const auto gdbus = [&](const QString &method, const QStringList &args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        return RunProgram(QStringLiteral("gdbus"),
                          QStringList{QStringLiteral("call"), QStringLiteral("--address"), Bus->Address(), QStringLiteral("--dest"),
                                      AutomationServiceName(), QStringLiteral("--object-path"), AutomationObjectPath(),
                                      QStringLiteral("--timeout"), QStringLiteral("180"), QStringLiteral("--method"),
                                      AutomationInterfaceName() + QLatin1Char('.') + method} +
                              args,
                          env, 200000);
    };
    const TProgramRun open = gdbus(QStringLiteral("OpenBatch"), {file});
    ASSERT_EQ(open.ExitCode, 0) << open.Err.toStdString();
    EXPECT_EQ(open.Out.trimmed(), QStringLiteral("()"));
    const uint pid = OwnerPid(Client, AutomationServiceName());
    // Each gdbus run is a new connection: the batch the first one opened left with it.
    const TProgramRun id = gdbus(QStringLiteral("GetBatchID"), {});
    EXPECT_EQ(id.Out.trimmed(), QStringLiteral("('',)"));
    const TProgramRun type = gdbus(QStringLiteral("GetBatchColumns"), {});
    EXPECT_EQ(type.Out.trimmed(), QStringLiteral("(0,)"));
    const TProgramRun failed = gdbus(QStringLiteral("GetPageCount"), {QStringLiteral("No Such Report")});
    EXPECT_NE(failed.ExitCode, 0);
    EXPECT_TRUE(failed.Err.contains(QStringLiteral("Orvalis.Error.Unexpected"))) << failed.Err.toStdString();
    EXPECT_TRUE(failed.Err.contains(QStringLiteral("Report does not exist"))) << failed.Err.toStdString();
    EXPECT_EQ(OwnerPid(Client, AutomationServiceName()), pid);
}

TEST_F(AutomationServerTest, EachClientHasAnOpenBatchOfItsOwn)
{
    const QString cover = LocalFile(TestDataFile(QStringLiteral("ChartCover10x10.vcb")), QStringLiteral("Cover A.vcb"));
    const QString half = LocalFile(TestDataFile(QStringLiteral("ChartHalfCell5x5.vch")), QStringLiteral("Half B.vch"));
    TBatchItem a, b;
    a.LoadFromFile(cover);
    b.LoadFromFile(half);
    ASSERT_NE(a.Columns, b.Columns);
    // Held in an optional so that the first client can drop its last reference and leave.
    std::optional<QDBusConnection> firstHolder = Bus->Connect(QStringLiteral("first"));
    const QDBusConnection &first = *firstHolder;
    const QDBusConnection second = Bus->Connect(QStringLiteral("second"));
    ASSERT_TRUE(first.isConnected() && second.isConnected());
    const auto get = [](const QDBusConnection &bus, const char *method) {
        const QDBusMessage reply = CallAutomation(bus, S(method));
        EXPECT_EQ(ErrorOf(reply), QString()) << method;
        return reply.arguments().value(0);
    };

    // Both clients at once, their calls interleaved: each reads its own batch, in one process.
    EXPECT_EQ(ErrorOf(CallAutomation(first, QStringLiteral("OpenBatch"), {cover})), QString());
    EXPECT_EQ(ErrorOf(CallAutomation(second, QStringLiteral("OpenBatch"), {half})), QString());
    const uint pid = OwnerPid(Client, AutomationServiceName());
    ASSERT_NE(pid, 0u);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(get(first, "GetBatchID"), QVariant(QStringLiteral("Cover A")));
        EXPECT_EQ(get(second, "GetBatchID"), QVariant(QStringLiteral("Half B")));
        EXPECT_EQ(get(first, "GetBatchColumns"), QVariant(int(a.Columns)));
        EXPECT_EQ(get(second, "GetBatchColumns"), QVariant(int(b.Columns)));
        EXPECT_EQ(get(second, "GetBatchType"), QVariant(int(BatchTypeHalfCell)));
        EXPECT_EQ(get(first, "GetBatchMean"), QVariant(a.Mean()));
    }
    // A third client, which opened nothing, sees an empty batch.
    EXPECT_EQ(Get(QStringLiteral("GetBatchID")), QVariant(QString()));
    EXPECT_EQ(Get(QStringLiteral("GetBatchColumns")), QVariant(0));

    // The first client leaves; once the bus has let it go, the second still has its batch.
    const QString firstName = first.baseService();
    firstHolder.reset();
    Bus->Disconnect(QStringLiteral("first"));
    ASSERT_TRUE(ServeEventsUntil([&] { return !NameHasOwner(Client, firstName); }, 30000));
    EXPECT_EQ(get(second, "GetBatchID"), QVariant(QStringLiteral("Half B")));
    EXPECT_EQ(get(second, "GetBatchColumns"), QVariant(int(b.Columns)));
    EXPECT_EQ(Get(QStringLiteral("GetBatchColumns")), QVariant(0));
    EXPECT_EQ(OwnerPid(Client, AutomationServiceName()), pid);
    Bus->Disconnect(QStringLiteral("second"));
}

// The user's window never answers automation calls: a client reaches a windowless instance that
// the bus starts beside it.
TEST_F(AutomationServerTest, AWindowStartedFirstIsNotTheProcessThatAnswers)
{
    QProcess window;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), Bus->Address());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    window.setProcessEnvironment(env);
    window.start(Program, {});
    ASSERT_TRUE(window.waitForStarted(20000));
    // The window is up once it offers the file hand-over.
    const QString handover = QString::fromLatin1(TFileHandover::ServiceName);
    EXPECT_TRUE(ServeEventsUntil([&] { return NameHasOwner(Client, handover) || window.state() != QProcess::Running; }, 120000));
    ASSERT_EQ(window.state(), QProcess::Running) << window.readAllStandardError().toStdString();
    EXPECT_EQ(OwnerPid(Client, handover), uint(window.processId()));
    EXPECT_FALSE(NameHasOwner(Client, AutomationServiceName()));

    EXPECT_EQ(Get(QStringLiteral("GetBatchColumns")), QVariant(0));
    const uint pid = OwnerPid(Client, AutomationServiceName());
    EXPECT_NE(pid, 0u);
    EXPECT_NE(pid, uint(window.processId()));
    EXPECT_EQ(window.state(), QProcess::Running);
    window.kill();
    window.waitForFinished(10000);
}

// A windowless start shows no box: a start-up failure goes to stderr and the process ends,
// releasing the bus name.
TEST_F(AutomationServerTest, AHiddenStartWhoseStorageCannotBeMadeEndsWithItsMessage)
{
    // Below a plain file no folder can be made, whoever runs the test.
    const QString blocker = Home.Path() + QStringLiteral("/plain-file");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    WriteStorageRoot(blocker + QStringLiteral("/root"));
    const QString message = MessageOf([] { EnsureStorageFolders(); });
    ASSERT_FALSE(message.isEmpty());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), Bus->Address());
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // Well within the idle time after which a stuck start would have been released at best.
    const TProgramRun run = RunProgram(Program, {QStringLiteral("-Embedding")}, env, 10000);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("orvalis: ") + message)) << run.Err.toStdString();
    EXPECT_FALSE(NameHasOwner(Client, AutomationServiceName()));
}

TEST_F(AutomationServerTest, EmbeddingStartEndsAfterItsClientHasGone)
{
    uint pid = 0;
    QElapsedTimer sinceLastCall;
    {
        // Only this connection calls; the fixture's own connection only asks the bus.
        const QDBusConnection caller = Bus->Connect(QStringLiteral("caller"));
        ASSERT_TRUE(caller.isConnected());
        EXPECT_EQ(ErrorOf(CallAutomation(caller, QStringLiteral("GetBatchRows"))), QString());
        pid = OwnerPid(Client, AutomationServiceName());
        ASSERT_NE(pid, 0u);
        // A second automation start finds the name taken and ends at once.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), Bus->Address());
        const TProgramRun second = RunProgram(Program, {QStringLiteral("/Embedding")}, env);
        EXPECT_EQ(second.ExitCode, 0) << second.Err.toStdString();
        EXPECT_EQ(OwnerPid(Client, AutomationServiceName()), pid);
        EXPECT_EQ(ErrorOf(CallAutomation(caller, QStringLiteral("GetBatchColumns"))), QString());
        sinceLastCall.start();
    }
    // The last reference is gone, so this closes the connection: the caller leaves the bus.
    Bus->Disconnect(QStringLiteral("caller"));
    ASSERT_TRUE(ServeEventsUntil([&] { return !NameHasOwner(Client, AutomationServiceName()); }, 90000));
    // It waited for the quiet time after the last call, and the process is gone.
    EXPECT_GE(sinceLastCall.elapsed(), 9000);
    const QString status = QStringLiteral("/proc/%1/cmdline").arg(pid);
    EXPECT_TRUE(ServeEventsUntil([&] { return !QFileInfo::exists(status) || QFile(status).size() == 0; }, 30000));
}

TEST_F(AutomationServerTest, RegserverAndUnregserverWriteAndRemoveTheServiceFile)
{
    const QString service = Home.DataHome() + QStringLiteral("/dbus-1/services/Orvalis.OrvalisInterface.service");
    QFile file(service);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QStringLiteral("[D-BUS Service]\nName=Orvalis.OrvalisInterface\nExec=%1 -embedding\n")
                                  .arg(QFileInfo(Program).absoluteFilePath())
                                  .toUtf8());
    file.close();
    const TProgramRun removed = RunProgram(Program, {QStringLiteral("/UNREGSERVER")});
    EXPECT_EQ(removed.ExitCode, 0) << removed.Err.toStdString();
    EXPECT_FALSE(QFile::exists(service));
    // Without the file the bus cannot start the program.
    EXPECT_TRUE(Fails(QStringLiteral("GetBatchRows")).startsWith(QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown")));
    const TProgramRun again = RunProgram(Program, {QStringLiteral("-RegServer")});
    EXPECT_EQ(again.ExitCode, 0) << again.Err.toStdString();
    EXPECT_TRUE(QFile::exists(service));
    // Nothing else ran: no second removal needed, and the name has no owner.
    EXPECT_FALSE(NameHasOwner(Client, AutomationServiceName()));
}

// The activation file quotes a path the bus would otherwise split.
TEST(ServiceFile, ExecLineQuotesWhatTheBusWouldSplit)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/usr/bin/orvalis", "Exec=/usr/bin/orvalis -embedding\n"},
        {"/opt/My Apps/orvalis", "Exec='/opt/My Apps/orvalis' -embedding\n"},
        {"/opt/it's/orvalis", "Exec='/opt/it'\\''s/orvalis' -embedding\n"},
    };
    for (const auto &[path, line] : cases)
        EXPECT_TRUE(ServiceFileText(S(path)).endsWith(line)) << ServiceFileText(S(path)).toStdString();
}

TEST(ServerStart, SwitchesWithSlashOrDashInAnyCase)
{
    const std::pair<QStringList, TServerStart> cases[] = {
        {{S("orvalis")}, TServerStart::Window},
        {{S("orvalis"), S("-embedding")}, TServerStart::Automation},
        {{S("orvalis"), S("/AUTOMATION")}, TServerStart::Automation},
        {{S("orvalis"), S("/Automation")}, TServerStart::Automation},
        {{S("orvalis"), S("-EMBEDDING")}, TServerStart::Automation},
        {{S("orvalis"), S("embedding")}, TServerStart::Window},
        {{S("orvalis"), S("--embedding")}, TServerStart::Window},
        {{S("orvalis"), S("-trace")}, TServerStart::Window},
        {{S("orvalis"), S("/RegServer")}, TServerStart::Register},
        {{S("orvalis"), S("-unregserver")}, TServerStart::Unregister},
        {{S("orvalis"), S("regserver")}, TServerStart::Window},
        {{S("orvalis"), S("--regserver")}, TServerStart::Window},
        {{S("orvalis"), S("/tmp/batch.vcb")}, TServerStart::Window},
    };
    for (const auto &[args, start] : cases)
        EXPECT_EQ(ServerStartOf(args), start) << args.join(QLatin1Char(' ')).toStdString();
}

// The example client of the user guide runs as written.
TEST_F(AutomationServerTest, PythonExampleOfTheGuideRuns)
{
    QFile guide(QStringLiteral(ORVALIS_RESOURCE_DIR "/../docs/automation.md"));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("```python\n"));
    ASSERT_GE(start, 0);
    const qsizetype end = text.indexOf(QStringLiteral("```"), start + 10);
    const QString script = Home.Path() + QStringLiteral("/client.py");
    QFile out(script);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text.mid(start + 10, end - start - 10).toUtf8());
    out.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), Bus->Address());
    // Debian's interpreter, which has python3-dbus.
    const TProgramRun run = RunProgram(QStringLiteral("/usr/bin/python3"), {script}, env, 200000);
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.startsWith(QStringLiteral("Batch Deck Soffit 00001 taken 2025-"))) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral("Size 24 x 12 with "))) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral("The report has 2 pages for this batch"))) << run.Out.toStdString();
}

// On a real display: the automation start shows nothing; a window start beside it, which finds
// the bus name taken, still shows its window.
TEST_F(AutomationServerTest, EmbeddingShowsNoWindowAndAWindowStartStillDoes)
{
    TDisplayBus displayed(Home.Path() + QStringLiteral("/x"));
    const TVirtualDisplay &display = displayed.Display;
    ASSERT_FALSE(display.Name().isEmpty()) << "Xvfb did not start";
    const QProcessEnvironment &x = displayed.X;
    const TPrivateBus &bus = *displayed.Bus;
    ASSERT_TRUE(bus.Running());
    {
        const QDBusConnection caller = bus.Connect(QStringLiteral("x-caller"));
        EXPECT_EQ(ErrorOf(CallAutomation(caller, QStringLiteral("GetLocalPath"))), QString());
        const uint pid = OwnerPid(caller, AutomationServiceName());
        ASSERT_NE(pid, 0u);
        EXPECT_EQ(display.ViewableWindows(), QStringList());

        QProcess window;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(x);
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.Address());
        window.setProcessEnvironment(env);
        window.start(Program, {});
        ASSERT_TRUE(window.waitForStarted(20000));
        const bool shown = ServeEventsUntil(
            [&] { return display.ViewableWindows().join(QLatin1Char('|')).contains(QStringLiteral("Ventrax Orvalis")); }, 120000);
        EXPECT_TRUE(shown) << display.ViewableWindows().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(window.state(), QProcess::Running);
        EXPECT_EQ(OwnerPid(caller, AutomationServiceName()), pid);
        window.kill();
        window.waitForFinished(10000);
        ::kill(static_cast<pid_t>(pid), SIGTERM);
        EXPECT_TRUE(ServeEventsUntil([&] { return !NameHasOwner(caller, AutomationServiceName()); }, 30000));
    }
    bus.Disconnect(QStringLiteral("x-caller"));
}

// On a real display a copied page stays pasteable after its client has gone: the server runs on
// while it holds the clipboard, and ends once another program takes the clipboard over.
TEST_F(AutomationServerTest, WithADisplayACopiedPageOutlivesItsClient)
{
    TDisplayBus displayed(Home.Path() + QStringLiteral("/x"));
    const TVirtualDisplay &display = displayed.Display;
    ASSERT_FALSE(display.Name().isEmpty()) << "Xvfb did not start";
    const TPrivateBus &bus = *displayed.Bus;
    ASSERT_TRUE(bus.Running());
    WriteInnerCoverReport(Root + QStringLiteral("Reports/Cover Inner.vcr"));
    const QString cover = LocalFile(TestDataFile(QStringLiteral("ChartCover10x10.vcb")), QStringLiteral("Cover.vcb"));
    {
        const QDBusConnection caller = bus.Connect(QStringLiteral("clip-caller"));
        EXPECT_EQ(ErrorOf(CallAutomation(caller, QStringLiteral("OpenBatch"), {cover})), QString());
        EXPECT_EQ(ErrorOf(CallAutomation(caller, QStringLiteral("CopyPageToClipboard"), {QStringLiteral("Cover Inner"), 0})),
                  QString());
    }
    bus.Disconnect(QStringLiteral("clip-caller"));
    // This connection only asks the bus; it is no client of the server.
    const QDBusConnection watcher = bus.Connect(QStringLiteral("clip-watcher"));
    ASSERT_TRUE(NameHasOwner(watcher, AutomationServiceName()));

    // Another program reads the page from the desktop's clipboard.
    const TProgramRun targets = RunProgram(QStringLiteral("xclip"), {QStringLiteral("-display"), display.Name(), QStringLiteral("-selection"),
                                                                     QStringLiteral("clipboard"), QStringLiteral("-o"), QStringLiteral("-t"),
                                                                     QStringLiteral("TARGETS")});
    EXPECT_TRUE(targets.Out.contains(QStringLiteral("image/svg+xml"))) << targets.Out.toStdString();
    EXPECT_TRUE(targets.Out.contains(QStringLiteral("image/png"))) << targets.Out.toStdString();
    // Well past the idle time it still holds the page (nothing may happen within this wait).
    EXPECT_FALSE(ServeEventsUntil([&] { return !NameHasOwner(watcher, AutomationServiceName()); }, 15000));
    const TProgramRun svg = RunProgram(QStringLiteral("xclip"), {QStringLiteral("-display"), display.Name(), QStringLiteral("-selection"),
                                                                 QStringLiteral("clipboard"), QStringLiteral("-o"), QStringLiteral("-t"),
                                                                 QStringLiteral("image/svg+xml")});
    EXPECT_TRUE(svg.Out.contains(QStringLiteral("<svg"))) << svg.Out.left(200).toStdString();

    // Another program takes the clipboard over: the server ends.
    QProcess other;
    other.start(QStringLiteral("xclip"), {QStringLiteral("-display"), display.Name(), QStringLiteral("-selection"),
                                          QStringLiteral("clipboard"), QStringLiteral("-i"), QStringLiteral("-quiet")});
    ASSERT_TRUE(other.waitForStarted(20000));
    other.write("other text");
    other.closeWriteChannel();
    EXPECT_TRUE(ServeEventsUntil([&] { return !NameHasOwner(watcher, AutomationServiceName()); }, 30000));
    other.kill();
    other.waitForFinished(10000);
    bus.Disconnect(QStringLiteral("clip-watcher"));
}
