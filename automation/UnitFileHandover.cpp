#include "UnitFileHandover.h"
#include "UnitCommandLine.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFileInfo>
#include <QTimer>

const char *const TFileHandover::ServiceName = "com.ventrax.Orvalis";
const char *const TFileHandover::ObjectPath = "/com/ventrax/Orvalis/Files";

namespace {
const char *const Interface = "com.ventrax.Orvalis.Files";
}

bool TFileHandover::HandOver(const QDBusConnection &bus, const QStringList &files)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QString service = QString::fromLatin1(ServiceName);
    if (!bus.interface()->isServiceRegistered(service).value())
        return false;
    QStringList absolute;
    for (const QString &f : files)
        absolute << QFileInfo(f).absoluteFilePath();
    QDBusMessage call = QDBusMessage::createMethodCall(service, QString::fromLatin1(ObjectPath), QString::fromLatin1(Interface),
                                                       QStringLiteral("OpenFiles"));
    call << absolute;
    // Events are served while waiting, so a window in this same process could answer too.
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, 10000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

TFileHandover::TFileHandover(std::function<void(const QStringList &)> open, QObject *parent)
    : QObject(parent), FOpen(std::move(open))
{
}

bool TFileHandover::Register(QDBusConnection bus)
{
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(QString::fromLatin1(ObjectPath), this, QDBusConnection::ExportScriptableSlots))
        return false;
    if (!bus.registerService(QString::fromLatin1(ServiceName))) {
        bus.unregisterObject(QString::fromLatin1(ObjectPath));
        return false;
    }
    return true;
}

void TFileHandover::OpenFiles(const QStringList &files)
{
    // The caller waits only for the handover; the files open (with their questions) afterwards.
    QTimer::singleShot(0, this, [this, files] {
        if (FOpen)
            FOpen(files);
    });
}

QStringList FileArguments(const QStringList &arguments)
{
    QStringList files;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (i == 1 && a.compare(QLatin1String("-trace"), Qt::CaseInsensitive) == 0)
            continue;
        // Options of the window system were taken by the application; what starts with "-" is
        // never a file name the desktop passes.
        if (a.size() > 1 && a[0] == QLatin1Char('-'))
            continue;
        bool isSwitch = false;
        for (const char *name : {"AUTOMATION", "EMBEDDING", "REGSERVER", "UNREGSERVER"})
            isSwitch = isSwitch || IsSwitch(a, QLatin1String(name));
        if (!isSwitch)
            files << a;
    }
    return files;
}
