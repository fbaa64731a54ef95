#include "UnitApplicationNames.h"

#include <QCoreApplication>

QString ProgramTitle() { return QStringLiteral("Ventrax Orvalis"); }

void SetApplicationNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("Orvalis"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ventrax"));
}
