#include "UnitAutomationServer.h"
#include "UnitException.h"
#include "UnitExtInterface.h"

#include <QClipboard>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QScopedValueRollback>
#include <QThread>

namespace {
constexpr int IdleEndMs = 10000;

// While the process owns the clipboard, ending it would take a copied page away from the desktop.
bool OwnsClipboard() { return qGuiApp && QGuiApplication::clipboard()->ownsClipboard(); }
} // namespace

TAutomationServer::TAutomationServer(QObject *parent)
    : QDBusVirtualObject(parent), FConnection(QStringLiteral("orvalis-automation-none"))
{
    FIdle.setSingleShot(true);
    FIdle.setInterval(IdleEndMs);
    connect(&FIdle, &QTimer::timeout, this, [this] {
        // A client may have left before its watch was in place: ask the bus about each.
        QDBusConnectionInterface *bus = FConnection.interface();
        QStringList clients;
        for (const auto &entry : FClients)
            clients << entry.first;
        for (const QString &name : std::as_const(clients))
            if (!bus || !bus->isServiceRegistered(name).value())
                ClientGone(name);
        CheckFinished();
    });
    // Another program taking the clipboard over releases the process.
    if (qGuiApp)
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TAutomationServer::CheckFinished);
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
    connect(FWatcher, &QDBusServiceWatcher::serviceUnregistered, this, &TAutomationServer::ClientGone);
    return true;
}

void TAutomationServer::StartIdleWatch()
{
    // A start without any client (an activation whose client went away) ends as well.
    FWatchingIdle = true;
    FIdle.start();
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
    // The objects live on the user-interface thread; so does every call on them.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, message, connection] { Dispatch(message, connection); }, Qt::QueuedConnection);
    } else {
        Dispatch(message, connection);
    }
    return true;
}

void TAutomationServer::Dispatch(const QDBusMessage &message, QDBusConnection connection)
{
    TOrvalisInterface &object = ObjectOf(message.service());
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
        const QScopedValueRollback<TOrvalisInterface *> inCall(FInCall, &object);
        try {
            const QVariant result = method->Call(object, message.arguments());
            reply = result.isValid() ? message.createReply(result) : message.createReply();
        } catch (const Exception &e) {
            reply = message.createErrorReply(AutomationErrorName(), e.Message());
        } catch (const std::exception &e) {
            reply = message.createErrorReply(AutomationErrorName(), QString::fromLocal8Bit(e.what()));
        }
    }
    if (message.isReplyRequired())
        connection.send(reply);
    if (FWatchingIdle)
        FIdle.start();
}

TOrvalisInterface &TAutomationServer::ObjectOf(const QString &client)
{
    auto found = FClients.find(client);
    if (found != FClients.end())
        return *found->second;
    auto &object = FClients[client];
    object = std::make_unique<TOrvalisInterface>(FReports);
    if (FWatcher && !client.isEmpty())
        FWatcher->addWatchedService(client);
    return *object;
}

void TAutomationServer::ClientGone(const QString &client)
{
    const auto found = FClients.find(client);
    if (found == FClients.end())
        return;
    // A call that waits in an event loop of its own keeps its object until it has returned.
    if (found->second.get() == FInCall) {
        QMetaObject::invokeMethod(this, [this, client] { ClientGone(client); }, Qt::QueuedConnection);
        return;
    }
    FClients.erase(found);
    if (FWatcher)
        FWatcher->removeWatchedService(client);
    CheckFinished();
}

void TAutomationServer::CheckFinished()
{
    if (FWatchingIdle && FClients.empty() && !FIdle.isActive() && !OwnsClipboard())
        emit Finished();
}
