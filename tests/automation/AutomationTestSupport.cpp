#include "AutomationTestSupport.h"
#include "UnitExtInterface.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

TPrivateBus::TPrivateBus(const QString &folder, const QProcessEnvironment &extra)
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
    // As in a session without a desktop: the server has to do without a display of its own accord.
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    env.insert(extra);
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

TVirtualDisplay::TVirtualDisplay()
{
    // Xvfb picks a free display and writes its number to the given descriptor.
    FServer.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                           QStringLiteral("tcp")});
    if (!FServer.waitForStarted(20000))
        return;
    if (ServeEventsUntil([&] { return FServer.canReadLine() || FServer.state() != QProcess::Running; }, 30000) &&
        FServer.state() == QProcess::Running)
        FName = QLatin1Char(':') + QString::fromLatin1(FServer.readLine()).trimmed();
}

TVirtualDisplay::~TVirtualDisplay()
{
    if (FServer.state() != QProcess::NotRunning) {
        FServer.terminate();
        if (!FServer.waitForFinished(10000)) {
            FServer.kill();
            FServer.waitForFinished(5000);
        }
    }
}

QStringList TVirtualDisplay::ViewableWindows() const
{
    // No window manager runs, so top-level windows are children of the root window.
    const TProgramRun children = RunProgram(QStringLiteral("xwininfo"), {QStringLiteral("-display"), FName,
                                                                        QStringLiteral("-root"), QStringLiteral("-children")});
    QStringList viewable;
    static const QRegularExpression idLine(QStringLiteral("^\\s+(0x[0-9a-f]+) (.*)$"), QRegularExpression::MultilineOption);
    for (auto it = idLine.globalMatch(children.Out); it.hasNext();) {
        const auto m = it.next();
        const TProgramRun info = RunProgram(QStringLiteral("xwininfo"),
                                            {QStringLiteral("-display"), FName, QStringLiteral("-id"), m.captured(1)});
        if (info.Out.contains(QStringLiteral("Map State: IsViewable")))
            viewable << m.captured(2);
    }
    return viewable;
}

TDisplayBus::TDisplayBus(const QString &folder)
{
    X.insert(QStringLiteral("DISPLAY"), Display.Name());
    X.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QDir().mkpath(folder);
    Bus = std::make_unique<TPrivateBus>(folder, X);
}
