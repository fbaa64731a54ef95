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

bool HasSwitch(const QStringList &arguments, const QString &name)
{
    for (const QString &a : arguments) {
        if (a.size() < 2 || (a[0] != QLatin1Char('/') && a[0] != QLatin1Char('-')))
            continue;
        if (QStringView(a).mid(1).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
