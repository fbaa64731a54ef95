#include "UnitAutomationServer.h"
#include "UnitException.h"
#include "UnitExtInterface.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QThread>

namespace {
constexpr int IdleEndMs = 10000;
}

TAutomationServer::TAutomationServer(TOrvalisInterface &object, bool endWhenIdle, QObject *parent)
    : QDBusVirtualObject(parent), FObject(object), FEndWhenIdle(endWhenIdle),
      FConnection(QStringLiteral("orvalis-automation-none"))
{
    FIdle.setSingleShot(true);
    FIdle.setInterval(IdleEndMs);
    connect(&FIdle, &QTimer::timeout, this, [this] {
        // A caller may have left before its watch was in place: ask the bus about each.
        QDBusConnectionInterface *bus = FConnection.interface();
        for (const QString &name : QSet<QString>(FCallers))
            if (!bus || !bus->isServiceRegistered(name).value())
                CallerGone(name);
        CheckFinished();
    });
}

TAutomationServer::~TAutomationServer()
{
    if (FConnection.isConnected()) {
        FConnection.unregisterService(AutomationServiceName());
        FConnection.unregisterObject(AutomationObjectPath());
    }
}

bool TAutomationServer::Start(const QDBusConnection &connection)
{
    FConnection = connection;
    if (!FConnection.isConnected())
        return false;
    if (!FConnection.registerVirtualObject(AutomationObjectPath(), this, QDBusConnection::SingleNode))
        return false;
    if (!FConnection.registerService(AutomationServiceName())) {
        FConnection.unregisterObject(AutomationObjectPath());
        return false;
    }
    FWatcher = new QDBusServiceWatcher(this);
    FWatcher->setConnection(FConnection);
    FWatcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(FWatcher, &QDBusServiceWatcher::serviceUnregistered, this, &TAutomationServer::CallerGone);
    // A start without any caller (an activation whose client went away) ends as well.
    if (FEndWhenIdle)
        FIdle.start();
    return true;
}

QString TAutomationServer::introspect(const QString &path) const
{
    return path == AutomationObjectPath() ? AutomationIntrospection() : QString();
}

bool TAutomationServer::handleMessage(const QDBusMessage &message, const QDBusConnection &connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString interface = message.interface();
    // The standard interfaces (introspection, peer, properties) are answered by the bus library.
    if (!interface.isEmpty() && interface != AutomationInterfaceName())
        return false;
    if (interface.isEmpty() && !FindAutomationMethod(message.member()))
        return false;
    // The object lives on the user-interface thread; so does every call on it.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, message, connection] { Dispatch(message, connection); }, Qt::QueuedConnection);
    } else {
        Dispatch(message, connection);
    }
    return true;
}

void TAutomationServer::Dispatch(const QDBusMessage &message, QDBusConnection connection)
{
    NoteCaller(message.service());
    QDBusMessage reply;
    const TAutomationMethod *method = FindAutomationMethod(message.member());
    if (!method) {
        reply = message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
                                         QStringLiteral("No method \"%1\" in interface \"%2\"")
                                             .arg(message.member(), AutomationInterfaceName()));
    } else if (message.signature() != method->InSignature()) {
        reply = message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                                         QStringLiteral("%1 takes arguments of type \"%2\", not \"%3\"")
                                             .arg(QLatin1String(method->Name), method->InSignature(), message.signature()));
    } else {
        try {
            const QVariant result = method->Call(FObject, message.arguments());
            reply = result.isValid() ? message.createReply(result) : message.createReply();
        } catch (const Exception &e) {
            reply = message.createErrorReply(AutomationErrorName(), e.Message());
        } catch (const std::exception &e) {
            reply = message.createErrorReply(AutomationErrorName(), QString::fromLocal8Bit(e.what()));
        }
    }
    if (message.isReplyRequired())
        connection.send(reply);
    if (FEndWhenIdle)
        FIdle.start();
}

void TAutomationServer::NoteCaller(const QString &name)
{
    if (name.isEmpty() || FCallers.contains(name))
        return;
    FCallers.insert(name);
    if (FWatcher)
        FWatcher->addWatchedService(name);
}

void TAutomationServer::CallerGone(const QString &name)
{
    if (!FCallers.remove(name))
        return;
    if (FWatcher)
        FWatcher->removeWatchedService(name);
    CheckFinished();
}

void TAutomationServer::CheckFinished()
{
    if (FEndWhenIdle && FCallers.isEmpty() && !FIdle.isActive())
        emit Finished();
}
