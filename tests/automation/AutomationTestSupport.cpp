#include "AutomationTestSupport.h"
#include "UnitExtInterface.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QFile>

TPrivateBus::TPrivateBus(const QString &folder)
{
    FAddress = QStringLiteral("unix:path=") + folder + QStringLiteral("/bus");
    const QString config = folder + QStringLiteral("/bus.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    // The standard session service folders follow the daemon's XDG_DATA_HOME and XDG_DATA_DIRS,
    // which are the test's temporary ones.
    file.write(QStringLiteral(
                   "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                   " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                   "<busconfig>\n"
                   "  <type>session</type>\n"
                   "  <listen>%1</listen>\n"
                   "  <standard_session_servicedirs/>\n"
                   "  <policy context=\"default\">\n"
                   "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                   "    <allow eavesdrop=\"true\"/>\n"
                   "    <allow own=\"*\"/>\n"
                   "  </policy>\n"
                   "</busconfig>\n")
                   .arg(FAddress)
                   .toUtf8());
    file.close();
    // Programs the daemon starts find this bus as their session bus.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FAddress);
    FDaemon.setProcessEnvironment(env);
    FDaemon.setProcessChannelMode(QProcess::SeparateChannels);
    FDaemon.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!FDaemon.waitForStarted(20000))
        return;
    // The daemon prints its address once it listens.
    FReady = ServeEventsUntil([&] { return FDaemon.canReadLine() || FDaemon.state() != QProcess::Running; }, 20000) &&
             FDaemon.state() == QProcess::Running;
}

TPrivateBus::~TPrivateBus()
{
    if (FDaemon.state() != QProcess::NotRunning) {
        FDaemon.terminate();
        if (!FDaemon.waitForFinished(10000)) {
            FDaemon.kill();
            FDaemon.waitForFinished(5000);
        }
    }
}

QDBusConnection TPrivateBus::Connect(const QString &name) const { return QDBusConnection::connectToBus(FAddress, name); }

void TPrivateBus::Disconnect(const QString &name) const { QDBusConnection::disconnectFromBus(name); }

TProgramRun RunProgram(const QString &program, const QStringList &args, const QProcessEnvironment &environment,
                       int limitMs)
{
    TProgramRun run;
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, args);
    if (!p.waitForFinished(limitMs)) {
        p.kill();
        p.waitForFinished(5000);
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return run;
    }
    run.ExitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.Out = QString::fromUtf8(p.readAllStandardOutput());
    run.Err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

QDBusMessage CallAutomation(const QDBusConnection &bus, const QString &method, const QVariantList &args,
                            const QString &interface)
{
    QDBusMessage call = QDBusMessage::createMethodCall(AutomationServiceName(), AutomationObjectPath(),
                                                       interface.isNull() ? AutomationInterfaceName() : interface, method);
    call.setArguments(args);
    // The first call starts the program (a sanitizer build takes a while on a busy machine).
    return bus.call(call, QDBus::Block, 180000);
}

QString ErrorOf(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ErrorMessage)
        return QString();
    return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
}

uint OwnerPid(const QDBusConnection &bus, const QString &name)
{
    const QDBusReply<uint> pid = bus.interface()->servicePid(name);
    return pid.isValid() ? pid.value() : 0;
}

bool NameHasOwner(const QDBusConnection &bus, const QString &name)
{
    const QDBusReply<bool> has = bus.interface()->isServiceRegistered(name);
    return has.isValid() && has.value();
}
