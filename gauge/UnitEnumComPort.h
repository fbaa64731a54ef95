#pragma once
// Serial ports by number: "COM<n>" names a device through the per-user port table (group
// "SerialPorts", key "COM<n>", value a device path), so numbers stay stable across runs.
#include <QString>
#include <QStringList>

// The number formed by the run of decimal digits nearest the end of a port name, characters
// after it skipped ("USB Serial (/dev/ttyUSB0) (COM12)" gives 12); 0 when there is no digit.
int PortNumberFromName(const QString &name);

// Device path registered under "COM<n>"; empty for 0 or an unknown number.
QString ComPortDevice(int portNumber);
// Registers a device under "COM<n>" (n >= 1) in the per-user port table.
void RegisterComPort(int portNumber, const QString &device);
// Removes "COM<n>" from the table, only when it still names the given device.
void UnregisterComPort(int portNumber, const QString &device);

// Merges port display names: device entries first, then the table's names whose number is not
// yet listed; the result is sorted by port number.
QStringList MergeComPortNames(const QStringList &deviceEntries, const QStringList &tableNames);

// Fills the list with the machine's serial ports, each display name ending in "(COM<n>)":
// the ports the system lists (a new one gets the lowest free number, which is remembered) and
// the table's entries whose device exists (pseudo-terminals). Sorted by port number.
void EnumComPorts(QStringList &list);
