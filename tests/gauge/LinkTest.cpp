// The packet link against the simulated gauge on a real pty.
#include "GaugeTestSupport.h"
#include "UnitEnumComPort.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <atomic>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray SOH(1, K27::SOH), ETB(1, K27::ETB), FS(1, K27::FS);

} // namespace

TEST_F(GaugeLinkTest, SendPacketFramesFieldsWithoutLeadingSeparator)
{
    Connect(TSimOptions(), true);
    Link.SendPacket({"", "B", "", "0003"});
    ASSERT_TRUE(WaitUntil([&] { return !Sim.Commands().isEmpty(); }));
    EXPECT_EQ(Sim.Commands().first(), (QList<QByteArray>{"B", "", "0003"}));
    // The empty field in the middle still gets its separators; only a leading one is dropped.
    EXPECT_EQ(Link.TraceLines().last(), QStringLiteral("[01]B[1C][1C]0003[17]"));
}

TEST_F(GaugeLinkTest, TraceHasHeadersPerDirectionAndSharesLinesWithinOne)
{
    Connect(TSimOptions(), true);
    Link.SendDle();
    Link.SendEsc();
    Link.SendCommand({"A"});
    // Drain the list so that the line is quiet again.
    while (Link.ReadPacket().Kind == pkData)
        Link.SendAck();

    const QStringList lines = Link.TraceLines();
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QString());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{7}: Output$")).match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("[10][1B][01]A[17]"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{7}: Input$")).match(lines[4]).hasMatch());
    // The ACK of the command, then the first list entry, byte for byte.
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("[06][01]DECK-GRID[1C]0000[1C]COVER"))) << lines[5].toStdString();
}

TEST_F(GaugeLinkTest, TraceFileWrittenOnDestructionOnlyWhenTracing)
{
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Home.Path()));
    {
        TVentraxK27Interface quiet;
        quiet.OpenDevice(Path, false);
        quiet.SendDle();
    }
    EXPECT_TRUE(QDir(Home.Path()).entryList({QStringLiteral("CommsTrace_*")}).isEmpty());
    {
        TVentraxK27Interface traced;
        traced.OpenDevice(Path, true);
        traced.SendDle();
        traced.AddTrace(false, QStringLiteral(" note"));
    }
    const QStringList files = QDir(Home.Path()).entryList({QStringLiteral("CommsTrace_*")});
    QDir::setCurrent(old);
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^CommsTrace_\\d{6}-\\d{6}\\.TXT$")).match(files[0]).hasMatch()) << files[0].toStdString();
    QFile file(Home.Path() + QLatin1Char('/') + files[0]);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4); // three lines, each ended by CR LF
    EXPECT_EQ(lines[0], "\r");
    EXPECT_TRUE(lines[1].endsWith(": Output\r"));
    EXPECT_EQ(lines[2], "[10] note\r");
    EXPECT_EQ(lines[3], "");
}

TEST_F(GaugeLinkTest, RetryRules)
{
    struct Case {
        int naks;
        QByteArray bell;
        QString message;
        int attempts;
    };
    const Case cases[] = {
        {0, "", QString(), 1},
        {2, "", QString(), 3},
        {3, "", QStringLiteral("Communications Error: (Invalid response to command)"), 3},
        {0, "D", QStringLiteral("Communications Error: (Must support command)"), 1},
    };
    Connect();
    for (const Case &c : cases) {
        TSimOptions options;
        options.NakCount = c.naks;
        options.BellLetters = c.bell;
        Sim.SetOptions(options);
        Sim.ClearCommands();
        const QString message = MessageOf<VentraxK27Exception>([&] { Link.SendCommand({"D", "A", "T"}); });
        EXPECT_EQ(message, c.message) << "naks " << c.naks;
        ASSERT_TRUE(WaitUntil([&] { return Sim.Commands().size() >= c.attempts; }));
        EXPECT_EQ(Sim.Commands().size(), c.attempts) << "naks " << c.naks;
    }
    // After the faults the same link goes on working.
    Sim.SetOptions(TSimOptions());
    EXPECT_TRUE(Link.ExchangeCommand({"X"}));   // unknown: BEL, true
    EXPECT_FALSE(Link.ExchangeCommand({"F", "0000", "YES"}));
}

