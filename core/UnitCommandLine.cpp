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
