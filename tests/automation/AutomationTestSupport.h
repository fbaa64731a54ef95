#pragma once
// A private session bus for the automation tests: its own bus daemon, whose service folders come
// from the test's temporary XDG_DATA_HOME, so that a call to the automation object starts the
// real program through the activation file that "orvalis -regserver" wrote. Nothing here uses the
// session bus of the surrounding run.
#include "TestSupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QVariantList>
#include <memory>

class TPrivateBus {
public:
    // Starts the daemon; `folder` holds its configuration and socket. Programs the bus starts get
    // the test's environment without any display or Qt platform, and `extra`.
    explicit TPrivateBus(const QString &folder, const QProcessEnvironment &extra = QProcessEnvironment());
    ~TPrivateBus();
    bool Running() const { return FReady; }
    QString Address() const { return FAddress; }
    // A new client connection of its own name (each is one caller for the server).
    QDBusConnection Connect(const QString &name) const;
    void Disconnect(const QString &name) const;

private:
    QString FAddress;
    QProcess FDaemon;
    bool FReady = false;
};

// Result of running a program to its end.
struct TProgramRun {
    int ExitCode = -1;
    QString Out;
    QString Err;
};
TProgramRun RunProgram(const QString &program, const QStringList &args,
                       const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                       int limitMs = 120000);

// A call of the automation object; the reply or the error.
QDBusMessage CallAutomation(const QDBusConnection &bus, const QString &method, const QVariantList &args = {},
                            const QString &interface = QString());
// "name: message" of an error reply; empty for a normal reply.
QString ErrorOf(const QDBusMessage &reply);

// The process id of the name's owner on the bus, 0 when the name has none.
uint OwnerPid(const QDBusConnection &bus, const QString &name);
bool NameHasOwner(const QDBusConnection &bus, const QString &name);

// An X display of its own (Xvfb) for looking at which windows a program shows.
class TVirtualDisplay {
public:
    TVirtualDisplay();
    ~TVirtualDisplay();
    // ":N", empty when Xvfb could not be started.
    QString Name() const { return FName; }
    // The names of the top-level windows that are mapped and viewable.
    QStringList ViewableWindows() const;

private:
    QProcess FServer;
    QString FName;
};

// A virtual display and a private bus in `folder` whose programs draw on that display.
struct TDisplayBus {
    explicit TDisplayBus(const QString &folder);
    TVirtualDisplay Display;
    // DISPLAY and the xcb platform, for programs started by hand beside the bus.
    QProcessEnvironment X;
    std::unique_ptr<TPrivateBus> Bus;
};