TEST_F(GaugeLinkTest, SilentGaugeFailsOnTheByteLimit)
{
    TSimOptions options;
    options.Silent = true;
    Connect(options);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.ReadPacket(); }),
              QStringLiteral("Communications Error: (Read data timeout)"));
    EXPECT_GE(timer.elapsed(), K27::ByteTimeoutMs);
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.SendCommand({"A"}); }),
              QStringLiteral("Communications Error: (No response to command)"));
    // The exchange stops at the first failure: one attempt only.
    EXPECT_EQ(Sim.Commands().size(), 1);
}

TEST_F(GaugeLinkTest, PacketLimitWhenBytesKeepComingWithoutEnd)
{
    TSimOptions options;
    options.Silent = true;
    Connect(options);
    std::atomic<bool> done{false};
    std::thread dribble([&] {
        Sim.Inject(SOH);
        for (int i = 0; i < 100 && !done; ++i) {
            Sim.Inject("x");
            QThread::msleep(100);
        }
    });
    const QString message = MessageOf<VentraxK27Exception>([&] { Link.ReadPacket(); });
    done = true;
    dribble.join();
    EXPECT_EQ(message, QStringLiteral("Communications Error: (Read Packet timeout)"));
}

TEST_F(GaugeLinkTest, ReadPacketClassifiesBytes)
{
    struct Case {
        QByteArray line;
        TPacketKind kind;
        QByteArray payload;
    };
    const Case cases[] = {
        {"\x17\x1c noise\x02\xff" + SOH + "A" + FS + "B" + ETB, pkData, "A\x1C" "B"},
        {SOH + "AB" + SOH + "C" + ETB, pkData, "AB\x01" "C"},   // a second SOH is payload
        {SOH + ETB, pkData, ""},
        {SOH + "half a packet\x14", pkEnd, ""},
        {SOH + "half\x06", pkAck, ""},
        {SOH + "half\x15", pkNak, ""},
        {SOH + "half\x07", pkBell, ""},
        {"junk\x14", pkEnd, ""},
    };
    TSimOptions options;
    options.Silent = true;
    Connect(options);
    for (const Case &c : cases) {
        Sim.Inject(c.line);
        const TPacket packet = Link.ReadPacket();
        EXPECT_EQ(packet.Kind, c.kind) << c.line.toHex().toStdString();
        EXPECT_EQ(packet.Payload, c.payload) << c.line.toHex().toStdString();
    }
}

TEST_F(GaugeLinkTest, RandomBytesNeverHangOrCrash)
{
    TSimOptions options;
    options.Silent = true;
    Connect(options);
    QByteArray junk;
    for (int i = 0; i < 4000; ++i)
        junk += static_cast<char>(QRandomGenerator::global()->bounded(256));
    Sim.Inject(junk);
    // Whatever the bytes, every read ends with a reply or the link's own failure.
    for (int i = 0; i < 5000; ++i) {
        try {
            const TPacket packet = Link.ReadPacket();
            (void)TVentraxK27Interface::FieldCount(packet.Payload);
        } catch (const VentraxK27Exception &e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Communications Error: ("))) << e.Message().toStdString();
            break;
        }
    }
}

TEST_F(GaugeLinkTest, TimeoutContinueHandlerStopsTheWait)
{
    TSimOptions options;
    options.Silent = true;
    Connect(options);
    int calls = 0;
    Link.OnTimeoutContinue = [&](TVentraxK27Interface *sender, bool &cont) {
        EXPECT_EQ(sender, &Link);
        EXPECT_TRUE(cont);
        if (++calls == 3)
            cont = false;
    };
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.WaitForBytes(1, 60000); }),
              QStringLiteral("Communications Error: (Read data timeout)"));
    EXPECT_EQ(calls, 3);
    EXPECT_LT(timer.elapsed(), 30000);
}

