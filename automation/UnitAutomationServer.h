#pragma once
// The automation object on the D-Bus session bus: every call to the object path is dispatched
// through the method table; failures become Orvalis.Error.Unexpected replies with the message.
// An automation start ends once its callers have left the bus and the server has been idle.
#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QSet>
#include <QTimer>

class QDBusServiceWatcher;
class TOrvalisInterface;

class TAutomationServer : public QDBusVirtualObject {
    Q_OBJECT
public:
    // `endWhenIdle`: an automation start, which ends when its callers are gone (a window start
    // stays until its window is closed).
    TAutomationServer(TOrvalisInterface &object, bool endWhenIdle, QObject *parent = nullptr);
    ~TAutomationServer() override;

    // Offers the object on the connection and asks for the bus name. False when there is no bus
    // or another process owns the name; the object is then withdrawn.
    bool Start(const QDBusConnection &connection);
    // How long the server waits after the last call before it may end (10 seconds).
    void SetIdleMs(int ms) { FIdle.setInterval(ms); }

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

signals:
    // Every caller has left the bus and no call has come within the idle time.
    void Finished();

private:
    void Dispatch(const QDBusMessage &message, QDBusConnection connection);
    void NoteCaller(const QString &name);
    void CallerGone(const QString &name);
    void CheckFinished();

    TOrvalisInterface &FObject;
    bool FEndWhenIdle;
    QDBusConnection FConnection;
    QDBusServiceWatcher *FWatcher = nullptr;
    QSet<QString> FCallers;
    QTimer FIdle;
};
