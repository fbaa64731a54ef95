#include "UnitCommandLine.h"

#include <QCoreApplication>

bool TraceRequested(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1).toLower() == QLatin1String("-trace");
}

bool TraceRequested()
{
    if (!QCoreApplication::instance())
        return false;
    return TraceRequested(QCoreApplication::arguments());
}

bool IsSwitch(const QString &argument, const QString &name)
{
    if (argument.size() < 2 || (argument[0] != QLatin1Char('/') && argument[0] != QLatin1Char('-')))
        return false;
    return QStringView(argument).mid(1).compare(name, Qt::CaseInsensitive) == 0;
}

bool HasSwitch(const QStringList &arguments, const QString &name)
{
    for (const QString &a : arguments)
        if (IsSwitch(a, name))
            return true;
    return false;
}