TEST_F(GaugeLinkTest, WakeAnswersOnlyAtTheGaugesBaudRate)
{
    TSimOptions options;
    options.OnlyBaud = 14400;
    Connect(options);
    Link.SetBaudAndWake(19200);
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { Link.ReadPacket(); }),
              QStringLiteral("Communications Error: (Read data timeout)"));
    Link.SetBaudAndWake(14400);
    EXPECT_EQ(Sim.CurrentBaud(), 14400);
    const TPacket packet = Link.ReadPacket();
    ASSERT_EQ(packet.Kind, pkData);
    EXPECT_TRUE(packet.Payload.startsWith("PK27210"));
}

TEST_F(GaugeLinkTest, OpenByPortNumberThroughThePortTable)
{
    EXPECT_EQ(MessageOf([&] { Link.Open(0, false); }), QStringLiteral("Communications Error"));
    EXPECT_EQ(MessageOf([&] { Link.Open(41, false); }), QStringLiteral("Communications Error"));
    RegisterComPort(41, QStringLiteral("/dev/nonexistent-k27"));
    EXPECT_EQ(MessageOf([&] { Link.Open(41, false); }), QStringLiteral("Communications Error"));
    RegisterComPort(42, Path);
    Link.Open(42, false);
    EXPECT_TRUE(Link.IsOpen());
    EXPECT_EQ(Link.PortNumber(), 42);
    Link.SetBaudAndWake(19200);
    EXPECT_EQ(Link.ReadPacket().Kind, pkData);
}

// A port the system refuses (a user outside the dialout group) names the cause and the remedy
// below the link's own message; every other failure keeps the plain message.
TEST(GaugePortPermission, RefusedAccessNamesTheDialoutRemedy)
{
    EXPECT_EQ(PortOpenFailureMessage(QStringLiteral("/dev/ttyUSB0"), false), QStringLiteral("Communications Error"));
    EXPECT_EQ(PortOpenFailureMessage(QStringLiteral("/dev/ttyUSB0"), true),
              QStringLiteral("Communications Error\r\n\r\nPermission denied on /dev/ttyUSB0: add your user to the dialout "
                             "group and log in again."));

    // The real refusal: a device node only its owner may open, opened by somebody else.
    TTempHome home;
    const QString device = home.Path() + QStringLiteral("/ttyLocked");
    QFile locked(device);
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.close();
    QFile::setPermissions(device, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (::geteuid() != 0) {
        QFile::setPermissions(device, QFileDevice::Permissions());
        TVentraxK27Interface link;
        EXPECT_EQ(MessageOf([&] { link.OpenDevice(device, false); }), PortOpenFailureMessage(device, true));
        return;
    }
    // Root opens everything; the command line program run as "nobody" meets the refusal.
    QFile::setPermissions(home.Path(), QFile::permissions(home.Path()) | QFileDevice::ExeOther);
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/tmp/nonexistent-orvalis-config"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                                          QStringLiteral(ORVALIS_BINARY_DIR "/cli/orvalis-cli"), QStringLiteral("gauge"), QStringLiteral("list"),
                                          QStringLiteral("--device"), device});
    ASSERT_TRUE(cli.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("add your user to the dialout group and log in again"))) << err.toStdString();
}

