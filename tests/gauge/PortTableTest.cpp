// Port numbers, the per-user port table and the merged port list.
#include "TestSupport.h"
#include "UnitEnumComPort.h"
#include "UnitK27Simulator.h"

TEST(PortNumber, FromName)
{
    const std::pair<const char *, int> cases[] = {
        {"COM12", 12},
        {"USB Serial (/dev/ttyUSB0) (COM12)", 12},
        {"Port 3 (COM)", 3},
        {"ttyS1x", 1},
        {"COM", 0},
        {"", 0},
        {"COM99999999999999", 0},
    };
    for (const auto &[name, number] : cases)
        EXPECT_EQ(PortNumberFromName(QString::fromLatin1(name)), number) << name;
}

TEST(PortNumber, MergeKeepsDeviceEntriesAndSortsByNumber)
{
    const QStringList devices{QStringLiteral("USB Serial (/dev/ttyUSB0) (COM10)"), QStringLiteral("ttyS0 (/dev/ttyS0) (COM2)")};
    const QStringList table{QStringLiteral("COM10"), QStringLiteral("COM3"), QStringLiteral("COM1"), QStringLiteral("COM3")};
    EXPECT_EQ(MergeComPortNames(devices, table),
              (QStringList{QStringLiteral("COM1"), QStringLiteral("ttyS0 (/dev/ttyS0) (COM2)"), QStringLiteral("COM3"),
                           QStringLiteral("USB Serial (/dev/ttyUSB0) (COM10)")}));
}

class PortTableTest : public IsolatedTest {};

TEST_F(PortTableTest, RegisteredPtyIsListedAndGoneDevicesAreNot)
{
    TK27Simulator sim;
    const QString path = sim.OpenPty();
    RegisterComPort(7, path);
    RegisterComPort(8, QStringLiteral("/dev/no-such-k27-device"));
    QStringList list;
    EnumComPorts(list);
    const QStringList mine = list.filter(QStringLiteral("(COM7)"));
    ASSERT_EQ(mine.size(), 1) << list.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(mine[0].contains(QStringLiteral("(%1)").arg(path)));
    EXPECT_TRUE(list.filter(QStringLiteral("(COM8)")).isEmpty());
    // Every name ends in its number, and the numbers ascend without repeats.
    int previous = 0;
    for (const QString &name : list) {
        EXPECT_TRUE(name.endsWith(QStringLiteral("(COM%1)").arg(PortNumberFromName(name)))) << name.toStdString();
        EXPECT_GT(PortNumberFromName(name), previous);
        previous = PortNumberFromName(name);
    }
    // Numbers handed out to system ports stay the same on the next enumeration.
    QStringList again;
    EnumComPorts(again);
    EXPECT_EQ(again, list);

    EXPECT_EQ(ComPortDevice(7), path);
    UnregisterComPort(7, QStringLiteral("/dev/other"));
    EXPECT_EQ(ComPortDevice(7), path);
    UnregisterComPort(7, path);
    EXPECT_EQ(ComPortDevice(7), QString());
    EXPECT_EQ(ComPortDevice(0), QString());
}
