#pragma once
// The automation object on the D-Bus session bus: every call to the object path is dispatched
// through the method table; failures become Orvalis.Error.Unexpected replies with the message.
// Only a start without a window runs it. Each client connection (its unique bus name) gets an
// automation object of its own, with its own open batch, dropped when that client leaves the
// bus. The server ends once its clients are gone and it has been idle.
#include "UnitMyReports.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QTimer>
#include <map>
#include <memory>

class QDBusServiceWatcher;
class TOrvalisInterface;

class TAutomationServer : public QDBusVirtualObject {
    Q_OBJECT
public:
    explicit TAutomationServer(QObject *parent = nullptr);
    ~TAutomationServer() override;

    // Offers the object on the connection and asks for the bus name. False when there is no bus
    // or another process owns the name; the object is then withdrawn.
    bool Start(const QDBusConnection &connection);
    // Begins counting idle time towards the end. Called when the start-up work is done, just
    // before the message loop runs: an end signalled before that loop would be lost.
    void StartIdleWatch();
    // How long the server waits after the last call before it may end (10 seconds).
    void SetIdleMs(int ms) { FIdle.setInterval(ms); }

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

signals:
    // Every client has left the bus, no call has come within the idle time, and the process
    // does not own the clipboard (a page copied there stays pasteable while it runs).
    void Finished();

private:
    void Dispatch(const QDBusMessage &message, QDBusConnection connection);
    // The automation object of that client, made on its first call.
    TOrvalisInterface &ObjectOf(const QString &client);
    void ClientGone(const QString &client);
    void CheckFinished();

    QDBusConnection FConnection;
    QDBusServiceWatcher *FWatcher = nullptr;
    // The automation's own "My Reports": no window holds its entries, so a call may reload it.
    TMyReports FReports;
    std::map<QString, std::unique_ptr<TOrvalisInterface>> FClients;
    TOrvalisInterface *FInCall = nullptr; // the object whose call runs
    QTimer FIdle;
    bool FWatchingIdle = false;
};
