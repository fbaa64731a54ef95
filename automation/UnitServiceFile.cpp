#include "UnitServiceFile.h"
#include "UnitCommandLine.h"
#include "UnitException.h"
#include "UnitExtInterface.h"
#include "UnitTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

TServerStart ServerStartOf(const QStringList &arguments)
{
    if (HasSwitch(arguments, QStringLiteral("REGSERVER")))
        return TServerStart::Register;
    if (HasSwitch(arguments, QStringLiteral("UNREGSERVER")))
        return TServerStart::Unregister;
    if (HasSwitch(arguments, QStringLiteral("AUTOMATION")) || HasSwitch(arguments, QStringLiteral("EMBEDDING")))
        return TServerStart::Automation;
    return TServerStart::Window;
}

QString ServiceFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/dbus-1/services/") +
           AutomationServiceName() + QStringLiteral(".service");
}

QByteArray ServiceFileText(const QString &executable)
{
    // The bus splits the Exec line like a shell: a path with spaces or quotes goes in single
    // quotes, a single quote inside as '\''.
    QString program = executable;
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+,:@%=-]+$"));
    if (!plain.match(program).hasMatch())
        program = QLatin1Char('\'') + program.replace(QLatin1String("'"), QLatin1String("'\\''")) + QLatin1Char('\'');
    return QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2 -embedding\n").arg(AutomationServiceName(), program).toUtf8();
}

void WriteServiceFile(const QString &executable)
{
    const QString file = ServiceFileName();
    const QByteArray text = ServiceFileText(executable);
    QFile existing(file);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
        return;
    existing.close();
    if (!QDir().mkpath(QFileInfo(file).path()))
        throw Exception(Tr("Unable to create directories"));
    WriteFileAtomic(file, text);
}

void RemoveServiceFile()
{
    QFile file(ServiceFileName());
    if (file.exists() && !file.remove())
        throw Exception(Tr("Cannot delete file \"%1\". %2").arg(file.fileName(), file.errorString()));
}
