#pragma once
// Registration of the automation server with the session bus: the activation file
// "$XDG_DATA_HOME/dbus-1/services/Orvalis.OrvalisInterface.service" lets the bus start the program
// with "-embedding" when a client calls the object while no instance runs.
#include <QString>
#include <QStringList>

// What the command line asks of the server start.
enum class TServerStart {
    Window,     // a normal start with the main window
    Automation, // "AUTOMATION" or "EMBEDDING": no window, ends when its clients are gone
    Register,   // "REGSERVER": write the activation file and end
    Unregister, // "UNREGSERVER": remove it and end
};
TServerStart ServerStartOf(const QStringList &arguments);

QString ServiceFileName();
// The activation file's text for the given executable (quoted for the bus where needed).
QByteArray ServiceFileText(const QString &executable);
// Writes the file for the given executable unless it already holds that text. Raises Exception
// with the reason when it cannot be written.
void WriteServiceFile(const QString &executable);
// Removes the file; a missing file is not an error. Raises Exception when it stays.
void RemoveServiceFile();
