#pragma once
// Files opened from the desktop reach the window that already runs: a start with files first
// offers them on the session bus, and only when no window takes them does it show its own.
#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <functional>

class TFileHandover : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.ventrax.Orvalis.Files")
public:
    static const char *const ServiceName;
    static const char *const ObjectPath;

    // Passes `files` (made absolute against the caller's working folder) to the window that owns
    // the name; true when it took them.
    static bool HandOver(const QDBusConnection &bus, const QStringList &files);

    // `open` shows the files in this process's window.
    explicit TFileHandover(std::function<void(const QStringList &)> open, QObject *parent = nullptr);
    // Offers the object and takes the name; false when another window has it already.
    bool Register(QDBusConnection bus);

public slots:
    Q_SCRIPTABLE void OpenFiles(const QStringList &files);

private:
    std::function<void(const QStringList &)> FOpen;
};

// The file arguments of a command line: everything after the program name that is not a switch
// ("-trace", "/AUTOMATION", "-embedding" ...) or an option of the window system.
QStringList FileArguments(const QStringList &arguments);
