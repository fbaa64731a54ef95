#include "UnitEnumComPort.h"

#include "UnitException.h"
#include "UnitStorage.h"

#include <QFileInfo>
#include <QMap>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

const QString Group = QStringLiteral("SerialPorts");

QString Key(int portNumber) { return QStringLiteral("COM%1").arg(portNumber); }

// Number -> device of every valid "COM<n>" entry of the table.
QMap<int, QString> ReadTable(QSettings &store)
{
    QMap<int, QString> table;
    store.beginGroup(Group);
    const QStringList keys = store.childKeys();
    for (const QString &key : keys) {
        if (!key.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const int number = key.mid(3).toInt(&ok);
        const QString device = store.value(key).toString();
        if (ok && number > 0 && !device.isEmpty())
            table.insert(number, device);
    }
    store.endGroup();
    return table;
}

QString DisplayName(const QString &description, const QString &device, int number)
{
    return QStringLiteral("%1 (%2) (COM%3)").arg(description, device).arg(number);
}

} // namespace

int PortNumberFromName(const QString &name)
{
    qsizetype end = name.size();
    while (end > 0 && !name[end - 1].isDigit())
        --end;
    qsizetype start = end;
    while (start > 0 && name[start - 1].isDigit())
        --start;
    if (start == end)
        return 0;
    // Only ASCII digits count; an absurdly long run gives 0 rather than an overflow.
    bool ok = false;
    const int number = name.mid(start, end - start).toInt(&ok);
    return ok ? number : 0;
}

QString ComPortDevice(int portNumber)
{
    if (portNumber <= 0)
        return QString();
    auto store = UserConfigStore();
    return store->value(Group + QLatin1Char('/') + Key(portNumber)).toString();
}

void RegisterComPort(int portNumber, const QString &device)
{
    if (portNumber <= 0)
        throw Exception(Tr("Invalid port number %1").arg(portNumber));
    auto store = UserConfigStore();
    store->setValue(Group + QLatin1Char('/') + Key(portNumber), device);
    store->sync();
    if (store->status() != QSettings::NoError)
        throw Exception(Tr("Unable to store the serial port table in the configuration file"));
}

void UnregisterComPort(int portNumber, const QString &device)
{
    auto store = UserConfigStore();
    const QString key = Group + QLatin1Char('/') + Key(portNumber);
    if (store->value(key).toString() == device)
        store->remove(key);
    store->sync();
}

QStringList MergeComPortNames(const QStringList &deviceEntries, const QStringList &tableNames)
{
    QStringList list;
    QList<int> numbers;
    for (const QStringList *source : {&deviceEntries, &tableNames}) {
        for (const QString &name : *source) {
            const int number = PortNumberFromName(name);
            if (numbers.contains(number))
                continue;
            numbers << number;
            list << name;
        }
    }
    std::stable_sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        return PortNumberFromName(a) < PortNumberFromName(b);
    });
    return list;
}

void EnumComPorts(QStringList &list)
{
    list.clear();
    auto store = UserConfigStore();
    QMap<int, QString> table = ReadTable(*store);
    bool changed = false;

    QStringList deviceEntries;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        const QString device = info.systemLocation();
        int number = table.key(device, 0);
        if (number == 0) {
            number = 1;
            while (table.contains(number))
                ++number;
            table.insert(number, device);
            store->setValue(Group + QLatin1Char('/') + Key(number), device);
            changed = true;
        }
        const QString description = info.description().isEmpty() ? info.portName() : info.description();
        deviceEntries << DisplayName(description, device, number);
    }
    if (changed)
        store->sync();

    // Entries whose device exists but that the system does not list, such as pseudo-terminals.
    QStringList tableNames;
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        if (!QFileInfo::exists(it.value()))
            continue;
        const QString description = it.value().startsWith(QLatin1String("/dev/pts/"))
                                        ? Tr("Pseudo-terminal")
                                        : QFileInfo(it.value()).fileName();
        tableNames << DisplayName(description, it.value(), it.key());
    }
    list = MergeComPortNames(deviceEntries, tableNames);
}