TEST(GaugeFields, Accessors)
{
    const QByteArray payload = "PK27210\x1C" "1F\x1C" "zz\x1C" "-42\x1C" "\x1C" "0000C8C2\x1C" "0000C8G2";
    EXPECT_EQ(TVentraxK27Interface::FieldCount(payload), 7);
    EXPECT_EQ(TVentraxK27Interface::FieldCount(""), 1);
    EXPECT_EQ(TVentraxK27Interface::GetField(payload, 0), "PK27210");
    EXPECT_EQ(TVentraxK27Interface::GetField(payload, 4), "");
    EXPECT_EQ(TVentraxK27Interface::GetField(payload, 7), "");
    EXPECT_EQ(TVentraxK27Interface::GetField(payload, -1), "");
    EXPECT_EQ(TVentraxK27Interface::HexField(payload, 1), 0x1F);
    EXPECT_EQ(TVentraxK27Interface::HexField(payload, 2), 0);
    EXPECT_EQ(TVentraxK27Interface::HexField(payload, 4), 0);
    EXPECT_EQ(TVentraxK27Interface::HexField("123456789", 0), 0); // beyond 32 bits
    EXPECT_EQ(TVentraxK27Interface::HexField(" 1F", 0), 0);
    EXPECT_EQ(TVentraxK27Interface::DecField(payload, 3), -42);
    EXPECT_EQ(TVentraxK27Interface::DecField(payload, 1), 0);
    EXPECT_EQ(TVentraxK27Interface::DecField("99999999999", 0), 0);
    EXPECT_DOUBLE_EQ(TVentraxK27Interface::FloatField(payload, 5), -100.0);
    // An invalid pair counts as the byte 0: 0000C800 is a tiny positive number, never NaN.
    EXPECT_NEAR(TVentraxK27Interface::FloatField(payload, 6), 0.0, 1e-30);
    EXPECT_DOUBLE_EQ(TVentraxK27Interface::FloatField("", 0), 0.0);
    EXPECT_DOUBLE_EQ(TVentraxK27Interface::FloatField("0000C07F", 0), 0.0); // NaN from the line
    EXPECT_EQ(TVentraxK27Interface::Hex32Field("78563412", 0), 0x12345678u);
    EXPECT_EQ(TVentraxK27Interface::Hex32Field("785634129", 0), 0x12345678u);
    for (const QByteArray &bad : {QByteArray("7856341"), QByteArray("78G63412"), QByteArray("")})
        EXPECT_TRUE(MessageOf<VentraxK27Exception>([&] { TVentraxK27Interface::Hex32Field(bad, 0); })
                        .startsWith(QStringLiteral("Communications Error: (")))
            << bad.toStdString();
}

TEST(GaugeFields, FloatEncoding)
{
    EXPECT_EQ(TVentraxK27Interface::FloatToHex(-100.0), "0000C8C2");
    EXPECT_EQ(TVentraxK27Interface::FloatToHex(0.0), "00000000");
    EXPECT_EQ(TVentraxK27Interface::FloatToHex(1.0), "0000803F");
    for (const double v : {12.5, -0.35, 200.0, 1e-3})
        EXPECT_FLOAT_EQ(TVentraxK27Interface::FloatField(TVentraxK27Interface::FloatToHex(v), 0), static_cast<float>(v));
}

TEST(GaugeFields, TraceByteFormatting)
{
    EXPECT_EQ(TVentraxK27Interface::FormatTraceBytes(QByteArray("\x01" "A b~\x7f\xff", 7)), QStringLiteral("[01]A[20]b~[7F][FF]"));
    EXPECT_EQ(TVentraxK27Interface::FormatTraceBytes("!"), QStringLiteral("!"));
}

TEST_F(GaugeLinkTest, GaugeUnpluggedMidConversation)
{
    auto gauge = std::make_unique<TK27Simulator>();
    const QString path = gauge->OpenPty();
    gauge->SetBatches(TK27Simulator::DemoBatches());
    gauge->Start();
    TVentraxK27Interface link;
    link.OpenDevice(path, true);
    link.SendCommand({"A"});
    gauge.reset(); // the line goes dead with the list half read
    EXPECT_TRUE(MessageOf<VentraxK27Exception>([&] {
                    for (int i = 0; i < 100; ++i)
                        link.ReadPacket();
                }).startsWith(QStringLiteral("Communications Error: (")));
    EXPECT_EQ(MessageOf<VentraxK27Exception>([&] { link.SendCommand({"A"}); }),
              QStringLiteral("Communications Error: (No response to command)"));
    EXPECT_FALSE(link.TraceLines().isEmpty());
}
