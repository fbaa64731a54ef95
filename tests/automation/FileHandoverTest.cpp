// A start with files hands them to the window that already runs, over the session bus.
#include "TestSupport.h"
#include "UnitFileHandover.h"

#include <QDBusConnectionInterface>
#include <QDir>

TEST(FileArguments, SwitchesAndWindowSystemOptionsAreNotFiles)
{
    const struct {
        QStringList Arguments;
        QStringList Files;
    } cases[] = {
        {{"orvalis"}, {}},
        {{"orvalis", "-trace", "/home/u/a.vcb"}, {"/home/u/a.vcb"}},
        {{"orvalis", "/AUTOMATION"}, {}},
        {{"orvalis", "-Embedding", "b.vcr"}, {"b.vcr"}},
        {{"orvalis", "/home/u/regserver.vct", "-style", "c.vcb"}, {"/home/u/regserver.vct", "c.vcb"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileArguments(c.Arguments), c.Files) << c.Arguments.join(QLatin1Char(' ')).toStdString();
}

TEST(FileHandover, TheRunningWindowTakesTheFilesAndASecondWindowCannotClaimTheName)
{
    QDBusConnection server = QDBusConnection::sessionBus();
    if (!server.isConnected())
        GTEST_SKIP() << "no session bus (run under dbus-run-session)";
    QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("handover-client"));
    QDBusConnection second = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("handover-second"));

    EXPECT_FALSE(TFileHandover::HandOver(client, {QStringLiteral("a.vcb")})); // nobody to take them

    QStringList received;
    TFileHandover window([&](const QStringList &files) { received << files; });
    ASSERT_TRUE(window.Register(server));
    TFileHandover late([](const QStringList &) {});
    EXPECT_FALSE(late.Register(second));

    EXPECT_TRUE(TFileHandover::HandOver(client, {QStringLiteral("a.vcb"), QStringLiteral("/data/b.vcr")}));
    ASSERT_TRUE(ServeEventsUntil([&] { return received.size() == 2; }, 10000));
    EXPECT_EQ(received, (QStringList{QDir::current().absoluteFilePath(QStringLiteral("a.vcb")), QStringLiteral("/data/b.vcr")}));

    server.unregisterService(QString::fromLatin1(TFileHandover::ServiceName));
    server.unregisterObject(QString::fromLatin1(TFileHandover::ObjectPath));
    QDBusConnection::disconnectFromBus(QStringLiteral("handover-client"));
    QDBusConnection::disconnectFromBus(QStringLiteral("handover-second"));
}
